// Running a search off the interface thread.
#include "engine/solver/solve_worker.hpp"

namespace quilloro::solver {

std::optional<SolveResult> SolveWorker::result() {
  std::optional<SolveResult> found = search_.take();
  if (found && found->stopped) return std::nullopt;
  return found;
}

}  // namespace quilloro::solver
