// The block of totals with its pie.
#include "stats/windows/totals_block.hpp"

#include <QGridLayout>
#include <QLabel>

#include "app/widgets/pie_pictures.hpp"
#include "engine/game_won_summary.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

namespace {
constexpr QSize kChartSize(110, 90);
}

TotalsBlock::TotalsBlock(const StatisticsContext& context, const QString& prefix, QWidget* parent)
    : QWidget(parent), context_(context) {
  auto label = [this](const QString& name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    return l;
  };
  const QString shortPrefix = prefix == QStringLiteral("Tot") ? prefix : QStringLiteral("Ses");
  wonCaption_ = label(QStringLiteral("lbl%1Vin").arg(shortPrefix));
  lostCaption_ = label(QStringLiteral("lbl%1Per").arg(shortPrefix));
  totalCaption_ = label(QStringLiteral("lbl%1NumPar").arg(shortPrefix));
  won_ = label(QStringLiteral("lblGraph%1Won").arg(prefix));
  lost_ = label(QStringLiteral("lblGraph%1Lost").arg(prefix));
  total_ = label(QStringLiteral("lblGraph%1Total").arg(prefix));
  wonPercent_ = label(QStringLiteral("lblGraph%1PercWon").arg(prefix));
  lostPercent_ = label(QStringLiteral("lblGraph%1PercLost").arg(prefix));
  for (QLabel* l : {won_, lost_, total_, wonPercent_, lostPercent_}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  chart_ = label(QStringLiteral("imgGraph%1").arg(prefix));
  chart_->setFixedSize(kChartSize);
  chart_->setAlignment(Qt::AlignCenter);
  chart_->setBackgroundRole(QPalette::Button);
  chart_->setAutoFillBackground(true);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(wonCaption_, 0, 0);
  grid->addWidget(won_, 0, 1);
  grid->addWidget(wonPercent_, 0, 2);
  grid->addWidget(lostCaption_, 1, 0);
  grid->addWidget(lost_, 1, 1);
  grid->addWidget(lostPercent_, 1, 2);
  grid->addWidget(totalCaption_, 2, 0);
  grid->addWidget(total_, 2, 1);
  grid->addWidget(chart_, 0, 3, 3, 1);
  grid->setColumnStretch(1, 1);
}

void TotalsBlock::showCounts(long long won, long long lost) {
  const GameWonSummary summary = summariseTotals({}, won, lost);
  wonCaption_->setText(context_.text(statstext::Won, "Won") + QStringLiteral(":"));
  lostCaption_->setText(context_.text(statstext::Lost, "Lost") + QStringLiteral(":"));
  totalCaption_->setText(context_.text(statstext::TotalCount, "Total") + QStringLiteral(": "));
  won_->setText(QString::number(won));
  lost_->setText(QString::number(lost));
  total_->setText(QString::number(won + lost));
  wonPercent_->setText(summary.played ? percentText(summary.wonPercent) : QString());
  lostPercent_->setText(summary.played ? percentText(summary.lostPercent) : QString());
  pictureName_ = QString::fromStdString(summary.picture);
  exchanged_ = summary.exchangeColours;
  const std::filesystem::path pictures =
      context_.pictureDirectory.empty() ? context_.programDirectory() : context_.pictureDirectory;
  chart_->setPixmap(piePicture(pictures, summary.picture, summary.exchangeColours));
}

QStringList TotalsBlock::labelTexts() const {
  return {wonCaption_->text(), lostCaption_->text(), totalCaption_->text(), won_->text(),
          lost_->text(),       total_->text(),       wonPercent_->text(),   lostPercent_->text()};
}

}  // namespace quilloro
