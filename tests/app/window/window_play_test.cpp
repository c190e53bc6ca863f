// Playing in the real window on the offscreen platform: the catalogue at the
// start, cards dragged, double-clicked and dealt from the stock with the
// mouse, undo and redo, saving and opening, restart, the deal animation and a
// won game with its winning animation, "Game won" dialog and booking.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>

#include "app/selection/demo_bar.hpp"
#include "app/selection/demo_play_pace.hpp"
#include "app/selection/favourite_games_dialog.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/selection/game_won_dialog.hpp"
#include "app/core/ini_file.hpp"
#include "app/widgets/help_window.hpp"
#include "app/window/main_window.hpp"
#include "app/core/program_paths.hpp"
#include "app/selection/select_number_dialog.hpp"
#include "app/window/table_play.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/tool_strip.hpp"
#include "app/window/window_dialogs.hpp"
#include "engine/game_won_summary.hpp"
#include "engine/solver/solver.hpp"
#include "stats/booking.hpp"
#include "stats/result_files.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/app/window/quiet_play_preferences.hpp"

namespace quilloro {
namespace {

using testing::TempDir;

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr const char* kFreeCellNumber = "1";

std::filesystem::path installFolder() {
  const char* home = std::getenv("QUILLORO_HOME");
  return home ? std::filesystem::path(home) : std::filesystem::path();
}

// Says yes to every question and keeps what was said.
class AgreeingBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { shown.push_back(text); }
  bool confirm(const QString& text) override { return asked.push_back(text), true; }
  bool informationOkCancel(const QString& text) override { return asked.push_back(text), true; }
  void error(const QString& title, const QString& text) override { shown.push_back(title + ": " + text); }
  std::vector<QString> asked;
  std::vector<QString> shown;
};

// Names the files a test chose, as the file dialogs would.
class ScriptedFiles : public GameFileChooser {
 public:
  std::filesystem::path saveFile(QWidget*, const QString& title, const std::filesystem::path& folder) override {
    titles.push_back(title);
    folders.push_back(folder);
    return next();
  }
  std::filesystem::path openFile(QWidget*, const QString& title, const std::filesystem::path& folder) override {
    titles.push_back(title);
    folders.push_back(folder);
    return next();
  }
  Replace replaceExisting(QWidget*, const QString& text) override {
    questions.push_back(text);
    return replace;
  }
  std::filesystem::path next() {
    if (files.empty()) return {};
    std::filesystem::path file = files.front();
    files.pop_front();
    return file;
  }

  std::deque<std::filesystem::path> files;
  Replace replace = Replace::Yes;
  std::vector<QString> titles;
  std::vector<std::filesystem::path> folders;
  std::vector<QString> questions;
};

// Runs the action on the next modal dialog of the kind once it shows; the
// waiting ends with the guard.
template <typename Dialog>
void whenModal(QObject* guard, std::function<void(Dialog*)> action, int triesLeft = 1000) {
  QTimer::singleShot(10, guard, [guard, action = std::move(action), triesLeft]() mutable {
    if (auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      action(modal);
    } else if (triesLeft > 0) {
      whenModal<Dialog>(guard, std::move(action), triesLeft - 1);
    }
  });
}

struct CardPlace {
  PileRef pile{PileList::Stock, kStockIndex};
  int slot = 0;
};

std::optional<CardPlace> placeOf(const GameState& state, CardNumber card) {
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i) {
      const Pile& pile = state.piles.pile(list, i);
      for (int slot = 0; slot < pile.cardCount(); ++slot)
        if (pile.at(slot) == card) return CardPlace{{list, i}, slot};
    }
  return std::nullopt;
}

std::vector<std::string> tableTokens(const GameState& state) {
  std::vector<std::string> piles;
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i) piles.push_back(state.stateTokens(state.piles.pile(list, i)));
  return piles;
}

// The moves that win FreeCell deal 1, found once for every test.
const std::vector<solver::SolverMove>& freeCellSolution(const Game& dealt) {
  static const std::vector<solver::SolverMove> moves = [&dealt] {
    solver::Budget budget;
    budget.milliseconds = 8000;
    const solver::SolveResult result = solver::solve(solver::SolverStart::of(dealt), budget);
    return result.verdict == solver::Verdict::Won ? result.moves : std::vector<solver::SolverMove>{};
  }();
  return moves;
}

class WindowPlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(installFolder().empty()) << "QUILLORO_HOME names the build's installation folder";
    std::filesystem::create_directories(home.path() / "DATA");
    IniFile cfg = preferences();
    writeQuietPlayPreferences(cfg);
    // No shadows either, for most cases.
    cfg.writeString("Preference", "Cards_Shadowed", "N");
  }

  IniFile preferences() const { return IniFile(home.path() / "DATA" / "CFG.DAT"); }

  // The window with its dialogs; the catalogue shown at the first activation chooses the game.
  MainWindow& start(int gameIndex) {
    MainWindowOptions options;
    options.paths = programPathsFrom(installFolder(), {"Quilloro", "--home", home.path().string()});
    options.boxes = &boxes;
    window = std::make_unique<MainWindow>(options);
    dialogs = new WindowDialogs(*window, &files);
    window->resize(1024, 768);
    window->show();
    whenModal<GameCatalogueDialog>(&guard, [this, gameIndex](GameCatalogueDialog* modal) {
      catalogueShownFirst = modal == &dialogs->catalogue();
      choose(gameIndex);
    });
    window->runFirstActivation();
    QApplication::processEvents();
    return *window;
  }

  void choose(int gameIndex) {
    GameCatalogueDialog& catalogue = dialogs->catalogue();
    QTreeWidget* tree = catalogue.tree();
    for (int top = 0; top < tree->topLevelItemCount(); ++top) {
      QTreeWidgetItem* folder = tree->topLevelItem(top);
      for (int i = 0; i < folder->childCount(); ++i) {
        tree->setCurrentItem(folder->child(i));
        if (catalogue.selectedTag() == gameIndex) {
          catalogue.okClicked();
          return;
        }
      }
    }
    catalogue.reject();
  }

  // FreeCell deal 1 through the select-number dialog.
  void dealFreeCellOne() {
    whenModal<SelectNumberDialog>(&guard, [](SelectNumberDialog* dialog) {
      dialog->numbers()->setEditText(QString::fromLatin1(kFreeCellNumber));
      dialog->okClicked();
    });
    window->selectGameNumber();
    ASSERT_EQ(std::stoll(window->settings().get(field::GameNumber)), 1);
  }

  Game& game() { return window->session().game(); }
  TableWidget& table() { return *window->table(); }

  // The middle of a card as drawn.
  QPoint middleOf(const CardPlace& place) const {
    const Point at = window->tableLayout().cardPosition(place.pile, place.slot);
    return {at.x + 30, at.y + 40};
  }
  QPoint onTopOf(PileRef pile) {
    const int count = game().state.piles.pile(pile).cardCount();
    return middleOf({pile, std::max(count - 1, 0)});
  }

  // Answers the average time of one pointer move, in microseconds.
  qint64 drag(QPoint from, QPoint to) {
    constexpr int kSteps = 8;
    QTest::mousePress(&table(), Qt::LeftButton, {}, from);
    QElapsedTimer moves;
    moves.start();
    for (int k = 1; k <= kSteps; ++k) QTest::mouseMove(&table(), from + (to - from) * k / kSteps);
    const qint64 average = moves.nsecsElapsed() / 1000 / kSteps;
    QTest::mouseRelease(&table(), Qt::LeftButton, {}, to);
    return average;
  }

  // A solver move of a card onto another pile, played with the mouse.
  void dragMove(const solver::SolverMove& move) {
    const std::optional<CardPlace> from = placeOf(game().state, move.card);
    ASSERT_TRUE(from);
    lastMoveMicroseconds = drag(middleOf(*from), onTopOf(move.target));
  }

  // Whether the picture shows the table buffer within the card's rectangle,
  // mostly in the light colours of a card face.
  bool showsCardFace(const QImage& picture, const CardPlace& place) const {
    const Point at = window->tableLayout().cardPosition(place.pile, place.slot);
    const PixelSurface& buffer = window->renderer().tableBuffer();
    int light = 0;
    for (int y = at.y + 4; y < at.y + 92; ++y)
      for (int x = at.x + 4; x < at.x + 67; ++x) {
        const QRgb shown = picture.pixel(x, y);
        if ((shown & 0xFFFFFFu) != (buffer.pixel(x, y) & 0xFFFFFFu)) return false;
        if (qRed(shown) > 200 && qGreen(shown) > 200 && qBlue(shown) > 200) ++light;
      }
    return light > 63 * 88 / 3;
  }

  bool showsBackground(const QImage& picture, int x, int y) const {
    return (picture.pixel(x, y) & 0xFFFFFFu) == (window->renderer().backgroundBuffer().pixel(x, y) & 0xFFFFFFu);
  }

  // Ends every wait for a dialog with the test.
  QObject guard;
  TempDir home;
  AgreeingBoxes boxes;
  ScriptedFiles files;
  std::unique_ptr<MainWindow> window;
  WindowDialogs* dialogs = nullptr;
  bool catalogueShownFirst = false;
  qint64 lastMoveMicroseconds = 0;
};

