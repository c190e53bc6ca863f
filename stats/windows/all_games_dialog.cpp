// The all-games statistics of one player.
#include "stats/windows/all_games_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/core/settings_store.hpp"
#include "stats/booking.hpp"
#include "stats/player_ranking.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

namespace {
enum Kind { CurrentSessionKind = 0, TotalKind = 1, SeriesKind = 2 };
}

AllGamesDialog::AllGamesDialog(const StatisticsContext& context, const QString& player, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("TfrmStatisGiochi"));
  setWindowTitle(context_.text(statstext::AllGamesCaption, "All games statistics"));
  auto* root = new QVBoxLayout(this);
  auto* choice = new QHBoxLayout;
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("cboTipo"));
  kind_->addItem(context_.text(statstext::CurrentSession, "Current session "));
  kind_->addItem(context_.text(statstext::Total, "Total "));
  kind_->addItem(context_.text(statstext::Series, "Series "));
  kind_->setCurrentIndex(TotalKind);
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboOperatore"));
  players_->addItems(context_.players());
  const int row = players_->findText(player);
  if (row >= 0) players_->setCurrentIndex(row);
  choice->addWidget(new QLabel(context_.text(statstext::ShowLabel, "Show:"), this));
  choice->addWidget(kind_, 1);
  choice->addSpacing(12);
  choice->addWidget(new QLabel(context_.text(statstext::PlayerLabel, "Player:"), this));
  choice->addWidget(players_, 1);
  root->addLayout(choice);

  grid_ = new QTableWidget(0, 4, this);
  grid_->setObjectName(QStringLiteral("stgGiochi"));
  grid_->setHorizontalHeaderLabels({context_.text(statstext::Game, "Game"), context_.text(statstext::Won, "Won"),
                                    context_.text(statstext::Lost, "Lost"),
                                    context_.text(statstext::Percent, "Percent")});
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  root->addWidget(grid_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(context_.text(statstext::Ok, "OK"), QDialogButtonBox::AcceptRole)
      ->setObjectName(QStringLiteral("btnOK"));
  root->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(kind_, &QComboBox::currentIndexChanged, this, &AllGamesDialog::rebuild);
  connect(players_, &QComboBox::currentIndexChanged, this, &AllGamesDialog::rebuild);
  resize(560, 480);
  rebuild();
}

void AllGamesDialog::rebuild() {
  const int kind = kind_->currentIndex();
  const std::string player = players_->currentText().toStdString();
  const stats::ResultFiles files = context_.resultFiles();
  std::vector<int> games = context_.gamesByName();
  if (kind == CurrentSessionKind) games = {context_.currentGame()};
  grid_->setRowCount(static_cast<int>(games.size()));
  int row = 0;
  for (const int game : games) {
    stats::Totals totals;
    if (context_.store != nullptr) totals = stats::readTotals(files, context_.store->record(), game, player);
    long long won = totals.record.won;
    long long lost = totals.record.lost;
    if (kind == CurrentSessionKind) {
      won = totals.runWon;
      lost = totals.runLost;
    } else if (kind == SeriesKind) {
      won = totals.record.longestWonRun;
      lost = totals.record.longestLostRun;
    }
    const QString percent = won + lost == 0 ? QStringLiteral("0")
                                            : QStringLiteral("%1 %").arg(stats::wonPercentage(won, lost));
    const QStringList cells{context_.gameName(game), QString::number(won), QString::number(lost), percent};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(row, column, item);
    }
    ++row;
  }
}

}  // namespace quilloro
