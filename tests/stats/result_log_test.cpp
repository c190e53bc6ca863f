// The result log: column positions of a line and appending to the file.
#include "stats/result_log.hpp"
#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace quilloro::stats {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

ResultLogEntry sampleEntry() {
    ResultLogEntry entry;
    entry.end.year = 2024;
    entry.end.month = 3;
    entry.end.day = 9;
    entry.end.hour = 7;
    entry.end.minute = 5;
    entry.end.second = 4;
    entry.elapsedSeconds = 330;
    entry.gameIndex = 7;
    entry.gameName = "Klondike";
    entry.player = "Tester";
    entry.won = true;
    entry.scoringKind = "01";
    entry.score = "-52";
    entry.gameNumber = "0000000012345";
    return entry;
}

// Text at columns first..last, counted from 1.
std::string columns(const std::string& line, int first, int last) {
    return line.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

TEST(ResultLogLine, FieldsStandAtTheirColumns) {
    const std::string line = formatResultLogLine(sampleEntry());
    ASSERT_EQ(line.size(), 147u);
    EXPECT_EQ(columns(line, 1, 8), "20240309");
    EXPECT_EQ(columns(line, 10, 17), "07:05:04");
    EXPECT_EQ(columns(line, 19, 24), "000330");
    EXPECT_EQ(columns(line, 26, 29), "0007");
    EXPECT_EQ(columns(line, 31, 80), "Klondike" + std::string(42, ' '));
    EXPECT_EQ(columns(line, 82, 111), "Tester" + std::string(24, ' '));
    EXPECT_EQ(columns(line, 113, 117), "Won  ");
    EXPECT_EQ(columns(line, 118, 119), "01");
    EXPECT_EQ(columns(line, 121, 126), "-52   ");
    EXPECT_EQ(columns(line, 128, 142), "0000000012345  ");
    EXPECT_EQ(columns(line, 144, 147), "0310");
    for (int space : {9, 18, 25, 30, 81, 112, 120, 127, 143}) {
        EXPECT_EQ(line[static_cast<std::size_t>(space - 1)], ' ') << "column " << space;
    }

    auto lost = sampleEntry();
    lost.won = false;
    EXPECT_EQ(columns(formatResultLogLine(lost), 113, 117), "Lost ");
}

TEST(ResultLogLine, OddValuesKeepTheColumns) {
    auto entry = sampleEntry();
    entry.player = "A\r\nB" + std::string(40, 'x');  // a line break must not split the line
    entry.gameName = std::string(49, 'g') + "\xC3\xA8";  // a cut through a UTF-8 letter
    entry.elapsedSeconds = 5000000;
    entry.gameIndex = -3;
    const std::string line = formatResultLogLine(entry);
    ASSERT_EQ(line.size(), 147u);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(columns(line, 82, 85), "A  B");
    EXPECT_EQ(columns(line, 31, 80), std::string(49, 'g') + " ");
    EXPECT_EQ(columns(line, 19, 24), "999999");
    EXPECT_EQ(columns(line, 26, 29), "0000");
    EXPECT_EQ(columns(line, 144, 147), "0310");
}

TEST(ResultLogFile, AppendsWholeLinesWithCrLf) {
    TempDir dir;
    const auto log = dir / "DATA" / "STAT_LOG.DAT";
    ASSERT_FALSE(appendResultLogLine(log, sampleEntry()));
    ASSERT_FALSE(appendResultLogLine(log, sampleEntry()));
    const std::string line = formatResultLogLine(sampleEntry());
    EXPECT_EQ(readFile(log), line + "\r\n" + line + "\r\n");

    // Earlier content stays as it is; a last line without its end gets one.
    writeFile(log, "old line\nunfinished");
    ASSERT_FALSE(appendResultLogLine(log, sampleEntry()));
    EXPECT_EQ(readFile(log), "old line\nunfinished\r\n" + line + "\r\n");
}

TEST(ResultLogFile, ReadersSkipATornLastLineAndTheNextLineStartsAfreshBehindIt) {
    TempDir dir;
    const auto log = dir / "STAT_LOG.DAT";
    const std::string line = formatResultLogLine(sampleEntry());
    writeFile(log, line + "\r\n" + line.substr(0, 60));
    std::vector<std::string> seen;
    ASSERT_FALSE(forEachResultLogLine(log, [&seen](std::string_view l) { seen.emplace_back(l); }));
    EXPECT_EQ(seen, std::vector<std::string>{line});

    ASSERT_FALSE(appendResultLogLine(log, sampleEntry()));
    seen.clear();
    ASSERT_FALSE(forEachResultLogLine(log, [&seen](std::string_view l) { seen.emplace_back(l); }));
    EXPECT_EQ(seen, (std::vector<std::string>{line, line.substr(0, 60), line}));
    EXPECT_FALSE(forEachResultLogLine(dir / "none", [](std::string_view) { FAIL(); }));
}

TEST(ResultLogFile, AReadOnlyLogOrAPipeIsRefusedAndKept) {
    TempDir dir;
    const auto log = dir / "STAT_LOG.DAT";
    writeFile(log, "kept\r\n");
    std::filesystem::permissions(log, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                          std::filesystem::perms::others_read);
    const FileError readOnly = appendResultLogLine(log, sampleEntry());
    ASSERT_TRUE(readOnly);
    EXPECT_NE(readOnly->find("read-only"), std::string::npos) << *readOnly;
    EXPECT_EQ(readFile(log), "kept\r\n");

    const auto pipe = dir / "PIPE.DAT";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    const FileError piped = appendResultLogLine(pipe, sampleEntry());
    ASSERT_TRUE(piped);
    EXPECT_NE(piped->find("not a regular file"), std::string::npos) << *piped;
    EXPECT_TRUE(forEachResultLogLine(pipe, [](std::string_view) {}));
}

}  // namespace
}  // namespace quilloro::stats
