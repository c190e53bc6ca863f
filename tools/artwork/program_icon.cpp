// The program's icon: two fanned cards, drawn as pictures of every size the desktop asks for and as SVG.
#include "tools/artwork/program_icon.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "artwork/canvas.hpp"
#include "artwork/suit_symbols.hpp"

namespace quilloro::artwork {
namespace {

constexpr Rgb kInk{0x2a, 0x2a, 0x2a};
constexpr Rgb kFace{0xfd, 0xfc, 0xf5};
constexpr Rgb kHeart{0xc8, 0x14, 0x28};
constexpr Rgb kBackDark{0x17, 0x3f, 0x7a};
constexpr Rgb kBackLight{0x3d, 0x78, 0xc4};
constexpr Rgb kShadow{0, 0, 0};

// Both cards share one shape: 124 x 172 design units, centred on the origin.
constexpr double kCardWidth = 124;
constexpr double kCardHeight = 172;
constexpr double kCardRadius = 14;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Places a shape drawn about the card's centre: turned, then moved to (x, y).
Affine cardPlace(double x, double y, double degrees) {
  return Affine::translate(x, y) * Affine::rotate(radians(degrees));
}

Path cardOutline(double inset = 0) {
  return Path().roundedRect(-kCardWidth / 2 + inset, -kCardHeight / 2 + inset, kCardWidth - 2 * inset,
                            kCardHeight - 2 * inset, std::max(kCardRadius - inset, 2.0));
}

Path heart(double cx, double cy, double height, bool upsideDown = false) {
  Affine place = Affine::translate(cx, cy) * Affine::scale(height, height);
  if (upsideDown) place = place * Affine::rotate180About(0, 0);
  return suitOutline(Suit::Hearts).transformed(place);
}

// The back's pattern: a lattice of small diamonds inside its inner frame.
Path backLattice() {
  Path lattice;
  constexpr double kStep = 17;
  constexpr double kHalf = 5.5;
  const double right = kCardWidth / 2 - 24, bottom = kCardHeight / 2 - 24;
  for (double y = -bottom; y <= bottom + 0.01; y += kStep)
    for (double x = -right; x <= right + 0.01; x += kStep)
      lattice.polygon({{x, y - kHalf}, {x + kHalf, y}, {x, y + kHalf}, {x - kHalf, y}});
  return lattice;
}

void addCard(std::vector<IconShape>& shapes, const Affine& place, bool small, bool faceUp) {
  const double line = small ? 9 : 4;
  shapes.push_back({cardOutline().transformed(Affine::translate(5, 7) * place), kShadow, 0.28, 0});
  if (faceUp) {
    shapes.push_back({cardOutline().transformed(place), kFace, 1.0, 0});
    shapes.push_back({heart(0, 4, small ? 100 : 84).transformed(place), kHeart, 1.0, 0});
    if (!small) {
      shapes.push_back({heart(-kCardWidth / 2 + 22, -kCardHeight / 2 + 26, 24).transformed(place), kHeart, 1.0, 0});
      shapes.push_back({heart(kCardWidth / 2 - 22, kCardHeight / 2 - 26, 24, true).transformed(place), kHeart, 1.0, 0});
    }
  } else {
    shapes.push_back({cardOutline().transformed(place), kBackDark, 1.0, 0});
    shapes.push_back({cardOutline(small ? 16 : 12).transformed(place), kBackLight, 1.0, 0});
    if (!small) {
      shapes.push_back({backLattice().transformed(place), kBackDark, 0.55, 0});
      shapes.push_back({cardOutline(12).transformed(place), kFace, 0.9, 3});
    }
  }
  shapes.push_back({cardOutline().transformed(place), kInk, 1.0, line});
}

std::string hex(Rgb colour) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (const std::uint8_t part : {colour.r, colour.g, colour.b}) {
    text += kDigits[part >> 4];
    text += kDigits[part & 15];
  }
  return text;
}

}  // namespace

std::vector<IconShape> programIconShapes(int pixelSize) {
  const bool small = pixelSize < 32;
  std::vector<IconShape> shapes;
  // Small pictures turn the cards less, so that the hearts keep their shape.
  addCard(shapes, cardPlace(98, 124, small ? -10 : -14), small, false);
  addCard(shapes, cardPlace(156, 134, small ? 8 : 11), small, true);
  return shapes;
}

RgbaPicture renderProgramIcon(int size) {
  // Drawn once on black and once on white: where the two differ the picture
  // lets the ground through, which gives each pixel's alpha and true colour.
  Canvas onBlack(size, size, {0, 0, 0});
  Canvas onWhite(size, size, {255, 255, 255});
  const Affine scale = Affine::scale(size / kIconDesignSize, size / kIconDesignSize);
  for (Canvas* canvas : {&onBlack, &onWhite}) {
    canvas->setTransform(scale);
    for (const IconShape& shape : programIconShapes(size)) {
      if (shape.strokeWidth > 0) canvas->stroke(shape.path, shape.strokeWidth, shape.colour, shape.opacity);
      else canvas->fill(shape.path, shape.colour, shape.opacity);
    }
  }
  RgbaPicture picture{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4)};
  std::size_t at = 0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const Rgb black = onBlack.bitmap().at(x, y), white = onWhite.bitmap().at(x, y);
      const double through =
          ((white.r - black.r) + (white.g - black.g) + (white.b - black.b)) / (3.0 * 255.0);
      const double alpha = std::clamp(1.0 - through, 0.0, 1.0);
      auto straight = [alpha](std::uint8_t premultiplied) {
        return static_cast<std::uint8_t>(alpha <= 0 ? 0 : std::clamp(std::lround(premultiplied / alpha), 0L, 255L));
      };
      picture.rgba[at++] = straight(black.r);
      picture.rgba[at++] = straight(black.g);
      picture.rgba[at++] = straight(black.b);
      picture.rgba[at++] = static_cast<std::uint8_t>(std::lround(alpha * 255));
    }
  return picture;
}

std::string programIconSvg() {
  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kIconDesignSize << "\" height=\"" << kIconDesignSize
      << "\" viewBox=\"0 0 " << kIconDesignSize << ' ' << kIconDesignSize << "\">\n"
      << "  <title>Quilloro</title>\n";
  for (const IconShape& shape : programIconShapes(static_cast<int>(kIconDesignSize))) {
    svg << "  <path d=\"" << shape.path.svgData() << '"';
    if (shape.strokeWidth > 0)
      svg << " fill=\"none\" stroke=\"" << hex(shape.colour) << "\" stroke-width=\"" << shape.strokeWidth
          << "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"";
    else
      svg << " fill=\"" << hex(shape.colour) << '"';
    if (shape.opacity < 1.0) svg << " opacity=\"" << shape.opacity << '"';
    svg << "/>\n";
  }
  svg << "</svg>\n";
  return svg.str();
}

}  // namespace quilloro::artwork
