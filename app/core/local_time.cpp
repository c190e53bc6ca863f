// Local time from the C library, written the way the result files need it.
#include "app/core/local_time.hpp"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace quilloro {

LocalDateTime localTimeAt(std::int64_t epochSeconds) {
  const std::time_t seconds = static_cast<std::time_t>(epochSeconds);
  std::tm parts{};
  localtime_r(&seconds, &parts);
  LocalDateTime moment;
  moment.epochSeconds = epochSeconds;
  moment.year = parts.tm_year + 1900;
  moment.month = parts.tm_mon + 1;
  moment.day = parts.tm_mday;
  moment.hour = parts.tm_hour;
  moment.minute = parts.tm_min;
  moment.second = parts.tm_sec;
  return moment;
}

LocalDateTime localNow() {
  const auto now = std::chrono::system_clock::now();
  return localTimeAt(std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count());
}

std::string formatDateCompact(const LocalDateTime& moment) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", moment.year % 10000, moment.month % 100, moment.day % 100);
  return text;
}

std::string formatTimeOfDay(const LocalDateTime& moment) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", moment.hour % 100, kTimeSeparator, moment.minute % 100,
                kTimeSeparator, moment.second % 100);
  return text;
}

}  // namespace quilloro
