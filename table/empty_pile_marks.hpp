// Which mark an empty pile shows: its base rank, a redeal still to come, or the plain mark of its kind.
#pragma once

#include <optional>

#include "engine/game_parameters.hpp"
#include "engine/pile_names.hpp"

namespace quilloro {

// The mark of a base-rank code (1, 81 and 85 the ace, 2 to 10 the numbers,
// 11 jack, 12 queen, 13 and 84 king); nothing for any other code.
std::optional<int> baseRankMark(int baseRank);

// The mark code of the empty pile; nothing for a pile that shows no mark
// (a waste of a game without stock pile that may redeal). redealCount is the
// game's redeal counter, 1 at the deal; wasteCards the waste's card count.
std::optional<int> emptyPileMark(PileRef pile, const GameParameters& parameters, int redealCount, int wasteCards);

}  // namespace quilloro
