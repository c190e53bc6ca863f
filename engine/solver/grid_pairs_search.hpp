// The search for the game that removes two cards of one rank touching in a
// five by five grid and closes the gaps from the stock (Monte Carlo).
#pragma once

#include <atomic>
#include <optional>
#include <utility>
#include <vector>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Solves the start when its game kind is one the search models exactly and
// nothing is chosen yet; nothing otherwise. Won answers moves that replay
// through the engine; Lost means every position reachable was seen.
std::optional<SolveResult> gridPairsSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop);

// The pairs the search sees in the start position, each as its two clicks,
// and whether it would close the gaps; nothing when the game kind is not one
// it plays. For checking its rules against the engine's.
struct GridPairsMoves {
  std::vector<std::pair<CardNumber, CardNumber>> pairs;
  bool closesGaps = false;
};
std::optional<GridPairsMoves> gridPairsMoves(const SolverStart& start);

}  // namespace quilloro::solver
