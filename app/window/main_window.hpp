// The main window of the game: menus, toolbars, time and score panels, the table and the closing steps.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "app/widgets/message_boxes.hpp"
#include "app/core/program_paths.hpp"
#include "app/core/settings_store.hpp"
#include "app/core/string_table.hpp"
#include "app/core/top_area_layout.hpp"
#include "engine/engine_observer.hpp"
#include "engine/game_clock.hpp"
#include "engine/game_session.hpp"
#include "engine/games_dat.hpp"
#include "table/background_painter.hpp"
#include "table/table_layout.hpp"
#include "table/table_renderer.hpp"
#include "table/table_zoom.hpp"
#include "table/table_marks.hpp"
#include "engine/solver/solver.hpp"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;

namespace quilloro {

namespace solver {
class SolveWorker;
}

// What the play aids' searches may spend: a hint within a second, the
// verdict and the search for a win to finish a little longer.
struct PlayAidBudgets {
  solver::Budget hint{1'000'000, 900, std::size_t{1} << 30};
  solver::Budget verdict{1'000'000, 2500, std::size_t{1} << 30};
  solver::Budget finish{2'000'000, 5000, std::size_t{1} << 30};
};

class HelpWindow;
class InfoPanel;
class KeyboardPlay;
class SoundPlayer;
class TablePlay;
class TableWidget;
class ToolStrip;
enum class ToolButton;

// The commands whose windows other parts of the program supply. Until one is
// set, its menu item and toolbar button stay greyed out.
enum class WindowDialog {
  GameCatalogue, SelectNumber, Save, Players, Statistics, HiScores, Customize, Options, Favourites,
  CardCounter, TipOfTheDay, Demo,
};

// The card counter as the window sees it; every part may be left empty.
struct CardCounterLink {
  std::function<void()> cardMoved;  // a card moved or turned
  std::function<void()> refresh;    // the table changed as a whole: a deal, undo, redo
  std::function<void()> restore;    // the first activation: the saved place and state
  std::function<void()> save;       // the window closes
};

struct MainWindowOptions {
  ProgramPaths paths;
  // Answers the window's questions; the window system's boxes when none is given.
  MessageBoxes* boxes = nullptr;
  // The player of the start-up sound, kept for the whole run; the window
  // makes its own when none is given.
  SoundPlayer* sounds = nullptr;
  // The clock's time; the system's when none is given.
  const TimeSource* time = nullptr;
  long long displayColours = kTrueColourDisplay;
};

// A menu item or menu whose caption comes from the string table.
// Text numbers of the time and score panels' captions.
inline constexpr int kTimeCaption = 4610;
inline constexpr int kScoreCaption = 4611;
// " points" after a number of points, and "Total", on the poker panel.
inline constexpr int kPointsCaption = 4620;
inline constexpr int kTotalCaption = 4621;
inline constexpr int kPokerGridFamily = 9;

struct CaptionedItem {
  QAction* action;
  int textNumber;
};

class MainWindow : public QMainWindow,
                   public EngineObserver,
                   private TableLayoutListener,
                   private TableRendererListener {
  Q_OBJECT

 public:
  // The table's zoom, as the window applies it.
  const TableZoom& tableZoom() const { return zoom_; }
  static constexpr const char* kExitQuestion = "Exit Quilloro 98?";
  static constexpr int kAbandonQuestion = 9001;
  // The texts of the window's own boxes and windows.
  static constexpr int kExitQuestionText = 5201;
  static constexpr int kErrorTitleText = 5202;
  static constexpr int kWebSiteQuestionText = 5203;
  static constexpr int kFirstToolHintText = 5230;
  // The status bar's height in pixels, taken off the table's bottom.
  static constexpr int kStatusBarHeight = 22;

  explicit MainWindow(MainWindowOptions options);
  ~MainWindow() override;

  // --- what the rest of the program works with ---
  GameSession& session() { return *session_; }
  SettingsStore& store() { return store_; }
  SettingsRecord& settings() { return store_.record(); }
  const SettingsRecord& settings() const { return store_.record(); }
  const StringTable& strings() const { return strings_; }
  long long displayColours() const { return displayColours_; }
  const GamesDat& games() const { return games_; }
  TableWidget* table() const { return table_; }
  TableLayout& tableLayout() { return *layout_; }
  TableRenderer& renderer() { return *renderer_; }
  SoundPlayer& sounds() { return *sounds_; }
  // The pointer, the flights and the animations on the table.
  TablePlay& play() { return *play_; }
  MessageBoxes& boxes() { return *boxes_; }
  const ProgramPaths& paths() const { return paths_; }
  HelpWindow* helpWindow() const { return help_; }
  // The language base of the interface texts, 20000 or 10000.
  int languageBase() const;
  QString text(int offset) const;
  // The text of an offset in the current language, the English text when the table lacks it.
  QString windowText(int offset, const char* english) const;
  // A message of the game in the player's language where the texts know it.
  QString playerMessage(std::string_view english) const;

  // Supplies the window of a command, which then becomes available.
  void setDialog(WindowDialog dialog, std::function<void()> show);
  // The "Game won" dialog and the hi-score entry, supplied by other parts.
  void setGameWonDialog(std::function<void(const GameWonSummary&)> show) { gameWonDialog_ = std::move(show); }
  void setNewHiScoreDialog(std::function<void(const NewHiScore&)> show) { newHiScoreDialog_ = std::move(show); }
  void setCardCounterLink(CardCounterLink link) { cardCounter_ = std::move(link); }
  // The game on the table, or none before the first deal.
  const GameState* tableGame() const { return gameOnTable_ ? &session_->game().state : nullptr; }
  // Shows or hides the status bar at the window's bottom edge and lays the table out again.
  void setStatusBarShown(bool shown);

  // --- operations other parts call ---
  bool fnConfirmAbandon(const QString& text = {});
  void fnUpdateCaption();
  void fnLayoutTopArea();
  void fnShowTimePanel(bool show, bool save);
  void fnShowScorePanel(bool show, bool save);
  // Every captioned menu item from the string table in the current language.
  void applyLanguageCaptions();
  const std::vector<CaptionedItem>& captionedItems() const { return captioned_; }
  // Top area, buffers, status bar; then, once started, the layout and the table again.
  void runResizeSteps();
  // Background and every card into the buffers and onto the table.
  void redrawTable();
  // What the first activation does: caption, the first game.
  void runFirstActivation();
  bool startupPending() const { return startupPending_; }
  // A new deal of the game kind in the settings, the abandon check aside.
  void dealNewGame();
  // A game that another part dealt (the catalogue, the select-number and
  // "Game won" dialogs): the table's look is chosen and the deal is shown.
  void showDealtGame();
  // A game file that another part opened: its table, shown at once.
  void showOpenedGame();
  // The background without cards, as after a dialog closed without a game.
  void showEmptyTable();
  // The demo bar, placed under the toolbar while a demo plays.
  void setDemoBar(QWidget* bar) { demoBar_ = bar; }

  // The winning animation and the demo set this while they run; a close
  // request meanwhile is put off until they call closeAfterAnimation.
  void setAnimationRunning(bool running);
  bool quitRequested() const { return quitRequested_; }
  void closeAfterAnimation();

  // --- the parts of the window the tests look at ---
  QMenuBar* menus() const;
  QAction* action(const QString& objectName) const;
  ToolStrip* largeToolbar() const { return largeBar_; }
  ToolStrip* smallToolbar() const { return smallBar_; }
  ToolStrip* visibleToolbar() const;
  InfoPanel* timePanel() const { return timePanel_; }
  InfoPanel* scorePanel() const { return scorePanel_; }
  QFrame* statusBox() const { return statusBar_; }
  // The status bar's texts: the stock's cards, the redeals left, the message
  // (hints, finishing) and the verdict of "can this deal still be won?".
  QLabel* stockCountLabel() const { return stockCount_; }
  QLabel* redealsLabel() const { return redeals_; }
  QLabel* statusMessageLabel() const { return statusMessage_; }
  QLabel* verdictLabel() const { return verdict_; }
  bool paused() const { return paused_; }
  bool finishing() const { return finishing_; }
  KeyboardPlay& keyboard() { return *keyboard_; }
  // The hint's frames on the table, and its move while it is shown.
  const std::vector<TableMark>& hintMarks() const { return hintMarks_; }
  const std::optional<solver::SolverMove>& shownHint() const { return shownHint_; }
  // Tests on a busy machine give the searches more time.
  void setPlayAidBudgets(const PlayAidBudgets& budgets) { budgets_ = budgets; }
  // Whether a search for a hint, a verdict or a win runs.
  bool searching() const;
  // The two play aids of the options, read again from the preferences.
  void readPlayAidOptions();
  const TopAreaPlacement& topArea() const { return topArea_; }
  // The one-second tick: the elapsed time of a running clock.
  void tick();

 public Q_SLOTS:
  void newGame();
  void openGameCatalogue();
  void restartGame();
  void selectGameNumber();
  void saveGame();
  void showPlayers();
  void undo();
  void redo();
  void pauseGame();
  void showHint();
  void finishForMe();
  void toggleAutoplay();
  void startDemo();
  void showStatistics();
  void showHiScores();
  void showCustomize();
  void showOptions();
  void showFavourites();
  void toggleCardCounter();
  void showRules();
  void showHelpContents();
  void showTipOfTheDay();
  void openWebSite();
  void showAbout();
  // The View menu: the table's zoom and full screen.
  void zoomIn();
  void zoomOut();
  void fitToWindow();
  void toggleFullScreen();
  void leaveFullScreen();
  void setLargeToolbar(bool large, bool save);
  void setFlatToolbar(bool flat, bool save);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 public:
  // --- EngineObserver ---
  void cardFlight(const CardFlight& flight) override;
  void redraw(Redraw what, PileRef pile) override;
  void playSound(std::string_view fileName, bool switchOn) override;
  void cardCounterMoved(CardNumber card, PileKind from, PileKind to) override;
  void cardCounterRefresh() override;
  void scoreChanged(int score) override;
  void beep() override;
  void message(std::string_view text) override;
  void pause(int milliseconds) override;
  void toggleSelectionMark(CardNumber card) override;
  void pokerHand(const PokerAnnouncement& hand, bool shown) override;
  void pokerTotal(int total) override;
  QString pointsText(int points) const;
  bool confirmAbandon(std::string_view message) override;
  bool confirm(std::string_view question) override;
  void winAnimation(int kind) override;
  void newHiScore(const NewHiScore& entry) override;
  void gameWon(const GameWonSummary& summary) override;
  void fileError(std::string_view text) override;

 private:
  // TableLayoutListener
  void cardSizeChanged(const CardSize& size) override;
  void customizeAvailable(bool available) override;
  void notice(const std::string& text) override;
  // TableRendererListener
  void imageProblem(const std::string& title, const std::string& text) override;

  void buildMenus();
  void buildTopArea();
  void buildStatusBar();
  void applyStartupSettings();
  void writeVersionMarker();
  void showToolbarPopup(const QPoint& at);
  void runToolButton(ToolButton which);
  void runDialog(WindowDialog dialog);
  void showCardFlight(const CardFlight& flight);
  void chooseRandomLook();
  // A number from 0 to bound - 1 of the window's own generator.
  int randomBelow(int bound);
  // The panels, the caption and the table after a deal, a restart or an
  // opened file; dealt shows the cards flying to their places.
  void afterNewTable(bool dealt);
  // The cards fly from the deal source when animation is on; otherwise the table is drawn.
  void showDeal();
  void syncAutoplay();
  // Whether another part supplied the window of the command.
  bool hasDialog(WindowDialog dialog) const;
  // Greys out the commands whose windows are not supplied, and Customize while the game forbids it.
  void syncDialogCommands();
  // The same for one command.
  void syncDialogCommand(WindowDialog dialog);
  void refreshTable();
  // --- the play aids ---
  void buildPlayAids();
  // Something on the table moved: a hint or verdict of the old position goes.
  void positionChanged();
  void updateStatusCounts();
  void setStatusMessage(const QString& message);
  void pollSearches();
  void startVerdictSearch();
  void hintSearchEnded(const solver::SolveResult& result);
  void playWinningMoves(const std::vector<solver::SolverMove>& moves);
  // The moves the program makes after the player's: cards turned by themselves.
  void afterPlayerMove();
  void updateMarks();
  std::vector<TableMark> hintFrames() const;
  // The table covered while paused: the background and the notice, no cards.
  void drawPauseCover();
  void resumePlay();
  WindowMetrics windowMetrics() const;
  WindowMetrics windowMetricsAt(double scale) const;
  WindowMetrics windowPixelMetrics() const;
  // With fit to window on, the largest zoom step at which the game fits; answers whether it changed.
  bool fitZoom();
  // The zoom into the renderer and the table's surface.
  void applyZoom();
  void buildViewMenu(QMenu* before);
  void readZoomPreferences();
  void writeZoomPreferences();
  bool gameOnTable() const { return gameOnTable_; }

  ProgramPaths paths_;
  std::unique_ptr<MessageBoxes> ownBoxes_;
  MessageBoxes* boxes_;
  std::unique_ptr<SystemTimeSource> ownTime_;
  const TimeSource* time_;
  long long displayColours_;
  SettingsStore store_;
  StringTable strings_;
  GamesDat games_;
  std::unique_ptr<TableLayout> layout_;
  std::unique_ptr<TableRenderer> renderer_;
  std::unique_ptr<GameSession> session_;
  SoundPlayer* sounds_ = nullptr;
  std::unique_ptr<TablePlay> play_;

  TableWidget* table_ = nullptr;
  TableZoom zoom_;
  ToolStrip* largeBar_ = nullptr;
  ToolStrip* smallBar_ = nullptr;
  InfoPanel* timePanel_ = nullptr;
  InfoPanel* scorePanel_ = nullptr;
  QFrame* greyLine_ = nullptr;
  QFrame* blackLine_ = nullptr;
  QFrame* statusBar_ = nullptr;
  QWidget* demoBar_ = nullptr;
  QMenu* toolbarPopup_ = nullptr;
  QAction* largeIcons_ = nullptr;
  QAction* smallIcons_ = nullptr;
  QAction* flatButtons_ = nullptr;
  QAction* raisedButtons_ = nullptr;
  QAction* showTime_ = nullptr;
  QAction* showScore_ = nullptr;
  QTimer* timer_ = nullptr;
  HelpWindow* help_ = nullptr;
  std::vector<CaptionedItem> captioned_;
  // What the poker panel shows.
  PokerPanelLines pokerPanel_;
  std::map<WindowDialog, std::function<void()>> dialogs_;
  std::function<void(const GameWonSummary&)> gameWonDialog_;
  std::function<void(const NewHiScore&)> newHiScoreDialog_;
  CardCounterLink cardCounter_;
  TopAreaPlacement topArea_;
  std::mt19937 random_;

  bool startupPending_ = true;
  bool animationRunning_ = false;
  bool quitRequested_ = false;
  bool closeWithoutQuestion_ = false;
  bool closed_ = false;
  bool gameOnTable_ = false;
  // Whether the game on the table lets the player change the look.
  bool customizeAllowed_ = true;
  // The engine's next table redraw shows a deal or a restart.
  bool dealToShow_ = false;
  bool statusBarVisible_ = false;

  // The play aids.
  std::unique_ptr<KeyboardPlay> keyboard_;
  std::unique_ptr<solver::SolveWorker> hintSearch_;
  std::unique_ptr<solver::SolveWorker> verdictSearch_;
  QTimer* searchPoll_ = nullptr;
  QLabel* stockCount_ = nullptr;
  QLabel* redeals_ = nullptr;
  QLabel* statusMessage_ = nullptr;
  QLabel* verdict_ = nullptr;
  PlayAidBudgets budgets_;
  std::vector<TableMark> hintMarks_;
  std::optional<solver::SolverMove> shownHint_;
  // A win the searches found from the position on the table now.
  std::vector<solver::SolverMove> knownWin_;
  bool hintForFinish_ = false;
  bool verdictPending_ = false;
  bool showVerdict_ = false;
  bool autoTurn_ = false;
  bool paused_ = false;
  bool finishing_ = false;
  bool stopFinishing_ = false;
};

}  // namespace quilloro
