// The main window of the game: its creation, the resize steps, the caption, the clock and closing.
#include "app/window/main_window.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <fstream>

#include "app/widgets/help_window.hpp"
#include "app/window/info_panel.hpp"
#include "app/window/keyboard_play.hpp"
#include "engine/solver/solve_worker.hpp"
#include "app/core/shared_routines.hpp"
#include "app/widgets/sound_player.hpp"
#include "app/window/table_play.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/tool_strip.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/result_files.hpp"

namespace quilloro {
namespace {

constexpr const char* kVersionMarker = "QLRV0310.DAT";
constexpr const char* kOldVersionMarkers[] = {"QLRV0150.DAT", "QLRV0200.DAT", "QLRV0300.DAT"};

}  // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : paths_(std::move(options.paths)),
      ownBoxes_(options.boxes ? nullptr : std::make_unique<QtMessageBoxes>(this)),
      boxes_(options.boxes ? options.boxes : ownBoxes_.get()),
      ownTime_(options.time ? nullptr : std::make_unique<SystemTimeSource>()),
      time_(options.time ? options.time : ownTime_.get()),
      displayColours_(options.displayColours),
      store_(paths_.home),
      strings_(StringTable::load(paths_.install / "Strings")),
      games_(GamesDat::load(paths_.gamesDat)) {
  store_.fnCfgInit();
  QApplication::setApplicationName(kProgramName);
  std::error_code ignored;
  std::filesystem::create_directories(paths_.home / "DATA", ignored);

  layout_ = std::make_unique<TableLayout>(settings(), static_cast<TableLayoutListener*>(this));
  renderer_ = std::make_unique<TableRenderer>(settings(), paths_.pictures, static_cast<TableRendererListener*>(this),
                                              displayColours_);
  session_ = std::make_unique<GameSession>(&games_, settings(), *this, *layout_, *time_, paths_.home);
  // The demos ship with the program; a data folder of the player's own may bring its own.
  if (!std::filesystem::is_directory(paths_.home / "Demos", ignored))
    session_->setDemoFolder(paths_.install / "Demos");
  layout_->attach(session_->game().state);
  sounds_ = options.sounds ? options.sounds : new SoundPlayer(settings(), paths_.install, this);

  table_ = new TableWidget(this);
  setCentralWidget(table_);
  table_->loadPointerShapes(paths_.pictures);
  table_->setZoom(&zoom_);
  readZoomPreferences();
  play_ = std::make_unique<TablePlay>(*session_, *layout_, *renderer_, *table_, *sounds_, settings(), paths_.pictures);
  buildTopArea();
  buildStatusBar();
  buildMenus();
  syncDialogCommands();
  buildPlayAids();
  connect(table_, &TableWidget::resized, this, &MainWindow::runResizeSteps);

  applyStartupSettings();
  applyLanguageCaptions();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
  runResizeSteps();
  const auto seed = static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  session_->seedRandom(seed);
  random_.seed(seed);
  writeVersionMarker();

  timer_ = new QTimer(this);
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &MainWindow::tick);
  timer_->start();
  fnUpdateCaption();
}

MainWindow::~MainWindow() = default;

void MainWindow::applyStartupSettings() {
  const StartupAppearance appearance = store_.loadAtStartup(displayColours_);
  setLargeToolbar(appearance.toolbarLarge, false);
  setFlatToolbar(appearance.toolbarFlat, false);
  table_->setPointerShape(appearance.cursor);
  fnShowTimePanel(appearance.showTimePanel, false);
  fnShowScorePanel(appearance.showScorePanel, false);
  session_->game().setAutoplay(appearance.autoplayOn);
  syncAutoplay();
  statusBarVisible_ = appearance.statusBarVisible;
  statusBar_->setVisible(statusBarVisible_);
  for (const std::string& error : appearance.fileErrors)
    QTimer::singleShot(0, this, [this, error] { fileError(error); });
}

void MainWindow::writeVersionMarker() {
  const std::filesystem::path marker = paths_.home / kVersionMarker;
  std::error_code error;
  if (!std::filesystem::exists(marker, error)) {
    std::ofstream out(marker);
    out << "Quilloro version: 03.10\n";
  }
  for (const char* old : kOldVersionMarkers) fnDeleteFile(paths_.home / old);
}

int MainWindow::languageBase() const {
  return settings().getInteger(field::Language).value_or(kEnglishBase) == kItalianBase ? kItalianBase
                                                                                        : kEnglishBase;
}

QString MainWindow::text(int offset) const { return QString::fromStdString(strings_.text(languageBase(), offset)); }

QString MainWindow::windowText(int offset, const char* english) const {
  const QString found = text(offset);
  return found.isEmpty() ? QString::fromUtf8(english) : found;
}

QMenuBar* MainWindow::menus() const { return menuBar(); }

// --- caption, clock, abandon check ---

