// Booking a finished game in the statistics, and reading the totals back.
#include "stats/booking.hpp"

#include "app/core/shared_routines.hpp"
#include "stats/statistics_file.hpp"

#include <algorithm>

namespace quilloro::stats {

namespace {

constexpr long long kRunCounterLimit = 9999;

long long runCounter(const SettingsRecord& settings, const SettingsField& f) {
    return std::clamp(settings.getInteger(f).value_or(0), 0LL, kRunCounterLimit);
}

void advance(SettingsRecord& settings, const SettingsField& f) {
    settings.setInteger(f, std::min(runCounter(settings, f) + 1, kRunCounterLimit));
}

}  // namespace

BookingResult bookResult(const ResultFiles& files, SettingsRecord& settings, int gameIndex,
                         std::string_view player, bool won, long long score) {
    StatisticsFile statistics(files.statistics);
    BookingResult result;
    result.record = statistics.read(gameIndex, player);
    result.record.book(won, score);
    result.error = statistics.write(gameIndex, player, result.record);
    advance(settings, won ? field::RunGamesWon : field::RunGamesLost);
    return result;
}

void resetRunCounters(SettingsRecord& settings) {
    settings.set(field::RunGamesWon, "0000");
    settings.set(field::RunGamesLost, "0000");
}

Totals readTotals(const ResultFiles& files, const SettingsRecord& settings, int gameIndex,
                  std::string_view player) {
    Totals totals;
    totals.record = StatisticsFile(files.statistics).read(gameIndex, player);
    const bool currentPlayer = fnTrimRight(fnTrimLeft(player)) == settings.get(field::UserDefault);
    const bool currentGame = settings.getInteger(field::Game) == gameIndex;
    if (currentPlayer && currentGame) {
        totals.runWon = static_cast<int>(runCounter(settings, field::RunGamesWon));
        totals.runLost = static_cast<int>(runCounter(settings, field::RunGamesLost));
    }
    return totals;
}

}  // namespace quilloro::stats
