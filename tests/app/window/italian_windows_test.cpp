// Every window of the program opened in Italian on the offscreen platform, each of its texts checked
// against the Italian string table: no English caption, hint, list entry, menu item or message is left.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/selection/demo_bar.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/selection/select_number_dialog.hpp"
#include "app/window/info_panel.hpp"
#include "app/window/main_window.hpp"
#include "app/window/window_dialogs.hpp"
#include "app/window/window_extras.hpp"
#include "engine/game_session.hpp"
#include "engine/game_won_summary.hpp"
#include "engine/games_dat.hpp"
#include "tests/app/window/untranslated_text_walker.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro {
namespace {

using testing::ItalianWords;
using testing::TempDir;
using testing::untranslatedText;
using testing::untranslatedTexts;

constexpr int kKlondike = 0;
constexpr const char* kPlayer = "Giulia";

std::filesystem::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

// Keeps every text a message box would have shown; answers as told.
class KeptBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { texts << text; }
  bool confirm(const QString& text) override { return texts << text, answer; }
  bool informationOkCancel(const QString& text) override { return texts << text, answer; }
  void error(const QString& title, const QString& text) override { texts << title << text; }
  QStringList texts;
  bool answer = false;
};

class ItalianWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(installFolder().empty()) << "QUILLORO_HOME names the build's installation folder";
    std::filesystem::create_directories(home.path() / "DATA");
    IniFile cfg(home.path() / "DATA" / "CFG.DAT");
    cfg.writeString("Preference", "Language", "10000");
    cfg.writeString("Preference", "AutoPlay", "N");
    cfg.writeString("Preference", "Cards_Animate", "N");
    cfg.writeString("Preference", "Speed_Move_Card", "0");
    cfg.writeString("Preference", "Winning_Animation", "N");
    cfg.writeString("Preference", "Sounds_Enabled", "N");
    cfg.writeString("Preference", "Tips_StartUp", "N");
    cfg.writeString("Preference", "UserDefault", kPlayer);
    cfg.writeString("Users", "User001", kPlayer);

    MainWindowOptions options;
    options.paths = programPathsFrom(installFolder(), {"Quilloro", "--home", home.path().string()});
    options.boxes = &boxes;
    window = std::make_unique<MainWindow>(options);
    dialogs = new WindowDialogs(*window);
    new WindowExtras(*window);
    window->resize(1024, 768);
    window->show();
    // The catalogue at the first activation deals Klondike.
    whenModal(&guard, [this](QWidget* modal) {
      auto* catalogue = qobject_cast<GameCatalogueDialog*>(modal);
      if (catalogue == nullptr) return;
      selectGame(*catalogue, kKlondike);
      catalogue->okClicked();
    });
    window->runFirstActivation();
    QApplication::processEvents();

    words = std::make_unique<ItalianWords>(installFolder() / "Strings" / "italian");
    // Names are the same in both languages: the games, the player, the program.
    for (const CatalogueEntry& entry : window->games().catalogue()) words->allow(QString::fromStdString(entry.name()));
    words->allow(QString::fromLatin1(kPlayer));
    // Each language is named in its own words in the options.
    words->allow(QStringLiteral("Quilloro OK English Italiano"));
    // The sample names of an empty hi-score table.
    words->allow(QStringLiteral("Amelia Bruno Clara Dario Elena Fabio Greta Hugo Irene Jonas Katia Lorenzo Marta "
                                "Nico Olga Piero Rosa Sandro Tilde Ugo"));
  }

  void TearDown() override {
    boxes.answer = true;
    window.reset();
  }

  // Runs action on the next modal window other than outer once it shows; the waiting ends with context.
  static void whenModal(QObject* context, std::function<void(QWidget*)> action, QWidget* outer = nullptr,
                        int triesLeft = 500) {
    QTimer::singleShot(10, context, [context, action = std::move(action), outer, triesLeft]() mutable {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal != outer) action(modal);
      else if (triesLeft > 0) whenModal(context, std::move(action), outer, triesLeft - 1);
    });
  }

  // Runs action on the next pop-up menu once it shows; the waiting ends with context.
  static void pollPopup(QObject* context, std::function<void(QWidget*)> action, int triesLeft = 300) {
    QTimer::singleShot(10, context, [context, action = std::move(action), triesLeft]() mutable {
      if (QWidget* popup = QApplication::activePopupWidget()) action(popup);
      else if (triesLeft > 0) pollPopup(context, std::move(action), triesLeft - 1);
    });
  }

  // Presses a button of the modal window outer and checks the window it opens, which is then closed.
  void checkInside(const QString& name, QWidget* outer, const char* buttonName) {
    auto* button = outer->findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
    if (button == nullptr) {
      found << name + QStringLiteral(" - no button ") + QString::fromLatin1(buttonName);
      return;
    }
    QObject waiting;
    bool seen = false;
    whenModal(
        &waiting,
        [&](QWidget* modal) {
          seen = true;
          QApplication::processEvents();
          found << prefixed(name, untranslatedTexts(modal, *words));
          if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
          else modal->close();
        },
        outer);
    button->click();
    if (!seen) found << name + QStringLiteral(" - did not open");
  }

  static void selectGame(GameCatalogueDialog& catalogue, int gameIndex) {
    QTreeWidget* tree = catalogue.tree();
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
      if (catalogue.selectedTag() != gameIndex) tree->setCurrentItem(*it);
  }

  // Opens a window with the command, checks it and every window it opened, then closes them.
  // prepare runs on a modal window before it is checked (to press a button, fill a field).
  void check(const QString& name, const std::function<void()>& command,
             const std::function<void(QWidget*)>& prepare = nullptr) {
    const QWidgetList before = QApplication::topLevelWidgets();
    // A command that opens no modal window leaves no wait behind.
    QObject waiting;
    whenModal(&waiting, [&](QWidget* modal) {
      if (prepare) prepare(modal);
      QApplication::processEvents();
      found << prefixed(name, untranslatedTexts(modal, *words));
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      else modal->close();
    });
    command();
    QApplication::processEvents();
    // Windows that stay open beside the main window.
    for (QWidget* shown : QApplication::topLevelWidgets())
      if (shown->isVisible() && !before.contains(shown) && shown != window.get()) {
        found << prefixed(name, untranslatedTexts(shown, *words));
        shown->close();
      }
  }

  static QStringList prefixed(const QString& name, const QStringList& texts) {
    QStringList out;
    for (const QString& text : texts) out << name + QStringLiteral(" - ") + text;
    return out;
  }

  void command(const char* actionName) {
    QAction* item = window->action(QString::fromLatin1(actionName));
    ASSERT_NE(item, nullptr) << actionName;
    item->trigger();
  }

  QObject guard;
  TempDir home;
  KeptBoxes boxes;
  std::unique_ptr<MainWindow> window;
  WindowDialogs* dialogs = nullptr;
  std::unique_ptr<ItalianWords> words;
  QStringList found;
};

