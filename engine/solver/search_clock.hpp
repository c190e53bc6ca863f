// What may cut a search short besides its own budget of positions and memory:
// the stop flag and the clock. Neither decides a verdict; they only end a
// search early, which then answers Unknown.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>

#if defined(__unix__) || defined(__APPLE__)
#include <time.h>
#endif

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Milliseconds of processor time the calling thread has used, where the system
// tells it, so that a search's time budget means the same on a busy machine as
// on an idle one (a measurement of many deals may share the processor with
// other work); elsewhere, milliseconds of a steady wall clock.
inline double searchThreadMilliseconds() {
#if defined(CLOCK_THREAD_CPUTIME_ID)
  timespec now{};
  if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0)
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
#endif
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

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
    if (searchThreadMilliseconds() - began_ < milliseconds_) return false;
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
    result.seconds = (searchThreadMilliseconds() - began_) / 1000.0;
  }

 private:
  int milliseconds_;
  const std::atomic<bool>* stop_;
  bool stopped_ = false;
  bool outOfTime_ = false;
  double began_ = searchThreadMilliseconds();
};

// What a budget leaves for the next search once earlier ones spent the given
// positions and time; the time left is never below leastMilliseconds.
inline Budget budgetLeft(const Budget& budget, std::int64_t spentNodes, double spentSeconds,
                         int leastMilliseconds = 0) {
  Budget left = budget;
  left.nodes = budget.nodes - spentNodes;
  left.milliseconds = std::max(leastMilliseconds, budget.milliseconds - static_cast<int>(spentSeconds * 1000.0));
  return left;
}

}  // namespace quilloro::solver
