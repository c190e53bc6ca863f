// The search for the games played from the stock onto foundations, with at
// most four tableau piles that only give cards or only take them from the
// waste (Sir Tommy, Calculation, Quadrille, Osmosis, Ebb and Flow).
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly;
// nothing otherwise. Won answers moves that replay through the engine; Lost
// means every position reachable was seen.
std::optional<SolveResult> stockWasteSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the search sees in the start position, as the engine's moves
// (each the first of its step); nothing when the game kind is not one it
// plays. For checking its rules against the engine's.
std::optional<std::vector<SolverMove>> stockWasteMoves(const SolverStart& start);

}  // namespace quilloro::solver
