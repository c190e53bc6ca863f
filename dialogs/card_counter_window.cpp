// The card counter window: its grid of suit rows and rank cells, its options and its saved place.
#include "dialogs/card_counter_window.hpp"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include "dialogs/dialog_host.hpp"

namespace quilloro {
namespace {

const char* const kSuitPictures[4] = {"card_hearts", "card_diamonds", "card_clubs", "card_spades"};

}  // namespace

TfrmCardCounter::TfrmCardCounter(DialogHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), host_(host) {
  setObjectName(QStringLiteral("frmCardCounter"));
  menu_ = new QMenuBar(this);
  QMenu* options = menu_->addMenu(QString());
  options_ = options->menuAction();
  tableau_ = options->addAction(QString());
  tableau_->setObjectName(QStringLiteral("mnuTableau"));
  stock_ = options->addAction(QString());
  stock_->setObjectName(QStringLiteral("mnuStock"));
  options->addSeparator();
  inverted_ = options->addAction(QString());
  inverted_->setObjectName(QStringLiteral("mnuInverted"));
  for (QAction* item : {tableau_, stock_, inverted_}) {
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, item] { optionChanged(item); });
  }
  applyLanguage();
  reset();
}

void TfrmCardCounter::applyLanguage() {
  setWindowTitle(host_.text(6501, "Card counter"));
  options_->setText(host_.text(6502, "&Options"));
  tableau_->setText(host_.text(6503, "&Tableau only"));
  stock_->setText(host_.text(6504, "&Stock only"));
  inverted_->setText(host_.text(6505, "&Inverted"));
}

int TfrmCardCounter::gridTop() const { return menu_->sizeHint().height(); }

void TfrmCardCounter::reset() {
  const GameState* game = host_.gameOnTable();
  cardsInPlay_ = game ? std::clamp<int>(game->parameters[param::kCardsInPlay], 52, 208) : 52;
  cells_.assign(static_cast<std::size_t>(cardsInPlay_), CounterCell::NotCounted);
  menu_->setGeometry(0, 0, kCounterWindowWidth, gridTop());
  setFixedSize(kCounterWindowWidth, gridTop() + counterGridHeight(cardsInPlay_));
  update();
}

void TfrmCardCounter::refresh() {
  refreshPending_ = false;
  reset();
  const GameState* game = host_.gameOnTable();
  if (!game) return;
  CardCounterFilter filter;
  filter.stockOnly = stock_->isChecked();
  filter.tableauOnly = tableau_->isChecked();
  cells_ = countCards(*game, filter);
  update();
}

void TfrmCardCounter::cardMoved() {
  if (refreshPending_) return;
  refreshPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (refreshPending_) refresh();
  });
}

void TfrmCardCounter::optionChanged(QAction* which) {
  // The two filters exclude each other; both off counts every pile.
  if (which == tableau_ && tableau_->isChecked()) stock_->setChecked(false);
  if (which == stock_ && stock_->isChecked()) tableau_->setChecked(false);
  refresh();
  saveSettings();
}

void TfrmCardCounter::loadSettings() {
  const IniFile file = host_.store().preferences();
  const long long left = file.readInteger(prefkey::Section, prefkey::CardCounterLeft, -1);
  const long long top = file.readInteger(prefkey::Section, prefkey::CardCounterTop, -1);
  if (left > 0 && top > 0) move(static_cast<int>(left), static_cast<int>(top));
  // The default place: the main window's lower right corner, where the table is seldom used.
  else if (parentWidget()) move(parentWidget()->geometry().bottomRight() - QPoint(width() + 24, height() + 48));
  const bool stockOnly = file.readString(prefkey::Section, prefkey::CardCounterStock, "N") == "Y";
  stock_->setChecked(stockOnly);
  tableau_->setChecked(!stockOnly && file.readString(prefkey::Section, prefkey::CardCounterTableau, "N") == "Y");
  inverted_->setChecked(file.readString(prefkey::Section, prefkey::CardCounterInverse, "N") == "Y");
  refresh();
  if (file.readString(prefkey::Section, prefkey::CardCounterVisible, "N") == "Y") show();
}

void TfrmCardCounter::saveSettings() {
  auto yesNo = [](bool on) { return std::string(on ? "Y" : "N"); };
  const std::vector<IniEntry> entries{
      {std::string(prefkey::CardCounterStock), yesNo(stock_->isChecked())},
      {std::string(prefkey::CardCounterTableau), yesNo(tableau_->isChecked())},
      {std::string(prefkey::CardCounterInverse), yesNo(inverted_->isChecked())},
      {std::string(prefkey::CardCounterLeft), std::to_string(pos().x())},
      {std::string(prefkey::CardCounterTop), std::to_string(pos().y())},
      {std::string(prefkey::CardCounterVisible), yesNo(isVisible())},
  };
  // A failure here loses only the window's place: nothing to tell the player.
  (void)host_.store().preferences().writeStrings(prefkey::Section, entries);
}

void TfrmCardCounter::toggle() {
  if (isVisible()) {
    hide();
  } else {
    refresh();
    show();
    raise();
  }
}

std::string TfrmCardCounter::cellPicture(int card) const {
  if (card < 1 || card > static_cast<int>(cells_.size())) return {};
  return counterCellPicture(card, cells_[static_cast<std::size_t>(card - 1)], inverted_->isChecked());
}

const QImage& TfrmCardCounter::picture(const std::string& name) {
  auto found = pictures_.find(name);
  if (found == pictures_.end()) {
    const std::filesystem::path file = host_.installFolder() / "Resources" / (name + ".bmp");
    found = pictures_.emplace(name, QImage(QString::fromStdString(file.string()))).first;
  }
  return found->second;
}

void TfrmCardCounter::drawGrid(QPainter& painter) const {
  auto* self = const_cast<TfrmCardCounter*>(this);
  painter.fillRect(QRect(0, 0, kCounterWindowWidth, counterGridHeight(cardsInPlay_)), QColor(236, 236, 232));
  for (int row = 0; row < rowCount(); ++row) {
    const QImage& suit = self->picture(kSuitPictures[row % 4]);
    painter.drawImage(0, kCounterRowHeight * row + kCounterRowTop, suit);
  }
  for (int card = 1; card <= static_cast<int>(cells_.size()); ++card) {
    const QImage& cell = self->picture(cellPicture(card));
    painter.drawImage(counterCellLeft(card), counterCellTop(card), cell);
  }
}

QImage TfrmCardCounter::gridImage() const {
  QImage image(kCounterWindowWidth, counterGridHeight(cardsInPlay_), QImage::Format_RGB32);
  QPainter painter(&image);
  drawGrid(painter);
  return image;
}

void TfrmCardCounter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(0, gridTop());
  drawGrid(painter);
}

void TfrmCardCounter::closeEvent(QCloseEvent* event) {
  event->accept();
  hide();
}

void TfrmCardCounter::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Q_EMIT shownChanged(true);
}

void TfrmCardCounter::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  Q_EMIT shownChanged(false);
}

}  // namespace quilloro
