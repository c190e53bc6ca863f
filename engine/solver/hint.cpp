// Finding hints, in place or on a worker thread.
#include "engine/solver/hint.hpp"

#include "engine/solver/candidate_moves.hpp"
#include "engine/solver/scratch_table.hpp"

namespace quilloro::solver {

std::optional<Hint> findHint(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  const SolveResult result = solve(start, budget, stop);
  if (result.stopped) return std::nullopt;
  if (!result.moves.empty()) return Hint{result.moves.front(), result.verdict == Verdict::Won};
  // Every move leads back to a position already seen: any move that the
  // engine accepts is still a move the player may make.
  ScratchTable table(start.state, start.placed);
  table.load(start.state, start.redealCount);
  for (const SolverMove& move : candidateMoves(table.game())) {
    table.load(start.state, start.redealCount);
    if (applyMove(table.game(), move)) return Hint{move, false};
  }
  return std::nullopt;
}

}  // namespace quilloro::solver
