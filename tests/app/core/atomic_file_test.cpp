// Tests of whole-file writes through a temporary file and of whole-file reads.
#include "app/core/atomic_file.hpp"

#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace quilloro {
namespace {

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(AtomicWrite, CreatesAndReplacesWithoutLeftovers) {
    testing::TempDir dir;
    const auto file = dir / "DATA" / "STAT.DAT";
    EXPECT_EQ(writeFileAtomically(file, "first\n"), std::nullopt);
    EXPECT_EQ(testing::readFile(file), "first\n");
    EXPECT_EQ(writeFileAtomically(file, std::string("sec\0ond", 7)), std::nullopt);
    EXPECT_EQ(testing::readFile(file), std::string("sec\0ond", 7));
    EXPECT_EQ(writeFileAtomically(file, ""), std::nullopt);
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(entriesIn(dir / "DATA"), 1u);
}

TEST(AtomicWrite, KeepsPermissionsAndFollowsLinks) {
    testing::TempDir dir;
    const auto file = dir / "CFG.DAT";
    testing::writeFile(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(writeFileAtomically(file, "new"), std::nullopt);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    fs::create_symlink(file, dir / "link.DAT");
    ASSERT_EQ(writeFileAtomically(dir / "link.DAT", "through link"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir / "link.DAT"));
    EXPECT_EQ(testing::readFile(file), "through link");
}

TEST(AtomicWrite, FailuresAreReportedAndLeaveTheOldFile) {
    testing::TempDir dir;
    EXPECT_TRUE(writeFileAtomically(dir.path(), "x").has_value());
    fs::create_directory(dir / "folder");
    EXPECT_TRUE(writeFileAtomically(dir / "folder", "x").has_value());
    testing::writeFile(dir / "plain", "x");
    EXPECT_TRUE(writeFileAtomically(dir / "plain" / "below", "x").has_value());

    if (::geteuid() != 0) {  // root may write anywhere
        const auto locked = dir / "locked";
        fs::create_directory(locked);
        testing::writeFile(locked / "f", "old");
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        const auto error = writeFileAtomically(locked / "f", "new");
        ASSERT_TRUE(error.has_value());
        EXPECT_NE(error->find("temporary"), std::string::npos) << *error;
        fs::permissions(locked, fs::perms::owner_all);
        EXPECT_EQ(testing::readFile(locked / "f"), "old");
        EXPECT_EQ(entriesIn(locked), 1u);
    }
}

TEST(WholeFileRead, DistinguishesMissingUnreadableAndTooLarge) {
    testing::TempDir dir;
    auto missing = readWholeFile(dir / "none");
    EXPECT_FALSE(missing.exists);
    EXPECT_FALSE(missing.error);

    testing::writeFile(dir / "f", "abc\r\n");
    auto present = readWholeFile(dir / "f");
    EXPECT_TRUE(present.exists);
    EXPECT_FALSE(present.error);
    EXPECT_EQ(present.content, "abc\r\n");

    auto folder = readWholeFile(dir.path());
    EXPECT_TRUE(folder.exists);
    EXPECT_TRUE(folder.error);

    auto large = readWholeFile(dir / "f", 4);
    EXPECT_TRUE(large.error);
    EXPECT_TRUE(large.content.empty());

    if (::geteuid() != 0) {
        fs::permissions(dir / "f", fs::perms::none);
        auto unreadable = readWholeFile(dir / "f");
        EXPECT_TRUE(unreadable.exists);
        EXPECT_TRUE(unreadable.error);
    }
}

TEST(WholeFileRead, APipeInAFilesPlaceIsRefusedAtOnce) {
    testing::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "CFG.DAT").c_str(), 0644), 0);
    // Nobody writes the pipe: a read that waited would never come back.
    const ReadResult read = readWholeFile(dir / "CFG.DAT");
    EXPECT_TRUE(read.exists);
    ASSERT_TRUE(read.error);
    EXPECT_NE(read.error->find("not a regular file"), std::string::npos) << *read.error;
}

TEST(StaleTemporaryFiles, OnlyOurOldOnesAreRemoved) {
    testing::TempDir dir;
    const std::vector<std::string> ours{"rpl1a2b3c.tmp", ".STAT.DAT.ff01.tmp", ".CFG.DAT.0.tmp"};
    const std::vector<std::string> others{"rpl.txt", "notes.tmp", ".STAT.DAT.xyz.tmp", "STAT.DAT", "rplzz.tmp"};
    for (const std::string& name : ours) testing::writeFile(dir / name, "x");
    for (const std::string& name : others) testing::writeFile(dir / name, "x");
    testing::writeFile(dir / "rplfresh.tmp", "a write in progress");
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const std::string& name : ours) fs::last_write_time(dir / name, old);
    for (const std::string& name : others) fs::last_write_time(dir / name, old);

    EXPECT_EQ(removeStaleTemporaryFiles(dir.path()), 3);
    for (const std::string& name : ours) EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const std::string& name : others) EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::exists(dir / "rplfresh.tmp"));
    EXPECT_EQ(removeStaleTemporaryFiles(dir / "missing"), 0);
}

}  // namespace
}  // namespace quilloro
