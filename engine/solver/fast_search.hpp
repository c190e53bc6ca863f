// The fast search for plain building games: over a compact position, every
// position seen once, safe plays home without branching; best first where
// every card shows, depth first (fast_depth_search) where cards lie hidden.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the fast search plays (see
// FastRules); nothing otherwise. Won answers moves that replay through the
// engine; Lost means every position reachable was seen.
std::optional<SolveResult> fastSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the fast search sees in the start position, as the engine's
// moves, with no interchangeable target left out; nothing when the game
// kind is not one it plays. For checking its rules against the engine's.
std::optional<std::vector<SolverMove>> fastMoves(const SolverStart& start);

}  // namespace quilloro::solver
