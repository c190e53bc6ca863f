// From a pointer position to the pile and card under it, and from a dragged
// image to the piles it lies over.
#pragma once

#include <string>
#include <vector>

#include "engine/game_state.hpp"
#include "table/table_layout.hpp"

namespace quilloro {

// Edges included on every side.
struct CardRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  friend bool operator==(const CardRect&, const CardRect&) = default;
};

struct PileHit {
  std::string pileName;  // empty when nothing was hit
  PileRef pile{PileList::Stock, kStockIndex};
  CardNumber card = kNoCard;  // 0 on an empty pile
  CardRect cardRect;         // all zeros when nothing was hit
  bool hit() const { return !pileName.empty(); }
};

// Stock, waste, tableau piles, foundations, reserves: the first pile whose
// area holds the point.
PileHit findPileAtPoint(const GameState& state, const TableLayout& layout, int x, int y);

struct CardHit {
  CardNumber card = kNoCard;
  Point topLeft;
};

// The card of a tableau pile or reserve that owns the point: walking from the
// bottom card, each card owns the strip up to the next card (both ends
// included, the lower card first), the top card its whole face.
CardHit findCardInPile(const GameState& state, const TableLayout& layout, PileRef pile, int x, int y);

// The piles whose top card the dragged rectangle overlaps, best first: larger
// overlap, then reserve before foundation before tableau before waste, then
// the higher index. At most four.
std::vector<PileRef> dropCandidates(const GameState& state, const TableLayout& layout, const CardRect& dragged);

}  // namespace quilloro
