// The play aids in the real window on the offscreen platform: the hint, the
// pause, finishing a won position, a whole game played with the keys, the
// status bar's counts, the cards turned by themselves and the verdict line.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <map>

#include "app/core/ini_file.hpp"
#include "app/core/program_paths.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/selection/game_won_dialog.hpp"
#include "app/selection/select_number_dialog.hpp"
#include "app/window/keyboard_play.hpp"
#include "app/window/main_window.hpp"
#include "app/window/table_play.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/window_dialogs.hpp"
#include "engine/build_types.hpp"
#include "engine/solver/move_description.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/scratch_table.hpp"
#include "engine/solver/solver_move.hpp"
#include "stats/booking.hpp"
#include "stats/result_files.hpp"
#include "table/keyboard_focus.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/app/window/quiet_play_preferences.hpp"

namespace quilloro {
namespace {

using testing::TempDir;

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kDuchess = 26;

std::filesystem::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

class QuietBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { shown.push_back(text); }
  bool confirm(const QString&) override { return true; }
  bool informationOkCancel(const QString&) override { return true; }
  void error(const QString& title, const QString& text) override { shown.push_back(title + ": " + text); }
  std::vector<QString> shown;
};

class HandClock : public TimeSource {
 public:
  LocalDateTime now() const override { return localTimeAt(epoch); }
  std::int64_t epoch = 1796119200;
};

template <typename Dialog>
void whenModal(QObject* guard, std::function<void(Dialog*)> action, int triesLeft = 3000) {
  QTimer::singleShot(10, guard, [guard, action = std::move(action), triesLeft]() mutable {
    if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget())) action(modal);
    else if (triesLeft > 0) whenModal<Dialog>(guard, std::move(action), triesLeft - 1);
  });
}

std::vector<std::string> tableTokens(const GameState& state) {
  std::vector<std::string> piles;
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i) piles.push_back(state.stateTokens(state.piles.pile(list, i)));
  return piles;
}

std::optional<FocusSpot> spotOf(const GameState& state, CardNumber card) {
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i) {
      const Pile& pile = state.piles.pile(list, i);
      for (int slot = 0; slot < pile.cardCount(); ++slot)
        if (pile.at(slot) == card) return FocusSpot{{list, i}, slot};
    }
  return std::nullopt;
}

class PlayAidsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(installFolder().empty()) << "QUILLORO_HOME names the build's installation folder";
    std::filesystem::create_directories(home.path() / "DATA");
    IniFile cfg = preferences();
    writeQuietPlayPreferences(cfg);
    cfg.writeString("Preference", "StatusBar", "S");
  }
  void TearDown() override {
    if (window) window->close();
  }

  IniFile preferences() const { return IniFile(home.path() / "DATA" / "CFG.DAT"); }

  MainWindow& start(int gameIndex, const char* number) {
    MainWindowOptions options;
    options.paths = programPathsFrom(installFolder(), {"Quilloro", "--home", home.path().string()});
    options.boxes = &boxes;
    options.time = &clock;
    window = std::make_unique<MainWindow>(options);
    // A busy test machine: the searches get time enough to end by their positions.
    PlayAidBudgets budgets;
    budgets.hint.milliseconds = budgets.verdict.milliseconds = budgets.finish.milliseconds = 60'000;
    window->setPlayAidBudgets(budgets);
    dialogs = new WindowDialogs(*window, nullptr);
    window->resize(1024, 768);
    window->show();
    whenModal<GameCatalogueDialog>(&guard, [this, gameIndex](GameCatalogueDialog*) { choose(gameIndex); });
    window->runFirstActivation();
    QApplication::processEvents();
    dealNumber(number);
    return *window;
  }

  void dealNumber(const std::string& number) {
    whenModal<SelectNumberDialog>(&guard, [number](SelectNumberDialog* dialog) {
      dialog->numbers()->setEditText(QString::fromStdString(number));
      dialog->okClicked();
    });
    window->selectGameNumber();
    QApplication::setActiveWindow(window.get());
    window->table()->setFocus();
  }

  // The solver's moves on deal 1, played with the keys alone: a win is booked,
  // and any other way ends on the table the solver's own replay reaches.
  void playWithKeysOnly(int kind) {
    start(kind, "1");
    const solver::SolverStart begin = solver::SolverStart::of(game());
    const solver::SolveResult result = solver::solve(begin, {100'000, 30'000, std::size_t{1} << 30});
    ASSERT_FALSE(result.moves.empty());
    const bool wins = result.verdict == solver::Verdict::Won;
    if (wins) closeGameWon();
    for (const solver::SolverMove& move : result.moves) {
      ASSERT_TRUE(game().underWay()) << "the game ended early";
      playWithKeys(move);
      if (HasFatalFailure()) return;
    }
    if (wins) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !game().underWay(); }, 20'000)) << "not ended";
      // The poker grid's full table counts as won by its points, which this deal may not reach.
      if (game().state.parameters[param::kGameFamily] != kPokerGridFamily) {
        EXPECT_EQ(wonGames(), 1);
      }
      return;
    }
    solver::ScratchTable replay(begin.state, begin.placed);
    replay.load(begin.state, begin.redealCount);
    for (const solver::SolverMove& move : result.moves) ASSERT_TRUE(solver::applyMove(replay.game(), move));
    EXPECT_EQ(tableTokens(game().state), tableTokens(replay.game().state));
  }

  void choose(int gameIndex) {
    GameCatalogueDialog& catalogue = dialogs->catalogue();
    QTreeWidget* tree = catalogue.tree();
    for (int top = 0; top < tree->topLevelItemCount(); ++top)
      for (int i = 0; i < tree->topLevelItem(top)->childCount(); ++i) {
        tree->setCurrentItem(tree->topLevelItem(top)->child(i));
        if (catalogue.selectedTag() == gameIndex) return catalogue.okClicked();
      }
    catalogue.reject();
  }

  void closeGameWon() {
    whenModal<GameWonDialog>(&guard, [this](GameWonDialog* dialog) {
      gameWonShown = true;
      dialog->reject();
    });
  }

  std::vector<solver::SolverMove> solution() {
    solver::Budget budget;
    budget.milliseconds = 60'000;
    const solver::SolveResult result = solver::solve(solver::SolverStart::of(game()), budget);
    return result.verdict == solver::Verdict::Won ? result.moves : std::vector<solver::SolverMove>{};
  }

  bool waitForSearches() {
    return QTest::qWaitFor([this] { return !window->searching(); }, 90'000);
  }

  int wonGames() {
    return stats::readTotals(stats::ResultFiles::under(home.path()), window->settings(),
                             static_cast<int>(window->settings().getInteger(field::Game).value_or(0)),
                             window->settings().get(field::UserDefault))
        .record.won;
  }

  // The arrow keys that take the focus to the spot, found by trying them all.
  void focusOn(FocusSpot wanted) {
    KeyboardPlay& keys = window->keyboard();
    if (!keys.shown()) QTest::keyClick(&table(), Qt::Key_Up);
    const bool carrying = keys.carrying();
    const std::map<FocusDirection, Qt::Key> keyOf{{FocusDirection::Left, Qt::Key_Left},
                                                 {FocusDirection::Right, Qt::Key_Right},
                                                 {FocusDirection::Up, Qt::Key_Up},
                                                 {FocusDirection::Down, Qt::Key_Down}};
    const FocusSpot here = keepOnTable(game().state, window->tableLayout(), keys.focus());
    std::deque<std::pair<FocusSpot, std::vector<Qt::Key>>> open{{here, {}}};
    std::vector<FocusSpot> seen{here};
    while (!open.empty()) {
      auto [spot, path] = open.front();
      open.pop_front();
      if (spot == wanted) {
        for (const Qt::Key key : path) QTest::keyClick(&table(), key);
        ASSERT_EQ(keys.focus(), wanted);
        return;
      }
      for (const auto& [direction, key] : keyOf) {
        const auto next = stepFocus(game().state, window->tableLayout(), spot, direction, carrying);
        if (!next || std::find(seen.begin(), seen.end(), *next) != seen.end()) continue;
        seen.push_back(*next);
        auto longer = path;
        longer.push_back(key);
        open.emplace_back(*next, longer);
      }
    }
    FAIL() << "no keys lead to pile " << pileName(wanted.pile) << " slot " << wanted.slot;
  }

  // One solver move, made with the keys alone.
  void playWithKeys(const solver::SolverMove& move) {
    switch (move.kind) {
      case solver::SolverMove::Kind::Drop: {
        const auto from = spotOf(game().state, move.card);
        ASSERT_TRUE(from);
        focusOn(*from);
        QTest::keyClick(&table(), Qt::Key_Space);
        if (move.target == kDiscardPile) {
          // A click plays the card to the discard pile: no carrying.
          ASSERT_FALSE(window->keyboard().carrying());
          ASSERT_EQ(spotOf(game().state, move.card)->pile, kDiscardPile) << playCommand(move);
          return;
        }
        ASSERT_TRUE(window->keyboard().carrying()) << playCommand(move);
        focusOn(topSpotOf(game().state, move.target));
        QTest::keyClick(&table(), Qt::Key_Return);
        ASSERT_FALSE(window->keyboard().carrying());
        const auto landed = spotOf(game().state, move.card);
        ASSERT_TRUE(landed);
        // A card that completes a king-to-ace run leaves with it for a
        // foundation at once in the Spider games.
        if (landed->pile.list == PileList::Foundations && move.target.list == PileList::Tableau &&
            game().state.parameters[param::kFoundationBuildTypeFirst] == build_type::kNothing)
          return;
        ASSERT_EQ(landed->pile, move.target) << playCommand(move);
        return;
      }
      case solver::SolverMove::Kind::Turn:
      case solver::SolverMove::Kind::Stock:
        focusOn(topSpotOf(game().state, move.kind == solver::SolverMove::Kind::Turn ? move.target : kStockPile));
        QTest::keyClick(&table(), Qt::Key_Space);
        return;
      case solver::SolverMove::Kind::Select: {
        // The card as the pointer would press it, outside the selection itself.
        const auto pile = solver::selectablePileOf(game().state, move.card);
        ASSERT_TRUE(pile);
        const Pile& cards = game().state.piles.pile(*pile);
        int slot = 0;
        while (cards.at(slot) != move.card) ++slot;
        focusOn({*pile, slot});
        QTest::keyClick(&table(), Qt::Key_Space);
        return;
      }
    }
  }

  Game& game() { return window->session().game(); }
  TableWidget& table() { return *window->table(); }

  QObject guard;
  TempDir home;
  QuietBoxes boxes;
  HandClock clock;
  std::unique_ptr<MainWindow> window;
  WindowDialogs* dialogs = nullptr;
  bool gameWonShown = false;
};

