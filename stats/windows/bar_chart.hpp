// A bar chart whose bars each have their own colour, for the statistics windows.
#pragma once

#include <QChartView>
#include <QColor>
#include <QString>
#include <vector>

namespace quilloro {

struct ChartBar {
  QString label;
  double value = 0;
  QColor colour;
};

class BarChart : public QChartView {
 public:
  explicit BarChart(QWidget* parent = nullptr);

  // Replaces the bars; values are written on the bars when marks is set.
  // The value axis starts at 0, or, when lowerFollowsSmallest is set, at half
  // the smallest value (1.5 times it when it is negative).
  void setBars(const std::vector<ChartBar>& bars, bool marks, bool lowerFollowsSmallest = false);
  double axisLow() const { return axisLow_; }
  const std::vector<ChartBar>& bars() const { return bars_; }

 private:
  std::vector<ChartBar> bars_;
  double axisLow_ = 0;
};

}  // namespace quilloro