TEST_F(WindowPlayTest, TheCatalogueChoosesTheFirstGameAndTheStockDealsAtAClick) {
  MainWindow& w = start(kKlondike);
  EXPECT_TRUE(catalogueShownFirst);
  ASSERT_TRUE(game().underWay());
  EXPECT_EQ(w.settings().getInteger(field::Game), kKlondike);
  EXPECT_EQ(preferences().readInteger("Preference", "Game", -1), kKlondike);
  EXPECT_EQ(table().pointerHandler(), &w.play());

  const QImage dealt = table().picture();
  const PileRef firstPile{PileList::Tableau, 0};
  EXPECT_TRUE(showsCardFace(dealt, {firstPile, 0}));
  // Below the piles, at the left edge, lies the bare background.
  EXPECT_TRUE(showsBackground(dealt, 2, table().height() - 30));

  const PileRef stock{PileList::Stock, kStockIndex};
  const PileRef waste{PileList::Stock, kWasteIndex};
  const int inStock = game().state.piles.pile(stock).cardCount();
  ASSERT_EQ(game().state.piles.pile(waste).cardCount(), 0);
  QTest::mouseClick(&table(), Qt::LeftButton, {}, onTopOf(stock));
  EXPECT_LT(game().state.piles.pile(stock).cardCount(), inStock);
  const int onWaste = game().state.piles.pile(waste).cardCount();
  ASSERT_GT(onWaste, 0);
  EXPECT_EQ(game().state.piles.pile(stock).cardCount() + onWaste, inStock);
  EXPECT_FALSE(game().state.isFaceDown(game().state.piles.pile(waste).at(onWaste - 1)));
  EXPECT_TRUE(table().picture() == [&] {
    // What the window shows is the table buffer: nothing was left behind.
    const PixelSurface& buffer = w.renderer().tableBuffer();
    QImage fresh(table().width(), table().height(), QImage::Format_RGB32);
    for (int y = 0; y < fresh.height(); ++y)
      for (int x = 0; x < fresh.width(); ++x) fresh.setPixel(x, y, buffer.pixel(x, y));
    return fresh;
  }());
}

TEST_F(WindowPlayTest, ADraggedCardLandsAndUndoAndRedoMoveItBackAndForth) {
  start(kFreeCell);
  dealFreeCellOne();
  const std::vector<solver::SolverMove>& moves = freeCellSolution(game());
  ASSERT_FALSE(moves.empty());
  const solver::SolverMove first = moves.front();
  ASSERT_EQ(first.kind, solver::SolverMove::Kind::Drop);
  const CardPlace from = *placeOf(game().state, first.card);
  const std::vector<std::string> before = tableTokens(game().state);

  dragMove(first);
  // The drag image follows the pointer without holding it up.
  RecordProperty("pointer_move_microseconds", static_cast<int>(lastMoveMicroseconds));
  EXPECT_LT(lastMoveMicroseconds, 2000);
  const std::optional<CardPlace> landed = placeOf(game().state, first.card);
  ASSERT_TRUE(landed);
  EXPECT_EQ(landed->pile, first.target);
  EXPECT_TRUE(showsCardFace(table().picture(), *landed));
  const std::vector<std::string> after = tableTokens(game().state);
  EXPECT_NE(after, before);
  EXPECT_EQ(table().pointerShape(), 11);

  window->undo();
  EXPECT_EQ(tableTokens(game().state), before);
  EXPECT_TRUE(showsCardFace(table().picture(), from));
  // Redo answers its key, which opens nothing else.
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(tableTokens(game().state), after);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // A drop nowhere sends the card back: the table stays as it was.
  const std::optional<CardPlace> again = placeOf(game().state, first.card);
  drag(middleOf(*again), QPoint(table().width() / 2, table().height() - 40));
  EXPECT_EQ(tableTokens(game().state), after);
  EXPECT_TRUE(showsCardFace(table().picture(), *again));
}

