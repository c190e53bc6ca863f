// Running a search off the interface thread.
#include "engine/solver/solve_worker.hpp"

namespace quilloro::solver {

SolveWorker::~SolveWorker() { cancel(); }

void SolveWorker::start(const Game& game, const Budget& budget) {
  cancel();
  shared_ = std::make_shared<Shared>();
  shared_->start = SolverStart::of(game);
  shared_->budget = budget;
  done_ = std::make_shared<std::atomic<bool>>(false);
  thread_ = std::thread([shared = shared_, done = done_] {
    shared->result = solve(shared->start, shared->budget, &shared->stop);
    done->store(true);
  });
}

void SolveWorker::cancel() {
  if (!thread_.joinable()) return;
  shared_->stop.store(true);
  thread_.join();
  shared_.reset();
}

std::optional<SolveResult> SolveWorker::result() {
  if (!ready()) return std::nullopt;
  thread_.join();
  SolveResult found = std::move(shared_->result);
  if (found.stopped) return std::nullopt;
  return found;
}

}  // namespace quilloro::solver
