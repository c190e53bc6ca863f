// Face-up tableau cards that hold on to the card under them for ever.
#include "engine/solver/stuck_cards.hpp"

#include <algorithm>
#include <bit>

namespace quilloro::solver {

StuckCards::StuckCards(const FastRules& rules) : rules_(rules) {
  applies_ = rules.packs() == 1 && (!rules.dealsRows() || rules.dealsToReserves()) && !(rules.reserveCount() > 0 && rules.reservesTakeCards()) &&
             rules.spaceFiller() == FastRules::SpaceFiller::None;
  if (!applies_) return;
  holdsReserves_ = rules.reserveCount() > 0;
  singleCards_ =
      !rules.runMayMove(2, false, kMaxTableau, kMaxReserves) && !rules.runMayMove(2, true, kMaxTableau, kMaxReserves);
  holdsFaceDown_ = rules.runsAnyFaceUp();
  countsComingBack_ = rules.takesBack() && holdsFaceDown_ && !rules.hasStock() && rules.reserveCount() == 0;
  for (int card = 1; card < kMaxCards; ++card) {
    const auto moving = static_cast<FastCard>(card);
    bySuit_[static_cast<std::size_t>(rules.suit(moving))][static_cast<std::size_t>(rules.rank(moving))] = moving;
    for (int base = 1; base < kMaxCards; ++base)
      if (base != card && rules.builds(static_cast<FastCard>(base), moving))
        bases_[static_cast<std::size_t>(card)] |= bit(static_cast<FastCard>(base));
  }
  for (int card = 1; card < kMaxCards; ++card)
    for (std::uint64_t bases = bases_[static_cast<std::size_t>(card)]; bases != 0; bases &= bases - 1)
      builders_[static_cast<std::size_t>(std::countr_zero(bases))] |= bit(static_cast<FastCard>(card));
}

inline bool StuckCards::neverBare(FastCard card, const FastPosition& position) const {
  const int pile = pile_[card];
  if (pile < 0) return false;
  const int slot = slot_[card];
  if (coveredBySet(card, position)) return true;
  // A card of a reserve serves as a base only once it has left the reserve.
  if (pile >= rules_.tableauCount()) return inSet_[card];
  // A face-down card under a card of the set never shows.
  const int down = position.faceDown(pile);
  return slot < down && down < position.size(pile) && inSet_[position.card(pile, down)];
}

bool StuckCards::coveredByAnyAbove(int pile, int slot, const FastPosition& position) const {
  // (Where runs move, a run lifted from under a card of the set bares what
  // lay under the run: only the card right above counts, as above_ tells.)
  if (pile == stockPile_) return false;
  for (int above = slot + 1; above < position.size(pile); ++above)
    if (inSet_[position.card(pile, above)]) return true;
  return false;
}

inline int StuckCards::firstHeld(int suit, int from, const FastPosition& position) const {
  for (int rank = from; rank <= kKing; ++rank) {
    const FastCard card = bySuit_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
    if (position.homeCount(suit, rank) == 0 && (inSet_[card] || neverBare(card, position))) return rank;
  }
  return kKing + 1;
}

inline bool StuckCards::takesNothing(FastCard base) const {
  // A card of the set stays on the cards under it, so its pile never holds
  // fewer cards than it does up to that card.
  return inSet_[base] && pile_[base] >= 0 && !rules_.pileHasRoom(slot_[base] + 1);
}

bool StuckCards::mayComeBack(FastCard card, const FastPosition& position) {
  std::int8_t& answer = comesBack_[card];
  if (answer != 0) return answer > 0;
  // Asked again only of higher cards, so the count ends by the king.
  answer = -1;
  const int suit = rules_.suit(card);
  const int rank = rules_.rank(card);
  if (rank < kKing) {
    const FastCard next = bySuit_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank + 1)];
    if (position.homeCount(suit, rank + 1) > 0 && !mayComeBack(next, position)) return false;
  }
  bool back = spaceMayCome_ && rules_.fillsEmpty(card);
  for (std::uint64_t bases = bases_[card]; bases != 0 && !back; bases &= bases - 1) {
    const auto base = static_cast<FastCard>(std::countr_zero(bases));
    if (pile_[base] >= 0) {
      back = !neverBare(base, position) && !takesNothing(base);
    } else if (position.homeCount(rules_.suit(base), rules_.rank(base)) > 0) {
      back = mayComeBack(base, position);
    } else {
      // Neither on the tableau nor home: not counted, so taken as free.
      back = true;
    }
  }
  answer = back ? 1 : -1;
  return back;
}

