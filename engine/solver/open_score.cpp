// The open games' score: a card lies for good when it goes down in an
// unbroken build from the bottom of its pile; every other card out must move
// at least once more, and the cards above the next card of a suit first.
#include "engine/solver/open_score.hpp"

#include <array>

namespace quilloro::solver {

namespace {

// The weights, found by trying on FreeCell deals 1-100 and checked on deals
// 1001-1200 and the other open games: a card out of place counts more than a
// card out, which keeps the search from sending cards home at any price.
constexpr int kPerCardOut = 2;
constexpr int kPerCardOutOfPlace = 3;
constexpr int kPerCardAboveNext = 3;
constexpr int kPerFreeCell = 3;
constexpr int kPerEmptyPile = 6;

}  // namespace

std::array<int, 4> lowestRanksOut(const FastPosition& position) {
  const FastRules& rules = position.rules();
  std::array<int, 4> next{};
  for (int suit = 0; suit < 4; ++suit) {
    int rank = kAce;
    while (rank <= kKing && position.homeCount(suit, rank) >= rules.packs()) ++rank;
    next[static_cast<std::size_t>(suit)] = rank;
  }
  return next;
}

int openScore(const FastPosition& position) {
  const FastRules& rules = position.rules();
  // The lowest rank of each suit not yet home in every pack.
  const std::array<int, 4> next = lowestRanksOut(position);
  int misplaced = 0;
  int buried = 0;
  int emptyPiles = 0;
  for (int t = 0; t < rules.tableauCount(); ++t) {
    const int pile = position.tableauPile(t);
    const int height = position.size(pile);
    if (height == 0) {
      ++emptyPiles;
      continue;
    }
    bool placed = true;
    int firstNeeded = -1;
    for (int slot = 0; slot < height; ++slot) {
      const FastCard card = position.card(pile, slot);
      if (slot < position.faceDown(pile)) {
        placed = false;
      } else if (slot > 0) {
        placed = placed && slot > position.faceDown(pile) && rules.builds(position.card(pile, slot - 1), card);
      }
      if (!placed) ++misplaced;
      if (firstNeeded < 0 && rules.rank(card) == next[static_cast<std::size_t>(rules.suit(card))]) firstNeeded = slot;
    }
    if (firstNeeded >= 0) buried += height - 1 - firstNeeded;
  }
  int freeCells = 0;
  for (int r = 0; r < rules.reserveCount(); ++r) {
    if (position.size(position.reservePile(r)) == 0) {
      ++freeCells;
    } else {
      ++misplaced;
    }
  }
  // Every card of the stock and waste has still to be played.
  if (rules.hasStock()) misplaced += position.size(position.stockPile()) + position.size(position.wastePile());
  return kPerFreeCell * freeCells + kPerEmptyPile * emptyPiles -
         (kPerCardOut * position.cardsLeft() + kPerCardOutOfPlace * misplaced + kPerCardAboveNext * buried);
}

}  // namespace quilloro::solver
