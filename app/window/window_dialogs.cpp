// The game window's dialogs: made once, set into the window's commands, and
// the table following every game they start, open or give up.
#include "app/window/window_dialogs.hpp"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/selection/demo_bar.hpp"
#include "app/selection/favourite_games_dialog.hpp"
#include "app/selection/game_catalogue_dialog.hpp"
#include "app/selection/game_won_dialog.hpp"
#include "app/widgets/help_window.hpp"
#include "app/window/main_window.hpp"
#include "app/selection/select_number_dialog.hpp"
#include "app/window/table_widget.hpp"
#include "stats/windows/statistics_windows.hpp"

namespace quilloro {
namespace {

constexpr int kSaveGameTitle = 1601;
constexpr int kOpenGameTitle = 1602;
constexpr int kReplaceQuestion = 31;
constexpr int kGameFileKind = 5216;
constexpr const char* kGameFileExtension = ".gam";

QString fromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

}  // namespace

// --- the window system's file dialogs ---

std::filesystem::path QtGameFileChooser::saveFile(QWidget* parent, const QString& title,
                                                  const std::filesystem::path& folder) {
  // The question about an existing file is the program's own.
  return toPath(QFileDialog::getSaveFileName(parent, title, fromPath(folder), fileKind + QStringLiteral(" (*.gam)"),
                                             nullptr, QFileDialog::DontConfirmOverwrite));
}

std::filesystem::path QtGameFileChooser::openFile(QWidget* parent, const QString& title,
                                                  const std::filesystem::path& folder) {
  return toPath(
      QFileDialog::getOpenFileName(parent, title, fromPath(folder), fileKind + QStringLiteral(" (*.GAM *.gam)")));
}

GameFileChooser::Replace QtGameFileChooser::replaceExisting(QWidget* parent, const QString& text) {
  switch (QMessageBox::warning(parent, kProgramName, text,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Replace::Yes;
    case QMessageBox::No: return Replace::No;
    default: return Replace::Cancel;
  }
}

// --- the dialogs ---

WindowDialogs::WindowDialogs(MainWindow& window, GameFileChooser* files)
    : QObject(&window), window_(window), files_(files != nullptr ? files : &ownFiles_) {
  catalogue_ = new GameCatalogueDialog(context(), &window_);
  catalogue_->setOpenSavedGame([this] { openSavedGame(); });
  connect(catalogue_, &GameCatalogueDialog::gameChosen, this,
          [this](int gameIndex, const QString&, bool started, bool justChosen) {
            if (!started) return;
            if (justChosen && gameIndex >= 0 && gameIndex < window_.games().gameCount())
              window_.tableLayout().markGameJustChosen(
                  window_.games().catalogue()[static_cast<std::size_t>(gameIndex)].name());
            gameDealt();
          });
  connect(catalogue_, &GameCatalogueDialog::catalogueClosed, this, [this] { window_.redrawTable(); });

  gameWon_ = new GameWonDialog(context(), &window_);
  gameWon_->setOpenCatalogue([this] { return showCatalogue(); });
  gameWon_->setSelectNumber([this] { return selectNumber(); });
  connect(gameWon_, &GameWonDialog::gameStarted, this, [this] {
    if (!dealShown_) gameDealt();
  });
  connect(gameWon_, &GameWonDialog::closedWithoutGame, this, [this] { window_.showEmptyTable(); });
  window_.setGameWonDialog([this](const GameWonSummary& summary) {
    dealShown_ = false;
    gameWon_->showModal(summary);
  });

  demoBar_ = new DemoBar(&window_.session(), window_.table());
  demoBar_->setTexts([this](int offset, const char* english) { return windowText(offset, english); });
  demoBar_->hide();
  demoBar_->followCardSpeed(&window_.settings());
  connect(demoBar_, &DemoBar::closeRequested, this, [this] { stopDemo(); });
  window_.setDemoBar(demoBar_);

  window_.setDialog(WindowDialog::GameCatalogue, [this] { showCatalogue(); });
  window_.setDialog(WindowDialog::SelectNumber, [this] { selectNumber(); });
  window_.setDialog(WindowDialog::Favourites, [this] { showFavourites(); });
  window_.setDialog(WindowDialog::Save, [this] { saveGame(); });
  window_.setDialog(WindowDialog::Demo, [this] { toggleDemo(); });
  makeStatisticsWindows();
}

void WindowDialogs::makeStatisticsWindows() {
  StatisticsContext c;
  c.games = &window_.games();
  c.store = &window_.store();
  c.session = &window_.session();
  c.strings = &window_.strings();
  c.boxes = &window_.boxes();
  c.sounds = &window_.sounds();
  c.pictureDirectory = window_.paths().pictures;
  c.confirmAbandon = [this](const QString& text) { return window_.fnConfirmAbandon(text); };
  c.playerChanged = [this] {
    window_.showEmptyTable();
    showCatalogue();
  };
  c.updateCaption = [this] { window_.fnUpdateCaption(); };
  c.openHelp = [this](const QString& topic) { showHelpPage(dialogHelpContext(topic)); };
  statistics_ = std::make_unique<StatisticsWindows>(std::move(c), &window_);
  statistics_->setAfterWindow([this] { window_.redrawTable(); });
  window_.setDialog(WindowDialog::Players, [this] { statistics_->showPlayers(); });
  window_.setDialog(WindowDialog::Statistics, [this] { statistics_->showStatistics(); });
  window_.setDialog(WindowDialog::HiScores, [this] { statistics_->showHiScores(); });
  window_.setNewHiScoreDialog([this](const NewHiScore& entry) { statistics_->showNewHiScore(entry); });
}

WindowDialogs::~WindowDialogs() = default;

GameSelectionContext WindowDialogs::context() {
  GameSelectionContext c;
  c.games = &window_.games();
  c.settings = &window_.settings();
  c.session = &window_.session();
  c.strings = &window_.strings();
  c.programDirectory = window_.paths().home;
  c.installationDirectory = window_.paths().pictures;
  c.openRules = [this](int contextNumber) {
    showHelpPage(contextNumber > 0 ? std::optional<int>(contextNumber) : std::nullopt);
  };
  // A window without a page of its own shows the contents.
  c.openDialogHelp = [this](const QString& topic) { showHelpPage(dialogHelpContext(topic)); };
  c.showStatistics = [this](int gameIndex, const QString& player) {
    if (statistics_) statistics_->showStatistics(gameIndex, player);
  };
  c.showInfo = [this](QWidget*, const QString& text) {
    window_.boxes().information(window_.playerMessage(text.toStdString()));
  };
  c.refreshMainWindow = [this] { window_.table()->repaint(); };
  c.updateCaption = [this] { window_.fnUpdateCaption(); };
  return c;
}

void WindowDialogs::showHelpPage(std::optional<int> context) {
  // Opened from a dialog, the page belongs to that dialog: it stands in
  // front of it and takes input while the dialog waits.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = &window_;
  if (rules_ == nullptr) rules_ = new HelpWindow(window_.paths().install, owner, &window_.strings());
  else if (rules_->parentWidget() != owner) rules_->setParent(owner, rules_->windowFlags());
  rules_->showTopic(window_.languageBase(), context);
}

void WindowDialogs::gameDealt() {
  dealShown_ = true;
  window_.showDealtGame();
}

bool WindowDialogs::showCatalogue() {
  dealShown_ = false;
  catalogue_->showCatalogue();
  return dealShown_;
}

bool WindowDialogs::selectNumber() {
  dealShown_ = false;
  SelectNumberDialog dialog(context(), &window_);
  connect(&dialog, &SelectNumberDialog::numberDealt, this, [this] { gameDealt(); });
  dialog.exec();
  return dialog.dealt();
}

void WindowDialogs::showFavourites() { catalogue_->customizeFavourites(); }

// --- game files ---

QString WindowDialogs::windowText(int offset, const char* fallback) const { return window_.windowText(offset, fallback); }

std::filesystem::path WindowDialogs::saveFolder() const {
  const std::string folder =
      window_.store().preferences().readString(prefkey::Section, prefkey::DirSave, window_.paths().documents.string());
  return folder.empty() ? window_.paths().documents : std::filesystem::path(folder);
}

void WindowDialogs::rememberFolder(const std::filesystem::path& file) {
  if (const FileError error =
          window_.store().preferences().writeString(prefkey::Section, prefkey::DirSave, file.parent_path().string()))
    window_.fileError(*error);
}

void WindowDialogs::saveGame() {
  GameSession& session = window_.session();
  // Nothing is on the table before the first deal or after a finished game.
  if (!session.game().underWay()) {
    window_.beep();
    return;
  }
  ownFiles_.fileKind = windowText(kGameFileKind, "Game");
  std::filesystem::path folder = saveFolder();
  std::filesystem::path file;
  for (;;) {
    file = files_->saveFile(&window_, windowText(kSaveGameTitle, "Save game"), folder);
    if (file.empty()) return;
    if (!file.has_extension()) file += kGameFileExtension;
    std::error_code missing;
    if (!std::filesystem::exists(file, missing)) break;
    const QString question = windowText(kReplaceQuestion, "This file already exists.\nReplace existing file?") +
                             '\n' + fromPath(file);
    const GameFileChooser::Replace answer = files_->replaceExisting(&window_, question);
    if (answer == GameFileChooser::Replace::Cancel) return;
    if (answer == GameFileChooser::Replace::Yes) break;
    folder = file.parent_path();
  }
  if (const FileError error = session.save(file)) {
    window_.fileError(*error);
    return;
  }
  rememberFolder(file);
}

void WindowDialogs::openSavedGame() {
  GameSession& session = window_.session();
  if (session.animationRunning()) return;
  ownFiles_.fileKind = windowText(kGameFileKind, "Game");
  const std::filesystem::path file = files_->openFile(&window_, windowText(kOpenGameTitle, "Open game"), saveFolder());
  if (file.empty()) return;
  const OpenOutcome outcome = session.open(file);
  if (outcome.status == OpenOutcome::Status::Failed) {
    window_.fileError(outcome.error);
    return;
  }
  if (!outcome.opened()) return;
  rememberFolder(file);
  window_.showOpenedGame();
}

// --- the demo ---

void WindowDialogs::toggleDemo() {
  GameSession& session = window_.session();
  if (session.demoMode()) {
    stopDemo();
    return;
  }
  const GameSession::DemoStart start = session.startDemo();
  if (start.lastPosition == 0) {
    if (!start.error.empty()) window_.message(start.error);
    if (QAction* item = window_.action(QStringLiteral("mnuDemo"))) item->setChecked(false);
    return;
  }
  if (QAction* item = window_.action(QStringLiteral("mnuDemo"))) item->setChecked(true);
  demoBar_->setTexts([this](int offset, const char* english) { return windowText(offset, english); });
  demoBar_->begin(start.lastPosition);
  // The top area makes room for the bar; the table then shows the deal.
  window_.showOpenedGame();
  window_.runResizeSteps();
}

void WindowDialogs::stopDemo() {
  window_.session().stopDemo();
  if (QAction* item = window_.action(QStringLiteral("mnuDemo"))) item->setChecked(false);
  window_.showEmptyTable();
}

}  // namespace quilloro
