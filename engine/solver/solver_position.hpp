// The solver's compact position: every pile as a count byte and card bytes
// (face-down cards marked), and the canonical key under which positions that
// differ only in the order of interchangeable piles, or in how far the stock
// has been turned where it may be turned round for ever, count as one.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/game_state.hpp"

namespace quilloro::solver {

inline constexpr std::uint8_t kFaceDownMark = 0x80;

// Appends the position (the 53 piles with face states, and the redeal count).
void encodePosition(const GameState& state, int redealCount, std::vector<std::uint8_t>& out);
// Puts an encoded position back into the state; answers its redeal count.
// The parameters stay as they are.
int decodePosition(std::span<const std::uint8_t> bytes, GameState& state);

// Which piles of a game are interchangeable, read once from its parameters.
class PositionKey {
 public:
  explicit PositionKey(const GameParameters& parameters, bool selectionGame);

  // The hash of the canonical form of an encoded position.
  std::uint64_t hash(std::span<const std::uint8_t> bytes) const;

  bool foundationsInterchangeable() const { return sortFoundations_; }
  bool tableauInterchangeable() const { return sortTableau_; }
  bool reservesInterchangeable() const { return sortReserves_; }
  // Only the order in which the stock and waste cards come round counts,
  // not where the stock stands in it.
  bool stockIsACycle() const { return stockCycle_; }

 private:
  // The stock and waste segments (each with its count byte) as one cycle.
  void appendStockCycle(std::span<const std::uint8_t> stock, std::span<const std::uint8_t> waste) const;

  bool sortFoundations_ = false;
  bool sortTableau_ = false;
  bool sortReserves_ = false;
  bool redealsMatter_ = true;
  bool stockCycle_ = false;
  mutable std::vector<std::span<const std::uint8_t>> segments_;
  mutable std::string buffer_;
};

}  // namespace quilloro::solver
