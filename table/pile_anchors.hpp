// The anchor (left and top of the bottom card) of every pile, as one layout run leaves them.
#pragma once

#include <array>

#include "engine/pile_names.hpp"

namespace quilloro {

// What each list holds for a pile that is not on the table; any negative left
// means the same, and such a pile is neither drawn nor hit.
inline constexpr int kStockNotPlaced = -1000;
inline constexpr int kFoundationNotPlaced = -1001;
inline constexpr int kTableauNotPlaced = -1002;
inline constexpr int kReserveNotPlaced = -1003;

struct Anchor {
  int left = 0;
  int top = 0;
  bool placed() const { return left >= 0; }
  friend bool operator==(const Anchor&, const Anchor&) = default;
};

int notPlacedValue(PileList list);

struct PileAnchors {
  std::array<Anchor, kStockListSize> stock;
  std::array<Anchor, kMaxFoundations> foundations;
  std::array<Anchor, kMaxTableau> tableau;
  std::array<Anchor, kMaxReserves> reserves;

  // Every pile not placed.
  PileAnchors();

  // The anchor of a pile; an index outside its list reads as not placed.
  Anchor at(PileRef pile) const;
  // Tableau pile n (1-based); a number outside 1..26 reads as not placed.
  Anchor tableauPile(int n) const { return at({PileList::Tableau, n - 1}); }

  friend bool operator==(const PileAnchors&, const PileAnchors&) = default;
};

}  // namespace quilloro
