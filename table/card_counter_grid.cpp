// The card counter's cells worked out from the piles, and where each cell lies.
#include "table/card_counter_grid.hpp"

#include <algorithm>

namespace quilloro {

int counterWindowHeight(int cardsInPlay) {
  if (cardsInPlay > 156) return 340;
  if (cardsInPlay > 104) return 268;
  if (cardsInPlay > 52) return 194;
  return 121;
}

std::string counterCellPicture(int card, CounterCell cell, bool inverted) {
  if (cell == CounterCell::NotCounted) return "Card_None";
  const bool up = (cell == CounterCell::Seen) != inverted;
  return "Card_" + std::to_string(counterRank(card)) + (up ? "_Up" : "_Down");
}

std::vector<CounterCell> countCards(const GameState& state, const CardCounterFilter& filter) {
  const int cards = std::clamp<int>(state.parameters[param::kCardsInPlay], 0, 208);
  std::vector<CounterCell> cells(static_cast<std::size_t>(cards), CounterCell::NotCounted);
  auto mark = [&](CardNumber card, bool seen) {
    if (card >= 1 && card <= cards) cells[static_cast<std::size_t>(card - 1)] = seen ? CounterCell::Seen : CounterCell::NotSeen;
  };
  auto markPile = [&](const Pile& pile, auto seenOf) {
    for (int slot = 0; slot < pile.cardCount(); ++slot) {
      const CardNumber card = pile.at(slot);
      if (card != kNoCard) mark(card, seenOf(card, slot, pile.cardCount()));
    }
  };
  const PileLists& piles = state.piles;
  if (filter.countsStock()) {
    markPile(piles.stock(), [](CardNumber, int, int) { return false; });
    const int showStock = state.parameters[param::kShowStock], showWaste = state.parameters[param::kShowWaste];
    if (showStock == 1 && showWaste == 1) markPile(piles.waste(), [](CardNumber, int, int) { return true; });
    else if (showStock == 0 && showWaste == 1)
      markPile(piles.waste(), [](CardNumber, int slot, int count) { return slot == count - 1; });
  }
  if (filter.countsTableau()) {
    auto byFace = [&](CardNumber card, int, int) { return !state.isFaceDown(card); };
    const int tableau = std::clamp<int>(state.parameters[param::kTableauCount], 0, kMaxTableau);
    const int foundations = std::clamp<int>(state.parameters[param::kFoundationCount], 0, kMaxFoundations);
    const int reserves = std::clamp<int>(state.parameters[param::kReserveCount], 0, kMaxReserves);
    for (int i = 0; i < tableau; ++i) markPile(piles.pile(PileList::Tableau, i), byFace);
    for (int i = 0; i < foundations; ++i) markPile(piles.pile(PileList::Foundations, i), byFace);
    markPile(piles.discard(), byFace);
    for (int i = 0; i < reserves; ++i) markPile(piles.pile(PileList::Reserves, i), [](CardNumber, int, int) { return true; });
  }
  return cells;
}

}  // namespace quilloro
