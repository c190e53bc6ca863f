// The two-pack games with a stock are searched best first, led by where the
// low cards lie buried: deals that a wandering search misses are won in a
// few thousand positions, the line replays, and the same budget finds the
// same line again.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/solver/solver.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver {
namespace {

class TwoPackSearch : public SolverSessionTest {};

TEST_F(TwoPackSearch, RowsDealtFromTheStockAreWonSoonAndTheSameWayEveryTime) {
  // Gypsy and Miss Milligan, a deal of each the depth-first search left
  // undecided after 200,000 positions.
  const Budget budget{.nodes = 4'000, .milliseconds = 600'000};
  for (const int game : {13, 49}) {
    cli::SolverSession table = session(game);
    table.deal("1007");
    const SolverStart start = SolverStart::of(table.game());
    const SolveResult first = solve(start, budget);
    ASSERT_EQ(first.verdict, Verdict::Won) << "game " << game;
    EXPECT_TRUE(replayWins(start, first.moves)) << "game " << game;
    const SolveResult again = solve(start, budget);
    EXPECT_EQ(again.nodes, first.nodes) << "game " << game;
    EXPECT_TRUE(again.moves == first.moves) << "game " << game;
  }
}

TEST_F(TwoPackSearch, StockPlayedOneStageAtATimeWinsDealsTheWholeSpaceLeftUndecidedAndRepeats) {
  // Miss Milligan 1004 and Gypsy 1005, which the best-first and depth-first
  // searches left undecided after 100,000 positions: the beam through the
  // stock wins them in a few thousand, with a line the engine replays, and
  // the same budget finds the same line again.
  const Budget budget{.nodes = 16'000, .milliseconds = 600'000};
#ifdef QUILLORO_SMALL_SAMPLES
  const std::vector<std::pair<int, const char*>> deals{{49, "1004"}};
#else
  const std::vector<std::pair<int, const char*>> deals{{49, "1004"}, {13, "1005"}};
#endif
  for (const auto& [game, number] : deals) {
    cli::SolverSession table = session(game);
    table.deal(number);
    const SolverStart start = SolverStart::of(table.game());
    const SolveResult first = solve(start, budget);
    ASSERT_EQ(first.verdict, Verdict::Won) << "game " << game;
    EXPECT_LE(first.nodes, budget.nodes) << "game " << game;
    EXPECT_TRUE(replayWins(start, first.moves)) << "game " << game;
#ifndef QUILLORO_SMALL_SAMPLES
    const SolveResult again = solve(start, Budget{.nodes = 16'000, .milliseconds = 6'000'000});
    EXPECT_EQ(again.nodes, first.nodes) << "game " << game;
    EXPECT_TRUE(again.moves == first.moves) << "game " << game;
#endif
  }
}

}  // namespace
}  // namespace quilloro::solver
