// A whole search on a thread of its own: the verdict and every move of the
// win, for the window's hint, its "can this deal still be won?" line and its
// finishing of a won position.
#pragma once

#include <optional>

#include "engine/solver/search_thread.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

class SolveWorker {
 public:
  // Copies the game's position (quickly, on the caller's thread) and starts
  // searching it; a search still running is cancelled first.
  void start(const Game& game, const Budget& budget) { search_.start(game, budget); }
  // Sets the stop flag and waits for the thread, which ends within a few positions.
  void cancel() { search_.cancel(); }
  bool running() const { return search_.running(); }
  bool ready() const { return search_.ready(); }
  // The finished search (joins the thread); nothing while it runs or after cancel.
  std::optional<SolveResult> result();
  // The position the running or finished search started from.
  const SolverStart* startPosition() const { return search_.startPosition(); }

 private:
  SearchThread<SolveResult> search_{&solve};
};

}  // namespace quilloro::solver
