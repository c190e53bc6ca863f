// The search for the game that removes two top cards adding up to 14
// (Fourteen Out): depth first over pile heights, every position entered once.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind removes pairs of top cards adding up to
// 14 and nothing is chosen yet; nothing otherwise. Won answers moves that
// replay through the engine; Lost means every position reachable was seen.
std::optional<SolveResult> fourteenSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// The pairs the search sees in the start position, each as its two clicks;
// nothing when the game kind is not one it plays. For checking its rules
// against the engine's.
std::optional<std::vector<std::pair<CardNumber, CardNumber>>> fourteenPairs(const SolverStart& start);

}  // namespace quilloro::solver
