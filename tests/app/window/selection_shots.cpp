// selection_shots: shows the main window with the catalogue, select-number, favourites, "Game won", about and
// help windows over a game and saves the screen with each, for looking at them.
//   xvfb-run -s '-screen 0 800x600x24' build/tests/selection_shots HOME LANGUAGE OUT_PREFIX
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdio>
#include <functional>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/widgets/help_window.hpp"
#include "app/window/main_window.hpp"
#include "app/window/window_dialogs.hpp"
#include "app/window/window_extras.hpp"
#include "engine/game_won_summary.hpp"
#include "tests/app/window/shot_window_start.hpp"

using namespace quilloro;

namespace {

// Runs action on the next modal window once it shows.
void whenModal(std::function<void(QWidget*)> action, int triesLeft = 300) {
  QTimer::singleShot(20, [action = std::move(action), triesLeft]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) action(modal);
    else if (triesLeft > 0) whenModal(std::move(action), triesLeft - 1);
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::optional<shots::ShotStart> start = shots::startShots(argc, argv, "selection_shots");
  if (!start) return 2;
  const std::filesystem::path home = start->home;
  const QString prefix = start->prefix;
  IniFile preferences(home / "DATA" / "CFG.DAT");
  preferences.writeString("Preference", "Tips_StartUp", "N");

  MainWindowOptions options = shots::shotWindowOptions(home);
  MainWindow window(options);
  auto* dialogs = new WindowDialogs(window);
  new WindowExtras(window);
  window.showMaximized();
  auto shoot = [&](const QString& name) {
    QTest::qWait(350);
    QGuiApplication::primaryScreen()->grabWindow(0).save(prefix + name + ".png");
  };
  // The catalogue at the start, on a long game name, is the first picture; OK deals it.
  whenModal([&](QWidget* modal) {
    auto* catalogue = qobject_cast<GameCatalogueDialog*>(modal);
    if (catalogue == nullptr) return;
    for (QTreeWidgetItemIterator it(catalogue->tree()); *it; ++it)
      if ((*it)->text(0) == QStringLiteral("Beleaguered Castle")) catalogue->tree()->setCurrentItem(*it);
    shoot(QStringLiteral("catalogue"));
    catalogue->okClicked();
  });
  window.runFirstActivation();
  QTest::qWait(300);

  auto shootModal = [&](const QString& name, const std::function<void()>& open) {
    whenModal([&, name](QWidget* modal) {
      shoot(name);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      else modal->close();
    });
    open();
  };
  auto command = [&](const char* name) { window.action(QString::fromLatin1(name))->trigger(); };
  shootModal(QStringLiteral("select_number"), [&] { command("mnuSelectGame"); });
  shootModal(QStringLiteral("favourites"), [&] { command("mnuFavourites"); });
  shootModal(QStringLiteral("about"), [&] { command("mnuAbout"); });
  shootModal(QStringLiteral("game_won"),
             [&] { static_cast<EngineObserver&>(window).gameWon(summariseTotals("Beleaguered Castle", 7, 3)); });
  // The catalogue's help page in front of it.
  whenModal([&](QWidget* modal) {
    for (QObject* child : modal->children())
      if (auto* button = qobject_cast<QAbstractButton*>(child); button != nullptr && button->text() == "&?")
        button->click();
    shoot(QStringLiteral("catalogue_help"));
    if (HelpWindow* help = dialogs->rulesWindow()) help->close();
    static_cast<QDialog*>(modal)->reject();
  });
  command("mnuOpenGame");
  return 0;
}
