// The optional turning of uncovered cards: a face-down card left on top of a
// tableau pile is turned by itself, each turn a move of its own with its undo step.
#pragma once

#include "engine/game.hpp"

namespace quilloro {

// Whether the player's click would turn such a card in this game kind: not
// in the selection games nor where a tableau click plays to the discard pile.
bool turnsUncoveredCards(const Game& game);

// Turns every face-down top card of the tableau; answers how many it turned.
int turnUncoveredCards(Game& game);

}  // namespace quilloro
