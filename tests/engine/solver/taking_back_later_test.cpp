// Klondike's first look for a win without cards taken back from the
// foundations: it wins deals the full search wanders past, and a deal it
// sees no win in is never called lost on its word.
#include <gtest/gtest.h>

#include "engine/solver/solver.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::taking_back_later_test {
namespace {

class TakingBackLater : public SolverSessionTest {};

TEST_F(TakingBackLater, WinsWithoutTakingBackAndNeverCallsADealLostOnThatLookAlone) {
  cli::SolverSession session(arguments(0), 0);
  // Deal 1095: the full search alone spends 150,000 positions on it without
  // a verdict; kept from taking cards back, among the moves that make
  // progress, the search wins it in about 1,000 (charged a quarter each).
  session.deal("1095");
  const SolverStart won = SolverStart::of(session.game());
  const SolveResult first = expectWonWithin(won, 12'000);
  // The sanitized build checks the win alone.
#ifndef QUILLORO_SMALL_SAMPLES
  expectSameOnALongerClock(won, first, 12'000);
  // Deal 1078: without cards taken back, every line is seen in about 5,000
  // positions and none wins; with them the deal stays open at this budget.
  session.deal("1078");
  const SolveResult open = solve(SolverStart::of(session.game()), Budget{.nodes = 12'000, .milliseconds = 600'000});
  EXPECT_EQ(open.verdict, Verdict::Unknown);
  EXPECT_FALSE(open.moves.empty()) << "the line that brought most cards home";
#endif
}

TEST_F(TakingBackLater, TheLookAmongMovesThatMakeProgressWinsWhatTheOtherLooksWanderPast) {
  cli::SolverSession session(arguments(0), 0);
  // Deal 1190: the glance and a look with every shift of a run spend
  // hundreds of thousands of positions on it without a win; among the moves
  // that make progress, a win comes in about 2,500.
  session.deal("1190");
  const SolverStart start = SolverStart::of(session.game());
  const SolveResult won = expectWonWithin(start, 20'000);
  EXPECT_LT(won.nodes, 2'000) << "a glance of 1,250 positions and the look's charged at a quarter";
}

}  // namespace
}  // namespace quilloro::solver::taking_back_later_test
