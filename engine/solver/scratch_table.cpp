// The solver's own game.
#include "engine/solver/scratch_table.hpp"

namespace quilloro::solver {

int PlacedPiles::order(PileRef pile) {
  switch (pile.list) {
    case PileList::Stock: return pile.index;
    case PileList::Foundations: return kStockListSize + pile.index;
    case PileList::Tableau: return kStockListSize + kMaxFoundations + pile.index;
    case PileList::Reserves: return kStockListSize + kMaxFoundations + kMaxTableau + pile.index;
  }
  return 0;
}

bool PlacedPiles::isPlaced(PileRef pile) const {
  const auto at = static_cast<std::size_t>(order(pile));
  return at >= placed_.size() || placed_[at];
}

ScratchTable::ScratchTable(const GameState& state, std::vector<bool> placed)
    : geometry_(std::move(placed)), game_(nullptr, settings_, observer_, geometry_) {
  // The score follows the first scoring kind, as on the command line; it
  // plays no part in the search.
  settings_.set(field::ScoringKind, "01");
  game_.setAutoplay(false);
  game_.state = state;
  load(state, 1);
}

void ScratchTable::load(const GameState& state, int redealCount) {
  // The parameters never change during play: only the table is copied.
  game_.state.piles = state.piles;
  game_.state.cards = state.cards;
  game_.setRedealCount(redealCount);
  game_.cancelStockPress();
  game_.setUnderWay(true);
  game_.setWon(false);
  game_.undoHistory().clear();
  game_.redoHistory().clear();
}

}  // namespace quilloro::solver
