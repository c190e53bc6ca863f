// DATA/STAT_SCR.DAT: the 20 best results per game kind and scoring kind.
#pragma once

#include "app/core/atomic_file.hpp"
#include "app/core/local_time.hpp"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace quilloro::stats {

inline constexpr int kHiScorePlaces = 20;
inline constexpr int kHiScoreEntryLength = 85;

// One place of a table. As a value: score (6, zero-padded), elapsed seconds
// (6, zero-padded), date "yyyymmdd", time "hh:nn:ss", player (30), game
// number (15), "Won " or "Lost", then the end mark " x"; one space between
// the fields.
struct HiScoreEntry {
    long long score = 0;
    int elapsedSeconds = 0;
    std::string date;
    std::string time;
    std::string player;
    std::string gameNumber;
    bool won = false;
    // An empty place, or one whose score or time is not a number: it ranks
    // below every result and is written back as an empty place.
    bool empty = true;

    static HiScoreEntry parse(std::string_view value);
    // The 85-character value; an empty place is 83 spaces and " x". Score
    // and time are held to what six characters can show.
    std::string format() const;
};

using HiScoreTable = std::array<HiScoreEntry, kHiScorePlaces>;

// The table a game kind starts with: fictitious players "* " + a first name
// with the scores 52, 45, 40, ... 2, five seconds per point, dated now.
HiScoreTable defaultHiScoreTable(const LocalDateTime& now);

// Where a result enters the table (0 to 19), or -1: in front of the first
// entry with a lower score, or with the same score and a longer time. Empty
// places count as score -999999 and 999999 seconds.
int hiScorePlaceFor(const HiScoreTable& table, long long score, int elapsedSeconds);

struct HiScoreOffer {
    int gameIndex = 0;
    std::string player;
    std::string scoringKind;
    LocalDateTime end;
    int elapsedSeconds = 0;
    long long score = 0;
    std::string gameNumber;
    bool won = false;
};

// The file is read line by line, with LF or CR LF line ends. A section is
// the lines after the first line beginning with "[" + name + "]" up to the
// next line beginning with "["; a key's line is the first of the section
// that begins with the key ("01-07"), its value the text after the first "=".
// Every change rewrites the whole file through a temporary file; lines that
// the change does not concern are kept byte for byte, lines written get CR LF.
class HiScoreFile {
public:
    explicit HiScoreFile(std::filesystem::path path);

    struct OfferResult {
        int position = -1;  // 0..19, or -1 when the result was not entered
        FileError error;
    };
    // Ranks the result in the table of its game and scoring kind (created as
    // the default table first when the table is empty and scores were never
    // cleared) and stores it when it enters. When the file cannot be written,
    // the position is -1 and the error says why.
    OfferResult offer(const HiScoreOffer& offer, const LocalDateTime& now);
    // The table, after the same default-table check; a default table made
    // here is stored as well.
    HiScoreTable readTable(int gameIndex, std::string_view scoringKind, const LocalDateTime& now);
    // Every table emptied for good: the file holds only its version and the
    // mark that scores were cleared, so tables stay empty from now on.
    FileError clearAll();
    // Creates the file with "[Version]" and "Version=0300" when it is missing.
    FileError ensure();
    // A file of a version below "0300" gets the version lines in front, and
    // every entry line (beginning with "0") is cut or filled to 89 characters
    // and given the end mark " x".
    FileError upgrade();

private:
    std::filesystem::path path_;
};

// "h:nn:ss": 330 seconds give "0:05:30".
std::string elapsedTimeText(int seconds);
// The place counted from 1 as the congratulation shows it: "1st best",
// "2nd best", "3rd best", "11th best".
std::string positionText(int position);

}  // namespace quilloro::stats
