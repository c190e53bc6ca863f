// Pointer shapes: arrows, hands and a cross, each in a plain and a dragging ("B") form.
#pragma once

#include <string>
#include <vector>

#include "artwork/bmp_writer.hpp"

namespace quilloro::artwork {

// Pixels of this colour are transparent in a pointer picture.
inline constexpr Rgb kPointerTransparent{255, 0, 255};

struct PointerShape {
  std::string name;  // resource name, such as "CUR_ARROW1A"
  int id;            // pointer number: 10 to 14 plain, 20 to 24 while dragging
  int hotX, hotY;    // the pixel that points
  Bitmap picture;    // 32 x 32
};

std::vector<PointerShape> renderPointerShapes();

}  // namespace quilloro::artwork