TEST_F(WindowPlayTest, ADoubleClickSendsACardHomeAndTheNextPressIsThePlayersOwn) {
  start(kFreeCell);
  dealFreeCellOne();
  const std::vector<solver::SolverMove>& moves = freeCellSolution(game());
  ASSERT_FALSE(moves.empty());
  // Play up to the first card the solution sends to a foundation from the top
  // of its pile, with a drop of another card after it.
  for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
    const solver::SolverMove& move = moves[i];
    const solver::SolverMove& next = moves[i + 1];
    const std::optional<CardPlace> at = placeOf(game().state, move.card);
    const bool home = move.kind == solver::SolverMove::Kind::Drop && move.target.list == PileList::Foundations &&
                      at && at->slot == game().state.piles.pile(at->pile).cardCount() - 1;
    if (!home || next.kind != solver::SolverMove::Kind::Drop || next.card == move.card) {
      ASSERT_TRUE(solver::applyMove(game(), move));
      continue;
    }
    // The window system's order: a click, then the double-click.
    QTest::mouseClick(&table(), Qt::LeftButton, {}, middleOf(*at));
    EXPECT_EQ(placeOf(game().state, move.card)->pile, at->pile);
    QTest::mouseDClick(&table(), Qt::LeftButton, {}, middleOf(*at));
    const std::optional<CardPlace> now = placeOf(game().state, move.card);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->pile.list, PileList::Foundations);
    EXPECT_TRUE(showsCardFace(table().picture(), *now));
    dragMove(next);
    EXPECT_EQ(placeOf(game().state, next.card)->pile, next.target);
    return;
  }
  FAIL() << "the solution sends no card home before another drop";
}

TEST_F(WindowPlayTest, QuickClicksOnTheStockAreNeverLost) {
  start(kKlondike);
  const PileRef stock{PileList::Stock, kStockIndex};
  const int inStock = game().state.piles.pile(stock).cardCount();
  QTest::mouseClick(&table(), Qt::LeftButton, {}, onTopOf(stock));
  const int perClick = inStock - game().state.piles.pile(stock).cardCount();
  ASSERT_GT(perClick, 0);
  ASSERT_GE(inStock, 6 * perClick);
  // Five more quick clicks: the window system reports every second one as a
  // double-click, whose press may come only with it.
  for (int pair = 0; pair < 2; ++pair) {
    QTest::mouseDClick(&table(), Qt::LeftButton, {}, onTopOf(stock));
    QTest::mouseRelease(&table(), Qt::LeftButton, {}, onTopOf(stock));
    QTest::mouseClick(&table(), Qt::LeftButton, {}, onTopOf(stock));
  }
  // And a double-click whose press came on its own is still one click.
  QTest::mousePress(&table(), Qt::LeftButton, {}, onTopOf(stock));
  QTest::mouseDClick(&table(), Qt::LeftButton, {}, onTopOf(stock));
  QTest::mouseRelease(&table(), Qt::LeftButton, {}, onTopOf(stock));
  EXPECT_EQ(game().state.piles.pile(stock).cardCount(), inStock - 6 * perClick);
}

TEST_F(WindowPlayTest, RulesFromTheCatalogueOpenInFrontOfIt) {
  start(kKlondike);
  HelpWindow* shown = nullptr;
  QWidget* owner = nullptr;
  whenModal<GameCatalogueDialog>(&guard, [&](GameCatalogueDialog* catalogue) {
    catalogue->rulesClicked();
    shown = dialogs->rulesWindow();
    owner = shown != nullptr ? shown->parentWidget() : nullptr;
    catalogue->reject();
  });
  window->openGameCatalogue();
  ASSERT_NE(shown, nullptr);
  // It belongs to the catalogue, so the catalogue's modality leaves it usable and on top.
  EXPECT_EQ(owner, &dialogs->catalogue());
  EXPECT_TRUE(dialogs->rulesWindow()->isVisible());
}

