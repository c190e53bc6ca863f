#include "table/pile_anchors.hpp"

namespace quilloro {
namespace {

template <std::size_t N>
Anchor lookUp(const std::array<Anchor, N>& anchors, int index, int notPlaced) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {notPlaced, notPlaced};
  return anchors[static_cast<std::size_t>(index)];
}

}  // namespace

int notPlacedValue(PileList list) {
  switch (list) {
    case PileList::Stock: return kStockNotPlaced;
    case PileList::Foundations: return kFoundationNotPlaced;
    case PileList::Tableau: return kTableauNotPlaced;
    case PileList::Reserves: return kReserveNotPlaced;
  }
  return kStockNotPlaced;
}

PileAnchors::PileAnchors() {
  stock.fill({kStockNotPlaced, kStockNotPlaced});
  foundations.fill({kFoundationNotPlaced, kFoundationNotPlaced});
  tableau.fill({kTableauNotPlaced, kTableauNotPlaced});
  reserves.fill({kReserveNotPlaced, kReserveNotPlaced});
}

Anchor PileAnchors::at(PileRef pile) const {
  const int notPlaced = notPlacedValue(pile.list);
  switch (pile.list) {
    case PileList::Stock: return lookUp(stock, pile.index, notPlaced);
    case PileList::Foundations: return lookUp(foundations, pile.index, notPlaced);
    case PileList::Tableau: return lookUp(tableau, pile.index, notPlaced);
    case PileList::Reserves: return lookUp(reserves, pile.index, notPlaced);
  }
  return {notPlaced, notPlaced};
}

}  // namespace quilloro
