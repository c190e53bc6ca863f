// The table area of the main window: shows the finished table picture and passes the pointer on.
#include "app/window/table_widget.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace quilloro {
namespace {

constexpr int kFirstShape = 10;
constexpr int kLastShape = 14;
constexpr int kDefaultShape = 11;

}  // namespace

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel comes from the surface: nothing needs erasing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // The table takes the keyboard: arrows move the focus frame over the cards.
  setFocusPolicy(Qt::StrongFocus);
  applyPointer();
}

namespace {

QRect areaOf(const TableMark& mark) {
  const PixelRect area = markArea(mark);
  return {area.left, area.top, area.width, area.height};
}

}  // namespace

void TableWidget::setMarks(std::vector<TableMark> marks) {
  if (marks == marks_) return;
  QRegion changed;
  for (const TableMark& mark : marks_) changed += areaOf(mark);
  for (const TableMark& mark : marks) changed += areaOf(mark);
  marks_ = std::move(marks);
  update(changed);
}

QImage TableWidget::composed(const QRect& rect) const {
  PixelSurface part = surface_.cropped({rect.x(), rect.y(), rect.width(), rect.height()});
  drawTableMarks(part, marks_, rect.x(), rect.y());
  const QImage view(reinterpret_cast<const uchar*>(part.row(0)), part.width(), part.height(),
                    static_cast<qsizetype>(part.width()) * 4, QImage::Format_RGB32);
  return view.copy();
}

bool TableWidget::fitSurface() {
  if (surface_.width() == width() && surface_.height() == height()) return false;
  surface_.resize(width(), height());
  return true;
}

void TableWidget::setPointerShape(int id) {
  shapeId_ = id >= kFirstShape && id <= kLastShape ? id : kDefaultShape;
  applyPointer();
}

void TableWidget::setDragging(bool dragging) {
  dragging_ = dragging;
  applyPointer();
}

void TableWidget::applyPointer() { setCursor(shapes_.shape(pointerShape())); }

QImage TableWidget::picture() const {
  if (surface_.empty()) return {};
  return composed({0, 0, surface_.width(), surface_.height()});
}

void TableWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (surface_.empty()) {
    painter.fillRect(event->rect(), Qt::black);
    return;
  }
  const QImage view(reinterpret_cast<const uchar*>(surface_.row(0)), surface_.width(), surface_.height(),
                    static_cast<qsizetype>(surface_.width()) * 4, QImage::Format_RGB32);
  const QRect area = event->rect().intersected(view.rect());
  bool marked = false;
  for (const TableMark& mark : marks_) marked = marked || areaOf(mark).intersects(area);
  // The frames go over a copy of the part being shown, never into the surface.
  if (marked && !area.isEmpty()) painter.drawImage(area.topLeft(), composed(area));
  else painter.drawImage(area.topLeft(), view, area);
  const QRegion uncovered = QRegion(event->rect()).subtracted(QRegion(view.rect()));
  for (const QRect& rect : uncovered) painter.fillRect(rect, Qt::black);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Q_EMIT resized();
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
  Q_EMIT pointerPressed();
  if (handler_ == nullptr) return;
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) handler_->press(PointerButton::Left, at.x(), at.y());
  else if (event->button() == Qt::RightButton) handler_->press(PointerButton::Right, at.x(), at.y());
  else if (event->button() == Qt::MiddleButton) handler_->press(PointerButton::Middle, at.x(), at.y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
  if (handler_ == nullptr) return;
  const QPoint at = event->position().toPoint();
  handler_->move(at.x(), at.y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (handler_ != nullptr && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
    handler_->release();
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (handler_ == nullptr || event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  handler_->doubleClick(at.x(), at.y());
}

void TableWidget::keyPressEvent(QKeyEvent* event) {
  if (keyHandler_ && event->modifiers() == Qt::NoModifier && keyHandler_(event->key())) return;
  if (keyHandler_ && event->modifiers() == Qt::KeypadModifier && keyHandler_(event->key())) return;
  QWidget::keyPressEvent(event);
}

// Tab stays on the table rather than leaving it for the toolbar.
bool TableWidget::focusNextPrevChild(bool /*next*/) { return false; }

}  // namespace quilloro
