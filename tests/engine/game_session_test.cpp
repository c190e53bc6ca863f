// The session around a game: booking at the end, game files, restart and the
// demo, with a clock the tests move by hand.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_dir.hpp"
#include "app/core/shared_routines.hpp"
#include "engine/game_number.hpp"
#include "engine/game_session.hpp"
#include "engine/game_won_summary.hpp"
#include "engine/games_dat.hpp"
#include "engine/recording_observer.hpp"
#include "game_fixture.hpp"
#include "session_fixture.hpp"

namespace quilloro {
namespace {

using quilloro::testing::readFile;
using quilloro::testing::TempDir;
using quilloro::testing::collection;
using quilloro::testing::Session;

TEST(EndGame, AnAbandonedGameIsBookedLostWithItsScoreAndTime) {
  Session s;
  s.deal("1");
  const int score = s.game().score();
  s.time.epoch += 75;
  ASSERT_TRUE(s.session.confirmAbandon());
  EXPECT_EQ(s.session.endGame(), std::optional<bool>(false));
  const std::vector<std::string> log = s.logLines();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].size(), 147u);
  EXPECT_EQ(log[0].substr(18, 6), "000075");
  EXPECT_EQ(log[0].substr(30, 8), "Klondike");
  EXPECT_EQ(log[0].substr(81, 6), "Tester");
  EXPECT_EQ(log[0].substr(112, 5), "Lost ");
  EXPECT_EQ(log[0].substr(120, 6), std::to_string(score) + std::string(6 - std::to_string(score).size(), ' '));
  EXPECT_FALSE(s.game().underWay());
  // Nothing is left to book.
  EXPECT_EQ(s.session.endGame(), std::nullopt);
  EXPECT_EQ(s.logLines().size(), 1u);
  EXPECT_TRUE(s.observer.wonDialogs.empty());
}

TEST(EndGame, APlayerNameTheResultFilesCannotStoreBooksNothingAndSaysWhy) {
  for (const std::string bad : {"a=b", "[x", ";x", "#x", "line\nbreak", ""}) {
    Session s;
    s.deal("3");
    s.settings.set(field::UserDefault, bad);
    s.observer.clear();
    EXPECT_EQ(s.session.endGame(), std::optional<bool>(false)) << bad;
    EXPECT_FALSE(std::filesystem::exists(s.home / "DATA")) << bad;
    ASSERT_EQ(s.observer.fileErrors.size(), 1u) << bad;
    EXPECT_NE(s.observer.fileErrors[0].find("not booked"), std::string::npos) << s.observer.fileErrors[0];
  }
}

TEST(EndGame, AWinIsCelebratedAndShowsTheTotals) {
  Session s;
  s.deal("1");
  s.game().setWon(true);
  EXPECT_EQ(s.session.endGame(), std::optional<bool>(true));
  EXPECT_EQ(s.observer.pauses.back(), 200);
  EXPECT_EQ(s.observer.winAnimations.size(), 1u);
  EXPECT_TRUE(s.observer.winAnimations[0] == 1 || s.observer.winAnimations[0] == 2);
  ASSERT_EQ(s.observer.wonDialogs.size(), 1u);
  EXPECT_EQ(s.observer.wonDialogs[0].gameName, "Klondike");
  EXPECT_EQ(s.observer.wonDialogs[0].won, 1);
  EXPECT_EQ(s.observer.wonDialogs[0].wonPercent, 100);
  // A new game right after the win books nothing more.
  EXPECT_TRUE(s.session.confirmAbandon());
  EXPECT_EQ(s.session.endGame(), std::nullopt);
  EXPECT_EQ(s.logLines().size(), 1u);
}

TEST(EndGame, ThePokerGridIsWonFromAHundredPoints) {
  for (const auto& [points, won] : {std::pair{100, true}, std::pair{99, false}}) {
    Session s(nullptr);
    s.game().state.parameters[param::kGameFamily] = 9;
    s.game().setUnderWay(true);
    s.settings.setInteger(field::Score, points);
    EXPECT_EQ(s.session.endGame(), std::optional<bool>(won)) << points;
  }
}

