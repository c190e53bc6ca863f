// The search for the games that discard a card once a higher card of its suit
// shows on another pile and deal a row from the stock (Aces Up).
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly;
// nothing otherwise. Won answers moves that replay through the engine; Lost
// means every position reachable was seen.
std::optional<SolveResult> acesUpSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the search sees in the start position, as the engine's moves;
// nothing when the game kind is not one it plays. For checking its rules
// against the engine's.
std::optional<std::vector<SolverMove>> acesUpMoves(const SolverStart& start);

}  // namespace quilloro::solver
