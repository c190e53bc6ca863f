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

std::uint8_t PinnedCards::coverOf(int pile, int slot) const {
  const auto& slots = slots_[static_cast<std::size_t>(pile)];
  for (int above = slot + 1; above < heights_[static_cast<std::size_t>(pile)]; ++above)
    if (slots[static_cast<std::size_t>(above)].held) return slots[static_cast<std::size_t>(above)].deal;
  return kNever;
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
    const std::uint8_t cover = coverOf(place.pile, place.slot);
    if (slot.held) {
      if (std::max(leaving.deal, slot.deal) < std::min(leaving.cover, cover)) return true;
    } else if (cover != 0 && slot.deal < leaving.cover) {
      // Free to move, unless a card of S lies on it now.
      return true;
    }
  }
  return false;
}

bool PinnedCards::mayLeave(int pile, int at, std::span<const PinnedFoundation> foundations) const {
  const Slot& slot = slots_[static_cast<std::size_t>(pile)][static_cast<std::size_t>(at)];
  const std::uint8_t cover = coverOf(pile, at);
  if (slot.deal >= cover) return false;
  for (int other = 0; other < piles_; ++other)
    if (other != pile && slot.deal < std::min(cover, spaceEnds_[static_cast<std::size_t>(other)])) return true;
  const Leaving leaving{pile, at, slot.deal, cover};
  const int suit = static_cast<int>(cardSuit(slot.card));
  const int rank = cardRank(slot.card);
  if (rank < kKing && mayBeBare(faceOf(suit, rank + 1), leaving)) return true;
  return mayGoHome(slot.card, leaving, foundations);
}

bool PinnedCards::mayGoHome(CardNumber card, const Leaving& leaving, std::span<const PinnedFoundation> foundations) const {
  const int suit = static_cast<int>(cardSuit(card));
  const int rank = cardRank(card);
  for (const PinnedFoundation& foundation : foundations) {
    if (foundation.upward) {
      if (foundation.count == 0 && ranksFree(suit, kAce, rank - 1, leaving)) return true;
      if (foundation.count > 0 && static_cast<int>(cardSuit(foundation.top)) == suit && foundation.count < rank &&
          ranksFree(suit, foundation.count + 1, rank - 1, leaving))
        return true;
    } else {
      if (foundation.count == 0 && ranksFree(suit, rank + 1, kKing, leaving)) return true;
      if (foundation.count > 0 && static_cast<int>(cardSuit(foundation.top)) == suit && cardRank(foundation.top) > rank &&
          ranksFree(suit, rank + 1, cardRank(foundation.top) - 1, leaving))
        return true;
    }
  }
  return false;
}

bool PinnedCards::lost(std::span<const std::span<const std::uint8_t>> piles, std::span<const PinnedFoundation> foundations,
                       std::span<const CardNumber> stock) {
  if (copies_ > kMostCopies || piles.empty() || piles.size() > static_cast<std::size_t>(kMostPiles)) return false;
  piles_ = static_cast<int>(piles.size());
  // More deals than a slot's count can tell apart: no proof.
  if (stock.size() / piles.size() + 1 >= kNever) return false;
  for (auto& places : places_) places.fill(Place{});
  const auto place = [&](int pile, CardNumber card, int deal) {
    const auto p = static_cast<std::size_t>(pile);
    const int at = heights_[p]++;
    slots_[p][static_cast<std::size_t>(at)] = Slot{static_cast<std::uint8_t>(card), static_cast<std::uint8_t>(deal), true};
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
  bool dropped = true;
  while (dropped) {
    dropped = false;
    // Ends gone stale within a round are early ones, which only keep more
    // cards held; the last round, dropping nothing, sees them all true.
    for (int p = 0; p < piles_; ++p) {
      spaceEnds_[static_cast<std::size_t>(p)] = spaceEnd(p);
      // A pile that may stay empty for ever takes every card that comes bare.
      if (spaceEnds_[static_cast<std::size_t>(p)] == kNever) return false;
    }
    for (int p = 0; p < piles_; ++p) {
      auto& slots = slots_[static_cast<std::size_t>(p)];
      for (int at = heights_[static_cast<std::size_t>(p)] - 1; at >= 0; --at) {
        Slot& slot = slots[static_cast<std::size_t>(at)];
        if (slot.held && mayLeave(p, at, foundations)) {
          slot.held = false;
          dropped = true;
        }
      }
    }
  }
  return true;
}

}  // namespace quilloro::solver
