// What may cut a search short besides its own budget of positions and memory:
// the stop flag and the clock. Neither decides a verdict; they only end a
// search early, which then answers Unknown.
#pragma once

#include <atomic>
#include <chrono>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

class SearchClock {
 public:
  SearchClock(int milliseconds, const std::atomic<bool>* stop) : milliseconds_(milliseconds), stop_(stop) {}

  // Whether the stop flag is set or the time ran out, remembering which.
  // Reading the clock costs: searches ask only once per many positions.
  bool cutShort() {
    if (stop_ && stop_->load(std::memory_order_relaxed)) {
      stopped_ = true;
      return true;
    }
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began_);
    if (elapsed.count() < milliseconds_) return false;
    outOfTime_ = true;
    return true;
  }

  bool stopped() const { return stopped_; }
  bool outOfTime() const { return outOfTime_; }
  bool cut() const { return stopped_ || outOfTime_; }

  // Writes why the search ended early, if it did, and how long it ran.
  void report(SolveResult& result) const {
    result.stopped = stopped_;
    result.outOfTime = outOfTime_;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
  }

 private:
  int milliseconds_;
  const std::atomic<bool>* stop_;
  bool stopped_ = false;
  bool outOfTime_ = false;
  std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
};

}  // namespace quilloro::solver
