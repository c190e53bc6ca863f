// The generic placement rules of the stock group, foundations, tableau, reserves and discard pile.
#include "table/generic_arrangements.hpp"

#include <algorithm>
#include <cmath>

#include "table/arrangements.hpp"

namespace quilloro {
namespace {

// Grids that must close up keep this much room at the right edge, and at least this gap between columns.
constexpr int kGridEdgeMargin = 5;
constexpr int kGridLeastGap = 4;
// The nearest to the window's edges a row of piles comes to fit the table.
constexpr int kLeastRowStart = 3;

int stockAtLeftEdgeLeft(const TableArea& a) { return 15 + (a.lowScreen() ? 0 : a.shadow / 2); }

using namespace arrangement;

constexpr int kConstantStep = 15;  // v
constexpr int kStockGapStep = kConstantStep * 3 / 2;  // trunc(1.5 v)

int clampGap(int gap) { return std::clamp(gap, 4, 20); }

bool stockOverTableau(const LayoutContext& c) {
  return c.value(param::kStockArrangement) == kStockOverTableau ||
         c.value(param::kDiscardArrangement) == kDiscardOverFirstColumns;
}

// A centred row whose gap follows the table width (01, 14, 15).
int placeCentredRow(const LayoutContext& c, Placer& placer, int number) {
  const TableArea& a = c.area;
  const int g = c.counts.tableau;
  const int W = a.W();
  const int S = a.width;
  const int R = a.margin;
  int gap = clampGap((S - g * W) / (g + 1));
  if (number == kTableauCentredRow && stockOverTableau(c)) gap = std::max(gap, 15);
  int x0 = (S - g * W - (g - 1) * gap) / 2;
  if (x0 < R) {
    if (number == kTableauCentredRow) {
      x0 = R;
    } else {
      // A single pile has no gap to give up.
      if (g > 1) gap = clampGap(gap - static_cast<int>(std::trunc(static_cast<double>(R - x0) / (g - 1) + 0.99)));
      x0 = a.narrowScreen() ? R - 2 : R;
    }
  }
  // The stock and waste stand over the first columns; keep them apart.
  int wideGaps = 0;
  if (number != kTableauCentredRow && stockOverTableau(c) && gap < 15) wideGaps = std::min(c.counts.stockGroup, g - 1);
  // The row never runs out of the window: its gaps give way first, down to 4
  // (those beside the stock stay wide), then it starts left of the margin.
  const int narrowGaps = g - 1 - wideGaps;
  const int limit = a.window.windowWidth - kLeastRowStart;
  const auto rowEnd = [&] { return x0 + g * W + wideGaps * 15 + narrowGaps * gap; };
  if (narrowGaps > 0 && rowEnd() > limit) gap = std::max(gap - (rowEnd() - limit + narrowGaps - 1) / narrowGaps, 4);
  if (rowEnd() > limit) x0 = std::max(limit - (rowEnd() - x0), kLeastRowStart);

  const int top = a.row(c.rowDigit(param::kTableauRow));
  int x = x0;
  for (int n = 1; n <= g; ++n) {
    placer.tableau(n, x, top);
    x += W + (n <= wideGaps ? 15 : gap);
  }
  return gap;
}

// A row that leaves room at its left for one or two stock-group piles (03, 11, 12).
int placeRowRightOfStock(const LayoutContext& c, Placer& placer, int number) {
  const TableArea& a = c.area;
  const int g = c.counts.tableau;
  const int W = a.W();
  const int S = a.width;
  const int v = kConstantStep;
  const int slots = number == kTableauRightOfTwoSlots ? 2 : 1;
  int gap = (S - (g + slots) * W - 2 * v - 2) / (g + 1 + slots);
  if (gap < 4) gap = 4;
  else if (gap > 20) gap = 15;
  int x0 = std::max(a.margin, (S - 2 * v - (g + slots) * W - gap * (g + slots - 2) - 10) / 2);
  x0 += (kStockGapStep + W) * slots;
  if (number != kTableauRightOfStock) x0 += v;
  const int top = a.row(c.rowDigit(param::kTableauRow));
  for (int n = 1; n <= g; ++n) placer.tableau(n, x0 + (n - 1) * (W + gap), top);
  return gap;
}

// A grid of the rows parameter 245 asks for, the first rows full: 17 piles in
// three rows are six, six and five.
void placeGrid(const LayoutContext& c, Placer& placer, int x0, int gap, int firstRow) {
  const TableArea& a = c.area;
  const int g = c.counts.tableau;
  const int rowsWanted = std::max<int>(c.value(param::kTableauRows), 1);
  const int perRow = std::max((g + rowsWanted - 1) / rowsWanted, 1);
  const int rows = (g + perRow - 1) / perRow;
  // Rightward fans keep their room between the columns and at the right edge.
  const int fanRoom = c.tableauFanRoom();
  gap = std::max(gap, fanRoom + kGridLeastGap);
  // A grid wider than the table closes its columns up; one taller than the
  // table rises to the top and closes its rows up, down to cards that touch.
  const int right = a.width - kGridEdgeMargin - fanRoom;
  if (perRow > 1 && x0 + perRow * a.W() + (perRow - 1) * gap > right)
    gap = std::max((right - x0 - perRow * a.W()) / (perRow - 1), fanRoom + kGridLeastGap);
  // A grid narrower than the table stands in its middle.
  x0 = std::max(x0, (a.width - perRow * a.W() - (perRow - 1) * gap - fanRoom) / 2);
  const int bottom = a.top + a.availableHeight - kGridEdgeMargin;
  int pitch = a.H() + 10;
  if (rows > 1 && firstRow + (rows - 1) * pitch + a.H() > bottom) {
    firstRow = std::max(std::min(firstRow, bottom - a.H() - (rows - 1) * pitch), a.top + 2);
    pitch = std::max((bottom - firstRow - a.H()) / (rows - 1), a.H());
  }
  for (int i = 0; i < g; ++i) placer.tableau(i + 1, x0 + (i % perRow) * (a.W() + gap), firstRow + (i / perRow) * pitch);
}

// Foundations in columns of four right of the tableau: how many columns, and
// the width they take with their distance from the tableau.
constexpr int kFoundationsPerColumn = 4;
constexpr int kFoundationColumnGap = 10;
constexpr int kFoundationColumnsDistance = 30;

int foundationColumns(const LayoutContext& c) {
  if (c.value(param::kFoundationArrangement) != kFoundationColumnsRightOfTableau) return 0;
  return (c.counts.foundations + kFoundationsPerColumn - 1) / kFoundationsPerColumn;
}

int foundationColumnsWidth(const LayoutContext& c) {
  const int columns = foundationColumns(c);
  if (columns == 0) return 0;
  return kFoundationColumnsDistance + columns * c.area.W() + (columns - 1) * kFoundationColumnGap;
}

// Two rows, the first holding the larger half, from the tableau's row; the
// second row halfway down the table below it, so that the fans of both rows
// have the same room (on a tall table, the room of a whole suit), and
// centred under the first. Foundation columns at the
// right are centred together with the rows.
int placeTwoRows(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int g = c.counts.tableau;
  const int W = a.W();
  const int first = (g + 1) / 2;
  const int side = foundationColumnsWidth(c);
  const int gap = clampGap((a.width - side - first * W) / (first + 1));
  const int rowWidth = first * W + (first - 1) * gap;
  const int x0 = std::max(a.margin, (a.width - rowWidth - side) / 2);
  const int top = a.row(c.rowDigit(param::kTableauRow));
  // On a tall table, no further than a whole suit fanned down needs.
  const int suitFan = a.H() + 12 * c.steps.downFaceUp + 2 * a.rowGap;
  const int second = top + std::min((a.top + a.availableHeight - top) / 2, suitFan);
  const int indent = (first - (g - first)) * (W + gap) / 2;
  for (int n = 1; n <= g; ++n) {
    if (n <= first) placer.tableau(n, x0 + (n - 1) * (W + gap), top);
    else placer.tableau(n, x0 + indent + (n - first - 1) * (W + gap), second);
  }
  return gap;
}

// Edges count as inside; rectangles that cross without a corner inside overlap too.
struct Rect {
  int left, top, right, bottom;
};
bool rectsOverlap(const Rect& a, const Rect& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

int placeTableau(const LayoutContext& c, Placer& placer, std::optional<int> start) {
  const TableArea& a = c.area;
  const int g = c.counts.tableau;
  const int W = a.W();
  const int top = a.row(c.rowDigit(param::kTableauRow));
  const int number = c.value(param::kTableauArrangement);
  switch (number) {
    case kTableauCentredRow:
    case kTableauFittedRow:
    case kTableauFittedRowHigh:
      return placeCentredRow(c, placer, number);
    case kTableauTenGapRow: {
      const int gap = a.baseMargin == 3 ? 5 : 10;
      const int x0 = start.value_or((a.width - g * W - (g - 1) * gap) / 2);
      for (int n = 1; n <= g; ++n) placer.tableau(n, x0 + (n - 1) * (W + gap), top);
      return gap;
    }
    case kTableauTwoRows:
      return placeTwoRows(c, placer);
    case kTableauRightOfStock:
    case kTableauRightOfOneSlot:
    case kTableauRightOfTwoSlots:
      return placeRowRightOfStock(c, placer, number);
    case kTableauGridThreeRows: {
      const int gap = W * 85 / 100;
      // Never above the tableau's own row, where the foundations or the stock may stand.
      placeGrid(c, placer, 15, gap, std::max(a.threeRowBlockTop, top));
      return gap;
    }
    case kTableauPackedLeft: {
      int x0 = a.shadow > 0 ? 2 * a.shadow + 30 : 9;
      if (a.lowScreen()) x0 = 8;
      const int gap = 4;
      for (int n = 1; n <= g; ++n) placer.tableau(n, x0 + (n - 1) * (W + gap), top);
      return gap;
    }
    case kTableauGridFourRows: {
      const int perRow = std::max(g / std::max<int>(c.value(param::kTableauRows), 1), 1);
      // Spread over the table, but on a wide one no further apart than two card
      // widths, so that the grid still reads as one block.
      const int gap = std::min(std::max((a.width - perRow * W - 2) / (perRow + 1), W * 3 / 2), 2 * W);
      int x0 = a.margin + (a.lowScreen() ? 15 : 10);
      // A stock standing at the left edge keeps its column to itself.
      if (c.counts.stockGroup > 0 && c.value(param::kStockArrangement) == kStockAtLeftEdge)
        x0 = std::max(x0, stockAtLeftEdgeLeft(a) + W + kGridEdgeMargin + 10);
      placeGrid(c, placer, x0, gap, a.fourRowBlockRowOf(c.rowDigit(param::kTableauRow)));
      return gap;
    }
    default:
      return 0;
  }
}

void placeStockGroup(const LayoutContext& c, Placer& placer) {
  if (c.counts.stockGroup <= 0) return;
  const TableArea& a = c.area;
  const int W = a.W();
  const int top = a.row(c.rowDigit(param::kStockRow));
  const int firstPile = placer.anchors().tableauPile(1).left;
  const bool showStock = c.value(param::kShowStock) == 1;
  const bool showWaste = c.value(param::kShowWaste) == 1;
  switch (c.value(param::kStockArrangement)) {
    case kStockLeftOfTableau: {
      const int left = firstPile - W - kStockGapStep;
      placer.stock(left, top);
      if (showWaste) placer.waste(left, a.row(2));
      break;
    }
    case kStockOverTableau:
      if (showStock && showWaste) {
        placer.stock(firstPile, top);
        placer.waste(placer.anchors().tableauPile(2).left, top);
      } else if (showStock) {
        placer.stock(firstPile, top);
      } else if (showWaste) {
        placer.waste(firstPile, top);
      }
      break;
    case kStockFromMargin:
      placer.stock(a.margin, top);
      if (c.counts.stockGroup > 1) placer.waste(a.margin + a.margin + W, top);
      break;
    case kStockBeforeWaste: {
      const int waste = firstPile - W - 45;
      placer.waste(waste, top);
      placer.stock(waste - W - 15, top);
      break;
    }
    case kStockAtLeftEdge: {
      const int left = stockAtLeftEdgeLeft(a);
      placer.stock(left, top);
      if (c.counts.stockGroup > 1) placer.waste(left + W + 15, top);
      break;
    }
    case kStockNearTableau:
    case kStockFarFromTableau: {
      const int left = firstPile - W - (c.value(param::kStockArrangement) == kStockNearTableau ? 30 : 60);
      if (showStock) placer.stock(left, top);
      else placer.waste(left, top);
      break;
    }
    default:
      break;
  }
}

void placeFoundations(const LayoutContext& c, Placer& placer, int gap) {
  const TableArea& a = c.area;
  const int h = c.counts.foundations;
  const int g = c.counts.tableau;
  const int W = a.W();
  const int S = a.width;
  const int R = a.margin;
  const int top = a.row(c.rowDigit(param::kFoundationRow));
  const PileAnchors& anchors = placer.anchors();
  switch (c.value(param::kFoundationArrangement)) {
    case kFoundationsSpread: {
      const int step = std::max(1, (S - h * W - 2) / (h + 1));
      for (int i = 1; i <= h; ++i) placer.foundation(i, step + (i - 1) * (W + step), top);
      break;
    }
    case kFoundationsCentred: {
      const int step = std::max(1, gap / 2);
      const int first = (S - h * W - (h - 1) * step) / 2;
      for (int i = 1; i <= h; ++i) placer.foundation(i, first + (i - 1) * (W + step), top);
      break;
    }
    case kFoundationsOverLastPilesTight:
      if (a.lowScreen()) {
        const int last = anchors.tableauPile(g).left;
        for (int i = 1; i <= h; ++i) placer.foundation(i, last - (h - i) * (W + 1), top);
        break;
      }
      [[fallthrough]];
    case kFoundationsOverLastPiles:
      for (int i = 1; i <= h; ++i) placer.foundation(i, anchors.tableauPile(g - h + i).left, top);
      break;
    case kFoundationsRightOfWindow: {
      const int last = S - W - R - 5;
      for (int i = 1; i <= h; ++i) placer.foundation(i, last - (h - i) * (R + W), top);
      break;
    }
    case kFoundationsRightOfTableau: {
      const int last = anchors.tableauPile(g).left;
      const int step = W + std::max(1, gap / 3);
      for (int i = 1; i <= h; ++i) placer.foundation(i, last - (h - i) * step, top);
      break;
    }
    case kFoundationColumnsRightOfTableau: {
      // Right of the rightmost tableau pile, from the tableau's first row down,
      // the rows closing up on a low table.
      int rightmost = anchors.tableauPile(1).left;
      for (int n = 2; n <= g; ++n) rightmost = std::max(rightmost, anchors.tableauPile(n).left);
      const int first = rightmost + W + kFoundationColumnsDistance;
      const int columnTop = anchors.tableauPile(1).top;
      const int rows = std::min(h, kFoundationsPerColumn);
      int pitch = a.H() + kFoundationColumnGap;
      if (rows > 1) pitch = std::clamp((a.top + a.availableHeight - columnTop - a.H()) / (rows - 1), a.H(), pitch);
      for (int i = 0; i < h; ++i)
        placer.foundation(i + 1, first + (i / kFoundationsPerColumn) * (W + kFoundationColumnGap),
                          columnTop + (i % kFoundationsPerColumn) * pitch);
      break;
    }
    case kFoundationsRightOfWaste: {
      const Anchor beside = c.value(param::kShowWaste) == 1 ? anchors.stock[kWasteIndex] : anchors.stock[kStockIndex];
      const int first = beside.left + W + (a.lowScreen() ? 10 : 20);
      const int step = W + (a.lowScreen() ? 1 : 3);
      for (int i = 1; i <= h; ++i) placer.foundation(i, first + (i - 1) * step, beside.top);
      break;
    }
    default:
      break;
  }
}

void placeReserves(const LayoutContext& c, Placer& placer, int gap) {
  const TableArea& a = c.area;
  const int count = c.counts.reserves;
  const int g = c.counts.tableau;
  const int W = a.W();
  const int R = a.margin;
  const int top = a.row(c.rowDigit(param::kReserveRow));
  const PileAnchors& anchors = placer.anchors();
  switch (c.value(param::kReserveArrangement)) {
    case kReservesOverSamePiles:
      for (int j = 1; j <= count; ++j) placer.reserve(j, anchors.tableauPile(j).left, top);
      break;
    case kReservesFromMargin:
      for (int j = 1; j <= count; ++j) placer.reserve(j, R + (j - 1) * (R + W), top);
      break;
    case kReservesFromFirstPile: {
      const int first = anchors.tableauPile(1).left;
      for (int j = 1; j <= count; ++j) placer.reserve(j, first + (j - 1) * (W + std::max(1, gap / 3)), top);
      break;
    }
    case kReservesOverLastPiles:
      for (int j = 1; j <= count; ++j) placer.reserve(j, anchors.tableauPile(g - count + j).left, top);
      break;
    case kReserveAtWaste:
      placer.reserve(1, anchors.stock[kWasteIndex].left, top);
      break;
    case kReserveLeftOfTableau:
      placer.reserve(1, anchors.tableauPile(1).left - W - (g > 7 ? 22 : 45), top);
      break;
    default:
      break;
  }
}

void placeDiscard(const LayoutContext& c, Placer& placer) {
  if (!c.counts.discard) return;
  const TableArea& a = c.area;
  const int digit = c.rowDigit(param::kDiscardRow);
  const PileAnchors& anchors = placer.anchors();
  switch (c.value(param::kDiscardArrangement)) {
    case kDiscardOverSecondPile:
      placer.discard(anchors.tableauPile(2).left, a.row(digit));
      break;
    case kDiscardOverLastPile:
      placer.discard(anchors.tableauPile(c.counts.tableau).left, a.row(digit));
      break;
    case kDiscardUnderStock:
      placer.discard(anchors.stock[kStockIndex].left, a.row(digit - 1) + a.H() + 20);
      break;
    default:
      break;
  }
}

std::optional<int> collisionStart(const LayoutContext& c, const PileAnchors& anchors) {
  if (c.value(param::kReserveArrangement) != kReservesFromMargin || c.counts.reserves == 0) return std::nullopt;
  const int W = c.area.W();
  const int H = c.area.H();
  const Anchor last = anchors.reserves[static_cast<std::size_t>(c.counts.reserves - 1)];
  const Rect reserve{last.left, last.top, last.left + W, last.top + H};
  for (const Anchor& column : anchors.tableau) {
    const Rect widened{column.left - 85, column.top, column.left + W + 85, column.top + H};
    if (rectsOverlap(reserve, widened)) {
      const int start = last.left + W + 86;
      return start < 1 ? c.area.margin : start;
    }
  }
  return std::nullopt;
}

void fillInTops(PileAnchors& anchors) {
  Anchor& waste = anchors.stock[kWasteIndex];
  if (waste.top == kStockNotPlaced) waste.top = anchors.stock[kStockIndex].top;
  for (int i = 1; i < 4; ++i)
    if (anchors.foundations[static_cast<std::size_t>(i)].top == kStockNotPlaced)
      anchors.foundations[static_cast<std::size_t>(i)].top = anchors.foundations[0].top;
  for (int i = 1; i < 7; ++i)
    if (anchors.tableau[static_cast<std::size_t>(i)].top == kStockNotPlaced)
      anchors.tableau[static_cast<std::size_t>(i)].top = anchors.tableau[0].top;
}

}  // namespace quilloro
