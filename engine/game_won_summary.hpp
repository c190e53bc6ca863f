// The figures of the "Game won" dialog from a player's totals.
#pragma once

#include <string>

#include "engine/engine_observer.hpp"

namespace quilloro {

// Percentages rounded half up; the pie picture chosen by the larger share.
GameWonSummary summariseTotals(std::string gameName, long long won, long long lost);

}  // namespace quilloro
