// Cards at home that never need to come back while the other suits'
// foundations are close behind them.
//
// The rules: one pack, tableau piles built down in alternate colours, runs
// that follow the build rule (or any face-up cards, see below) travel whole
// at any length, piles of any height, four foundations built up in suit, any
// foundation's top card may be taken back onto a tableau card it builds on
// (or a king into an empty pile), no free cells or reserves, and a stock (if
// any) that only turns cards onto a waste nothing is put on.
//
// Take a position Q whose foundation of suit s holds the cards up to rank r,
// with c, of rank r and colour X, on top; both foundations of the other
// colour Y hold r-2 cards or more, and the other suit s' of colour X holds
// r-3 or more. Then no shortest line that wins from Q starts by taking c
// back. Take such a line L and let Z be the cards at home in Q of colour X
// up to rank r and of colour Y up to rank r-1 (for every suit the lowest
// cards, up to some rank). A card that could be built on a card of Z is of
// Z, or one of W: a card of colour Y and rank r-1 not home in Q (its
// foundation then holds r-2 cards) or the card of s' and rank r-2 not home
// in Q (s' then holds r-3); the only cards that could be built on a card of
// W are of Z or W.
//
// Build a line L' from Q alongside L. Cards of Z that L brings out, and the
// cards of W that L' sends home where L puts them on a card of Z or W (call
// them diverted), stay home in L'; every other card lies in L' where it lies
// in L. Each such card out in L lies at the top of its pile with only such
// cards above it, since only cards of Z or W can be put on it, and a card of
// W put there is diverted. L' plays every move of L that carries a card not
// held home, without the held cards at the top of its run (a run without its
// top cards is a run, the card it goes onto or the empty pile is the same
// one, a pile has as many cards or fewer); a card goes home onto the same
// card of its suit (held cards are the lowest of their suits), and a card
// taken back is the same top card. Moves of held cards are left out. Where L
// puts a card of W on a held card, L' sends it home instead: it is bare
// there but for held cards, or for the card of s' on a card of colour Y,
// which then goes home first, and its foundation holds the cards below it,
// held home. Where L takes such a card back onto a held card, L' leaves it
// home. So L' spends one move on each diverted card, and L spends one later
// on sending it home, which L' leaves out, besides the move that diverts it;
// L' neither takes c back nor sends it home again, as L must. L' ends with
// every card home, so it wins in fewer moves than L. (L' may have more empty
// piles than L, which bars no move of it. The same holds where a card of Z
// starts out bare on the tableau and L' sends it home first: then L' may
// show the card under it sooner, which bars nothing either.)
//
// Where any face-up cards travel together (a run need not follow the build
// rule), a card of W could travel onto a held card under cards that cannot
// go home with it. There the other colour must hold r-1 cards or more and s'
// r-2 or more: then W is empty, nothing is ever diverted, and the rest holds
// as it stands (a group without its top cards travels as the whole did).
//
// The rest of a shortest line, from any position it passes, is a shortest
// line from there: so no step of it takes back such a card, and a search
// never does, in whatever position it stands.
#pragma once

#include <array>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

class KeptHome {
 public:
  explicit KeptHome(const FastRules& rules);

  // Whether the rules are ones the argument above holds for.
  bool applies() const { return applies_; }
  // Whether the card, on top of its foundation, stays home: the other suits'
  // foundations are close enough behind it.
  bool keeps(const FastPosition& position, FastCard card) const;

 private:
  // How many cards of the suit are home, counted from its lowest.
  static int homeRun(const FastPosition& position, int suit);

  const FastRules& rules_;
  bool applies_ = false;
  // How many ranks the other colour's foundations may be behind the card;
  // the other suit of its colour may be one more.
  int slack_ = 2;
  std::array<bool, 4> redSuit_{};
};

}  // namespace quilloro::solver
