// The statistics window and the windows its buttons open.
#include "stats/windows/statistics_dialog.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/booking.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/log_lines.hpp"
#include "stats/player_ranking.hpp"
#include "app/core/settings_store.hpp"
#include "stats/windows/all_games_dialog.hpp"
#include "stats/windows/bar_chart.hpp"
#include "stats/windows/clear_statistics_dialog.hpp"
#include "stats/windows/hi_score_dialog.hpp"
#include "stats/windows/log_dialog.hpp"
#include "stats/windows/players_ranking_dialog.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"
#include "stats/windows/totals_block.hpp"

namespace quilloro {

QString currentRunCaption(const StatisticsContext& context, long long wonRun, long long lostRun) {
  QString text = context.text(statstext::Current, "Current");
  if (wonRun > 0) {
    text += QStringLiteral(": %1 ").arg(wonRun) +
            (wonRun == 1 ? context.text(statstext::WonOne, "won") : context.text(statstext::WonRun, "won"));
  } else if (lostRun > 0) {
    text += QStringLiteral(": %1 ").arg(lostRun) +
            (lostRun == 1 ? context.text(statstext::LostOne, "lost") : context.text(statstext::LostRun, "lost"));
  }
  return text;
}

StatisticsDialog::StatisticsDialog(const StatisticsContext& context, int gameIndex, const QString& player,
                                   QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("TfrmStatistiche"));
  auto* root = new QVBoxLayout(this);

  auto* choice = new QHBoxLayout;
  games_ = new QComboBox(this);
  games_->setObjectName(QStringLiteral("cboGiochi"));
  const int shownGame = gameIndex >= 0 ? gameIndex : context_.currentGame();
  for (const int index : context_.gamesByName()) {
    games_->addItem(context_.gameName(index), index);
    if (index == shownGame) games_->setCurrentIndex(games_->count() - 1);
  }
  players_ = new QComboBox(this);
  players_->setObjectName(QStringLiteral("cboOperatori"));
  players_->addItems(context_.players());
  const int playerRow = players_->findText(player.isEmpty() ? context_.currentPlayer() : player);
  if (playerRow >= 0) players_->setCurrentIndex(playerRow);
  choice->addWidget(new QLabel(context_.text(statstext::GameLabel, "Game:"), this));
  choice->addWidget(games_, 2);
  choice->addSpacing(12);
  choice->addWidget(new QLabel(context_.text(statstext::PlayerLabel, "Player:"), this));
  choice->addWidget(players_, 1);
  root->addLayout(choice);

  auto* body = new QHBoxLayout;
  auto* groups = new QGridLayout;
  totalGroup_ = new QGroupBox(context_.text(statstext::Total, "Total "), this);
  total_ = new TotalsBlock(context_, QStringLiteral("Tot"), totalGroup_);
  (new QVBoxLayout(totalGroup_))->addWidget(total_);
  auto* sessionGroup = new QGroupBox(context_.text(statstext::CurrentSession, "Current session "), this);
  session_ = new TotalsBlock(context_, QStringLiteral("Ses"), sessionGroup);
  (new QVBoxLayout(sessionGroup))->addWidget(session_);

  auto* seriesGroup = new QGroupBox(context_.text(statstext::Series, "Series "), this);
  auto* series = new QGridLayout(seriesGroup);
  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromUtf8(name));
    return l;
  };
  longestWon_ = label("lblSerWon");
  longestLost_ = label("lblSerLost");
  longestWonPercent_ = label("lblSerPercWon");
  longestLostPercent_ = label("lblSerPercLost");
  longestWonPercent_->hide();
  longestLostPercent_->hide();
  currentRun_ = label("lblSerCur");
  series->addWidget(new QLabel(context_.text(statstext::Won, "Won") + QLatin1Char(':'), seriesGroup), 0, 0);
  series->addWidget(longestWon_, 0, 1);
  series->addWidget(new QLabel(context_.text(statstext::Lost, "Lost") + QLatin1Char(':'), seriesGroup), 1, 0);
  series->addWidget(longestLost_, 1, 1);
  series->addWidget(currentRun_, 2, 0, 1, 2);
  chart_ = new BarChart(seriesGroup);
  chart_->setObjectName(QStringLiteral("grafSerie"));
  series->addWidget(chart_, 0, 2, 4, 1);
  series->setColumnStretch(2, 1);
  series->setRowStretch(3, 1);

  auto* timesGroup = new QGroupBox(context_.text(statstext::BestTimes, "Best times"), this);
  auto* times = new QFormLayout(timesGroup);
  fastest_ = label("lblFastest");
  average_ = label("lblAverage");
  fastestCaption_ = new QLabel(context_.text(statstext::FastestWon, "Fastest won game:"), timesGroup);
  averageCaption_ = new QLabel(context_.text(statstext::AverageWon, "Average of won games:"), timesGroup);
  times->addRow(fastestCaption_, fastest_);
  times->addRow(averageCaption_, average_);

  groups->addWidget(totalGroup_, 0, 0);
  groups->addWidget(sessionGroup, 0, 1);
  groups->addWidget(seriesGroup, 1, 0, 1, 2);
  groups->addWidget(timesGroup, 2, 0, 1, 2);
  body->addLayout(groups, 1);

  auto* buttons = new QVBoxLayout;
  auto button = [this, buttons](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  QPushButton* clear = button(context_.text(statstext::ClearButton, "&Clear statistics..."), "btnClear");
  QPushButton* all = button(context_.text(statstext::AllGamesButton, "A&ll games..."), "btnAllGames");
  QPushButton* ranking = button(context_.text(statstext::PlayersButton, "Pla&yers statistics..."), "btnPlayers");
  QPushButton* log = button(context_.text(statstext::LogButton, "Log statistics"), "btnLog");
  QPushButton* hiScores =
      button(QStringLiteral("  ") + context_.text(statstext::HiScoresButton, "Hi-Scores..."), "btnHiScores");
  buttons->addStretch(1);
  QPushButton* ok = button(context_.text(statstext::Ok, "OK"), "btnOK");
  ok->setDefault(true);
  body->addLayout(buttons);
  root->addLayout(body, 1);

  connect(clear, &QPushButton::clicked, this, &StatisticsDialog::clearStatistics);
  connect(all, &QPushButton::clicked, this, &StatisticsDialog::showAllGames);
  connect(ranking, &QPushButton::clicked, this, &StatisticsDialog::showRanking);
  connect(log, &QPushButton::clicked, this, &StatisticsDialog::showLog);
  connect(hiScores, &QPushButton::clicked, this, &StatisticsDialog::showHiScores);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(games_, &QComboBox::currentIndexChanged, this, &StatisticsDialog::refresh);
  connect(players_, &QComboBox::currentIndexChanged, this, &StatisticsDialog::refresh);
  refresh();
}

