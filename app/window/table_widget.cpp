// The table area of the main window: shows the finished table picture and passes the pointer on.
#include "app/window/table_widget.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

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

int TableWidget::storedWidth() const {
  return static_cast<int>(std::lround(width() * (zoom_ != nullptr ? zoom_->devicePixelRatio() : 1.0)));
}

int TableWidget::storedHeight() const {
  return static_cast<int>(std::lround(height() * (zoom_ != nullptr ? zoom_->devicePixelRatio() : 1.0)));
}

void TableWidget::setMarks(std::vector<TableMark> marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  update();
}

PixelSurface TableWidget::withMarks() const {
  // The frames go over a copy, in table pixels, so they follow the zoom as the cards do.
  PixelSurface copy = surface_;
  drawTableMarks(copy, marks_, 0, 0);
  return copy;
}

bool TableWidget::fitSurface() {
  const double scale = zoom_ != nullptr ? zoom_->scale() : 1.0;
  if (surface_.storedWidth() == storedWidth() && surface_.storedHeight() == storedHeight() && surface_.scale() == scale)
    return false;
  surface_.resizeStored(storedWidth(), storedHeight(), scale);
  return true;
}

QPoint TableWidget::tablePoint(const QPointF& at) const {
  if (zoom_ == nullptr) return at.toPoint();
  return {zoom_->tableCoordinate(at.x()), zoom_->tableCoordinate(at.y())};
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
  const PixelSurface shown = marks_.empty() ? surface_ : withMarks();
  // The surface's pixels are 0xAARRGGBB words, which is the window system's own 32-bit layout.
  const QImage view(reinterpret_cast<const uchar*>(shown.row(0)), shown.storedWidth(), shown.storedHeight(),
                    static_cast<qsizetype>(shown.storedWidth()) * 4, QImage::Format_RGB32);
  return view.copy();
}

void TableWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (surface_.empty()) {
    painter.fillRect(event->rect(), Qt::black);
    return;
  }
  PixelSurface marked;
  const PixelSurface* shown = &surface_;
  if (!marks_.empty()) {
    marked = withMarks();
    shown = &marked;
  }
  QImage view(reinterpret_cast<const uchar*>(shown->row(0)), shown->storedWidth(), shown->storedHeight(),
              static_cast<qsizetype>(shown->storedWidth()) * 4, QImage::Format_RGB32);
  // The surface holds the screen's own pixels: shown one to one on a high-density screen too.
  const double ratio = zoom_ != nullptr ? zoom_->devicePixelRatio() : 1.0;
  view.setDevicePixelRatio(ratio);
  const QRect shownRect(0, 0, static_cast<int>(shown->storedWidth() / ratio), static_cast<int>(shown->storedHeight() / ratio));
  const QRect area = event->rect().intersected(shownRect);
  const QRectF source(area.left() * ratio, area.top() * ratio, area.width() * ratio, area.height() * ratio);
  painter.drawImage(QRectF(area), view, source);
  const QRegion uncovered = QRegion(event->rect()).subtracted(QRegion(shownRect));
  for (const QRect& rect : uncovered) painter.fillRect(rect, Qt::black);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Q_EMIT resized();
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
  Q_EMIT pointerPressed();
  if (handler_ == nullptr) return;
  const QPoint at = tablePoint(event->position());
  if (event->button() == Qt::LeftButton) handler_->press(PointerButton::Left, at.x(), at.y());
  else if (event->button() == Qt::RightButton) handler_->press(PointerButton::Right, at.x(), at.y());
  else if (event->button() == Qt::MiddleButton) handler_->press(PointerButton::Middle, at.x(), at.y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
  if (handler_ == nullptr) return;
  const QPoint at = tablePoint(event->position());
  handler_->move(at.x(), at.y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (handler_ != nullptr && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
    handler_->release();
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (handler_ == nullptr || event->button() != Qt::LeftButton) return;
  const QPoint at = tablePoint(event->position());
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
