// Face-down cards that no play can ever show: the deal is called lost at
// once, and only where it truly is.
#include <gtest/gtest.h>

#include <string>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/hidden_for_ever.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/card_tokens.hpp"

namespace quilloro::solver::hidden_for_ever_test {
namespace {

using testing::TestTable;
using card_tokens::card;
using card_tokens::cards;

bool hiddenForEver(const TestTable& table) {
  const SolverStart start = SolverStart::of(table.game);
  const std::optional<FastRules> rules = FastRules::of(start);
  EXPECT_TRUE(rules.has_value());
  return rules && cardHiddenForEver(FastPosition(*rules, start.state, 0));
}

// One tableau pile, so no space ever opens: the three and four of diamonds
// lie face down under the six of hearts and the five of spades. The five
// leaves only for home; the four then needs a black five on the tableau, and
// neither can come back there with no red six out; nor can the four go home
// over the three under it.
TestTable buriedFour() {
  TestTable table;
  table.set({{param::kTableauCount, 1}});
  table.lay("Dest1", cards(1, 5, true));
  table.lay("Dest2", cards(14, 15, true));
  table.lay("Dest3", cards(27, 39, true));
  table.lay("Dest4", cards(40, 43, true));
  table.lay("Fila1", card(16, false) + card(6, false) + card(17, false) + card(44, true));
  table.lay("Mazzo", cards(7, 13, false) + cards(18, 26, false) + cards(45, 52, false));
  return table;
}

TEST(HiddenForEver, ACardUnderTheOnlyCardsThatCouldFreeItMakesTheDealLost) {
  TestTable table = buriedFour();
  EXPECT_TRUE(hiddenForEver(table));
  const SolveResult result = solve(SolverStart::of(table.game), Budget{.nodes = 100'000, .milliseconds = 600'000});
  EXPECT_EQ(result.verdict, Verdict::Lost);
  EXPECT_LE(result.nodes, 2'000) << "known lost before any search";
}

TEST(HiddenForEver, AWayOutForTheBlockingCardLeavesTheDealOpen) {
  // The six of diamonds out on the tableau's only pile would be buried too;
  // with a second pile it may carry the five of spades, and the rest shows.
  TestTable table = buriedFour();
  table.set({{param::kTableauCount, 2}});
  table.lay("Mazzo", cards(7, 13, false) + card(18, false) + cards(20, 26, false) + cards(45, 52, false));
  table.lay("Fila2", card(19, true));
  EXPECT_FALSE(hiddenForEver(table));
  // An empty pile where any card goes: the four may wait there.
  TestTable open = buriedFour();
  open.set({{param::kTableauCount, 2}});
  for (int n = 0; n < kMaxTableau; ++n) open.game.state.parameters[param::kTableauBaseRankFirst + n] = -1;
  open.lay("Fila2", "");
  EXPECT_FALSE(hiddenForEver(open));
}

TEST(HiddenForEver, RowsDealtOntoReservesThatOnlyGiveBuryNothing) {
  // The stock deals a card onto each of two reserves that take none: the
  // tableau's cards lie as they did, and the buried four stays buried.
  TestTable table = buriedFour();
  table.set({{param::kShowWaste, 0}, {param::kStockPasses, 1}, {param::kReserveCount, 2}});
  for (int r = 0; r < 2; ++r) {
    table.game.state.parameters[param::kReserveTypeFirst + r] = 4;
    table.game.state.parameters[param::kReserveRowDealFirst + r] = 1;
  }
  table.lay("Appogg1", "");
  table.lay("Appogg2", "");
  EXPECT_TRUE(hiddenForEver(table));
}

TEST(HiddenForEver, ACardHomeCarriesNothingWhereNoneComesBack) {
  // The five of spades covers the four of diamonds; the only red six that
  // could take it is home, the other lies under it, and so do the four of
  // spades and the six of clubs that would let it or the seven of clubs go
  // home. Only with the six of hearts back on the seven of clubs does the
  // pile open.
  TestTable table;
  table.set({{param::kTableauCount, 2}, {param::kFoundationTakeBack, 0}});
  table.lay("Dest1", cards(1, 6, true));
  table.lay("Dest2", cards(14, 16, true));
  table.lay("Dest3", cards(27, 31, true));
  table.lay("Dest4", cards(40, 42, true));
  table.lay("Fila1", card(19, false) + card(32, false) + card(43, false) + card(17, false) + card(44, true));
  table.lay("Fila2", card(33, true));
  table.lay("Mazzo", cards(7, 13, false) + card(18, false) + cards(20, 26, false) + cards(34, 39, false) +
                         cards(45, 52, false));
  EXPECT_TRUE(hiddenForEver(table));
  table.set({{param::kFoundationTakeBack, 1}});
  EXPECT_FALSE(hiddenForEver(table));
}

TEST(HiddenForEver, FreeCellsAndRowsFromTheStockAreLeftToTheSearch) {
  TestTable table = buriedFour();
  table.set({{param::kReserveCount, 1}});
  table.lay("Appogg1", "");
  EXPECT_FALSE(hiddenForEver(table));
}

}  // namespace
}  // namespace quilloro::solver::hidden_for_ever_test
