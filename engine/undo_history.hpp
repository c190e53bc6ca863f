// A history of whole-table positions: each step holds every pile's cards with
// their face states. The undo and the redo history are two of these.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/game_state.hpp"

namespace quilloro {

// Piles in one step: the stock list, the foundations, the tableau, the reserves.
inline constexpr int kPilesPerStep = kStockListSize + kMaxFoundations + kMaxTableau + kMaxReserves;

class UndoHistory {
 public:
  int stepCount() const { return static_cast<int>(stepStarts_.size()); }
  bool empty() const { return stepStarts_.empty(); }
  void clear();

  // Appends the current table as the last step. With emptyFoundation1 the
  // first foundation is recorded empty (it holds a selection, not play).
  void push(const GameState& state, bool emptyFoundation1);
  // Restores every pile of the last step into the state and removes the step.
  // Answers false, changing nothing, when the history is empty.
  bool popInto(GameState& state);
  // Restores every pile of the first step (the table right after the deal),
  // keeping the history. Answers false, changing nothing, when it is empty.
  bool restoreFirstInto(GameState& state) const;
  // Removes the last step without restoring it.
  void dropLast();

  // The history as lines of state tokens, one line per pile and step, oldest
  // step first, for one pile list: what a saved game stores.
  std::vector<std::string> lines(PileList list) const;
  // A history from the four lists of lines of a saved game. Nothing when the
  // lists do not hold the same number of whole steps or a line is malformed
  // (a card out of range, a card twice in one step).
  static std::optional<UndoHistory> fromLines(const std::array<std::vector<std::string>, 4>& lists);

  // Bytes held for the steps (not counting spare capacity).
  std::size_t storedBytes() const;

 private:
  // A pile is stored as its slot count followed by one byte per slot: the card
  // number, with kFaceDownBit set for a face-down card. Holes are 0.
  static constexpr std::uint8_t kFaceDownBit = 0x80;

  void restoreStep(std::size_t step, GameState& state) const;
  void appendPile(const GameState& state, const Pile& pile);
  std::size_t pileOffset(int step, int pileNumber) const;

  std::vector<std::uint8_t> bytes_;
  std::vector<std::uint32_t> stepStarts_;
};

}  // namespace quilloro
