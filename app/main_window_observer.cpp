// What the main window shows, sounds and asks while the engine changes the table.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/info_panel.hpp"
#include "app/main_window.hpp"
#include "app/sound_player.hpp"
#include "app/table_widget.hpp"

namespace quilloro {
namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void MainWindow::cardFlight(const CardFlight& flight) { showCardFlight(flight); }

// Until the flights are played back through the table code, a card lands at once.
void MainWindow::showCardFlight(const CardFlight& /*flight*/) { redrawTable(); }

void MainWindow::redraw(Redraw /*what*/, PileRef /*pile*/) { redrawTable(); }

void MainWindow::playSound(std::string_view fileName, bool switchOn) { sounds_->play(fileName, switchOn); }

void MainWindow::cardCounterMoved(CardNumber, PileKind, PileKind) {}

void MainWindow::cardCounterRefresh() {}

void MainWindow::scoreChanged(int score) { scorePanel_->setValue(QString::number(score)); }

void MainWindow::beep() { QApplication::beep(); }

void MainWindow::message(std::string_view text) { boxes_->information(fromView(text)); }

// The wait lets the window draw and the player's input arrive meanwhile.
void MainWindow::pause(int milliseconds) {
  if (milliseconds <= 0) return;
  table_->update();
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

void MainWindow::toggleSelectionMark(CardNumber) { redrawTable(); }

void MainWindow::pokerHand(const PokerAnnouncement&, bool) { redrawTable(); }

void MainWindow::pokerTotal(int total) { scorePanel_->setValue(QString::number(total)); }

bool MainWindow::confirmAbandon(std::string_view message) {
  const QString question = message.empty() ? text(kAbandonQuestion) : fromView(message);
  return boxes_->confirm(question);
}

bool MainWindow::confirm(std::string_view question) { return boxes_->confirm(fromView(question)); }

// The winning animation belongs to the table code; until it is played there
// the won table simply stays in view.
void MainWindow::winAnimation(int /*kind*/) { redrawTable(); }

// The result is already in the hi-score table; the entry dialog only shows it.
void MainWindow::newHiScore(const NewHiScore& entry) {
  if (newHiScoreDialog_) newHiScoreDialog_(entry);
}

void MainWindow::gameWon(const GameWonSummary& summary) {
  if (gameWonDialog_) gameWonDialog_(summary);
  else boxes_->information(QString::fromLatin1(kNotAvailable));
}

void MainWindow::fileError(std::string_view text) { boxes_->error(QStringLiteral("Error"), fromView(text)); }

// --- the table layout and the drawing ---

void MainWindow::cardSizeChanged(const CardSize& size) { renderer_->loadCardImages(size); }

void MainWindow::customizeAvailable(bool available) {
  if (QAction* item = action(QStringLiteral("mnuCustomize"))) item->setEnabled(available);
}

void MainWindow::notice(const std::string& text) { boxes_->information(QString::fromStdString(text)); }

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
