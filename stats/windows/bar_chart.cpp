// Bars of their own colours: one stacked set per bar, empty in every other category.
#include "stats/windows/bar_chart.hpp"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace quilloro {

BarChart::BarChart(QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(2, 2, 2, 2));
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(180, 140);
}

void BarChart::setBars(const std::vector<ChartBar>& bars, bool marks, bool lowerFollowsSmallest) {
  bars_ = bars;
  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* axis : c->axes()) {
    c->removeAxis(axis);
    delete axis;
  }
  auto* series = new QStackedBarSeries;
  QStringList labels;
  double smallest = bars.empty() ? 0 : bars.front().value;
  double high = 0;
  for (std::size_t i = 0; i < bars.size(); ++i) {
    auto* set = new QBarSet(bars[i].label);
    for (std::size_t j = 0; j < bars.size(); ++j) *set << (i == j ? bars[i].value : 0.0);
    set->setColor(bars[i].colour);
    set->setBorderColor(Qt::black);
    // Marks stay readable on dark bars.
    set->setLabelColor(bars[i].colour.lightness() < 100 || bars[i].colour == QColor(Qt::red) ? Qt::white : Qt::black);
    series->append(set);
    labels << bars[i].label;
    smallest = std::min(smallest, bars[i].value);
    high = std::max(high, bars[i].value);
  }
  series->setBarWidth(0.6);
  series->setLabelsVisible(marks);
  series->setLabelsFormat(QStringLiteral("@value"));
  c->addSeries(series);
  auto* categories = new QBarCategoryAxis;
  categories->append(labels);
  c->addAxis(categories, Qt::AlignBottom);
  series->attachAxis(categories);
  auto* values = new QValueAxis;
  axisLow_ = 0;
  if (lowerFollowsSmallest) axisLow_ = smallest < 0 ? smallest * 1.5 : smallest / 2;
  else if (smallest < 0) axisLow_ = smallest * 1.5;
  axisLow_ = std::floor(axisLow_);
  const double top = std::max(std::ceil(high * 1.1), axisLow_ + 1);
  values->setRange(axisLow_, top);
  // Small counts get one mark per unit, larger ones round marks.
  if (top - axisLow_ <= 5) values->setTickCount(static_cast<int>(top - axisLow_) + 1);
  else values->applyNiceNumbers();
  values->setLabelFormat(QStringLiteral("%d"));
  c->addAxis(values, Qt::AlignLeft);
  series->attachAxis(values);
}

}  // namespace quilloro