// Presses the "&?" button of the next modal dialog; keeps the help page that came up and its owner.
struct HelpShown {
  std::filesystem::path page;
  QString text;
  QWidget* owner = nullptr;
  QWidget* dialog = nullptr;
  bool visible = false;
};

TEST_F(WindowPlayTest, EachHelpButtonOpensItsWindowsOwnPageInFrontOfIt) {
  start(kKlondike);
  const auto pressHelp = [this](HelpShown& shown) {
    whenModal<QDialog>(&guard, [this, &shown](QDialog* dialog) {
      shown.dialog = dialog;
      for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("&?")) QTest::mouseClick(button, Qt::LeftButton);
      if (HelpWindow* help = dialogs->rulesWindow()) {
        shown.page = help->page();
        shown.text = help->text();
        shown.owner = help->parentWidget();
        shown.visible = help->isVisible();
        help->close();
      }
      dialog->reject();
    });
  };
  struct Case {
    const char* command;
    const char* page;
    const char* heading;
  };
  for (const Case& c : {Case{"mnuOpenGame", "2001.html", "Open a game"},
                        Case{"mnuSelectGame", "2002.html", "Select a game"},
                        Case{"mnuFavourites", "2003.html", "Favorite games"}}) {
    HelpShown shown;
    pressHelp(shown);
    window->action(QString::fromLatin1(c.command))->trigger();
    ASSERT_NE(shown.dialog, nullptr) << c.command;
    EXPECT_EQ(shown.page.filename(), c.page) << c.command;
    EXPECT_EQ(shown.page.parent_path().filename(), "english");
    EXPECT_TRUE(shown.text.startsWith(QString::fromLatin1(c.heading))) << shown.text.left(80).toStdString();
    EXPECT_FALSE(shown.text.contains(QStringLiteral("not installed")));
    // Owned by the dialog, the page stands in front of it and takes input while it waits.
    EXPECT_EQ(shown.owner, shown.dialog) << c.command;
    EXPECT_TRUE(shown.visible);
  }

  HelpShown won;
  pressHelp(won);
  static_cast<EngineObserver&>(*window).gameWon(summariseTotals("Klondike", 1, 0));
  EXPECT_EQ(won.page.filename(), "2004.html");
  EXPECT_TRUE(won.text.startsWith(QStringLiteral("Game won")));
  EXPECT_EQ(won.owner, won.dialog);

  // In Italian the same windows open the Italian pages.
  window->settings().set(field::Language, "10000");
  HelpShown italian;
  pressHelp(italian);
  window->action(QStringLiteral("mnuSelectGame"))->trigger();
  EXPECT_EQ(italian.page.filename(), "2002.html");
  EXPECT_EQ(italian.page.parent_path().filename(), "italian");
  EXPECT_TRUE(italian.text.startsWith(QStringLiteral("Scegli una partita")));
}

