// The game clock: started by a new game, resumed by an opened game, stopped at
// the end. Time comes from a source that tests replace.
#pragma once

#include <optional>
#include <string>

#include "app/core/local_time.hpp"

namespace quilloro {

class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual LocalDateTime now() const = 0;
};

class SystemTimeSource : public TimeSource {
 public:
  LocalDateTime now() const override { return localNow(); }
};

class GameClock {
 public:
  // One day: an opened game whose time has reached it starts again from 0.
  static constexpr int kSecondsPerDay = 24 * 3600;

  void start(const LocalDateTime& now) {
    startedAt_ = now.epochSeconds;
    pausedAt_.reset();
  }
  // Running, as if started elapsedSeconds ago.
  void resume(const LocalDateTime& now, int elapsedSeconds);
  void stop() {
    startedAt_.reset();
    pausedAt_.reset();
  }
  bool running() const { return startedAt_.has_value(); }

  // A running clock holds its time until it goes on; paused, it is not running
  // but still shows (and a saved game keeps) the time it held.
  void pause(const LocalDateTime& now);
  void goOn(const LocalDateTime& now);
  bool paused() const { return pausedAt_.has_value(); }

  // Seconds since the start; the held time while paused; 0 when the clock is
  // stopped. A clock set back by the system never shows a negative time.
  int elapsedSeconds(const LocalDateTime& now) const;
  // The time display, "h:nn:ss"; "0:00:00" when not running.
  std::string display(const LocalDateTime& now) const { return formatElapsed(elapsedSeconds(now)); }

  // "h:nn:ss": hours without leading zero.
  static std::string formatElapsed(int seconds);

 private:
  std::optional<std::int64_t> startedAt_;
  std::optional<int> pausedAt_;
};

}  // namespace quilloro
