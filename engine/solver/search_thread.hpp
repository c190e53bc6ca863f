// One search of the solver's on a thread of its own, started from a copy of
// the game and polled by the interface, which never waits on it.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

template <typename Answer>
class SearchThread {
 public:
  // What the thread runs: the search from a position, within a budget, until the stop flag is set.
  using Search = Answer (*)(const SolverStart&, const Budget&, const std::atomic<bool>*);

  explicit SearchThread(Search search) : search_(search) {}
  SearchThread(const SearchThread&) = delete;
  SearchThread& operator=(const SearchThread&) = delete;
  // Cancels a search still running and waits for its thread to end.
  ~SearchThread() { cancel(); }

  // Copies the game's position (quickly, on the caller's thread) and starts
  // searching it; a search still running is cancelled first.
  void start(const Game& game, const Budget& budget) {
    cancel();
    shared_ = std::make_shared<Shared>();
    shared_->start = SolverStart::of(game);
    shared_->budget = budget;
    done_ = std::make_shared<std::atomic<bool>>(false);
    thread_ = std::thread([search = search_, shared = shared_, done = done_] {
      shared->answer = search(shared->start, shared->budget, &shared->stop);
      done->store(true);
    });
  }

  // Sets the stop flag and waits for the thread, which ends within a few positions.
  void cancel() {
    if (!thread_.joinable()) return;
    shared_->stop.store(true);
    thread_.join();
    shared_.reset();
  }

  bool running() const { return thread_.joinable() && !done_->load(); }
  bool ready() const { return thread_.joinable() && done_->load(); }

  // The finished search's answer (joins the thread); nothing while it runs.
  std::optional<Answer> take() {
    if (!ready()) return std::nullopt;
    thread_.join();
    return std::move(shared_->answer);
  }

  // The position the running or finished search started from; none after cancel.
  const SolverStart* startPosition() const { return shared_ ? &shared_->start : nullptr; }

 private:
  struct Shared {
    SolverStart start;
    Budget budget;
    std::atomic<bool> stop{false};
    Answer answer{};
  };
  Search search_;
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<std::atomic<bool>> done_ = std::make_shared<std::atomic<bool>>(false);
  std::thread thread_;
};

}  // namespace quilloro::solver
