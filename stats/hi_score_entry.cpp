// Hi-score entries, the default table, ranking and the texts the dialogs show.
#include "app/core/ini_file.hpp"
#include "app/core/shared_routines.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/text_lines.hpp"

#include <algorithm>

namespace quilloro::stats {

namespace {

// Counted from 0 within the value.
std::string_view field(std::string_view value, std::size_t offset, std::size_t width) {
    return offset < value.size() ? value.substr(offset, width) : std::string_view();
}

constexpr long long kEmptyScore = -999999;
constexpr int kEmptySeconds = 999999;

constexpr std::array<std::string_view, kHiScorePlaces> kDefaultNames{
    "* Amelia", "* Bruno", "* Clara",  "* Dario", "* Elena",  "* Fabio", "* Greta",
    "* Hugo",   "* Irene", "* Jonas",  "* Katia", "* Lorenzo", "* Marta", "* Nico",
    "* Olga",   "* Piero", "* Rosa",   "* Sandro", "* Tilde", "* Ugo"};
constexpr std::array<int, kHiScorePlaces> kDefaultScores{52, 45, 40, 30, 25, 20, 15, 14, 13, 12,
                                                         11, 10, 9,  8,  7,  6,  5,  4,  3,  2};

}  // namespace

HiScoreEntry HiScoreEntry::parse(std::string_view value) {
    HiScoreEntry entry;
    const auto score = parseDecimalInteger(field(value, 0, 6));
    const auto seconds = parseDecimalInteger(field(value, 7, 6));
    if (!score || !seconds) {
        return entry;
    }
    entry.empty = false;
    entry.score = *score;
    entry.elapsedSeconds = static_cast<int>(std::clamp<long long>(*seconds, -99999, 999999));
    entry.date = std::string(field(value, 14, 8));
    entry.time = std::string(field(value, 23, 8));
    entry.player = fnTrimRight(field(value, 32, 30));
    entry.gameNumber = fnTrimRight(field(value, 63, 15));
    entry.won = field(value, 79, 4) == "Won ";
    return entry;
}

std::string HiScoreEntry::format() const {
    if (empty) {
        return std::string(kHiScoreEntryLength - 2, ' ') + " x";
    }
    std::string text;
    text.reserve(kHiScoreEntryLength);
    text += fnZeroPad(std::clamp<long long>(score, -99999, 999999), 6) + ' ';
    text += fnZeroPad(std::clamp(elapsedSeconds, 0, 999999), 6) + ' ';
    text += fitField(date, 8) + ' ';
    text += fitField(time, 8) + ' ';
    text += fitField(player, 30) + ' ';
    text += fitField(gameNumber, 15) + ' ';
    text += won ? "Won " : "Lost";
    text += " x";
    return text;
}

HiScoreTable defaultHiScoreTable(const LocalDateTime& now) {
    HiScoreTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        HiScoreEntry& entry = table[i];
        entry.empty = false;
        entry.score = kDefaultScores[i];
        entry.elapsedSeconds = 5 * kDefaultScores[i];
        entry.date = formatDateCompact(now);
        entry.time = formatTimeOfDay(now);
        entry.player = std::string(kDefaultNames[i]);
        entry.gameNumber = "000000000000000";
        entry.won = true;
    }
    return table;
}

int hiScorePlaceFor(const HiScoreTable& table, long long score, int elapsedSeconds) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const long long placed = table[i].empty ? kEmptyScore : table[i].score;
        const int placedSeconds = table[i].empty ? kEmptySeconds : table[i].elapsedSeconds;
        if (placed < score || (placed == score && placedSeconds > elapsedSeconds)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string elapsedTimeText(int seconds) {
    seconds = std::max(seconds, 0);
    const auto twoDigits = [](int n) { return fnZeroPad(n, 2); };
    return std::to_string(seconds / 3600) + kTimeSeparator + twoDigits(seconds % 3600 / 60) + kTimeSeparator +
           twoDigits(seconds % 60);
}

std::string positionText(int position) {
    const char* suffix = position == 1 ? "st" : position == 2 ? "nd" : position == 3 ? "rd" : "th";
    return std::to_string(position) + suffix + " best";
}

}  // namespace quilloro::stats