TEST(EndGame, TheAbandonQuestionIsAskedOnlyWhenAGameWouldBeLost) {
  Session s;
  s.deal("1");
  s.observer.answer = false;
  EXPECT_FALSE(s.session.confirmAbandon());
  EXPECT_EQ(s.observer.questions, std::vector<std::string>{"Quit this game?"});
  s.settings.set(field::ConfirmQuitGame, "N");
  EXPECT_TRUE(s.session.confirmAbandon());
  s.settings.set(field::ConfirmQuitGame, "Y");
  s.session.setAnimationRunning(true);
  EXPECT_FALSE(s.session.confirmAbandon());
  s.session.setAnimationRunning(false);
  s.game().setWon(true);
  EXPECT_TRUE(s.session.confirmAbandon());
  EXPECT_EQ(s.observer.questions.size(), 1u);
}

TEST(GameWonSummary, PercentagesRoundHalfUpAndPickThePictureOfTheLargerShare) {
  const GameWonSummary threeToOne = summariseTotals("Klondike", 3, 1);
  EXPECT_EQ(threeToOne.wonPercent, 75);
  EXPECT_EQ(threeToOne.lostPercent, 25);
  EXPECT_EQ(threeToOne.picture, "imgGraph0750");
  EXPECT_TRUE(threeToOne.exchangeColours);
  const GameWonSummary oneToThree = summariseTotals("Klondike", 1, 3);
  EXPECT_EQ(oneToThree.picture, "imgGraph0750");
  EXPECT_FALSE(oneToThree.exchangeColours);
  // 2.5 % rounds up to 3, so 97 % lost.
  EXPECT_EQ(summariseTotals("", 1, 39).picture, "imgGraph0950");
  EXPECT_EQ(summariseTotals("", 1, 39).wonPercent, 3);
  EXPECT_EQ(summariseTotals("", 1, 1).picture, "imgGraph0500");
  EXPECT_EQ(summariseTotals("", 7, 0).picture, "imgGraph1000");
  const GameWonSummary none = summariseTotals("", 0, 0);
  EXPECT_FALSE(none.played);
  EXPECT_EQ(none.picture, "imgGraphNoValues");
  EXPECT_TRUE(none.exchangeColours);
}

TEST(GameFiles, ASavedGameReopensWithTableScoreClockPlayerAndHistory) {
  Session s;
  s.deal("3");
  const std::vector<std::string> dealt = s.table();
  s.clickStock(30);
  const int steps = s.game().undoHistory().stepCount();
  ASSERT_GT(steps, 20);
  s.game().setRedealCount(2);
  s.time.epoch += 3600 + 5 * 60 + 30;
  const std::vector<std::string> saved = s.table();
  const int score = s.game().score();
  ASSERT_FALSE(s.session.save(s.home / "game one.gam"));

  s.settings.set(field::UserDefault, "Somebody else");
  s.deal("777");
  const OpenOutcome opened = s.session.open(s.home / "game one.gam");
  ASSERT_TRUE(opened.opened()) << opened.error;
  EXPECT_EQ(s.table(), saved);
  EXPECT_EQ(s.game().score(), score);
  EXPECT_EQ(s.game().redealCount(), 2);
  EXPECT_EQ(s.settings.get(field::GameNumber), "0000000000003");
  EXPECT_EQ(s.settings.get(field::UserDefault), "Tester");
  EXPECT_EQ(s.session.timeDisplay(), "1:05:30");
  s.time.epoch += 2;
  EXPECT_EQ(s.session.timeDisplay(), "1:05:32");
  EXPECT_TRUE(s.game().underWay());
  EXPECT_EQ(s.game().undoHistory().stepCount(), steps);
  EXPECT_TRUE(s.game().redoHistory().empty());
  while (s.game().undo()) {
  }
  EXPECT_EQ(s.table(), dealt);
  // The game replaced by the opened one was booked as lost.
  EXPECT_EQ(s.logLines().size(), 1u);
}