bool StuckCards::mayLeave(FastCard card, int pile, int slot, const FastPosition& position) {
  // A face-down card moves only once the card on it has parted from it.
  if (pile < rules_.tableauCount() && slot < position.faceDown(pile) && coveredBySet(card, position)) return false;
  if (pile >= rules_.tableauCount()) {
    // A reserve gives only its top card, anywhere it may go: onto an empty
    // pile as well.
    if (pile != stockPile_ && slot + 1 < position.size(pile) && inSet_[position.card(pile, slot + 1)]) return false;
    if (spaceMayCome_ && rules_.fillsEmpty(card)) return true;
  } else if (slot > 0 && spaceMayCome_ && rules_.fillsEmpty(card)) {
    return true;
  }
  // Home only once bare, after every lower card of its suit.
  if (rules_.rank(card) <= firstHeld_[static_cast<std::size_t>(rules_.suit(card))] && !coveredBySet(card, position))
    return true;
  for (std::uint64_t bases = bases_[card]; bases != 0; bases &= bases - 1) {
    const auto base = static_cast<FastCard>(std::countr_zero(bases));
    if (pile_[base] < 0 && position.homeCount(rules_.suit(base), rules_.rank(base)) > 0) {
      if (rules_.takesBack() && (!countsComingBack_ || mayComeBack(base, position))) return true;
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
  held_ = 0;
  const int tableau = rules_.tableauCount();
  for (int t = 0; t < tableau; ++t)
    for (int slot = 0; slot < position.size(t); ++slot) {
      const FastCard card = position.card(t, slot);
      pile_[card] = static_cast<std::int8_t>(t);
      slot_[card] = static_cast<std::uint8_t>(slot);
      inSet_[card] = holdsFaceDown_ || slot >= position.faceDown(t);
      if (inSet_[card]) held_ |= bit(card);
      above_[card] = slot + 1 < position.size(t) ? position.card(t, slot + 1) : FastCard{0};
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
      held_ |= bit(card);
      above_[card] = slot + 1 < position.size(r) ? position.card(r, slot + 1) : FastCard{0};
    }
  // So do the cards of a stock that deals onto such reserves: each comes
  // into play on a reserve's top and leaves it as a reserve card does.
  // Nothing keeps one covered, as the cards dealt after it may wait until
  // it has left, but it serves as a base only once it has left too.
  stockPile_ = holdsReserves_ && rules_.dealsToReserves() ? position.stockPile() : -1;
  if (stockPile_ >= 0)
    for (int slot = 0; slot < position.size(stockPile_); ++slot) {
      const FastCard card = position.card(stockPile_, slot);
      pile_[card] = static_cast<std::int8_t>(stockPile_);
      slot_[card] = static_cast<std::uint8_t>(slot);
      inSet_[card] = true;
      held_ |= bit(card);
      above_[card] = 0;
    }
  // A space shows, if none does yet, only once the bottom card of a pile has
  // left: where the face-down cards count in the set, only once a bottom
  // card has dropped (see above).
  spaceMayCome_ = !holdsFaceDown_;
  for (int t = 0; t < tableau && !spaceMayCome_; ++t)
    spaceMayCome_ = position.size(t) == 0 || !inSet_[position.card(t, 0)];
  // Every card of the set is looked at once; a card that drops puts back on
  // the list the cards whose way out it may open. The drops only ever free
  // more (a card out of the set covers nothing, serves as a base, lets the
  // higher cards of its suit home and may leave a space), so the cards left
  // when the list runs dry are those any order of the drops leaves.
  if (countsComingBack_) comesBack_.fill(0);
  // Where cards come back from home as counted, a drop may let one back by
  // ways the list does not follow: the cards are all looked at again, with
  // fresh answers, until a whole look drops nothing.
  bool droppedSinceAllListed = false;
  for (int suit = 0; suit < 4; ++suit) firstHeld_[static_cast<std::size_t>(suit)] = firstHeld(suit, kAce, position);
  // The positions asked about in turn differ little: the cards are first
  // tried in the order the last count dropped them in, and most drop at the
  // first try. Any drop is one the list would make too, so the cards left
  // are the same; every card still held is then looked at again below.
  dropCount_ = 0;
  for (int n = 0; n < lastDropCount_; ++n) {
    const FastCard card = lastDrops_[static_cast<std::size_t>(n)];
    if ((held_ & bit(card)) == 0) continue;
    if (!mayLeave(card, pile_[card], slot_[card], position)) {
      // The suit may go home further than counted so far.
      auto& first = firstHeld_[static_cast<std::size_t>(rules_.suit(card))];
      if (first >= rules_.rank(card)) continue;
      const int before = first;
      raiseFirstHeld(rules_.suit(card), before, position);
      if (first == before || !mayLeave(card, pile_[card], slot_[card], position)) continue;
    }
    dropTried(card, position);
    droppedSinceAllListed = true;
  }
  waiting_ = held_;
  while (held_ != 0) {
    waiting_ &= held_;
    if (waiting_ == 0) {
      // A card that never came bare may have come bare: a suit may go home
      // further than counted.
      for (int suit = 0; suit < 4; ++suit) raiseFirstHeld(suit, firstHeld_[static_cast<std::size_t>(suit)], position);
      if (waiting_ == 0 && countsComingBack_ && droppedSinceAllListed) {
        comesBack_.fill(0);
        waiting_ = held_;
        droppedSinceAllListed = false;
      }
      waiting_ &= held_;
      if (waiting_ == 0) break;
    }
    const auto card = static_cast<FastCard>(std::countr_zero(waiting_));
    waiting_ &= waiting_ - 1;
    if (!mayLeave(card, pile_[card], slot_[card], position)) continue;
    drop(card, position);
    droppedSinceAllListed = true;
  }
  lastDrops_ = drops_;
  lastDropCount_ = dropCount_;
  return held_ != 0;
}

inline void StuckCards::dropTried(FastCard card, const FastPosition& position) {
  inSet_[card] = false;
  held_ &= ~bit(card);
  drops_[static_cast<std::size_t>(dropCount_++)] = card;
  // Every card still held is looked at again after these: only what the
  // drop changes besides is kept up (see listFreedBy).
  const int pile = pile_[card];
  if (slot_[card] == 0 && pile < rules_.tableauCount()) spaceMayCome_ = true;
  const int suit = rules_.suit(card);
  if (firstHeld_[static_cast<std::size_t>(suit)] == rules_.rank(card)) raiseFirstHeld(suit, rules_.rank(card), position);
}

void StuckCards::drop(FastCard card, const FastPosition& position) {
  inSet_[card] = false;
  held_ &= ~bit(card);
  drops_[static_cast<std::size_t>(dropCount_++)] = card;
  listFreedBy(card, position);
}

inline void StuckCards::raiseFirstHeld(int suit, int from, const FastPosition& position) {
  auto& first = firstHeld_[static_cast<std::size_t>(suit)];
  const int raised = firstHeld(suit, from, position);
  for (int rank = first + 1; rank <= std::min(raised, static_cast<int>(kKing)); ++rank)
    waiting_ |= bit(bySuit_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)]);
  first = raised;
}

