// Tests of key-by-key INI access: matching, preservation of untouched lines, robustness.
#include "app/core/ini_file.hpp"

#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <random>

namespace quilloro {
namespace {

namespace fs = std::filesystem;

TEST(IniRead, DefaultsForMissingFileSectionAndKey) {
    testing::TempDir dir;
    IniFile ini(dir / "DATA" / "CFG.DAT");
    EXPECT_EQ(ini.readString("Preference", "Card", "dflt"), "dflt");
    EXPECT_EQ(ini.readInteger("Preference", "Card", 7), 7);
    EXPECT_TRUE(ini.readSection("Preference").empty());
    EXPECT_TRUE(ini.sectionNames().empty());
    EXPECT_EQ(ini.eraseSection("Preference"), std::nullopt);
    EXPECT_FALSE(fs::exists(dir / "DATA"));  // reading and erasing create nothing
}

TEST(IniRead, MatchesWithoutCaseAndToleratesCrLf) {
    testing::TempDir dir;
    testing::writeFile(dir / "a.ini",
                       "\xEF\xBB\xBF[Preference]\r\n"
                       "  ToolBar_Visible = N  \r\n"
                       "Empty=\r\n"
                       "Spaced = a = b \r\n"
                       "; Card=5\r\n"
                       "# Card=6\r\n"
                       "[users]\r\n"
                       "USER001=Ann\r\n"
                       "User001=Bob\r\n");
    IniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.readString("PREFERENCE", "toolbar_visible", "Y"), "N");
    EXPECT_EQ(ini.readString("Preference", "Empty", "x"), "");
    EXPECT_EQ(ini.lookup("Preference", "Empty"), "");
    EXPECT_EQ(ini.lookup("Preference", "Card"), std::nullopt);
    EXPECT_EQ(ini.readString("Preference", "Spaced", ""), "a = b");
    EXPECT_EQ(ini.readString("Users", "user001", ""), "Ann");
    const auto users = ini.readSection("USERS");
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].key, "USER001");
    EXPECT_EQ(users[0].value, "Ann");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Preference", "users"}));
}

TEST(IniRead, IntegersMustBeDecimal) {
    testing::TempDir dir;
    testing::writeFile(dir / "a.ini",
                       "[P]\nplain=42\nneg=-2147483633\nplus=+5\npadded=011\nspaced= 12 \n"
                       "junk=12abc\nhex=0x10\ndollar=$8000000F\nempty=\nhuge=99999999999999999999\nminus=-\n");
    IniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.readInteger("P", "plain", 0), 42);
    EXPECT_EQ(ini.readInteger("P", "neg", 0), -2147483633);
    EXPECT_EQ(ini.readInteger("P", "plus", 0), 5);
    EXPECT_EQ(ini.readInteger("P", "padded", 0), 11);
    EXPECT_EQ(ini.readInteger("P", "spaced", 0), 12);
    for (const char* key : {"junk", "hex", "dollar", "empty", "huge", "minus", "absent"}) {
        EXPECT_EQ(ini.readInteger("P", key, -1), -1) << key;
    }
}

TEST(IniWrite, FirstWriteCreatesFileAndFolder) {
    testing::TempDir dir;
    IniFile ini(dir / "DATA" / "CFG.DAT");
    ASSERT_EQ(ini.writeString("Preference", "UserDefault", "User1"), std::nullopt);
    ASSERT_EQ(ini.writeInteger("Parameters", "Run_Exe", 1), std::nullopt);
    ASSERT_EQ(ini.writeString("Preference", "Card", "003"), std::nullopt);
    EXPECT_EQ(testing::readFile(dir / "DATA" / "CFG.DAT"),
              "[Preference]\nUserDefault=User1\nCard=003\n\n[Parameters]\nRun_Exe=1\n");
}

TEST(IniWrite, HandWrittenFileSurvivesExceptTheKeyWritten) {
    testing::TempDir dir;
    const std::string before =
        "; Quilloro preferences, edited by hand\r\n"
        "\r\n"
        "[PREFERENCE]\r\n"
        "back_card = 7\r\n"
        "Mystery Key=keep me\r\n"
        "a line without equals\r\n"
        "\r\n"
        "# about the next section\r\n"
        "[Unknown Section]\r\n"
        "Whatever=1\r\n"
        "[users]\r\n"
        "User001=Ann";  // no final line break
    testing::writeFile(dir / "CFG.DAT", before);
    IniFile ini(dir / "CFG.DAT");

    ASSERT_EQ(ini.writeInteger("Preference", "Back_Card", 12), std::nullopt);
    std::string expected = before;
    expected.replace(expected.find("back_card = 7"), 13, "back_card = 12");
    EXPECT_EQ(testing::readFile(dir / "CFG.DAT"), expected);

    // A new key goes after the section's last entry, before the blank line
    // and the comment that lead into the next section.
    ASSERT_EQ(ini.writeString("preference", "Card", "001"), std::nullopt);
    expected.replace(expected.find("a line without equals\r\n") + 23, 0, "Card=001\r\n");
    EXPECT_EQ(testing::readFile(dir / "CFG.DAT"), expected);

    ASSERT_EQ(ini.writeString("Users", "User002", "Bob"), std::nullopt);
    expected += "\r\nUser002=Bob\r\n";
    EXPECT_EQ(testing::readFile(dir / "CFG.DAT"), expected);

    ASSERT_EQ(ini.writeString("Game_Numbers", "Game001", "42"), std::nullopt);
    expected += "\r\n[Game_Numbers]\r\nGame001=42\r\n";
    EXPECT_EQ(testing::readFile(dir / "CFG.DAT"), expected);
}

