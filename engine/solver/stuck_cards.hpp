// A lost position seen at a glance: face-up cards of the tableau that hold
// on to the card under them for ever.
//
// Take a set S of face-up tableau cards, each with the card it lies on (a
// face-down card, a face-up one, or none at its pile's bottom). A card x of
// S parts from the card under it only:
//   - home, once bare, after every lower card of its suit: so the card on
//     x, if any, must have parted from x, and each lower card be home or come
//     bare, or
//   - lifted, alone or at the bottom of a run, onto a card it builds on,
//     which must be bare then: a card at home (where cards come back from
//     the foundations), in the stock, the waste or a reserve, or a tableau
//     card (a face-down one once shown), or
//   - onto an empty pile, where it may fill one and lies on a card.
// (A run lifted from under x leaves x on the same card.) A tableau card never
// comes bare while a card of S lies on it, nor a face-down card while a card
// of S lies on the face-up card over it; where only single cards move, no
// card comes bare while a card of S lies anywhere above it. Where a pile
// holds at most so many cards, a card of S with that many cards up to it in
// its pile never takes a card: it stays on them while no card of S has
// parted. Starting from every face-up card and dropping each card that one
// of the ways above leaves free to part, until none is left to drop, the
// cards that stay keep their places for ever: the first of them to part
// would need one of those ways, and each of them needs a card of S to have
// parted first. A card of S then never goes home, and the position is lost.
// The cards of reserves that only give count in S too: a reserve card leaves
// only from the top, home or onto a bare card or an empty pile, and serves as
// a base only once it has left; rows the stock deals onto the reserves only
// cover reserve cards, and the cards still in such a stock count in S as
// reserve cards that nothing covers: each leaves its reserve only as a
// reserve card does, and serves as a base only once it has left.
// Where any face-up cards move together, the face-down cards count in S as
// well: a face-down card x moves only once shown, that is once the card
// right on it has parted from it, and then parts by the same ways as a
// face-up card; so x may drop only after the card on it has dropped, and
// while x stays, the cards under it stay covered and x holds its suit's
// higher cards away from home. (A face-down card never shows while a card
// of S lies on it, which is all the count above asks of it.) There, too, a
// card goes into a space only where one shows now or a pile's bottom card
// may leave (a bottom card parts by leaving its pile): a pile comes empty
// only when its bottom card leaves, so where no space shows and every
// bottom card stays in S, the first space to come needs a card of S to
// have parted first.
// Where cards come back from the foundations, a card at home serves as a base
// only once back on the tableau. Where the tableau is all there is besides the
// foundations (no stock, no reserves, no free cells) and any face-up cards
// move together, a card c comes back only as its foundation's top card (the
// higher cards of its suit at home back before it) onto a bare tableau card
// it builds on, or into a space where it may fill one. So before the first
// card of S parts, c can be back only where each card of its suit at home
// above it can be back, and a card c builds on is a tableau card that may
// come bare and take a card (as for a card on the tableau: not held under a
// card of S, nor a card of S whose pile is full), or is itself home and can
// be back by the same count, or c fills a space and one may come. Any other
// card at home never serves as a base while S holds. Elsewhere, a card at
// home counts as a base that may come back at any time.
// No free cell may take a card, no stock deals rows onto the piles and no
// reserve fills a space, or a card could part by ways the count does not
// know; with two packs every card has a twin, which the count does not
// follow either.
#pragma once

#include <array>
#include <cstdint>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

class StuckCards {
 public:
  explicit StuckCards(const FastRules& rules);

  // Whether the rules are ones the count above holds for.
  bool applies() const { return applies_; }
  // Whether some face-up card of the tableau never parts from the card under
  // it, so that the position is lost. Always false where the count does not
  // apply.
  bool anyStuck(const FastPosition& position);

