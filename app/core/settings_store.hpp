// The settings record of the run together with the preferences file that fills it.
#pragma once

#include "app/core/atomic_file.hpp"
#include "app/core/ini_file.hpp"
#include "app/core/settings_record.hpp"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quilloro {

// Advice-box key and text for a display of 256 colours or fewer.
inline constexpr std::string_view kLowColourAdviceKey = "Screen_Under_256_Colors";
inline constexpr std::string_view kLowColourAdviceText[] = {
    "At this time your display driver supports 256 colors or less. This program takes advantage of 65,536 "
    "colors (16 bit) or 16.8 million colors (24 bit) palettes or higher resolutions. ",
    "If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen "
    "resolution using Properties for Display in Control Panel."};

// The platform's code of the system button-face colour, used when no
// background colour has been chosen.
inline constexpr long long kButtonFaceColour = -2147483633;  // 0x8000000F

// What the start-up loading found that only the main window can apply.
struct StartupAppearance {
    bool toolbarLarge = false;
    bool toolbarFlat = true;
    // The display shows 256 colours or fewer: the advice box with
    // kLowColourAdviceKey is due (the box itself honours "Show_Messages").
    bool lowColourAdviceDue = false;
    bool showTimePanel = true;
    bool showScorePanel = true;
    int cursor = 11;
    bool autoplayOn = true;
    bool statusBarVisible = false;
    int shadowSize = 9;
    // Writes to the preferences file that failed; the loading went on.
    std::vector<std::string> fileErrors;
};

// Owned by the application for the whole run and handed to whoever needs a
// setting. Field (501,200) holds the program directory when it fits; the
// full directory is always kept here, so the preferences file is found even
// below a directory too long for the field.
class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path programDirectory);

    // 750 spaces, then the preferences file name and the program directory.
    void fnCfgInit();
    std::string fnCfgGet(int position, int length) const { return record_.get(position, length); }
    void fnCfgSet(int position, int length, std::string_view value) { record_.set(position, length, value); }
    std::string get(const SettingsField& f) const { return record_.get(f); }
    void set(const SettingsField& f, std::string_view value) { record_.set(f, value); }
    std::optional<long long> getInteger(const SettingsField& f) const { return record_.getInteger(f); }
    bool setInteger(const SettingsField& f, long long value) { return record_.setInteger(f, value); }

    // The full path of the preferences file: the program directory followed
    // by field (1,20).
    std::filesystem::path fnCfgPath() const;
    // The absolute program directory.
    const std::filesystem::path& programDirectory() const { return programDirectory_; }
    // The preferences file, for keys that are read where they are used.
    IniFile preferences() const { return IniFile(fnCfgPath()); }
    const SettingsRecord& record() const { return record_; }
    // The record itself, for the game session that shares it with the window.
    SettingsRecord& record() { return record_; }

    // Stores the value in the field and writes the field's key in section
    // "Preference" with the value as the field now holds it.
    FileError setAndSave(const SettingsField& f, std::string_view value);
    // The same for a number: the field gets it in its own format, the file as
    // a decimal integer. A number that does not fit the field changes nothing.
    FileError setAndSave(const SettingsField& f, long long value);

    // Fills the record from the preferences file at start-up and books the
    // program start; displayColours is the display's colour count.
    StartupAppearance loadAtStartup(long long displayColours);

    // Rewrites the legacy value "S" of Cards_Animate and ConfirmQuit as "Y";
    // runs only when the hi-score file exists.
    FileError repairLegacyValues(bool hiScoreFileExists);

    // Puts number at the front of the 20 recent game numbers, once.
    FileError fnRememberGameNumber(std::string_view number);

private:
    std::filesystem::path programDirectory_;
    SettingsRecord record_;
};

// The record a program run starts with, as the store fills it from the
// preferences file of the program directory (written there when missing), on
// a true-colour display.
SettingsRecord startupSettings(const std::filesystem::path& programDirectory);

// Names of the 20 keys of section "Game_Numbers" ("Game001" ...) and of section "Users".
std::string recentGameKey(int index);
std::string userKey(int index);

}  // namespace quilloro
