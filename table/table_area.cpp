#include "table/table_area.hpp"

#include <algorithm>
#include <cmath>

#include "table/arrangements.hpp"

namespace quilloro {

int WindowMetrics::unzoomedScreenWidth() const {
  return static_cast<int>(std::lround(screenWidth * (std::isfinite(zoom) && zoom > 0.0 ? zoom : 1.0)));
}

int rowDigitOf(ParameterValue rowParameter) {
  if (rowParameter < 0) return -1;
  int digit = rowParameter;
  while (digit >= 10) digit /= 10;
  return digit;
}

int TableArea::row(int digit) const {
  return digit >= 1 && digit <= 4 ? rows[static_cast<std::size_t>(digit - 1)] : rows[0];
}

int TableArea::fourRowBlockRowOf(int digit) const {
  return blockRow(fourRowBlockTop, digit >= 1 && digit <= 4 ? digit - 1 : 0);
}

TableArea computeTableArea(const GameParameters& p, const WindowMetrics& window, const CardSize& card, int shadow) {
  TableArea area;
  area.card = card;
  area.shadow = shadow;
  area.window = window;
  const int H = card.height;

  area.top = window.barsBottom.value_or(5);
  area.rowGap = area.lowWindow() ? 5 : 10;
  area.width = window.windowWidth - 2 - (area.lowWindow() ? 10 : 0);
  area.availableHeight =
      window.statusBarTop - area.top + (window.statusBarVisible ? 0 : window.statusBarHeight);

  const int stockRow = rowDigitOf(p[param::kStockRow]);
  const int stockArrangement = p[param::kStockArrangement];
  const int a = area.rowGap;
  int& row1 = area.rows[0];
  row1 = area.top + a + (stockRow == 1 ? 15 : 0);
  area.rows[1] = row1 + a + H + (stockRow == 2 && stockArrangement != arrangement::kStockLeftOfTableau ? 0 : 15);
  area.rows[2] = area.rows[1] + H + a;
  area.rows[3] = area.rows[2] + H + a;
  if (p[param::kTableauArrangement] == arrangement::kTableauFittedRowHigh) {
    area.rows[0] = area.top + 15;
    area.rows[1] = area.top + H + 20;
    area.rows[2] = area.top + 2 * H + 25;
  }

  area.threeRowBlockTop = std::max(area.top + (area.availableHeight - 3 * H - 20) / 2, area.top + 2);
  area.fourRowBlockTop = std::max(area.top + (area.availableHeight - 4 * H - 30) / 2, area.top + 2);

  const int marginWidth = window.windowWidth - (area.lowWindow() ? 10 : 0);
  area.baseMargin = marginWidth >= 652 ? 10 : 3;
  area.margin = area.baseMargin;
  if (p[param::kStockGroupPiles] > 0) {
    area.margin += shadow;
    const int discard = p[param::kDiscardArrangement];
    if (stockArrangement == arrangement::kStockLeftOfTableau || stockArrangement == arrangement::kStockOverTableau ||
        stockArrangement == arrangement::kStockFromMargin || stockArrangement == arrangement::kStockNearTableau ||
        stockArrangement == arrangement::kStockFarFromTableau || discard == arrangement::kDiscardOverFirstColumns)
      area.margin += 15;
  }
  return area;
}

}  // namespace quilloro
