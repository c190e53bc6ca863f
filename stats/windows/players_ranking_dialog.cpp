// The players ranking of one game.
#include "stats/windows/players_ranking_dialog.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "stats/statistics_file.hpp"
#include "stats/windows/bar_chart.hpp"
#include "stats/windows/hi_score_dialog.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

namespace {
constexpr std::size_t kShownPlayers = 5;
// From the best player down.
const std::array<QColor, kShownPlayers> kBarColours{QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 0, 0),
                                                   QColor(0, 200, 0), QColor(255, 255, 255)};
}  // namespace

PlayersRankingDialog::PlayersRankingDialog(const StatisticsContext& context, int gameIndex, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("TfrmStatisOperat"));
  setWindowTitle(context_.text(statstext::RankingCaption, "Players statistics"));
  auto* root = new QVBoxLayout(this);
  games_ = new QComboBox(this);
  games_->setObjectName(QStringLiteral("cboGiochi"));
  for (const int index : context_.gamesByName()) {
    games_->addItem(context_.gameName(index), index);
    if (index == gameIndex) games_->setCurrentIndex(games_->count() - 1);
  }
  root->addWidget(games_);
  auto* body = new QHBoxLayout;
  chart_ = new BarChart(this);
  chart_->setObjectName(QStringLiteral("grafPlayer"));
  chart_->setMinimumSize(420, 300);
  body->addWidget(chart_, 1);
  auto* side = new QVBoxLayout;
  auto* values = new QGroupBox(context_.text(statstext::SeriesValues, "Series values "), this);
  values->setObjectName(QStringLiteral("rgbTypeVal"));
  auto* choices = new QVBoxLayout(values);
  wonShare_ = new QRadioButton(context_.text(statstext::GamesWonShare, "% Games won"), values);
  average_ = new QRadioButton(context_.text(statstext::AverageScore, "Average score"), values);
  wonShare_->setChecked(true);
  choices->addWidget(wonShare_);
  choices->addWidget(average_);
  side->addWidget(values);
  side->addStretch(1);
  auto* hiScores = new QPushButton(context_.text(statstext::PlayersHiScores, "Hi-Scores..."), this);
  hiScores->setObjectName(QStringLiteral("btnHiScores"));
  hiScores->setAutoDefault(false);
  auto* ok = new QPushButton(context_.text(statstext::Ok, "OK"), this);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  side->addWidget(hiScores);
  side->addWidget(ok);
  body->addLayout(side);
  root->addLayout(body, 1);

  connect(games_, &QComboBox::currentIndexChanged, this, &PlayersRankingDialog::rebuild);
  connect(average_, &QRadioButton::toggled, this, &PlayersRankingDialog::rebuild);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(hiScores, &QPushButton::clicked, this, [this] {
    HiScoreDialog dialog(context_, games_->currentData().toInt(), -1, this);
    dialog.exec();
  });
  rebuild();
}

void PlayersRankingDialog::rebuild() {
  const stats::RankingValue value =
      average_->isChecked() ? stats::RankingValue::AverageScore : stats::RankingValue::WonPercent;
  const std::vector<stats::RankedPlayer> ranked =
      stats::rankPlayers(stats::StatisticsFile(context_.resultFiles().statistics), games_->currentData().toInt(),
                         toNames(context_.players()), value);
  std::vector<ChartBar> bars;
  for (std::size_t i = 0; i < ranked.size() && i < kShownPlayers; ++i)
    bars.push_back({QString::fromStdString(ranked[i].name), static_cast<double>(ranked[i].value), kBarColours[i]});
  chart_->setBars(bars, true, true);
}

}  // namespace quilloro
