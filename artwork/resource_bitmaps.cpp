// Resource bitmaps drawn pixel by pixel, where exact colours matter more than smooth edges.
#include "artwork/resource_bitmaps.hpp"

#include <cmath>
#include <numbers>

namespace quilloro::artwork {

const std::u32string& panelFontCharacters() {
  static const std::u32string characters = [] {
    std::u32string all;
    for (char32_t c = 32; c < 127; ++c) all += c;
    return all + U"àèéìòùÀÈÉÌÒÙ";
  }();
  return characters;
}

Bitmap renderPanelFont(FontBook& fonts) {
  constexpr int kPixelSize = 11, kBaseline = 11;
  const std::u32string& characters = panelFontCharacters();
  Bitmap sheet(kPanelFontCell * static_cast<int>(characters.size()), kPanelFontHeight, Rgb{255, 255, 255});
  Font& font = fonts.get("DejaVuSans-Bold.ttf");
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const Mask ink = font.glyph(characters[i], kPixelSize, kPanelFontHeight, kBaseline);
    const int left = static_cast<int>(i) * kPanelFontCell;
    for (int y = 0; y < ink.height; ++y)
      for (int x = 0; x < std::min(ink.width, kPanelFontCell); ++x) {
        const auto grey = static_cast<unsigned char>(std::lround(255.0 * (1.0 - ink.at(x, y))));
        sheet.at(left + x, y) = {grey, grey, grey};
      }
  }
  return sheet;
}

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

}  // namespace

Bitmap renderShadowStrip(CardSize size, int which) {
  const int w = size.width, h = size.height;
  if (which == 1) {
    // Drawn at (card right, card top + 7): columns r to r + 6, rows t + 7 to b.
    Bitmap strip(7, h - 6, kWhite);
    for (int k = 0; k < strip.height(); ++k)
      for (int i = 0; i < 7; ++i)
        if ((k + i) % 2 == 0 && !(i == 6 && k < 2)) strip.at(i, k) = kBlack;
    return strip;
  }
  // Drawn at (card left + 8, card bottom): columns l + 8 to r + 6, rows b to b + 6.
  Bitmap strip(w - 1, 7, kWhite);
  for (int j = 0; j < 7; ++j) {
    const int last = j >= 5 ? w - 4 : w - 2;
    for (int i = 0; i <= last; ++i)
      if ((i + j) % 2 == 0 && !(j == 6 && i < 2)) strip.at(i, j) = kBlack;
  }
  return strip;
}

Bitmap renderStockEdgeStrip(CardSize size, int which) {
  // Row (or column) k of the strip shows the edge of a card reaching from k - 2
  // along the strip for the card's length; the deepest edge is the darkest.
  auto edgeColour = [](int k) -> Rgb {
    if (k == 15) return {80, 80, 80};
    return k % 2 == 0 ? Rgb{236, 236, 236} : Rgb{176, 176, 176};
  };
  if (which == 1) {
    Bitmap strip(16, size.height + 13, kBlue);
    for (int k = 0; k < 16; ++k)
      for (int y = k - 2; y < k - 2 + size.height; ++y)
        if (y >= 0 && y < strip.height()) strip.at(k, y) = edgeColour(k);
    return strip;
  }
  Bitmap strip(size.width + 11, 16, kBlue);
  for (int k = 0; k < 16; ++k)
    for (int x = k - 2; x < k - 2 + size.width; ++x)
      if (x >= 0 && x < strip.width()) strip.at(x, k) = edgeColour(k);
  return strip;
}

Bitmap renderPokerPanel() {
  const int w = 160, h = 60;
  Bitmap panel(w, h, kWhite);
  const Rgb light{240, 240, 240}, face{200, 200, 200}, dark{128, 128, 128}, shadow{64, 64, 64};
  for (int x = 0; x < w; ++x) {
    panel.at(x, 0) = light;
    panel.at(x, 1) = face;
    panel.at(x, h - 2) = dark;
    panel.at(x, h - 1) = shadow;
  }
  for (int y = 0; y < h; ++y) {
    panel.at(0, y) = light;
    panel.at(1, y) = face;
    panel.at(w - 2, y) = dark;
    panel.at(w - 1, y) = shadow;
  }
  panel.at(w - 1, 0) = shadow;
  panel.at(0, h - 1) = shadow;
  // A rule between the hand's lines and the total line.
  for (int x = 7; x < w - 7; ++x) panel.at(x, 37) = {180, 180, 180};
  return panel;
}

namespace {

// A tilted pie: the top face an ellipse, the rim visible below it. share is
// the larger part, 0.5 to 1; a negative share draws the grey "no values" pie.
Bitmap pie(double share) {
  const int w = 100, h = 80;
  const double cx = 49.5, cy = 34.5, rx = 45, ry = 28, depth = 10;
  const bool grey = share < 0;
  auto inTop = [&](double x, double y) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  // The larger share runs clockwise from twelve o'clock.
  auto larger = [&](double x, double y) {
    double a = std::atan2((x - cx) / rx, -(y - cy) / ry);
    if (a < 0) a += 2 * std::numbers::pi;
    return a < share * 2 * std::numbers::pi;
  };
  // Regions: 0 background, 1 top larger, 2 top smaller, 3 rim larger, 4 rim smaller.
  auto region = [&](int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    if (inTop(px, py)) return larger(px, py) ? 1 : 2;
    if (py > cy) {
      for (double t = 0; t <= depth; t += 0.5)
        if (inTop(px, py - t)) return larger(px, py - t) ? 3 : 4;
    }
    return 0;
  };
  const Rgb fills[5] = {kPieSilver, grey ? Rgb{232, 232, 232} : kPieRed, grey ? Rgb{232, 232, 232} : kPieGreen,
                        grey ? Rgb{150, 150, 150} : kPieMaroon, grey ? Rgb{150, 150, 150} : kPieDarkGreen};
  Bitmap out(w, h, kPieSilver);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int r = region(x, y);
      if (r == 0) continue;
      bool edge = false;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int n = region(x + dx, y + dy);
        // Outline the shape, the top face against the rim, and between slices once.
        const bool top = r <= 2, neighbourTop = n <= 2;
        if (n == 0 || (top && !neighbourTop) || (n != r && top == neighbourTop && (dx > 0 || dy > 0))) edge = true;
      }
      out.at(x, y) = edge ? kBlack : fills[r];
    }
  }
  return out;
}

}  // namespace

std::vector<std::pair<std::string, Bitmap>> renderPieCharts() {
  std::vector<std::pair<std::string, Bitmap>> charts;
  for (int tenths = 500; tenths <= 1000; tenths += 25) {
    charts.emplace_back("imgGraph" + std::string(tenths < 1000 ? "0" : "") + std::to_string(tenths), pie(tenths / 1000.0));
  }
  charts.emplace_back("imgGraphNoValues", pie(-1));
  return charts;
}

}  // namespace quilloro::artwork
