// Booking a finished game in the statistics, and reading the totals back.
#pragma once

#include "app/core/atomic_file.hpp"
#include "app/core/settings_record.hpp"
#include "stats/result_files.hpp"
#include "stats/statistics_record.hpp"

#include <string_view>

namespace quilloro::stats {

struct BookingResult {
    StatisticsRecord record;  // as written
    FileError error;
};

// Counts the game in STAT.DAT for (game index, player) and in the run
// counters of the settings record. The run counters count the games played
// in this run, so they advance also when the file cannot be written; they
// stop at 9999.
BookingResult bookResult(const ResultFiles& files, SettingsRecord& settings, int gameIndex,
                         std::string_view player, bool won, long long score);

// Both run counters back to "0000".
void resetRunCounters(SettingsRecord& settings);

// The STAT.DAT record of (game index, player), with the run counters when
// they are the current player and game kind, else 0 and 0.
struct Totals {
    StatisticsRecord record;
    int runWon = 0;
    int runLost = 0;
};
Totals readTotals(const ResultFiles& files, const SettingsRecord& settings, int gameIndex,
                  std::string_view player);

}  // namespace quilloro::stats
