// Yukon's glance of the best-first search between the depth-first looks: it
// wins deals the depth-first search wanders past, and the search that
// follows it still decides a lost deal.
#include <gtest/gtest.h>

#include "engine/solver/solver.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::best_first_glance_test {
namespace {

class BestFirstGlance : public SolverSessionTest {};

TEST_F(BestFirstGlance, WinsWhatTheDepthFirstLookWandersPastAndLeavesTheLostToTheFullSearch) {
  cli::SolverSession session(arguments(9), 9);
  // Deal 1110: the depth-first search spends a million positions on it
  // without a verdict; the glance wins it in about 2,500 once the first look
  // (20,000 positions) has had its turn.
  session.deal("1110");
  const SolverStart won = SolverStart::of(session.game());
  const SolveResult glanced = expectWonWithin(won, 26'000);
  // The sanitized build checks the win alone.
#ifndef QUILLORO_SMALL_SAMPLES
  const SolveResult first = solve(won, Budget{.nodes = 20'000, .milliseconds = 600'000});
  EXPECT_EQ(first.verdict, Verdict::Unknown);
  expectSameOnALongerClock(won, glanced, 26'000);
  // Deal 1124 is lost, in about 50,000 positions of the depth-first search:
  // the glance, which takes no card back, sees no win, and the depth-first
  // search after it sees every position.
  session.deal("1124");
  const SolveResult lost = solve(SolverStart::of(session.game()), Budget{.nodes = 150'000, .milliseconds = 600'000});
  EXPECT_EQ(lost.verdict, Verdict::Lost);
#endif
}

}  // namespace
}  // namespace quilloro::solver::best_first_glance_test
