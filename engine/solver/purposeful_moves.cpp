// Which moves of the fast position serve a purpose.
#include "engine/solver/purposeful_moves.hpp"

#include <algorithm>

namespace quilloro::solver {

namespace {

// Some card that could be played onto the card where it shows: one of the
// stock or waste, or a face-up card of another tableau pile or a free cell.
bool mayReceive(const FastPosition& position, int pile, FastCard base) {
  const FastRules& rules = position.rules();
  auto fits = [&](int other, int from) {
    for (int slot = from; slot < position.size(other); ++slot)
      if (rules.builds(base, position.card(other, slot))) return true;
    return false;
  };
  for (int t = 0; t < rules.tableauCount(); ++t)
    if (t != pile && fits(t, position.faceDown(t))) return true;
  for (int r = 0; r < rules.reserveCount(); ++r)
    if (fits(position.reservePile(r), 0)) return true;
  return rules.hasStock() && (fits(position.stockPile(), 0) || fits(position.wastePile(), 0));
}

}  // namespace

bool hasPurpose(const FastPosition& position, const FastStep& step) {
  const FastRules& rules = position.rules();
  if (step.kind != FastStep::Kind::Move) return true;
  // A card taken back from the foundations.
  if (step.from >= position.foundationPile(0) && step.from < position.stockPile()) return false;
  // Only moves between tableau piles are judged; the rest bring cards into
  // play or send them home.
  if (step.from >= rules.tableauCount() || step.to >= rules.tableauCount()) return true;
  const int left = position.size(step.from) - step.count;
  if (left == position.faceDown(step.from)) return left > 0 || position.size(step.to) > 0;
  const FastCard freed = position.card(step.from, left - 1);
  return position.foundationFor(freed) >= 0 || mayReceive(position, step.from, freed);
}

void keepPurposeful(const FastPosition& position, std::vector<FastStep>& moves) {
  std::erase_if(moves, [&](const FastStep& step) { return !hasPurpose(position, step); });
}

}  // namespace quilloro::solver
