// The search for the games whose stock deals a card onto every pile, the piles
// building down in suit one card at a time, any card on a space, and the
// foundations building in suit up from the aces or down from the kings
// (Crossroads).
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly;
// nothing otherwise. Won answers moves that replay through the engine; Lost
// means every position reachable was seen.
std::optional<SolveResult> crossroadsSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the search sees in the start position, as the engine's moves;
// nothing when the game kind is not one it plays. For checking its rules
// against the engine's.
std::optional<std::vector<SolverMove>> crossroadsMoves(const SolverStart& start);

}  // namespace quilloro::solver
