// The table pictures named in the Customize window (numbers 101 to 105 and 257 to 323): seamless 256-pixel tiles.
#pragma once

#include <optional>
#include <vector>

#include "artwork/bmp_writer.hpp"
#include "artwork/font.hpp"

namespace quilloro::artwork {

std::vector<int> namedBackgroundNumbers();
// Nothing for a number that is not one of them.
std::optional<Bitmap> renderNamedBackground(int number, FontBook& fonts);

}  // namespace quilloro::artwork
