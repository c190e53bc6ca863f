// Whole-table layouts of our own design for 53, 54, 61 and 66 to 71: a grid, a staircase, rings,
// side columns, a pyramid and the poker square. Each places the piles its game uses; piles it
// does not name stay off the table.
#include <algorithm>
#include <array>

#include "table/whole_table_layouts.hpp"

namespace quilloro {
namespace {

// A ring of twelve cells on a lattice of half a card (plus a few pixels, so
// that cells two steps apart never touch), in clock order from one o'clock.
struct Cell {
  int x, y;
};
constexpr std::array<Cell, 12> kClockCells{{
    {7, 0}, {9, 1}, {10, 3}, {9, 5}, {7, 6}, {5, 6}, {3, 6}, {1, 5}, {0, 3}, {1, 1}, {3, 0}, {5, 0},
}};
constexpr Cell kCentreCell{5, 3};
constexpr Cell kCentreLeftCell{4, 3};
constexpr Cell kCentreRightCell{6, 3};
constexpr int kRingColumns = 10;
constexpr int kRingRows = 6;

struct Ring {
  int left, top, stepX, stepY;
  int x(Cell c) const { return left + c.x * stepX; }
  int y(Cell c) const { return top + c.y * stepY; }
};

Ring ringSteps(const TableArea& a) {
  const int spare = a.lowScreen() ? 1 : 3;
  return {0, 0, a.W() / 2 + spare, a.H() / 2 + spare};
}
int ringWidth(const TableArea& a, const Ring& r) { return kRingColumns * r.stepX + a.W(); }
int ringHeight(const TableArea& a, const Ring& r) { return kRingRows * r.stepY + a.H(); }

// The stock and waste in the middle of a ring, side by side when both are used.
void stockGroupInRing(const LayoutContext& c, Placer& placer, const Ring& ring) {
  if (c.counts.stockGroup == 1) {
    placer.stock(ring.x(kCentreCell), ring.y(kCentreCell));
  } else if (c.counts.stockGroup > 1) {
    placer.stock(ring.x(kCentreLeftCell), ring.y(kCentreLeftCell));
    placer.waste(ring.x(kCentreRightCell), ring.y(kCentreRightCell));
  }
}

// 53: a grid as in the four-row block, the rows from the fourth on 25 pixels
// lower; under it the discard pile below the first column and the stock group
// below the last columns.
void gridWithDiscardRow(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int g = c.counts.tableau;
  const int perRow = std::max(g / std::max<int>(c.value(param::kTableauRows), 1), 1);
  const int gap = std::max((a.width - perRow * W - 2) / (perRow + 1), W * 3 / 2);
  const int x0 = a.margin + (a.lowScreen() ? 15 : 10);
  const auto column = [&](int k) { return x0 + k * (W + gap); };
  const auto rowTop = [&](int k) { return a.blockRow(a.fourRowBlockTop, k) + (k >= 3 ? 25 : 0); };
  for (int i = 0; i < g; ++i) placer.tableau(i + 1, column(i % perRow), rowTop(i / perRow));

  const int usedRows = (g + perRow - 1) / perRow;
  const int bottom = rowTop(std::max(usedRows, 3));
  if (c.counts.discard) placer.discard(column(0), bottom);
  const int stockColumn = std::max(perRow - 1, 1);
  if (c.counts.stockGroup > 0) placer.stock(column(stockColumn), bottom);
  if (c.counts.stockGroup > 1) placer.waste(column(stockColumn > 1 ? stockColumn - 1 : stockColumn + 1), bottom);
}

// 54: eight piles as a staircase down and to the left from the table's centre;
// stock and waste in a column at the left, the discard pile at the right.
void staircase(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int stepX = W / 2 + 3;
  const int stepY = H / 2;
  const int first = std::max((a.width - W) / 2, a.margin + W + 15 + 7 * stepX);
  const int top = std::max(centredTop(a, H + 7 * stepY), a.rows[0]);
  for (int n = 1; n <= 8; ++n) placer.tableau(n, first - (n - 1) * stepX, top + (n - 1) * stepY);
  if (c.counts.stockGroup > 0) placer.stock(a.margin, top);
  if (c.counts.stockGroup > 1) placer.waste(a.margin, top + H + 15);
  if (c.counts.discard) placer.discard(a.width - W - a.margin - 5, top + 7 * stepY);
}

// 61: four piles in a row and twelve foundations in a ring to their right,
// foundation n at n o'clock; the stock group in the middle of the ring.
void rowAndFoundationRing(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int y0 = a.top + 15;
  const int pitch = W + (a.lowScreen() ? 2 : 5);
  for (int i = 1; i <= 4; ++i) placer.tableau(i, 10 + (i - 1) * pitch, y0);
  Ring ring = ringSteps(a);
  ring.left = 10 + 3 * pitch + W + (a.lowScreen() ? 15 : 30);
  ring.top = y0;
  for (int n = 1; n <= 12; ++n) placer.foundation(n, ring.x(kClockCells[n - 1]), ring.y(kClockCells[n - 1]));
  stockGroupInRing(c, placer, ring);
}

// 66: foundations in columns of four at the margin; right of them a row of
// stock, waste, reserves and discard pile over a centred row of tableau piles.
// On a table too narrow for the columns beside the rows, the foundations stand
// in a row at the right of the stock group instead, or in a row of their own
// over it when the two would meet.
void foundationsAtLeft(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int h = c.counts.foundations;
  const int g = c.counts.tableau;
  int y0 = a.top + 15;
  constexpr int kLeastGap = 4;
  int areaLeft = h > 0 ? a.margin + ((h + 3) / 4) * (W + 10) + 20 : a.margin;
  const bool besideRows = areaLeft + g * W + (g - 1) * kLeastGap <= a.width - a.margin;
  const int upperPiles = std::min(c.counts.stockGroup, 2) + c.counts.reserves + (c.counts.discard ? 1 : 0);
  if (besideRows) {
    for (int i = 0; i < h; ++i) placer.foundation(i + 1, a.margin + (i / 4) * (W + 10), y0 + (i % 4) * (H + 10));
  } else {
    areaLeft = a.margin;
    // The foundations close up a little more than the piles beside them.
    const int pitch = W + kLeastGap - 1;
    const int first = a.width - W - a.margin - (h - 1) * pitch;
    for (int i = 1; i <= h; ++i) placer.foundation(i, first + (i - 1) * pitch, y0);
    const int upperRight = a.margin + upperPiles * (W + kLeastGap) - kLeastGap;
    if (upperPiles > 0 && upperRight + kLeastGap > first) y0 += H + 10;
  }

  const int areaWidth = a.width - areaLeft - a.margin;
  const int gap = std::clamp((areaWidth - g * W) / (g + 1), kLeastGap, 20);
  const int x0 = areaLeft + std::max((areaWidth - g * W - (g - 1) * gap) / 2, 0);
  const auto column = [&](int k) { return besideRows ? x0 + k * (W + gap) : a.margin + k * (W + kLeastGap); };

  int upper = 0;
  if (c.counts.stockGroup > 0) placer.stock(column(upper++), y0);
  if (c.counts.stockGroup > 1) placer.waste(column(upper++), y0);
  for (int j = 1; j <= c.counts.reserves; ++j) placer.reserve(j, column(upper++), y0);
  if (c.counts.discard) placer.discard(column(upper++), y0);
  const int tableauTop = upper > 0 || !besideRows ? y0 + H + 20 : y0;
  for (int n = 1; n <= g; ++n) placer.tableau(n, x0 + (n - 1) * (W + gap), tableauTop);
}

// 67: a centre column of foundations, then stock and waste; the tableau piles
// in rows at both sides, the first half from the margin, the rest right of the
// centre column, so that every pile fans to the right into free table.
void centreColumn(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int g = c.counts.tableau;
  const int h = c.counts.foundations;
  const int leftPiles = (g + 1) / 2;
  const int stockPiles = std::min(c.counts.stockGroup, 2);
  const int rows = std::max({leftPiles, h + stockPiles, 1});
  const int pitch = H + (a.lowScreen() ? 5 : 10);
  const int y0 = centredTop(a, (rows - 1) * pitch + H);
  const int centre = (a.width - W) / 2;
  for (int i = 1; i <= h; ++i) placer.foundation(i, centre, y0 + (i - 1) * pitch);
  if (stockPiles > 0) placer.stock(centre, y0 + h * pitch);
  if (stockPiles > 1) placer.waste(centre, y0 + (h + 1) * pitch);
  for (int n = 1; n <= g; ++n) {
    if (n <= leftPiles) placer.tableau(n, a.margin, y0 + (n - 1) * pitch);
    else placer.tableau(n, centre + W + 20, y0 + (n - leftPiles - 1) * pitch);
  }
}

// 68: the clock: tableau piles 1 to 12 in a ring at their hours and pile 13 in
// the middle; the stock group left of the ring, the foundations right of it.
void clock(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  Ring ring = ringSteps(a);
  ring.left = std::max((a.width - ringWidth(a, ring)) / 2, a.margin + W + 40);
  ring.top = centredTop(a, ringHeight(a, ring));
  for (int n = 1; n <= 12; ++n) placer.tableau(n, ring.x(kClockCells[n - 1]), ring.y(kClockCells[n - 1]));
  placer.tableau(13, ring.x(kCentreCell), ring.y(kCentreCell));
  const int middle = ring.y(kClockCells[2]);
  if (c.counts.stockGroup > 0) placer.stock(ring.left - W - 40, middle);
  if (c.counts.stockGroup > 1) placer.waste(ring.left - W - 40, middle + H + 10);
  const int right = ring.left + ringWidth(a, ring) + 40;
  for (int i = 0; i < c.counts.foundations; ++i)
    placer.foundation(i + 1, right + (i / 4) * (W + 10), ring.top + (i % 4) * (H + 10));
}

// 69: the pyramid: tableau pile n is row n, laid side by side, each row half
// a card lower and half a pitch further left than the one above. Foundation 1
// holds the selection and stays off the table; stock and waste at the top
// left, the discard pile at the top right.
void pyramid(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int y0 = a.top + 15;
  const int apex = (a.width - W) / 2;
  const int halfPitch = (W + c.steps.sideBySideGap) / 2;
  for (int n = 1; n <= c.counts.tableau; ++n) placer.tableau(n, apex - (n - 1) * halfPitch, y0 + (n - 1) * (a.H() / 2));
  if (c.counts.stockGroup > 0) placer.stock(a.margin, y0);
  if (c.counts.stockGroup > 1) placer.waste(a.margin + W + 15, y0);
  if (c.counts.discard) placer.discard(a.width - W - a.margin - 5, y0);
}

// 70: the poker square: 25 piles in a centred 5 x 5 grid, the stock and under
// it the waste at the left of the grid's first rows, leaving the grid's third
// row at the left free for the hand panel.
void pokerSquare(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int pitchX = W + 12;
  int pitchY = H + (a.lowScreen() ? 2 : 8);
  // On a table too low for the gaps the rows close up, down to cards that touch.
  if (4 * pitchY + H + 2 > a.availableHeight) pitchY = std::max((a.availableHeight - H - 2) / 4, H);
  int x0 = (a.width - 4 * pitchX - W) / 2;
  int d = 0;
  sideDistance(a, x0, d);
  const int y0 = centredTop(a, 4 * pitchY + H);
  for (int i = 0; i < 25; ++i) placer.tableau(i + 1, x0 + (i % 5) * pitchX, y0 + (i / 5) * pitchY);
  placer.stock(x0 - W - d, y0);
  placer.waste(x0 - W - d, y0 + pitchY);
}

// 71: foundations in one or two columns at the right edge; left of them a
// row of stock, waste, reserves and discard pile over a centred tableau row.
void foundationsAtRight(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int h = c.counts.foundations;
  const int y0 = a.top + 15;
  const int columns = h > 4 ? 2 : 1;
  const int perColumn = std::max((h + columns - 1) / columns, 1);
  const int firstColumn = a.width - W - a.margin - 5 - (columns - 1) * (W + 10);
  for (int i = 0; i < h; ++i)
    placer.foundation(i + 1, firstColumn + (i / perColumn) * (W + 10), y0 + (i % perColumn) * (H + 10));

  const int areaRight = h > 0 ? firstColumn - 30 : a.width - a.margin;
  const int areaWidth = areaRight - a.margin;
  int x = a.margin;
  int upper = 0;
  if (c.counts.stockGroup > 0) { placer.stock(x, y0); x += W + 15; ++upper; }
  if (c.counts.stockGroup > 1) { placer.waste(x, y0); x += W + 15; ++upper; }
  for (int j = 1; j <= c.counts.reserves; ++j, ++upper, x += W + 10) placer.reserve(j, x, y0);
  if (c.counts.discard) { placer.discard(x, y0); ++upper; }

  const int g = c.counts.tableau;
  const int gap = std::clamp((areaWidth - g * W) / (g + 1), 4, 20);
  const int x0 = a.margin + std::max((areaWidth - g * W - (g - 1) * gap) / 2, 0);
  const int tableauTop = upper > 0 ? y0 + H + 20 : y0;
  for (int n = 1; n <= g; ++n) placer.tableau(n, x0 + (n - 1) * (W + gap), tableauTop);
}

}  // namespace

bool placeShapedLayouts(int number, const LayoutContext& c, Placer& placer) {
  switch (number) {
    case 53: gridWithDiscardRow(c, placer); return true;
    case 54: staircase(c, placer); return true;
    case 61: rowAndFoundationRing(c, placer); return true;
    case 66: foundationsAtLeft(c, placer); return true;
    case 67: centreColumn(c, placer); return true;
    case 68: clock(c, placer); return true;
    case 69: pyramid(c, placer); return true;
    case 70: pokerSquare(c, placer); return true;
    case 71: foundationsAtRight(c, placer); return true;
    default: return false;
  }
}

}  // namespace quilloro