void StuckCards::listFreedBy(FastCard card, const FastPosition& position) {
  const int pile = pile_[card];
  const int slot = slot_[card];
  // Nothing lands on it any more, and it may serve as a base.
  waiting_ |= builders_[card];
  if (pile != stockPile_) {
    // The cards under it may come bare: the one right under it, or every
    // one where only single cards move.
    const int lowest = singleCards_ ? 0 : std::max(slot - 1, 0);
    for (int under = slot - 1; under >= lowest; --under) waiting_ |= withBuilders(position.card(pile, under));
    // The face-down cards under the first face-up one may show.
    if (pile < rules_.tableauCount() && slot == position.faceDown(pile))
      for (int under = 0; under < slot; ++under) waiting_ |= withBuilders(position.card(pile, under));
    // A space may come.
    if (slot == 0 && pile < rules_.tableauCount() && !spaceMayCome_) {
      spaceMayCome_ = true;
      waiting_ = kEveryCard;
    }
  }
  // The first held card of its suit gone, the next one is looked for at
  // once; what else a drop lets home is counted when the list runs dry.
  const int suit = rules_.suit(card);
  if (firstHeld_[static_cast<std::size_t>(suit)] == rules_.rank(card)) raiseFirstHeld(suit, rules_.rank(card), position);
}

}  // namespace quilloro::solver
