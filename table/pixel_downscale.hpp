// Shrinking a drawn table into a smaller picture, such as the catalogue's preview of a game.
#pragma once

#include "table/pixel_surface.hpp"

namespace quilloro {

// The largest size of the same shape as width x height that fits inside
// maxWidth x maxHeight, never larger than the original; at least 1 x 1 for a
// non-empty original.
struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};
PixelSize sizeToFit(int width, int height, int maxWidth, int maxHeight);

// The surface scaled down to sizeToFit(...) with a box filter: each new pixel
// is the average of the source pixels its area covers, parts of pixels
// weighted by the part covered. A surface that already fits is returned as it
// is; nothing is ever enlarged. The result is opaque.
PixelSurface downscaleToFit(const PixelSurface& source, int maxWidth, int maxHeight);

}  // namespace quilloro
