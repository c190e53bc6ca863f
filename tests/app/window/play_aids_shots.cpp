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
#include <QTabWidget>

using namespace quilloro;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: play_aids_shots HOME LANGUAGE OUT_PREFIX\n");
    return 2;
  }
  const std::filesystem::path home = argv[1];
  std::filesystem::create_directories(home / "DATA");
  IniFile preferences(home / "DATA" / "CFG.DAT");
  preferences.writeString("Preference", "Language", argv[2]);
  preferences.writeString("Preference", "Cards_Animate", "N");
  preferences.writeString("Preference", "AutoPlay", "N");
  preferences.writeString("Preference", "StatusBar", "S");
  preferences.writeString("Preference", "Show_Winnable", "Y");
  preferences.writeString("Preference", "Game", argc > 4 ? argv[4] : "1");
  const QString prefix = QString::fromLocal8Bit(argv[3]);

  MainWindowOptions options;
  options.paths = programPathsFrom(QCoreApplication::applicationDirPath().toStdString() + "/../quilloro",
                                   {"Quilloro", "--home", home.string()});
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
