// Tests of the small text, number and file routines.
#include "app/core/shared_routines.hpp"

#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace quilloro {
namespace {

TEST(TextRoutines, PadCutAndRepeat) {
    EXPECT_EQ(fnPadRight("abc", 5), "abc  ");
    EXPECT_EQ(fnPadRight("abcdef", 3), "abc");
    EXPECT_EQ(fnPadRight("abc", 0), "");
    EXPECT_EQ(fnPadRight("abc", -2), "");
    EXPECT_EQ(fnSpaces(3), "   ");
    EXPECT_EQ(fnSpaces(-1), "");
    EXPECT_EQ(fnRepeatChar('x', 4), "xxxx");
    EXPECT_EQ(fnRepeatChar('x', 0), "");
    EXPECT_EQ(fnRepeatChar('x', -3), "");
}

TEST(TextRoutines, RightAndTrim) {
    EXPECT_EQ(fnRight("abcdef", 2), "ef");
    EXPECT_EQ(fnRight("abcdef", 0), "");
    EXPECT_EQ(fnRight("abc", 10), "abc");
    EXPECT_EQ(fnRight("abc", -1), "");
    EXPECT_EQ(fnTrimRight("  a b  "), "  a b");
    EXPECT_EQ(fnTrimLeft("  a b  "), "a b  ");
    EXPECT_EQ(fnTrimLeft("    "), "");
    EXPECT_EQ(fnTrimRight("    "), "");
    EXPECT_EQ(fnTrimRight(""), "");
}

TEST(TextRoutines, ReplaceChar) {
    EXPECT_EQ(fnReplaceChar("a\\b\\c", "\\", "/"), "a/b/c");
    EXPECT_EQ(fnReplaceChar("a b", " ", "%20"), "a%20b");
    EXPECT_EQ(fnReplaceChar("aaa", "a", ""), "");
    EXPECT_EQ(fnReplaceChar("abc", "", "x"), "abc");
}

TEST(TextRoutines, OverwriteKeepsSurroundings) {
    EXPECT_EQ(fnOverwrite("abcdef", 2, 3, "XYZ"), "aXYZef");
    EXPECT_EQ(fnOverwrite("abcdef", 2, 3, "X"), "aXef");
    EXPECT_EQ(fnOverwrite("abcdef", 1, 0, "--"), "--abcdef");
    EXPECT_EQ(fnOverwrite("abcdef", 5, 10, "Z"), "abcdZ");
    // Out-of-range positions stay within the text.
    EXPECT_EQ(fnOverwrite("abc", 10, 2, "Z"), "abcZ");
    EXPECT_EQ(fnOverwrite("abc", -4, 1, "Z"), "Zbc");
}

TEST(NumberFormatting, ZeroPadded) {
    EXPECT_EQ(fnZeroPad(-5, 4), "-005");
    EXPECT_EQ(fnZeroPad(52, 6), "000052");
    EXPECT_EQ(fnZeroPad(-52, 6), "-00052");
    EXPECT_EQ(fnZeroPad(0, 3), "000");
    EXPECT_EQ(fnZeroPad(999, 3), "999");
    EXPECT_EQ(fnZeroPad(1000, 3), "***");
    EXPECT_EQ(fnZeroPad(-100, 3), "***");
    EXPECT_EQ(fnZeroPad(1234567890123LL, 13), "1234567890123");
    EXPECT_EQ(fnZeroPad(42, 13), "0000000000042");
    EXPECT_EQ(fnZeroPad(5, 0), "");
}

TEST(NumberFormatting, FixedPoint) {
    EXPECT_EQ(fnFormatNumber(3.14159, 6, 2), "003.14");
    EXPECT_EQ(fnFormatNumber(-3.14159, 6, 2), "-03.14");
    EXPECT_EQ(fnFormatNumber(2.5, 5, 1, ','), "002,5");
    EXPECT_EQ(fnFormatNumber(-5, 4, 0), "-005");
    EXPECT_EQ(fnFormatNumber(123.456, 5, 2), "*****");
    EXPECT_EQ(fnFormatNumber(1e300, 8, 0), "********");
    // A negative value that rounds to nothing carries no sign.
    EXPECT_EQ(fnFormatNumber(-0.001, 4, 0), "0000");
    EXPECT_EQ(fnFormatNumber(std::numeric_limits<double>::quiet_NaN(), 3, 0), "***");
    EXPECT_EQ(fnFormatNumber(std::numeric_limits<double>::infinity(), 3, 0), "***");
}

TEST(Sections, CollectsEveryOccurrenceOfTheHeader) {
    const std::vector<std::string> lines{"[Sect1]", "a", "[Sect2]", "b", "[Sect1]", "c"};
    EXPECT_EQ(fnSection(lines, "[Sect1]"), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(fnSection(lines, "[Sect2]"), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(fnSection(lines, "[Sect3]").empty());
    EXPECT_TRUE(fnSection({}, "[Sect1]").empty());
    // Empty lines inside a section belong to it; lines before any header do not.
    EXPECT_EQ(fnSection({"x", "[S]", "", "y"}, "[S]"), (std::vector<std::string>{"", "y"}));
}

TEST(Numbers, MaxAndColourCount) {
    EXPECT_EQ(fnMax(3, -7), 3);
    EXPECT_EQ(fnMax(-3, -2), -2);
    EXPECT_EQ(fnColourCount(8, 1), 256);
    EXPECT_EQ(fnColourCount(16, 1), 65536);
    EXPECT_EQ(fnColourCount(24, 1), 16777216);
    EXPECT_EQ(fnColourCount(32, 1), 999999999);
    EXPECT_EQ(fnColourCount(4, 2), 256);
    EXPECT_EQ(fnColourCount(24, 3), 999999999);
}

TEST(Links, Addresses) {
    EXPECT_EQ(fnLinkAddress("EMAIL", "me@example.org"), "mailto:me@example.org");
    EXPECT_EQ(fnLinkAddress("email", "me@example.org"), "mailto:me@example.org");
    EXPECT_EQ(fnLinkAddress("HTTP", "www.example.org"), "http://www.example.org");
    EXPECT_EQ(fnLinkAddress("Http", "http://example.org"), "http://example.org");
    EXPECT_EQ(fnLinkAddress("HTTP", "https://example.org"), "https://example.org");
    EXPECT_EQ(fnLinkAddress("HTTP", "HTTPS://example.org"), "HTTPS://example.org");
    EXPECT_EQ(fnLinkAddress("FTP", "example.org"), std::nullopt);
    EXPECT_EQ(fnLinkAddress("", "example.org"), std::nullopt);
    EXPECT_EQ(fnLinkAddress("HTTP", "example.org\n--evil"), std::nullopt);
}

TEST(Files, DirectoryTempFileAndDelete) {
    testing::TempDir dir;
    EXPECT_TRUE(fnDirectoryExists(dir.path()));
    EXPECT_FALSE(fnDirectoryExists(dir / "missing"));
    testing::writeFile(dir / "plain", "x");
    EXPECT_FALSE(fnDirectoryExists(dir / "plain"));

    std::set<std::filesystem::path> names;
    for (int i = 0; i < 20; ++i) {
        const auto temp = fnTempFileName(dir.path(), "STATISTICS");
        ASSERT_TRUE(temp.has_value());
        EXPECT_EQ(temp->parent_path(), dir.path());
        EXPECT_TRUE(temp->filename().string().starts_with("STA"));
        EXPECT_TRUE(std::filesystem::is_regular_file(*temp));
        EXPECT_EQ(std::filesystem::file_size(*temp), 0u);
        names.insert(*temp);
    }
    EXPECT_EQ(names.size(), 20u);

    // A prefix cannot lead the file out of its directory.
    const auto sneaky = fnTempFileName(dir.path(), "../x");
    ASSERT_TRUE(sneaky.has_value());
    EXPECT_EQ(sneaky->parent_path(), dir.path());
    EXPECT_FALSE(fnTempFileName(dir / "missing", "tmp").has_value());

    fnDeleteFile(*names.begin());
    EXPECT_FALSE(std::filesystem::exists(*names.begin()));
    fnDeleteFile(dir / "missing");  // no error
    std::filesystem::create_directory(dir / "sub");
    fnDeleteFile(dir / "sub");
    EXPECT_TRUE(fnDirectoryExists(dir / "sub"));
}

}  // namespace
}  // namespace quilloro
