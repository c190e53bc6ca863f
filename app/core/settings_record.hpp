// The fixed-layout settings record and the position, length and key of each field.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quilloro {

// How a field's value is written into the record.
enum class FieldFormat {
    Text,        // as given, left-aligned
    ZeroPadded,  // unsigned count with leading zeros to the field's length
    Decimal,     // signed decimal text, left-aligned
};

// A field of the record: where it lies (position counted from 1) and the key
// of section "Preference" that feeds it, empty for fields kept only in memory.
struct SettingsField {
    int position;
    int length;
    std::string_view key;
    FieldFormat format;
};

namespace field {
using enum FieldFormat;
inline constexpr SettingsField PreferencesFileName{1, 20, "", Text};
inline constexpr SettingsField BackCard{21, 3, "Back_Card", ZeroPadded};
inline constexpr SettingsField Card{24, 3, "Card", ZeroPadded};
inline constexpr SettingsField BackgroundDefault{27, 1, "Background_def", Text};
inline constexpr SettingsField BackgroundColour{28, 15, "Background_Col", Decimal};
inline constexpr SettingsField BackgroundBitmap{43, 4, "Background_bmp", Text};
inline constexpr SettingsField BackgroundFixedColour{47, 15, "Background_Fixed_Col", Decimal};
inline constexpr SettingsField Game{62, 3, "Game", ZeroPadded};
inline constexpr SettingsField ShowTime{65, 1, "Show_Time", Text};
inline constexpr SettingsField CardsAnimate{66, 1, "Cards_Animate", Text};
inline constexpr SettingsField Language{67, 6, "Language", Decimal};
inline constexpr SettingsField SpeedMoveCard{73, 2, "Speed_Move_Card", Decimal};
inline constexpr SettingsField StatusBar{75, 1, "StatusBar", Text};
inline constexpr SettingsField UserDefault{76, 30, "UserDefault", Text};
inline constexpr SettingsField RunGamesWon{111, 4, "", ZeroPadded};
inline constexpr SettingsField RunGamesLost{115, 4, "", ZeroPadded};
inline constexpr SettingsField ScoringKind{119, 2, "", Text};
inline constexpr SettingsField Score{121, 6, "", Decimal};
inline constexpr SettingsField CardSize{127, 1, "Card_Size", Text};
inline constexpr SettingsField SetAsideCard{128, 3, "", ZeroPadded};
inline constexpr SettingsField SetAsideBackCard{131, 3, "", ZeroPadded};
inline constexpr SettingsField FadeBackground{134, 1, "Fade_Background", Text};
inline constexpr SettingsField ShowScore{135, 1, "Show_Score", Text};
inline constexpr SettingsField UndoEnabled{136, 1, "Undo_Enabled", Text};
inline constexpr SettingsField LastActionUndo{137, 1, "", Text};
inline constexpr SettingsField LastActionRedo{138, 1, "", Text};
inline constexpr SettingsField WinningAnimation{139, 1, "Winning_Animation", Text};
inline constexpr SettingsField SoundsEnabled{140, 1, "Sounds_Enabled", Text};
inline constexpr SettingsField SoundsAbout{141, 1, "Sounds_About", Text};
inline constexpr SettingsField SoundsAutoplay{142, 1, "Sounds_Autoplay", Text};
inline constexpr SettingsField SoundsGameWon{143, 1, "Sounds_GameWon", Text};
inline constexpr SettingsField SoundsNewGame{144, 1, "Sounds_NewGame", Text};
inline constexpr SettingsField SoundsRedo{145, 1, "Sounds_Redo", Text};
inline constexpr SettingsField SoundsRestart{146, 1, "Sounds_Restart", Text};
inline constexpr SettingsField SoundsSplash{147, 1, "Sounds_Splash", Text};
inline constexpr SettingsField SoundsShuffle{148, 1, "Sounds_Shuffle", Text};
inline constexpr SettingsField SoundsUndo{150, 1, "Sounds_Undo", Text};
inline constexpr SettingsField RandomBackground{151, 1, "Random_Background", Text};
inline constexpr SettingsField GameNumber{152, 15, "", Text};
inline constexpr SettingsField SoundsHiScores{170, 1, "Sounds_HiScores", Text};
inline constexpr SettingsField Cursor{171, 2, "Cursor", Decimal};
inline constexpr SettingsField SoundsNewHiScores{173, 1, "Sounds_NewHiScores", Text};
inline constexpr SettingsField SoundsPairing{174, 1, "Sounds_Pairing", Text};
inline constexpr SettingsField SoundsStock{175, 1, "Sounds_Stock", Text};
inline constexpr SettingsField SoundsTableau{176, 1, "Sounds_Tableau", Text};
inline constexpr SettingsField CardsShadowed{177, 1, "Cards_Shadowed", Text};
inline constexpr SettingsField PilesIrregular{178, 1, "Piles_TT", Text};
inline constexpr SettingsField SoundsFaceUp{179, 1, "Sounds_FaceUp", Text};
inline constexpr SettingsField SoundsCardDown{180, 1, "Sounds_CardDown", Text};
inline constexpr SettingsField SoundsCardUp{181, 1, "Sounds_CardUp", Text};
inline constexpr SettingsField SoundsRedeal{182, 1, "Sounds_Redeal", Text};
inline constexpr SettingsField SoundsFoundation{183, 1, "Sounds_Foundation", Text};
inline constexpr SettingsField ConfirmQuitGame{184, 1, "ConfirmQuitGame", Text};
inline constexpr SettingsField ConfirmEnterHiScores{185, 1, "ConfirmEnterHiScores", Text};
inline constexpr SettingsField RandomCard{186, 1, "Random_Card", Text};
inline constexpr SettingsField RandomDeck{187, 1, "Random_Deck", Text};
inline constexpr SettingsField ProgramDirectory{501, 200, "", Text};

// Every field above, in record order.
inline constexpr std::array kAll{
    PreferencesFileName, BackCard, Card, BackgroundDefault, BackgroundColour, BackgroundBitmap,
    BackgroundFixedColour, Game, ShowTime, CardsAnimate, Language, SpeedMoveCard, StatusBar, UserDefault,
    RunGamesWon, RunGamesLost, ScoringKind, Score, CardSize, SetAsideCard, SetAsideBackCard, FadeBackground,
    ShowScore, UndoEnabled, LastActionUndo, LastActionRedo, WinningAnimation, SoundsEnabled, SoundsAbout,
    SoundsAutoplay, SoundsGameWon, SoundsNewGame, SoundsRedo, SoundsRestart, SoundsSplash, SoundsShuffle,
    SoundsUndo, RandomBackground, GameNumber, SoundsHiScores, Cursor, SoundsNewHiScores, SoundsPairing,
    SoundsStock, SoundsTableau, CardsShadowed, PilesIrregular, SoundsFaceUp, SoundsCardDown, SoundsCardUp,
    SoundsRedeal, SoundsFoundation, ConfirmQuitGame, ConfirmEnterHiScores, RandomCard, RandomDeck,
    ProgramDirectory};
}  // namespace field

