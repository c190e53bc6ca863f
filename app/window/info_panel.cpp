// A small panel of the toolbar strip: a bold label and a right-aligned value ("Time:", "Score:").
#include "app/window/info_panel.hpp"

#include <QContextMenuEvent>
#include <algorithm>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

namespace quilloro {
namespace {

constexpr int kSideMargin = 3;
constexpr int kCaptionGap = 4;

}  // namespace

InfoPanel::InfoPanel(const QString& label, const QString& value, int width, int height, const QString& widestValue,
                     QWidget* parent)
    : QFrame(parent),
      value_(new QLabel(value, this)),
      caption_(new QLabel(label, this)),
      designWidth_(width),
      widestValue_(widestValue) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setFixedSize(width, height);
  setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
  layout->setSpacing(kCaptionGap);
  // The panels are small: their text has a size of its own.
  QFont small = font();
  small.setPixelSize(11);
  value_->setFont(small);
  QFont bold = small;
  bold.setBold(true);
  caption_->setFont(bold);
  layout->addWidget(caption_);
  value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(value_, 1);
  setCursor(Qt::ArrowCursor);
  fitWidth();
}

void InfoPanel::setValue(const QString& value) {
  value_->setText(value);
  fitWidth();
}

QString InfoPanel::value() const { return value_->text(); }

void InfoPanel::setLabel(const QString& label) {
  caption_->setText(label);
  fitWidth();
}

QString InfoPanel::label() const { return caption_->text(); }

int InfoPanel::neededWidth() const {
  const QFontMetrics captionMetrics(caption_->font());
  const QFontMetrics valueMetrics(value_->font());
  const int valueWidth =
      std::max(valueMetrics.horizontalAdvance(value_->text()), valueMetrics.horizontalAdvance(widestValue_));
  // A pixel of air on each side of the texts keeps them clear of the frame.
  return 2 * frameWidth() + 2 * kSideMargin + captionMetrics.horizontalAdvance(caption_->text()) + kCaptionGap +
         valueWidth + 2;
}

void InfoPanel::fitWidth() {
  const int wanted = std::max(designWidth_, neededWidth());
  if (wanted == width()) return;
  const bool grew = wanted > width();
  setFixedWidth(wanted);
  if (grew) Q_EMIT widened();
}

bool InfoPanel::showsWholeText() const {
  const QFontMetrics captionMetrics(caption_->font());
  const QFontMetrics valueMetrics(value_->font());
  return caption_->width() >= captionMetrics.horizontalAdvance(caption_->text()) &&
         value_->width() >= valueMetrics.horizontalAdvance(value_->text()) && width() >= neededWidth();
}

void InfoPanel::contextMenuEvent(QContextMenuEvent* event) { Q_EMIT popupRequested(event->globalPos()); }

}  // namespace quilloro
