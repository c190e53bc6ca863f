// A proof that a Spider family deal is lost: some tableau card can never
// leave the place it lies in, so the tableau never clears.
//
// The argument. Take any play from the position and look at the first time a
// card x leaves its place (moved, or gone home with a complete run). Then:
// - The cards that lay above x at the start and still lie there form an
//   unbroken stretch right above it (a card moves only with all above it),
//   and x leaves together with them, so they make a run with x. Every other
//   card above x (and every card above a face-down x, which turns only when
//   bare) has left before.
// - x leaves lifted with the card below it, when they make a run; or x is the
//   lowest card of the run and lands on a bare card it builds on, or in a gap;
//   or x goes home where it lies, which needs the cards below it to be the
//   rest of its run up to the king, face up, from the start (nothing slips in
//   under a card that has not moved). With one pack, every other card of that
//   run then lies in place on x from the start, comes from the stock, or has
//   left its own place to join it.
// - A bare card d was bare or face down at the start with every card above it
//   gone since, and it does not lie below x on x's own pile. A gap is a pile
//   other than x's whose cards have all left. A card still in the stock may
//   be dealt bare onto any pile: it counts as a card that may lie bare.
// The cards that may ever leave are therefore among the smallest set closed
// under these conditions, which the check builds up from nothing. A card left
// outside it never leaves its place, and the deal is lost. Nothing here looks
// at the order of deals or at the gaps a deal refuses, so the check holds
// whatever the stock does.
#pragma once

#include "engine/solver/spider_position.hpp"

namespace quilloro::solver {

// Whether some tableau card of the position can never leave its place.
bool someCardStranded(const SpiderPosition& position);

// Whether the searches should ask someCardStranded: with one pack building
// regardless of suit (Spiderette, Simple Simon), where no card waits on one
// card alone and SpiderPosition::deadlocked never holds. Measured on
// Spiderette, it holds on most positions the last stock row leads to, and
// cuts the positions a lost deal needs to a third; it costs about as much as
// expanding a position, so the searches ask it once per position entered.
inline bool asksForStrandedCards(const SpiderRules& rules) { return rules.packs() == 1 && !rules.buildsInSuit(); }

}  // namespace quilloro::solver
