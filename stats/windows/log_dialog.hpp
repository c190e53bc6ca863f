// The result log, newest game first, filtered by game and by player.
#pragma once

#include <QDialog>

class QComboBox;
class QTableView;

namespace quilloro {

class ResultLogModel;
struct StatisticsContext;

class LogDialog : public QDialog {
  Q_OBJECT

 public:
  // The lists start at "[All games]" and "[All players]".
  LogDialog(const StatisticsContext& context, QWidget* parent = nullptr);

  QComboBox* games() const { return games_; }
  QComboBox* players() const { return players_; }
  QTableView* grid() const { return grid_; }
  ResultLogModel* model() const { return model_; }
  void rebuild();

 private:
  QComboBox* games_;
  QComboBox* players_;
  QTableView* grid_;
  ResultLogModel* model_;
};

}  // namespace quilloro
