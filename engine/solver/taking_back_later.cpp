// The first look for a win without cards taken back, then the full search.
#include "engine/solver/taking_back_later.hpp"

#include <algorithm>

#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/search_clock.hpp"

namespace quilloro::solver {

namespace {

// The share of the budget's positions the glance of the full search may see.
constexpr std::int64_t kGlanceShare = 16;
// The share of the budget's positions the first look may see, and what
// each of them is charged.
constexpr std::int64_t kFirstLookShare = 2;
constexpr std::int64_t kFirstLookCharge = 4;

}  // namespace

bool looksWithoutTakingBack(const FastRules& rules) {
  return rules.takesBack() && rules.hasStock() && rules.packs() == 1 && !rules.dealsRows() && !rules.progressOnly();
}

SolveResult solveWithoutTakingBackFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                                        const std::atomic<bool>* stop) {
  SolveResult sofar;
  auto rest = [&] {
    Budget left = budgetLeft(budget, sofar.nodes, sofar.seconds);
    left.nodes = std::max<std::int64_t>(1, left.nodes);
    return left;
  };
  auto follow = [&](SolveResult next, std::int64_t charged) {
    next.nodes = charged + sofar.nodes;
    next.seconds += sofar.seconds;
    sofar = std::move(next);
    return sofar.verdict != Verdict::Unknown || sofar.stopped || sofar.outOfTime;
  };
  // The easiest deals, won or lost, the full search decides at a glance.
  Budget glance = budget;
  glance.nodes = std::max<std::int64_t>(1, budget.nodes / kGlanceShare);
  SolveResult brief = depthSolve(rules, start, glance, stop);
  const bool memoryFull = brief.verdict == Verdict::Unknown && brief.nodes < glance.nodes;
  if (follow(brief, brief.nodes)) return sofar;
  // A glance that filled the memory before it spent its positions: the full
  // search would fill it again at the same position.
  if (memoryFull) return sofar;
  FastRules keepingHome = rules;
  keepingHome.leaveTakeBacksOut();
  Budget first = rest();
  first.nodes = std::max<std::int64_t>(1, budget.nodes / kFirstLookShare);
  SolveResult quick = depthSolve(keepingHome, start, first, stop);
  // Without every move, an exhausted look proves nothing.
  if (quick.verdict == Verdict::Lost) quick.verdict = Verdict::Unknown;
  if (follow(quick, (quick.nodes + kFirstLookCharge - 1) / kFirstLookCharge)) return sofar;
  SolveResult full = depthSolve(rules, start, rest(), stop);
  follow(full, full.nodes);
  return sofar;
}

}  // namespace quilloro::solver
