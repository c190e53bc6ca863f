// The hi-score window and its pop-up menu.
#include "stats/windows/hi_score_dialog.hpp"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/core/settings_store.hpp"
#include "app/widgets/sound_player.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

namespace {

constexpr int kColumns = 7;

QString shortDate(const std::string& compact) {
  const QDate date = QDate::fromString(QString::fromStdString(compact), QStringLiteral("yyyyMMdd"));
  return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

}  // namespace

QStringList hiScoreHeadings(const StatisticsContext& context) {
  return {context.text(statstext::ColumnPosition, "N."),  context.text(statstext::ColumnPlayer, "Player"),
          context.text(statstext::ColumnScore, "Score"),  context.text(statstext::ColumnTime, "Time"),
          context.text(statstext::ColumnMark, "W/L"),     context.text(statstext::ColumnDate, "Date"),
          context.text(statstext::ColumnNumber, "Game number")};
}

HiScoreDialog::HiScoreDialog(const StatisticsContext& context, int gameIndex, int row, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("TfrmHiScore"));
  auto* root = new QVBoxLayout(this);
  games_ = new QComboBox(this);
  games_->setObjectName(QStringLiteral("cboGames"));
  const int shown = gameIndex >= 0 ? gameIndex : context_.currentGame();
  for (const int index : context_.gamesByName()) {
    games_->addItem(context_.gameName(index), index);
    if (index == shown) games_->setCurrentIndex(games_->count() - 1);
  }
  root->addWidget(games_);

  scores_ = new QTableWidget(stats::kHiScorePlaces, kColumns, this);
  scores_->setObjectName(QStringLiteral("slScores"));
  scores_->setHorizontalHeaderLabels(hiScoreHeadings(context_));
  scores_->verticalHeader()->hide();
  scores_->verticalHeader()->setDefaultSectionSize(scores_->fontMetrics().height() + 6);
  scores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  scores_->setSelectionBehavior(QAbstractItemView::SelectRows);
  scores_->setSelectionMode(QAbstractItemView::SingleSelection);
  scores_->setContextMenuPolicy(Qt::CustomContextMenu);
  root->addWidget(scores_, 1);

  popup_ = new QMenu(this);
  QAction* clear = popup_->addAction(context_.text(statstext::ClearScores, "Clear scores"));
  clear->setObjectName(QStringLiteral("mnuClearScores"));
  connect(clear, &QAction::triggered, this, &HiScoreDialog::clearScores);
  connect(scores_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popup_->popup(scores_->viewport()->mapToGlobal(at)); });

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(context_.text(statstext::Ok, "OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  root->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(games_, &QComboBox::currentIndexChanged, this, &HiScoreDialog::showChosenGame);

  if (context_.sounds != nullptr && context_.store != nullptr)
    context_.sounds->play("Hi-Scor", context_.store->get(field::SoundsHiScores) == "Y");
  showChosenGame();
  scores_->resizeColumnsToContents();
  scores_->horizontalHeader()->setStretchLastSection(true);
  int width = 0;
  for (int c = 0; c < kColumns; ++c) width += scores_->columnWidth(c);
  resize(std::max(width + 60, 560), 560);
  if (row >= 0 && row < stats::kHiScorePlaces) scores_->selectRow(row);
}

void HiScoreDialog::showChosenGame() {
  const int game = games_->currentData().toInt();
  setWindowTitle(context_.text(statstext::HiScoresCaption, "Hi-Scores") + QStringLiteral(" [") +
                 games_->currentText() + QLatin1Char(']'));
  const std::string kind = context_.store != nullptr ? context_.store->get(field::ScoringKind) : "01";
  const stats::HiScoreTable table =
      stats::HiScoreFile(context_.resultFiles().hiScores).readTable(game, kind.empty() ? "01" : kind, localNow());
  scores_->clearContents();
  for (int row = 0; row < stats::kHiScorePlaces; ++row) {
    const stats::HiScoreEntry& entry = table[static_cast<std::size_t>(row)];
    QStringList cells{QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
    if (!entry.empty) {
      cells << QString::fromStdString(entry.player).trimmed() << QString::number(entry.score)
            << QString::fromStdString(stats::elapsedTimeText(entry.elapsedSeconds))
            << (entry.won ? context_.text(statstext::LogWon, "Won") : context_.text(statstext::LogLost, "Lost"))
            << shortDate(entry.date)
            << QString::fromStdString(entry.gameNumber).trimmed();
    }
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column == 0 || column == 2 || column == 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      scores_->setItem(row, column, item);
    }
  }
}

void HiScoreDialog::clearScores() {
  if (!context_.confirm(
          context_.text(statstext::ClearScoresQuestion, "Clear Hi-Scores of all players and all games?")))
    return;
  const FileError error = stats::HiScoreFile(context_.resultFiles().hiScores).clearAll();
  if (error) context_.information(QString::fromStdString(*error));
  showChosenGame();
}

}  // namespace quilloro
