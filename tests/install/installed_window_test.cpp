// The window of an installed program, played with the mouse: FreeCell deal 1
// from the first card to "Game won", with the program's folders taken from
// PREFIX/bin as the installed quilloro takes them, so the booking must land in
// the player's XDG data folder. Run by check_install.sh with a fresh HOME.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <functional>
#include <optional>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/selection/game_won_dialog.hpp"
#include "app/selection/select_number_dialog.hpp"
#include "app/window/main_window.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/window_dialogs.hpp"
#include "engine/solver/solver.hpp"
#include "stats/booking.hpp"
#include "stats/result_files.hpp"

namespace quilloro {
namespace {

namespace fs = std::filesystem;

constexpr int kFreeCell = 1;

class AgreeingBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { shown.push_back(text); }
  bool confirm(const QString&) override { return true; }
  bool informationOkCancel(const QString&) override { return true; }
  void error(const QString& title, const QString& text) override { shown.push_back(title + ": " + text); }
  std::vector<QString> shown;
};

// Runs the action on the next modal dialog of the kind once it shows.
template <typename Dialog>
void whenModal(QObject* guard, std::function<void(Dialog*)> action, int triesLeft = 3000) {
  QTimer::singleShot(10, guard, [guard, action = std::move(action), triesLeft]() mutable {
    if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget())) action(modal);
    else if (triesLeft > 0) whenModal<Dialog>(guard, std::move(action), triesLeft - 1);
  });
}

std::optional<std::pair<PileRef, int>> placeOf(const GameState& state, CardNumber card) {
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i) {
      const Pile& pile = state.piles.pile(list, i);
      for (int slot = 0; slot < pile.cardCount(); ++slot)
        if (pile.at(slot) == card) return std::make_pair(PileRef{list, i}, slot);
    }
  return std::nullopt;
}

TEST(InstalledWindow, PlaysADealToItsEndAndBooksItInThePlayersDataFolder) {
  const char* prefix = std::getenv("QUILLORO_PREFIX");
  const char* home = std::getenv("HOME");
  ASSERT_TRUE(prefix && home) << "QUILLORO_PREFIX names the staging prefix, HOME the player's fresh home";
  ASSERT_EQ(std::getenv("XDG_DATA_HOME"), nullptr);

  const ProgramPaths paths = programPathsFrom(fs::path(prefix) / "bin", {"quilloro"});
  ASSERT_TRUE(paths.installed);
  ASSERT_EQ(paths.home, fs::path(home) / ".local" / "share" / "quilloro");
  ASSERT_EQ(paths.install, (fs::path(prefix) / "share" / "quilloro").lexically_normal());
  ASSERT_FALSE(missingStartupFile(paths));

  // The player's own preferences: no flights, pauses, sounds or automatic moves,
  // so that every card goes exactly where the mouse puts it.
  IniFile preferences(paths.home / "DATA" / "CFG.DAT");
  for (const char* off : {"AutoPlay", "Cards_Animate", "Cards_Shadowed", "Winning_Animation", "Sounds_Enabled"})
    preferences.writeString("Preference", off, "N");
  preferences.writeString("Preference", "ConfirmQuit", "N");
  // A won game may enter the hi-scores; the modal "Compliments!" is tested with the statistics windows.
  preferences.writeString("Preference", "ConfirmEnterHiScores", "N");
  // The table at its own size: the pointer's positions are the table's pixels.
  preferences.writeString("Preference", "FitToWindow", "N");

  QObject guard;
  AgreeingBoxes boxes;
  MainWindowOptions options;
  options.paths = paths;
  options.boxes = &boxes;
  MainWindow window(options);
  auto* dialogs = new WindowDialogs(window);
  window.resize(1024, 768);
  window.show();

  // The catalogue at the first activation chooses FreeCell.
  whenModal<GameCatalogueDialog>(&guard, [dialogs](GameCatalogueDialog*) {
    GameCatalogueDialog& catalogue = dialogs->catalogue();
    QTreeWidget* tree = catalogue.tree();
    for (int top = 0; top < tree->topLevelItemCount(); ++top)
      for (int i = 0; i < tree->topLevelItem(top)->childCount(); ++i) {
        tree->setCurrentItem(tree->topLevelItem(top)->child(i));
        if (catalogue.selectedTag() == kFreeCell) return catalogue.okClicked();
      }
    catalogue.reject();
  });
  window.runFirstActivation();
  QApplication::processEvents();
  ASSERT_EQ(window.settings().getInteger(field::Game), kFreeCell);

  // Deal 1 through the select-number dialog.
  whenModal<SelectNumberDialog>(&guard, [](SelectNumberDialog* dialog) {
    dialog->numbers()->setEditText(QStringLiteral("1"));
    dialog->okClicked();
  });
  window.selectGameNumber();
  Game& game = window.session().game();
  ASSERT_TRUE(game.underWay());

  solver::Budget budget;
  budget.milliseconds = 8000;
  const solver::SolveResult solution = solver::solve(solver::SolverStart::of(game), budget);
  ASSERT_EQ(solution.verdict, solver::Verdict::Won);

  // "Game won" shows over the won table; Cancel then clears the table.
  bool gameWonShown = false;
  whenModal<GameWonDialog>(&guard, [&gameWonShown](GameWonDialog* dialog) {
    gameWonShown = dialog->windowTitle() == QStringLiteral("Game won");
    dialog->reject();
  });
  // Every move a drag of the mouse, from the card's visible top edge to the top card of the target.
  TableWidget& table = *window.table();
  for (std::size_t n = 0; n < solution.moves.size(); ++n) {
    const solver::SolverMove& move = solution.moves[n];
    ASSERT_EQ(move.kind, solver::SolverMove::Kind::Drop) << n;
    const auto from = placeOf(game.state, move.card);
    ASSERT_TRUE(from) << n;
    const Point at = window.tableLayout().cardPosition(from->first, from->second);
    const int targetCount = game.state.piles.pile(move.target).cardCount();
    const Point to = window.tableLayout().cardPosition(move.target, std::max(targetCount - 1, 0));
    const QPoint press(at.x + 30, at.y + 6), release(to.x + 30, to.y + 40);
    QTest::mousePress(&table, Qt::LeftButton, {}, press);
    for (int k = 1; k <= 4; ++k) QTest::mouseMove(&table, press + (release - press) * k / 4);
    QTest::mouseRelease(&table, Qt::LeftButton, {}, release);
    const auto now = placeOf(game.state, move.card);
    ASSERT_TRUE(now && now->first == move.target) << "move " << n << " of card " << move.card << " was refused";
  }
  QApplication::processEvents();
  EXPECT_TRUE(gameWonShown);
  EXPECT_FALSE(game.underWay());
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().toStdString();

  const stats::ResultFiles results = stats::ResultFiles::under(paths.home);
  EXPECT_EQ(results.statistics.parent_path(), paths.home / "DATA");
  const stats::Totals totals =
      stats::readTotals(results, window.settings(), kFreeCell, window.settings().get(field::UserDefault));
  EXPECT_EQ(totals.record.won, 1);
  EXPECT_TRUE(fs::is_regular_file(results.log));
  window.close();
}

}  // namespace
}  // namespace quilloro

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