TEST_F(PlayAidsTest, AHintNamesTheSolversFirstMoveFramesItAndGoesWithTheNextMove) {
  MainWindow& w = start(kFreeCell, "1");
  const std::vector<solver::SolverMove> moves = solution();
  ASSERT_FALSE(moves.empty());
  const QImage before = table().picture();

  EXPECT_EQ(w.action(QStringLiteral("mnuHint"))->shortcut(), QKeySequence(Qt::Key_H));
  QTest::keyClick(window.get(), Qt::Key_H);
  EXPECT_EQ(w.statusMessageLabel()->text(), QStringLiteral("Looking for a hint..."));
  ASSERT_TRUE(waitForSearches());
  ASSERT_TRUE(w.shownHint());
  EXPECT_EQ(*w.shownHint(), moves.front());
  const std::string words = solver::describeMove(w.strings(), kEnglishBase, game().state, moves.front());
  EXPECT_EQ(w.statusMessageLabel()->text().toStdString(), words);
  EXPECT_TRUE(words.starts_with("Move the ")) << words;
  // The card and its target are framed, over the picture and not in the table buffer.
  ASSERT_EQ(w.hintMarks().size(), 2u);
  EXPECT_EQ(w.hintMarks()[0].kind, TableMarkKind::HintFrom);
  EXPECT_EQ(w.hintMarks()[1].kind, TableMarkKind::HintTo);
  EXPECT_NE(table().picture(), before);
  const PixelRect frame = markArea(w.hintMarks()[0]);
  EXPECT_EQ(w.renderer().tableBuffer().pixel(frame.left + 2, frame.top + 40) & 0xFFFFFFu,
            before.pixel(frame.left + 2, frame.top + 40) & 0xFFFFFFu);

  // The move is made: the hint of the old position goes.
  ASSERT_TRUE(solver::applyMove(game(), moves.front()));
  w.redraw(Redraw::Table, kStockPile);
  EXPECT_FALSE(w.shownHint());
  EXPECT_TRUE(w.hintMarks().empty());
  EXPECT_TRUE(w.statusMessageLabel()->text().isEmpty());

  // In Italian, in the same plain words.
  w.settings().setInteger(field::Language, kItalianBase);
  w.showHint();
  ASSERT_TRUE(waitForSearches());
  ASSERT_TRUE(w.shownHint());
  EXPECT_TRUE(w.statusMessageLabel()->text().startsWith(QStringLiteral("Sposta "))) <<
      w.statusMessageLabel()->text().toStdString();
}

