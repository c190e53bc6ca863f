// The first look for a win among the moves that make progress, then the full search.
#include "engine/solver/forward_first.hpp"

#include <algorithm>

#include "engine/solver/fast_depth_search.hpp"

namespace quilloro::solver {

bool searchesForwardFirst(const FastRules& rules) {
  return rules.hasStock() && !rules.dealsRows() &&
         (rules.spaceFiller() != FastRules::SpaceFiller::None || rules.buildsPastBase());
}

SolveResult solveForwardFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                              const std::atomic<bool>* stop) {
  FastRules forward = rules;
  forward.keepToProgress();
  Budget first = budget;
  first.nodes = budget.nodes / 4;
  SolveResult quick = depthSolve(forward, start, first, stop);
  if (quick.verdict == Verdict::Won || quick.stopped || quick.outOfTime) {
    // Without every move, an exhausted first look proves nothing.
    if (quick.verdict != Verdict::Won) quick.verdict = Verdict::Unknown;
    return quick;
  }
  Budget rest = budget;
  rest.nodes = budget.nodes - quick.nodes;
  rest.milliseconds = std::max(0, budget.milliseconds - static_cast<int>(quick.seconds * 1000.0));
  SolveResult full = depthSolve(rules, start, rest, stop);
  full.nodes += quick.nodes;
  full.seconds += quick.seconds;
  return full;
}

}  // namespace quilloro::solver
