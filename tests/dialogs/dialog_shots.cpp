// dialog_shots: shows the main window with each options, customize, card counter and tips window and saves the screen, for looking at them.
//   xvfb-run -s '-screen 0 800x600x24' build/tests/dialog_shots HOME LANGUAGE OUT_PREFIX
#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/window/main_window.hpp"
#include "app/window/window_extras.hpp"
#include "dialogs/card_counter_window.hpp"
#include "dialogs/customize_dialog.hpp"
#include "dialogs/options_dialog.hpp"
#include "dialogs/tips_dialog.hpp"
#include "tests/app/window/shot_window_start.hpp"

using namespace quilloro;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<shots::ShotStart> start = shots::startShots(argc, argv, "dialog_shots");
  if (!start) return 2;
  const std::filesystem::path home = start->home;
  const QString prefix = start->prefix;

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
  {
    TfrmOpzioni dialog(*extras, &window);
    dialog.show();
    for (int page = 0; page < dialog.pages()->count(); ++page) {
      dialog.pages()->setCurrentIndex(page);
      shoot(QStringLiteral("options%1").arg(page));
    }
  }
  {
    TfrmPersonalizza dialog(*extras, &window);
    dialog.show();
    dialog.selectBackground(262);
    for (int page = 0; page < dialog.pages()->count(); ++page) {
      dialog.pages()->setCurrentIndex(page);
      shoot(QStringLiteral("customize%1").arg(page));
    }
    dialog.btnApplyClick();
    shoot(QStringLiteral("customize_applied"));
    dialog.btnCancelClick();
  }
  {
    TfrmTips tips(*extras, &window);
    tips.show();
    shoot(QStringLiteral("tips"));
  }
  extras->cardCounter().toggle();
  shoot(QStringLiteral("counter"));
  return 0;
}
