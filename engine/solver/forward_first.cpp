// The first look for a win among the moves that make progress, then the full search.
#include "engine/solver/forward_first.hpp"

#include <algorithm>

#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/stock_beam.hpp"

namespace quilloro::solver {

namespace {

// A position of the first look costs about a quarter of one of the full
// search: it lists only the moves that make progress and never the cards
// taken back from the foundations.
constexpr std::int64_t kFirstLookShare = 4;
// Where the beam looks first, it gets one in so many positions of the budget.
constexpr std::int64_t kBeamShare = 8;

// The first look, then the full search.
SolveResult lookForwardFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
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
  const std::int64_t charged = quick.nodes / kFirstLookShare;
  const Budget rest = budgetLeft(budget, charged, quick.seconds);
  SolveResult full = depthSolve(rules, start, rest, stop);
  full.nodes += charged;
  full.seconds += quick.seconds;
  return full;
}

}  // namespace

bool searchesForwardFirst(const FastRules& rules) {
  return rules.hasStock() && !rules.dealsRows() &&
         (rules.spaceFiller() != FastRules::SpaceFiller::None || rules.buildsPastBase());
}

bool beamsBeforeLookingForward(const FastRules& rules) {
  return rules.hasStock() && !rules.dealsRows() && rules.buildsPastBase() &&
         rules.spaceFiller() == FastRules::SpaceFiller::None && rules.takesBack() && rules.cardsPerClick() == 1 &&
         rules.passes() >= 0;
}

SolveResult solveForwardFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                              const std::atomic<bool>* stop) {
  if (!beamsBeforeLookingForward(rules)) return lookForwardFirst(rules, start, budget, stop);
  Budget first = budget;
  first.nodes = budget.nodes / kBeamShare;
  // The beam only ever wins.
  SolveResult beam = solveStockByStage(rules, start, first, stop);
  if (beam.verdict == Verdict::Won || beam.stopped || beam.outOfTime) return beam;
  const Budget rest = budgetLeft(budget, beam.nodes, beam.seconds);
  SolveResult full = lookForwardFirst(rules, start, rest, stop);
  full.nodes += beam.nodes;
  full.seconds += beam.seconds;
  return full;
}

}  // namespace quilloro::solver
