// The zoomed table in the real window on the offscreen platform: fit to window at 1920 x 1080, a drag
// and a drop at zoom 2, and the View menu's keys, captions and preferences.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <functional>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/window/main_window.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/window_dialogs.hpp"
#include "table/table_zoom.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kGrandHarbour = 52;

std::filesystem::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

class QuietBoxes : public MessageBoxes {
 public:
  void information(const QString&) override {}
  bool confirm(const QString&) override { return true; }
  bool informationOkCancel(const QString&) override { return true; }
  void error(const QString&, const QString&) override {}
};

class WindowZoomTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(installFolder().empty()) << "QUILLORO_HOME names the build's installation folder";
    std::filesystem::create_directories(home.path() / "DATA");
    IniFile cfg = preferences();
    for (const char* key : {"AutoPlay", "Cards_Animate", "Cards_Shadowed", "Winning_Animation", "Sounds_Enabled",
                            "ConfirmQuit"})
      cfg.writeString("Preference", key, "N");
    cfg.writeString("Preference", "Speed_Move_Card", "0");
  }

  IniFile preferences() const { return IniFile(home.path() / "DATA" / "CFG.DAT"); }

  // The window at the size, the game chosen from the catalogue of its first activation.
  MainWindow& start(int gameIndex, int width, int height) {
    MainWindowOptions options;
    options.paths = programPathsFrom(installFolder(), {"Quilloro", "--home", home.path().string()});
    options.boxes = &boxes;
    window = std::make_unique<MainWindow>(options);
    dialogs = new WindowDialogs(*window, nullptr);
    window->resize(width, height);
    window->show();
    chooseWhenShown(gameIndex, 1000);
    window->runFirstActivation();
    QApplication::processEvents();
    return *window;
  }

  void chooseWhenShown(int gameIndex, int triesLeft) {
    QTimer::singleShot(10, &guard, [this, gameIndex, triesLeft] {
      if (QApplication::activeModalWidget() != &dialogs->catalogue()) {
        if (triesLeft > 0) chooseWhenShown(gameIndex, triesLeft - 1);
        return;
      }
      QTreeWidget* tree = dialogs->catalogue().tree();
      for (int top = 0; top < tree->topLevelItemCount(); ++top)
        for (int i = 0; i < tree->topLevelItem(top)->childCount(); ++i) {
          tree->setCurrentItem(tree->topLevelItem(top)->child(i));
          if (dialogs->catalogue().selectedTag() == gameIndex) return dialogs->catalogue().okClicked();
        }
      dialogs->catalogue().reject();
    });
  }

  Game& game() { return window->session().game(); }
  TableWidget& table() { return *window->table(); }
  // A table position as the window's pointer position.
  QPoint onWindow(Point at) const {
    const double f = window->tableZoom().stepFactor();
    return {static_cast<int>(at.x * f) + 1, static_cast<int>(at.y * f) + 1};
  }

  QObject guard;
  testing::TempDir home;
  QuietBoxes boxes;
  std::unique_ptr<MainWindow> window;
  WindowDialogs* dialogs = nullptr;
};

TEST_F(WindowZoomTest, FitToWindowSpreadsKlondikeOverMostOfALargeWindow) {
  MainWindow& w = start(kKlondike, 1920, 1080);
  ASSERT_TRUE(game().underWay());
  const TableZoom& zoom = w.tableZoom();
  EXPECT_TRUE(zoom.fitToWindow());
  EXPECT_GT(zoom.stepFactor(), 1.0);
  const TableExtent extent = tableExtent(w.tableLayout(), game().state);
  // The piles span most of the window's width, and every one of them fits.
  EXPECT_GT(extent.right * zoom.stepFactor(), table().width() * 0.6);
  EXPECT_LE(extent.right * zoom.stepFactor(), table().width());
  // The surface holds the window's own pixels, the renderer's buffers the same scale.
  EXPECT_EQ(table().surface().storedWidth(), table().width());
  EXPECT_EQ(table().surface().scale(), zoom.scale());
  EXPECT_EQ(w.renderer().tableBuffer().scale(), zoom.scale());
  EXPECT_EQ(table().picture().width(), table().width());

  // A smaller window fits at a smaller zoom, and the preferences keep fit on.
  const double large = zoom.stepFactor();
  w.resize(900, 700);
  QApplication::processEvents();
  EXPECT_LT(zoom.stepFactor(), large);
  EXPECT_LE(tableExtent(w.tableLayout(), game().state).right * zoom.stepFactor(), table().width());
}

