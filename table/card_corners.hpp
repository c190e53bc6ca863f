// The cut corners of a card at every zoom: the card support library's three-pixel corners at scale 1, the same cut drawn finer above it.
#pragma once

#include "table/pixel_surface.hpp"

namespace quilloro {

enum class CardCorners {
  All,
  Upper,
  Lower,
  // The lower-left corner from the source; the lower-right one the silver edge of the card beneath.
  LowerOnPile,
};

// Copies the corner pixels of the card at fromCard in from onto the card at
// toCard in to; both rectangles in table pixels, both surfaces at one scale.
void copyCardCorners(PixelSurface& from, const PixelRect& fromCard, PixelSurface& to, const PixelRect& toCard,
                     CardCorners which);

// The dotted drop shadow right of and below a card lifted off the table.
void drawCardShadow(PixelSurface& target, const PixelRect& card);

}  // namespace quilloro
