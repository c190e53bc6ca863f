// A small panel of the toolbar strip: a bold label and a right-aligned value ("Time:", "Score:").
#include "app/window/info_panel.hpp"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace quilloro {

InfoPanel::InfoPanel(const QString& label, const QString& value, int width, int height, QWidget* parent)
    : QFrame(parent), value_(new QLabel(value, this)) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setFixedSize(width, height);
  setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(3, 0, 3, 0);
  layout->setSpacing(1);
  // The panels are small and fixed: their text has a size of its own.
  QFont small = font();
  small.setPixelSize(11);
  value_->setFont(small);
  auto* caption = new QLabel(label, this);
  QFont bold = small;
  bold.setBold(true);
  caption->setFont(bold);
  layout->addWidget(caption);
  value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(value_, 1);
  setCursor(Qt::ArrowCursor);
}

void InfoPanel::setValue(const QString& value) { value_->setText(value); }

QString InfoPanel::value() const { return value_->text(); }

void InfoPanel::contextMenuEvent(QContextMenuEvent* event) { Q_EMIT popupRequested(event->globalPos()); }

}  // namespace quilloro
