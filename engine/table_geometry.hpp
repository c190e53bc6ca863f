// Where the piles lie on the table, as far as the engine needs to know: whether a
// pile is on the table at all, and the window position of a card slot for flights.
#pragma once

#include "engine/pile_names.hpp"

namespace quilloro {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

class TableGeometry {
 public:
  virtual ~TableGeometry() = default;

  // Lays the table out for the parameters just loaded (a new or opened game).
  virtual void prepareTable() {}
  // False for a pile that the layout did not place (its left anchor is negative).
  virtual bool isPlaced(PileRef pile) const = 0;
  // Top-left corner of the card in the given slot of the pile (0 = bottom card);
  // a slot at the pile's count is where the next card would land.
  virtual Point cardPosition(PileRef pile, int slot) const = 0;
};

// The anchors held by the card support library, with every card of a pile at
// its anchor. Until a layout has stored anchors there, every pile reads as
// placed at (0, 0), which is what a table without a window needs.
class LibraryAnchorGeometry : public TableGeometry {
 public:
  bool isPlaced(PileRef pile) const override;
  Point cardPosition(PileRef pile, int slot) const override;
};

}  // namespace quilloro
