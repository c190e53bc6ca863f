// What the game selection dialogs share with the main window: the game list, the
// settings, the session, the texts and the few services only the window offers.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "app/core/ini_file.hpp"
#include "app/core/settings_record.hpp"

class QWidget;

namespace quilloro {

class GamesDat;
class GameSession;
class StringTable;

struct GameSelectionContext {
  const GamesDat* games = nullptr;
  SettingsRecord* settings = nullptr;
  // Starts, ends and opens games; the dialogs never touch the game otherwise.
  GameSession* session = nullptr;
  const StringTable* strings = nullptr;
  // Where DATA/CFG.DAT and the result files live.
  std::filesystem::path programDirectory;
  // Where the pictures (Images/, Resources/) lie; the program directory when empty.
  std::filesystem::path installationDirectory;

  // The rules page of a game, by its help context number.
  std::function<void(int contextNumber)> openRules;
  // The help page of a dialog ("game_catalogue", "favourite_games", ...).
  std::function<void(const QString& topic)> openDialogHelp;
  // The statistics dialog for a game index and a player.
  std::function<void(int gameIndex, const QString& player)> showStatistics;
  // An information box with one OK button; a QMessageBox when not given.
  std::function<void(QWidget* parent, const QString& text)> showInfo;
  // Asks the main window to repaint itself now, and to set its caption.
  std::function<void()> refreshMainWindow;
  std::function<void()> updateCaption;

  // The preferences file: the program directory followed by field (1,20).
  IniFile preferences() const;
  std::filesystem::path pictureDirectory() const;
  int languageBase() const;
  // The text of an offset in the current language; fallback when the table lacks it.
  QString text(int offset, const char* fallback) const;
  std::string gameName(int gameIndex) const;
  int gameCount() const;

  void info(QWidget* parent, const QString& text) const;
  void refresh() const {
    if (refreshMainWindow) refreshMainWindow();
  }
  void caption() const {
    if (updateCaption) updateCaption();
  }
  void dialogHelp(const QString& topic) const {
    if (openDialogHelp) openDialogHelp(topic);
  }
};

// The hourglass pointer for as long as it lives.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  // The pointer back before the end of the scope (once).
  void restore();

 private:
  bool active_ = true;
};

// The caption form of a text: every "&" taken out.
QString withoutAccelerators(QString text);

}  // namespace quilloro
