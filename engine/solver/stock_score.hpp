// How near a position of a building game with a stock is to a win, as the
// best-first search ranks positions: cards home, and the cards that still
// have to move before the next card of each suit can go home, on the
// tableau and on the waste alike.
#pragma once

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Higher is closer to a win.
int stockScore(const FastPosition& position);

}  // namespace quilloro::solver
