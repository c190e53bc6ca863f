// Bookings killed at random moments (kill -9): the result files stay
// readable, every log line whole, and the temporary files the killed writes
// leave behind go at the next start.
#include "app/core/atomic_file.hpp"
#include "app/core/settings_record.hpp"
#include "stats/booking.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/result_files.hpp"
#include "stats/result_log.hpp"
#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

namespace quilloro::stats {
namespace {

namespace fs = std::filesystem;

LocalDateTime morning(int second) {
    LocalDateTime at;
    at.year = 2026;
    at.month = 12;
    at.day = 9;
    at.hour = 10;
    at.minute = second / 60 % 60;
    at.second = second % 60;
    return at;
}

// Books game after game, as fast as it can, until it is killed.
[[noreturn]] void bookForever(const ResultFiles& files) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    SettingsRecord settings;
    resetRunCounters(settings);
    for (int game = 0;; ++game) {
        const bool won = game % 3 == 0;
        ResultLogEntry line;
        line.end = morning(game);
        line.gameIndex = game % 5;
        line.gameName = "Klondike";
        line.player = "Tester";
        line.won = won;
        line.scoringKind = "01";
        line.score = std::to_string(game);
        line.gameNumber = "0000000000001";
        appendResultLogLine(files.log, line);
        bookResult(files, settings, game % 5, "Tester", won, game);
        HiScoreOffer offer;
        offer.gameIndex = game % 5;
        offer.player = "Tester";
        offer.scoringKind = "01";
        offer.end = morning(game);
        offer.elapsedSeconds = game;
        offer.score = game;
        offer.gameNumber = "0000000000001";
        offer.won = won;
        HiScoreFile(files.hiScores).offer(offer, morning(game));
    }
}

std::vector<fs::path> temporaryFilesIn(const fs::path& directory) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(directory))
        if (entry.path().extension() == ".tmp") found.push_back(entry.path());
    return found;
}

TEST(BookingKilled, FilesStayReadableAndNoTemporaryFileOutlivesTheNextStart) {
    testing::TempDir home;
    const ResultFiles files = ResultFiles::under(home.path());
    std::mt19937 random(20261209);
    constexpr int kKills = 40;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) bookForever(files);
        if (kill == 0) {
            // The first loop runs until every file exists (slow under the sanitizers).
            for (int wait = 0; wait < 500 && !(fs::exists(files.statistics) && fs::exists(files.hiScores)); ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(200, 20000)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the booking loop ended on its own";
    }
    ASSERT_TRUE(fs::exists(files.log));

    int lines = 0;
    ASSERT_FALSE(forEachResultLogLine(files.log, [&lines](std::string_view line) {
        EXPECT_EQ(line.size(), static_cast<std::size_t>(kResultLogLineLength)) << line;
        ++lines;
    }));
    EXPECT_GT(lines, 0);
    SettingsRecord settings;
    const ReadResult statistics = readWholeFile(files.statistics);
    ASSERT_FALSE(statistics.error);
    // A kill between the log line and the statistics costs the game its count.
    long long counted = 0;
    for (int game = 0; game < 5; ++game) {
        const Totals totals = readTotals(files, settings, game, "Tester");
        counted += totals.record.won + totals.record.lost;
    }
    EXPECT_GT(counted, 0);
    EXPECT_LE(counted, lines);
    const ReadResult hiScores = readWholeFile(files.hiScores);
    ASSERT_FALSE(hiScores.error);
    for (int game = 0; game < 5; ++game)
        EXPECT_EQ(HiScoreFile(files.hiScores).readTable(game, "01", morning(0)).size(), 20u);

    // The next start, a minute on: what the killed rewrites left goes, and
    // no other file.
    const fs::path data = files.statistics.parent_path();
    const auto aMinuteAgo = fs::file_time_type::clock::now() - std::chrono::seconds(61);
    for (const auto& entry : fs::directory_iterator(data)) fs::last_write_time(entry.path(), aMinuteAgo);
    removeStaleTemporaryFiles(data);
    EXPECT_TRUE(temporaryFilesIn(data).empty());
    EXPECT_TRUE(fs::exists(files.statistics));
    EXPECT_TRUE(fs::exists(files.log));
    EXPECT_TRUE(fs::exists(files.hiScores));
}

}  // namespace
}  // namespace quilloro::stats
