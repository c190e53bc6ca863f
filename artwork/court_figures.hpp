// The jack, queen and king: double-ended stylised figures inside the court frame.
#pragma once

#include "artwork/canvas.hpp"
#include "artwork/card_styles.hpp"

namespace quilloro::artwork {

// The frame is 45 x 80 user units with its top-left corner at the canvas
// transform's origin; the figure fills the upper half and its half-turned copy
// the lower half. rank is 11, 12 or 13.
void drawCourtFrame(Canvas& canvas, const CardStyle& style, Suit suit, int rank);

}  // namespace quilloro::artwork
