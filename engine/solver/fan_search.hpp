// The search for the fan games whose stock gathers the tableau and deals it
// out again (La Belle Lucie): fans built down in suit one card at a time,
// spaces never filled, the redeal a move like any other.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly;
// nothing otherwise. Won answers moves that replay through the engine; Lost
// means every position reachable was seen (or proven hopeless, see the
// source).
std::optional<SolveResult> fanSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the search sees in the start position, as the engine's moves;
// nothing when the game kind is not one it plays. For checking its rules
// against the engine's.
std::optional<std::vector<SolverMove>> fanMoves(const SolverStart& start);

}  // namespace quilloro::solver