TEST_F(WindowPlayTest, ASavedGameOpensAgainWithItsTableAndHistory) {
  MainWindow& w = start(kFreeCell);
  dealFreeCellOne();
  const std::vector<std::string> deal = tableTokens(game().state);
  const std::vector<solver::SolverMove>& moves = freeCellSolution(game());
  ASSERT_GE(moves.size(), 3u);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(solver::applyMove(game(), moves[static_cast<std::size_t>(i)]));
  const std::vector<std::string> saved = tableTokens(game().state);
  const std::string number = w.settings().get(field::GameNumber);

  TempDir folder;
  files.files = {folder / "first"};
  w.saveGame();
  ASSERT_TRUE(std::filesystem::exists(folder / "first.gam"));
  EXPECT_EQ(files.titles.back(), QStringLiteral("Save game"));
  EXPECT_EQ(files.folders.back(), home.path());
  EXPECT_EQ(preferences().readString("Preference", "Dir_Save", ""), folder.path().string());
  // Saving over it asks first; No chooses again, in the same folder.
  files.files = {folder / "first.gam", folder / "second.gam"};
  files.replace = GameFileChooser::Replace::No;
  w.saveGame();
  ASSERT_EQ(files.questions.size(), 1u);
  EXPECT_TRUE(files.questions[0].startsWith(QStringLiteral("This file already exists.\nReplace existing file?\n")));
  EXPECT_EQ(files.folders.back(), folder.path());
  EXPECT_TRUE(std::filesystem::exists(folder / "second.gam"));

  // Another deal, then the file from the catalogue's open button.
  w.newGame();
  EXPECT_NE(tableTokens(game().state), saved);
  files.files = {folder / "first.gam"};
  whenModal<GameCatalogueDialog>(&guard, [](GameCatalogueDialog* catalogue) { catalogue->openSavedGameClicked(); });
  w.openGameCatalogue();
  EXPECT_FALSE(dialogs->catalogue().isVisible());
  EXPECT_EQ(files.titles.back(), QStringLiteral("Open game"));
  EXPECT_EQ(tableTokens(game().state), saved);
  EXPECT_EQ(w.settings().get(field::GameNumber), number);
  EXPECT_TRUE(game().underWay());
  // The history came along: three steps back is the deal.
  for (int i = 0; i < 3; ++i) w.undo();
  EXPECT_EQ(tableTokens(game().state), deal);

  // A file that is no game file leaves the game on the table alone and says why.
  std::ofstream(folder / "broken.gam") << "not a game\n";
  files.files = {folder / "broken.gam"};
  dialogs->openSavedGame();
  EXPECT_EQ(tableTokens(game().state), deal);
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_TRUE(boxes.shown.back().startsWith(QStringLiteral("Error: ")));
}

TEST_F(WindowPlayTest, RestartPutsTheDealBackAndShowsItDealtAgain) {
  MainWindow& w = start(kFreeCell);
  dealFreeCellOne();
  const std::vector<std::string> deal = tableTokens(game().state);
  const std::vector<solver::SolverMove>& moves = freeCellSolution(game());
  ASSERT_GE(moves.size(), 2u);
  dragMove(moves[0]);
  ASSERT_TRUE(solver::applyMove(game(), moves[1]));
  ASSERT_NE(tableTokens(game().state), deal);

  // The restart plays the deal: the cards fly from the deal source again.
  w.settings().set(field::CardsAnimate, "Y");
  QElapsedTimer clock;
  clock.start();
  w.restartGame();
  EXPECT_GE(clock.elapsed(), 1000);  // the deal source shows for a second first
  EXPECT_EQ(tableTokens(game().state), deal);
  EXPECT_TRUE(game().underWay());
  EXPECT_FALSE(w.play().blocking());
  const QImage picture = table().picture();
  EXPECT_TRUE(showsCardFace(picture, {{PileList::Tableau, 0}, 0}));
  const PileRef lastPile{PileList::Tableau, 7};
  EXPECT_TRUE(showsCardFace(picture, {lastPile, game().state.piles.pile(lastPile).cardCount() - 1}));
  // The restarted game was booked as lost.
  const stats::Totals totals = stats::readTotals(stats::ResultFiles::under(home.path()), w.settings(), kFreeCell,
                                                 w.settings().get(field::UserDefault));
  EXPECT_GE(totals.record.lost, 1);
}

