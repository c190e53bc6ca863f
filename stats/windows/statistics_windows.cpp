// Opening the players, statistics and hi-score windows modally.
#include "stats/windows/statistics_windows.hpp"

#include "stats/windows/hi_score_dialog.hpp"
#include "stats/windows/new_hi_score_dialog.hpp"
#include "stats/windows/players_dialog.hpp"
#include "stats/windows/statistics_dialog.hpp"

namespace quilloro {

StatisticsWindows::StatisticsWindows(StatisticsContext context, QWidget* parent)
    : context_(std::move(context)), parent_(parent) {}

void StatisticsWindows::closed() const {
  if (after_) after_();
}

void StatisticsWindows::showPlayers() {
  PlayersDialog dialog(context_, parent_);
  dialog.exec();
  closed();
}

void StatisticsWindows::showStatistics(int gameIndex, const QString& player) {
  StatisticsDialog dialog(context_, gameIndex, player, parent_);
  dialog.exec();
  closed();
}

void StatisticsWindows::showHiScores(int gameIndex, int row) {
  HiScoreDialog dialog(context_, gameIndex, row, parent_);
  dialog.exec();
  closed();
}

void StatisticsWindows::showNewHiScore(const NewHiScore& entry) {
  bool tableWanted = false;
  {
    NewHiScoreDialog dialog(context_, entry, parent_);
    dialog.exec();
    tableWanted = dialog.tableWanted();
  }
  if (tableWanted) showHiScores(context_.currentGame(), entry.position - 1);
  else closed();
}

}  // namespace quilloro
