// The moves the program makes by itself: automatic filling and the finishing sweep.
#include "engine/game.hpp"

namespace quilloro {

bool Game::autoFill() {
  const int rule = state.parameters[param::kAutoFillTableau];
  if (rule != 1 && rule != 2) return false;
  bool filled = false;
  for (int n = 0; n < state.pilesInUse(PileList::Tableau); ++n) {
    if (!state.piles.pile(PileList::Tableau, n).empty()) continue;
    CardNumber card = kNoCard;
    if (rule == 1) {
      card = state.piles.pile(PileList::Reserves, 0).topCard();
    } else {
      card = state.piles.waste().topCard();
      if (card == kNoCard) card = state.piles.stock().topCard();
    }
    if (card == kNoCard) break;
    if (!executeMove(card, "Fila" + std::to_string(n + 1))) continue;
    observer_.redraw(Redraw::Table, {PileList::Tableau, n});
    // The filling undoes together with the move before it.
    dropLastUndoStep();
    filled = true;
  }
  return filled;
}

bool Game::finishingSweep() {
  if (!autoplayOn_ || !autoplayAvailable() || state.pilesInUse(PileList::Tableau) == 0) return false;
  const int foundations = state.pilesInUse(PileList::Foundations);
  bool anyMoved = false;
  for (bool moved = true; moved && !won_;) {
    moved = false;
    bool allWaitForRank = foundations > 0;
    for (int i = 0; i < foundations; ++i) {
      if (state.parameters[param::kFoundationBaseRankFirst + i] != base_code::kSameRankAsFoundations ||
          !state.piles.pile(PileList::Foundations, i).empty())
        allWaitForRank = false;
    }
    if (allWaitForRank) break;

    std::vector<PileRef> sources;
    for (int n = 0; n < state.pilesInUse(PileList::Tableau); ++n) sources.push_back({PileList::Tableau, n});
    sources.push_back({PileList::Stock, kWasteIndex});
    for (int n = 0; n < state.pilesInUse(PileList::Reserves); ++n) sources.push_back({PileList::Reserves, n});

    for (const PileRef source : sources) {
      if (won_) break;
      const CardNumber card = state.piles.pile(source).topCard();
      if (card == kNoCard || state.isFaceDown(card)) continue;
      const MoveRules rules = this->rules();
      for (int i = 0; i < foundations; ++i) {
        if (!geometry_.isPlaced({PileList::Foundations, i}) || !rules.mayDropOnFoundation(i, card)) continue;
        if (executeMove(card, std::string(move_command::kDestAutoplay) + std::to_string(i + 1))) moved = true;
        break;
      }
    }
    anyMoved = anyMoved || moved;
  }
  return anyMoved;
}

void Game::finishAfterRelease() {
  autoFill();
  if (!autoplayOn_ || !autoplayAvailable()) return;
  while (finishingSweep()) autoFill();
}

void Game::autoplayCommand() {
  if (autoplayOn_) {
    autoplayOn_ = false;
    return;
  }
  if (!autoplayAvailable()) return;
  autoplayOn_ = true;
  while (finishingSweep()) autoFill();
}

}  // namespace quilloro
