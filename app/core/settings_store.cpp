// The settings record of the run: start-up loading, writing back, recent game numbers.
#include "app/core/settings_store.hpp"

#include "app/core/atomic_file.hpp"
#include "app/core/player_name_check.hpp"
#include "app/core/shared_routines.hpp"

#include <algorithm>
#include <system_error>

namespace quilloro {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPreferencesFileName = "DATA/CFG.DAT";
constexpr int kRecentGameCount = 20;
constexpr int kUserCount = 20;
constexpr std::string_view kFirstUser = "User1";

bool sameEntryName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// The entries of one section, read once and looked up in memory.
class SectionValues {
public:
    explicit SectionValues(std::vector<IniEntry> entries) : entries_(std::move(entries)) {}

    const std::string* find(std::string_view key) const {
        const auto it = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const IniEntry& entry) { return sameEntryName(entry.key, key); });
        return it == entries_.end() ? nullptr : &it->value;
    }
    std::string text(std::string_view key, std::string_view defaultValue) const {
        const auto* value = find(key);
        return value ? *value : std::string(defaultValue);
    }
    long long integer(std::string_view key, long long defaultValue) const {
        const auto* value = find(key);
        return value ? parseDecimalInteger(*value).value_or(defaultValue) : defaultValue;
    }

private:
    std::vector<IniEntry> entries_;
};

// A field filled at start-up from its key: text fields take the value as it
// stands, numeric ones an integer read.
struct LoadStep {
    const SettingsField& field;
    std::string_view textDefault;
    long long numberDefault;
};

void addError(StartupAppearance& appearance, FileError error) {
    if (error) {
        appearance.fileErrors.push_back(std::move(*error));
    }
}

}  // namespace

std::string recentGameKey(int index) {
    return "Game0" + fnZeroPad(index, 2);
}

std::string userKey(int index) {
    return "User" + fnZeroPad(index, 3);
}

SettingsStore::SettingsStore(fs::path programDirectory) {
    std::error_code error;
    auto absolute = fs::absolute(programDirectory, error);
    programDirectory_ = (error ? programDirectory : absolute).lexically_normal();
    fnCfgInit();
}

void SettingsStore::fnCfgInit() {
    record_.clear();
    record_.set(field::PreferencesFileName, kPreferencesFileName);
    std::string directory = programDirectory_.generic_string();
    if (directory.empty() || directory.back() != '/') {
        directory.push_back('/');
    }
    // A directory cut to the field's width would name some other place; the
    // field stays blank instead and fnCfgPath() uses the full directory.
    if (static_cast<int>(directory.size()) <= field::ProgramDirectory.length) {
        record_.set(field::ProgramDirectory, directory);
    }
}

fs::path SettingsStore::fnCfgPath() const {
    return programDirectory_ / get(field::PreferencesFileName);
}

FileError SettingsStore::setAndSave(const SettingsField& f, std::string_view value) {
    if (f.format != FieldFormat::Text) {
        if (const auto number = parseDecimalInteger(value)) {
            return setAndSave(f, *number);
        }
    }
    set(f, value);
    if (f.key.empty()) {
        return "The setting at position " + std::to_string(f.position) + " is not kept in the preferences file.";
    }
    return preferences().writeString(prefkey::Section, f.key, get(f));
}

FileError SettingsStore::setAndSave(const SettingsField& f, long long value) {
    if (!setInteger(f, value)) {
        return "The value " + std::to_string(value) + " does not fit the setting " +
               (f.key.empty() ? "at position " + std::to_string(f.position) : std::string(f.key)) + ".";
    }
    if (f.key.empty()) {
        return "The setting at position " + std::to_string(f.position) + " is not kept in the preferences file.";
    }
    return preferences().writeInteger(prefkey::Section, f.key, value);
}

