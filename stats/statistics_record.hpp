// One player's totals and streaks for one game kind, as a STAT.DAT value.
#pragma once

#include <string>
#include <string_view>

namespace quilloro::stats {

// The value is eight zero-padded numbers separated by single spaces, 67
// characters in all: six of width 6 (won, lost, longest won run, longest lost
// run, current won run, current lost run) and two of width 12 (sum of scores,
// reserved).
struct StatisticsRecord {
    long long won = 0;
    long long lost = 0;
    long long longestWonRun = 0;
    long long longestLostRun = 0;
    long long currentWonRun = 0;
    long long currentLostRun = 0;
    long long scoreSum = 0;
    long long reserved = 0;

    static constexpr int kLength = 67;

    // Reads the fields at their columns; the first field that is not a number
    // and every field after it count as 0.
    static StatisticsRecord parse(std::string_view value);
    // The 67-character value. A number too wide for its field is written as
    // the field's largest (or smallest) number, never as asterisks, which
    // would make this field and all after it unreadable.
    std::string format() const;
    // Counts one more game: the won or lost total and the current runs, the
    // longest runs, and the score added to the sum.
    void book(bool gameWon, long long score);

    bool operator==(const StatisticsRecord&) const = default;
};

}  // namespace quilloro::stats
