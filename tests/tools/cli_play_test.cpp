// quilloro-cli shuffle, deal and play: a whole Klondike game played from a
// script, taken back to the deal and played forward again.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli_test_support.hpp"
#include "tools/cli_play_commands.hpp"

namespace quilloro::cli {
namespace {

Arguments gameArguments(const std::string& game, const std::string& number) {
  return Arguments({"--game", game, "--number", number, "--dat", kGamesDat});
}

std::string deal(const std::string& game, const std::string& number) {
  std::ostringstream out;
  EXPECT_EQ(printDeal(gameArguments(game, number), out), 0);
  return out.str();
}

std::vector<std::string> play(const std::string& commands, const std::string& number = "3") {
  std::istringstream in(commands);
  std::ostringstream out;
  EXPECT_EQ(playGame(gameArguments("0", number), in, out), 0);
  return lines(out.str());
}

TEST(CliShuffle, PrintsTheSlotsTopFirst) {
  std::ostringstream out;
  printShuffle(Arguments({"--cards", "52", "--number", "1"}), out);
  EXPECT_EQ(out.str().substr(0, 39), "40 4 43 39 15 6 16 45 18 35 34 7 49 11 ");
  std::ostringstream big;
  printShuffle(Arguments({"--cards", "104", "--number", "1"}), big);
  EXPECT_EQ(lines(big.str()).size(), 1U);
  std::istringstream numbers(big.str());
  EXPECT_EQ(std::distance(std::istream_iterator<int>(numbers), std::istream_iterator<int>()), 104);
}

TEST(CliDeal, PrintsFiftyThreeLabelledPiles) {
  const std::vector<std::string> table = lines(deal("2", "123"));
  ASSERT_EQ(table.size(), 53U);
  EXPECT_TRUE(table[0].starts_with("Mazzo: "));
  EXPECT_TRUE(table[1].starts_with("Mazzo_Vis:"));
  EXPECT_TRUE(table[2].starts_with("Waste:"));
  EXPECT_EQ(table[3], "Dest1: ");
  EXPECT_EQ(table[18], "Dest16: ");
  EXPECT_TRUE(table[19].starts_with("Fila1: "));
  EXPECT_EQ(table[44], "Fila26: ");
  EXPECT_EQ(table[52], "Appogg8: ");
  EXPECT_EQ(deal("2", "123"), deal("2", "0000000000123"));
  EXPECT_THROW(deal("99", "1"), UsageError);
}

TEST(CliPlay, AScriptedGameIsWonUndoneToTheDealAndRedoneToTheEnd) {
  std::ifstream file(std::string(QUILLORO_TEST_DATA) + "/klondike-3.script");
  ASSERT_TRUE(file) << "script missing";
  std::stringstream script;
  script << file.rdbuf();
  int moves = 0;
  for (const std::string& line : lines(script.str()))
    if (!line.empty() && line[0] != '#') ++moves;

  std::string commands = script.str() + "won\nscore\nshow\n";
  for (int i = 0; i < 2 * moves + 200; ++i) commands += "undo\n";
  commands += "show\nscore\n";
  for (int i = 0; i < 2 * moves + 200; ++i) commands += "redo\n";
  commands += "show\nwon\n";
  const std::vector<std::string> answers = play(commands);

  std::size_t at = 0;
  for (; at < static_cast<std::size_t>(moves); ++at) ASSERT_EQ(answers[at], "ok") << "command " << at + 1;
  EXPECT_EQ(answers[at++], "yes");
  EXPECT_EQ(answers[at++], "208");
  const std::vector<std::string> end(answers.begin() + static_cast<long>(at), answers.begin() + static_cast<long>(at) + 53);
  at += 54;
  int undone = 0;
  while (answers[at] == "ok") ++undone, ++at;
  EXPECT_GE(undone, moves);
  while (answers[at] == "refused") ++at;
  const std::vector<std::string> start(answers.begin() + static_cast<long>(at), answers.begin() + static_cast<long>(at) + 53);
  EXPECT_EQ(start, lines(deal("0", "3")));
  at += 54;
  EXPECT_EQ(answers[at++], "-52");
  int redone = 0;
  while (answers[at] == "ok") ++redone, ++at;
  EXPECT_EQ(redone, undone);
  while (answers[at] == "refused") ++at;
  const std::vector<std::string> again(answers.begin() + static_cast<long>(at), answers.begin() + static_cast<long>(at) + 53);
  EXPECT_EQ(again, end);
  EXPECT_EQ(answers.back(), "yes");
}

TEST(CliPlay, BadCommandsAreErrorsAndChangeNothing) {
  const std::vector<std::string> answers =
      play("fly away\ndrop\ndrop 0 Fila1\ndrop 53 Fila1\ndrop 1 Heaven\nturn Dest1\nmove x Fila1\nshow\n");
  ASSERT_EQ(answers.size(), 7U + 54U);
  for (std::size_t i = 0; i < 7; ++i) EXPECT_TRUE(answers[i].starts_with("error: ")) << answers[i];
  const std::vector<std::string> table(answers.begin() + 7, answers.begin() + 60);
  EXPECT_EQ(table, lines(deal("0", "3")));
}

TEST(CliPlay, RefusedMovesAnswerRefused) {
  // In game 3 the first tableau card is not an ace: no foundation takes it.
  const std::vector<std::string> table = lines(deal("0", "3"));
  const std::string firstCard = table[19].substr(7, 3);
  const std::vector<std::string> answers = play("drop " + std::to_string(std::stoi(firstCard)) + " Dest1\nundo\n");
  EXPECT_EQ(answers, (std::vector<std::string>{"refused", "refused"}));
}

}  // namespace
}  // namespace quilloro::cli
