// Tests of the settings store: start-up loading, repairs, writing back, recent game numbers.
#include "app/core/settings_store.hpp"

#include "tests/support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <chrono>

namespace quilloro {
namespace {

namespace fs = std::filesystem;

constexpr long long kTrueColour = 16777216;

class SettingsStoreTest : public ::testing::Test {
protected:
    fs::path cfg() const { return dir_ / "DATA" / "CFG.DAT"; }
    void writeCfg(std::string_view content) const { testing::writeFile(cfg(), content); }

    testing::TempDir dir_;
    SettingsStore store_{dir_.path()};
};

TEST_F(SettingsStoreTest, InitialRecordHoldsOnlyTheConstantFields) {
    const std::string& text = store_.record().text();
    ASSERT_EQ(text.size(), 750u);
    EXPECT_EQ(store_.fnCfgGet(1, 20), "DATA/CFG.DAT");
    const std::string directory = dir_.path().generic_string() + "/";
    EXPECT_EQ(store_.fnCfgGet(501, 200), directory);
    EXPECT_EQ(text.substr(20, 480), std::string(480, ' '));
    EXPECT_EQ(text.substr(500 + directory.size()), std::string(250 - directory.size(), ' '));
    EXPECT_EQ(store_.fnCfgPath(), cfg());
    EXPECT_EQ(store_.preferences().path(), cfg());

    store_.fnCfgSet(76, 30, "x");
    store_.fnCfgInit();
    EXPECT_EQ(store_.fnCfgGet(76, 30), "");
}

TEST_F(SettingsStoreTest, ProgramDirectoryIsAbsoluteWithTrailingSlash) {
    SettingsStore relative("some/dir/../dir/");
    EXPECT_EQ(relative.fnCfgGet(501, 200), (fs::current_path() / "some/dir/").generic_string());
    EXPECT_TRUE(relative.programDirectory().is_absolute());
}

TEST_F(SettingsStoreTest, DirectoryTooLongForTheFieldStillFindsTheFile) {
    const fs::path deep = dir_.path() / std::string(120, 'a') / std::string(120, 'b');
    SettingsStore store(deep);
    EXPECT_EQ(store.fnCfgGet(501, 200), "");
    EXPECT_EQ(store.fnCfgPath(), deep / "DATA" / "CFG.DAT");
    store.loadAtStartup(kTrueColour);
    EXPECT_EQ(IniFile(deep / "DATA" / "CFG.DAT").readInteger("Parameters", "Run_Exe", 0), 1);
}

TEST_F(SettingsStoreTest, FreshInstallation) {
    const auto ui = store_.loadAtStartup(kTrueColour);
    EXPECT_TRUE(ui.fileErrors.empty());
    EXPECT_EQ(testing::readFile(cfg()),
              "[Preference]\nUserDefault=User1\n\n[Users]\nUser001=User1\n\n[Parameters]\nRun_Exe=1\n");

    const std::pair<SettingsField, std::string_view> expected[] = {
        {field::BackCard, "011"}, {field::Card, "001"}, {field::BackgroundDefault, "N"},
        {field::BackgroundColour, "-2147483633"}, {field::BackgroundBitmap, "0"},
        {field::BackgroundFixedColour, "32768"}, {field::Game, "000"}, {field::ShowTime, "Y"},
        {field::CardsAnimate, "Y"}, {field::Language, "20000"}, {field::SpeedMoveCard, "10"},
        {field::StatusBar, "N"}, {field::UserDefault, "User1"}, {field::RunGamesWon, "0000"},
        {field::RunGamesLost, "0000"}, {field::ScoringKind, "01"}, {field::Score, ""}, {field::CardSize, "B"},
        {field::SetAsideCard, ""}, {field::SetAsideBackCard, ""}, {field::FadeBackground, "Y"},
        {field::ShowScore, "Y"}, {field::UndoEnabled, "0"}, {field::WinningAnimation, "Y"},
        {field::RandomBackground, "N"}, {field::GameNumber, ""}, {field::Cursor, "11"},
        {field::CardsShadowed, "Y"}, {field::PilesIrregular, "N"}, {field::ConfirmQuitGame, "Y"},
        {field::ConfirmEnterHiScores, "Y"}, {field::RandomCard, "N"}, {field::RandomDeck, "N"},
    };
    for (const auto& [f, value] : expected) {
        EXPECT_EQ(store_.get(f), value) << "field at " << f.position;
    }
    for (const auto& f : field::kAll) {
        if (f.key.starts_with("Sounds_")) {
            EXPECT_EQ(store_.get(f), "Y") << f.key;
        }
    }
    EXPECT_FALSE(ui.toolbarLarge);
    EXPECT_TRUE(ui.toolbarFlat);
    EXPECT_FALSE(ui.lowColourAdviceDue);
    EXPECT_TRUE(ui.autoplayOn);
    EXPECT_FALSE(ui.statusBarVisible);
    EXPECT_EQ(ui.shadowSize, 9);
    EXPECT_EQ(ui.cursor, 11);
    EXPECT_TRUE(ui.showTimePanel);
    EXPECT_TRUE(ui.showScorePanel);
}

TEST_F(SettingsStoreTest, LowColourDisplay) {
    const auto ui = store_.loadAtStartup(256);
    EXPECT_TRUE(ui.lowColourAdviceDue);
    EXPECT_EQ(store_.get(field::Card), "003");
    EXPECT_FALSE(store_.loadAtStartup(257).lowColourAdviceDue);
    EXPECT_EQ(store_.get(field::Card), "001");
}

TEST_F(SettingsStoreTest, ValuesFromTheFileAndTheirRepairs) {
    writeCfg("[preference]\n"
             "Back_Card=0\nCard=7\nBackground_Col=0\nBackground_bmp=\nGame=42\nCards_Animate=N\n"
             "UserDefault=   Bob\nLanguage=10000\nSpeed_Move_Card=5\nStatusBar=Y\nToolBar_Large=Y\n"
             "ToolBar_Flat=N\nAutoPlay=N\nCursor=13\nSounds_Undo=N\nCard_Size=M\n");
    const auto ui = store_.loadAtStartup(kTrueColour);
    EXPECT_EQ(store_.get(field::BackCard), "001");
    EXPECT_EQ(store_.get(field::Card), "007");
    EXPECT_EQ(store_.get(field::BackgroundColour), "-2147483633");
    EXPECT_EQ(store_.get(field::BackgroundBitmap), "0");
    EXPECT_EQ(store_.get(field::Game), "042");
    EXPECT_EQ(store_.get(field::CardsAnimate), "N");
    EXPECT_EQ(store_.get(field::CardsShadowed), "N");  // follows Cards_Animate
    EXPECT_EQ(ui.shadowSize, 0);
    EXPECT_EQ(store_.get(field::UserDefault), "Bob");
    EXPECT_EQ(store_.get(field::Language), "10000");
    EXPECT_EQ(store_.get(field::SpeedMoveCard), "5");
    EXPECT_EQ(store_.get(field::SoundsUndo), "N");
    EXPECT_EQ(store_.get(field::CardSize), "M");
    EXPECT_TRUE(ui.statusBarVisible);
    EXPECT_TRUE(ui.toolbarLarge);
    EXPECT_FALSE(ui.toolbarFlat);
    EXPECT_FALSE(ui.autoplayOn);
    EXPECT_EQ(ui.cursor, 13);
    EXPECT_EQ(store_.get(field::Cursor), "13");
    // A named player needs no first player in the list.
    EXPECT_EQ(store_.preferences().lookup("Users", "User001"), std::nullopt);
}

TEST_F(SettingsStoreTest, ShadowsChosenOnTheirOwnOverrideTheAnimationSwitch) {
    writeCfg("[Preference]\nCards_Animate=N\nCards_Shadowed=Y\n");
    EXPECT_EQ(store_.loadAtStartup(kTrueColour).shadowSize, 9);
}

TEST_F(SettingsStoreTest, NumbersThatDoNotFitTheirFieldGiveTheDefault) {
    writeCfg("[Preference]\nBack_Card=1000\nCard=-3\nGame=abc\nSpeed_Move_Card=100\n"
             "Background_Fixed_Col=1234567890123456\nLanguage=12x\nCursor=99\n");
    const auto ui = store_.loadAtStartup(kTrueColour);
    EXPECT_EQ(store_.get(field::BackCard), "011");
    EXPECT_EQ(store_.get(field::Card), "001");
    EXPECT_EQ(store_.get(field::Game), "000");
    EXPECT_EQ(store_.get(field::SpeedMoveCard), "10");
    EXPECT_EQ(store_.get(field::BackgroundFixedColour), "32768");
    EXPECT_EQ(store_.get(field::Language), "20000");
    EXPECT_EQ(ui.cursor, 11);
}

TEST_F(SettingsStoreTest, CursorZeroIsKept) {
    writeCfg("[Preference]\nCursor=0\n");
    EXPECT_EQ(store_.loadAtStartup(kTrueColour).cursor, 0);
    EXPECT_EQ(store_.get(field::Cursor), "0");
}

TEST_F(SettingsStoreTest, RunCountStopsAtNine) {
    for (int start = 1; start <= 10; ++start) {
        store_.loadAtStartup(kTrueColour);
        EXPECT_EQ(store_.preferences().readInteger("Parameters", "Run_Exe", -1), std::min(start, 9));
    }
}

TEST_F(SettingsStoreTest, FirstPlayerNeverReplacesAListedPlayer) {
    writeCfg("[Users]\nUser001=Ann\nUser002=\n");
    store_.loadAtStartup(kTrueColour);
    IniFile ini = store_.preferences();
    EXPECT_EQ(ini.readString("Users", "User001", ""), "Ann");
    EXPECT_EQ(ini.readString("Users", "User002", ""), "User1");
    EXPECT_EQ(ini.readString("Preference", "UserDefault", ""), "User1");

    writeCfg("[Users]\nUser001=Ann\nUser005=user1\n");
    store_.loadAtStartup(kTrueColour);
    EXPECT_EQ(store_.preferences().readSection("Users").size(), 2u);
}

TEST_F(SettingsStoreTest, APlayerNameTheResultFilesCannotStoreFallsBackToTheFirstPlayer) {
    for (const std::string bad : {"a=b", "[Game]", ";x", "#x"}) {
        writeCfg("[Preference]\nUserDefault=" + bad + "\n");
        const StartupAppearance appearance = store_.loadAtStartup(kTrueColour);
        EXPECT_EQ(store_.record().get(field::UserDefault), "User1") << bad;
        EXPECT_EQ(store_.preferences().readString("Preference", "UserDefault", ""), "User1") << bad;
        ASSERT_FALSE(appearance.fileErrors.empty()) << bad;
        EXPECT_NE(appearance.fileErrors.front().find(bad), std::string::npos) << appearance.fileErrors.front();
    }
}

TEST_F(SettingsStoreTest, StartUpRemovesOldTemporaryFilesFromTheDataFolder) {
    writeCfg("[Preference]\nUserDefault=Ann\n");
    testing::writeFile(dir_ / "DATA" / "rpl12ab.tmp", "left by a crash");
    fs::last_write_time(dir_ / "DATA" / "rpl12ab.tmp", fs::file_time_type::clock::now() - std::chrono::minutes(5));
    store_.loadAtStartup(kTrueColour);
    EXPECT_FALSE(fs::exists(dir_ / "DATA" / "rpl12ab.tmp"));
    EXPECT_EQ(store_.record().get(field::UserDefault), "Ann");
}

TEST_F(SettingsStoreTest, LegacyRepairOnlyWithHiScoreFile) {
    writeCfg("[Preference]\nCards_Animate=S\nConfirmQuit=S\nConfirmQuitGame=S\n");
    store_.loadAtStartup(kTrueColour);
    ASSERT_EQ(store_.get(field::CardsAnimate), "S");
    EXPECT_EQ(store_.repairLegacyValues(false), std::nullopt);
    EXPECT_EQ(store_.preferences().readString("Preference", "Cards_Animate", ""), "S");

    EXPECT_EQ(store_.repairLegacyValues(true), std::nullopt);
    IniFile ini = store_.preferences();
    EXPECT_EQ(ini.readString("Preference", "Cards_Animate", ""), "Y");
    EXPECT_EQ(ini.readString("Preference", "ConfirmQuit", ""), "Y");
    EXPECT_EQ(ini.readString("Preference", "ConfirmQuitGame", ""), "S");  // not a legacy key
    EXPECT_EQ(store_.get(field::CardsAnimate), "Y");
}

TEST_F(SettingsStoreTest, SetAndSaveWritesRecordAndFileAlike) {
    EXPECT_EQ(store_.setAndSave(field::SoundsUndo, "N"), std::nullopt);
    EXPECT_EQ(store_.setAndSave(field::BackCard, 5), std::nullopt);
    EXPECT_EQ(store_.setAndSave(field::Card, "12"), std::nullopt);
    EXPECT_EQ(store_.setAndSave(field::UserDefault, "  Dora"), std::nullopt);
    EXPECT_EQ(store_.get(field::SoundsUndo), "N");
    EXPECT_EQ(store_.get(field::BackCard), "005");
    EXPECT_EQ(store_.get(field::Card), "012");
    EXPECT_EQ(testing::readFile(cfg()),
              "[Preference]\nSounds_Undo=N\nBack_Card=5\nCard=12\nUserDefault=Dora\n");

    EXPECT_TRUE(store_.setAndSave(field::BackCard, 1000).has_value());
    EXPECT_EQ(store_.get(field::BackCard), "005");
    EXPECT_TRUE(store_.setAndSave(field::GameNumber, "12").has_value());  // kept in memory only
    EXPECT_EQ(store_.get(field::GameNumber), "12");

    // What was saved is what the next start loads.
    SettingsStore next(dir_.path());
    next.loadAtStartup(kTrueColour);
    EXPECT_EQ(next.get(field::BackCard), "005");
    EXPECT_EQ(next.get(field::Card), "012");
    EXPECT_EQ(next.get(field::UserDefault), "Dora");
    EXPECT_EQ(next.get(field::SoundsUndo), "N");
}

TEST_F(SettingsStoreTest, RecentGameNumbers) {
    ASSERT_EQ(store_.fnRememberGameNumber("0000000000111"), std::nullopt);
    ASSERT_EQ(store_.fnRememberGameNumber("0000000000222"), std::nullopt);
    ASSERT_EQ(store_.fnRememberGameNumber("0000000000111"), std::nullopt);
    const auto entries = store_.preferences().readSection("Game_Numbers");
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries[0].key, "Game001");
    EXPECT_EQ(entries[0].value, "0000000000111");
    EXPECT_EQ(entries[1].key, "Game002");
    EXPECT_EQ(entries[1].value, "0000000000222");
    for (std::size_t i = 2; i < 20; ++i) {
        EXPECT_EQ(entries[i].key, recentGameKey(static_cast<int>(i + 1)));
        EXPECT_EQ(entries[i].value, "");
    }
    EXPECT_EQ(store_.fnRememberGameNumber(""), std::nullopt);
    EXPECT_EQ(store_.preferences().readString("Game_Numbers", "Game001", ""), "0000000000111");
}

TEST_F(SettingsStoreTest, RecentGameNumbersKeepTwentyAndTheirGaps) {
    std::string content = "[Game_Numbers]\n";
    for (int i = 1; i <= 20; ++i) {
        content += recentGameKey(i) + "=" + (i == 3 ? "" : std::to_string(i)) + "\n";
    }
    writeCfg(content);
    ASSERT_EQ(store_.fnRememberGameNumber("5"), std::nullopt);
    IniFile ini = store_.preferences();
    EXPECT_EQ(ini.readString("Game_Numbers", "Game001", ""), "5");
    EXPECT_EQ(ini.readString("Game_Numbers", "Game002", ""), "1");
    EXPECT_EQ(ini.readString("Game_Numbers", "Game004", ""), "");  // the gap moves down
    EXPECT_EQ(ini.readString("Game_Numbers", "Game005", ""), "4");
    EXPECT_EQ(ini.readString("Game_Numbers", "Game006", ""), "6");
    // Taking 5 out made room, so the oldest number stays.
    EXPECT_EQ(ini.readString("Game_Numbers", "Game020", ""), "20");
    EXPECT_EQ(ini.readSection("Game_Numbers").size(), 20u);
}

}  // namespace
}  // namespace quilloro
