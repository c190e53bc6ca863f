// DATA/STAT_LOG.DAT: one fixed-column line per booked game.
#pragma once

#include "app/core/atomic_file.hpp"
#include "app/core/local_time.hpp"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

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

// Adds the line (with CR LF) at the end of the log, creating it when missing:
// one appending write, flushed to disk, whatever the log's size. A crash in
// the middle can leave only the new line torn, which the readers skip. A log
// that is read-only or not a regular file is refused and left alone.
FileError appendResultLogLine(const std::filesystem::path& log, const ResultLogEntry& entry);

// Calls visit with every whole line of the log (without its line end), one
// at a time, so a log of any size can be read; a last line without its line
// end (torn by a crash) is skipped. A missing log has no lines.
FileError forEachResultLogLine(const std::filesystem::path& log, const std::function<void(std::string_view)>& visit);

}  // namespace quilloro::stats
