// Reading the log for the log window and the best times, and ranking the players of a game.
#include "stats/log_lines.hpp"
#include "stats/player_ranking.hpp"
#include "stats/result_log.hpp"
#include "stats/statistics_file.hpp"
#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

namespace quilloro::stats {
namespace {

using testing::TempDir;

std::string logLine(int game, const std::string& player, bool won, int seconds, const std::string& gameName = "") {
    ResultLogEntry entry;
    entry.end = localTimeAt(1700000000);
    entry.elapsedSeconds = seconds;
    entry.gameIndex = game;
    entry.gameName = gameName.empty() ? "Game " + std::to_string(game) : gameName;
    entry.player = player;
    entry.won = won;
    entry.scoringKind = "01";
    entry.score = "-12";
    entry.gameNumber = "77";
    return formatResultLogLine(entry);
}

TEST(ResultLogLines, SplitsEveryLineEndAndReadsFieldsByColumn) {
    const std::string first = logLine(3, "Anna", true, 90);
    const ResultLogLines log = ResultLogLines::fromContent(first + "\r\nshort\nlast");
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log.line(0), first);
    EXPECT_EQ(log.line(1), "short");
    EXPECT_EQ(logField(log.line(0), logfield::Player, logfield::PlayerWidth), "Anna");
    EXPECT_EQ(logField(log.line(0), logfield::Score, logfield::ScoreWidth), "-12");
    EXPECT_EQ(logField(log.line(0), logfield::Number, logfield::NumberWidth), "77");
    EXPECT_TRUE(logLineWon(log.line(0)));
    // Too short for the column: empty, never out of range.
    EXPECT_EQ(logField(log.line(1), logfield::Player, logfield::PlayerWidth), "");
    EXPECT_FALSE(logLineWon(log.line(2)));
    EXPECT_EQ(logNumber("000090"), 90);
    EXPECT_FALSE(logNumber("00x0"));
    EXPECT_FALSE(logNumber(""));
    EXPECT_FALSE(logNumber("-5"));
    EXPECT_EQ(ResultLogLines::read("/nonexistent/STAT_LOG.DAT").size(), 0u);
    // A log short enough to live inside the object keeps its lines when moved.
    ResultLogLines moved = ResultLogLines::fromContent("ab\ncd");
    const ResultLogLines kept = std::move(moved);
    EXPECT_EQ(kept.line(1), "cd");
    EXPECT_EQ(ResultLogLines::fromContent("").size(), 0u);
}

TEST(ResultLogLines, FiltersByGameNameAndPlayerNewestFirst) {
    const ResultLogLines log = ResultLogLines::fromContent(
        logLine(1, "Anna", true, 10) + "\r\n" + logLine(2, "Anna", false, 20) + "\r\n\r\n" +
        logLine(1, "Annabel", true, 30) + "\r\n" + logLine(1, "Anna", false, 40) + "\r\n");
    EXPECT_EQ(filterLog(log, {}), (std::vector<std::uint32_t>{4, 3, 1, 0}));
    EXPECT_EQ(filterLog(log, {std::string("Game 1"), std::nullopt}), (std::vector<std::uint32_t>{4, 3, 0}));
    EXPECT_EQ(filterLog(log, {std::string("Game 1"), std::string("Anna")}), (std::vector<std::uint32_t>{4, 0}));
    EXPECT_TRUE(filterLog(log, {std::nullopt, std::string("Nobody")}).empty());
}

TEST(WonTimes, FastestAndAverageOfOnePlayersWonGamesOfOneKind) {
    const ResultLogLines log = ResultLogLines::fromContent(
        logLine(1, "Anna", true, 100) + "\n" + logLine(1, "Anna", false, 5) + "\n" + logLine(1, "Anna", true, 51) +
        "\n" + logLine(2, "Anna", true, 1) + "\n" + logLine(1, "Annabel", true, 2) + "\n" + "garbage\n");
    const WonTimes times = wonTimes(log, 1, "Anna");
    EXPECT_EQ(times.wonGames, 2);
    EXPECT_EQ(times.fastestSeconds, 51);
    EXPECT_EQ(times.averageSeconds, 76);  // 75.5 rounded half up
    const WonTimes none = wonTimes(log, 7, "Anna");
    EXPECT_EQ(none.wonGames, 0);
    EXPECT_EQ(none.fastestSeconds, 0);
}

TEST(PlayerRanking, PercentagesRoundHalfUpAndEqualValuesPutTheLaterPlayerFirst) {
    EXPECT_EQ(wonPercentage(0, 0), 0);
    EXPECT_EQ(wonPercentage(3, 1), 75);
    EXPECT_EQ(wonPercentage(1, 7), 13);  // 12.5
    EXPECT_EQ(wonPercentage(2, 1), 67);

    TempDir home;
    StatisticsFile file(home.path() / "STAT.DAT");
    StatisticsRecord half;
    half.won = 1;
    half.lost = 1;
    half.scoreSum = -7;
    ASSERT_FALSE(file.write(4, "Anna", half));
    ASSERT_FALSE(file.write(4, "Bruno", half));
    StatisticsRecord best;
    best.won = 2;
    best.scoreSum = 9;
    ASSERT_FALSE(file.write(4, "Carla", best));
    const std::vector<std::string> players{"Anna", "Bruno", "Carla", "Dario"};
    const auto byShare = rankPlayers(file, 4, players, RankingValue::WonPercent);
    ASSERT_EQ(byShare.size(), 4u);
    EXPECT_EQ(byShare[0].name, "Carla");
    EXPECT_EQ(byShare[1].name, "Bruno");
    EXPECT_EQ(byShare[2].name, "Anna");
    EXPECT_EQ(byShare[3].name, "Dario");
    EXPECT_EQ(byShare[3].value, 0);
    const auto byScore = rankPlayers(file, 4, players, RankingValue::AverageScore);
    EXPECT_EQ(byScore[0].name, "Carla");
    EXPECT_EQ(byScore[0].value, 4);   // 9 / 2, cut
    EXPECT_EQ(byScore[1].name, "Dario");
    EXPECT_EQ(byScore[2].value, -3);  // -7 / 2, cut toward zero
}

}  // namespace
}  // namespace quilloro::stats