void MainWindow::fnUpdateCaption() {
  QString caption = kProgramName + QStringLiteral(" [");
  const auto index = settings().getInteger(field::Game);
  if (index && *index >= 0 && *index < games_.gameCount())
    caption += QString::fromStdString(games_.catalogue()[static_cast<std::size_t>(*index)].shortName());
  caption += QStringLiteral("]  [") + QString::fromStdString(settings().get(field::UserDefault)) + ']';
  const std::string number = settings().get(field::GameNumber);
  if (!number.empty()) caption += QStringLiteral("  [") + QString::fromStdString(number) + ']';
  if (windowTitle() != caption) setWindowTitle(caption);
}

void MainWindow::tick() {
  if (session_->clock().running()) timePanel_->setValue(QString::fromStdString(session_->timeDisplay()));
}

bool MainWindow::fnConfirmAbandon(const QString& text) {
  const bool answer = session_->confirmAbandon(text.toStdString());
  table_->update();
  return answer;
}

// --- resize steps and drawing ---

WindowMetrics MainWindow::windowMetrics() const { return windowMetricsAt(zoom_.scale()); }

// The window in table pixels at a scale: the zoomed table sees a smaller window.
WindowMetrics MainWindow::windowMetricsAt(double scale) const {
  return zoomedWindowMetrics(windowPixelMetrics(), zoom_.devicePixelRatio(), scale);
}

// The window's measures in window pixels, as the window system gives them.
WindowMetrics MainWindow::windowPixelMetrics() const {
  WindowMetrics metrics;
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->size() : QSize(table_->width(), table_->height());
  metrics.screenWidth = screenSize.width();
  metrics.screenHeight = screenSize.height();
  metrics.windowWidth = table_->width();
  metrics.windowHeight = table_->height();
  metrics.barsBottom = topArea_.bottom;
  metrics.statusBarHeight = kStatusBarHeight;
  metrics.statusBarTop = metrics.windowHeight - kStatusBarHeight;
  metrics.statusBarVisible = statusBarVisible_;
  return metrics;
}

bool MainWindow::fitZoom() {
  zoom_.setDevicePixelRatio(table_->devicePixelRatioF());
  if (!zoom_.fitToWindow() || !gameOnTable_) return false;
  return fitZoomToWindow(zoom_, *layout_, session_->game().state, windowPixelMetrics());
}

void MainWindow::runResizeSteps() {
  if (table_ == nullptr || session_ == nullptr) return;
  fnLayoutTopArea();
  fitZoom();
  applyZoom();
  const WindowMetrics metrics = windowMetrics();
  renderer_->resizeBuffers(std::max(metrics.screenWidth, metrics.windowWidth),
                           std::max(metrics.screenHeight, metrics.windowHeight));
  statusBar_->setGeometry(0, table_->height() - kStatusBarHeight, table_->width(), kStatusBarHeight);
  statusBar_->raise();
  table_->fitSurface();
  layout_->setWindow(metrics);
  if (!startupPending_ && gameOnTable_) {
    layout_->placePiles();
    redrawTable();
  } else {
    // Before the first game the table is the bare background.
    renderer_->paintBackground(metrics.windowWidth, metrics.windowHeight, false);
    PixelSurface& window = table_->surface();
    window.copyFrom(renderer_->backgroundBuffer(), {0, 0, window.width(), window.height()}, 0, 0);
  }
  table_->update();
}

void MainWindow::setStatusBarShown(bool shown) {
  statusBarVisible_ = shown;
  statusBar_->setVisible(shown);
  runResizeSteps();
}

void MainWindow::redrawTable() {
  if (!gameOnTable_) return;
  table_->fitSurface();
  const Game& game = session_->game();
  TableScene scene{game.state, *layout_, game.redealCount()};
  scene.demo = session_->demoMode();
  if (game.selectionGame()) scene.selection = game.selection();
  // A new deal of the poker grid shows the total it starts from.
  if (game.state.parameters[param::kGameFamily] == kPokerGridFamily && pokerPanel_.total.empty())
    pokerPanel_.total = (text(kTotalCaption) + QStringLiteral(": ") +
                         pointsText(static_cast<int>(settings().getInteger(field::Score).value_or(0))))
                            .toStdString();
  scene.pokerPanel = pokerPanel_;
  scene.rankHints = game.rankHints();
  renderer_->redrawTable(scene, &table_->surface());
  if (!scene.selection.empty()) renderer_->showSelection(scene, &table_->surface(), true);
  // Nothing of the table shows through the pause.
  if (paused_) drawPauseCover();
  updateMarks();
  table_->update();
}

void MainWindow::refreshTable() { table_->update(); }

// --- start-up and the first game ---

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && startupPending_)
    QTimer::singleShot(0, this, &MainWindow::runFirstActivation);
}

