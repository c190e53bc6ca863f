// Hi-score entries and tables: ranking, the default table, clearing, upgrading.
#include "stats/hi_score_table.hpp"
#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace quilloro::stats {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

LocalDateTime moment(int day, int hour) {
    LocalDateTime t;
    t.year = 2024;
    t.month = 5;
    t.day = day;
    t.hour = hour;
    t.minute = 30;
    t.second = 15;
    return t;
}

std::vector<std::string> linesOf(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class HiScores : public ::testing::Test {
protected:
    HiScoreFile::OfferResult offer(long long score, int seconds, const std::string& player, bool won = true,
                                   int gameIndex = 7, int day = 2) {
        HiScoreOffer o;
        o.gameIndex = gameIndex;
        o.player = player;
        o.scoringKind = "01";
        o.end = moment(day, 12);
        o.elapsedSeconds = seconds;
        o.score = score;
        o.gameNumber = "0000000012345";
        o.won = won;
        return file.offer(o, moment(1, 9));
    }
    HiScoreTable table(int gameIndex = 7) { return file.readTable(gameIndex, "01", moment(1, 9)); }

    TempDir dir;
    std::filesystem::path path = dir / "DATA" / "STAT_SCR.DAT";
    HiScoreFile file{path};
};

TEST(HiScoreEntry, FieldsStandAtTheirColumns) {
    HiScoreEntry entry;
    entry.empty = false;
    entry.score = -52;
    entry.elapsedSeconds = 330;
    entry.date = "20240502";
    entry.time = "12:30:15";
    entry.player = "Tester";
    entry.gameNumber = "0000000012345";
    entry.won = false;
    const std::string text = entry.format();
    ASSERT_EQ(text.size(), 85u);
    EXPECT_EQ(text, "-00052 000330 20240502 12:30:15 " + std::string("Tester") + std::string(24, ' ') +
                        " 0000000012345   Lost x");
    const auto back = HiScoreEntry::parse(text);
    EXPECT_FALSE(back.empty);
    EXPECT_EQ(back.score, -52);
    EXPECT_EQ(back.player, "Tester");
    EXPECT_FALSE(back.won);
    EXPECT_EQ(HiScoreEntry{}.format(), std::string(83, ' ') + " x");
    EXPECT_TRUE(HiScoreEntry::parse("abcdef 000010").empty);
    EXPECT_TRUE(HiScoreEntry::parse("000010").empty);
}

TEST(HiScoreTexts, ElapsedTimeAndPosition) {
    EXPECT_EQ(elapsedTimeText(330), "0:05:30");
    EXPECT_EQ(elapsedTimeText(3 * 3600 + 61), "3:01:01");
    EXPECT_EQ(positionText(2), "2nd best");
    EXPECT_EQ(positionText(11), "11th best");
}

TEST_F(HiScores, FirstGameRanksAgainstTheDefaultTable) {
    const auto result = offer(46, 100, "Tester");
    ASSERT_FALSE(result.error) << *result.error;
    EXPECT_EQ(result.position, 1);
    const auto entries = table();
    EXPECT_EQ(entries[0].score, 52);
    EXPECT_EQ(entries[0].elapsedSeconds, 260);
    EXPECT_EQ(entries[0].date, "20240501");
    EXPECT_EQ(entries[0].player.substr(0, 2), "* ");
    EXPECT_EQ(entries[1].player, "Tester");
    EXPECT_EQ(entries[19].score, 3);  // the default 2 dropped out

    const auto lines = linesOf(readFile(path));
    ASSERT_EQ(lines.size(), 2u + 2u + 20u);
    EXPECT_EQ(lines[0], "[Version]\r");
    EXPECT_EQ(lines[1], "Version=0300\r");
    EXPECT_EQ(lines[2], "\r");
    EXPECT_EQ(lines[3], "[0007]\r");
    EXPECT_EQ(lines[4].substr(0, 6), "01-01=");
    // Every entry has the same length, the one at place 20 too; the name stands at column 39.
    for (std::size_t i = 4; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 6u + 85u + 1u) << lines[i];
    }
    EXPECT_EQ(lines[23].substr(0, 6), "01-20=");
    EXPECT_EQ(lines[5].substr(38, 30), "Tester" + std::string(24, ' '));
    EXPECT_EQ(lines[5].substr(6, 6), "000046");
    EXPECT_EQ(lines[5].substr(85, 6), "Won  x");
}