TEST(GameFiles, TheWrittenHeaderHasItsFieldsInTheirColumns) {
  Session s;
  s.deal("3");
  s.time.epoch += 330;
  ASSERT_FALSE(s.session.save(s.home / "g.gam"));
  const std::string text = readFile(s.home / "g.gam");
  const std::string header1 = text.substr(0, text.find("\r\n"));
  ASSERT_EQ(header1.size(), 95u);
  EXPECT_EQ(header1.substr(0, 12), "[S-0302]0000");
  EXPECT_EQ(header1.substr(75, 6), "000330");
  EXPECT_EQ(header1.substr(81, 2), "01");
  EXPECT_EQ(header1.substr(83, 6), fnZeroPad(s.game().score(), 6));
  EXPECT_EQ(header1.substr(89, 6), "000001");
  const std::size_t second = text.find("\r\n") + 2;
  const std::string header2 = text.substr(second, text.find("\r\n", second) - second);
  ASSERT_EQ(header2.size(), 98u);
  EXPECT_EQ(header2.substr(0, 7), "Tester ");
  EXPECT_EQ(header2.substr(50, 16), "0000000000003   ");
  EXPECT_EQ(header2.substr(66, 2), "01");
}

// A broken copy of a good game file: each must be refused with the file and
// the line named, leaving the game in progress as it was.
TEST(GameFiles, FilesThatAreNotWholeGameFilesAreRefusedAndChangeNothing) {
  Session s;
  s.deal("3");
  s.clickStock(4);
  ASSERT_FALSE(s.session.save(s.home / "good.gam"));
  const std::string good = readFile(s.home / "good.gam");
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < good.size();) {
    const std::size_t end = good.find("\r\n", at);
    lines.push_back(good.substr(at, end - at));
    at = end + 2;
  }
  auto joined = [](const std::vector<std::string>& l, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < l.size(); ++i) text += l[i] + "\r\n";
    return text;
  };
  std::vector<std::string> cardTwice = lines;
  cardTwice[31] = cardTwice[32].substr(0, 4) + cardTwice[31];  // tableau 1 gets tableau 2's bottom card
  std::vector<std::string> badScore = lines;
  badScore[0].replace(83, 6, "12x456");
  std::vector<std::string> oldFormat = lines;
  oldFormat[0].replace(3, 4, "0300");
  std::vector<std::string> badToken = lines;
  badToken[40] += "1991";
  const std::vector<std::pair<std::string, std::string>> cases{
      {"not a game.gam", "[Preference]\nCard=001\n"},
      {"empty.gam", ""},
      {"truncated.gam", joined(lines, 40)},
      {"half a step.gam", joined(lines, lines.size() - 3)},
      {"card twice.gam", joined(cardTwice, cardTwice.size())},
      {"bad score.gam", joined(badScore, badScore.size())},
      {"old format.gam", joined(oldFormat, oldFormat.size())},
      {"bad token.gam", joined(badToken, badToken.size())},
  };
  const std::vector<std::string> before = s.table();
  const int steps = s.game().undoHistory().stepCount();
  for (const auto& [name, content] : cases) {
    std::ofstream(s.home / name, std::ios::binary) << content;
    const OpenOutcome opened = s.session.open(s.home / name);
    EXPECT_EQ(opened.status, OpenOutcome::Status::Failed) << name;
    EXPECT_NE(opened.error.find(name), std::string::npos) << opened.error;
    EXPECT_NE(opened.error.find("line "), std::string::npos) << opened.error;
    EXPECT_EQ(s.table(), before) << name;
    EXPECT_EQ(s.game().undoHistory().stepCount(), steps) << name;
    EXPECT_TRUE(s.game().underWay()) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(s.home / "DATA/STAT_LOG.DAT"));
  EXPECT_EQ(s.session.open(s.home / "missing.gam").status, OpenOutcome::Status::Failed);
  // The player may still say no to giving up the game for a good file.
  s.observer.answer = false;
  EXPECT_EQ(s.session.open(s.home / "good.gam").status, OpenOutcome::Status::Cancelled);
}

