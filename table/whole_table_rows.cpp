// Whole-table layouts 72 to 79: centred rows and row blocks for two-pack and grid games.
#include <algorithm>

#include "table/whole_table_layouts.hpp"

namespace quilloro {
namespace {

// Left of the first of n piles pitch apart, centred in width.
int centredRow(int width, int n, int pitch, int W) { return (width - (n - 1) * pitch - W) / 2; }

// 72: foundations over three tableau rows and a row of reserves, five rows in all.
void fiveRowBlock(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const bool low = a.lowScreen();
  const int rowPitch = H + (low ? 1 : 3);
  const int y0 = centredTop(a, 5 * H + 4 * (rowPitch - H));

  const int first = std::max((a.width - 8 * W - 96) / 2, 15);
  for (int i = 1; i <= 8; ++i) placer.foundation(i, first + (i - 1) * (W + 8) + (i > 4 ? 40 : 0), y0);

  // The piles stand far enough apart for their tight fans to grow without
  // covering the next pile, and each row is centred with its last fan. On a
  // narrow table the rows of nine close up to a small gap past each fan.
  const int fanRoom = c.tableauFanRoom();
  const int roomy = W + std::max(low ? 15 : 22, fanRoom + (low ? 3 : 6));
  const int tightest = W + fanRoom + (low ? 2 : 3);
  const int pitch = std::clamp((a.width - 2 * a.baseMargin - W - fanRoom) / 8, tightest, roomy);
  const struct { int first, last; } rows[] = {{1, 9}, {10, 18}, {19, 26}};
  for (int r = 0; r < 3; ++r) {
    const int n = rows[r].last - rows[r].first + 1;
    const int x0 = std::max(centredRow(a.width - fanRoom, n, pitch, W), 0);
    for (int k = 0; k < n; ++k) placer.tableau(rows[r].first + k, x0 + k * pitch, y0 + (r + 1) * rowPitch);
  }
  const int reserves = centredRow(a.width, 8, W + 14, W);
  for (int j = 1; j <= 8; ++j) placer.reserve(j, reserves + (j - 1) * (W + 14), y0 + 4 * rowPitch);
}

// 73: two tableau columns with a 3 x 3 block of foundations between them.
void foundationBlockBetweenColumns(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int pitch = H + (a.lowScreen() ? 5 : 10);
  const int stockLeft = std::max((a.width - (6 * W + 180)) / 2, a.margin);
  const int columnA = stockLeft + W + 80;
  const int columnB = columnA + 4 * W + 100;
  const int y0 = centredTop(a, 3 * pitch + H);
  for (int i = 1; i <= 4; ++i) {
    placer.tableau(i, columnA, y0 + (i - 1) * pitch);
    placer.tableau(i + 4, columnB, y0 + (i - 1) * pitch);
  }
  // Column by column, so that foundations 1 and 3 head and end the first column.
  const int blockLeft = columnA + W + 40;
  const int blockTop = y0 + pitch / 2;
  for (int i = 0; i < 9; ++i) placer.foundation(i + 1, blockLeft + (i / 3) * (W + 10), blockTop + (i % 3) * pitch);
  placer.stock(stockLeft, blockTop + H / 3);
  placer.waste(stockLeft, blockTop + 2 * pitch - H / 3);
}

// 74: the stock over a row of four, one foundation between piles 2 and 3.
void stockOverFour(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int stockLeft = std::max((a.width - (6 * W + 70)) / 2, 20);
  const int y0 = a.top + 25;
  placer.stock(stockLeft, y0);
  const int first = stockLeft + W + 30;
  for (int i = 1; i <= 4; ++i) placer.tableau(i, first + (i - 1) * (W + 10), y0 + a.H() + 15);
  placer.foundation(1, first + (W + 10) + (W + 10) / 2, y0);
}

// 75: two rows of eight foundations, stock and waste under their middle.
void sixteenFoundations(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int first = std::max((a.window.windowWidth - 8 * W - 85) / 2, 5);
  const int y1 = std::max(a.top + (a.availableHeight - (3 * H + 70)) / 2, a.top + 5);
  const int y2 = y1 + H + 10;
  for (int i = 0; i < 8; ++i) {
    placer.foundation(i + 1, first + i * (W + 10), y1);
    placer.foundation(i + 9, first + i * (W + 10), y2);
  }
  placer.stock(first + 3 * (W + 10) - 15, y2 + H + 60);
  placer.waste(first + 4 * (W + 10) + 15, y2 + H + 60);
}

// 76: two rows of eight foundations beside the stock, a row of nine under them.
void foundationsOverNine(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  const int first = a.margin + W + 30;
  const int y1 = a.top + 5;
  const int y2 = y1 + H + 3;
  for (int i = 0; i < 8; ++i) {
    placer.foundation(i + 1, first + i * (W + 3), y1);
    placer.foundation(i + 9, first + i * (W + 3), y2);
  }
  placer.stock(a.margin, y2);
  const int row = std::max(centredRow(a.width, 9, W + 10, W), 5);
  for (int i = 1; i <= 9; ++i) placer.tableau(i, row + (i - 1) * (W + 10), y2 + H + 5);
}

// 77: a row of eight, four more under the middle ones, the discard pile at the bottom left.
void eightAndFour(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int b = a.lowScreen() ? 3 : 10;
  const int first = std::max((a.window.windowWidth - 8 * W - 8 * b - 5) / 2, 16);
  const int block = a.fourRowBlockTop;
  for (int i = 1; i <= 8; ++i) placer.tableau(i, first + (i - 1) * (W + b), block);
  for (int i = 9; i <= 12; ++i) placer.tableau(i, placer.anchors().tableauPile(i - 6).left, a.blockRow(block, 2));
  placer.discard(first, a.blockRow(block, 3));
}

// 78: the stock and the foundations over rows of six rightward fans. The
// columns stand 2.2 W apart, closer on a table too narrow for that, so that
// the last fan keeps its room; the rows share the free height. The stock
// heads the first column, the foundations the last ones.
void wideColumns(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  constexpr int kColumns = 6;
  const int g = c.counts.tableau;
  const int fanRoom = c.tableauFanRoom();
  const int pitch = std::max(std::min(W * 22 / 10, (a.width - 2 * a.margin - W - fanRoom) / (kColumns - 1)), W + 4);
  const int left = std::max((a.width - (kColumns - 1) * pitch - W - fanRoom) / 2, a.margin);
  const auto column = [&](int k) { return left + k * pitch; };
  const int rows = 1 + (g + kColumns - 1) / kColumns;
  const int rowGap = std::clamp((a.availableHeight - rows * H) / (rows + 1), 1, 20);
  const int y0 = centredTop(a, rows * H + (rows - 1) * rowGap);
  if (c.counts.stockGroup > 0) placer.stock(column(0), y0);
  const int h = std::min(c.counts.foundations, kColumns - 1);
  for (int i = 1; i <= h; ++i) placer.foundation(i, column(kColumns - h + i - 1), y0);
  for (int i = 0; i < g; ++i) placer.tableau(i + 1, column(i % kColumns), y0 + (1 + i / kColumns) * (H + rowGap));
}

// 79: nine piles in a 3 x 3 grid, the stock and the discard pile at its sides.
void grid3x3(const LayoutContext& c, Placer& placer) {
  const TableArea& a = c.area;
  const int W = a.W();
  const int H = a.H();
  int x0 = (a.width - 3 * W - 60) / 2;
  int d = 0;
  sideDistance(a, x0, d);
  const int y0 = std::max(a.top + (a.availableHeight - 3 * H - 60) / 2, a.rows[0]);
  for (int i = 0; i < 9; ++i) placer.tableau(i + 1, x0 + (i % 3) * (W + 20), y0 + (i / 3) * (H + 20));
  placer.stock(x0 - W - d, y0 + H + 20);
  placer.discard(x0 + 2 * (W + 20) + W + d, y0 + H + 20);
}

}  // namespace

bool placeRowBlockLayouts(int number, const LayoutContext& c, Placer& placer) {
  switch (number) {
    case 72: fiveRowBlock(c, placer); return true;
    case 73: foundationBlockBetweenColumns(c, placer); return true;
    case 74: stockOverFour(c, placer); return true;
    case 75: sixteenFoundations(c, placer); return true;
    case 76: foundationsOverNine(c, placer); return true;
    case 77: eightAndFour(c, placer); return true;
    case 78: wideColumns(c, placer); return true;
    case 79: grid3x3(c, placer); return true;
    default: return false;
  }
}

}  // namespace quilloro