TEST_F(HiScores, EqualScoresRankByTimeThenAge) {
    offer(30, 200, "Slow");
    EXPECT_EQ(offer(30, 100, "Fast").position, 3);  // above the default 30 (150 s) and "Slow"
    EXPECT_EQ(offer(30, 100, "Later").position, 4);  // equal score and time: below the older one
    const auto entries = table();
    EXPECT_EQ(entries[3].player, "Fast");
    EXPECT_EQ(entries[4].player, "Later");
    EXPECT_EQ(entries[5].player.substr(0, 2), "* ");
    EXPECT_EQ(entries[6].player, "Slow");
    EXPECT_EQ(offer(1, 5, "Nobody").position, -1);
}

TEST_F(HiScores, LostGameEntersMarkedLost) {
    EXPECT_EQ(offer(100, 10, "Loser", false).position, 0);
    const auto entries = table();
    EXPECT_FALSE(entries[0].won);
    EXPECT_NE(readFile(path).find(" Lost x\r\n"), std::string::npos);
}

TEST_F(HiScores, AfterClearingTablesStayEmpty) {
    offer(46, 100, "Tester");
    ASSERT_FALSE(file.clearAll());
    EXPECT_EQ(readFile(path), "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
    EXPECT_TRUE(table()[0].empty);
    EXPECT_EQ(readFile(path).find("[0007]"), std::string::npos);  // reading did not create a table
    EXPECT_EQ(offer(-5, 10, "First", true, 3).position, 0);
    const auto entries = table(3);
    EXPECT_EQ(entries[0].player, "First");
    EXPECT_TRUE(entries[1].empty);
}

TEST_F(HiScores, SectionRewriteKeepsOtherLines) {
    // LF line ends, another scoring kind in the same section, a foreign line.
    writeFile(path, "[Version]\nVersion=0300\n\n[0007]\n02-01=keep me\n; note\n[0008]\n01-01=other game\n");
    ASSERT_EQ(offer(46, 100, "Tester").position, 1);
    const std::string content = readFile(path);
    EXPECT_TRUE(content.starts_with("[Version]\nVersion=0300\n\n[0007]\n02-01=keep me\n; note\n01-01=")) << content;
    EXPECT_TRUE(content.ends_with("[0008]\n01-01=other game\n")) << content;

    // A second write replaces the 20 lines in place and adds none.
    ASSERT_EQ(offer(47, 100, "Again").position, 1);
    const std::string again = readFile(path);
    EXPECT_EQ(linesOf(again).size(), linesOf(content).size());
    EXPECT_EQ(again.substr(0, 45), content.substr(0, 45));
    EXPECT_EQ(table()[2].player, "Tester");
}

TEST_F(HiScores, NonNumericEntriesCountAsEmptyPlaces) {
    std::string content = "[Version]\r\nVersion=0300\r\n\r\n[0007]\r\n";
    content += "01-01=000100 000010 20240101 10:00:00 Top" + std::string(27, ' ') + " 000000000000000 Won  x\r\n";
    content += "01-02=garbage\r\n";
    writeFile(path, content);
    EXPECT_EQ(offer(5, 10, "Tester").position, 1);
    const auto entries = table();
    EXPECT_EQ(entries[0].player, "Top");
    EXPECT_EQ(entries[1].player, "Tester");
    EXPECT_TRUE(entries[2].empty);
}

TEST_F(HiScores, EnsureAndUpgrade) {
    ASSERT_FALSE(file.ensure());
    EXPECT_EQ(readFile(path), "[Version]\r\nVersion=0300\r\n");
    ASSERT_FALSE(file.upgrade());  // already current: unchanged
    EXPECT_EQ(readFile(path), "[Version]\r\nVersion=0300\r\n");

    writeFile(path, "[Version]\nVersion=0200\n[0001]\n01-01=000052 000260\nx=1\n");
    ASSERT_FALSE(file.upgrade());
    const auto lines = linesOf(readFile(path));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "[Version]\r");
    EXPECT_EQ(lines[1], "Version=0300\r");
    EXPECT_EQ(lines[2], "\r");
    EXPECT_EQ(lines[3], "[0001]\r");
    EXPECT_EQ(lines[4], "01-01=000052 000260" + std::string(89 - 19, ' ') + " x\r");
    EXPECT_EQ(lines[5], "x=1\r");
    const std::string upgraded = readFile(path);
    ASSERT_FALSE(file.upgrade());  // a second run changes nothing
    EXPECT_EQ(readFile(path), upgraded);
}

}  // namespace
}  // namespace quilloro::stats
