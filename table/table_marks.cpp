// Drawing the focus and hint frames: a bright band with a dark edge either side, readable on any background.
#include "table/table_marks.hpp"

namespace quilloro {
namespace {

constexpr int kGap = 1;     // between the card and the frame
constexpr int kBand = 3;    // the coloured band
constexpr int kEdge = 1;    // the dark line inside and outside the band
constexpr int kReach = kGap + kEdge + kBand + kEdge;

Pixel bandColour(TableMarkKind kind) {
  switch (kind) {
    case TableMarkKind::Focus: return rgbPixel(255, 214, 0);
    case TableMarkKind::Carried: return rgbPixel(255, 140, 0);
    case TableMarkKind::HintFrom: return rgbPixel(0, 210, 255);
    case TableMarkKind::HintTo: return rgbPixel(60, 235, 90);
  }
  return rgbPixel(255, 255, 255);
}

// A hollow rectangle of the given thickness just inside rect.
void outline(PixelSurface& target, const PixelRect& rect, int thickness, Pixel colour) {
  target.fillRect({rect.left, rect.top, rect.width, thickness}, colour);
  target.fillRect({rect.left, rect.bottom() - thickness, rect.width, thickness}, colour);
  target.fillRect({rect.left, rect.top, thickness, rect.height}, colour);
  target.fillRect({rect.right() - thickness, rect.top, thickness, rect.height}, colour);
}

PixelRect grown(const PixelRect& rect, int by) {
  return {rect.left - by, rect.top - by, rect.width + 2 * by, rect.height + 2 * by};
}

}  // namespace

PixelRect markArea(const TableMark& mark) { return grown(mark.card, kReach); }

void drawTableMarks(PixelSurface& target, const std::vector<TableMark>& marks, int originX, int originY) {
  const Pixel dark = rgbPixel(20, 20, 20);
  for (const TableMark& mark : marks) {
    const PixelRect card{mark.card.left - originX, mark.card.top - originY, mark.card.width, mark.card.height};
    outline(target, grown(card, kReach), kEdge, dark);
    outline(target, grown(card, kReach - kEdge), kBand, bandColour(mark.kind));
    outline(target, grown(card, kGap + kEdge), kEdge, dark);
  }
}

}  // namespace quilloro
