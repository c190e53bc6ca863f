// The search for the one-pack games whose piles build down regardless of suit
// one card at a time, any card on a space, a stock turned once a card at a
// time onto the waste, and foundations in suit up from a dealt base rank,
// turning from king to ace (Four Seasons).
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly;
// nothing otherwise. Won answers moves that replay through the engine; Lost
// means every position reachable was seen.
std::optional<SolveResult> fourSeasonsSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the search sees in the start position, as the engine's moves;
// nothing when the game kind is not one it plays. For checking its rules
// against the engine's.
std::optional<std::vector<SolverMove>> fourSeasonsMoves(const SolverStart& start);

}  // namespace quilloro::solver