TEST_F(WindowZoomTest, ADragAndADropAtZoomTwoLandOnThePileUnderThePointer) {
  preferences().writeString("Preference", "FitToWindow", "N");
  preferences().writeString("Preference", "Zoom", "4");  // the fourth step: twice the size
  MainWindow& w = start(kFreeCell, 1600, 1000);
  ASSERT_TRUE(game().underWay());
  ASSERT_EQ(w.tableZoom().stepFactor(), 2.0);
  ASSERT_FALSE(w.tableZoom().fitToWindow());

  // Any card may go to an empty free cell: the top card of the first pile to the second cell.
  const PileRef from{PileList::Tableau, 0};
  const PileRef cell{PileList::Reserves, 1};
  const Pile& pile = game().state.piles.pile(from);
  ASSERT_GT(pile.cardCount(), 0);
  const CardNumber card = pile.topCard();
  const Point top = w.tableLayout().cardPosition(from, pile.cardCount() - 1);
  const Point target = w.tableLayout().cardPosition(cell, 0);
  const QPoint press = onWindow({top.x + 30, top.y + 40});
  const QPoint drop = onWindow({target.x + 30, target.y + 40});
  QTest::mousePress(&table(), Qt::LeftButton, {}, press);
  for (int k = 1; k <= 6; ++k) QTest::mouseMove(&table(), press + (drop - press) * k / 6);
  QTest::mouseRelease(&table(), Qt::LeftButton, {}, drop);
  ASSERT_EQ(game().state.piles.pile(cell).cardCount(), 1);
  EXPECT_EQ(game().state.piles.pile(cell).topCard(), card);

  // What the window shows there is the card as the table buffer holds it, in stored pixels.
  const QImage shown = table().picture();
  const PixelSurface& buffer = w.renderer().tableBuffer();
  const PixelRect stored = buffer.storedRect({target.x, target.y, 71, 96});
  int same = 0;
  for (int y = stored.top + 8; y < stored.bottom() - 8; y += 3)
    for (int x = stored.left + 8; x < stored.right() - 8; x += 3)
      same += (shown.pixel(x, y) & 0xFFFFFFu) == (buffer.row(y)[x] & 0xFFFFFFu);
  EXPECT_GT(same, ((stored.height - 16) / 3) * ((stored.width - 16) / 3) * 9 / 10);
}

// Grand Harbour's 42 piles are more than an 800 x 600 window holds at zoom
// 1: fit to window shrinks the table, and the pointer still finds the cards.
TEST_F(WindowZoomTest, ATableLargerThanTheWindowIsShrunkAndPlaysThere) {
  MainWindow& w = start(kGrandHarbour, 800, 600);
  ASSERT_TRUE(game().underWay());
  ASSERT_EQ(game().state.parameters[param::kTableauCount], 26);
  const TableZoom& zoom = w.tableZoom();
  EXPECT_LT(zoom.stepFactor(), 1.0);
  const TableExtent extent = dealtTableExtent(w.tableLayout(), game().state);
  EXPECT_LE(extent.right * zoom.stepFactor(), table().width());
  EXPECT_LE(extent.bottom * zoom.stepFactor(), table().height());
  EXPECT_EQ(w.renderer().tableBuffer().scale(), zoom.scale());
  // A shrunk table is not a step the player chose: the preferences keep zoom 1.
  EXPECT_EQ(preferences().readInteger("Preference", "Zoom", 1), 1);

  // Any card may go to an empty cell: the top card of the last pile to the last cell.
  const PileRef from{PileList::Tableau, 25};
  const PileRef cell{PileList::Reserves, 7};
  const Pile& pile = game().state.piles.pile(from);
  ASSERT_EQ(pile.cardCount(), 4);
  const CardNumber card = pile.topCard();
  const Point top = w.tableLayout().cardPosition(from, pile.cardCount() - 1);
  const Point target = w.tableLayout().cardPosition(cell, 0);
  const QPoint press = onWindow({top.x + 30, top.y + 40});
  const QPoint drop = onWindow({target.x + 30, target.y + 40});
  QTest::mousePress(&table(), Qt::LeftButton, {}, press);
  for (int k = 1; k <= 6; ++k) QTest::mouseMove(&table(), press + (drop - press) * k / 6);
  QTest::mouseRelease(&table(), Qt::LeftButton, {}, drop);
  ASSERT_EQ(game().state.piles.pile(cell).cardCount(), 1);
  EXPECT_EQ(game().state.piles.pile(cell).topCard(), card);

  // Zooming in by hand from the shrunk table gives zoom 1.
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(w.tableZoom().stepFactor(), 1.0);
  EXPECT_FALSE(w.tableZoom().fitToWindow());
}

TEST_F(WindowZoomTest, TheViewMenuZoomsByItsKeysAndKeepsTheChoice) {
  MainWindow& w = start(kKlondike, 1024, 768);
  QApplication::setActiveWindow(window.get());
  ASSERT_NE(w.action("mnuView"), nullptr);
  EXPECT_EQ(w.action("mnuView")->text(), QStringLiteral("&View"));
  EXPECT_TRUE(w.action("mnuFitToWindow")->isChecked());
  const int fitted = w.tableZoom().step();

  QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_FALSE(w.tableZoom().fitToWindow());
  EXPECT_FALSE(w.action("mnuFitToWindow")->isChecked());
  EXPECT_EQ(w.tableZoom().step(), fitted + 1);
  EXPECT_EQ(preferences().readString("Preference", "FitToWindow", ""), "N");
  EXPECT_EQ(preferences().readInteger("Preference", "Zoom", 0), fitted + 2);
  QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(w.tableZoom().step(), std::max(fitted - 1, 0));
  EXPECT_EQ(table().surface().scale(), w.tableZoom().scale());
  QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_TRUE(w.tableZoom().fitToWindow());
  EXPECT_EQ(w.tableZoom().step(), fitted);
  EXPECT_EQ(preferences().readString("Preference", "FitToWindow", ""), "Y");

  w.settings().set(field::Language, "10000");
  w.applyLanguageCaptions();
  EXPECT_EQ(w.action("mnuView")->text(), QStringLiteral("&Visualizza"));
  EXPECT_EQ(w.action("mnuFitToWindow")->text(), QStringLiteral("&Adatta alla finestra"));
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
