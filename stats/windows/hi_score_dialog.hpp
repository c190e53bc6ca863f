// The hi-score window: the 20 best results of a game, chosen from the list of games.
#pragma once

#include <QDialog>

class QComboBox;
class QMenu;
class QTableWidget;

namespace quilloro {

struct StatisticsContext;

class HiScoreDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the table of the game (the current one when -1) with row selected (0 to 19, or none).
  HiScoreDialog(const StatisticsContext& context, int gameIndex = -1, int row = -1, QWidget* parent = nullptr);

  QComboBox* games() const { return games_; }
  QTableWidget* scores() const { return scores_; }
  QMenu* popup() const { return popup_; }
  // The table of the game chosen in the list.
  void showChosenGame();
  // "Clear scores" of the pop-up menu: after the question, every table is emptied.
  void clearScores();

 private:
  const StatisticsContext& context_;
  QComboBox* games_;
  QTableWidget* scores_;
  QMenu* popup_;
};

// The column headings of the table.
QStringList hiScoreHeadings(const StatisticsContext& context);

}  // namespace quilloro
