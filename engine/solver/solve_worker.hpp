// A whole search on a thread of its own: the verdict and every move of the
// win, for the window's hint, its "can this deal still be won?" line and its
// finishing of a won position.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

class SolveWorker {
 public:
  SolveWorker() = default;
  SolveWorker(const SolveWorker&) = delete;
  SolveWorker& operator=(const SolveWorker&) = delete;
  // Cancels a search still running and waits for its thread to end.
  ~SolveWorker();

  // Copies the game's position (quickly, on the caller's thread) and starts
  // searching it; a search still running is cancelled first.
  void start(const Game& game, const Budget& budget);
  // Sets the stop flag and waits for the thread, which ends within a few positions.
  void cancel();
  bool running() const { return thread_.joinable() && !done_->load(); }
  bool ready() const { return thread_.joinable() && done_->load(); }
  // The finished search (joins the thread); nothing while it runs or after cancel.
  std::optional<SolveResult> result();
  // The position the running or finished search started from.
  const SolverStart* startPosition() const { return shared_ ? &shared_->start : nullptr; }

 private:
  struct Shared {
    SolverStart start;
    Budget budget;
    std::atomic<bool> stop{false};
    SolveResult result;
  };
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<std::atomic<bool>> done_ = std::make_shared<std::atomic<bool>>(false);
  std::thread thread_;
};

}  // namespace quilloro::solver