TEST_F(PlayAidsTest, FinishForMePlaysTheWinAsUndoableMovesAndBooksIt) {
  MainWindow& w = start(kFreeCell, "1");
  ASSERT_EQ(wonGames(), 0);
  int undoSteps = 0;
  closeGameWon();
  // Count the steps of the moves as they are made, before the won game ends.
  QTimer sampler;
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    undoSteps = std::max(undoSteps, static_cast<int>(game().undoHistory().stepCount()));
  });
  sampler.start(5);
  w.finishForMe();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !game().underWay(); }, 120'000));
  EXPECT_FALSE(w.finishing());
  EXPECT_TRUE(gameWonShown);
  EXPECT_EQ(wonGames(), 1);
  EXPECT_GT(undoSteps, 10);
}

TEST_F(PlayAidsTest, AKeyStopsTheFinishingWithTheGameStillInPlay) {
  preferences().writeString("Preference", "Cards_Animate", "Y");
  MainWindow& w = start(kFreeCell, "1");
  // A key once two moves are made; the moves are played inside the window's own waits.
  QTimer watcher;
  bool keyed = false;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    if (keyed || !w.finishing() || game().undoHistory().stepCount() < 2) return;
    keyed = true;
    QTest::keyClick(&table(), Qt::Key_Escape);
  });
  watcher.start(5);
  w.finishForMe();
  ASSERT_TRUE(QTest::qWaitFor([&] { return keyed && !w.finishing(); }, 120'000));
  EXPECT_TRUE(game().underWay());
  EXPECT_FALSE(game().won());
  const int made = game().undoHistory().stepCount();
  // Every move played for the player is undone like the player's own.
  ASSERT_TRUE(game().undo());
  EXPECT_EQ(game().undoHistory().stepCount(), made - 1);
}

TEST_F(PlayAidsTest, PauseHoldsTheClockHidesTheCardsAndAnyKeyGoesOn) {
  MainWindow& w = start(kKlondike, "3");
  clock.epoch += 65;
  QTest::keyClick(&table(), Qt::Key_P, Qt::ControlModifier);
  ASSERT_TRUE(w.paused());
  EXPECT_TRUE(w.action(QStringLiteral("mnuPause"))->isChecked());
  // No card shows: the first pile's card is background now.
  const Point card = w.tableLayout().cardPosition({PileList::Tableau, 0}, 0);
  const QImage covered = table().picture();
  EXPECT_EQ(covered.pixel(card.x + 20, card.y + 20) & 0xFFFFFFu,
            w.renderer().backgroundBuffer().pixel(card.x + 20, card.y + 20) & 0xFFFFFFu);
  clock.epoch += 3600;
  w.tick();
  EXPECT_EQ(w.session().elapsedSeconds(), 65);
  EXPECT_EQ(w.session().snapshot().elapsedSeconds, 65);
  // A click on the table goes on without making a move.
  const std::vector<std::string> piles = [&] {
    std::vector<std::string> all;
    for (int i = 0; i < 7; ++i) all.push_back(game().state.stateTokens(game().state.piles.pile(PileList::Tableau, i)));
    return all;
  }();
  QTest::mouseClick(&table(), Qt::LeftButton, {}, QPoint(card.x + 20, card.y + 20));
  QApplication::processEvents();
  EXPECT_FALSE(w.paused());
  EXPECT_EQ(game().state.stateTokens(game().state.piles.pile(PileList::Tableau, 0)), piles[0]);
  clock.epoch += 5;
  EXPECT_EQ(w.session().elapsedSeconds(), 70);
  EXPECT_EQ(table().picture().pixel(card.x + 20, card.y + 20) & 0xFFFFFFu,
            w.renderer().tableBuffer().pixel(card.x + 20, card.y + 20) & 0xFFFFFFu);
  // And a key does too.
  w.pauseGame();
  ASSERT_TRUE(w.paused());
  QTest::keyClick(&table(), Qt::Key_A);
  QApplication::processEvents();
  EXPECT_FALSE(w.paused());
}

TEST_F(PlayAidsTest, AKlondikeDealIsWonWithTheKeyboardAlone) {
  MainWindow& w = start(kKlondike, "3");
  const std::vector<solver::SolverMove> moves = solution();
  ASSERT_FALSE(moves.empty());
  closeGameWon();
  for (const solver::SolverMove& move : moves) {
    ASSERT_TRUE(game().underWay()) << "the game ended early";
    playWithKeys(move);
    if (HasFatalFailure()) return;
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return gameWonShown; }, 10'000));
  EXPECT_EQ(wonGames(), 1);
  EXPECT_FALSE(w.keyboard().carrying());
}

// One kind of each family that plays differently: each plays with the keys as with the mouse.
TEST_F(PlayAidsTest, GolfPlaysWithTheKeyboard) { playWithKeysOnly(5); }
TEST_F(PlayAidsTest, PyramidPlaysWithTheKeyboard) { playWithKeysOnly(6); }
TEST_F(PlayAidsTest, MonteCarloPlaysWithTheKeyboard) { playWithKeysOnly(7); }
TEST_F(PlayAidsTest, PokerSquarePlaysWithTheKeyboard) { playWithKeysOnly(8); }
TEST_F(PlayAidsTest, FifteensPlaysWithTheKeyboard) { playWithKeysOnly(35); }
TEST_F(PlayAidsTest, FourteenOutPlaysWithTheKeyboard) { playWithKeysOnly(57); }
TEST_F(PlayAidsTest, ThirteensPlaysWithTheKeyboard) { playWithKeysOnly(46); }
TEST_F(PlayAidsTest, CalculationPlaysWithTheKeyboard) { playWithKeysOnly(47); }
TEST_F(PlayAidsTest, AceCellarPlaysWithTheKeyboard) { playWithKeysOnly(34); }
TEST_F(PlayAidsTest, BlackHolePlaysWithTheKeyboard) { playWithKeysOnly(23); }
TEST_F(PlayAidsTest, NinePairsPlaysWithTheKeyboard) { playWithKeysOnly(59); }
TEST_F(PlayAidsTest, PuttPuttPlaysWithTheKeyboard) { playWithKeysOnly(37); }
TEST_F(PlayAidsTest, MatchmakerPlaysWithTheKeyboard) { playWithKeysOnly(60); }
TEST_F(PlayAidsTest, SpiderPlaysWithTheKeyboard) { playWithKeysOnly(2); }

TEST_F(PlayAidsTest, EscPutsTheCarriedCardsBackAndTheFrameFollowsTheKeys) {
  MainWindow& w = start(kFreeCell, "1");
  EXPECT_TRUE(table().marks().empty());
  QTest::keyClick(&table(), Qt::Key_Down);
  ASSERT_EQ(table().marks().size(), 1u);
  const FocusSpot top = topSpotOf(game().state, {PileList::Tableau, 0});
  focusOn(top);
  const std::string pile = game().state.stateTokens(game().state.piles.pile(top.pile));
  QTest::keyClick(&table(), Qt::Key_Space);
  ASSERT_TRUE(w.keyboard().carrying());
  QTest::keyClick(&table(), Qt::Key_Right);
  EXPECT_EQ(table().marks().front().kind, TableMarkKind::Carried);
  QTest::keyClick(&table(), Qt::Key_Escape);
  EXPECT_FALSE(w.keyboard().carrying());
  EXPECT_EQ(game().state.stateTokens(game().state.piles.pile(top.pile)), pile);
  // The mouse takes over: the frame goes.
  QTest::mouseClick(&table(), Qt::LeftButton, {}, QPoint(5, table().height() - 40));
  EXPECT_TRUE(table().marks().empty());
}

TEST_F(PlayAidsTest, TheStatusBarCountsFollowStockClicksAndRedeals) {
  MainWindow& w = start(kKlondike, "3");
  ASSERT_TRUE(w.statusBox()->isVisible());
  const int inStock = game().state.piles.stock().cardCount();
  EXPECT_EQ(w.stockCountLabel()->text(), QStringLiteral("Stock: %1").arg(inStock));
  EXPECT_EQ(w.redealsLabel()->text(), QStringLiteral("Redeals: unlimited"));
  const Point stock = w.tableLayout().cardPosition(kStockPile, 0);
  QTest::mouseClick(&table(), Qt::LeftButton, {}, QPoint(stock.x + 20, stock.y + 30));
  EXPECT_EQ(w.stockCountLabel()->text(), QStringLiteral("Stock: %1").arg(game().state.piles.stock().cardCount()));
  EXPECT_LT(game().state.piles.stock().cardCount(), inStock);
  while (!game().state.piles.stock().empty())
    QTest::mouseClick(&table(), Qt::LeftButton, {}, QPoint(stock.x + 20, stock.y + 30));
  EXPECT_EQ(w.stockCountLabel()->text(), QStringLiteral("Stock: 0"));
  // The redeal turns the waste over into the stock.
  QTest::mouseClick(&table(), Qt::LeftButton, {}, QPoint(stock.x + 20, stock.y + 30));
  EXPECT_GE(game().state.piles.stock().cardCount(), inStock - 3);
  EXPECT_EQ(w.stockCountLabel()->text(), QStringLiteral("Stock: %1").arg(game().state.piles.stock().cardCount()));
  w.undo();
  EXPECT_EQ(w.stockCountLabel()->text(), QStringLiteral("Stock: 0"));
  w.settings().setInteger(field::Language, kItalianBase);
  w.applyLanguageCaptions();
  EXPECT_EQ(w.redealsLabel()->text(), QStringLiteral("Ridistribuzioni: illimitate"));
  EXPECT_EQ(w.stockCountLabel()->text(), QStringLiteral("Mazzo: 0"));
}

TEST_F(PlayAidsTest, AGameOfCountedRedealsShowsHowManyAreLeft) {
  MainWindow& w = start(kDuchess, "1");
  const int passes = game().state.parameters[param::kStockPasses];
  ASSERT_EQ(passes, 2);
  EXPECT_EQ(w.redealsLabel()->text(), QStringLiteral("Redeals: 1"));
}

TEST_F(PlayAidsTest, UncoveredCardsTurnByThemselvesEachWithItsUndoStep) {
  preferences().writeString("Preference", "Auto_Turn", "Y");
  MainWindow& w = start(kKlondike, "3");
  const std::vector<solver::SolverMove> moves = solution();
  ASSERT_FALSE(moves.empty());
  // The first drop off a pile with a face-down card under the dropped one.
  for (const solver::SolverMove& move : moves) {
    const auto from = spotOf(game().state, move.card);
    const bool uncovers = move.kind == solver::SolverMove::Kind::Drop && from &&
                          from->pile.list == PileList::Tableau && from->slot > 0 &&
                          game().state.isFaceDown(game().state.piles.pile(from->pile).at(from->slot - 1));
    if (!uncovers) {
      ASSERT_TRUE(solver::applyMove(game(), move));
      continue;
    }
    const CardNumber under = game().state.piles.pile(from->pile).at(from->slot - 1);
    const int steps = game().undoHistory().stepCount();
    playWithKeys(move);
    EXPECT_FALSE(game().state.isFaceDown(under));
    EXPECT_EQ(game().undoHistory().stepCount(), steps + 2);
    w.undo();
    EXPECT_TRUE(game().state.isFaceDown(under));
    return;
  }
  FAIL() << "no move uncovered a card";
}

TEST_F(PlayAidsTest, TheVerdictLineAnswersAfterTheMoveWhenSwitchedOn) {
  preferences().writeString("Preference", "Show_Winnable", "Y");
  MainWindow& w = start(kFreeCell, "1");
  ASSERT_TRUE(waitForSearches());
  EXPECT_EQ(w.verdictLabel()->text(), QStringLiteral("Winnable"));
  // Switched off, the line stays empty.
  preferences().writeString("Preference", "Show_Winnable", "N");
  w.readPlayAidOptions();
  EXPECT_TRUE(w.verdictLabel()->text().isEmpty());
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
