// The string-table files: reading, escapes, the fallback to English and the problems reported.
#include "app/core/string_table.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/temp_dir.hpp"

namespace quilloro {
namespace {

using testing::TempDir;
using testing::writeFile;

TEST(StringTable, ReadsBothLanguagesWithEscapesAndFallsBackToEnglish) {
  TempDir dir;
  writeFile(dir / "english/a.txt", "# comment\n\n215\t&New game\r\n9001\tQuit this game?\n300\tTwo\\nlines \\\\ tab\\tend\n");
  writeFile(dir / "italian/a.txt", "215\t&Nuova partita\n");
  writeFile(dir / "english/ignored.ini", "1\tnot read\n");
  std::vector<std::string> problems;
  const auto table = StringTable::load(dir.path(), &problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_EQ(table.text(kEnglishBase, 215), "&New game");
  EXPECT_EQ(table.text(kItalianBase, 215), "&Nuova partita");
  EXPECT_EQ(table.text(10215), "&Nuova partita");
  // Missing in Italian: the English text rather than a blank caption.
  EXPECT_EQ(table.text(kItalianBase, 9001), "Quit this game?");
  EXPECT_EQ(table.text(kEnglishBase, 300), "Two\nlines \\ tab\tend");
  EXPECT_EQ(table.text(kEnglishBase, 1), "");
  EXPECT_FALSE(table.contains(20001));
  EXPECT_EQ(table.size(), 4u);
}

TEST(StringTable, BadLinesAreReportedWithFileAndLineAndTheRestIsRead) {
  TempDir dir;
  writeFile(dir / "english/b.txt", "12 no tab\n-4\tnegative\n10000\ttoo large\nx1\tletters\n5\tbad \\q escape\n7\tkept\n7\ttwice\n");
  writeFile(dir / "english/c.txt", "7\tin another file\n8\tlast\\\n");
  std::vector<std::string> problems;
  const auto table = StringTable::load(dir.path(), &problems);
  // Eight bad lines (a duplicate counts across files too), plus the missing Italian folder.
  ASSERT_EQ(problems.size(), 9u);
  EXPECT_NE(problems[0].find("b.txt, line 1"), std::string::npos);
  EXPECT_NE(problems[5].find("b.txt, line 7: offset 7 is given twice"), std::string::npos);
  EXPECT_NE(problems[6].find("c.txt, line 1: offset 7 is given twice"), std::string::npos);
  EXPECT_NE(problems[7].find("c.txt, line 2"), std::string::npos);
  EXPECT_NE(problems[8].find("italian"), std::string::npos);
  EXPECT_EQ(table.text(20007), "kept");
  EXPECT_EQ(table.size(), 1u);
}

TEST(StringTable, ShippedTextsReadWithoutProblems) {
  const char* home = std::getenv("QUILLORO_HOME");
  if (!home) GTEST_SKIP() << "QUILLORO_HOME is not set";
  std::vector<std::string> problems;
  const auto table = StringTable::load(std::filesystem::path(home) / "Strings", &problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_EQ(table.text(kEnglishBase, 9001), "Quit this game?");
  EXPECT_FALSE(table.text(kItalianBase, 9001).empty());
}

TEST(StringTable, CaptionIsThePartBeforeTheBar) {
  EXPECT_EQ(captionPart("&Undo|Undo the last move"), "&Undo");
  EXPECT_EQ(captionPart("&Redo"), "&Redo");
  EXPECT_EQ(captionPart("|hint"), "");
}

}  // namespace
}  // namespace quilloro
