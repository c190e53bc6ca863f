// "Compliments!": a result has entered the hi-score table of its game.
#pragma once

#include <QDialog>

#include "engine/engine_observer.hpp"

class QLabel;
class QProgressBar;

namespace quilloro {

struct StatisticsContext;

class NewHiScoreDialog : public QDialog {
  Q_OBJECT

 public:
  NewHiScoreDialog(const StatisticsContext& context, const NewHiScore& entry, QWidget* parent = nullptr);

  // Whether "Hi-Scores..." was chosen: the table is to be shown next.
  bool tableWanted() const { return tableWanted_; }
  QString positionText() const;
  QProgressBar* gauge() const { return gauge_; }
  QString gameText() const;

 private:
  QLabel* position_;
  QLabel* game_;
  QProgressBar* gauge_;
  bool tableWanted_ = false;
};

// The place as the congratulation shows it: "2nd best", "11th best".
QString hiScorePlaceText(const StatisticsContext& context, int position);

}  // namespace quilloro
