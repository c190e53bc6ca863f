// How near a position of a game of short fans is to a win (Shamrocks: one
// rank up or down in any suit onto fans of at most a few cards, no space ever
// filled), as the best-first search ranks positions.
#pragma once

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether the rules are those of short fans: piles of a set most cards, and
// no card ever put on an empty pile.
bool scoresShortFans(const FastRules& rules);

// Higher is closer to a win: cards home, and few cards lying above a lower
// card of their own suit, each of which must move off before that one can
// go home; room left on the fans to move them counts a little.
int fanScore(const FastPosition& position);

}  // namespace quilloro::solver
