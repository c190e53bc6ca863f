// The demo bar's buttons, scroll bar and position display.
#include "app/selection/demo_bar.hpp"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "app/selection/demo_play_pace.hpp"
#include "engine/game_session.hpp"

namespace quilloro {

namespace {

constexpr int kStep = 3;

// Until the bar follows a card-speed preference: the pace of the normal card speed.
constexpr int kDefaultPlayInterval = kLeastDemoPause * 2;

enum class Glyph { First, Prior, Next, Last, Play, Stop, Close };

// The buttons' pictures: dark shapes on a clear ground, drawn at the size they are shown.
QIcon glyphIcon(Glyph glyph) {
  constexpr int kSide = 16;
  QPixmap picture(kSide, kSide);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(30, 40, 60);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  auto triangle = [&p](double tipX, double baseX) {
    QPainterPath path;
    path.moveTo(baseX, 3);
    path.lineTo(tipX, 8);
    path.lineTo(baseX, 13);
    path.closeSubpath();
    p.drawPath(path);
  };
  switch (glyph) {
    case Glyph::First: p.drawRect(QRectF(3, 3, 2, 10)); triangle(5, 12); break;
    case Glyph::Prior: triangle(2, 8); triangle(8, 14); break;
    case Glyph::Next: triangle(8, 2); triangle(14, 8); break;
    case Glyph::Last: triangle(11, 4); p.drawRect(QRectF(11, 3, 2, 10)); break;
    case Glyph::Play: triangle(13, 4); break;
    case Glyph::Stop: p.drawRect(QRectF(4, 4, 8, 8)); break;
    case Glyph::Close: {
      QPen pen(ink, 2.2, Qt::SolidLine, Qt::RoundCap);
      p.setPen(pen);
      p.drawLine(QPointF(4, 4), QPointF(12, 12));
      p.drawLine(QPointF(12, 4), QPointF(4, 12));
      break;
    }
  }
  return QIcon(picture);
}

QToolButton* makeButton(QWidget* parent, const char* name, const char* hint, Glyph glyph) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setToolTip(QString::fromUtf8(hint));
  button->setAutoRaise(true);
  button->setFixedSize(24, 22);
  button->setIcon(glyphIcon(glyph));
  button->setIconSize(QSize(16, 16));
  return button;
}

}  // namespace

void DemoBar::setTexts(const TextLookup& textOf) {
  first_->setToolTip(textOf(seltext::DemoFirst, "First"));
  prior_->setToolTip(textOf(seltext::DemoPrevious, "Previous 3 moves"));
  scroll_->setToolTip(textOf(seltext::DemoScroll, "Previous/Next move"));
  next_->setToolTip(textOf(seltext::DemoNext, "Next 3 moves"));
  lastButton_->setToolTip(textOf(seltext::DemoLast, "Last"));
  play_->setToolTip(textOf(seltext::DemoPlay, "Play"));
  stop_->setToolTip(textOf(seltext::DemoStop, "Stop"));
  close_->setToolTip(textOf(seltext::DemoClose, "Close"));
}

DemoBar::DemoBar(GameSession* session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("pnlDemo"));
  setFixedHeight(kHeight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);

  first_ = makeButton(this, "btnDemoFirst", "First", Glyph::First);
  prior_ = makeButton(this, "btnDemoPrior", "Previous 3 moves", Glyph::Prior);
  scroll_ = new QScrollBar(Qt::Horizontal, this);
  scroll_->setObjectName(QStringLiteral("scbDemoMove"));
  scroll_->setToolTip(QStringLiteral("Previous/Next move"));
  scroll_->setMinimum(1);
  scroll_->setMaximum(1);
  scroll_->setPageStep(kStep);
  scroll_->setFixedWidth(160);
  next_ = makeButton(this, "btnDemoNext", "Next 3 moves", Glyph::Next);
  lastButton_ = makeButton(this, "btnDemoLast", "Last", Glyph::Last);
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("pnlDemoCount"));
  count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  count_->setAlignment(Qt::AlignCenter);
  count_->setMinimumWidth(64);
  play_ = makeButton(this, "btnDemoPlay", "Play", Glyph::Play);
  stop_ = makeButton(this, "btnDemoStop", "Stop", Glyph::Stop);
  // Play and Stop form one group of toggles: Play steps by itself while it is down.
  playStop_ = new QButtonGroup(this);
  for (QToolButton* button : {play_, stop_}) {
    button->setCheckable(true);
    playStop_->addButton(button);
  }
  playTimer_ = new QTimer(this);
  playTimer_->setInterval(kDefaultPlayInterval);
  connect(playTimer_, &QTimer::timeout, this, &DemoBar::playStep);
  connect(play_, &QToolButton::toggled, this, [this](bool down) {
    if (down && position_ < last_) {
      takeCardSpeed();
      playTimer_->start();
    } else {
      playTimer_->stop();
    }
  });
  close_ = makeButton(this, "btnDemoClose", "Close", Glyph::Close);

  for (QWidget* widget : std::initializer_list<QWidget*>{first_, prior_, scroll_, next_, lastButton_, count_, play_,
                                                         stop_, close_})
    row->addWidget(widget);
  row->addStretch(1);

  setTexts(englishText);

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

void DemoBar::setPlayInterval(int milliseconds) {
  cardSpeed_ = nullptr;
  playTimer_->setInterval(std::max(milliseconds, 1));
}

void DemoBar::followCardSpeed(const SettingsRecord* settings) {
  cardSpeed_ = settings;
  takeCardSpeed();
}

int DemoBar::playInterval() const { return playTimer_->interval(); }

void DemoBar::takeCardSpeed() {
  if (cardSpeed_ != nullptr) playTimer_->setInterval(demoPlayPause(*cardSpeed_));
}

bool DemoBar::playing() const { return playTimer_->isActive(); }

void DemoBar::playStep() {
  if (position_ >= last_) {
    releasePlayStop();
    return;
  }
  goTo(position_ + 1);
  if (position_ >= last_) releasePlayStop();
  else takeCardSpeed();
}

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
  // The bar following the buttons or the playing is no control of the player's.
  if (settingBar_) return;
  releasePlayStop();
  if (scroll_->isSliderDown()) return;
  // The table still shows the position from before the drag or the step.
  if (value != position_) goTo(value);
}

}  // namespace quilloro
