// Cards at home that never need to come back from the foundations.
//
// Take the cards at home in a position P and keep, of them, the greatest set
// N such that every card that could be built on a card of N, and every lower
// card of its suit, is in N too (start with every card at home and drop the
// cards that break the rule until none does). Then no line from P that wins
// needs to take a card of N back to the tableau or a free cell.
//
// Take a line L from P that wins, and the line L' made of the moves of L
// that carry no card of N (moves of runs lose the cards of N at their top;
// moves of cards of N alone, or of runs with one at their bottom, go). At
// every step of L, the cards of N out on the table lie at the top of their
// piles, above every other card: a card of N comes out only onto a card it
// builds on, or onto an empty pile or free cell, and a card put onto a card
// of N builds on it and is in N itself. So the table of L' at each step is
// the table of L with those top cards gone home: the suits' cards of N are
// lowest in their suits, so each foundation of L' holds those of L and the
// cards of N of its suit that L holds out. Every move of L' then plays as it
// did in L: its card is no card of N and never lies on one, its target's top
// card is the same (a card of N on top would take only cards of N), a run
// without its top cards is still a run, a pile has as many cards or fewer,
// and as many free piles and cells or more, so no limit on runs or heights
// bars it; a card goes home onto the same card of its suit (the cards of N
// of a suit lie below every other), and a card shows at the same step.
// L' ends with every card home, so it wins too, and it never takes back a
// card of N. A shortest winning line is its own L', so it takes back no card
// of N at any step: a search that never takes back a card of the set of
// the position it stands in keeps a winning line of every deal that can be
// won.
//
// This holds for one pack (a card and its twin would share no place in N),
// where the stock deals no rows onto the piles and no reserve fills a space
// (either would play differently onto piles that hold fewer cards).
#pragma once

#include <array>
#include <vector>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

class NeedlessCards {
 public:
  explicit NeedlessCards(const FastRules& rules);

  // Whether the rules are ones the argument above holds for.
  bool applies() const { return applies_; }
  // Works out the set for the position; afterwards needless() answers for it.
  void find(const FastPosition& position);
  // Whether the card is home and in the set found last.
  bool needless(FastCard card) const { return inSet_[card]; }

 private:
  static constexpr int kMaxCards = kCardsPerPack + 1;

  const FastRules& rules_;
  bool applies_ = false;
  // The cards that could be built on each card, and each suit's cards by rank.
  std::array<std::vector<FastCard>, kMaxCards> builders_{};
  std::array<std::array<FastCard, 14>, 4> bySuit_{};
  std::array<bool, kMaxCards> inSet_{};
};

}  // namespace quilloro::solver
