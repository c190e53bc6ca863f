// The hint: the first move of a solution, or of the way to the best position
// found within the budget; and a worker that finds it off the interface thread.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

struct Hint {
  SolverMove move;
  // The search found a win that starts with this move.
  bool leadsToWin = false;
};

// Nothing when no move is possible (or the stop flag ended the search first).
std::optional<Hint> findHint(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop = nullptr);

// Searches for a hint on a thread of its own. The game is copied when the
// search starts (quickly, on the caller's thread); the game may change
// meanwhile. The interface polls ready() and takes result().
class HintWorker {
 public:
  HintWorker() = default;
  HintWorker(const HintWorker&) = delete;
  HintWorker& operator=(const HintWorker&) = delete;
  // Cancels a search still running and waits for its thread to end.
  ~HintWorker();

  // Starts a search for the game's position; any search still running is cancelled first.
  void start(const Game& game, const Budget& budget);
  // Sets the cancel flag and waits for the thread (it ends within a few nodes).
  void cancel();
  bool running() const { return thread_.joinable() && !done_->load(); }
  bool ready() const { return thread_.joinable() && done_->load(); }
  // The finished search's hint (joins the thread); nothing while it runs.
  std::optional<Hint> result();

 private:
  struct Shared {
    SolverStart start;
    Budget budget;
    std::atomic<bool> stop{false};
    std::optional<Hint> hint;
  };
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<std::atomic<bool>> done_ = std::make_shared<std::atomic<bool>>(false);
  std::thread thread_;
};

}  // namespace quilloro::solver
