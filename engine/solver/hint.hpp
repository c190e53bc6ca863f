// The hint: the first move of a solution, or of the way to the best position
// found within the budget; and a worker that finds it off the interface thread.
#pragma once

#include <atomic>
#include <optional>

#include "engine/solver/search_thread.hpp"
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
  // Starts a search for the game's position; any search still running is cancelled first.
  void start(const Game& game, const Budget& budget) { search_.start(game, budget); }
  // Sets the cancel flag and waits for the thread (it ends within a few nodes).
  void cancel() { search_.cancel(); }
  bool running() const { return search_.running(); }
  bool ready() const { return search_.ready(); }
  // The finished search's hint (joins the thread); nothing while it runs.
  std::optional<Hint> result() { return search_.take().value_or(std::nullopt); }

 private:
  SearchThread<std::optional<Hint>> search_{&findHint};
};

}  // namespace quilloro::solver
