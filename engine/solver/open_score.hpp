// How near a position of an open building game is to a win, as the
// best-first search ranks positions: cards still out, cards that must move
// before they can lie for good, cards above the next card each suit needs.
#pragma once

#include <array>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Higher is closer to a win. Meant for positions where (nearly) every card
// shows; face-down cards count as cards out of place.
int openScore(const FastPosition& position);

// The lowest rank of each suit not yet home in every pack (14 once the whole
// suit is home): what the foundations wait for next.
std::array<int, 4> lowestRanksOut(const FastPosition& position);

}  // namespace quilloro::solver
