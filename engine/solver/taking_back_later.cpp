// The first look for a win without cards taken back, then the full search.
#include "engine/solver/taking_back_later.hpp"

#include <algorithm>

#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/search_clock.hpp"

namespace quilloro::solver {

namespace {

// The share of the budget's positions the glance of the full search may see.
// Where a click turns several cards, the look without take-backs that
// follows wins fewer deals and the full search proves more of them lost: it
// glances at twice as many there.
constexpr std::int64_t kGlanceShare = 16;
constexpr std::int64_t kSeveralCardsGlanceShare = 8;
// The share of the budget's positions the look among the moves that make
// progress may see, and what each of its positions is charged. Where one
// card turns a click, it wins its deals in a tenth of the budget's positions
// or not at all, and a position of it costs about as much time as one of the
// full search: it gets a smaller share there.
constexpr std::int64_t kForwardLookShare = 4;
constexpr std::int64_t kOneCardForwardLookShare = 8;
constexpr std::int64_t kLookCharge = 4;

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
  ResumableDepthSolve full(rules, start, budget.memoryBytes);
  Budget glance = budget;
  const std::int64_t glanceShare = rules.cardsPerClick() > 1 ? kSeveralCardsGlanceShare : kGlanceShare;
  glance.nodes = std::max<std::int64_t>(1, budget.nodes / glanceShare);
  SolveResult brief = full.solve(glance, stop);
  const std::int64_t glanced = brief.nodes;
  const bool memoryFull = brief.verdict == Verdict::Unknown && brief.nodes < glance.nodes;
  if (follow(brief, brief.nodes)) return sofar;
  // A glance that filled the memory before it spent its positions: the full
  // search would fill it again at the same position.
  if (memoryFull) return sofar;
  // The looks that follow hold their memory beside the glance's.
  auto besideGlance = [&](std::int64_t nodes) {
    Budget look = rest();
    look.nodes = std::max<std::int64_t>(1, nodes);
    look.memoryBytes = budget.memoryBytes - std::min(budget.memoryBytes, full.memoryHeld());
    return look;
  };
  auto lookWithout = [&](const FastRules& restricted, std::int64_t share) {
    SolveResult quick = depthSolve(restricted, start, besideGlance(budget.nodes / share), stop);
    // Without every move, an exhausted look proves nothing.
    if (quick.verdict == Verdict::Lost) quick.verdict = Verdict::Unknown;
    return follow(quick, (quick.nodes + kLookCharge - 1) / kLookCharge);
  };
  FastRules forward = rules;
  forward.leaveTakeBacksOut();
  forward.keepToProgress();
  // No second look follows with every move but the take-backs. On half the
  // budget's positions it won no deal of two hundred of Klondike that the
  // glance and the forward look left, and Klondike by Threes wins as many of
  // two hundred without it; yet it took half the clock of every deal it
  // could not win, which the full search needs to prove a deal lost.
  if (lookWithout(forward, rules.cardsPerClick() == 1 ? kOneCardForwardLookShare : kForwardLookShare)) return sofar;
  // The full search goes on from where the glance stopped.
  Budget whole = rest();
  whole.nodes += glanced;
  SolveResult last = full.solve(whole, stop);
  follow(last, last.nodes - glanced);
  return sofar;
}

}  // namespace quilloro::solver
