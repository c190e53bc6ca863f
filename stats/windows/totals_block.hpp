// Won, lost and total games with their percentages and the pie, as "Game won" shows them.
#pragma once

#include <QWidget>

class QLabel;

namespace quilloro {

struct StatisticsContext;

class TotalsBlock : public QWidget {
 public:
  // prefix names the labels: "Tot" gives lblTotVin, lblGraphTotWon, imgGraphTot ...
  TotalsBlock(const StatisticsContext& context, const QString& prefix, QWidget* parent = nullptr);

  void showCounts(long long won, long long lost);

  // The labels in their order: won, lost, total captions, the counts, the two percentages.
  QStringList labelTexts() const;
  QString pictureName() const { return pictureName_; }
  bool coloursExchanged() const { return exchanged_; }

 private:
  const StatisticsContext& context_;
  QLabel* wonCaption_;
  QLabel* lostCaption_;
  QLabel* totalCaption_;
  QLabel* won_;
  QLabel* lost_;
  QLabel* total_;
  QLabel* wonPercent_;
  QLabel* lostPercent_;
  QLabel* chart_;
  QString pictureName_;
  bool exchanged_ = false;
};

}  // namespace quilloro
