// DATA/STAT_LOG.DAT: one fixed-column line per booked game.
#include "stats/result_log.hpp"

#include "app/core/shared_routines.hpp"
#include "stats/file_rewrite.hpp"
#include "stats/text_lines.hpp"

#include <algorithm>

namespace quilloro::stats {

std::string formatResultLogLine(const ResultLogEntry& entry) {
    std::string line;
    line.reserve(kResultLogLineLength);
    line += fitField(formatDateCompact(entry.end), 8) + ' ';
    line += fitField(formatTimeOfDay(entry.end), 8) + ' ';
    line += fnZeroPad(std::clamp(entry.elapsedSeconds, 0, 999999), 6) + ' ';
    line += fnZeroPad(std::clamp(entry.gameIndex, 0, 9999), 4) + ' ';
    line += fitField(entry.gameName, 50) + ' ';
    line += fitField(entry.player, logcolumn::PlayerWidth) + ' ';
    line += entry.won ? "Won  " : "Lost ";
    line += fitField(entry.scoringKind, 2) + ' ';
    line += fitField(entry.score, 6) + ' ';
    line += fitField(entry.gameNumber, 15) + ' ';
    line += "0310";
    return line;
}

FileError appendResultLogLine(const std::filesystem::path& log, const ResultLogEntry& entry) {
    auto current = readWholeFile(log);
    if (current.error) {
        return current.error;
    }
    std::string content = std::move(current.content);
    // A last line without its line end gets one, so the new line starts at
    // column 1 where the readers look for it.
    if (!content.empty() && content.back() != '\n') {
        content += kLineEnd;
    }
    content += formatResultLogLine(entry);
    content += kLineEnd;
    return rewriteFile(log, content);
}

}  // namespace quilloro::stats
