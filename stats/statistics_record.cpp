// One player's totals and streaks for one game kind, as a STAT.DAT value.
#include "stats/statistics_record.hpp"

#include "app/core/ini_file.hpp"
#include "app/core/shared_routines.hpp"

#include <algorithm>
#include <array>
#include <limits>

namespace quilloro::stats {

namespace {

struct Column {
    long long StatisticsRecord::*member;
    int position;  // counted from 1
    int width;
};

constexpr std::array<Column, 8> kColumns{{
    {&StatisticsRecord::won, 1, 6},
    {&StatisticsRecord::lost, 8, 6},
    {&StatisticsRecord::longestWonRun, 15, 6},
    {&StatisticsRecord::longestLostRun, 22, 6},
    {&StatisticsRecord::currentWonRun, 29, 6},
    {&StatisticsRecord::currentLostRun, 36, 6},
    {&StatisticsRecord::scoreSum, 43, 12},
    {&StatisticsRecord::reserved, 56, 12},
}};

// The largest number with width digits, and the smallest with a sign in front.
long long clampToWidth(long long value, int width) {
    long long largest = 0;
    for (int i = 0; i < width; ++i) {
        largest = largest * 10 + 9;
    }
    return std::clamp(value, -(largest / 10), largest);
}

long long saturatingAdd(long long a, long long b) {
    long long sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<long long>::max() : std::numeric_limits<long long>::min();
    }
    return sum;
}

}  // namespace

StatisticsRecord StatisticsRecord::parse(std::string_view value) {
    StatisticsRecord record;
    for (const Column& column : kColumns) {
        const auto offset = static_cast<std::size_t>(column.position - 1);
        if (offset >= value.size()) {
            break;
        }
        const auto number = parseDecimalInteger(value.substr(offset, static_cast<std::size_t>(column.width)));
        if (!number) {
            break;
        }
        record.*column.member = *number;
    }
    return record;
}

std::string StatisticsRecord::format() const {
    std::string text;
    for (const Column& column : kColumns) {
        if (!text.empty()) {
            text += ' ';
        }
        text += fnZeroPad(clampToWidth(this->*column.member, column.width), column.width);
    }
    return text;
}

void StatisticsRecord::book(bool gameWon, long long score) {
    if (gameWon) {
        won = saturatingAdd(won, 1);
        currentWonRun = saturatingAdd(currentWonRun, 1);
        currentLostRun = 0;
    } else {
        lost = saturatingAdd(lost, 1);
        currentLostRun = saturatingAdd(currentLostRun, 1);
        currentWonRun = 0;
    }
    longestWonRun = std::max(longestWonRun, currentWonRun);
    longestLostRun = std::max(longestLostRun, currentLostRun);
    scoreSum = saturatingAdd(scoreSum, score);
}

}  // namespace quilloro::stats
