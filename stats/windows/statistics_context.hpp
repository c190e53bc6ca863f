// What the players, statistics and hi-score windows share with the main window.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "stats/result_files.hpp"

class QWidget;

namespace quilloro {

class GamesDat;
class GameSession;
class MessageBoxes;
class SettingsStore;
class SoundPlayer;
class StringTable;

struct StatisticsContext {
  const GamesDat* games = nullptr;
  // The settings record and the preferences file behind it.
  SettingsStore* store = nullptr;
  // Ends the game of a player who hands over; nothing else is done with it here.
  GameSession* session = nullptr;
  const StringTable* strings = nullptr;
  MessageBoxes* boxes = nullptr;
  SoundPlayer* sounds = nullptr;
  // Where the pies lie (Resources/); the program directory when empty.
  std::filesystem::path pictureDirectory;

  // The abandon question with the given text; yes when no game is under way.
  std::function<bool(const QString& text)> confirmAbandon;
  // After the player changed: the table without cards, then the catalogue.
  std::function<void()> playerChanged;
  std::function<void()> updateCaption;
  // The help page of a window ("players", "statistics", ...).
  std::function<void(const QString& topic)> openHelp;

  std::filesystem::path programDirectory() const;
  stats::ResultFiles resultFiles() const;
  int languageBase() const;
  // The text of an offset in the current language; fallback when the table lacks it.
  QString text(int offset, const char* fallback) const;

  int currentGame() const;
  QString currentPlayer() const;
  // The game's name (characters 11-60 of its catalogue line, trimmed); empty for no game.
  QString gameName(int gameIndex) const;
  // The shorter form, characters 11-40, trimmed.
  QString shortGameName(int gameIndex) const;
  // The game indices ordered by name.
  std::vector<int> gamesByName() const;
  // The index of the game of that name, or -1.
  int gameIndexOf(const QString& name) const;
  // The players of the preferences file, sorted.
  QStringList players() const;

  void information(const QString& text) const;
  bool confirm(const QString& text) const;
  void help(const QString& topic) const {
    if (openHelp) openHelp(topic);
  }
};

// The players as the files store them.
std::vector<std::string> toNames(const QStringList& players);

// The percentage as the windows show it: "(75%)".
QString percentText(int percent);

}  // namespace quilloro
