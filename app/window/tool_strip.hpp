// One of the two toolbars: the ten command buttons at their fixed places, large or small.
#pragma once

#include <QFrame>
#include <array>

#include "app/window/toolbar_icons.hpp"

class QToolButton;

namespace quilloro {

class ToolStrip : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kLargeHeight = 46;
  static constexpr int kSmallHeight = 30;

  ToolStrip(bool large, QWidget* parent = nullptr);

  bool large() const { return large_; }
  QToolButton* button(ToolButton which) const { return buttons_[static_cast<std::size_t>(which)]; }
  // Flat buttons rise only under the pointer; raised ones always look pressable.
  void setFlat(bool flat);
  bool flat() const { return flat_; }
  // The right edge of the Exit button, in the strip's coordinates.
  int exitRight() const;

 Q_SIGNALS:
  void clicked(ToolButton which);
  void popupRequested(const QPoint& globalPosition);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool large_;
  bool flat_ = true;
  std::array<QToolButton*, kToolButtonCount> buttons_{};
};

// The tool tip of each button.
QString toolTipOf(ToolButton which);

}  // namespace quilloro
