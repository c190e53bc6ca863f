// The game clock counts whole seconds of the system time, so that a game played
// across midnight keeps its time.
#include "engine/game_clock.hpp"

#include <algorithm>
#include <cstdio>

namespace quilloro {

void GameClock::resume(const LocalDateTime& now, int elapsedSeconds) {
  if (elapsedSeconds < 0 || elapsedSeconds >= kSecondsPerDay) elapsedSeconds = 0;
  startedAt_ = now.epochSeconds - elapsedSeconds;
  pausedAt_.reset();
}

void GameClock::pause(const LocalDateTime& now) {
  if (!startedAt_) return;
  pausedAt_ = elapsedSeconds(now);
  startedAt_.reset();
}

void GameClock::goOn(const LocalDateTime& now) {
  if (!pausedAt_) return;
  const int held = *pausedAt_;
  startedAt_ = now.epochSeconds - held;
  pausedAt_.reset();
}

int GameClock::elapsedSeconds(const LocalDateTime& now) const {
  if (pausedAt_) return *pausedAt_;
  if (!startedAt_) return 0;
  const std::int64_t elapsed = now.epochSeconds - *startedAt_;
  return static_cast<int>(std::clamp<std::int64_t>(elapsed, 0, 999999));
}

std::string GameClock::formatElapsed(int seconds) {
  seconds = std::max(seconds, 0);
  char text[32];
  std::snprintf(text, sizeof text, "%d%c%02d%c%02d", seconds / 3600, kTimeSeparator, seconds / 60 % 60, kTimeSeparator,
                seconds % 60);
  return text;
}

}  // namespace quilloro
