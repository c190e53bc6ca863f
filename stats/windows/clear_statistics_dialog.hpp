// The window that clears statistics of one player or all, for one game or all.
#pragma once

#include <QDialog>

class QComboBox;

namespace quilloro {

struct StatisticsContext;

class ClearStatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  // The lists start at the player and the game given (an empty player: all players; -1: all games).
  ClearStatisticsDialog(const StatisticsContext& context, const QString& player, int gameIndex,
                        QWidget* parent = nullptr);

  QComboBox* players() const { return players_; }
  QComboBox* games() const { return games_; }
  // Whether OK cleared something.
  bool cleared() const { return cleared_; }

  void okClicked();

 private:
  const StatisticsContext& context_;
  QComboBox* players_;
  QComboBox* games_;
  bool cleared_ = false;
};

}  // namespace quilloro
