// quilloro-cli play takes cards and clicks the stock as the table does: a
// drop needs a card that may be lifted, and selection games see stock clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli_test_support.hpp"
#include "engine/game.hpp"
#include "engine/games_dat.hpp"
#include "tools/cli_play_commands.hpp"

namespace quilloro::cli {
namespace {

int gameNamed(const std::string& name) {
  const GamesDat dat = GamesDat::load(kGamesDat);
  for (int index = 0; index < dat.gameCount(); ++index)
    if (dat.catalogue()[static_cast<std::size_t>(index)].name() == name) return index;
  ADD_FAILURE() << name << " is not in the game file";
  return 0;
}

std::vector<std::string> play(int game, int number, const std::string& commands) {
  std::istringstream in(commands);
  std::ostringstream out;
  const Arguments args({"--game", std::to_string(game), "--number", std::to_string(number), "--dat", kGamesDat});
  EXPECT_EQ(playGame(args, in, out), 0);
  return lines(out.str());
}

// The cards of a "show" line ("Fila3: 0271..."), bottom first.
std::vector<CardNumber> cardsOf(const std::string& line) {
  std::vector<CardNumber> cards;
  const std::string tokens = line.substr(line.find(": ") + 2);
  for (std::size_t at = 0; at + 4 <= tokens.size(); at += 4) cards.push_back(std::stoi(tokens.substr(at, 3)));
  return cards;
}

// The table lines of the first "show" among the replies.
std::vector<std::string> shownTable(const std::vector<std::string>& replies, std::size_t from) {
  return {replies.begin() + static_cast<long>(from), replies.begin() + static_cast<long>(from) + 53};
}

TEST(CliPlayTaking, CardsThatCannotBeLiftedAreNotDropped) {
  // A Klondike deal with an ace in the stock: any foundation would take it,
  // but neither the stock nor the waste under its top card lets it go.
  for (int number = 1; number <= 40; ++number) {
    const std::vector<std::string> dealt = play(0, number, "show\n");
    const std::vector<CardNumber> stock = cardsOf(dealt[0]);
    const auto ace = std::find_if(stock.begin(), stock.end(), [](CardNumber c) { return cardRank(c) == kAce; });
    if (ace == stock.end() || ace == stock.begin()) continue;
    const std::string drop = "drop " + std::to_string(*ace) + " Dest1\n";
    const auto clicksToTop = static_cast<int>(stock.end() - ace);

    std::string commands = drop + "show\n";
    for (int i = 0; i <= clicksToTop; ++i) commands += "stock\n";
    // Covered on the waste by one more card, then on top after an undo.
    commands += drop + "undo\n" + drop + "won\n";
    const std::vector<std::string> replies = play(0, number, commands);
    EXPECT_EQ(replies[0], "refused") << "the ace lies face down in the stock";
    EXPECT_EQ(shownTable(replies, 1), shownTable(dealt, 0));
    std::size_t at = 55;  // the reply, the table and its closing "."
    for (int i = 0; i <= clicksToTop; ++i) ASSERT_EQ(replies[at++], "ok");
    EXPECT_EQ(replies[at++], "refused") << "the ace lies under the waste's top card";
    EXPECT_EQ(replies[at++], "ok");
    EXPECT_EQ(replies[at++], "ok") << "the waste's top card is free";
    return;
  }
  FAIL() << "no deal with an ace inside the stock";
}

TEST(CliPlayStock, TheGridClosesItsGapsAndTurnsNoCard) {
  const int game = gameNamed("Monte Carlo");
  const std::vector<std::string> dealt = play(game, 1, "show\n");
  // Without gaps the stock click does nothing: in this game cards are only clicked.
  const std::vector<std::string> untouched = play(game, 1, "stock\nshow\n");
  EXPECT_TRUE(untouched[0].starts_with("refused")) << untouched[0];
  EXPECT_EQ(shownTable(untouched, 1), shownTable(dealt, 0));

  // Two cards of one rank side by side leave two gaps, which the stock click closes.
  for (int p = 0; p < 25; ++p) {
    for (int q = p + 1; q < 25; ++q) {
      const CardNumber a = cardsOf(dealt[19 + static_cast<std::size_t>(p)]).at(0);
      const CardNumber b = cardsOf(dealt[19 + static_cast<std::size_t>(q)]).at(0);
      if (cardRank(a) != cardRank(b) || !Game::adjacentInGrid(p, q)) continue;
      const std::vector<std::string> replies =
          play(game, 1, "select " + std::to_string(a) + "\nselect " + std::to_string(b) + "\nstock\nshow\n");
      EXPECT_EQ(replies[0], "ok");
      EXPECT_EQ(replies[1], "ok: thrown");
      EXPECT_EQ(replies[2], "ok: gaps closed");
      EXPECT_EQ(cardsOf(replies[3]).size() + 2, cardsOf(dealt[0]).size()) << "two stock cards filled the grid's end";
      return;
    }
  }
  FAIL() << "no pair side by side in the deal";
}

TEST(CliPlayStock, ThePyramidAddsTheStockCardToASelectionBegun) {
  const int game = gameNamed("Pyramid");
  for (int number = 1; number <= 20; ++number) {
    const std::vector<std::string> dealt = play(game, number, "show\n");
    for (int pile = 0; pile < 7; ++pile) {
      const std::vector<CardNumber> cards = cardsOf(dealt[19 + static_cast<std::size_t>(pile)]);
      if (cards.empty()) continue;
      const std::string select = "select " + std::to_string(cards.back()) + "\n";
      const std::vector<std::string> replies = play(game, number, select + "stock\nshow\n");
      if (replies[0] != "ok") continue;  // not free, or a king that went at once
      // The click belongs to the selection: no card is turned onto the waste.
      EXPECT_TRUE(replies[1] == "ok" || replies[1] == "ok: thrown" || replies[1] == "refused") << replies[1];
      EXPECT_EQ(replies[3], "Mazzo_Vis: ");
      // With nothing selected the same click turns the stock's top card.
      const std::vector<std::string> turned = play(game, number, "stock\nshow\n");
      EXPECT_EQ(turned[0], "ok");
      EXPECT_EQ(cardsOf(turned[2]).size(), 1U);
      return;
    }
  }
  FAIL() << "no free pyramid card to select";
}

}  // namespace
}  // namespace quilloro::cli