 private:
  static constexpr int kMaxCards = kCardsPerPack + 1;
  // The tableau card can never come bare: a card of S lies on it, or it lies
  // face down under the face-up card of S over it.
  bool neverBare(FastCard card, const FastPosition& position) const;
  bool mayLeave(FastCard card, int pile, int slot, const FastPosition& position);
  // A card of the set lies above the card and keeps it covered for ever.
  bool coveredBySet(FastCard card, const FastPosition& position) const {
    return singleCards_ ? coveredByAnyAbove(pile_[card], slot_[card], position) : inSet_[above_[card]];
  }
  // The same where only single cards move: any card of the set above counts.
  bool coveredByAnyAbove(int pile, int slot, const FastPosition& position) const;
  // The lowest rank of the suit, from the given one up, whose card is not
  // home and is held by the set or never comes bare; one past the king for
  // none. A card of the suit up to that rank may go home once bare.
  int firstHeld(int suit, int from, const FastPosition& position) const;
  // The card is one of the set whose pile is full up to it: nothing ever
  // lands on it.
  bool takesNothing(FastCard base) const;
  // The card, at home, may come back to the tableau while the set holds (see
  // above); answers are kept until the cards are all looked at again.
  bool mayComeBack(FastCard card, const FastPosition& position);
  // The cards as bits: one pack's fit in a word.
  static_assert(kMaxCards <= 64);
  static constexpr std::uint64_t kEveryCard = ((std::uint64_t{1} << kMaxCards) - 1) & ~std::uint64_t{1};
  static std::uint64_t bit(FastCard card) { return std::uint64_t{1} << card; }
  // The card and the cards that build on it, as bits.
  std::uint64_t withBuilders(FastCard card) const { return bit(card) | builders_[card]; }
  // Counts the suit's first held rank again from the given one, and lists
  // the cards it now lets go home.
  void raiseFirstHeld(int suit, int from, const FastPosition& position);
  // Lists the cards whose way out the card's drop may open.
  void listFreedBy(FastCard card, const FastPosition& position);
  // Takes the card out of the set, notes the drop and lists what it frees.
  void drop(FastCard card, const FastPosition& position);
  // The same for a card dropped before the list is made: nothing is listed.
  void dropTried(FastCard card, const FastPosition& position);

  const FastRules& rules_;
  bool applies_ = false;
  // The reserves only give: their cards count in the set as well.
  bool holdsReserves_ = false;
  // The stock whose cards count in the set (it deals onto reserves that
  // only give), or -1.
  int stockPile_ = -1;
  // Only single cards move: a card of the set keeps every card under it covered.
  bool singleCards_ = false;
  // Any face-up cards move together: the face-down cards count in the set.
  bool holdsFaceDown_ = false;
  // A card may go into a space: one shows now, or the bottom card of a pile
  // may leave (counted only where the face-down cards count in the set).
  bool spaceMayCome_ = true;
  // The cards every card builds on, as bits, and each suit's cards by rank.
  std::array<std::uint64_t, kMaxCards> bases_{};
  // The cards that build on each card, as bits (one pack: 52 of them).
  std::array<std::uint64_t, kMaxCards> builders_{};
  std::array<std::array<FastCard, 14>, 4> bySuit_{};
  // Where each card lies on the tableau this time (pile -1: elsewhere).
  std::array<std::int8_t, kMaxCards> pile_{};
  std::array<std::uint8_t, kMaxCards> slot_{};
  std::array<bool, kMaxCards> inSet_{};
  // The card right on each card of the tableau and the reserves (0 for none
  // and for the stock's cards, which nothing keeps covered).
  std::array<FastCard, kMaxCards> above_{};
  // Cards at home come back only onto the tableau as the count above tells.
  bool countsComingBack_ = false;
  // For each card at home, whether it may come back: 0 not asked since the
  // cards were last all listed, 1 yes, -1 no. An answer given earlier may
  // only be no where it has become yes since, which drops fewer cards, never
  // more; a whole look with fresh answers that drops nothing ends the count.
  std::array<std::int8_t, kMaxCards> comesBack_{};
  // Each suit's first held rank (see firstHeld), counted again as cards
  // drop: the cards dropped since it was counted only make it higher, so a
  // card it lets go home may go home.
  std::array<int, 4> firstHeld_{};
  // The cards of the set, and those of them to look at again, as bits.
  std::uint64_t held_ = 0;
  std::uint64_t waiting_ = 0;
  // The cards dropped so far, in turn, and those the last count dropped:
  // the order the next count tries first. Each card drops at most once.
  std::array<FastCard, kMaxCards> drops_{};
  int dropCount_ = 0;
  std::array<FastCard, kMaxCards> lastDrops_{};
  int lastDropCount_ = 0;
};

}  // namespace quilloro::solver
