// DATA/STAT_LOG.DAT: one fixed-column line per booked game.
#pragma once

#include "app/core/atomic_file.hpp"
#include "app/core/local_time.hpp"

#include <filesystem>
#include <string>

namespace quilloro::stats {

struct ResultLogEntry {
    LocalDateTime end;
    int elapsedSeconds = 0;
    int gameIndex = 0;
    std::string gameName;  // positions 11-60 of the game's catalogue line
    std::string player;
    bool won = false;
    std::string scoringKind;
    std::string score;  // as the settings record holds it, plain signed text
    std::string gameNumber;
};

// Columns of a log line, counted from 1.
namespace logcolumn {
inline constexpr int GameIndex = 26;   // 4 wide
inline constexpr int Player = 82;      // 30 wide
inline constexpr int PlayerWidth = 30;
}  // namespace logcolumn

inline constexpr int kResultLogLineLength = 147;

// The line without its line end: date, time, elapsed seconds, game index,
// game name, player, "Won  " or "Lost ", scoring kind, score, game number and
// the format mark "0310", with a space between the fields. Elapsed seconds
// and the game index are held to what their columns can show.
std::string formatResultLogLine(const ResultLogEntry& entry);

// Adds the line (with CR LF) at the end of the log, creating it when missing.
// The whole log is rewritten through a temporary file, so a failure never
// leaves half a line behind.
FileError appendResultLogLine(const std::filesystem::path& log, const ResultLogEntry& entry);

}  // namespace quilloro::stats