StartupAppearance SettingsStore::loadAtStartup(long long displayColours) {
    StartupAppearance appearance;
    // What writes cut short by a crash left in DATA/ goes before anything is read.
    removeStaleTemporaryFiles(fnCfgPath().parent_path());
    IniFile file = preferences();
    const SectionValues prefs(file.readSection(prefkey::Section));

    appearance.toolbarLarge = prefs.text(prefkey::ToolBarLarge, "N") == "Y";
    appearance.toolbarFlat = prefs.text(prefkey::ToolBarFlat, "Y") == "Y";
    appearance.lowColourAdviceDue = displayColours <= 256;

    const auto load = [&](const LoadStep& step) {
        const SettingsField& f = step.field;
        if (f.format == FieldFormat::Text) {
            set(f, prefs.text(f.key, step.textDefault));
        } else if (!setInteger(f, prefs.integer(f.key, step.numberDefault))) {
            // A number the field cannot hold would be stored cut or as
            // asterisks; the default is the sounder choice.
            setInteger(f, step.numberDefault);
        }
    };
    const LoadStep firstSteps[] = {
        {field::BackCard, "", 11},
        {field::Card, "", displayColours > 256 ? 1 : 3},
        {field::CardSize, "B", 0},
        {field::BackgroundBitmap, "", 0},
        {field::BackgroundFixedColour, "", 32768},
        {field::BackgroundColour, "", kButtonFaceColour},
        {field::BackgroundDefault, "N", 0},
        {field::FadeBackground, "Y", 0},
        {field::Game, "", 0},
        {field::ShowTime, "Y", 0},
        {field::ShowScore, "Y", 0},
        {field::CardsAnimate, "Y", 0},
    };
    std::for_each(std::begin(firstSteps), std::end(firstSteps), load);
    // Shadows follow the animation switch unless chosen on their own.
    const std::string animate = get(field::CardsAnimate);
    const LoadStep laterSteps[] = {
        {field::CardsShadowed, animate, 0},
        {field::PilesIrregular, "N", 0},
        {field::Language, "", 20000},
        {field::SpeedMoveCard, "", 10},
        {field::StatusBar, "N", 0},
        {field::UserDefault, "", 0},
        {field::UndoEnabled, "0", 0},
        {field::WinningAnimation, "Y", 0},
        {field::ConfirmQuitGame, "Y", 0},
        {field::ConfirmEnterHiScores, "Y", 0},
        {field::SoundsEnabled, "Y", 0},
        {field::SoundsAbout, "Y", 0},
        {field::SoundsAutoplay, "Y", 0},
        {field::SoundsCardDown, "Y", 0},
        {field::SoundsCardUp, "Y", 0},
        {field::SoundsNewHiScores, "Y", 0},
        {field::SoundsFaceUp, "Y", 0},
        {field::SoundsGameWon, "Y", 0},
        {field::SoundsHiScores, "Y", 0},
        {field::SoundsNewGame, "Y", 0},
        {field::SoundsPairing, "Y", 0},
        {field::SoundsRedeal, "Y", 0},
        {field::SoundsRedo, "Y", 0},
        {field::SoundsRestart, "Y", 0},
        {field::SoundsShuffle, "Y", 0},
        {field::SoundsSplash, "Y", 0},
        {field::SoundsStock, "Y", 0},
        {field::SoundsFoundation, "Y", 0},
        {field::SoundsTableau, "Y", 0},
        {field::SoundsUndo, "Y", 0},
        {field::RandomBackground, "N", 0},
        {field::RandomCard, "N", 0},
        {field::RandomDeck, "N", 0},
    };
    std::for_each(std::begin(laterSteps), std::end(laterSteps), load);

    // Only the pointer shapes the program has are accepted; 0 stands for the first.
    long long cursor = prefs.integer(field::Cursor.key, 11);
    if (cursor != 0 && (cursor < 10 || cursor > 14)) {
        cursor = 11;
    }
    setInteger(field::Cursor, cursor);
    appearance.cursor = static_cast<int>(cursor);

    set(field::ScoringKind, "01");

    if (getInteger(field::BackCard) == 0) {
        set(field::BackCard, "001");
    }
    if (getInteger(field::BackgroundColour) == 0) {
        setInteger(field::BackgroundColour, kButtonFaceColour);
    }
    if (get(field::BackgroundBitmap).empty()) {
        set(field::BackgroundBitmap, "0");
    }
    appearance.showTimePanel = get(field::ShowTime) != "N";
    appearance.showScorePanel = get(field::ShowScore) != "N";

    // A name the result files cannot store would split every booking: the
    // first player takes its place.
    if (const std::string fault = storablePlayerNameFault(get(field::UserDefault));
        !fault.empty() && !get(field::UserDefault).empty()) {
        addError(appearance, "The player \"" + get(field::UserDefault) + "\" in " + fnCfgPath().string() +
                                 " is not used: " + fault + " The player is now " + std::string(kFirstUser) + ".");
        set(field::UserDefault, "");
    }
    if (get(field::UserDefault).empty()) {
        addError(appearance, file.writeString(prefkey::Section, field::UserDefault.key, kFirstUser));
        // The first player goes into the player list, but never over a player
        // already listed there.
        const SectionValues users(file.readSection(prefsection::Users));
        bool listed = false;
        int freeSlot = 0;
        for (int i = 1; i <= kUserCount && !listed; ++i) {
            const auto* name = users.find(userKey(i));
            listed = name && sameEntryName(*name, kFirstUser);
            if (freeSlot == 0 && (!name || name->empty())) {
                freeSlot = i;
            }
        }
        if (!listed && freeSlot != 0) {
            addError(appearance, file.writeString(prefsection::Users, userKey(freeSlot), kFirstUser));
        }
        set(field::UserDefault, kFirstUser);
    }

    const long long starts = file.readInteger(prefsection::Parameters, "Run_Exe", 0);
    if (starts < 9) {
        addError(appearance, file.writeInteger(prefsection::Parameters, "Run_Exe", starts + 1));
    }

    appearance.autoplayOn = prefs.text(prefkey::AutoPlay, "Y") == "Y";

    set(field::RunGamesWon, "0000");
    set(field::RunGamesLost, "0000");

    appearance.statusBarVisible = get(field::StatusBar) != "N";
    appearance.shadowSize = get(field::CardsShadowed) == "N" ? 0 : 9;
    return appearance;
}

