// The players of one game ranked by won share or average score, the best five in a chart.
#pragma once

#include <QDialog>

#include "stats/player_ranking.hpp"

class QComboBox;
class QRadioButton;

namespace quilloro {

class BarChart;
struct StatisticsContext;

class PlayersRankingDialog : public QDialog {
  Q_OBJECT

 public:
  PlayersRankingDialog(const StatisticsContext& context, int gameIndex, QWidget* parent = nullptr);

  QComboBox* games() const { return games_; }
  QRadioButton* averageScore() const { return average_; }
  BarChart* chart() const { return chart_; }
  void rebuild();

 private:
  const StatisticsContext& context_;
  QComboBox* games_;
  QRadioButton* wonShare_;
  QRadioButton* average_;
  BarChart* chart_;
};

}  // namespace quilloro
