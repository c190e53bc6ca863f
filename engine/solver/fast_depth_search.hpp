// The deciding search for plain building games: depth first over the fast
// position, holding only the keys of the positions seen, so that the whole
// reachable space of a lost deal fits in memory far more often.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>

#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Won answers moves that replay through the engine; Lost means every
// position reachable was seen; Unknown (budget spent) answers the line that
// brought the most cards home.
SolveResult depthSolve(const FastRules& rules, const SolverStart& start, const Budget& budget,
                       const std::atomic<bool>* stop);

// The same search, stopped when it has seen a number of positions and taken
// up again later where it stopped: the positions seen and the path are kept,
// so a search taken up again sees what one search on the whole budget sees,
// in the same order, and answers the same.
class ResumableDepthSolve {
 public:
  // The memory bound holds for the whole search, whatever each call's budget says.
  ResumableDepthSolve(const FastRules& rules, const SolverStart& start, std::size_t memoryBytes);
  ~ResumableDepthSolve();
  ResumableDepthSolve(const ResumableDepthSolve&) = delete;
  ResumableDepthSolve& operator=(const ResumableDepthSolve&) = delete;

  // Searches on until budget.nodes positions in all (counted from the first
  // call), the budget's time or the stop; the result counts the positions of
  // every call so far and the time of this one. Once the search is won,
  // exhausted or its memory is full, every call answers the same.
  SolveResult solve(const Budget& budget, const std::atomic<bool>* stop);
  // The memory the search holds between calls.
  std::size_t memoryHeld() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace quilloro::solver