void MainWindow::runFirstActivation() {
  if (!startupPending_) return;
  startupPending_ = false;
  fnUpdateCaption();
  const std::filesystem::path hiScores = stats::ResultFiles::under(paths_.home).hiScores;
  std::error_code missing;
  const bool hiScoresExist = std::filesystem::exists(hiScores, missing);
  if (hiScoresExist) {
    if (const FileError error = stats::HiScoreFile(hiScores).upgrade()) fileError(*error);
  }
  if (const FileError error = store_.repairLegacyValues(hiScoresExist)) fileError(*error);
  if (store_.preferences().readString(prefkey::Section, prefkey::TipsStartUp, "N") != "N") showTipOfTheDay();
  // The catalogue chooses the first game; without it the game kind of the
  // settings is dealt, so that the table can be played.
  if (hasDialog(WindowDialog::GameCatalogue)) {
    runDialog(WindowDialog::GameCatalogue);
  } else {
    const auto index = settings().getInteger(field::Game).value_or(0);
    if (index < 0 || index >= games_.gameCount()) settings().setInteger(field::Game, 0);
    const auto chosen = static_cast<std::size_t>(settings().getInteger(field::Game).value_or(0));
    if (chosen < games_.catalogue().size()) layout_->markGameJustChosen(games_.catalogue()[chosen].name());
    dealNewGame();
  }
  if (cardCounter_.restore) cardCounter_.restore();
}

int MainWindow::randomBelow(int bound) {
  return bound <= 1 ? 0 : std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

void MainWindow::chooseRandomLook() {
  const Game& game = session_->game();
  renderer_->randomChoices([this](int bound) { return randomBelow(bound); },
                           TableScene{game.state, *layout_, game.redealCount()});
}

void MainWindow::dealNewGame() {
  if (games_.gameCount() == 0) return;
  // The random background, card set and back are chosen before the deal is drawn.
  chooseRandomLook();
  gameOnTable_ = true;
  pokerPanel_ = {};
  // The deal shows at the engine's first redraw, before any autoplay moves.
  dealToShow_ = true;
  const auto error = session_->newGame({.deal = true, .newNumber = true});
  dealToShow_ = false;
  if (error) {
    message(*error);
  } else if (const FileError saved = store_.fnRememberGameNumber(settings().get(field::GameNumber))) {
    fileError(*saved);
  }
  afterNewTable(false);
}

void MainWindow::showDealtGame() {
  chooseRandomLook();
  gameOnTable_ = true;
  afterNewTable(session_->game().underWay());
}

void MainWindow::showOpenedGame() {
  gameOnTable_ = true;
  afterNewTable(false);
}

void MainWindow::showEmptyTable() {
  gameOnTable_ = false;
  runResizeSteps();
}

void MainWindow::afterNewTable(bool dealt) {
  // Another game may fit the window at another zoom.
  if (fitZoom()) {
    applyZoom();
    layout_->setWindow(windowMetrics());
    layout_->placePiles();
  } else if (zoom_.fitToWindow()) {
    layout_->setWindow(windowMetrics());
    layout_->placePiles();
  }
  keyboard_->reset();
  positionChanged();
  timePanel_->setValue(QString::fromStdString(session_->timeDisplay()));
  syncAutoplay();
  fnUpdateCaption();
  if (dealt) showDeal();
  else redrawTable();
}

void MainWindow::showDeal() {
  if (gameOnTable_ && isVisible() && settings().get(field::CardsAnimate) != "N") {
    table_->fitSurface();
    play_->playDeal();
  } else {
    redrawTable();
  }
}

// --- closing ---

void MainWindow::setAnimationRunning(bool running) {
  animationRunning_ = running;
  session_->setAnimationRunning(running);
}

void MainWindow::closeAfterAnimation() {
  if (!quitRequested_) return;
  closeWithoutQuestion_ = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  if (animationRunning_) {
    // The animation stops at once; it closes the window itself when it has ended.
    setAnimationRunning(false);
    quitRequested_ = true;
    event->ignore();
    return;
  }
  const bool ask = !closeWithoutQuestion_ &&
                   store_.preferences().readString(prefkey::Section, prefkey::ConfirmQuit, "") != "N";
  closeWithoutQuestion_ = false;
  if (ask && !boxes_->confirm(windowText(kExitQuestionText, kExitQuestion))) {
    quitRequested_ = false;
    event->ignore();
    return;
  }
  closed_ = true;
  stopFinishing_ = true;
  hintSearch_->cancel();
  verdictSearch_->cancel();
  if (cardCounter_.save) cardCounter_.save();
  timer_->stop();
  sounds_->stop();
  // A game under way counts as lost.
  session_->endGame();
  hide();
  if (const FileError error = store_.preferences().writeString(prefkey::Section, prefkey::AutoPlay,
                                                               session_->game().autoplayOn() ? "Y" : "N"))
    boxes_->error(windowText(kErrorTitleText, "Error"), QString::fromStdString(*error));
  if (help_) help_->close();
  disconnect(table_, &TableWidget::resized, this, &MainWindow::runResizeSteps);
  event->accept();
}

}  // namespace quilloro
