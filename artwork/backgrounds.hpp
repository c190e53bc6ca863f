// Table background pictures: seamless tiles below number 500, whole pictures from 500 on, and the demo tile.
#pragma once

#include <vector>

#include "artwork/bmp_writer.hpp"
#include "artwork/font.hpp"

namespace quilloro::artwork {

// The numbers of the "B" pictures, ascending.
std::vector<int> backgroundNumbers();
Bitmap renderBackground(int number);

// "Y001", tiled over the table while a demonstration plays.
Bitmap renderDemoBackground(FontBook& fonts);

}  // namespace quilloro::artwork
