// The moves a player with a plan makes: a run carried between tableau piles
// only to show a card, to clear a pile, or to free the card it lay on for
// home or for another card; never a card taken back from the foundations.
// The first, quick look for a win plays only these.
#pragma once

#include <vector>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether the step serves a purpose in the position it is played from.
bool hasPurpose(const FastPosition& position, const FastStep& step);

// Removes from moves every step without a purpose, keeping their order.
void keepPurposeful(const FastPosition& position, std::vector<FastStep>& moves);

}  // namespace quilloro::solver
