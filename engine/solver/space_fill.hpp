// The spaces the engine fills by itself: after every card the player moves,
// each empty tableau pile in turn takes the top card of the first reserve
// (Canfield), as long as the reserve lasts.
#pragma once

#include <vector>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Where the fill comes from, if it would come now; -1 where no card would.
int spaceFillSource(const FastPosition& position);

// Fills every empty tableau pile, from the first, as the engine does after a
// move, as long as the source gives a card; the fills made are appended to
// steps (they undo like any step).
void fillSpaces(FastPosition& position, std::vector<FastStep>& steps);

// Emptying the tableau pile now would make the engine fill it at once.
bool emptyingFills(const FastPosition& position, int pile);

}  // namespace quilloro::solver
