// The search for the games that throw tableau cards on a discard pile one rank
// up or down (Golf, Black Hole, Putt Putt): depth first over pile heights, the
// stock's place and the discard pile's rank, every position entered once.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind throws cards on a discard pile and its
// table is one the search models exactly; nothing otherwise. Won answers
// moves that replay through the engine; Lost means every position reachable
// was seen.
std::optional<SolveResult> discardSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the discard search sees in the start position, as the engine's
// moves; nothing when the game kind is not one it plays. For checking its
// rules against the engine's.
std::optional<std::vector<SolverMove>> discardMoves(const SolverStart& start);

}  // namespace quilloro::solver
