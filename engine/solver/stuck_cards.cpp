// Face-up tableau cards that hold on to the card under them for ever.
#include "engine/solver/stuck_cards.hpp"

#include <algorithm>

namespace quilloro::solver {

StuckCards::StuckCards(const FastRules& rules) : rules_(rules) {
  applies_ = rules.packs() == 1 && (!rules.dealsRows() || rules.dealsToReserves()) && !(rules.reserveCount() > 0 && rules.reservesTakeCards()) &&
             rules.spaceFiller() == FastRules::SpaceFiller::None;
  if (!applies_) return;
  holdsReserves_ = rules.reserveCount() > 0;
  singleCards_ =
      !rules.runMayMove(2, false, kMaxTableau, kMaxReserves) && !rules.runMayMove(2, true, kMaxTableau, kMaxReserves);
  for (int card = 1; card < kMaxCards; ++card) {
    const auto moving = static_cast<FastCard>(card);
    bySuit_[static_cast<std::size_t>(rules.suit(moving))][static_cast<std::size_t>(rules.rank(moving))] = moving;
    for (int base = 1; base < kMaxCards; ++base)
      if (base != card && rules.builds(static_cast<FastCard>(base), moving))
        bases_[static_cast<std::size_t>(card)].push_back(static_cast<FastCard>(base));
  }
}

bool StuckCards::neverBare(FastCard card, const FastPosition& position) const {
  const int pile = pile_[card];
  if (pile < 0) return false;
  const int slot = slot_[card];
  if (coveredBySet(pile, slot, position)) return true;
  // A card of a reserve serves as a base only once it has left the reserve.
  if (pile >= rules_.tableauCount()) return inSet_[card];
  // A face-down card under a card of the set never shows.
  const int down = position.faceDown(pile);
  return slot < down && down < position.size(pile) && inSet_[position.card(pile, down)];
}

bool StuckCards::coveredBySet(int pile, int slot, const FastPosition& position) const {
  // Where runs move, a run lifted from under a card of the set bares what
  // lay under the run: only the card right above counts.
  const int last = singleCards_ ? position.size(pile) : std::min(position.size(pile), slot + 2);
  for (int above = slot + 1; above < last; ++above)
    if (inSet_[position.card(pile, above)]) return true;
  return false;
}

bool StuckCards::takesNothing(FastCard base) const {
  // A card of the set stays on the cards under it, so its pile never holds
  // fewer cards than it does up to that card.
  return inSet_[base] && pile_[base] >= 0 && !rules_.pileHasRoom(slot_[base] + 1);
}

bool StuckCards::mayLeave(FastCard card, int pile, int slot, const FastPosition& position) const {
  if (pile >= rules_.tableauCount()) {
    // A reserve gives only its top card, anywhere it may go: onto an empty
    // pile as well.
    if (slot + 1 < position.size(pile) && inSet_[position.card(pile, slot + 1)]) return false;
    if (rules_.fillsEmpty(card)) return true;
  } else if (slot > 0 && rules_.fillsEmpty(card)) {
    return true;
  }
  const int suit = rules_.suit(card);
  // Home only once bare, after every lower card of its suit.
  bool homeward = !coveredBySet(pile, slot, position);
  for (int rank = kAce; rank < rules_.rank(card) && homeward; ++rank) {
    const FastCard lower = bySuit_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
    homeward = position.homeCount(suit, rank) > 0 || !(inSet_[lower] || neverBare(lower, position));
  }
  if (homeward) return true;
  for (const FastCard base : bases_[card]) {
    if (pile_[base] < 0 && position.homeCount(rules_.suit(base), rules_.rank(base)) > 0) {
      if (rules_.takesBack()) return true;
      continue;
    }
    if (!neverBare(base, position) && !takesNothing(base)) return true;
  }
  return false;
}

bool StuckCards::anyStuck(const FastPosition& position) {
  if (!applies_) return false;
  pile_.fill(-1);
  inSet_.fill(false);
  const int tableau = rules_.tableauCount();
  for (int t = 0; t < tableau; ++t)
    for (int slot = 0; slot < position.size(t); ++slot) {
      const FastCard card = position.card(t, slot);
      pile_[card] = static_cast<std::int8_t>(t);
      slot_[card] = static_cast<std::uint8_t>(slot);
      inSet_[card] = slot >= position.faceDown(t);
    }
  // Reserves that only give hold their cards in the set too: a reserve card
  // leaves only once bare, home or onto the tableau.
  const int last = holdsReserves_ ? tableau + rules_.reserveCount() : tableau;
  for (int r = tableau; r < last; ++r)
    for (int slot = 0; slot < position.size(r); ++slot) {
      const FastCard card = position.card(r, slot);
      pile_[card] = static_cast<std::int8_t>(r);
      slot_[card] = static_cast<std::uint8_t>(slot);
      inSet_[card] = true;
    }
  bool anyLeft = true;
  for (bool dropped = true; dropped && anyLeft;) {
    dropped = false;
    anyLeft = false;
    for (int t = 0; t < last; ++t)
      for (int slot = t < tableau ? position.faceDown(t) : 0; slot < position.size(t); ++slot) {
        const FastCard card = position.card(t, slot);
        if (!inSet_[card]) continue;
        if (mayLeave(card, t, slot, position)) {
          inSet_[card] = false;
          dropped = true;
        } else {
          anyLeft = true;
        }
      }
  }
  return anyLeft;
}

}  // namespace quilloro::solver
