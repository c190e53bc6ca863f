// Writes a preferences file through the settings store and prints what it holds,
// one "section<TAB>key<TAB>value" line per key, for an independent reader to compare.
#include "app/core/settings_store.hpp"

#include <iostream>

int main(int argc, char** argv) {
    using namespace quilloro;
    if (argc != 2) {
        std::cerr << "usage: configparser_writer PROGRAM_DIRECTORY\n";
        return 2;
    }
    SettingsStore store{std::filesystem::path(argv[1])};
    const auto appearance = store.loadAtStartup(16777216);
    std::vector<std::string> errors = appearance.fileErrors;
    const auto note = [&](FileError error) {
        if (error) {
            errors.push_back(*error);
        }
    };
    note(store.setAndSave(field::UserDefault, "Anna Maria Rossi"));
    note(store.setAndSave(field::BackCard, 7));
    note(store.setAndSave(field::BackgroundColour, -2147483633));
    note(store.setAndSave(field::SoundsUndo, "N"));
    note(store.fnRememberGameNumber("0000000012345"));
    note(store.fnRememberGameNumber("0000000067890"));
    IniFile ini = store.preferences();
    note(ini.writeString("Preference", "Dir_Save", "/home/anna/My Games; 100% = fun"));
    note(ini.writeString("Users", "User002", "Zoë d'Arc"));
    note(ini.writeString("Favourite Games", "Game000", "Klondike (3 cards)"));
    note(ini.writeInteger("Preference", "CardCounter_Left", -1));
    note(ini.writeString("show_messages", "Screen_Under_256_Colors", "N"));
    note(ini.writeString("Preference", "ToolBar_Visible", "N"));
    note(ini.writeString("Preference", "Toolbar_Visible", "Y"));  // the same key
    for (const auto& error : errors) {
        std::cerr << error << '\n';
    }
    if (!errors.empty()) {
        return 1;
    }
    for (const auto& section : ini.sectionNames()) {
        for (const auto& entry : ini.readSection(section)) {
            std::cout << section << '\t' << entry.key << '\t' << entry.value << '\n';
        }
    }
    return 0;
}
