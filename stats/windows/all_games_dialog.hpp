// One player's results over every game, as totals, this session or series.
#pragma once

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace quilloro {

struct StatisticsContext;

class AllGamesDialog : public QDialog {
  Q_OBJECT

 public:
  AllGamesDialog(const StatisticsContext& context, const QString& player, QWidget* parent = nullptr);

  QComboBox* kind() const { return kind_; }
  QComboBox* players() const { return players_; }
  QTableWidget* grid() const { return grid_; }
  void rebuild();

 private:
  const StatisticsContext& context_;
  QComboBox* kind_;
  QComboBox* players_;
  QTableWidget* grid_;
};

}  // namespace quilloro
