// One of the two toolbars: the ten command buttons at their fixed places, large or small.
#include "app/window/tool_strip.hpp"

#include <QContextMenuEvent>
#include <QPainter>
#include <QToolButton>

namespace quilloro {
namespace {

constexpr std::array<int, kToolButtonCount> kLargeLefts{5, 49, 101, 145, 197, 241, 285, 337, 381, 433};
constexpr std::array<int, kToolButtonCount> kSmallLefts{5, 28, 59, 82, 113, 136, 159, 190, 213, 244};
constexpr std::array<int, 4> kSmallSeparators{54, 108, 185, 239};
constexpr int kLargeButtonWidth = 44;
constexpr int kSmallButtonWidth = 23;
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;

}  // namespace

QString toolTipOf(ToolButton which) {
  static const std::array<const char*, kToolButtonCount> tips{"New",  "Open",     "Restart",    "Save",  "Undo",
                                                              "Redo", "Autoplay", "Statistics", "Rules", "Exit"};
  return QString::fromLatin1(tips[static_cast<std::size_t>(which)]);
}

ToolStrip::ToolStrip(bool large, QWidget* parent) : QFrame(parent), large_(large) {
  setAutoFillBackground(true);
  const int height = large ? kLargeHeight : kSmallHeight;
  const int width = large ? kLargeButtonWidth : kSmallButtonWidth;
  const int icon = large ? kLargeIcon : kSmallIcon;
  const auto& lefts = large ? kLargeLefts : kSmallLefts;
  setFixedHeight(height);
  for (int i = 0; i < kToolButtonCount; ++i) {
    const auto which = static_cast<ToolButton>(i);
    auto* button = new QToolButton(this);
    button->setIcon(toolbarIcon(which, icon));
    button->setIconSize(QSize(icon, icon));
    button->setToolTip(toolTipOf(which));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCheckable(which == ToolButton::Autoplay);
    button->setGeometry(lefts[static_cast<std::size_t>(i)], 2, width, height - 4);
    // Over the toolbar the system's own pointer shows.
    button->setCursor(Qt::ArrowCursor);
    connect(button, &QToolButton::clicked, this, [this, which] { Q_EMIT clicked(which); });
    buttons_[static_cast<std::size_t>(i)] = button;
  }
  setCursor(Qt::ArrowCursor);
}

void ToolStrip::setFlat(bool flat) {
  flat_ = flat;
  for (QToolButton* button : buttons_) button->setAutoRaise(flat);
}

int ToolStrip::exitRight() const {
  const QRect exit = button(ToolButton::Exit)->geometry();
  return exit.x() + exit.width();
}

void ToolStrip::contextMenuEvent(QContextMenuEvent* event) { Q_EMIT popupRequested(event->globalPos()); }

void ToolStrip::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (large_) return;
  QPainter p(this);
  for (const int x : kSmallSeparators) {
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(x, 3, x, height() - 4);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(x + 1, 3, x + 1, height() - 4);
  }
}

}  // namespace quilloro