FileError SettingsStore::repairLegacyValues(bool hiScoreFileExists) {
    if (!hiScoreFileExists) {
        return std::nullopt;
    }
    IniFile file = preferences();
    const SectionValues prefs(file.readSection(prefkey::Section));
    std::vector<IniEntry> repairs;
    for (std::string_view key : {field::CardsAnimate.key, prefkey::ConfirmQuit}) {
        const auto* value = prefs.find(key);
        if (value && *value == "S") {
            repairs.push_back({std::string(key), "Y"});
        }
    }
    if (get(field::CardsAnimate) == "S") {
        set(field::CardsAnimate, "Y");
    }
    return file.writeStrings(prefkey::Section, repairs);
}

FileError SettingsStore::fnRememberGameNumber(std::string_view number) {
    const std::string wanted(number.substr(std::min(number.size(), number.find_first_not_of(" \t"))));
    const std::string trimmed = fnTrimRight(wanted);
    // Without a number there is nothing to remember; an empty entry in front
    // would push a real one out of the list.
    if (trimmed.empty()) {
        return std::nullopt;
    }
    IniFile file = preferences();
    const SectionValues stored(file.readSection(prefsection::GameNumbers));
    std::vector<std::string> recent;
    for (int i = 1; i <= kRecentGameCount; ++i) {
        std::string entry = stored.text(recentGameKey(i), "");
        if (entry != trimmed) {
            recent.push_back(std::move(entry));
        }
    }
    recent.resize(kRecentGameCount);
    recent.insert(recent.begin(), trimmed);

    std::vector<IniEntry> entries;
    for (int i = 1; i <= kRecentGameCount; ++i) {
        entries.push_back({recentGameKey(i), recent[static_cast<std::size_t>(i - 1)]});
    }
    return file.writeStrings(prefsection::GameNumbers, entries);
}

SettingsRecord startupSettings(const std::filesystem::path& programDirectory) {
    SettingsStore store(programDirectory);
    store.fnCfgInit();
    constexpr long long kTrueColour = 1LL << 24;
    store.loadAtStartup(kTrueColour);
    return store.record();
}

}  // namespace quilloro
