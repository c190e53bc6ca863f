// The pause, which holds the clock and covers the table, and the status bar's
// boxes: the stock's cards, the redeals left, the message and the verdict.
#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>

#include "app/window/info_panel.hpp"
#include "app/window/keyboard_play.hpp"
#include "app/window/main_window.hpp"
#include "app/window/table_play.hpp"
#include "app/window/table_widget.hpp"
#include "engine/solver/solve_worker.hpp"

namespace quilloro {
namespace {

constexpr int kPausedText = 7617;
constexpr int kGoOnText = 7618;
constexpr int kStockText = 7619;
constexpr int kRedealsText = 7602;
constexpr int kUnlimitedText = 7603;

QLabel* boxLabel(QFrame* box) {
  auto* label = new QLabel(box);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->addWidget(label);
  QFont small = label->font();
  small.setPixelSize(11);
  label->setFont(small);
  return label;
}

}  // namespace

// The status bar's two boxes get their counts, the free space the messages.
void MainWindow::buildPlayAids() {
  const QList<QFrame*> boxes = statusBar_->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
  stockCount_ = boxLabel(boxes.value(0));
  stockCount_->setObjectName(QStringLiteral("lblStockCount"));
  redeals_ = boxLabel(boxes.value(1));
  redeals_->setObjectName(QStringLiteral("lblRedeals"));
  auto* layout = qobject_cast<QHBoxLayout*>(statusBar_->layout());
  statusMessage_ = new QLabel(statusBar_);
  statusMessage_->setObjectName(QStringLiteral("lblStatusMessage"));
  verdict_ = new QLabel(statusBar_);
  verdict_->setObjectName(QStringLiteral("lblVerdict"));
  for (QLabel* label : {statusMessage_, verdict_}) {
    QFont small = label->font();
    small.setPixelSize(11);
    label->setFont(small);
  }
  verdict_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The message takes the room the stretch had; the verdict keeps to the right.
  delete layout->takeAt(layout->count() - 1);
  layout->addSpacing(6);
  layout->addWidget(statusMessage_, 1);
  layout->addWidget(verdict_);
  layout->addSpacing(4);

  hintSearch_ = std::make_unique<solver::SolveWorker>();
  verdictSearch_ = std::make_unique<solver::SolveWorker>();
  keyboard_ = std::make_unique<KeyboardPlay>(*session_, *layout_, *play_);
  table_->setKeyHandler([this](int key) {
    const bool used = keyboard_->key(key);
    if (used) updateMarks();
    return used;
  });
  connect(table_, &TableWidget::pointerPressed, this, [this] {
    keyboard_->pointerUsed();
    updateMarks();
  });
  play_->setAfterPlayerMove([this] { afterPlayerMove(); });
  searchPoll_ = new QTimer(this);
  searchPoll_->setInterval(40);
  connect(searchPoll_, &QTimer::timeout, this, &MainWindow::pollSearches);
  readPlayAidOptions();
}

// The counts fit their boxes, which widen for a longer text rather than cut it.
void MainWindow::updateStatusCounts() {
  if (stockCount_ == nullptr) return;
  QString stock;
  QString redeals;
  if (gameOnTable_ && layout_->isPlaced(kStockPile)) {
    const Game& game = session_->game();
    stock = text(kStockText).replace(QStringLiteral("%1"), QString::number(game.state.piles.stock().cardCount()));
    const int passes = game.state.parameters[param::kStockPasses];
    const QString left = passes == -1 ? text(kUnlimitedText)
                                      : QString::number(std::max(0, passes - game.redealCount()));
    redeals = text(kRedealsText).replace(QStringLiteral("%1"), left);
  }
  for (auto [label, value] : {std::pair{stockCount_, stock}, std::pair{redeals_, redeals}}) {
    if (label->text() == value) continue;
    label->setText(value);
    auto* box = qobject_cast<QFrame*>(label->parentWidget());
    const int wanted = QFontMetrics(label->font()).horizontalAdvance(value) + 12;
    box->setFixedWidth(std::max(label == stockCount_ ? 116 : 81, wanted));
  }
}

void MainWindow::setStatusMessage(const QString& message) {
  if (statusMessage_) statusMessage_->setText(message);
}

// Ctrl+P: the clock holds and the cards are hidden until a click or a key.
void MainWindow::pauseGame() {
  if (paused_) {
    resumePlay();
    return;
  }
  if (!gameOnTable_ || !session_->game().underWay() || finishing_) return;
  paused_ = true;
  hintSearch_->cancel();
  verdictSearch_->cancel();
  hintMarks_.clear();
  shownHint_.reset();
  session_->pauseClock();
  timePanel_->setValue(QString::fromStdString(session_->timeDisplay()));
  drawPauseCover();
  updateMarks();
  play_->setInterrupt([this] {
    play_->setInterrupt({});
    QTimer::singleShot(0, this, &MainWindow::resumePlay);
  });
  if (QAction* item = action(QStringLiteral("mnuPause"))) item->setChecked(true);
}

void MainWindow::resumePlay() {
  if (!paused_) return;
  paused_ = false;
  play_->setInterrupt({});
  session_->resumeClock();
  if (QAction* item = action(QStringLiteral("mnuPause"))) item->setChecked(false);
  redrawTable();
  positionChanged();
}

void MainWindow::drawPauseCover() {
  PixelSurface& window = table_->surface();
  if (window.empty()) return;
  window.copyFrom(renderer_->backgroundBuffer(), {0, 0, window.width(), window.height()}, 0, 0);
  QImage view(reinterpret_cast<uchar*>(window.row(0)), window.width(), window.height(),
              static_cast<qsizetype>(window.width()) * 4, QImage::Format_RGB32);
  QPainter painter(&view);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont big = font();
  big.setPixelSize(std::clamp(window.height() / 12, 22, 56));
  big.setBold(true);
  QFont small = font();
  small.setPixelSize(std::clamp(window.height() / 40, 12, 20));
  const QString title = text(kPausedText);
  const QString line = text(kGoOnText);
  const QFontMetrics bigMetrics(big);
  const QFontMetrics smallMetrics(small);
  const int width = std::max(bigMetrics.horizontalAdvance(title), smallMetrics.horizontalAdvance(line)) + 60;
  const int height = bigMetrics.height() + smallMetrics.height() + 50;
  const QRect panel((window.width() - width) / 2, (window.height() - height) / 2, width, height);
  QPainterPath outline;
  outline.addRoundedRect(panel, 14, 14);
  painter.fillPath(outline, QColor(0, 0, 0, 150));
  painter.setPen(QPen(QColor(255, 214, 0), 2));
  painter.drawPath(outline);
  painter.setPen(Qt::white);
  painter.setFont(big);
  painter.drawText(QRect(panel.left(), panel.top() + 18, panel.width(), bigMetrics.height()), Qt::AlignCenter,
                   title);
  painter.setFont(small);
  painter.setPen(QColor(235, 235, 235));
  painter.drawText(QRect(panel.left(), panel.top() + 26 + bigMetrics.height(), panel.width(), smallMetrics.height()),
                   Qt::AlignCenter, line);
  painter.end();
  table_->update();
}

}  // namespace quilloro
