// The table's zoom: its steps, fit to window, the screen's pixel ratio, and the mapping between window and table pixels.
#include "table/table_zoom.hpp"

#include <algorithm>
#include <cmath>

namespace quilloro {
namespace {

constexpr int kLastStep = static_cast<int>(kZoomSteps.size()) - 1;
constexpr PileList kAllLists[] = {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves};

int faceDownCount(const GameState& state, const Pile& pile) {
  int count = 0;
  for (int slot = 0; slot < pile.cardCount(); ++slot)
    if (isCardNumber(pile.at(slot)) && state.isFaceDown(pile.at(slot))) ++count;
  return count;
}

}  // namespace

TableExtent tableExtent(const TableLayout& layout, const GameState& state) {
  TableExtent extent;
  const CardSize& card = layout.cardSize();
  const int fan = fanCodeOf(state.parameters, PileList::Tableau);
  const Spread tableauSpread = spreadOf(PileList::Tableau, fan);
  const bool tableauFans = tableauSpread == Spread::Down || tableauSpread == Spread::Right ||
                           tableauSpread == Spread::RightTight;
  for (const PileList list : kAllLists) {
    for (int index = 0; index < pileListSize(list); ++index) {
      const PileRef pile{list, index};
      if (!layout.isPlaced(pile)) continue;
      const Pile& cards = state.piles.pile(pile);
      int slots = std::max(cards.cardCount(), 1);
      if (list == PileList::Tableau && tableauFans) slots = std::max(slots, faceDownCount(state, cards) + kFitRoomCards);
      const Point last = layout.cardPosition(pile, slots - 1);
      const Point first = layout.cardPosition(pile, 0);
      extent.right = std::max({extent.right, last.x + card.width, first.x + card.width});
      extent.bottom = std::max({extent.bottom, last.y + card.height, first.y + card.height});
    }
  }
  return extent;
}

void TableZoom::setStep(int step) { step_ = std::clamp(step, 0, kLastStep); }

bool TableZoom::zoomIn() {
  fit_ = false;
  if (step_ >= kLastStep) return false;
  ++step_;
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

bool TableZoom::fit(const std::function<bool(double scale)>& fits) {
  if (!fit_) return false;
  const int before = step_;
  step_ = 0;
  for (int step = kLastStep; step > 0; --step) {
    if (fits(scaleOfStep(step))) {
      step_ = step;
      break;
    }
  }
  return step_ != before;
}

}  // namespace quilloro
