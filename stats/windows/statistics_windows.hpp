// The entry points of the players, statistics and hi-score windows, as the main window calls them.
#pragma once

#include <QString>
#include <functional>

#include "engine/engine_observer.hpp"
#include "stats/windows/statistics_context.hpp"

class QWidget;

namespace quilloro {

class StatisticsWindows {
 public:
  StatisticsWindows(StatisticsContext context, QWidget* parent);

  // Runs after each window has closed: the table's selection marks are drawn again.
  void setAfterWindow(std::function<void()> after) { after_ = std::move(after); }

  void showPlayers();
  // The statistics of the game and player given (-1 and empty: the current ones).
  void showStatistics(int gameIndex = -1, const QString& player = {});
  // The hi-score table of the game (the current one when -1), row selected when given.
  void showHiScores(int gameIndex = -1, int row = -1);
  // "Compliments!", then the table when the player asks for it.
  void showNewHiScore(const NewHiScore& entry);

  const StatisticsContext& context() const { return context_; }

 private:
  void closed() const;

  StatisticsContext context_;
  QWidget* parent_;
  std::function<void()> after_;
};

}  // namespace quilloro
