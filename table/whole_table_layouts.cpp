// Whole-table layouts 51 to 65 with a fixed shape: grids, a cross and columns of foundations.
#include "table/whole_table_layouts.hpp"

#include <algorithm>

namespace quilloro {
namespace {

// 51: sixteen piles in a 4 x 4 grid, the stock and the discard pile at its sides.
void grid4x4(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  int x0 = (a.width - 4 * W - 40) / 2;
  int d = 0;
  sideDistance(a, x0, d);
  const int y0 = std::max(a.top + (a.availableHeight - 4 * H - 30) / 2, a.rows[0]);
  for (int i = 0; i < 16; ++i) placer.tableau(i + 1, x0 + (i % 4) * (W + 10), y0 + (i / 4) * (H + 10));
  const int y = y0 + (H + 10) + (H + 10) / 2;
  placer.stock(x0 - W - d, y);
  placer.discard(x0 + 3 * (W + 10) + W + d, y);
}

// 52: five piles as a cross, the foundations in the corner cells.
void cross(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int b = a.lowWindow() ? 25 : 35;
  const int x1 = std::max((a.width - 4 * W - 3 * b) / 2 + W + 15, W + 3 * b + 25);
  const int centre = x1 + W + b;
  const int right = centre + W + b;
  const int y1 = std::max(a.top + (a.availableHeight - 3 * H - 3 * b) / 2, a.rows[0]);
  const int middle = y1 + H + b;
  const int bottom = middle + H + b;
  placer.tableau(1, centre, y1);
  placer.tableau(2, x1, middle);
  placer.tableau(3, centre, middle);
  placer.tableau(4, right, middle);
  placer.tableau(5, centre, bottom);
  placer.foundation(1, x1 + 7, y1 + 7);
  placer.foundation(2, right - 7, y1 + 7);
  placer.foundation(3, x1 + 7, bottom - 7);
  placer.foundation(4, right - 7, bottom - 7);
  placer.stock(x1 - W - 3 * b, y1);
  placer.waste(x1 - W - 3 * b, middle);
}

// 55: a column of four tableau piles beside a column of four foundations.
void twoColumns(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int pitch = a.H() + (a.lowScreen() ? 2 : 10);
  const int y0 = centredTop(a, 3 * pitch + a.H());
  for (int i = 1; i <= 4; ++i) {
    placer.tableau(i, 65, y0 + (i - 1) * pitch);
    placer.foundation(i, 215, y0 + (i - 1) * pitch);
  }
  placer.stock(510, y0 + pitch - 5);
  placer.waste(510, y0 + 2 * pitch + 5);
}

// 56: a row of foundations over two rows of six tableau piles.
void foundationsOverTwoRows(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int h = c.counts.foundations;
  const bool low = a.lowScreen();
  const int b = a.margin + (low ? 3 : 8);
  const int gap = std::clamp((a.width - h * W - b) / (h + 1), 4, 20);
  const int first = std::max((a.width - h * W - (h - 1) * gap) / 2, b);
  const auto column = [&](int i) { return first + (i - 1) * (W + gap); };
  for (int i = 1; i <= h; ++i) placer.foundation(i, column(i), a.top + (low ? 25 : 45));
  const int rowA = a.top + H + (low ? 60 : 110);
  const int rowB = a.top + 2 * H + (low ? 80 : 150);
  for (int i = 1; i <= 6; ++i) {
    placer.tableau(i, column(i + 2), rowA);
    placer.tableau(i + 6, column(i + 2), rowB);
  }
  placer.stock(column(1) + (W + gap) / 2, rowA);
  placer.waste(column(1) + (W + gap) / 2, rowB);
}

// 57: stock and waste centred over two rows of six, foundations at the corners.
void rowsBetweenFoundations(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const bool low = a.lowScreen();
  const int stockLeft = (a.width - 2 * W - 15) / 2;
  placer.stock(stockLeft, a.rows[0] + (low ? 20 : 45));
  placer.waste(stockLeft + W + 15, a.rows[0] + (low ? 20 : 45));
  const int pitch = W + (low ? 3 : 10);
  const int first = (a.width - 5 * pitch - W) / 2;
  for (int i = 1; i <= 6; ++i) {
    placer.tableau(i, first + (i - 1) * pitch, a.rows[1] + 45);
    placer.tableau(i + 6, first + (i - 1) * pitch, a.rows[2] + 45);
  }
  const int side = low ? 15 : 50;
  const int leftColumn = first - W - side;
  const int rightColumn = first + 5 * pitch + W + side;
  const int lowerRow = low ? a.rows[2] + 50 : a.rows[3];
  placer.foundation(1, leftColumn, a.rows[0]);
  placer.foundation(2, rightColumn, a.rows[0]);
  placer.foundation(3, leftColumn, lowerRow);
  placer.foundation(4, rightColumn, lowerRow);
}

// 58: four rows of five on the four-row block, the stock group above at the left.
void fourRowsOfFive(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const bool low = a.lowScreen();
  const int block = a.fourRowBlockTop;
  const int wasteLeft = a.margin + W + 15;
  placer.stock(a.margin, block - (low ? 10 : 30));
  placer.waste(wasteLeft, block - (low ? 10 : 30));
  const int first = wasteLeft + W + (low ? 30 : 50);
  for (int i = 0; i < 20; ++i) placer.tableau(i + 1, first + (i % 5) * (W + 10), a.blockRow(block, i / 5));
  const int leftColumn = first - W - 30;
  const int rightColumn = first + 4 * (W + 10) + W + 30;
  placer.foundation(1, leftColumn, a.blockRow(block, 1));
  placer.foundation(2, rightColumn, a.blockRow(block, 1));
  placer.foundation(3, leftColumn, a.blockRow(block, 2));
  placer.foundation(4, rightColumn, a.blockRow(block, 2));
}

// 59: columns from the left: stock, waste, tableau 1-4, foundations 1-4 and 5-8, tableau 5-8.
void columnsFromLeft(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int y0 = a.top + 30;
  const int pitch = a.H() + (a.lowScreen() ? 5 : 12);
  const int wasteLeft = 30 + W + 15;
  const int tableauA = wasteLeft + W + 55;
  const int foundationsA = tableauA + W + 40;
  const int foundationsB = foundationsA + W + 12;
  const int tableauB = foundationsB + W + 40;
  placer.stock(30, y0);
  placer.waste(wasteLeft, y0);
  for (int i = 1; i <= 4; ++i) {
    const int y = y0 + (i - 1) * pitch;
    placer.tableau(i, tableauA, y);
    placer.foundation(i, foundationsA, y);
    placer.foundation(i + 4, foundationsB, y);
    placer.tableau(i + 4, tableauB, y);
  }
}

// 60: a column of foundations at the margin, reserves and tableau piles in rows beside it.
void foundationColumnAndRows(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int y0 = a.top + 15;
  for (int i = 1; i <= 4; ++i) placer.foundation(i, a.margin, y0 + (i - 1) * (H + 10));
  const int first = a.margin + W + 30;
  for (int j = 1; j <= 8; ++j) {
    placer.reserve(j, first + (j - 1) * (W + 10), y0);
    placer.tableau(j, first + (j - 1) * (W + 10), y0 + H + 10);
  }
}

// 62: the stock group at the left of three rows of four foundations.
void threeFoundationRows(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int y0 = a.rows[0];
  const int wasteLeft = a.margin + 20 + W + 15;
  placer.stock(a.margin + 20, y0);
  placer.waste(wasteLeft, y0);
  const int first = wasteLeft + W + 50;
  for (int i = 0; i < 4; ++i) {
    const int x = first + i * (W + 10);
    placer.foundation(i + 1, x, y0);
    placer.foundation(i + 9, x, y0 + H + 15);
    placer.foundation(i + 5, x, y0 + 2 * (H + 15));
  }
}

// 63: the discard pile over two rows of five, the stock under them.
void discardOverTwoRows(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const bool low = a.lowScreen();
  const int discardTop = a.top + 15;
  const int first = std::max((a.width - 5 * W - 40) / 2, 10);
  const int rowA = discardTop + H + (low ? 6 : 30);
  const int rowB = rowA + H + (low ? 2 : 10);
  for (int i = 1; i <= 5; ++i) {
    placer.tableau(i, first + (i - 1) * (W + 10), rowA);
    placer.tableau(i + 5, first + (i - 1) * (W + 10), rowB);
  }
  const int middle = first + 2 * (W + 10);
  placer.discard(middle, discardTop);
  placer.stock(middle, rowB + H + (low ? 15 : 30));
}

// 64: stock and waste with four reserves under them, foundations and tableau piles to the right.
void reservesUnderStock(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int wasteLeft = a.margin + W + 40;
  placer.stock(a.margin, a.rows[0]);
  placer.waste(wasteLeft, a.rows[0]);
  placer.reserve(1, a.margin, a.rows[1]);
  placer.reserve(2, wasteLeft, a.rows[1]);
  placer.reserve(3, a.margin, a.rows[2]);
  placer.reserve(4, wasteLeft, a.rows[2]);
  const int first = wasteLeft + W + 70;
  for (int i = 1; i <= 4; ++i) {
    placer.foundation(i, first + (i - 1) * (W + 10), a.rows[0]);
    placer.tableau(i, first + (i - 1) * (W + 10), a.rows[1]);
  }
}

// 65: a row of seven, a column of foundations to its right, reserves under the row.
void rowWithFoundationColumn(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int y0 = a.top + 10;
  for (int i = 1; i <= 7; ++i) placer.tableau(i, 15 + (i - 1) * (W + 15), y0);
  const int column = 15 + 6 * (W + 15) + W + 50;
  const int pitch = a.H() + (a.lowScreen() ? 20 : 30);
  for (int i = 1; i <= 4; ++i) placer.foundation(i, column, y0 + (i - 1) * pitch);
  // Reserve 8 takes the left of tableau pile 8, which this layout leaves off
  // the table, so it stays off too.
  for (int j = 1; j <= 8; ++j) placer.reserve(j, placer.anchors().tableauPile(j).left, y0 + 3 * pitch);
}

}  // namespace

void sideDistance(const TableArea& area, int& firstColumn, int& distance) {
  const int W = area.W();
  distance = firstColumn - W - 80 >= 0 ? 70 : firstColumn - W - 45 >= 0 ? 35 : 15;
  if (firstColumn - W - 25 < 0) firstColumn = W + area.margin + 15;
}

int centredTop(const TableArea& area, int blockHeight) {
  return std::max(area.top + (area.availableHeight - blockHeight) / 2, area.top + 2);
}

bool placeGridAndColumnLayouts(int number, const LayoutContext& c, Placer& placer) {
  switch (number) {
    case 51: grid4x4(c, placer); return true;
    case 52: cross(c, placer); return true;
    case 55: twoColumns(c, placer); return true;
    case 56: foundationsOverTwoRows(c, placer); return true;
    case 57: rowsBetweenFoundations(c, placer); return true;
    case 58: fourRowsOfFive(c, placer); return true;
    case 59: columnsFromLeft(c, placer); return true;
    case 60: foundationColumnAndRows(c, placer); return true;
    case 62: threeFoundationRows(c, placer); return true;
    case 63: discardOverTwoRows(c, placer); return true;
    case 64: reservesUnderStock(c, placer); return true;
    case 65: rowWithFoundationColumn(c, placer); return true;
    default: return false;
  }
}

bool placeWholeTable(int number, const LayoutContext& c, Placer& placer) {
  return placeGridAndColumnLayouts(number, c, placer) || placeRowBlockLayouts(number, c, placer) ||
         placeShapedLayouts(number, c, placer);
}

}  // namespace quilloro
