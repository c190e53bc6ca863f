// Pairing the cards taken back from the foundations with the moves onto them.
#include "engine/solver/take_back_pairs.hpp"

#include <algorithm>

namespace quilloro::solver {

namespace {

bool takesBack(const FastPosition& position, const FastStep& step) {
  return step.kind == FastStep::Kind::Move && step.from >= position.foundationPile(0) &&
         step.from < position.stockPile();
}

// Whether some card could be played onto the card where it lies on the
// tableau: one that builds on it shows on a pile, lies in the stock or on the
// waste, or is the top card of a foundation. Most cards taken back could take
// none, and are dropped without listing the moves of the position.
bool mayTakeACard(const FastPosition& position, FastCard base) {
  const FastRules& rules = position.rules();
  auto fits = [&](int pile, int from) {
    for (int slot = from; slot < position.size(pile); ++slot)
      if (rules.builds(base, position.card(pile, slot))) return true;
    return false;
  };
  for (int t = 0; t < rules.tableauCount(); ++t)
    if (fits(t, position.faceDown(t))) return true;
  for (int r = 0; r < rules.reserveCount(); ++r)
    if (fits(position.reservePile(r), 0)) return true;
  for (int f = 0; f < rules.foundationCount(); ++f) {
    const FastCard top = position.top(position.foundationPile(f));
    if (top != 0 && rules.builds(base, top)) return true;
  }
  return rules.hasStock() && (fits(position.stockPile(), 0) || fits(position.wastePile(), 0));
}

}  // namespace

void pairTakeBacks(FastPosition& position, const std::vector<FastStep>& moves, std::vector<PairedStep>& choices) {
  choices.clear();
  std::vector<FastStep> onto;
  for (const FastStep& step : moves) {
    if (!takesBack(position, step)) {
      choices.push_back({step, {}, false});
      continue;
    }
    if (step.to >= position.rules().tableauCount() || !mayTakeACard(position, step.card)) continue;
    position.apply(step);
    position.moves(onto, true);
    position.stockMoves(onto);
    for (const FastStep& next : onto) {
      if (next.kind != FastStep::Kind::Move || next.to != step.to) continue;
      FastStep first = step;
      first.priority = std::min(step.priority, next.priority);
      choices.push_back({first, next, true});
    }
    position.undo(step);
  }
}

}  // namespace quilloro::solver
