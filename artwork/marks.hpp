// Empty-pile marks: the opaque pictures drawn where a pile holds no card.
#pragma once

#include <vector>

#include "artwork/bmp_writer.hpp"
#include "artwork/card_geometry.hpp"
#include "artwork/font.hpp"

namespace quilloro::artwork {

// Every mark code the table draws: 001 to 022, 005 being the pressed empty stock.
std::vector<int> markCodes();
// At a zoom above 1 the mark is drawn larger on zoomedLength(width) x zoomedLength(height) pixels.
Bitmap renderMark(int code, CardSize size, FontBook& fonts, double zoom = 1.0);

}  // namespace quilloro::artwork