TEST_F(WindowPlayTest, InputDuringAFlightIsHeldOffTheTable) {
  MainWindow& w = start(kFreeCell);
  dealFreeCellOne();
  const std::vector<solver::SolverMove>& moves = freeCellSolution(game());
  ASSERT_FALSE(moves.empty());
  // Slow flights from here on: ten steps of 30 ms each.
  w.settings().set(field::CardsAnimate, "Y");
  w.settings().set(field::SpeedMoveCard, "30");
  for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
    const solver::SolverMove& move = moves[i];
    const std::optional<CardPlace> at = placeOf(game().state, move.card);
    const bool home = move.kind == solver::SolverMove::Kind::Drop && move.target.list == PileList::Foundations &&
                      at && at->slot == game().state.piles.pile(at->pile).cardCount() - 1;
    const solver::SolverMove& next = moves[i + 1];
    if (!home || next.kind != solver::SolverMove::Kind::Drop || next.card == move.card) {
      ASSERT_TRUE(solver::applyMove(game(), move));
      continue;
    }
    // While the card flies home, the player tries the next move with the mouse.
    const CardPlace nextFrom = *placeOf(game().state, next.card);
    bool triedDuringFlight = false;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (!w.play().blocking() || triedDuringFlight) return;
      triedDuringFlight = true;
      drag(middleOf(nextFrom), onTopOf(next.target));
      // Nor may the Undo button take the move back in the middle of its flight.
      QTest::mouseClick(w.visibleToolbar()->button(ToolButton::Undo), Qt::LeftButton);
    });
    poll.start();
    w.play().doubleClick(middleOf(*at).x(), middleOf(*at).y());
    poll.stop();
    ASSERT_TRUE(triedDuringFlight);
    EXPECT_EQ(placeOf(game().state, move.card)->pile.list, PileList::Foundations);
    const std::optional<CardPlace> still = placeOf(game().state, next.card);
    EXPECT_EQ(still->pile, nextFrom.pile);
    EXPECT_EQ(still->slot, nextFrom.slot);
    EXPECT_FALSE(w.play().dragger().dragging());
    // Afterwards the same move goes through.
    dragMove(next);
    EXPECT_EQ(placeOf(game().state, next.card)->pile, next.target);
    return;
  }
  FAIL() << "the solution sends no card home before another drop";
}

TEST_F(WindowPlayTest, TheDemoBarStepsThroughTheRecordedGameAndCloseEmptiesTheTable) {
  // The demos are data of the installation: a fresh home has none of its own.
  ASSERT_TRUE(std::filesystem::exists(installFolder() / "Demos" / "G0000.GAM"));
  ASSERT_FALSE(std::filesystem::exists(home / "Demos"));
  MainWindow& w = start(kKlondike);
  w.action(QStringLiteral("mnuDemo"))->trigger();
  ASSERT_TRUE(w.session().demoMode());
  DemoBar& bar = dialogs->demoBar();
  EXPECT_TRUE(bar.isVisible());
  EXPECT_EQ(bar.y(), w.topArea().demoPanelTop);
  EXPECT_EQ(bar.width(), table().width());
  ASSERT_GT(bar.lastPosition(), 4);
  EXPECT_EQ(bar.positionText(), QStringLiteral("1/%1").arg(bar.lastPosition()));
  const std::vector<std::string> deal = tableTokens(game().state);

  // The table only beeps at a click; the bar moves the game.
  QTest::mouseClick(&table(), Qt::LeftButton, {}, onTopOf({PileList::Tableau, 6}));
  EXPECT_EQ(tableTokens(game().state), deal);
  bar.next();
  EXPECT_EQ(bar.position(), 4);
  EXPECT_NE(tableTokens(game().state), deal);
  bar.first();
  EXPECT_EQ(tableTokens(game().state), deal);
  // Play keeps the pace of the card speed the player chose.
  w.settings().set(field::SpeedMoveCard, "50");
  bar.playButton()->click();
  EXPECT_EQ(bar.playInterval(), demoPlayPause(w.settings()));
  EXPECT_GT(bar.playInterval(), demoPlayPause(SettingsRecord{}));
  bar.stopButton()->click();

  bar.closeRequested();
  EXPECT_FALSE(w.session().demoMode());
  EXPECT_FALSE(bar.isVisible());
  EXPECT_FALSE(game().underWay());
  const QImage empty = table().picture();
  EXPECT_TRUE(showsBackground(empty, 100, 200));
  // The game given up for the demo was nobody's: nothing was booked.
  EXPECT_FALSE(std::filesystem::exists(stats::ResultFiles::under(home.path()).log));
}

TEST_F(WindowPlayTest, TheFavouritesCommandShowsItsDialogAndCommandsWithoutWindowsAreGreyedOut) {
  MainWindow& w = start(kKlondike);
  bool shown = false;
  whenModal<FavouriteGamesDialog>(&guard, [&shown](FavouriteGamesDialog* dialog) {
    shown = true;
    dialog->reject();
  });
  w.action(QStringLiteral("mnuFavourites"))->trigger();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(w.action(QStringLiteral("mnuOptions"))->isEnabled());
}

