// A lost position seen at a glance, for piles that build down in suit one
// card at a time, a stock that deals a card onto every pile in turn, and
// foundations up from the aces and down from the kings (Crossroads): cards
// that can never leave their place.
//
// Each pile is seen with the stock's cards that will land on it, in the order
// dealt; a card lies on the table from its deal on (the cards there now from
// deal 0). Take a set S of these cards. A card of S in its place is covered
// from the deal of the nearest card of S above it in its pile (at once for
// one there now, never where there is none): that card lands on the pile
// while the covered card is still in it. A pile can be empty only before the
// deal of its lowest card of S. A card leaves its place only while it lies
// bare, so between its deal and its cover, and only
//   - home: onto an up foundation of its suit whose top is the rank below it
//     (or an empty one, for an ace), or onto a down foundation of its suit
//     whose top is the rank above it (or an empty one, for a king). Each rank
//     between a foundation's top now and the card's must go home on that
//     foundation first, by a copy that is neither home already nor in S,
//     dealt before the card's cover, and not under the card in its pile (a
//     card there now under another there now stays under it);
//   - onto a pile: onto a copy of the next rank up in its suit, bare then and
//     not under the card. A copy at home is never bare again; a copy covered
//     now by a card of S is not bare while that card stays; a copy in S is
//     bare only between its deal and its cover; any other copy may be bare
//     from its deal on;
//   - onto an empty pile: another pile's, before that pile's lowest card of S
//     is dealt.
// Start with every card in S. Drop each card of S that one of these ways
// leaves free to go, until none drops. If every pile still holds a card of
// S, no card of S ever leaves: the first one that did would have to be bare
// then (its cover has not left), and could go neither home (a card it needs
// is in S, so has not moved, or is not dealt yet, or lies under it), nor onto
// a pile (each copy of its card is home, covered, or not bare then), nor
// onto an empty pile (each pile keeps its lowest card of S once dealt). A card
// that never leaves never goes home, and the position is lost. Where a pile
// holds no card of S, it may stay empty from some time on, and every card
// could go there: nothing is proved. Nothing may go onto an ace, so neither an
// ace nor a king ever waits on a pile card.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/card.hpp"

namespace quilloro::solver {

// A foundation as the proof needs it: up from the ace or down from the king.
struct PinnedFoundation {
  bool upward = true;
  int count = 0;
  CardNumber top = kNoCard;
};

class PinnedCards {
 public:
  static constexpr int kMostPiles = 10;

  // copies: how many cards of one suit and rank the packs hold.
  explicit PinnedCards(int copies) : copies_(copies) {}

  // Whether some card can never leave its place (see above). Each pile from
  // its bottom card; the stock in the order it deals, a card onto each pile
  // in turn from the first.
  bool lost(std::span<const std::span<const std::uint8_t>> piles, std::span<const PinnedFoundation> foundations,
            std::span<const CardNumber> stock);

 private:
  static constexpr int kFaces = kCardsPerPack;
  static constexpr int kMostCopies = 2;
  static constexpr int kPileCapacity = kMaxCard;
  static constexpr std::uint8_t kNever = 0xFF;

  struct Slot {
    std::uint8_t suit = 0;
    std::uint8_t rank = 0;
    // The deal that brings the card: 0 for the cards in the piles now.
    std::uint8_t deal = 0;
    // In S: the card never leaves its place.
    bool held = true;
    // The deal from which the nearest card of S above covers it.
    std::uint8_t cover = 0;
  };
  struct Place {
    std::int8_t pile = -1;
    std::uint8_t slot = 0;
  };

  // A card of S that may leave: where it lies, and the deals between which it lies bare.
  struct Leaving {
    int pile = 0;
    int slot = 0;
    std::uint8_t deal = 0;
    std::uint8_t cover = 0;
  };

  // The deal from which the pile can no longer be empty: that of its lowest card of S.
  std::uint8_t spaceEnd(int pile) const;
  // The latest deal before which some pile other than this one may be empty.
  std::uint8_t otherSpaceEnd(int pile) const;
  // Sets each slot's cover in the pile.
  void findCovers(int pile);
  bool mayLeave(int pile, int slot) const;
  // The card may go home while it lies bare.
  bool mayGoHome(int suit, int rank, const Leaving& leaving) const;
  // The place holds a card that stays under the leaving card while it lies there.
  bool under(const Place& place, const Leaving& leaving) const;
  // Every rank of the suit from `from` to `to` has a copy out of S, dealt
  // before the leaving card's cover and not under it.
  bool ranksFree(int suit, int from, int to, const Leaving& leaving) const;
  // A copy of the face, not under the leaving card, may lie bare while it does.
  bool mayBeBare(int face, const Leaving& leaving) const;

  int copies_;
  int piles_ = 0;
  std::array<int, kMostPiles> heights_{};
  std::array<std::array<Slot, kPileCapacity>, kMostPiles> slots_{};
  std::array<std::array<Place, kMostCopies>, kFaces> places_{};
  std::array<std::uint8_t, kMostPiles> spaceEnds_{};
  // The latest of the piles' space ends, and the latest once one pile with it is left out.
  std::uint8_t latestSpaceEnd_ = 0;
  std::uint8_t secondSpaceEnd_ = 0;
  // For each suit, as bits by rank: ranks with a copy out of S (bit 1 the
  // ace); the tops of its up foundations (bit 0 an empty one) and of its
  // down foundations (bit 14 an empty one).
  std::array<std::uint16_t, 4> loose_{};
  std::array<std::uint16_t, 4> upTops_{};
  std::array<std::uint16_t, 4> downTops_{};
};

}  // namespace quilloro::solver
