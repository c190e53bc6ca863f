// The one-pass stock games over face-down cards (Easthaven, Thumb and Pouch):
// the deals a short depth-first look leaves are won best first or a stock
// card at a time, and a depth-first path too long to keep its moves gives
// the same verdict.
#include <gtest/gtest.h>

#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/stock_beam.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::one_pass_stock_test {
namespace {

constexpr int kEasthaven = 17;
constexpr int kThumbAndPouch = 19;

class OnePassStock : public SolverSessionTest {};

TEST_F(OnePassStock, DealsTheDepthFirstLookLeavesAreWonBestFirstRepeatablyAndReplay) {
  // Deals 1058 and 1180: the depth-first search goes down shifts of runs for
  // millions of positions; the best-first search wins them in a few hundred.
  cli::SolverSession game = session(kEasthaven);
  for (const char* deal : {"1058", "1180"}) {
    game.deal(deal);
    const SolverStart start = SolverStart::of(game.game());
    const SolveResult first = solve(start, Budget{.nodes = 20'000, .milliseconds = 600'000});
    const SolveResult again = solve(start, Budget{.nodes = 20'000, .milliseconds = 6'000'000});
    ASSERT_EQ(first.verdict, Verdict::Won) << deal;
    EXPECT_EQ(again.verdict, Verdict::Won) << deal;
    EXPECT_EQ(first.moves, again.moves) << deal;
    EXPECT_EQ(first.nodes, again.nodes) << deal;
    EXPECT_TRUE(replayWins(start, first.moves)) << deal;
  }
}

TEST_F(OnePassStock, TakingBackDealsTheSearchesWanderInAreWonAStockCardAtATime) {
  // Thumb and Pouch deal 1004: neither depth first nor best first wins it in
  // hundreds of thousands of positions; played a card of the stock at a
  // time, it is won in the beam's first run of a few thousand.
  cli::SolverSession game = session(kThumbAndPouch);
  game.deal("1004");
  const SolverStart start = SolverStart::of(game.game());
  const std::optional<FastRules> rules = FastRules::of(start);
  ASSERT_TRUE(rules.has_value());
  const SolveResult result = solveStockByStage(*rules, start, Budget{.nodes = 4'000, .milliseconds = 600'000}, nullptr);
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_LE(result.nodes, 4'000);
  EXPECT_TRUE(replayWins(start, result.moves));
}

TEST_F(OnePassStock, APathTooLongToKeepItsMovesSeesTheSamePositions) {
  // Deal 1003 is won depth first in a few thousand positions along a path of
  // hundreds. With memory for the moves of only the first few dozen
  // positions of the path, those further down are listed again on the way
  // back: the same positions in the same order.
  cli::SolverSession game = session(kEasthaven);
  game.deal("1003");
  const SolverStart start = SolverStart::of(game.game());
  const std::optional<FastRules> rules = FastRules::of(start);
  ASSERT_TRUE(rules.has_value());
  const SolveResult ample = depthSolve(*rules, start, Budget{.nodes = 100'000, .milliseconds = 600'000}, nullptr);
  const SolveResult cramped =
      depthSolve(*rules, start, Budget{.nodes = 100'000, .milliseconds = 600'000, .memoryBytes = 400'000}, nullptr);
  ASSERT_EQ(ample.verdict, Verdict::Won);
  EXPECT_EQ(cramped.verdict, Verdict::Won);
  EXPECT_EQ(cramped.nodes, ample.nodes);
  EXPECT_EQ(cramped.moves, ample.moves);
}

}  // namespace
}  // namespace quilloro::solver::one_pass_stock_test
