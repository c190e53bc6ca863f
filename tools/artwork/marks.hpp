// Empty-pile marks: the opaque pictures drawn where a pile holds no card.
#pragma once

#include <vector>

#include "tools/artwork/bmp_writer.hpp"
#include "tools/artwork/card_geometry.hpp"
#include "tools/artwork/font.hpp"

namespace quilloro::artwork {

// Every mark code the table draws: 001 to 022, 005 being the pressed empty stock.
std::vector<int> markCodes();
Bitmap renderMark(int code, CardSize size, FontBook& fonts);

}  // namespace quilloro::artwork