int StatisticsDialog::chosenGame() const { return games_->currentData().toInt(); }
QString StatisticsDialog::chosenPlayer() const { return players_->currentText(); }

void StatisticsDialog::refresh() {
  const int game = chosenGame();
  const std::string player = chosenPlayer().toStdString();
  setWindowTitle(context_.text(statstext::StatisticsCaption, "Statistics") + QStringLiteral(" [") +
                 context_.gameName(game) + QLatin1Char(']'));
  const stats::ResultFiles files = context_.resultFiles();
  stats::Totals totals;
  if (context_.store != nullptr) totals = stats::readTotals(files, context_.store->record(), game, player);
  total_->showCounts(totals.record.won, totals.record.lost);
  session_->showCounts(totals.runWon, totals.runLost);

  const long long wonRun = totals.record.longestWonRun;
  const long long lostRun = totals.record.longestLostRun;
  longestWon_->setText(QString::number(wonRun));
  longestLost_->setText(QString::number(lostRun));
  const int wonShare = stats::wonPercentage(wonRun, lostRun);
  const bool anyRun = wonRun + lostRun > 0;
  longestWonPercent_->setText(anyRun ? percentText(wonShare) : QString());
  longestLostPercent_->setText(anyRun ? percentText(100 - wonShare) : QString());
  currentRun_->setText(currentRunCaption(context_, totals.record.currentWonRun, totals.record.currentLostRun));
  chart_->setBars({{context_.text(statstext::Won, "Won"), static_cast<double>(wonRun), QColor(0, 160, 0)},
                   {context_.text(statstext::Lost, "Lost"), static_cast<double>(lostRun), QColor(220, 0, 0)}},
                  true);

  const stats::WonTimes times = stats::wonTimes(stats::ResultLogLines::read(files.log), game, player);
  if (times.wonGames == 0) {
    fastest_->setText(context_.text(statstext::NoWonGames, "no won games yet"));
    average_->setText(QStringLiteral("-"));
  } else {
    fastest_->setText(QString::fromStdString(stats::elapsedTimeText(times.fastestSeconds)));
    average_->setText(QString::fromStdString(stats::elapsedTimeText(times.averageSeconds)));
  }
}

QString StatisticsDialog::currentRunText() const { return currentRun_->text(); }

QStringList StatisticsDialog::seriesTexts() const { return {longestWon_->text(), longestLost_->text()}; }

QStringList StatisticsDialog::bestTimeTexts() const { return {fastest_->text(), average_->text()}; }

void StatisticsDialog::clearStatistics() {
  ClearStatisticsDialog dialog(context_, chosenPlayer(), chosenGame(), this);
  dialog.exec();
  refresh();
}

void StatisticsDialog::showAllGames() {
  AllGamesDialog dialog(context_, chosenPlayer(), this);
  dialog.exec();
}

void StatisticsDialog::showRanking() {
  PlayersRankingDialog dialog(context_, chosenGame(), this);
  dialog.exec();
}

void StatisticsDialog::showLog() {
  LogDialog dialog(context_, this);
  dialog.exec();
}

void StatisticsDialog::showHiScores() {
  HiScoreDialog dialog(context_, chosenGame(), -1, this);
  dialog.exec();
}

}  // namespace quilloro
