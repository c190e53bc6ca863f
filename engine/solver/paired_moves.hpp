// Cards brought into the tableau only to carry another card at once.
//
// A card taken back from the foundations and left bare can only wait on the
// tableau until it goes home again, moves on (alone, or on top of a run lifted
// from under it), takes a card, or lets the card under it on its foundation
// be taken back too. Going home again undoes it; moving on is the same as
// bringing it straight to where it goes; and the moves made meanwhile touch
// neither the card, nor the card it covers, nor its foundation, so bringing
// it can wait until the move that puts a card on it or takes back the next
// card of its foundation. Every line that wins can so be told with each such
// card followed at once by one of those, and a search that plays only such
// pairs still sees every deal that can be won. A card taken back into a free
// cell takes no card: it goes there only to free the one under it.
//
// The same holds for a card of an endless stock turned one card a click:
// every card of it can be reached by clicks at any time, whatever else was
// played, so it too waits there until a card is to be put on it.
//
// A run lifted off a face-up card u onto a card v of the tableau changes only
// which of the two carries the run (see run_transfers.hpp): it waits until u
// is needed bare, by the move that puts a card on u, sends u home or into a
// free cell.
//
// Two of these may wait for the same move: the take-back of a card x onto a
// card c that waits (brought in, or left bare by a run lifted off it), where
// x lay on its foundation under a card y taken back only to free it. Then c
// and y both wait for x, and only one of them can come right before it. No
// move is waited for by more than two: it lands on one card and frees one
// foundation card. So the line can be told with c, then y, then x: c is
// followed by the take-back of y (to wherever the line puts y: never onto c,
// which takes x), and y by the move it waits for. Where x in turn waits, the
// three wait together for x's next move, which neither c nor y touches. So a
// search that also pairs a card with the take-back of a card lying, on
// another foundation, on one that could come onto it still sees every deal
// that can be won.
#pragma once

#include <vector>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// The same holds for a card brought in by the move onto such a card (from
// the stock, or taken back): it too waits, and the line that wins can be
// told with the move that uses it next in turn. So a search may follow such
// a move with those moves alone (coverMoves), as long as it tells those
// positions apart from the same ones reached otherwise. Where the move onto
// the card needs another card taken back first, to bare the card to come,
// that take-back is among them, as above.

// One choice of a search: a single step, or a card brought into the tableau
// (first, after its clicks on the stock) and the step that plays a card onto
// it (second).
struct PairedStep {
  FastStep first;
  FastStep second;
  bool paired = false;
};

// The choices of the position, given its moves: every move that takes a card
// back from the foundations, and where the stock is endless and turns one
// card a click every move of a stock card onto the tableau, is replaced by
// its pairs with the moves onto that card (and, for a card taken back, with
// taking back the card under it). The position is left as it was.
void pairMoves(FastPosition& position, const std::vector<FastStep>& moves, std::vector<PairedStep>& choices);

// Whether the step brings a card into the tableau that waits there for the
// move onto it: a card taken back from the foundations, or a card of an
// endless stock turned one card a click. Never with two packs.
bool waitsForCover(const FastPosition& position, const FastStep& step);

// The moves that may follow such a step, played just before: a card put
// on its card, for a card taken back, the card under it on its foundation
// taken back too, and the take-back of a card that lies on a card of another
// foundation that could come onto it.
void coverMoves(FastPosition& position, const FastStep& step, std::vector<FastStep>& out);

// Plays the clicks of the step and the step, nothing else, appending them.
void playBare(FastPosition& position, const FastStep& step, std::vector<FastStep>& steps);

}  // namespace quilloro::solver
