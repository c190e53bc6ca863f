// The log window: one model over the whole log, filtered as the lists change.
#include "stats/windows/log_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "stats/windows/result_log_model.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

LogDialog::LogDialog(const StatisticsContext& context, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmStatisLog"));
  setWindowTitle(context.text(statstext::LogCaption, "Log statistics"));
  auto* root = new QVBoxLayout(this);
  auto* choice = new QHBoxLayout;
  games_ = new QComboBox(this);
  games_->setObjectName(QStringLiteral("cboGiochi"));
  games_->addItem(context.text(statstext::AllGames, "[All games]"));
  for (const int index : context.gamesByName()) games_->addItem(context.gameName(index));
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboOperatori"));
  players_->addItem(context.text(statstext::AllPlayers, "[All players]"));
  players_->addItems(context.players());
  choice->addWidget(new QLabel(context.text(statstext::GameLabel, "Game:"), this));
  choice->addWidget(games_, 2);
  choice->addSpacing(12);
  choice->addWidget(new QLabel(context.text(statstext::PlayerLabel, "Player:"), this));
  choice->addWidget(players_, 1);
  root->addLayout(choice);

  const QStringList headings{context.text(statstext::LogDate, "Date"),   context.text(statstext::LogStart, "Start"),
                             context.text(statstext::LogTime, "Time"),   context.text(statstext::LogGame, "Game"),
                             context.text(statstext::LogMark, "W/L"),    context.text(statstext::LogScore, "Score"),
                             context.text(statstext::LogPlayer, "Player"),
                             context.text(statstext::ColumnNumber, "Game number")};
  model_ = new ResultLogModel(headings, context.text(statstext::LogWon, "Won"),
                              context.text(statstext::LogLost, "Lost"), this);
  model_->setLog(std::make_shared<const stats::ResultLogLines>(
      stats::ResultLogLines::read(context.resultFiles().log)));
  grid_ = new QTableView(this);
  grid_->setObjectName(QStringLiteral("stgLog"));
  grid_->setModel(model_);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setWordWrap(false);
  grid_->verticalHeader()->hide();
  // Fixed heights and widths: the view never measures the rows of a long log.
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  const QFontMetrics metrics = grid_->fontMetrics();
  const std::array<const char*, 8> widest{"00/00/0000", "00:00", "00:00:00", "Klondike by threes (Vegas)",
                                          "Lost", "-00000", "Player name here", "0000000000000"};
  for (int column = 0; column < 8; ++column)
    grid_->setColumnWidth(column, std::max(metrics.horizontalAdvance(QString::fromUtf8(widest[column])),
                                           metrics.horizontalAdvance(headings[column])) + 16);
  root->addWidget(grid_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(context.text(statstext::Ok, "OK"), QDialogButtonBox::AcceptRole)
      ->setObjectName(QStringLiteral("btnOK"));
  root->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(games_, &QComboBox::currentIndexChanged, this, &LogDialog::rebuild);
  connect(players_, &QComboBox::currentIndexChanged, this, &LogDialog::rebuild);
  int width = 40;
  for (int column = 0; column < 8; ++column) width += grid_->columnWidth(column);
  resize(width, 480);
}

void LogDialog::rebuild() {
  stats::LogFilter filter;
  if (games_->currentIndex() > 0) filter.gameName = games_->currentText().toStdString();
  if (players_->currentIndex() > 0) filter.player = players_->currentText().toStdString();
  model_->setFilter(filter);
}

}  // namespace quilloro
