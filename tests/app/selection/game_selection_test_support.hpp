// A session on the built collection with its preferences and result files in a
// folder of the test's own, and the services the dialogs ask the window for.
#pragma once

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/selection/game_selection_context.hpp"
#include "app/core/ini_file.hpp"
#include "app/core/string_table.hpp"
#include "engine/game_session.hpp"
#include "engine/games_dat.hpp"
#include "engine/recording_observer.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro::testing {

inline std::filesystem::path installationFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return std::filesystem::path(home != nullptr ? home : "build/quilloro");
}

inline const GamesDat& builtCollection() {
  static const GamesDat dat = GamesDat::load(installationFolder() / "GAMES.DAT");
  return dat;
}

inline const StringTable& builtStrings() {
  static const StringTable table = StringTable::load(installationFolder() / "Strings");
  return table;
}

struct SelectionSession {
  SelectionSession() : session(&builtCollection(), settings, observer, geometry, time, home.path()) {
    settings.set(field::PreferencesFileName, "DATA/CFG.DAT");
    settings.set(field::ScoringKind, "01");
    settings.set(field::UndoEnabled, "0");
    settings.set(field::UserDefault, "Tester");
    settings.set(field::ConfirmEnterHiScores, "N");
    settings.setInteger(field::Language, kEnglishBase);
    settings.setInteger(field::Game, 0);
    session.game().setAutoplay(false);
  }

  GameSelectionContext context() {
    GameSelectionContext c;
    c.games = &builtCollection();
    c.settings = &settings;
    c.session = &session;
    c.strings = &builtStrings();
    c.programDirectory = home.path();
    c.installationDirectory = installationFolder();
    c.showInfo = [this](QWidget*, const QString& text) { infos.push_back(text); };
    c.openRules = [this](int topic) { rules.push_back(topic); };
    c.showStatistics = [this](int game, const QString& player) { statistics.emplace_back(game, player); };
    return c;
  }

  IniFile preferences() const { return IniFile(home / "DATA/CFG.DAT"); }
  std::string preference(std::string_view section, std::string_view key) const {
    return preferences().readString(section, key, "<absent>");
  }

  TempDir home;
  SettingsRecord settings;
  RecordingObserver observer;
  LibraryAnchorGeometry geometry;
  SystemTimeSource time;
  GameSession session;
  std::vector<QString> infos;
  std::vector<int> rules;
  std::vector<std::pair<int, QString>> statistics;
};

// The game indices of the built collection by name.
inline constexpr int kKlondike = 0;
inline constexpr int kFreeCell = 1;
inline constexpr int kSpider = 2;

}  // namespace quilloro::testing
