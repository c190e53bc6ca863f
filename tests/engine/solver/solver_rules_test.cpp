// What the solver derives from a game's rules: which cards may go home without
// a choice, and when the split of stock and waste does not count.
#include <gtest/gtest.h>

#include <cstdio>

#include "engine/solver/candidate_moves.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/solver_move.hpp"
#include "engine/solver/solver_position.hpp"
#include "tests/engine/game_fixture.hpp"

namespace quilloro::solver::solver_rules_test {
namespace {

using testing::TestTable;

// State tokens of face-up cards, bottom first.
std::string up(std::initializer_list<int> cards) {
  std::string tokens;
  for (const int card : cards) {
    char token[5];
    std::snprintf(token, sizeof token, "%03d1", card);
    tokens += token;
  }
  return tokens;
}

std::uint64_t keyOf(const Game& game, const PositionKey& key) {
  std::vector<std::uint8_t> bytes;
  encodePosition(game.state, game.redealCount(), bytes);
  return key.hash(bytes);
}

// Hearts 1..13, diamonds 14..26, clubs 27..39, spades 40..52.
constexpr int kFiveOfHearts = 5;

TEST(SolverSafePlays, AlternateColoursLetACardGoHomeOnceNothingCanStillNeedIt) {
  TestTable table;
  ASSERT_TRUE(safePlaySuits(table.game.state.parameters));
  table.lay("Dest1", up({1, 2, 3, 4}));
  table.lay("Dest3", up({27, 28, 29}));
  table.lay("Dest4", up({40, 41, 42}));
  table.lay("Fila1", up({kFiveOfHearts}));
  // The black fours may still want the five; they could go home whenever
  // free, but the three of diamonds they could carry could not (its two is out).
  table.lay("Dest2", up({14}));
  EXPECT_FALSE(safeFoundationMove(table.game));
  // With the two of diamonds home the three of diamonds can always go home too.
  table.lay("Dest2", up({14, 15}));
  const auto safe = safeFoundationMove(table.game);
  ASSERT_TRUE(safe);
  EXPECT_EQ(safe->card, kFiveOfHearts);
  EXPECT_EQ(safe->target, (PileRef{PileList::Foundations, 0}));
  // With both black fours home nothing could be built on the five at all.
  table.lay("Dest2", up({14}));
  table.lay("Dest3", up({27, 28, 29, 30}));
  table.lay("Dest4", up({40, 41, 42, 43}));
  EXPECT_TRUE(safeFoundationMove(table.game));
  // A card just taken back from the foundations stays on the table.
  EXPECT_FALSE(safeFoundationMove(table.game, kFiveOfHearts));
}

TEST(SolverSafePlays, OnlyPlainBuildingRulesHaveSafePlays) {
  TestTable table;
  // Building down by two: the five would carry a three, which no rule here foresees.
  for (int n = 0; n < kMaxTableau; ++n) table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 14;
  EXPECT_FALSE(safePlaySuits(table.game.state.parameters));
  TestTable spider;
  // Foundations that take only whole sequences.
  for (int i = 0; i < kMaxFoundations; ++i) spider.game.state.parameters[param::kFoundationBaseRankFirst + i] = 83;
  EXPECT_FALSE(safePlaySuits(spider.game.state.parameters));
  TestTable twoPacks;
  twoPacks.set({{param::kCardsInPlay, 104}});
  EXPECT_FALSE(safePlaySuits(twoPacks.game.state.parameters)) << "four foundations cannot take two packs";
  twoPacks.set({{param::kFoundationCount, 8}});
  EXPECT_TRUE(safePlaySuits(twoPacks.game.state.parameters));
}

TEST(SolverStockCycle, ClicksRoundAnEndlessStockKeepTheKeyAndOnlyTheOrderCounts) {
  TestTable table;
  table.set({{param::kDealStock, 5}});
  table.lay("Mazzo", "01000200030004000500");  // five face-down cards, the 50 on top
  table.lay("Fila1", up({13}));
  const PositionKey key(table.game.state.parameters, false);
  ASSERT_TRUE(key.stockIsACycle());
  const std::uint64_t dealt = keyOf(table.game, key);
  const SolverMove click{SolverMove::Kind::Stock, kNoCard, kStockPile};
  // Five clicks turn every card, the sixth redeals, and round again.
  for (int clicks = 1; clicks <= 8; ++clicks) {
    ASSERT_TRUE(applyMove(table.game, click)) << clicks;
    EXPECT_EQ(keyOf(table.game, key), dealt) << "after " << clicks << " clicks";
  }
  // The same cards in another order are another position.
  TestTable other = table;
  other.lay("Mazzo", "01000200030005000400");
  other.lay("Mazzo_Vis", "");
  EXPECT_NE(keyOf(other.game, key), dealt);

  // With a limited number of redeals the split counts.
  table.set({{param::kStockPasses, 3}});
  const PositionKey limited(table.game.state.parameters, false);
  EXPECT_FALSE(limited.stockIsACycle());
  const std::uint64_t before = keyOf(table.game, limited);
  ASSERT_TRUE(applyMove(table.game, click));
  EXPECT_NE(keyOf(table.game, limited), before);
}

TEST(SolverStockCycle, AWinThatNeedsARedealReplaysOnTheGameItself) {
  TestTable table;
  table.set({{param::kDealStock, 3}, {param::kFoundationTakeBack, 0}});
  // The two and three of hearts lie above the ace in the stock: both are
  // passed before the ace comes, and only a redeal brings them back.
  table.lay("Mazzo", "001000300020");
  table.lay("Dest2", up({14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}));
  table.lay("Dest3", up({27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39}));
  table.lay("Dest4", up({40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52}));
  table.lay("Fila1", up({13, 12, 11, 10, 9, 8, 7, 6, 5, 4}));
  const SolverStart start = SolverStart::of(table.game);
  const SolveResult result = solve(start, Budget{});
  ASSERT_EQ(result.verdict, Verdict::Won);
  for (const SolverMove& move : result.moves) ASSERT_TRUE(applyMove(table.game, move)) << playCommand(move);
  EXPECT_TRUE(table.game.wonCheck());
  EXPECT_GE(table.game.redealCount(), 2);
}

}  // namespace
}  // namespace quilloro::solver::solver_rules_test
