// A moment of local time, broken down, as the clock, the result log and the
// hi-score table write it.
#pragma once

#include <cstdint>
#include <string>

namespace quilloro {

struct LocalDateTime {
  std::int64_t epochSeconds = 0;  // seconds since 1970-01-01 00:00 UTC, for differences
  int year = 1970;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;
  int second = 0;
};

// The character between hours, minutes and seconds in written times.
inline constexpr char kTimeSeparator = ':';

// The present moment in the machine's time zone.
LocalDateTime localNow();
// The moment of the given epoch seconds in the machine's time zone.
LocalDateTime localTimeAt(std::int64_t epochSeconds);

// "yyyymmdd".
std::string formatDateCompact(const LocalDateTime& moment);
// "hh:nn:ss", two digits each.
std::string formatTimeOfDay(const LocalDateTime& moment);

}  // namespace quilloro
