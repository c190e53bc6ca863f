// The two-pack games with a stock are searched best first, led by where the
// low cards lie buried: deals that a wandering search misses are won in a
// few thousand positions, the line replays, and the same budget finds the
// same line again.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quilloro::solver
