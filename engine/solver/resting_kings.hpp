// A lost position seen at a glance where a king may move only onto a queen
// (Shamrocks: one rank up or down onto short fans, no space ever filled).
//
// Take a king on the tableau that is not home. Either it never moves again
// and goes home from where it lies, so that every card under it in its pile
// goes home after it; or it moves at least once more, only ever onto a bare
// queen, and goes home from the last queen it lies on, which cannot leave
// while the king covers it and so goes home after it. That last queen is
// not of the king's own suit: the king goes home only after it. A king goes
// home after every lower card of its suit, and a card after the lower ones
// of its suit too, so "king of suit a home before a card of suit b" makes
// every card of suit a wait for b's king. Choosing for every king where it
// rests last, the suits wait for one another along these links; where each
// choice leaves some suit waiting for itself round a ring, no play brings
// every king home, and the position is lost.
#pragma once

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether the rules are ones the count above holds for: one pack, single
// cards moving one rank up or down in any suit, never past the king onto
// the ace, no card ever put on an empty pile, no stock and no reserves.
bool kingsRestOnlyOnQueens(const FastRules& rules);

// Whether no choice of where every king rests last lets each suit come
// home; always false where the rules are not ones it holds for.
bool kingsFindNoRest(const FastPosition& position);

}  // namespace quilloro::solver
