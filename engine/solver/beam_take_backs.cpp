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

namespace {

// Whether a card the beam could move might go onto the base: every move onto
// a tableau card carries the base card of a run on a tableau pile's top (each
// card on the one below by the rules for runs), a reserve's top card or the
// waste's top card, and that card must build on it. Most cards taken back
// could take none, and listing the moves of the position after each cost the
// beam a third of its time in Gargantua.
bool anyCardMayCover(const FastPosition& position, FastCard base) {
  const FastRules& rules = position.rules();
  for (int t = 0; t < rules.tableauCount(); ++t) {
    const int pile = position.tableauPile(t);
    for (int slot = position.size(pile) - 1; slot >= position.faceDown(pile); --slot) {
      if (rules.builds(base, position.card(pile, slot))) return true;
      if (slot == position.faceDown(pile) || !rules.joinsRun(position.card(pile, slot - 1), position.card(pile, slot)))
        break;
    }
  }
  for (int r = 0; r < rules.reserveCount(); ++r) {
    const int pile = position.reservePile(r);
    if (position.size(pile) > 0 && rules.builds(base, position.top(pile))) return true;
  }
  if (!rules.hasStock() || rules.dealsRows()) return false;
  const int waste = position.wastePile();
  return position.size(waste) > 0 && rules.builds(base, position.top(waste));
}

}  // namespace

void movesOntoTakenBack(FastPosition& position, const FastStep& takeBack, std::vector<FastStep>& out) {
  out.clear();
  if (!anyCardMayCover(position, position.top(takeBack.from))) return;
  std::vector<FastStep> played;
  playBare(position, takeBack, played);
  // Only the moves onto the pile the card went to are listed (the filter
  // below keeps no other): listing every move cost as much again.
  position.movesOntoOrOff(out, takeBack.to, -1);
  if (!position.rules().dealsRows()) position.wasteTopMoves(out);
  // Only a card put on the one taken back, and none taken back in turn.
  std::erase_if(out, [&](const FastStep& next) {
    return next.kind != FastStep::Kind::Move || next.to != takeBack.to || takesBackHome(position, next);
  });
  for (auto undo = played.rbegin(); undo != played.rend(); ++undo) position.undo(*undo);
}

}  // namespace quilloro::solver
