// Frames laid over the table picture: the keyboard's focus and a hint's cards
// and target. They are drawn on a copy of the shown picture, never into the
// table buffers, so the table underneath is never touched.
#pragma once

#include <vector>

#include "table/pixel_surface.hpp"

namespace quilloro {

enum class TableMarkKind { Focus, Carried, HintFrom, HintTo };

struct TableMark {
  // The card's rectangle in table pixels; the frame lies just around it.
  PixelRect card;
  TableMarkKind kind = TableMarkKind::Focus;
  friend bool operator==(const TableMark&, const TableMark&) = default;
};

// The area a mark's frame covers, card included.
PixelRect markArea(const TableMark& mark);

// Draws the frames onto target, whose top-left pixel is table pixel (originX, originY).
void drawTableMarks(PixelSurface& target, const std::vector<TableMark>& marks, int originX, int originY);

}  // namespace quilloro
