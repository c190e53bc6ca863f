// The search for the games with a fanned reserve that only gives, piles that
// build down in alternate colours one card at a time, each space filled at
// once from the waste, a stock turned once, and foundations building up in
// alternate colours from a dealt base rank (Terrace).
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly;
// nothing otherwise. Won answers moves that replay through the engine; Lost
// means every position reachable was seen.
std::optional<SolveResult> terraceSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the search sees in the start position, as the engine's moves;
// nothing when the game kind is not one it plays. For checking its rules
// against the engine's.
std::optional<std::vector<SolverMove>> terraceMoves(const SolverStart& start);

}  // namespace quilloro::solver
