// The statistics of one player for one game: totals, this session, series and best times.
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;

namespace quilloro {

class BarChart;
class TotalsBlock;
struct StatisticsContext;

class StatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts at the game and the player given (-1 and empty: the current ones).
  StatisticsDialog(const StatisticsContext& context, int gameIndex = -1, const QString& player = {},
                   QWidget* parent = nullptr);

  QComboBox* games() const { return games_; }
  QComboBox* players() const { return players_; }
  TotalsBlock* total() const { return total_; }
  TotalsBlock* session() const { return session_; }
  BarChart* seriesChart() const { return chart_; }
  QString currentRunText() const;
  // Longest won and lost runs as shown.
  QStringList seriesTexts() const;
  // Fastest and average time of won games as shown.
  QStringList bestTimeTexts() const;
  int chosenGame() const;
  QString chosenPlayer() const;

  // The figures of the chosen player and game, read again.
  void refresh();
  void clearStatistics();
  void showAllGames();
  void showRanking();
  void showLog();
  void showHiScores();

 private:
  const StatisticsContext& context_;
  QComboBox* games_;
  QComboBox* players_;
  QGroupBox* totalGroup_;
  TotalsBlock* total_;
  TotalsBlock* session_;
  QLabel* longestWon_;
  QLabel* longestLost_;
  QLabel* longestWonPercent_;
  QLabel* longestLostPercent_;
  QLabel* currentRun_;
  BarChart* chart_;
  QLabel* fastest_;
  QLabel* average_;
  QLabel* fastestCaption_;
  QLabel* averageCaption_;
};

// "Current: 2 won", "Current: 1 lost", or "Current" without a run.
QString currentRunCaption(const StatisticsContext& context, long long wonRun, long long lostRun);

}  // namespace quilloro
