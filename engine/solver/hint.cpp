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

HintWorker::~HintWorker() { cancel(); }

void HintWorker::start(const Game& game, const Budget& budget) {
  cancel();
  shared_ = std::make_shared<Shared>();
  shared_->start = SolverStart::of(game);
  shared_->budget = budget;
  done_ = std::make_shared<std::atomic<bool>>(false);
  thread_ = std::thread([shared = shared_, done = done_] {
    shared->hint = findHint(shared->start, shared->budget, &shared->stop);
    done->store(true);
  });
}

void HintWorker::cancel() {
  if (!thread_.joinable()) return;
  shared_->stop.store(true);
  thread_.join();
  shared_.reset();
}

std::optional<Hint> HintWorker::result() {
  if (!ready()) return std::nullopt;
  thread_.join();
  std::optional<Hint> hint = shared_->hint;
  shared_.reset();
  return hint;
}

}  // namespace quilloro::solver
