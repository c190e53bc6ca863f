// The search for the games whose tableau is a row of single cards that only go
// home, each gap filled at once from the waste or the stock (Sultan's divan).
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly;
// nothing otherwise. Won answers moves that replay through the engine; Lost
// means every position reachable was seen.
std::optional<SolveResult> divanSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the search sees in the start position, as the engine's moves;
// nothing when the game kind is not one it plays. For checking its rules
// against the engine's.
std::optional<std::vector<SolverMove>> divanMoves(const SolverStart& start);

}  // namespace quilloro::solver
