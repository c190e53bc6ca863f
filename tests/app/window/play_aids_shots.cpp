// play_aids_shots: shows the window with a hint, the keyboard's frame, the
// pause and the options' play aids, and saves the screen, for looking at them.
//   xvfb-run -s '-screen 0 800x600x24' build/tests/play_aids_shots HOME LANGUAGE OUT_PREFIX [GAME_INDEX]
#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/window/main_window.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/window_extras.hpp"
#include "dialogs/options_dialog.hpp"
#include "tests/app/window/shot_window_start.hpp"
#include <QTabWidget>

using namespace quilloro;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<shots::ShotStart> start = shots::startShots(argc, argv, "play_aids_shots");
  if (!start) return 2;
  const std::filesystem::path home = start->home;
  const QString prefix = start->prefix;
  IniFile preferences(home / "DATA" / "CFG.DAT");
  preferences.writeString("Preference", "StatusBar", "S");
  preferences.writeString("Preference", "Show_Winnable", "Y");
  preferences.writeString("Preference", "Game", argc > 4 ? argv[4] : "1");

  MainWindowOptions options = shots::shotWindowOptions(home);
  MainWindow window(options);
  auto* extras = new WindowExtras(window);
  window.showMaximized();
  window.runFirstActivation();
  QTest::qWait(400);
  auto shoot = [&](const QString& name) {
    QTest::qWait(350);
    QGuiApplication::primaryScreen()->grabWindow(0).save(prefix + name + ".png");
  };
  if (!QTest::qWaitFor([&] { return !window.searching(); }, 20000)) std::fprintf(stderr, "the search went on\n");
  window.showHint();
  if (!QTest::qWaitFor([&] { return !window.searching(); }, 20000)) std::fprintf(stderr, "the search went on\n");
  shoot(QStringLiteral("hint"));
  window.table()->setFocus();
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right})
    QTest::keyClick(window.table(), key);
  shoot(QStringLiteral("keyboard"));
  QTest::keyClick(window.table(), Qt::Key_Escape);
  window.pauseGame();
  shoot(QStringLiteral("pause"));
  window.pauseGame();
  {
    TfrmOpzioni dialog(*extras, &window);
    dialog.show();
    // The page of the play aids.
    dialog.pages()->setCurrentIndex(2);
    shoot(QStringLiteral("options"));
  }
  return 0;
}
