// Take-backs paired with the move onto the card, for the stock beam.
#include "engine/solver/beam_take_backs.hpp"

#include <algorithm>

#include "engine/solver/paired_moves.hpp"

namespace quilloro::solver {

bool beamTakesBack(const FastRules& rules) { return rules.takesBack() && rules.packs() > 1; }

bool takesBackHome(const FastPosition& position, const FastStep& step) {
  return step.kind == FastStep::Kind::Move && step.from >= position.foundationPile(0) &&
         step.from < position.stockPile();
}

void movesOntoTakenBack(FastPosition& position, const FastStep& takeBack, std::vector<FastStep>& out) {
  out.clear();
  std::vector<FastStep> played;
  playBare(position, takeBack, played);
  position.moves(out, true);
  if (!position.rules().dealsRows()) position.wasteTopMoves(out);
  // Only a card put on the one taken back, and none taken back in turn.
  std::erase_if(out, [&](const FastStep& next) {
    return next.kind != FastStep::Kind::Move || next.to != takeBack.to || takesBackHome(position, next);
  });
  for (auto undo = played.rbegin(); undo != played.rend(); ++undo) position.undo(*undo);
}

}  // namespace quilloro::solver
