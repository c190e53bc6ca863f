// Kings that can rest nowhere without the suits waiting in a ring.
#include "engine/solver/resting_kings.hpp"

#include <array>

namespace quilloro::solver {

namespace {

constexpr int kQueen = kKing - 1;

// waits[a]: the suits some card of which goes home after suit a's king.
using Waits = std::array<unsigned, 4>;

// Whether the suits wait for one another round a ring: suits waiting for
// none still to come are taken off until none is left, or a ring stays.
bool ring(const Waits& waits) {
  unsigned left = 0xF;
  for (bool removed = true; removed && left != 0;) {
    removed = false;
    for (unsigned suit = 0; suit < 4; ++suit)
      if ((left & (1U << suit)) != 0 && (waits[suit] & left) == 0) {
        left &= ~(1U << suit);
        removed = true;
      }
  }
  return left != 0;
}

// A king's choices, as the suits that wait for it: staying, or resting on
// the queen of one of the three other suits. One pack holds one king a suit.
struct KingChoices {
  std::array<unsigned, 4> waits{};
  unsigned count = 0;
  void add(unsigned suits) { waits[count++] = suits; }
};

// Tries every choice of the kings from the index-th on.
bool someChoiceWorks(const std::array<KingChoices, 4>& choices, Waits& waits, unsigned index) {
  if (index == 4) return !ring(waits);
  if (choices[index].count == 0) return someChoiceWorks(choices, waits, index + 1);
  for (unsigned c = 0; c < choices[index].count; ++c) {
    waits[index] = choices[index].waits[c];
    if (someChoiceWorks(choices, waits, index + 1)) return true;
  }
  waits[index] = 0;
  return false;
}

}  // namespace

bool kingsRestOnlyOnQueens(const FastRules& rules) {
  if (rules.packs() != 1 || !rules.buildsBothWays() || rules.buildsPastBase() || rules.hasStock() ||
      rules.dealsRows() || rules.reserveCount() != 0 || rules.runMayMove(2, false, kMaxTableau, kMaxReserves))
    return false;
  for (int card = 1; card <= kCardsPerPack; ++card)
    if (rules.fillsEmpty(static_cast<FastCard>(card))) return false;
  return true;
}

bool kingsFindNoRest(const FastPosition& position) {
  const FastRules& rules = position.rules();
  if (!kingsRestOnlyOnQueens(rules)) return false;
  // Each suit's king's choices, as the suits that wait for it: staying puts
  // the suits of the cards under it; resting on a queen, the queen's suit.
  std::array<KingChoices, 4> choices{};
  bool anyUnder = false;
  for (int t = 0; t < rules.tableauCount(); ++t) {
    const int pile = position.tableauPile(t);
    unsigned under = 0;
    for (int slot = 0; slot < position.size(pile); ++slot) {
      const FastCard card = position.card(pile, slot);
      const int suit = rules.suit(card);
      if (rules.rank(card) == kKing) {
        KingChoices& choice = choices[static_cast<std::size_t>(suit)];
        // A king over a lower card of its own suit cannot stay.
        if ((under & (1U << suit)) == 0) choice.add(under);
        for (int queen = 0; queen < 4; ++queen)
          if (queen != suit && position.homeCount(queen, kQueen) == 0) choice.add(1U << queen);
        // A king with no choice at all is lost at once.
        if (choice.count == 0) return true;
        anyUnder = anyUnder || under != 0;
      }
      under |= 1U << suit;
    }
  }
  // Where no king stays over a card, nothing waits for a king.
  if (!anyUnder) return false;
  Waits waits{};
  return !someChoiceWorks(choices, waits, 0);
}

}  // namespace quilloro::solver
