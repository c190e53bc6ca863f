// Statistics records, STAT.DAT and the booking of finished games.
#include "stats/booking.hpp"
#include "stats/statistics_file.hpp"
#include "stats/statistics_record.hpp"
#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace quilloro::stats {
namespace {

using testing::readFile;
using testing::TempDir;

TEST(StatisticsRecord, FieldsStandAtTheirColumns) {
    StatisticsRecord record{1, 22, 333, 4444, 55555, 666666, -52, 0};
    const std::string text = record.format();
    ASSERT_EQ(text.size(), 67u);
    EXPECT_EQ(text, "000001 000022 000333 004444 055555 666666 -00000000052 000000000000");
    EXPECT_EQ(StatisticsRecord::parse(text), record);
    EXPECT_EQ(StatisticsRecord{}.format(),
              "000000 000000 000000 000000 000000 000000 000000000000 000000000000");
}

TEST(StatisticsRecord, UnreadableFieldZeroesItAndTheFollowingOnes) {
    const auto record =
        StatisticsRecord::parse("000004 000002 00x001 000009 000001 000000 000000000100 000000000000");
    EXPECT_EQ(record.won, 4);
    EXPECT_EQ(record.lost, 2);
    EXPECT_EQ(record.longestWonRun, 0);
    EXPECT_EQ(record.longestLostRun, 0);
    EXPECT_EQ(record.scoreSum, 0);
    // Cut short, empty or garbage: never a crash, the missing part reads as 0.
    EXPECT_EQ(StatisticsRecord::parse("000007 0000").lost, 0);
    EXPECT_EQ(StatisticsRecord::parse("000007 0000").won, 7);
    EXPECT_EQ(StatisticsRecord::parse(""), StatisticsRecord{});
    EXPECT_EQ(StatisticsRecord::parse("******"), StatisticsRecord{});
}

TEST(StatisticsRecord, TooLargeNumbersStayReadable) {
    StatisticsRecord record;
    record.won = 1234567;
    record.scoreSum = -1000000000000;
    const std::string text = record.format();
    EXPECT_EQ(text.substr(0, 6), "999999");
    EXPECT_EQ(text.substr(42, 12), "-99999999999");
    EXPECT_EQ(StatisticsRecord::parse(text).scoreSum, -99999999999);
}

TEST(StatisticsRecord, RunsAfterWonWonLostWon) {
    StatisticsRecord record;
    for (bool won : {true, true, false, true}) {
        record.book(won, 10);
    }
    EXPECT_EQ(record.won, 3);
    EXPECT_EQ(record.lost, 1);
    EXPECT_EQ(record.longestWonRun, 2);
    EXPECT_EQ(record.longestLostRun, 1);
    EXPECT_EQ(record.currentWonRun, 1);
    EXPECT_EQ(record.currentLostRun, 0);
    EXPECT_EQ(record.scoreSum, 40);
}

class Booking : public ::testing::Test {
protected:
    Booking() { resetRunCounters(settings); }

    TempDir dir;
    ResultFiles files = ResultFiles::under(dir.path());
    SettingsRecord settings;
};

TEST_F(Booking, FirstWinOfANewPlayerCreatesTheSection) {
    const auto result = bookResult(files, settings, 7, "Tester", true, 52);
    ASSERT_FALSE(result.error) << *result.error;
    EXPECT_EQ(files.statistics, dir.path() / "DATA" / "STAT.DAT");
    EXPECT_EQ(readFile(files.statistics),
              "[0007]\nTester=000001 000000 000001 000000 000001 000000 000000000052 000000000000\n");
    EXPECT_EQ(settings.get(field::RunGamesWon), "0001");
    EXPECT_EQ(settings.get(field::RunGamesLost), "0000");
}

TEST_F(Booking, NegativeScoreSum) {
    ASSERT_FALSE(bookResult(files, settings, 3, "Tester", false, -52).error);
    const auto totals = readTotals(files, settings, 3, "Tester");
    EXPECT_EQ(totals.record.scoreSum, -52);
    EXPECT_NE(readFile(files.statistics).find(" -00000000052 000000000000"), std::string::npos);
    EXPECT_EQ(settings.get(field::RunGamesLost), "0001");
}

TEST_F(Booking, RecordsArePerGameAndPlayer) {
    bookResult(files, settings, 1, "Anna", true, 5);
    bookResult(files, settings, 2, "Anna", false, 0);
    bookResult(files, settings, 1, "Anna", true, 7);
    StatisticsFile statistics(files.statistics);
    EXPECT_EQ(statistics.read(1, "Anna").scoreSum, 12);
    EXPECT_EQ(statistics.read(2, "Anna").lost, 1);
    EXPECT_TRUE(statistics.write(10000, "Anna", {}));
    EXPECT_TRUE(statistics.write(1, "A=B", {}));  // a name that would corrupt the file
}

TEST_F(Booking, TotalsShowRunCountersOnlyForTheCurrentPlayerAndGame) {
    settings.set(field::UserDefault, "Anna");
    settings.setInteger(field::Game, 4);
    resetRunCounters(settings);
    bookResult(files, settings, 4, "Anna", true, 1);
    bookResult(files, settings, 4, "Anna", true, 1);
    bookResult(files, settings, 4, "Anna", false, 1);
    auto totals = readTotals(files, settings, 4, "Anna");
    EXPECT_EQ(totals.runWon, 2);
    EXPECT_EQ(totals.runLost, 1);
    EXPECT_EQ(totals.record.won, 2);
    EXPECT_EQ(readTotals(files, settings, 5, "Anna").runWon, 0);
    EXPECT_EQ(readTotals(files, settings, 4, "Bruno").runWon, 0);
    resetRunCounters(settings);
    EXPECT_EQ(settings.get(field::RunGamesWon), "0000");
    EXPECT_EQ(settings.get(field::RunGamesLost), "0000");

    settings.set(field::RunGamesWon, "9999");
    bookResult(files, settings, 4, "Anna", true, 1);
    EXPECT_EQ(settings.get(field::RunGamesWon), "9999");
}

}  // namespace
}  // namespace quilloro::stats