// Keys of section "Preference" that are read from the file where they are
// used rather than held in the record.
namespace prefkey {
inline constexpr std::string_view Section = "Preference";
inline constexpr std::string_view ToolBarVisible = "ToolBar_Visible";
inline constexpr std::string_view ToolBarLarge = "ToolBar_Large";
inline constexpr std::string_view ToolBarFlat = "ToolBar_Flat";
inline constexpr std::string_view ConfirmQuit = "ConfirmQuit";
inline constexpr std::string_view AutoPlay = "AutoPlay";
inline constexpr std::string_view DirSave = "Dir_Save";
inline constexpr std::string_view GameTreeNum = "Game_TreeNum";
inline constexpr std::string_view OpenPreviewGame = "Open_Preview_Game";
inline constexpr std::string_view TipsNum = "Tips_Num";
inline constexpr std::string_view TipsStartUp = "Tips_StartUp";
inline constexpr std::string_view CardCounterStock = "CardCounter_Stock";
inline constexpr std::string_view CardCounterTableau = "CardCounter_Tableau";
inline constexpr std::string_view CardCounterInverse = "CardCounter_Inverse";
inline constexpr std::string_view CardCounterVisible = "CardCounter_Visible";
inline constexpr std::string_view CardCounterLeft = "CardCounter_Left";
inline constexpr std::string_view CardCounterTop = "CardCounter_Top";
}  // namespace prefkey

// The other sections of the preferences file.
namespace prefsection {
inline constexpr std::string_view Users = "Users";
inline constexpr std::string_view Parameters = "Parameters";
inline constexpr std::string_view ShowMessages = "Show_Messages";
inline constexpr std::string_view GameNumbers = "Game_Numbers";
inline constexpr std::string_view FavouriteGames = "Favourite Games";
}  // namespace prefsection

// 750 characters of fixed-position fields; positions no field covers hold spaces.
class SettingsRecord {
public:
    static constexpr int kSize = 750;

    SettingsRecord();

    // Back to 750 spaces.
    void clear();
    // The field's characters with trailing spaces removed. The part of a
    // field that lies outside the record reads as absent.
    std::string get(int position, int length) const;
    // Leading spaces removed, then cut or space-padded to length; only the
    // field's characters change (a part outside the record is dropped).
    void set(int position, int length, std::string_view value);

    std::string get(const SettingsField& f) const { return get(f.position, f.length); }
    void set(const SettingsField& f, std::string_view value) { set(f.position, f.length, value); }
    // The field read as a decimal integer; nothing when it is not one.
    std::optional<long long> getInteger(const SettingsField& f) const;
    // The number in the field's format; false, with the field unchanged, when
    // its text does not fit (a 3-digit count of 1000, say).
    bool setInteger(const SettingsField& f, long long value);

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// The text that value takes in the field, or nothing when it does not fit.
std::optional<std::string> formatFieldNumber(const SettingsField& f, long long value);

}  // namespace quilloro
