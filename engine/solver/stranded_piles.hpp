// A move the searches leave out where spaces are never filled: the only card
// of a tableau pile put onto another pile.
#pragma once

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether the rules let the searches leave such moves out: single cards
// move, and no card may be put on an empty tableau pile, by a player, the
// engine or a row dealt from the stock.
bool strandsNothingOfUse(const FastRules& rules);

// The step puts the only card of a tableau pile, face up, onto another
// tableau pile, where strandsNothingOfUse holds.
//
// Such a move never serves. Say card X lies alone on pile A and goes onto
// pile B. Whatever is played afterwards can be played without it, with A
// standing in for the part of B above the card X covers: a card put on X
// goes onto A instead (A holds fewer cards than B would, so it has room too),
// a card taken off that part of B comes off A, the card X covered is free
// all along, and home takes the same cards. Only the empty pile A is lost,
// and it takes nothing. So a deal won with the move is won without it, and
// one lost without it is lost with it.
bool strandsPile(const FastPosition& position, const FastStep& step);

}  // namespace quilloro::solver
