// The table's zoom: its steps, fit to window, the screen's pixel ratio, and the mapping between window and table pixels.
#include "table/table_zoom.hpp"

#include <algorithm>
#include <cmath>

#include "table/layout_context.hpp"

namespace quilloro {
namespace {

constexpr int kLastStep = static_cast<int>(kZoomSteps.size()) - 1;
constexpr int kLastShrinkStep = -static_cast<int>(kShrinkSteps.size());
constexpr PileList kAllLists[] = {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves};

int faceDownCount(const GameState& state, const Pile& pile) {
  int count = 0;
  for (int slot = 0; slot < pile.cardCount(); ++slot)
    if (isCardNumber(pile.at(slot)) && state.isFaceDown(pile.at(slot))) ++count;
  return count;
}

bool tableauFans(const GameState& state) {
  const Spread spread = spreadOf(PileList::Tableau, fanCodeOf(state.parameters, PileList::Tableau));
  return spread == Spread::Down || spread == Spread::Right || spread == Spread::RightTight;
}

// How far the placed piles reach, each pile taking slotsOf(list, cards) card places.
template <class Slots>
TableExtent extentOf(const TableLayout& layout, const GameState& state, Slots slotsOf) {
  TableExtent extent;
  const CardSize& card = layout.cardSize();
  for (const PileList list : kAllLists) {
    for (int index = 0; index < pileListSize(list); ++index) {
      const PileRef pile{list, index};
      if (!layout.isPlaced(pile)) {
        // A narrow table can push a pile past its left edge, where it has no place.
        if (!state.piles.pile(pile).empty()) extent.cardsOffTable = true;
        continue;
      }
      const int slots = std::max(slotsOf(list, state.piles.pile(pile)), 1);
      const Point last = layout.cardPosition(pile, slots - 1);
      const Point first = layout.cardPosition(pile, 0);
      extent.right = std::max({extent.right, last.x + card.width, first.x + card.width});
      extent.bottom = std::max({extent.bottom, last.y + card.height, first.y + card.height});
    }
  }
  return extent;
}

bool extentFits(const TableExtent& extent, const WindowMetrics& metrics) {
  const int bottom = metrics.statusBarVisible ? metrics.statusBarTop : metrics.windowHeight;
  return !extent.cardsOffTable && extent.right <= metrics.windowWidth && extent.bottom <= bottom;
}

}  // namespace

TableExtent tableExtent(const TableLayout& layout, const GameState& state) {
  const bool fans = tableauFans(state);
  return extentOf(layout, state, [&](PileList list, const Pile& cards) {
    const int slots = cards.cardCount();
    return list == PileList::Tableau && fans ? std::max(slots, faceDownCount(state, cards) + kFitRoomCards) : slots;
  });
}

TableExtent dealtTableExtent(const TableLayout& layout, const GameState& state) {
  const bool fans = tableauFans(state);
  return extentOf(layout, state, [&](PileList list, const Pile& cards) {
    const int slots = cards.cardCount();
    return list == PileList::Tableau && fans && slots > 0 ? slots + LayoutContext::kCardsBuiltOnFan : slots;
  });
}

WindowMetrics zoomedWindowMetrics(const WindowMetrics& window, double ratio, double scale) {
  // A length of window pixels in table pixels, rounded up so that nothing the bars cover is missed.
  const auto inTable = [&](int length) { return static_cast<int>(std::ceil(length * ratio / scale - 1e-9)); };
  // The window's own size rounds down: a table pixel must lie wholly on the window to count.
  const auto fitting = [&](int length) {
    const double stored = static_cast<double>(std::lround(length * ratio));
    return static_cast<int>(std::floor(stored / scale + 1e-9));
  };
  WindowMetrics metrics = window;
  metrics.screenWidth = fitting(window.screenWidth);
  metrics.screenHeight = fitting(window.screenHeight);
  metrics.windowWidth = fitting(window.windowWidth);
  metrics.windowHeight = fitting(window.windowHeight);
  if (window.barsBottom) metrics.barsBottom = inTable(*window.barsBottom);
  metrics.statusBarHeight = inTable(window.statusBarHeight);
  metrics.statusBarTop = metrics.windowHeight - inTable(window.windowHeight - window.statusBarTop);
  metrics.zoom = scale / ratio;
  return metrics;
}

double TableZoom::factorOfStep(int step) {
  if (step < 0) return kShrinkSteps[static_cast<std::size_t>(std::min(-step, -kLastShrinkStep) - 1)];
  return kZoomSteps[static_cast<std::size_t>(std::min(step, kLastStep))];
}

void TableZoom::setStep(int step) { step_ = std::clamp(step, 0, kLastStep); }

bool TableZoom::zoomIn() {
  fit_ = false;
  if (step_ >= kLastStep) return false;
  step_ = step_ < 0 ? 0 : step_ + 1;
  return true;
}

bool TableZoom::zoomOut() {
  fit_ = false;
  if (step_ <= 0) return false;
  --step_;
  return true;
}

void TableZoom::setDevicePixelRatio(double ratio) {
  ratio_ = std::isfinite(ratio) && ratio >= 1.0 && ratio <= 4.0 ? ratio : 1.0;
}

int TableZoom::tableCoordinate(double windowCoordinate) const {
  return static_cast<int>(std::floor(windowCoordinate / stepFactor()));
}

int TableZoom::tableLength(int storedLength) const {
  return static_cast<int>(std::ceil(std::max(storedLength, 0) / scale() - 1e-9));
}

bool TableZoom::fit(const std::function<bool(double scale)>& fits,
                    const std::function<bool(double scale)>& fitsAsDealt) {
  if (!fit_) return false;
  const int before = step_;
  step_ = 0;
  for (int step = kLastStep; step > 0; --step) {
    if (fits(scaleOfStep(step))) {
      step_ = step;
      return step_ != before;
    }
  }
  if (fitsAsDealt == nullptr || fitsAsDealt(scaleOfStep(0))) return step_ != before;
  step_ = kLastShrinkStep;
  for (int step = -1; step > kLastShrinkStep; --step) {
    if (fitsAsDealt(scaleOfStep(step))) {
      step_ = step;
      break;
    }
  }
  return step_ != before;
}

bool fitZoomToWindow(TableZoom& zoom, TableLayout& layout, const GameState& state, const WindowMetrics& window) {
  if (!zoom.fitToWindow()) return false;
  const auto placedAt = [&](double scale) {
    const WindowMetrics metrics = zoomedWindowMetrics(window, zoom.devicePixelRatio(), scale);
    layout.setWindow(metrics);
    layout.placePiles();
    return metrics;
  };
  const bool changed = zoom.fit(
      [&](double scale) {
        const WindowMetrics metrics = placedAt(scale);
        return extentFits(tableExtent(layout, state), metrics);
      },
      [&](double scale) {
        const WindowMetrics metrics = placedAt(scale);
        return extentFits(dealtTableExtent(layout, state), metrics);
      });
  placedAt(zoom.scale());
  return changed;
}

}  // namespace quilloro
