// The demo bar's buttons, scroll bar and position display.
#include "app/selection/demo_bar.hpp"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "engine/game_session.hpp"

namespace quilloro {

namespace {

constexpr int kStep = 3;

QToolButton* makeButton(QWidget* parent, const char* name, const char* hint, Qt::ArrowType arrow, const char* text) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setToolTip(QString::fromUtf8(hint));
  button->setAutoRaise(true);
  button->setFixedSize(24, 22);
  if (arrow != Qt::NoArrow) button->setArrowType(arrow);
  if (text != nullptr) button->setText(QString::fromUtf8(text));
  return button;
}

}  // namespace

DemoBar::DemoBar(GameSession* session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("pnlDemo"));
  setFixedHeight(kHeight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);

  first_ = makeButton(this, "btnDemoFirst", "First", Qt::NoArrow, "|<");
  prior_ = makeButton(this, "btnDemoPrior", "Previous 3 moves", Qt::NoArrow, "<<");
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setObjectName(QStringLiteral("scbDemoMove"));
  scroll_->setToolTip(QStringLiteral("Previous/Next move"));
  scroll_->setMinimum(1);
  scroll_->setMaximum(1);
  scroll_->setPageStep(kStep);
  scroll_->setFixedWidth(160);
  next_ = makeButton(this, "btnDemoNext", "Next 3 moves", Qt::NoArrow, ">>");
  lastButton_ = makeButton(this, "btnDemoLast", "Last", Qt::NoArrow, ">|");
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("pnlDemoCount"));
  count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  count_->setAlignment(Qt::AlignCenter);
  count_->setMinimumWidth(64);
  play_ = makeButton(this, "btnDemoPlay", "Play", Qt::RightArrow, nullptr);
  stop_ = makeButton(this, "btnDemoStop", "Stop", Qt::NoArrow, "[]");
  // Play and Stop form one group of toggles and carry no action of their own.
  playStop_ = new QButtonGroup(this);
  for (QToolButton* button : {play_, stop_}) {
    button->setCheckable(true);
    playStop_->addButton(button);
  }
  close_ = makeButton(this, "btnDemoClose", "Close", Qt::NoArrow, "X");

  for (QWidget* widget : std::initializer_list<QWidget*>{first_, prior_, scroll_, next_, lastButton_, count_, play_,
                                                         stop_, close_})
    row->addWidget(widget);
  row->addStretch(1);

  connect(first_, &QToolButton::clicked, this, &DemoBar::first);
  connect(prior_, &QToolButton::clicked, this, &DemoBar::prior);
  connect(next_, &QToolButton::clicked, this, &DemoBar::next);
  connect(lastButton_, &QToolButton::clicked, this, &DemoBar::last);
  connect(close_, &QToolButton::clicked, this, [this] {
    releasePlayStop();
    Q_EMIT closeRequested();
  });
  connect(scroll_, &QScrollBar::valueChanged, this, &DemoBar::scrolled);
  // A dragged thumb moves nothing until it is let go.
  connect(scroll_, &QScrollBar::sliderReleased, this, [this] { scrolled(scroll_->value()); });
  showPosition();
}

void DemoBar::begin(int lastPosition) {
  last_ = std::max(1, lastPosition);
  position_ = 1;
  settingBar_ = true;
  scroll_->setMaximum(last_);
  scroll_->setValue(1);
  settingBar_ = false;
  releasePlayStop();
  showPosition();
}

QString DemoBar::positionText() const { return QStringLiteral("%1/%2").arg(position_).arg(last_); }

void DemoBar::showPosition() { count_->setText(positionText()); }

void DemoBar::releasePlayStop() {
  playStop_->setExclusive(false);
  play_->setChecked(false);
  stop_->setChecked(false);
  playStop_->setExclusive(true);
}

void DemoBar::goTo(int to) {
  to = std::clamp(to, 1, last_);
  if (to != position_) {
    position_ = session_ != nullptr ? session_->goToDemoPosition(position_, to) : to;
    Q_EMIT positionChanged(position_);
  }
  settingBar_ = true;
  scroll_->setValue(position_);
  settingBar_ = false;
  showPosition();
}

void DemoBar::first() {
  releasePlayStop();
  goTo(1);
}

void DemoBar::prior() {
  releasePlayStop();
  goTo(position_ - kStep);
}

void DemoBar::next() {
  releasePlayStop();
  goTo(position_ + kStep);
}

void DemoBar::last() {
  releasePlayStop();
  goTo(last_);
}

void DemoBar::scrolled(int value) {
  releasePlayStop();
  if (settingBar_ || scroll_->isSliderDown()) return;
  // The table still shows the position from before the drag or the step.
  if (value != position_) goTo(value);
}

}  // namespace quilloro
