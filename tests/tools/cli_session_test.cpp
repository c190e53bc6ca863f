// quilloro-cli: booking with end, game files with save and open, restart,
// selection clicks, and the poker-hand reader, each in a home folder of its own.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/temp_dir.hpp"
#include "cli_test_support.hpp"
#include "tools/cli_play_commands.hpp"
#include "tools/cli_poker_command.hpp"

namespace quilloro::cli {
namespace {

using quilloro::testing::readFile;
using quilloro::testing::TempDir;

std::vector<std::string> play(const TempDir& home, const std::string& commands, const std::string& number = "3") {
  std::istringstream in(commands);
  std::ostringstream out;
  EXPECT_EQ(playGame(Arguments({"--game", "0", "--number", number, "--dat", kGamesDat, "--home", home.path().string()}),
                     in, out),
            0);
  return lines(out.str());
}

TEST(CliEnd, BooksTheGameUnderTheCurrentPlayerOnce) {
  TempDir home;
  const std::vector<std::string> replies = play(home, "end\nend\n");
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0], "lost");
  EXPECT_EQ(replies[1], "refused: no game is under way");
  const std::vector<std::string> log = lines(readFile(home / "DATA/STAT_LOG.DAT"));
  ASSERT_EQ(log.size(), 1u);
  // The player of a fresh home folder.
  EXPECT_EQ(log[0].substr(81, 30), "User1" + std::string(25, ' '));
  EXPECT_NE(readFile(home / "DATA/STAT.DAT").find("User1=000000 000001"), std::string::npos);
}

TEST(CliGameFiles, SaveOpenAndRestartKeepTheTable) {
  TempDir home;
  const std::string file = (home / "my game.gam").string();
  const std::vector<std::string> replies =
      play(home, "stock\nstock\nsave " + file + "\nshow\nstock\nopen " + file + "\nshow\nrestart\nundo\n");
  // stock, stock, save, 53 piles and ".", stock, open, 53 piles and ".", restart, undo
  ASSERT_EQ(replies.size(), 2u + 1 + 54 + 1 + 1 + 54 + 2);
  EXPECT_EQ(replies[2], "ok");
  const std::vector<std::string> saved(replies.begin() + 3, replies.begin() + 57);
  EXPECT_EQ(replies[58], "ok");
  const std::vector<std::string> reopened(replies.begin() + 59, replies.begin() + 113);
  EXPECT_EQ(reopened, saved);
  EXPECT_EQ(replies[113], "ok");
  // After the restart there is nothing left to take back.
  EXPECT_EQ(replies[114], "refused");
}

TEST(CliGameFiles, ABrokenFileIsReportedAndTheGameGoesOn) {
  TempDir home;
  std::ofstream(home / "broken.gam") << "[S-0302]0000\r\n";
  const std::vector<std::string> replies = play(home, "stock\nopen " + (home / "broken.gam").string() + "\nundo\n");
  ASSERT_EQ(replies.size(), 3u);
  EXPECT_TRUE(replies[1].starts_with("error: Cannot open the game file ")) << replies[1];
  EXPECT_NE(replies[1].find("broken.gam: line 1"), std::string::npos) << replies[1];
  EXPECT_EQ(replies[2], "ok");
}

TEST(CliSelect, ClicksOfAGameWithoutSelectionsAreRefused) {
  TempDir home;
  const std::vector<std::string> replies = play(home, "select 1\nselect 200\n");
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0], "refused: not a card this game lets you choose");
  EXPECT_TRUE(replies[1].starts_with("error: "));
}

TEST(CliPokerHand, NamesEachHandWithItsPoints) {
  std::istringstream in("1 10 11 12 13\n\n40 41 42 43 44\n1 14 27 2 15\n1 2 3 4\n1 2 3 4 200\n5 18 31 44 7\n");
  std::ostringstream out;
  EXPECT_EQ(printPokerHands(Arguments({}), in, out), 0);
  EXPECT_EQ(lines(out.str()), (std::vector<std::string>{"Royal Flush 100", "Straight Flush 75", "Full House 25",
                                                        "error: fewer than five cards",
                                                        "error: \"200\" is not a card number from 1 to 104",
                                                        "Four of a Kind 50"}));
}

}  // namespace
}  // namespace quilloro::cli
