// quilloro-contact-sheet: one PNG of every named card back and every background picture, with their captions, for checking by eye.
#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/core/look_catalogue.hpp"
#include "table/png_image.hpp"
#include "artwork/bmp_writer.hpp"
#include "artwork/canvas.hpp"
#include "artwork/font.hpp"

namespace {

using namespace quilloro;
using namespace quilloro::artwork;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: quilloro-contact-sheet --home DIR --fonts DIR --out FILE.png\n"
    "  draws every card back and background picture of DIR/Images, with its name, into one picture\n";

constexpr int kBackCell = 110;
constexpr int kBackCellHeight = 128;
constexpr int kTileCell = 160;
constexpr int kColumns = 9;
constexpr int kTileColumns = 8;

std::string threeDigits(long long n) {
  std::string text = std::to_string(n);
  return std::string(3 - std::min<std::size_t>(3, text.size()), '0') + text;
}

std::string leafName(const std::string& caption) {
  const auto at = caption.rfind(" / ");
  return at == std::string::npos ? caption : caption.substr(at + 3);
}

void caption(Canvas& canvas, Font& font, const std::string& text, double cx, double cy, double width) {
  // Long names are narrowed rather than cut.
  const double factor = std::min(1.0, width / (text.size() * 6.2));
  drawTextCentred(canvas, font, text, 7.5, cx, cy, {30, 30, 30}, false, factor);
}

}  // namespace

int main(int argc, char** argv) {
  fs::path home, fonts, out;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--home" && i + 1 < argc) home = argv[++i];
    else if (arg == "--fonts" && i + 1 < argc) fonts = argv[++i];
    else if (arg == "--out" && i + 1 < argc) out = argv[++i];
    else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (home.empty() || fonts.empty() || out.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    const auto backs = leavesOf(cardBackTree());
    std::vector<LookLeaf> pictures;
    for (const LookLeaf& leaf : leavesOf(backgroundTree()))
      if (leaf.value >= 2 && leaf.value <= 1000) pictures.push_back(leaf);
    const int backRows = static_cast<int>((backs.size() + kColumns - 1) / kColumns);
    const int tileRows = static_cast<int>((pictures.size() + kTileColumns - 1) / kTileColumns);
    const int width = std::max(kColumns * kBackCell, kTileColumns * kTileCell) + 20;
    const int backsTop = 10, tilesTop = backsTop + backRows * kBackCellHeight + 20;
    const int height = tilesTop + tileRows * (kTileCell + 16) + 10;
    Canvas sheet(width, height, {236, 236, 232});
    FontBook book(fonts);
    Font& font = book.get("DejaVuSans-Bold.ttf");

    for (std::size_t i = 0; i < backs.size(); ++i) {
      const int x = 10 + static_cast<int>(i % kColumns) * kBackCell, y = backsTop + static_cast<int>(i / kColumns) * kBackCellHeight;
      const Bitmap back = readBmp(home / "Images" / ("DB" + threeDigits(backs[i].value) + ".bmp"));
      sheet.bitmap().paste(back, x + (kBackCell - back.width()) / 2, y);
      caption(sheet, font, leafName(backs[i].caption) + " (" + std::to_string(backs[i].value) + ")", x + kBackCell / 2.0,
              y + back.height() + 12, kBackCell - 6);
    }
    // Each picture is tiled two by two at half size, so that a seam would show.
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      const int x = 10 + static_cast<int>(i % kTileColumns) * kTileCell, y = tilesTop + static_cast<int>(i / kTileColumns) * (kTileCell + 16);
      const Bitmap tile = readBmp(home / "Images" / ("B" + threeDigits(pictures[i].value) + ".bmp"));
      const int side = kTileCell - 10;
      for (int py = 0; py < side; ++py)
        for (int px = 0; px < side; ++px) {
          const int sx = (px * 2 * tile.width() / side) % tile.width(), sy = (py * 2 * tile.height() / side) % tile.height();
          sheet.bitmap().at(x + px, y + py) = tile.at(sx, sy);
        }
      caption(sheet, font, leafName(pictures[i].caption) + " (" + std::to_string(pictures[i].value) + ")", x + side / 2.0,
              y + side + 9, side);
    }

    const Bitmap& picture = sheet.bitmap();
    PixelSurface surface(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const Rgb c = picture.at(x, y);
        surface.setPixel(x, y, rgbPixel(c.r, c.g, c.b));
      }
    if (!writePngFile(out, surface)) throw std::runtime_error("cannot write " + out.string());
  } catch (const std::exception& e) {
    std::cerr << "quilloro-contact-sheet: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
