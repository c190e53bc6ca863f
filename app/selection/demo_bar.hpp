// The demo bar under the toolbar: steps through the recorded game of the
// current game kind, a few moves at a time, with its scroll bar, or by itself.
#pragma once

#include <QWidget>

#include "app/selection/selection_texts.hpp"

class QButtonGroup;
class QLabel;
class QScrollBar;
class QTimer;
class QToolButton;

namespace quilloro {

class GameSession;
class SettingsRecord;

class DemoBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 26;

  explicit DemoBar(GameSession* session, QWidget* parent = nullptr);

  // The hints of the controls in the language of textOf.
  void setTexts(const TextLookup& textOf);
  // After the session's demo started: the table shows position 1 of last.
  void begin(int lastPosition);
  int position() const { return position_; }
  int lastPosition() const { return last_; }
  // "position/last", as the position display shows it.
  QString positionText() const;
  QScrollBar* scrollBar() const { return scroll_; }
  // Play steps one move each interval until Stop, the end or another control.
  void setPlayInterval(int milliseconds);
  // From now on Play takes its interval from the card-speed preference of the
  // settings, read afresh at each step, so that a changed speed applies at once.
  void followCardSpeed(const SettingsRecord* settings);
  int playInterval() const;
  bool playing() const;
  QToolButton* playButton() const { return play_; }
  QToolButton* stopButton() const { return stop_; }

 public Q_SLOTS:
  void first();
  void prior();
  void next();
  void last();
  // From the position the table shows to another, the scroll bar following.
  void goTo(int to);

 Q_SIGNALS:
  // "Close": the main window leaves demo mode.
  void closeRequested();
  void positionChanged(int position);

 private:
  void releasePlayStop();
  void scrolled(int value);
  void playStep();
  void takeCardSpeed();
  void showPosition();

  GameSession* session_;
  int position_ = 1;
  int last_ = 1;
  // Set while the buttons move the scroll bar, so that it does not step again.
  bool settingBar_ = false;

  QToolButton* first_ = nullptr;
  QToolButton* prior_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  QToolButton* next_ = nullptr;
  QToolButton* lastButton_ = nullptr;
  QLabel* count_ = nullptr;
  QToolButton* play_ = nullptr;
  QToolButton* stop_ = nullptr;
  QButtonGroup* playStop_ = nullptr;
  QToolButton* close_ = nullptr;
  QTimer* playTimer_ = nullptr;
  const SettingsRecord* cardSpeed_ = nullptr;
};

}  // namespace quilloro
