// What the main window shows, sounds and asks while the engine changes the table.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/core/message_translation.hpp"
#include "app/window/info_panel.hpp"
#include "app/window/main_window.hpp"
#include "app/widgets/sound_player.hpp"
#include "app/window/table_play.hpp"
#include "app/window/table_widget.hpp"
#include "table/win_animation.hpp"

namespace quilloro {

void MainWindow::cardFlight(const CardFlight& flight) {
  showCardFlight(flight);
  positionChanged();
}

// A hidden window, or one without a game on view, only shows the result.
void MainWindow::showCardFlight(const CardFlight& flight) {
  if (gameOnTable_ && isVisible()) play_->playFlight(flight);
  else redrawTable();
}

void MainWindow::redraw(Redraw what, PileRef /*pile*/) {
  if (what == Redraw::Table && dealToShow_) {
    dealToShow_ = false;
    showDeal();
    return;
  }
  redrawTable();
  positionChanged();
}

void MainWindow::playSound(std::string_view fileName, bool switchOn) { sounds_->play(fileName, switchOn); }

void MainWindow::cardCounterMoved(CardNumber, PileKind, PileKind) {
  if (cardCounter_.cardMoved) cardCounter_.cardMoved();
}

void MainWindow::cardCounterRefresh() {
  if (cardCounter_.refresh) cardCounter_.refresh();
}

void MainWindow::scoreChanged(int score) { scorePanel_->setValue(QString::number(score)); }

void MainWindow::beep() { QApplication::beep(); }

QString MainWindow::playerMessage(std::string_view english) const {
  return QString::fromStdString(translatedMessage(strings_, languageBase(), english));
}

void MainWindow::message(std::string_view text) { boxes_->information(playerMessage(text)); }

// The wait lets the window draw and the player's input arrive meanwhile.
void MainWindow::pause(int milliseconds) {
  if (milliseconds <= 0) return;
  table_->update();
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

void MainWindow::toggleSelectionMark(CardNumber) { redrawTable(); }

QString MainWindow::pointsText(int points) const { return QString::number(points) + text(kPointsCaption); }

void MainWindow::pokerHand(const PokerAnnouncement& hand, bool shown) {
  if (shown) {
    pokerPanel_.hand = hand.name;
    pokerPanel_.points = pointsText(hand.points).toStdString();
    pokerPanel_.total = (text(kTotalCaption) + QStringLiteral(": ") + pointsText(hand.runningTotal)).toStdString();
    scorePanel_->setValue(QString::number(hand.runningTotal));
  }
  redrawTable();
}

void MainWindow::pokerTotal(int total) {
  pokerPanel_ = {};
  pokerPanel_.total = (text(kTotalCaption) + QStringLiteral(": ") + pointsText(total)).toStdString();
  scorePanel_->setValue(QString::number(total));
  redrawTable();
}

bool MainWindow::confirmAbandon(std::string_view message) {
  const QString question = message.empty() ? text(kAbandonQuestion) : playerMessage(message);
  return boxes_->confirm(question);
}

bool MainWindow::confirm(std::string_view question) { return boxes_->confirm(playerMessage(question)); }

// Played over the won table until it ends or a key or a click stops it; a
// close request meanwhile closes the window afterwards instead of the dialog.
void MainWindow::winAnimation(int kind) {
  if (settings().get(field::WinningAnimation) == "N" || !gameOnTable_ || !isVisible()) return;
  WinAnimationArea area;
  // In table pixels, as the zoomed table counts them.
  const WindowMetrics metrics = windowMetrics();
  area.windowWidth = metrics.windowWidth;
  area.windowHeight = metrics.windowHeight;
  area.firstLineTop = metrics.barsBottom.value_or(0);
  const std::vector<WinAnimationStep> steps =
      planWinAnimation(kind, renderer_->images().size(), area, [this](int limit) { return randomBelow(limit); });
  setAnimationRunning(true);
  play_->playWinAnimation(steps, {[this] { return animationRunning_; }, [this] { setAnimationRunning(false); }});
  setAnimationRunning(false);
  if (quitRequested_) QTimer::singleShot(0, this, &MainWindow::closeAfterAnimation);
}

// The result is already in the hi-score table; the entry dialog only shows it.
void MainWindow::newHiScore(const NewHiScore& entry) {
  if (newHiScoreDialog_) newHiScoreDialog_(entry);
}

void MainWindow::gameWon(const GameWonSummary& summary) {
  // The player is leaving: a close asked for during the animation, or the window already closed.
  if (quitRequested_ || closed_) return;
  // The result window belongs to the statistics; a window without them shows the win on the table only.
  if (gameWonDialog_) gameWonDialog_(summary);
}

void MainWindow::fileError(std::string_view text) {
  boxes_->error(windowText(kErrorTitleText, "Error"), playerMessage(text));
}

// --- the table layout and the drawing ---

void MainWindow::cardSizeChanged(const CardSize& size) { renderer_->loadCardImages(size); }

void MainWindow::customizeAvailable(bool available) {
  customizeAllowed_ = available;
  syncDialogCommand(WindowDialog::Customize);
}

void MainWindow::notice(const std::string& text) { boxes_->information(playerMessage(text)); }

// A picture the table cannot do without is missing: the program ends after the message.
void MainWindow::imageProblem(const std::string& title, const std::string& text) {
  QString lines = QString::fromStdString(text);
  lines.replace('\r', '\n');
  boxes_->error(QString::fromStdString(title), lines);
  closeWithoutQuestion_ = true;
  QTimer::singleShot(0, this, [this] {
    close();
    QApplication::exit(1);
  });
}

}  // namespace quilloro
