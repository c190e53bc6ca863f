// The first look for a win among the moves that make progress, then the full search.
#include "engine/solver/forward_first.hpp"

#include <algorithm>

#include "engine/solver/fast_depth_search.hpp"

namespace quilloro::solver {

namespace {

// A position of the first look costs about a quarter of one of the full
// search: it lists only the moves that make progress and never the cards
// taken back from the foundations.
constexpr std::int64_t kFirstLookShare = 4;

}  // namespace

bool searchesForwardFirst(const FastRules& rules) {
  return rules.hasStock() && !rules.dealsRows() && !beamsBeforeLookingForward(rules) &&
         (rules.spaceFiller() != FastRules::SpaceFiller::None || rules.buildsPastBase());
}

bool beamsBeforeLookingForward(const FastRules& rules) {
  return rules.hasStock() && !rules.dealsRows() && rules.buildsPastBase() &&
         rules.spaceFiller() == FastRules::SpaceFiller::None && rules.takesBack() && rules.cardsPerClick() == 1 &&
         rules.passes() >= 0;
}

SolveResult solveForwardFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                              const std::atomic<bool>* stop) {
  FastRules forward = rules;
  forward.keepToProgress();
  SolveResult quick = depthSolve(forward, start, budget, stop);
  if (quick.verdict == Verdict::Won || quick.stopped || quick.outOfTime) {
    quick.nodes /= kFirstLookShare;
    // Without every move, an exhausted first look proves nothing.
    if (quick.verdict != Verdict::Won) quick.verdict = Verdict::Unknown;
    return quick;
  }
  Budget rest = budget;
  const std::int64_t charged = quick.nodes / kFirstLookShare;
  rest.nodes = budget.nodes - charged;
  rest.milliseconds = std::max(0, budget.milliseconds - static_cast<int>(quick.seconds * 1000.0));
  SolveResult full = depthSolve(rules, start, rest, stop);
  full.nodes += charged;
  full.seconds += quick.seconds;
  return full;
}

}  // namespace quilloro::solver
