// The two-pack games with a stock are searched best first, led by where the
// low cards lie buried: deals that a wandering search misses are won in a
// few thousand positions, the line replays, and the same budget finds the
// same line again.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/stock_beam.hpp"
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

TEST_F(TwoPackSearch, BeamThroughAWasteKeepsLinesThatDifferOnlyInTheWasteAndSpaces) {
  // Diplomat 1190: every line of the first stages brings the same cards
  // home, so a beam that tells its positions apart by the cards home alone
  // narrows to one line and never wins it. Kept apart by the cards left on
  // the waste and the spaces too, the first narrow run of the beam wins it.
  cli::SolverSession table = session(42);
  table.deal("1190");
  const SolverStart start = SolverStart::of(table.game());
  const std::optional<FastRules> rules = FastRules::of(start);
  ASSERT_TRUE(rules.has_value());
  ASSERT_TRUE(beamsThroughStock(*rules));
  const SolveResult result = solveStockByStage(*rules, start, Budget{.nodes = 4'000, .milliseconds = 600'000}, nullptr);
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_LE(result.nodes, 4'000);
  EXPECT_TRUE(replayWins(start, result.moves));
}

}  // namespace
}  // namespace quilloro::solver
