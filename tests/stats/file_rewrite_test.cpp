// Rewrites through a temporary file: the replacement of a column, and what
// the old file looks like when a rewrite fails half-way.
#include "stats/file_rewrite.hpp"
#include "stats/replace_in_column.hpp"
#include "stats/result_log.hpp"
#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>

namespace quilloro::stats {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

std::size_t filesIn(const fs::path& directory) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& item : fs::directory_iterator(directory)) {
        ++count;
    }
    return count;
}

// Forces a failure on the rewrites made while it lives.
class ForcedFault {
public:
    explicit ForcedFault(RewriteFault fault) { forceRewriteFault(fault); }
    ~ForcedFault() { forceRewriteFault(RewriteFault::None); }
};

TEST(ReplaceInColumn, ReplacesOnlyAtTheColumn) {
    TempDir dir;
    const auto file = dir / "f.txt";
    writeFile(file, "abcOLDdef\r\nOLDabc\nxyOLD\r\nabcOL\nabcOLDOLD");
    ASSERT_FALSE(replaceInColumn(file, 4, "OLD", "NEWER"));
    EXPECT_EQ(readFile(file), "abcNEWERdef\r\nOLDabc\nxyOLD\r\nabcOL\nabcNEWEROLD");
    ASSERT_FALSE(replaceInColumn(file, 1, "OLD", "N"));
    EXPECT_EQ(readFile(file), "abcNEWERdef\r\nNabc\nxyOLD\r\nabcOL\nabcNEWEROLD");
    EXPECT_EQ(filesIn(dir.path()), 1u);  // no temporary file left behind
}

TEST(ReplaceInColumn, MissingFileAndNothingToDo) {
    TempDir dir;
    EXPECT_FALSE(replaceInColumn(dir / "none.txt", 1, "a", "b"));
    EXPECT_FALSE(fs::exists(dir / "none.txt"));
    EXPECT_TRUE(replaceInColumn(dir / "none.txt", 0, "a", "b"));
}

TEST(FileRewrite, FailuresLeaveTheOldFileIntact) {
    TempDir dir;
    const auto file = dir / "STAT_LOG.DAT";
    writeFile(file, "line one\r\nline two\r\n");
    {
        ForcedFault fault(RewriteFault::TempCreation);
        EXPECT_EQ(replaceInColumn(file, 1, "line", "LINE"), FileError("Error creating temp file."));
    }
    EXPECT_EQ(readFile(file), "line one\r\nline two\r\n");
    {
        ForcedFault fault(RewriteFault::Rename);
        const FileError error = replaceInColumn(file, 1, "line", "LINE");
        ASSERT_TRUE(error);
        EXPECT_TRUE(error->starts_with("Error renaming file: " + dir.path().string() + "/rpl")) << *error;
        EXPECT_TRUE(error->ends_with("\nwith: " + file.string())) << *error;
    }
    EXPECT_EQ(readFile(file), "line one\r\nline two\r\n");
    EXPECT_EQ(filesIn(dir.path()), 1u);

    EXPECT_FALSE(replaceInColumn(file, 1, "line", "LINE"));
    EXPECT_EQ(readFile(file), "LINE one\r\nLINE two\r\n");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

// The disk fills up while the new content is written: the write stops in the
// middle of the temporary file, as a crash would leave it.
TEST(FileRewrite, FullDiskDuringTheWriteKeepsTheOldLog) {
    TempDir dir;
    const auto log = dir / "STAT_LOG.DAT";
    const std::string old(4000, 'o');
    writeFile(log, old);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileError error = appendResultLogLine(log, ResultLogEntry{});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(error);
    EXPECT_TRUE(error->starts_with("Error writing file: " + log.string())) << *error;
    EXPECT_EQ(readFile(log), old);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(FileRewrite, KeepsPermissionsAndFollowsLinks) {
    TempDir dir;
    const auto real = dir / "real.dat";
    writeFile(real, "x");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, dir / "link.dat");
    ASSERT_FALSE(rewriteFile(dir / "link.dat", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(FileRewrite, AReadOnlyFileIsRefusedAndKept) {
    TempDir dir;
    const auto file = dir / "STAT.DAT";
    writeFile(file, "[Klondike]\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const FileError error = rewriteFile(file, "new");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("read-only"), std::string::npos) << *error;
    EXPECT_EQ(readFile(file), "[Klondike]\r\n");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(FileRewrite, TemporaryFilesLeftByACrashGoBeforeTheRewrite) {
    TempDir dir;
    const auto file = dir / "STAT.DAT";
    writeFile(dir / "rpl5e1f.tmp", std::string(1000, 'x'));
    writeFile(dir / ".STAT.DAT.77.tmp", "y");
    writeFile(dir / "rplnew.tmp", "z");  // no hex name: not ours
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(3);
    for (const char* name : {"rpl5e1f.tmp", ".STAT.DAT.77.tmp", "rplnew.tmp"}) fs::last_write_time(dir / name, old);
    ASSERT_FALSE(rewriteFile(file, "new"));
    EXPECT_FALSE(fs::exists(dir / "rpl5e1f.tmp"));
    EXPECT_FALSE(fs::exists(dir / ".STAT.DAT.77.tmp"));
    EXPECT_TRUE(fs::exists(dir / "rplnew.tmp"));
    EXPECT_EQ(filesIn(dir.path()), 2u);
}

TEST(FileRewrite, LineByLineKeepsLineEndsDropsLinesAndLeavesAnUnchangedFileAlone) {
    TempDir dir;
    const auto file = dir / "STAT_LOG.DAT";
    writeFile(file, "keep one\r\ndrop me\nkeep two\ntorn");
    ASSERT_FALSE(rewriteFileByLines(file, [](std::string& text) {
        if (text == "keep two") text = "kept two";
        return text != "drop me";
    }));
    EXPECT_EQ(readFile(file), "keep one\r\nkept two\ntorn");
    EXPECT_EQ(filesIn(dir.path()), 1u);

    // Nothing to change: a read-only file is no error then, and nothing is written.
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(rewriteFileByLines(file, [](std::string&) { return true; }));
    const FileError refused = rewriteFileByLines(file, [](std::string&) { return false; });
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find("read-only"), std::string::npos) << *refused;
    EXPECT_EQ(readFile(file), "keep one\r\nkept two\ntorn");
    EXPECT_EQ(filesIn(dir.path()), 1u);
    EXPECT_FALSE(rewriteFileByLines(dir / "missing", [](std::string&) { return false; }));
}

}  // namespace
}  // namespace quilloro::stats
