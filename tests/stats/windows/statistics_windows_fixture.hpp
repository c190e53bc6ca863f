// The game window with its dialogs in a folder of the test's own, results booked
// by script, and a way to act on the next modal window that opens.
#pragma once

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/ini_file.hpp"
#include "app/widgets/message_boxes.hpp"
#include "app/window/main_window.hpp"
#include "app/window/window_dialogs.hpp"
#include "stats/booking.hpp"
#include "stats/result_log.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro::testing {

inline std::filesystem::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

// Answers every question as told and keeps what was said.
class ScriptedBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { shown.push_back(text); }
  bool confirm(const QString& text) override { return asked.push_back(text), answer; }
  bool informationOkCancel(const QString& text) override { return asked.push_back(text), answer; }
  void error(const QString& title, const QString& text) override { shown.push_back(title + ": " + text); }
  std::vector<QString> asked;
  std::vector<QString> shown;
  bool answer = true;
};

// Runs the action on the next modal window of the kind once it shows; the
// waiting ends with the guard.
template <typename Dialog>
void whenModal(QObject* guard, std::function<void(Dialog*)> action, int triesLeft = 500) {
  QTimer::singleShot(10, guard, [guard, action = std::move(action), triesLeft]() mutable {
    if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      action(modal);
    } else if (triesLeft > 0) {
      whenModal<Dialog>(guard, std::move(action), triesLeft - 1);
    }
  });
}

class StatisticsWindowTest : public ::testing::Test {
 protected:
  static constexpr int kKlondike = 0;
  static constexpr int kFreeCell = 1;

  void SetUp() override {
    ASSERT_FALSE(installFolder().empty()) << "QUILLORO_HOME names the build's installation folder";
    std::filesystem::create_directories(home.path() / "DATA");
    IniFile cfg = preferences();
    cfg.writeString("Preference", "Cards_Animate", "N");
    cfg.writeString("Preference", "Sounds_Enabled", "N");
    cfg.writeString("Preference", "UserDefault", "Tester");
    cfg.writeString("Users", "User001", "Tester");
  }

  IniFile preferences() const { return IniFile(home.path() / "DATA" / "CFG.DAT"); }
  stats::ResultFiles files() const { return stats::ResultFiles::under(home.path()); }

  // The window, its dialogs made, before any game; Italian with language 10000.
  MainWindow& start(int language = kEnglishBase) {
    preferences().writeInteger("Preference", "Language", language);
    MainWindowOptions options;
    options.paths = programPathsFrom(installFolder(), {"Quilloro", "--home", home.path().string()});
    options.boxes = &boxes;
    window = std::make_unique<MainWindow>(options);
    dialogs = new WindowDialogs(*window);
    window->settings().setInteger(field::Game, kKlondike);
    return *window;
  }

  // A game booked for the player as the end of a game books it: the log line, then the totals.
  void book(const std::string& player, int game, bool won, long long score = 10, int seconds = 100) {
    stats::ResultLogEntry line;
    line.end = localTimeAt(1700000000 + static_cast<std::int64_t>(++booked_) * 600);
    line.elapsedSeconds = seconds;
    line.gameIndex = game;
    line.gameName = window->games().catalogue()[static_cast<std::size_t>(game)].name();
    line.player = player;
    line.won = won;
    line.scoringKind = "01";
    line.score = std::to_string(score);
    line.gameNumber = "42";
    ASSERT_FALSE(stats::appendResultLogLine(files().log, line));
    ASSERT_FALSE(stats::bookResult(files(), window->settings(), game, player, won, score).error);
  }

  void addPlayers(const std::vector<std::string>& names) {
    IniFile cfg = preferences();
    for (std::size_t i = 0; i < names.size(); ++i)
      cfg.writeString("Users", userKey(static_cast<int>(i) + 1), names[i]);
  }

  QString gameName(int game) const {
    return QString::fromStdString(window->games().catalogue()[static_cast<std::size_t>(game)].name()).trimmed();
  }

  QObject guard;
  TempDir home;
  ScriptedBoxes boxes;
  std::unique_ptr<MainWindow> window;
  WindowDialogs* dialogs = nullptr;

 private:
  int booked_ = 0;
};

}  // namespace quilloro::testing
