// Mark pictures: a light outline and a symbol for the pile's meaning, drawn as light on black. The
// table lays them over its background, which shows through wherever the light is faint or absent.
#include "artwork/marks.hpp"

#include <cmath>
#include <numbers>

#include "artwork/suit_symbols.hpp"

namespace quilloro::artwork {
namespace {

// Black is the table itself; the other colours are light laid over it.
constexpr Rgb kClear{0, 0, 0};
constexpr Rgb kLine{232, 240, 226};
constexpr Rgb kSymbol{214, 226, 206};
constexpr Rgb kStop{236, 96, 70};
constexpr Rgb kGo{170, 238, 130};
// A faint veil over the slot, so that the place reads as a place on any table.
constexpr double kVeil = 0.10;
constexpr double kPressedVeil = 0.30;
constexpr double kLineOpacity = 0.85;
constexpr double kSymbolOpacity = 0.6;

constexpr double kW = 71, kH = 96;  // marks are designed on the big card and scaled

// Codes 003, 006, 010 to 020 stand for the base rank of a pile.
int baseRank(int code) {
  switch (code) {
    case 3: return 12;
    case 6: return 11;
    case 10: return 1;
    case 11: return 13;
    default: return code >= 12 && code <= 20 ? code - 10 : 0;
  }
}

void recycleArrow(Canvas& c, Rgb colour) {
  const double cx = kW / 2, cy = kH / 2, r = 15;
  Path arc;
  const double start = -0.3, end = 2 * std::numbers::pi - 1.2;
  for (int i = 0; i <= 48; ++i) {
    const double a = start + (end - start) * i / 48;
    if (i == 0) arc.moveTo(cx + r * std::cos(a), cy + r * std::sin(a));
    else arc.lineTo(cx + r * std::cos(a), cy + r * std::sin(a));
  }
  c.stroke(arc, 4.2, colour);
  // The arrow head at the end of the arc, pointing along it.
  const Point tip{cx + r * std::cos(end), cy + r * std::sin(end)};
  const Point along{-std::sin(end), std::cos(end)}, out{std::cos(end), std::sin(end)};
  const Point a = tip + along * 7.5, b = tip + out * 6.5, d = tip - out * 6.5;
  c.fill(Path().polygon({a, b, d}), colour);
}

}  // namespace

std::vector<int> markCodes() {
  std::vector<int> codes;
  for (int code = 1; code <= 22; ++code) codes.push_back(code);
  return codes;
}

Bitmap renderMark(int code, CardSize size, FontBook& fonts, double zoom) {
  const bool pressed = code == 5;
  Canvas c(zoomedLength(size.width, zoom), zoomedLength(size.height, zoom), kClear);
  const bool tiny = size.letter == 'P';
  const double sx = size.width / kW, sy = size.height / kH;
  c.setTransform(Affine::scale(sx * zoom, sy * zoom));
  const double inset = tiny ? 4.5 : 3.0;
  const Path outline = Path().roundedRect(inset, inset, kW - 2 * inset, kH - 2 * inset, tiny ? 8 : 5);
  const double lineWidth = tiny ? 2.6 : 1.6;
  c.fill(outline, kLine, pressed ? kPressedVeil : kVeil);

  if (code == 1) {
    // A free cell: its outline drawn in dashes.
    c.stroke(outline, lineWidth, kLine, 0.5 * kLineOpacity);
    const double inner = inset + (tiny ? 6 : 5);
    const double w = kW - 2 * inner, h = kH - 2 * inner;
    Path dashes;
    const int across = tiny ? 2 : 5, down = tiny ? 3 : 7;
    for (int i = 0; i < across; ++i) {
      const double x = inner + (i + 0.25) * w / across;
      dashes.moveTo(x, inner).lineTo(x + 0.5 * w / across, inner);
      dashes.moveTo(x, inner + h).lineTo(x + 0.5 * w / across, inner + h);
    }
    for (int i = 0; i < down; ++i) {
      const double y = inner + (i + 0.25) * h / down;
      dashes.moveTo(inner, y).lineTo(inner, y + 0.5 * h / down);
      dashes.moveTo(inner + w, y).lineTo(inner + w, y + 0.5 * h / down);
    }
    c.stroke(dashes, lineWidth, kSymbol, kSymbolOpacity);
  } else {
    c.stroke(outline, lineWidth, kLine, kLineOpacity);
  }

  const int rank = baseRank(code);
  if (rank > 0) {
    c.setTransform({});
    const double cap = (tiny ? 14.0 : 32.0 * sx) * zoom;
    drawTextCentred(c, fonts.get("DejaVuSerif-Bold.ttf"), rankText(rank), cap, size.width * zoom / 2.0, size.height * zoom / 2.0,
                    mix(kClear, kSymbol, kSymbolOpacity), false, rank == 10 ? 0.75 : 1.0);
  } else if (code == 2) {
    // Two cards fanned: where the turned cards will lie.
    for (int i = 0; i < 2; ++i) {
      const Affine turn = Affine::translate(kW / 2, kH / 2) * Affine::rotate((i == 0 ? -0.25 : 0.2)) * Affine::translate(-12, -17);
      Path card = Path().roundedRect(0, 0, 24, 34, 3).transformed(turn);
      // The upper card hides the outline of the lower one.
      if (i == 1) c.fill(card, kClear);
      c.stroke(card, tiny ? 3.0 : 1.6, kSymbol, kSymbolOpacity);
    }
  } else if (code == 4) {
    const double h = tiny ? 19 : 15, dx = tiny ? 14 : 11, dy = tiny ? 18 : 13;
    const Rgb ink = mix(kClear, kSymbol, kSymbolOpacity);
    drawSuit(c, Suit::Spades, kW / 2 - dx, kH / 2 - dy, h, ink);
    drawSuit(c, Suit::Hearts, kW / 2 + dx, kH / 2 - dy, h, ink);
    drawSuit(c, Suit::Diamonds, kW / 2 - dx, kH / 2 + dy, h, ink);
    drawSuit(c, Suit::Clubs, kW / 2 + dx, kH / 2 + dy, h, ink);
  } else if (code == 8) {
    c.stroke(Path().circle(kW / 2, kH / 2, 16), tiny ? 6 : 4, kStop);
    const double d = 16 / std::sqrt(2.0);
    c.stroke(Path().moveTo(kW / 2 - d, kH / 2 - d).lineTo(kW / 2 + d, kH / 2 + d), tiny ? 6 : 4, kStop);
  } else if (code == 9) {
    c.fill(Path().star(kW / 2, kH / 2 + 1, tiny ? 24 : 17, tiny ? 10 : 7, 5), kSymbol, kSymbolOpacity);
  } else if (code == 21) {
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) c.fill(Path().roundedRect(kW / 2 - 19 + i * 14, kH / 2 - 25 + j * 18, 10, 14, 2), kSymbol,
                                           kSymbolOpacity);
  } else if (code == 22 || code == 5) {
    recycleArrow(c, pressed ? Rgb{230, 250, 200} : kGo);
  }
  return c.bitmap();
}

}  // namespace quilloro::artwork
