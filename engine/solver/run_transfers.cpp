// Recognising the moves that only carry a run from one face-up card to another.
#include "engine/solver/run_transfers.hpp"

namespace quilloro::solver {

namespace {

// Runs of any length travel anywhere and piles grow without bound.
bool runsTravelFreely(const FastRules& rules) {
  return !rules.runsAnyFaceUp() && !rules.dealsRows() && rules.pileHasRoom(FastPosition::kPileCapacity) &&
         rules.runMayMove(FastPosition::kPileCapacity, false, 0, 0) &&
         rules.runMayMove(FastPosition::kPileCapacity, true, 0, 0);
}

}  // namespace

bool carriesRunBetweenCards(const FastPosition& position, const FastStep& step) {
  const FastRules& rules = position.rules();
  if (step.kind != FastStep::Kind::Move || step.from >= rules.tableauCount() || step.to >= rules.tableauCount())
    return false;
  if (position.size(step.to) == 0 || !runsTravelFreely(rules)) return false;
  const int under = position.size(step.from) - step.count - 1;
  if (under < position.faceDown(step.from)) return false;
  // The run must be able to travel on with u, should u move on.
  return rules.joinsRun(position.card(step.from, under), step.card);
}

bool needsCardLeftBare(const FastPosition& position, const FastStep& transfer, const FastStep& next) {
  if (next.kind != FastStep::Kind::Move) return false;
  if (next.to == transfer.from) return true;
  return next.from == transfer.from && next.count == 1 && next.to >= position.rules().tableauCount();
}

}  // namespace quilloro::solver
