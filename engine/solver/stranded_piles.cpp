// Leaving out the moves that strand an empty pile no card may fill.
#include "engine/solver/stranded_piles.hpp"

namespace quilloro::solver {

bool strandsNothingOfUse(const FastRules& rules) {
  if (rules.runMayMove(2, false, kMaxTableau, kMaxReserves)) return false;
  // A row dealt from the stock would put a card on the pile left empty.
  if (rules.dealsRows()) return false;
  if (rules.spaceFiller() != FastRules::SpaceFiller::None) return false;
  for (int card = 1; card <= 52 * rules.packs(); ++card)
    if (rules.fillsEmpty(static_cast<FastCard>(card))) return false;
  return true;
}

bool strandsPile(const FastPosition& position, const FastStep& step) {
  const int tableau = position.rules().tableauCount();
  return step.kind == FastStep::Kind::Move && step.count == 1 && step.from < tableau && step.to < tableau &&
         position.size(step.from) == 1 && position.faceDown(step.from) == 0;
}

}  // namespace quilloro::solver
