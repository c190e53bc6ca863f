// Cards the stock beam takes back from the foundations: with two packs a
// card taken back often carries a card of the other colour that frees a
// pile (Gypsy, Gargantua), but left bare it only waits, and listing every
// card that could come back would swamp each stage's search. So a card comes
// back only together with a move that puts a card on it at once. The beam
// looks only for wins, so leaving the other take-backs out loses nothing
// that it could prove.
#pragma once

#include <vector>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether the beam pairs take-backs under the rules: two packs or more whose
// foundations give cards back.
bool beamTakesBack(const FastRules& rules);

// Whether the step takes a card back from a foundation.
bool takesBackHome(const FastPosition& position, const FastStep& step);

// For the take-back step, the moves that put a card onto the card taken
// back, as they stand once it is there (listed as the beam lists the moves
// of a stage: the tableau's and the waste card's). The position is left as
// it was.
void movesOntoTakenBack(FastPosition& position, const FastStep& takeBack, std::vector<FastStep>& out);

}  // namespace quilloro::solver
