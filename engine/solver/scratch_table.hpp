// A game of the solver's own, with no window behind it, that plays positions
// copied from the game in progress.
#pragma once

#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/game.hpp"

namespace quilloro::solver {

// Answers whether a pile is placed as the table of the original game did.
class PlacedPiles : public TableGeometry {
 public:
  explicit PlacedPiles(std::vector<bool> placed) : placed_(std::move(placed)) {}
  bool isPlaced(PileRef pile) const override;
  Point cardPosition(PileRef, int) const override { return {}; }

  // The pile's position in the order of SolverStart::placed.
  static int order(PileRef pile);

 private:
  std::vector<bool> placed_;
};

class ScratchTable {
 public:
  ScratchTable(const GameState& state, std::vector<bool> placed);

  Game& game() { return game_; }
  // Puts the position on the table: the piles and face states of the state
  // (whose parameters must be those the table was made with), the redeal
  // count, and no history (the search keeps its own).
  void load(const GameState& state, int redealCount);

 private:
  SettingsRecord settings_;
  SilentObserver observer_;
  PlacedPiles geometry_;
  Game game_;
};

}  // namespace quilloro::solver
