// Cards that can never leave their place, for piles that build down in suit
// one card at a time under a stock dealt onto every pile (the argument is in
// the header).
#include "engine/solver/pinned_cards.hpp"

#include <algorithm>

namespace quilloro::solver {

namespace {

int faceOf(CardNumber card) { return (card - 1) % kCardsPerPack; }
int faceOf(int suit, int rank) { return suit * kKing + rank - 1; }

}  // namespace

void PinnedCards::findCovers(int pile) {
  const auto p = static_cast<std::size_t>(pile);
  std::uint8_t cover = kNever;
  for (int at = heights_[p] - 1; at >= 0; --at) {
    Slot& slot = slots_[p][static_cast<std::size_t>(at)];
    slot.cover = cover;
    if (slot.held) cover = slot.deal;
  }
}

std::uint8_t PinnedCards::spaceEnd(int pile) const {
  const auto p = static_cast<std::size_t>(pile);
  for (int at = 0; at < heights_[p]; ++at)
    if (slots_[p][static_cast<std::size_t>(at)].held) return slots_[p][static_cast<std::size_t>(at)].deal;
  return kNever;
}

bool PinnedCards::under(const Place& place, const Leaving& leaving) const {
  if (place.pile != leaving.pile || place.slot >= leaving.slot) return false;
  // A card there now under one there now stays under it; one dealt later
  // lands on whatever the pile holds then.
  return leaving.deal == 0 && slots_[static_cast<std::size_t>(place.pile)][place.slot].deal == 0;
}

bool PinnedCards::ranksFree(int suit, int from, int to, const Leaving& leaving) const {
  if (from > to) return true;
  // Each rank needs a copy out of S at least.
  const auto wanted = static_cast<std::uint16_t>((1U << (to + 1)) - (1U << from));
  if ((loose_[static_cast<std::size_t>(suit)] & wanted) != wanted) return false;
  for (int rank = from; rank <= to; ++rank) {
    bool free = false;
    for (const Place& place : places_[static_cast<std::size_t>(faceOf(suit, rank))]) {
      if (place.pile < 0 || under(place, leaving)) continue;
      const Slot& slot = slots_[static_cast<std::size_t>(place.pile)][place.slot];
      if (!slot.held && slot.deal < leaving.cover) free = true;
    }
    if (!free) return false;
  }
  return true;
}

bool PinnedCards::mayBeBare(int face, const Leaving& leaving) const {
  for (const Place& place : places_[static_cast<std::size_t>(face)]) {
    if (place.pile < 0 || under(place, leaving)) continue;
    const Slot& slot = slots_[static_cast<std::size_t>(place.pile)][place.slot];
    const std::uint8_t cover = slot.cover;
    if (slot.held) {
      if (std::max(leaving.deal, slot.deal) < std::min(leaving.cover, cover)) return true;
    } else if (cover != 0 && slot.deal < leaving.cover) {
      // Free to move, unless a card of S lies on it now.
      return true;
    }
  }
  return false;
}

std::uint8_t PinnedCards::otherSpaceEnd(int pile) const {
  return spaceEnds_[static_cast<std::size_t>(pile)] == latestSpaceEnd_ ? secondSpaceEnd_ : latestSpaceEnd_;
}

bool PinnedCards::mayLeave(int pile, int at) const {
  const Slot& slot = slots_[static_cast<std::size_t>(pile)][static_cast<std::size_t>(at)];
  const std::uint8_t cover = slot.cover;
  if (slot.deal >= cover) return false;
  // Onto a space: some other pile may be empty after the card's deal and
  // before its cover.
  if (slot.deal < std::min(cover, otherSpaceEnd(pile))) return true;
  const Leaving leaving{pile, at, slot.deal, cover};
  if (slot.rank < kKing && mayBeBare(faceOf(slot.suit, slot.rank + 1), leaving)) return true;
  return mayGoHome(slot.suit, slot.rank, leaving);
}

bool PinnedCards::mayGoHome(int suit, int rank, const Leaving& leaving) const {
  // The up foundation nearest below the card needs the fewest ranks first,
  // and those are needed by every other; the same for the down ones above.
  const auto at = static_cast<std::size_t>(suit);
  for (int top = rank - 1; top >= 0; --top)
    if ((upTops_[at] >> top & 1U) != 0) {
      if (ranksFree(suit, top + 1, rank - 1, leaving)) return true;
      break;
    }
  for (int top = rank + 1; top <= kKing + 1; ++top)
    if ((downTops_[at] >> top & 1U) != 0) return ranksFree(suit, rank + 1, top - 1, leaving);
  return false;
}

bool PinnedCards::lost(std::span<const std::span<const std::uint8_t>> piles, std::span<const PinnedFoundation> foundations,
                       std::span<const CardNumber> stock) {
  if (copies_ > kMostCopies || piles.empty() || piles.size() > static_cast<std::size_t>(kMostPiles)) return false;
  piles_ = static_cast<int>(piles.size());
  // More deals than a slot's count can tell apart: no proof.
  if (stock.size() / piles.size() + 1 >= kNever) return false;
  // An empty pile that the stock deals nothing more onto stays empty for as
  // long as the player likes and takes every card that comes bare: no proof,
  // seen before the piles are laid out.
  for (std::size_t p = stock.size(); p < piles.size(); ++p)
    if (piles[p].empty()) return false;
  for (auto& places : places_) places.fill(Place{});
  loose_.fill(0);
  upTops_.fill(0);
  downTops_.fill(0);
  for (const PinnedFoundation& foundation : foundations) {
    auto& tops = foundation.upward ? upTops_ : downTops_;
    if (foundation.count == 0) {
      // An empty one takes the ace, or the king, of any suit.
      for (auto& suit : tops) suit |= static_cast<std::uint16_t>(1U << (foundation.upward ? 0 : kKing + 1));
    } else {
      const int face = faceOf(foundation.top);
      tops[static_cast<std::size_t>(face / kKing)] |= static_cast<std::uint16_t>(1U << (face % kKing + 1));
    }
  }
  const auto place = [&](int pile, CardNumber card, int deal) {
    const auto p = static_cast<std::size_t>(pile);
    const int at = heights_[p]++;
    const int face = faceOf(card);
    slots_[p][static_cast<std::size_t>(at)] = Slot{static_cast<std::uint8_t>(face / kKing), static_cast<std::uint8_t>(face % kKing + 1),
                                                   static_cast<std::uint8_t>(deal), true};
    auto& copies = places_[static_cast<std::size_t>(faceOf(card))];
    Place& free = copies[0].pile < 0 ? copies[0] : copies[1];
    free.pile = static_cast<std::int8_t>(pile);
    free.slot = static_cast<std::uint8_t>(at);
  };
  for (std::size_t p = 0; p < piles.size(); ++p) {
    heights_[p] = 0;
    for (const std::uint8_t card : piles[p]) place(static_cast<int>(p), card, 0);
  }
  for (std::size_t at = 0; at < stock.size(); ++at) place(static_cast<int>(at % piles.size()), stock[at], static_cast<int>(at / piles.size()) + 1);
  for (int p = 0; p < piles_; ++p) findCovers(p);
  bool dropped = true;
  while (dropped) {
    dropped = false;
    // Covers and ends gone stale within a round are early ones, which only
    // keep more cards held; the last round, dropping nothing, sees them all
    // true. Each pile's pass below leaves its covers true, so they need no
    // new count at the start of a round.
    latestSpaceEnd_ = 0;
    secondSpaceEnd_ = 0;
    for (int p = 0; p < piles_; ++p) {
      const std::uint8_t end = spaceEnd(p);
      spaceEnds_[static_cast<std::size_t>(p)] = end;
      // A pile that may stay empty for ever takes every card that comes bare.
      if (end == kNever) return false;
      if (end > latestSpaceEnd_) {
        secondSpaceEnd_ = latestSpaceEnd_;
        latestSpaceEnd_ = end;
      } else {
        secondSpaceEnd_ = std::max(secondSpaceEnd_, end);
      }
    }
    for (int p = 0; p < piles_; ++p) {
      auto& slots = slots_[static_cast<std::size_t>(p)];
      // Covers within the pile follow its drops at once; those of other
      // piles are the round's.
      std::uint8_t cover = kNever;
      for (int at = heights_[static_cast<std::size_t>(p)] - 1; at >= 0; --at) {
        Slot& slot = slots[static_cast<std::size_t>(at)];
        slot.cover = cover;
        if (slot.held && mayLeave(p, at)) {
          slot.held = false;
          loose_[static_cast<std::size_t>(slot.suit)] |= static_cast<std::uint16_t>(1U << slot.rank);
          dropped = true;
        }
        if (slot.held) cover = slot.deal;
      }
      // No card of S is left in the pile: none will be, as S only shrinks.
      if (cover == kNever) return false;
    }
  }
  return true;
}

}  // namespace quilloro::solver
