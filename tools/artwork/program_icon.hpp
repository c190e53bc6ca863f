// The program's icon: two fanned cards, drawn as pictures of every size the desktop asks for and as SVG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "artwork/bmp_writer.hpp"
#include "artwork/path.hpp"

namespace quilloro::artwork {

// The pixel sizes of the square pictures in the desktop's icon theme.
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The side of the square the icon is designed in; the SVG uses it as its view box.
inline constexpr double kIconDesignSize = 256;

// One layer of the icon, in design units: a filled outline, or its line when
// strokeWidth is above 0.
struct IconShape {
  Path path;
  Rgb colour;
  double opacity = 1.0;
  double strokeWidth = 0.0;
};

// The layers bottom first. Small icons leave out the fine detail and draw
// thicker lines, which would blur into grey at a few pixels.
std::vector<IconShape> programIconShapes(int pixelSize);

// A square picture with straight (not premultiplied) alpha, rows top first,
// four bytes red, green, blue, alpha per pixel.
struct RgbaPicture {
  int size = 0;
  std::vector<std::uint8_t> rgba;

  std::uint8_t alphaAt(int x, int y) const {
    return rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(size) + static_cast<std::size_t>(x)) * 4 + 3];
  }
};

// The icon drawn at size x size pixels on a transparent ground.
RgbaPicture renderProgramIcon(int size);

// The scalable icon: the same layers as the largest picture, as an SVG document.
std::string programIconSvg();

}  // namespace quilloro::artwork
