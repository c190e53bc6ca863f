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
// The most slots a pile line of a history or a game file may hold: every card
// of two packs, and a hole for each of them where cards were taken away.
inline constexpr int kMaxPileSlots = 2 * kMaxCard;

class UndoHistory {
 public:
  int stepCount() const { return static_cast<int>(stepStarts_.size()); }
  bool empty() const { return stepStarts_.empty(); }
  void clear();

  // Appends the current table as the last step. With emptyFoundation1 the
  // first foundation is recorded empty (it holds a selection, not play). The
  // redeal count in force goes with the step when one is given.
  void push(const GameState& state, bool emptyFoundation1, std::optional<int> redealCount = std::nullopt);
  // Restores every pile of the last step into the state and removes the step.
  // Answers false, changing nothing, when the history is empty.
  bool popInto(GameState& state);
  // The redeal count recorded with the last step; nothing for a step read
  // from a game file (or an empty history).
  std::optional<int> lastRedealCount() const;
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
  // (a card out of range, a card twice in one step, more than kMaxPileSlots
  // slots). A line's fourth characters are face states: "0" face down, any
  // other face up; characters after its last whole token are ignored. With
  // selectionInFoundation1 the first foundation's lines are recorded empty,
  // as the push of a selection game does.
  static std::optional<UndoHistory> fromLines(const std::array<std::vector<std::string>, 4>& lists,
                                              bool selectionInFoundation1 = false);

  // Bytes held for the steps (not counting spare capacity).
  std::size_t storedBytes() const;

 private:
  // A pile is stored as its slot count in two bytes (low byte first) followed
  // by one byte per slot: the card number, with kFaceDownBit set for a
  // face-down card. Holes are 0.
  static constexpr std::uint8_t kFaceDownBit = 0x80;
  static constexpr std::int32_t kNoRedealCount = -1;

  void restoreStep(std::size_t step, GameState& state) const;
  void appendPile(const GameState& state, const Pile& pile);
  std::size_t pileOffset(int step, int pileNumber) const;
  void appendCount(std::size_t count);
  std::size_t countAt(std::size_t at) const;

  std::vector<std::uint8_t> bytes_;
  std::vector<std::uint32_t> stepStarts_;
  // One per step: the redeal count when the step was taken, or kNoRedealCount.
  std::vector<std::int32_t> redealCounts_;
};

}  // namespace quilloro
