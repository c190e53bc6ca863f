// The plays the fast searches make without branching: a face-down top card
// turned at once, and cards that no other card can still need sent home.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/kept_home.hpp"
#include "engine/solver/needless_cards.hpp"

namespace quilloro::solver {

class SafePlays {
 public:
  explicit SafePlays(FastPosition& position)
      : position_(position), kept_(position.rules()), needless_(position.rules()) {}

  // Plays the step (after its clicks on the stock), then the turns and safe
  // plays that follow it; every step made is appended to steps.
  void play(const FastStep& step, std::vector<FastStep>& steps);
  // The turns and safe plays of the position as it stands. keepOut, a card
  // just taken back from the foundations, stays where it is.
  void forcedSteps(std::vector<FastStep>& steps, FastCard keepOut = 0);

  // From now on, where one pack's cards come back from the foundations, a
  // card bare on a tableau card it builds on (or alone on a pile it may
  // fill) goes home unasked whenever it may and could come straight back,
  // except right after a step that brought in a card to wait for the move
  // onto it. Only for a search that brings such cards in paired with that
  // move (paired_moves).
  //
  // Why no win is lost. Call the moves that neither send a card home nor
  // take one back plain, and rank the lines that win by their plain moves,
  // then by their length. A least line L from a position can be told paired
  // (the telling reorders moves, or drops a card taken back that goes
  // straight home again or is carried on), and the other cuts of the search
  // hold for least lines as for shortest ones: needless_cards and kept_home
  // each turn a line into one with no more plain moves and fewer moves. So
  // the search may play L. Cut L after its first move that brings in no
  // card to wait: every card brought in is followed at once by the move
  // that uses it, so the piece ends in a plain move, or is one move home.
  // Its last position Q is won with fewer plain moves, or as many and a
  // card fewer out. Sending a bare card c home from there, to Q', costs no
  // plain move: c taken back onto the same card, which lies there still,
  // brings Q back, and L goes on; and Q' has a card fewer out. So from
  // every position the search enters at the end of a piece, (plain moves of
  // a least line, cards out) falls to the next such position, and the
  // search, which plays every piece (inside one this sends nothing home),
  // reaches a win from each that can be won.
  //
  // The same holds for a card of an endless stock turned one card a click,
  // which goes home too where the cards under it on its foundation are
  // needless (see needless_cards), as no least line takes one of them back:
  // every card of that stock can be played at any time, and wherever L
  // brings the card from the stock, it could come back from the foundations
  // instead, onto the same card, with a take-back for a plain move; it
  // stays on top of its foundation till then, as no card of its suit goes
  // home above it while L holds it out. (Without that, a card sent home
  // from the stock could bar the take-back of the one under it, where it
  // has nowhere to go itself.)
  void sendHomeWhatCouldComeBack() { sendsHomeWhatComesBack_ = true; }

 private:
  // Where cards come back from the foundations: the card, just played home
  // from the pile, could come straight back to it.
  bool mayComeBack(FastCard card, int pile) const;
  // The card is so low that it is never needed on the tableau again, even
  // where cards come back from the foundations (only in pairs with a card
  // played onto them, as paired_moves explains).
  bool lowEnough(FastCard card) const;
  // Whether the card may go home without spoiling a win: every card that
  // could still be built on it is home or may go home the same way.
  bool dispensable(int suit, int rank);
  // Sends home one card of an endless stock turned one card a click, where
  // it may go unasked; false when there is none.
  bool stockCardHome(std::vector<FastStep>& steps);
  // Whether the top card of a foundation, under a card that could go there,
  // is needless (or there is none); found tells whether the needless cards
  // of the position are known yet.
  bool underNeverComesBack(FastCard under, bool& found);

  FastPosition& position_;
  // A card that stays home once there (see kept_home) goes there unasked:
  // a line that wins with it bare on the tableau wins, shorter, with it home
  // (the argument there, with the card held home from the start).
  const KeptHome kept_;
  bool sendsHomeWhatComesBack_ = false;
  NeedlessCards needless_;
  // The step just played brought in a card that waits for the move onto it.
  bool cardWaits_ = false;
  std::array<std::array<std::int8_t, 14>, 4> known_{};
};

}  // namespace quilloro::solver
