// The search of the Spider family (Spider, Spiderette, Scorpion, Simple Simon
// and their kin): depth first with every position entered once.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one of the Spider family the search
// plays (see SpiderRules); nothing otherwise. Won answers moves that replay
// through the engine; Lost means every position reachable was seen.
std::optional<SolveResult> spiderSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// Every move the Spider search may make in the start position, as the
// engine's moves; nothing when the game kind is not one it plays. For
// checking its rules against the engine's.
std::optional<std::vector<SolverMove>> spiderMoves(const SolverStart& start);

}  // namespace quilloro::solver
