// The congratulation for a new hi-score.
#include "stats/windows/new_hi_score_dialog.hpp"

#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/settings_store.hpp"
#include "app/widgets/sound_player.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/windows/statistics_context.hpp"
#include "stats/windows/statistics_texts.hpp"

namespace quilloro {

namespace {
constexpr int kShortNameLength = 30;
}

QString hiScorePlaceText(const StatisticsContext& context, int position) {
  QString suffix;
  if (position == 1) suffix = context.text(statstext::First, "st");
  else if (position == 2) suffix = context.text(statstext::Second, "nd");
  else if (position == 3) suffix = context.text(statstext::Third, "rd");
  else suffix = context.text(statstext::Other, "th");
  return QString::number(position) + suffix + context.text(statstext::Best, " best");
}

NewHiScoreDialog::NewHiScoreDialog(const StatisticsContext& context, const NewHiScore& entry, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmNewHiScore"));
  setWindowTitle(context.text(statstext::Compliments, "Compliments!"));
  auto* root = new QVBoxLayout(this);

  const QString name = QString::fromStdString(entry.gameName).left(kShortNameLength).trimmed();
  game_ = new QLabel(context.text(statstext::YouEntered, "You entered the ") + name + QLatin1Char(' ') +
                         context.text(statstext::HiScoresExclaimed, "Hi-Scores!"),
                     this);
  game_->setObjectName(QStringLiteral("lblGame"));
  QFont big = game_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.2);
  game_->setFont(big);
  root->addWidget(game_);

  auto* middle = new QHBoxLayout;
  auto* form = new QFormLayout;
  auto value = [this](const QString& text, const char* objectName) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromUtf8(objectName));
    return l;
  };
  form->addRow(context.text(statstext::PlayerLabel, "Player:"),
               value(QString::fromStdString(entry.player).trimmed(), "lblPlayer"));
  form->addRow(context.text(statstext::ColumnScore, "Score") + QLatin1Char(':'),
               value(QString::number(entry.score), "lblScore"));
  form->addRow(context.text(statstext::ColumnTime, "Time") + QLatin1Char(':'),
               value(QString::fromStdString(stats::elapsedTimeText(entry.elapsedSeconds)), "lblTime"));
  middle->addLayout(form, 1);

  auto* place = new QVBoxLayout;
  position_ = new QLabel(hiScorePlaceText(context, entry.position), this);
  position_->setObjectName(QStringLiteral("pnlPosition"));
  position_->setAlignment(Qt::AlignCenter);
  position_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  position_->setFont(big);
  position_->setMinimumWidth(position_->fontMetrics().horizontalAdvance(position_->text()) + 24);
  place->addWidget(position_);
  gauge_ = new QProgressBar(this);
  gauge_->setObjectName(QStringLiteral("gaugPosition"));
  gauge_->setRange(0, stats::kHiScorePlaces);
  gauge_->setValue(stats::kHiScorePlaces + 1 - entry.position);
  gauge_->setTextVisible(false);
  place->addWidget(gauge_);
  middle->addLayout(place);
  root->addLayout(middle);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* ok = new QPushButton(context.text(statstext::Ok, "OK"), this);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* table = new QPushButton(context.text(statstext::HiScoresButton, "Hi-Scores..."), this);
  table->setObjectName(QStringLiteral("btnHiScores"));
  table->setAutoDefault(false);
  buttons->addWidget(ok);
  buttons->addWidget(table);
  root->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(table, &QPushButton::clicked, this, [this] {
    tableWanted_ = true;
    hide();
    accept();
  });

  if (context.sounds != nullptr && context.store != nullptr)
    context.sounds->play("Scores.wav", context.store->get(field::SoundsNewHiScores) == "Y");
}

QString NewHiScoreDialog::positionText() const { return position_->text(); }
QString NewHiScoreDialog::gameText() const { return game_->text(); }

}  // namespace quilloro
