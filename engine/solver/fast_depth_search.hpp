// The deciding search for plain building games: depth first over the fast
// position, holding only the keys of the positions seen, so that the whole
// reachable space of a lost deal fits in memory far more often.
#pragma once

#include <atomic>

#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Won answers moves that replay through the engine; Lost means every
// position reachable was seen; Unknown (budget spent) answers the line that
// brought the most cards home.
SolveResult depthSolve(const FastRules& rules, const SolverStart& start, const Budget& budget,
                       const std::atomic<bool>* stop);

}  // namespace quilloro::solver
