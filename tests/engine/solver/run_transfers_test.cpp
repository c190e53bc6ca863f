// Runs carried from one face-up card to another where any face-up cards move
// together, out of sequence: the deals that need such a move are still won,
// whether the card it leaves bare goes home next or travels later with the
// cards under it onto the very run that left it.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/fast_position.hpp"
#include "engine/solver/run_transfers.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/card_tokens.hpp"

namespace quilloro::solver::run_transfers_test {
namespace {

using card_tokens::cards;
using card_tokens::pile;
using testing::TestTable;

constexpr FastCard kQueenOfDiamonds = 25;

// Yukon's rules, four piles, no stock. Hearts are home up to the three,
// diamonds whole, clubs up to the five, spades up to the two. The four of
// hearts lies face down under the three of spades, and the five of hearts
// lies on the three, out of sequence. The three goes nowhere but home (the
// four of diamonds stays under the rest of its suit, and no pile ever
// empties), so the five must leave it first, onto the six of clubs or, once
// the four and five of spades have moved off it, the six of spades; then
// the three goes home, the four of hearts shows, and every card follows.
TestTable threeUnderFive() {
  TestTable table;
  table.set({{param::kTableauCount, 4}, {param::kMultiCardMoveRule, 0}, {param::kShowWaste, 0}});
  table.lay("Dest1", cards(1, 3));
  table.lay("Dest2", cards(14, 26));
  table.lay("Dest3", cards(27, 31));
  table.lay("Dest4", cards(40, 41));
  table.lay("Fila1", pile({-4, 42, 5}));
  table.lay("Fila2", pile({39, 38, 37, 36, 35, 34, 33, 32}));
  table.lay("Fila3", pile({52, 51, 50, 49, 48, 47, 46, 45, 44, 43}));
  table.lay("Fila4", pile({13, 12, 11, 10, 9, 8, 7, 6}));
  table.lay("Mazzo", "");
  return table;
}

SolveResult depthFirst(const TestTable& table) {
  const SolverStart start = SolverStart::of(table.game);
  const std::optional<FastRules> rules = FastRules::of(start);
  EXPECT_TRUE(rules.has_value());
  if (!rules) return {};
  return depthSolve(*rules, start, Budget{.nodes = 100'000, .milliseconds = 600'000}, nullptr);
}

TEST(RunTransfers, ADealThatNeedsTheCardLeftBareSentHomeIsWon) {
  TestTable table = threeUnderFive();
  const SolveResult result = depthFirst(table);
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(SolverStart::of(table.game), result.moves));
}

// Two piles building down in suit, any face-up cards moving together, no
// card back from home. Hearts and diamonds are home to the eights, clubs
// whole, spades to the jack. The nine of diamonds goes home; the queen of
// diamonds, with the nine and king of hearts on it, leaves the king of
// spades for the king of diamonds; then the queen of hearts carries the
// cards above it, the king of spades among them, onto the king of hearts,
// the top of the run just moved, and the ten of diamonds goes home. Before
// the run left it, the king of spades could not have gone there: the king
// of hearts was in the very cards carried.
TestTable kingCarriedOntoTheRun() {
  TestTable table;
  table.set({{param::kTableauCount, 2}, {param::kFoundationTakeBack, 0}, {param::kMultiCardMoveRule, 0}});
  for (int n = 0; n < 2; ++n) table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 0;
  table.lay("Dest1", cards(1, 8));
  table.lay("Dest2", cards(14, 21));
  table.lay("Dest3", cards(27, 39));
  table.lay("Dest4", cards(40, 50));
  table.lay("Fila1", pile({26, 22}));
  table.lay("Fila2", pile({23, 12, 24, 51, 10, 11, 52, 25, 9, 13}));
  table.lay("Mazzo", "");
  return table;
}

TEST(RunTransfers, ARunOutOfSequenceStaysAMoveOfItsOwn) {
  TestTable table = kingCarriedOntoTheRun();
  const SolverStart start = SolverStart::of(table.game);
  const std::optional<FastRules> rules = FastRules::of(start);
  ASSERT_TRUE(rules.has_value());
  FastPosition position(*rules, start.state, 0);
  // The nine of diamonds home first; then the queen of diamonds, lying on
  // the king of spades, may go onto the king of diamonds.
  position.apply({FastStep::Kind::Move, 0, static_cast<std::uint8_t>(position.foundationPile(1)), 1, 22, 0, 0});
  std::vector<FastStep> moves;
  position.moves(moves, true);
  bool offTheKing = false;
  for (const FastStep& step : moves) {
    if (step.card != kQueenOfDiamonds || step.to != 0) continue;
    offTheKing = true;
    EXPECT_FALSE(carriesRunBetweenCards(position, step));
  }
  EXPECT_TRUE(offTheKing);
}

TEST(RunTransfers, ADealThatCarriesTheCardLeftBareOntoTheRunIsWon) {
  TestTable table = kingCarriedOntoTheRun();
  const SolveResult result = depthFirst(table);
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(SolverStart::of(table.game), result.moves));
}

}  // namespace
}  // namespace quilloro::solver::run_transfers_test
