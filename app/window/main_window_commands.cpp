// The menu and toolbar commands of the main window.
#include <optional>

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include "app/window/about_box.hpp"
#include "app/widgets/help_window.hpp"
#include "app/widgets/link_opener.hpp"
#include "app/window/main_window.hpp"
#include "app/widgets/sound_player.hpp"
#include "app/window/table_widget.hpp"
#include "app/window/tool_strip.hpp"

namespace quilloro {
namespace {

// The menu item, and the toolbar button where there is one, of each command
// whose window another part of the program supplies.
struct DialogCommand {
  WindowDialog dialog;
  const char* item;
  std::optional<ToolButton> button;
};

constexpr DialogCommand kDialogCommands[] = {
    {WindowDialog::GameCatalogue, "mnuOpenGame", ToolButton::Open},
    {WindowDialog::SelectNumber, "mnuSelectGame", std::nullopt},
    {WindowDialog::Save, "mnuSave", ToolButton::Save},
    {WindowDialog::Players, "mnuPlayers", std::nullopt},
    {WindowDialog::Statistics, "mnuStatisticsDialog", ToolButton::Statistics},
    {WindowDialog::HiScores, "mnuHiScores", std::nullopt},
    {WindowDialog::Customize, "mnuCustomize", std::nullopt},
    {WindowDialog::Options, "mnuOptions", std::nullopt},
    {WindowDialog::Favourites, "mnuFavourites", std::nullopt},
    {WindowDialog::CardCounter, "mnuCardCounter", std::nullopt},
    {WindowDialog::TipOfTheDay, "mnuTipOfTheDay", std::nullopt},
    {WindowDialog::Demo, "mnuDemo", std::nullopt},
};

}  // namespace

void MainWindow::setDialog(WindowDialog dialog, std::function<void()> show) {
  dialogs_[dialog] = std::move(show);
  syncDialogCommand(dialog);
}

bool MainWindow::hasDialog(WindowDialog dialog) const {
  const auto found = dialogs_.find(dialog);
  return found != dialogs_.end() && found->second;
}

void MainWindow::syncDialogCommands() {
  for (const DialogCommand& command : kDialogCommands) syncDialogCommand(command.dialog);
}

void MainWindow::syncDialogCommand(WindowDialog dialog) {
  for (const DialogCommand& command : kDialogCommands) {
    if (command.dialog != dialog) continue;
    bool available = hasDialog(dialog);
    if (dialog == WindowDialog::Customize) available = available && customizeAllowed_;
    if (QAction* item = action(QString::fromLatin1(command.item))) item->setEnabled(available);
    if (command.button)
      for (ToolStrip* bar : {largeBar_, smallBar_})
        if (bar) bar->button(*command.button)->setEnabled(available);
  }
}

// A command without its window is greyed out, so only a direct call arrives here without one.
void MainWindow::runDialog(WindowDialog dialog) {
  if (hasDialog(dialog)) dialogs_[dialog]();
}

void MainWindow::newGame() {
  if (!fnConfirmAbandon()) return;
  session_->endGame();
  playSound("New", settings().get(field::SoundsNewGame) == "Y");
  dealNewGame();
}

void MainWindow::openGameCatalogue() { runDialog(WindowDialog::GameCatalogue); }

void MainWindow::restartGame() {
  if (!gameOnTable_) return;
  pokerPanel_ = {};
  dealToShow_ = true;
  const bool restarted = session_->restart();
  dealToShow_ = false;
  if (restarted) afterNewTable(false);
}

void MainWindow::selectGameNumber() { runDialog(WindowDialog::SelectNumber); }
void MainWindow::saveGame() { runDialog(WindowDialog::Save); }
void MainWindow::showPlayers() { runDialog(WindowDialog::Players); }

void MainWindow::undo() {
  if (!gameOnTable_) return;
  session_->game().undo();
  redrawTable();
  positionChanged();
}

void MainWindow::redo() {
  if (!gameOnTable_) return;
  session_->game().redo();
  redrawTable();
  positionChanged();
}

void MainWindow::toggleAutoplay() {
  if (gameOnTable_) {
    session_->game().autoplayCommand();
    // The sweep may have finished the game.
    session_->endIfWon();
  } else {
    session_->game().setAutoplay(!session_->game().autoplayOn());
  }
  syncAutoplay();
  redrawTable();
}

void MainWindow::startDemo() { runDialog(WindowDialog::Demo); }
void MainWindow::showStatistics() { runDialog(WindowDialog::Statistics); }
void MainWindow::showHiScores() { runDialog(WindowDialog::HiScores); }

void MainWindow::showCustomize() {
  runDialog(WindowDialog::Customize);
  table_->setPointerShape(static_cast<int>(settings().getInteger(field::Cursor).value_or(11)));
}

void MainWindow::showOptions() {
  runDialog(WindowDialog::Options);
  readPlayAidOptions();
  table_->setPointerShape(static_cast<int>(settings().getInteger(field::Cursor).value_or(11)));
  table_->update();
}

void MainWindow::showFavourites() { runDialog(WindowDialog::Favourites); }

void MainWindow::toggleCardCounter() {
  runDialog(WindowDialog::CardCounter);
  // The check mark follows the card counter window; without one there is nothing to check.
  if (!hasDialog(WindowDialog::CardCounter))
    if (QAction* item = action(QStringLiteral("mnuCardCounter"))) item->setChecked(false);
}

void MainWindow::showRules() {
  const auto index = settings().getInteger(field::Game).value_or(-1);
  std::optional<int> topic;
  if (index >= 0 && index < games_.gameCount()) topic = games_.catalogue()[static_cast<std::size_t>(index)].helpTopic();
  if (!help_) help_ = new HelpWindow(paths_.install, this, &strings_);
  // A game without a rules page number opens the contents.
  help_->showTopic(languageBase(), topic);
}

void MainWindow::showHelpContents() {
  if (!help_) help_ = new HelpWindow(paths_.install, this, &strings_);
  help_->showTopic(languageBase(), std::nullopt);
}

void MainWindow::showTipOfTheDay() { runDialog(WindowDialog::TipOfTheDay); }

void MainWindow::openWebSite() {
  if (boxes_->informationOkCancel(windowText(
          kWebSiteQuestionText, "Quilloro 98 will now open the home page from our Web site.\nClick OK to continue.")))
    fnOpenLink("HTTP", kHomePage, *boxes_);
}

void MainWindow::showAbout() {
  AboutBox box(*boxes_, [this](int offset, const char* english) { return windowText(offset, english); }, this);
  playSound("About.wav", settings().get(field::SoundsAbout) == "Y");
  box.exec();
  redrawTable();
}

}  // namespace quilloro
