// Place piles: every anchor of a layout run, from the table area and the game parameters.
#pragma once

#include "table/layout_context.hpp"

namespace quilloro {

struct PlacedPiles {
  PileAnchors anchors;
  int tableauGap = 0;
  // The collision pass moved the tableau to clear the last reserve.
  bool tableauMoved = false;
};

// Whole-table layouts (tableau arrangements 51 to 79) place every pile
// themselves; otherwise each pile kind follows its generic rule, then the
// collision pass and the fill-ins run.
PlacedPiles placePiles(const LayoutContext& context);

}  // namespace quilloro