TEST(Restart, TheTableGoesBackToTheDealAndTheGameCountsAsLost) {
  Session s;
  s.deal("5");
  const std::vector<std::string> dealt = s.table();
  // Right after the deal: nothing to take back, but the game is booked.
  ASSERT_TRUE(s.session.restart());
  EXPECT_EQ(s.table(), dealt);
  EXPECT_EQ(s.logLines().size(), 1u);

  s.clickStock(6);
  s.game().setRedealCount(3);
  s.time.epoch += 100;
  ASSERT_TRUE(s.session.restart());
  EXPECT_EQ(s.observer.questions.back(), "Restart this game?\nGame number: 0000000000005");
  EXPECT_EQ(s.table(), dealt);
  EXPECT_TRUE(s.game().undoHistory().empty());
  EXPECT_EQ(s.game().redealCount(), 1);
  EXPECT_EQ(s.session.timeDisplay(), "0:00:00");
  EXPECT_EQ(s.logLines().size(), 2u);
  EXPECT_TRUE(s.game().underWay());

  // Without a game under way there is nothing to book.
  s.session.endGame();
  ASSERT_TRUE(s.session.restart());
  EXPECT_EQ(s.logLines().size(), 3u);
}

TEST(Demo, ThePositionsRunFromTheDealToTheFinishedTable) {
  Session s;
  s.deal("9");
  const std::vector<std::string> dealt = s.table();
  const int dealtScore = s.game().score();
  s.clickStock(29);
  const int steps = s.game().undoHistory().stepCount();
  const std::vector<std::string> finished = s.table();
  // The recorded game ends with a score of its own, which the deal does not have.
  s.settings.setInteger(field::Score, dealtScore + 208);
  std::filesystem::create_directories(s.home / "Demos");
  s.settings.set(field::UserDefault, "Recorder");
  ASSERT_FALSE(s.session.save(s.session.demoFile()));
  EXPECT_EQ(s.session.demoFile().filename(), "G0000.GAM");
  s.settings.set(field::UserDefault, "Tester");

  const GameSession::DemoStart demo = s.session.startDemo();
  ASSERT_TRUE(demo.error.empty()) << demo.error;
  EXPECT_EQ(demo.lastPosition, steps + 1);
  EXPECT_TRUE(s.session.demoMode());
  EXPECT_EQ(s.table(), dealt);
  EXPECT_EQ(s.game().score(), dealtScore);  // the score follows the position shown
  EXPECT_EQ(s.settings.get(field::UserDefault), "Tester");
  // Giving up the game for the demo books nothing.
  EXPECT_FALSE(std::filesystem::exists(s.home / "DATA/STAT_LOG.DAT"));

  s.observer.clear();
  EXPECT_EQ(s.session.goToDemoPosition(1, 4), 4);
  EXPECT_TRUE(s.observer.sounds.empty());  // several steps go silently
  EXPECT_EQ(s.session.goToDemoPosition(4, demo.lastPosition), demo.lastPosition);
  EXPECT_EQ(s.table(), finished);
  EXPECT_EQ(s.session.goToDemoPosition(demo.lastPosition, demo.lastPosition + 5), demo.lastPosition);
  EXPECT_EQ(s.session.goToDemoPosition(2, 1), 1);
  s.session.goToDemoPosition(demo.lastPosition, 1);
  EXPECT_EQ(s.table(), dealt);

  s.session.stopDemo();
  EXPECT_FALSE(s.game().underWay());
  EXPECT_EQ(s.session.endGame(), std::nullopt);
}

TEST(Demo, AMissingDemoFileIsReportedAndTheGameStays) {
  Session s;
  s.deal("9");
  const GameSession::DemoStart demo = s.session.startDemo();
  EXPECT_EQ(demo.lastPosition, 0);
  EXPECT_NE(demo.error.find("G0000.GAM"), std::string::npos);
  EXPECT_FALSE(s.session.demoMode());
  EXPECT_TRUE(s.game().underWay());
}

}  // namespace
}  // namespace quilloro
