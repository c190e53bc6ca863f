// Renaming a player in every result file, clearing statistics, the players list.
#include "stats/booking.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/player_results.hpp"
#include "stats/result_log.hpp"
#include "stats/statistics_file.hpp"
#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace quilloro::stats {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

std::vector<std::string> fileLinesOf(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

class PlayerResults : public ::testing::Test {
protected:
    void book(int gameIndex, const std::string& player, bool won, long long score = 10) {
        ASSERT_FALSE(bookResult(files, settings, gameIndex, player, won, score).error);
        ResultLogEntry entry;
        entry.gameIndex = gameIndex;
        entry.gameName = "Game " + std::to_string(gameIndex);
        entry.player = player;
        entry.won = won;
        entry.scoringKind = "01";
        entry.score = std::to_string(score);
        ASSERT_FALSE(appendResultLogLine(files.log, entry));
        HiScoreOffer offer;
        offer.gameIndex = gameIndex;
        offer.player = player;
        offer.scoringKind = "01";
        offer.score = score;
        offer.won = won;
        ASSERT_FALSE(HiScoreFile(files.hiScores).offer(offer, LocalDateTime{}).error);
    }

    // The log lines' players, in order.
    std::vector<std::string> logPlayers() const {
        std::vector<std::string> players;
        for (const auto& line : fileLinesOf(readFile(files.log))) {
            players.push_back(line.substr(81, 30));
        }
        return players;
    }

    TempDir dir;
    ResultFiles files = ResultFiles::under(dir.path());
    SettingsRecord settings;
    StatisticsFile statistics{files.statistics};
};

std::string padded(const std::string& name) {
    return name + std::string(30 - name.size(), ' ');
}

TEST_F(PlayerResults, RenameChangesEveryFileAndLeavesLongerNamesAlone) {
    book(1, "Tester", true, 60);
    book(2, "Tester", false, 70);
    book(1, "Testers", true, 80);
    ASSERT_FALSE(renamePlayerInResultFiles(files, " Tester ", "Tester2"));

    EXPECT_EQ(statistics.read(1, "Tester2").won, 1);
    EXPECT_EQ(statistics.read(2, "Tester2").lost, 1);
    EXPECT_EQ(statistics.read(1, "Tester"), StatisticsRecord{});
    EXPECT_EQ(statistics.read(1, "Testers").won, 1);
    EXPECT_EQ(logPlayers(), (std::vector<std::string>{padded("Tester2"), padded("Tester2"), padded("Testers")}));

    const auto table = HiScoreFile(files.hiScores).readTable(1, "01", LocalDateTime{});
    EXPECT_EQ(table[0].player, "Testers");
    EXPECT_EQ(table[1].player, "Tester2");
    for (const auto& line : fileLinesOf(readFile(files.hiScores))) {
        if (line.starts_with("01-")) {
            EXPECT_EQ(line.size(), 91u) << line;
        }
    }
}

TEST_F(PlayerResults, RenamedRecordReplacesAStaleOneOfTheNewName) {
    writeFile(files.statistics,
              "[0001]\r\nBob=000000 000000 000000 000000 000000 000000 000000000000 000000000000\r\n"
              "Ann=000005 000000 000005 000000 000005 000000 000000000050 000000000000\r\n"
              "[0002]\r\nBob=000001 000000 000001 000000 000001 000000 000000000001 000000000000\r\n");
    ASSERT_FALSE(renamePlayerInResultFiles(files, "Ann", "BOB"));
    EXPECT_EQ(readFile(files.statistics),
              "[0001]\r\nBOB=000005 000000 000005 000000 000005 000000 000000000050 000000000000\r\n"
              "[0002]\r\nBob=000001 000000 000001 000000 000001 000000 000000000001 000000000000\r\n");
    EXPECT_TRUE(renamePlayerInResultFiles(files, "Ann", "A=B"));
}

TEST_F(PlayerResults, MissingFilesAreNoError) {
    EXPECT_FALSE(renamePlayerInResultFiles(files, "Tester", "Tester2"));
    EXPECT_FALSE(clearStatistics(files, std::nullopt, std::nullopt));
    EXPECT_FALSE(clearStatistics(files, 3, "Tester"));
    EXPECT_FALSE(fs::exists(files.statistics.parent_path()));
}

TEST_F(PlayerResults, DeletingAPlayerKeepsZeroRecordsAndDropsItsLogLines) {
    book(1, "Tester", true);
    book(2, "Tester", true);
    book(1, "Other", false);
    book(3, "Other", false);
    const std::string hiScoresBefore = readFile(files.hiScores);
    ASSERT_FALSE(clearStatistics(files, std::nullopt, std::string("Tester")));

    EXPECT_EQ(statistics.read(1, "Tester"), StatisticsRecord{});
    EXPECT_EQ(statistics.read(2, "Tester"), StatisticsRecord{});
    EXPECT_EQ(statistics.read(1, "Other").lost, 1);
    const std::string content = readFile(files.statistics);
    EXPECT_NE(content.find("[0001]\nTester=000000 000000"), std::string::npos) << content;
    EXPECT_NE(content.find("[0003]\nOther=000000 000001 000000 000001 000000 000001 000000000010 000000000000\n"
                           "Tester=000000 000000"),
              std::string::npos)
        << content;
    EXPECT_EQ(logPlayers(), (std::vector<std::string>{padded("Other"), padded("Other")}));
    EXPECT_EQ(readFile(files.hiScores), hiScoresBefore);
}

TEST_F(PlayerResults, ClearOneGameForOneOrAllPlayers) {
    book(1, "Ann", true);
    book(1, "Bob", true);
    book(2, "Ann", true);
    ASSERT_FALSE(clearStatistics(files, 1, std::string("Ann")));
    EXPECT_EQ(statistics.read(1, "Ann"), StatisticsRecord{});
    EXPECT_EQ(statistics.read(1, "Bob").won, 1);
    EXPECT_EQ(statistics.read(2, "Ann").won, 1);
    EXPECT_EQ(logPlayers(), (std::vector<std::string>{padded("Bob"), padded("Ann")}));

    // A log line whose game index is not a number never matches a game.
    std::string log = readFile(files.log);
    log += std::string(25, ' ') + "00x1" + std::string(52, ' ') + padded("Bob") + "\r\n";
    writeFile(files.log, log);
    ASSERT_FALSE(clearStatistics(files, 1, std::nullopt));
    EXPECT_EQ(statistics.read(1, "Bob"), StatisticsRecord{});
    EXPECT_EQ(statistics.read(2, "Ann").won, 1);
    EXPECT_EQ(logPlayers(), (std::vector<std::string>{padded("Ann"), padded("Bob")}));

    ASSERT_FALSE(clearStatistics(files, std::nullopt, std::nullopt));
    EXPECT_EQ(readFile(files.statistics), "");
    EXPECT_EQ(readFile(files.log), "");
}

TEST(PlayersList, SortedNonEmptyUsers) {
    TempDir dir;
    IniFile preferences(dir / "CFG.DAT");
    writeFile(preferences.path(),
              "[Users]\nUser001=zoe\nUser002=\nUser003=Anna\nUser005=bruno\nUser021=Late\nUser020=Carl\n");
    EXPECT_EQ(playersList(preferences), (std::vector<std::string>{"Anna", "bruno", "Carl", "zoe"}));

    // Only the first 20 names are written back; the keys after the last name become empty.
    std::vector<std::string> many;
    for (char c = 'A'; c <= 'U'; ++c) {
        many.push_back(std::string("Player ") + c);
    }
    ASSERT_FALSE(writePlayersList(preferences, many));
    const auto names = playersList(preferences);
    ASSERT_EQ(names.size(), 20u);
    EXPECT_EQ(names.back(), "Player T");
    ASSERT_FALSE(writePlayersList(preferences, {"Solo"}));
    EXPECT_EQ(playersList(preferences), (std::vector<std::string>{"Solo"}));
    EXPECT_EQ(preferences.readString("Users", "User002", "missing"), "");
}

}  // namespace
}  // namespace quilloro::stats