TEST_F(ItalianWindowsTest, EveryWindowShowsItalianTextsOnly) {
  ASSERT_TRUE(window->session().game().underWay());

  // The main window: menus, toolbars, pop-up menus and the panels' painted captions.
  found << untranslatedTexts(window.get(), *words);
  found << untranslatedText(QStringLiteral("time panel"), window->timePanel()->label(), *words);
  found << untranslatedText(QStringLiteral("score panel"), window->scorePanel()->label(), *words);

  // The questions of the window itself, while a game is under way.
  check(QStringLiteral("web site"), [this] { command("mnuWebSite"); });
  check(QStringLiteral("abandon"), [this] { command("mnuNewGame"); });

  // One line per window; a new window adds its line here.
  check(QStringLiteral("catalogue"), [this] { command("mnuOpenGame"); }, [this](QWidget* catalogue) {
    // The pop-up menu of the window.
    QObject waiting;
    pollPopup(&waiting, [this](QWidget* popup) {
      found << prefixed(QStringLiteral("catalogue menu"), untranslatedTexts(popup, *words));
      popup->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20), catalogue->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(catalogue, &click);
  });
  check(QStringLiteral("select number"), [this] { command("mnuSelectGame"); }, [](QWidget* modal) {
    // A refused number is explained in a message box.
    if (auto* dialog = qobject_cast<SelectNumberDialog*>(modal)) {
      dialog->numbers()->setEditText(QStringLiteral("12a"));
      dialog->okClicked();
    }
  });
  check(QStringLiteral("favourites"), [this] { command("mnuFavourites"); });
  check(QStringLiteral("players"), [this] { command("mnuPlayers"); }, [this](QWidget* players) {
    checkInside(QStringLiteral("new player"), players, "btnNew");
  });
  check(QStringLiteral("statistics"), [this] { command("mnuStatisticsDialog"); }, [this](QWidget* statistics) {
    checkInside(QStringLiteral("all games"), statistics, "btnAllGames");
    checkInside(QStringLiteral("players statistics"), statistics, "btnPlayers");
    checkInside(QStringLiteral("log"), statistics, "btnLog");
    checkInside(QStringLiteral("clear statistics"), statistics, "btnClear");
  });
  check(QStringLiteral("hi-scores"), [this] { command("mnuHiScores"); });
  check(QStringLiteral("options"), [this] { command("mnuOptions"); });
  check(QStringLiteral("customize"), [this] { command("mnuCustomize"); });
  check(QStringLiteral("tips"), [this] { command("mnuTipOfTheDay"); });
  check(QStringLiteral("about"), [this] { command("mnuAbout"); });
  check(QStringLiteral("card counter"), [this] { command("mnuCardCounter"); });
  check(QStringLiteral("help"), [this] { command("mnuContents"); });
  check(QStringLiteral("game won"), [this] {
    static_cast<EngineObserver&>(*window).gameWon(summariseTotals("Klondike", 3, 1));
  });
  check(QStringLiteral("demo bar"), [this] {
    command("mnuDemo");
    found << prefixed(QStringLiteral("demo bar"), untranslatedTexts(&dialogs->demoBar(), *words));
    command("mnuDemo");
  });
  check(QStringLiteral("new hi-score"), [this] {
    static_cast<EngineObserver&>(*window).newHiScore({3, 180, 95, kPlayer, "Klondike"});
  });
  check(QStringLiteral("exit"), [this] { window->close(); });
  EXPECT_FALSE(boxes.texts.isEmpty());
  for (const QString& text : boxes.texts) found << untranslatedText(QStringLiteral("message box"), text, *words);

  EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace quilloro

int main(int argc, char** argv) {
  // The window tests run without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