class WonGameTest : public WindowPlayTest {
 protected:
  // Plays the solution but its last move, which the mouse then makes.
  void winWithTheMouse() {
    dealFreeCellOne();
    const std::vector<solver::SolverMove>& moves = freeCellSolution(game());
    ASSERT_FALSE(moves.empty());
    for (std::size_t i = 0; i + 1 < moves.size(); ++i) ASSERT_TRUE(solver::applyMove(game(), moves[i])) << i;
    ASSERT_FALSE(game().won());
    ASSERT_EQ(moves.back().kind, solver::SolverMove::Kind::Drop);
    number = window->settings().get(field::GameNumber);
    dragMove(moves.back());
  }

  // What the "Game won" dialog showed, once it was there; it is closed with Cancel.
  void closeTheGameWonDialog() {
    whenModal<GameWonDialog>(&guard, [this](GameWonDialog* dialog) {
      dialogShownAfter = clock.elapsed();
      title = dialog->windowTitle();
      group = dialog->groupTitle();
      labels = dialog->labelTexts();
      dialog->reject();
    });
  }

  std::string number;
  QElapsedTimer clock;
  qint64 dialogShownAfter = -1;
  QString title;
  QString group;
  QStringList labels;
};

TEST_F(WonGameTest, TheLastCardDroppedShowsGameWonAndBooksTheWin) {
  MainWindow& w = start(kFreeCell);
  closeTheGameWonDialog();
  clock.start();
  winWithTheMouse();
  ASSERT_GE(dialogShownAfter, 0) << "no Game won dialog";
  EXPECT_EQ(title, QStringLiteral("Game won"));
  EXPECT_TRUE(group.startsWith(QStringLiteral("Total [")));
  ASSERT_GE(labels.size(), 4);
  EXPECT_FALSE(game().underWay());

  const stats::ResultFiles results = stats::ResultFiles::under(home.path());
  const stats::Totals totals =
      stats::readTotals(results, w.settings(), kFreeCell, w.settings().get(field::UserDefault));
  EXPECT_EQ(totals.record.won, 1);
  // The dialog showed the booked totals: one won.
  EXPECT_TRUE(labels.contains(QStringLiteral("1")));
  std::ifstream log(results.log);
  std::string line;
  std::string last;
  while (std::getline(log, line)) last = line;
  EXPECT_NE(last.find(number), std::string::npos);

  // Closed without a new game: the table shows no cards.
  const QImage empty = table().picture();
  EXPECT_TRUE(showsBackground(empty, table().width() / 2, table().height() / 2));
  EXPECT_TRUE(showsBackground(empty, 100, 200));
}

TEST_F(WonGameTest, AClickStopsTheWinningAnimationWithoutReachingTheTable) {
  preferences().writeString("Preference", "Winning_Animation", "Y");
  MainWindow& w = start(kFreeCell);
  qint64 clickedAfter = -1;
  bool animating = false;
  // The click comes while the animation runs.
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!w.play().winAnimationRunning()) return;
    poll.stop();
    animating = true;
    clickedAfter = clock.elapsed();
    QTest::mouseClick(&table(), Qt::LeftButton, {}, QPoint(300, 300));
  });
  poll.start();
  closeTheGameWonDialog();
  clock.start();
  winWithTheMouse();
  ASSERT_TRUE(animating);
  ASSERT_GE(dialogShownAfter, 0);
  // The shortest animation pauses 133 times for 5 ms; stopped, it ends at once.
  EXPECT_LT(dialogShownAfter - clickedAfter, 400);
  EXPECT_FALSE(w.session().animationRunning());
  EXPECT_FALSE(game().underWay());
}

TEST_F(WonGameTest, ClosingDuringTheWinningAnimationClosesAfterItWithoutTheDialog) {
  preferences().writeString("Preference", "Winning_Animation", "Y");
  preferences().writeString("Preference", "ConfirmQuit", "Y");
  MainWindow& w = start(kFreeCell);
  bool closedDuringAnimation = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!w.play().winAnimationRunning()) return;
    poll.stop();
    closedDuringAnimation = !w.close();
  });
  poll.start();
  closeTheGameWonDialog();
  clock.start();
  winWithTheMouse();
  QApplication::processEvents();
  EXPECT_TRUE(closedDuringAnimation);
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(dialogShownAfter, -1);
  // Put off, the close asked nothing.
  EXPECT_EQ(std::count(boxes.asked.begin(), boxes.asked.end(), QStringLiteral("Exit Quilloro 98?")), 0);
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