TEST(IniWrite, EraseSectionRemovesEveryCopyAndKeepsTheRest) {
    testing::TempDir dir;
    testing::writeFile(dir / "s.ini", "[A]\nx=1\n[Favourite Games]\nGame000=Klondike\n; note\n[B]\ny=2\n"
                                      "[favourite games]\nGame001=Spider\n");
    IniFile ini(dir / "s.ini");
    ASSERT_EQ(ini.eraseSection("FAVOURITE GAMES"), std::nullopt);
    EXPECT_EQ(testing::readFile(dir / "s.ini"), "[A]\nx=1\n[B]\ny=2\n");
    ASSERT_EQ(ini.writeStrings("Favourite Games", {{"Game000", "Spider"}, {"Game001", "Klondike"}}), std::nullopt);
    EXPECT_EQ(testing::readFile(dir / "s.ini"),
              "[A]\nx=1\n[B]\ny=2\n\n[Favourite Games]\nGame000=Spider\nGame001=Klondike\n");
}

TEST(IniWrite, RefusesWhatWouldCorruptTheFile) {
    testing::TempDir dir;
    testing::writeFile(dir / "c.ini", "[P]\nk=v\n");
    IniFile ini(dir / "c.ini");
    EXPECT_TRUE(ini.writeString("P", "k", "two\nlines").has_value());
    EXPECT_TRUE(ini.writeString("P", "k", "cr\rhere").has_value());
    EXPECT_TRUE(ini.writeString("P", "a=b", "v").has_value());
    EXPECT_TRUE(ini.writeString("P", "", "v").has_value());
    EXPECT_TRUE(ini.writeString("P", ";k", "v").has_value());
    EXPECT_TRUE(ini.writeString("P", " k", "v").has_value());
    EXPECT_TRUE(ini.writeString("P]x", "k", "v").has_value());
    EXPECT_TRUE(ini.writeString("", "k", "v").has_value());
    EXPECT_TRUE(ini.writeStrings("P", {{"ok", "1"}, {"bad", "x\ny"}}).has_value());
    EXPECT_EQ(testing::readFile(dir / "c.ini"), "[P]\nk=v\n");
}

TEST(IniWrite, FileThatCannotBeReadIsNotOverwritten) {
    testing::TempDir dir;
    // Larger than the reader accepts: it must not be taken for an empty file.
    const auto big = dir / "big.ini";
    testing::writeFile(big, "[P]\nk=v\n");
    fs::resize_file(big, 65u << 20);
    IniFile ini(big);
    EXPECT_EQ(ini.readString("P", "k", "dflt"), "dflt");
    EXPECT_TRUE(ini.writeString("P", "k", "w").has_value());
    EXPECT_TRUE(ini.eraseSection("P").has_value());
    EXPECT_EQ(fs::file_size(big), 65u << 20);

    fs::create_directory(dir / "folder.ini");
    IniFile folder(dir / "folder.ini");
    EXPECT_TRUE(folder.writeString("P", "k", "v").has_value());
    EXPECT_TRUE(fs::is_directory(dir / "folder.ini"));
}

TEST(IniRobustness, JunkInputNeverBreaksReadingOrWriting) {
    testing::TempDir dir;
    std::mt19937 generator(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "[]=;#\r\n \tPk";
    for (int round = 0; round < 200; ++round) {
        std::string junk;
        const int length = round * 7;
        for (int i = 0; i < length; ++i) {
            const int b = byte(generator);
            junk.push_back(b < 128 ? alphabet[static_cast<std::size_t>(b) % alphabet.size()] : static_cast<char>(b));
        }
        testing::writeFile(dir / "j.ini", junk);
        IniFile ini(dir / "j.ini");
        (void)ini.readSection("P");
        (void)ini.sectionNames();
        ASSERT_EQ(ini.writeString("P", "k", "value"), std::nullopt);
        EXPECT_EQ(ini.readString("P", "k", ""), "value") << "round " << round;
        ASSERT_EQ(ini.eraseSection("P"), std::nullopt);
        EXPECT_EQ(ini.lookup("P", "k"), std::nullopt);
    }
    // One huge line without '='.
    testing::writeFile(dir / "h.ini", std::string(5'000'000, 'x'));
    IniFile huge(dir / "h.ini");
    ASSERT_EQ(huge.writeString("P", "k", "v"), std::nullopt);
    EXPECT_EQ(huge.readString("P", "k", ""), "v");
    EXPECT_EQ(fs::file_size(dir / "h.ini"), 5'000'000u + std::string("\n\n[P]\nk=v\n").size());
}

}  // namespace
}  // namespace quilloro
