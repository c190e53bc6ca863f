// The table area of the main window: shows the finished table picture and passes the pointer on.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "app/widgets/pointer_shapes.hpp"
#include "app/window/table_pointer_handler.hpp"
#include "table/pixel_surface.hpp"
#include "table/table_marks.hpp"
#include "table/table_zoom.hpp"

namespace quilloro {

class TableWidget : public QWidget {
  Q_OBJECT

 public:
  explicit TableWidget(QWidget* parent = nullptr);

  // The window surface the table is drawn onto: as many stored pixels as the
  // screen shows of the widget, at the zoom's scale.
  PixelSurface& surface() { return surface_; }
  const PixelSurface& surface() const { return surface_; }
  // Gives the surface the widget's size and the zoom's scale again; answers whether it changed.
  bool fitSurface();

  // The zoom the surface and the pointer follow; without one the table is at scale 1.
  void setZoom(const TableZoom* zoom) { zoom_ = zoom; }
  // The widget's size in the screen's own pixels.
  int storedWidth() const;
  int storedHeight() const;

  // Until a handler is set, pointer presses on the table do nothing.
  void setPointerHandler(TablePointerHandler* handler) { handler_ = handler; }
  TablePointerHandler* pointerHandler() const { return handler_; }

  void loadPointerShapes(const std::filesystem::path& programDirectory) { shapes_.load(programDirectory); }
  // The table's pointer, 10 to 14; while dragging the same kind's "B" shape (id + 10) shows.
  void setPointerShape(int id);
  void setDragging(bool dragging);
  int pointerShape() const { return dragging_ ? shapeId_ + 10 : shapeId_; }
  const PointerShapes& pointerShapes() const { return shapes_; }

  // The frames shown over the table (keyboard focus, hint); the surface
  // itself is left as it is.
  void setMarks(std::vector<TableMark> marks);
  const std::vector<TableMark>& marks() const { return marks_; }

  // The table's keys (arrows, Space, Return, Esc): the handler answers
  // whether it used the key.
  void setKeyHandler(std::function<bool(int key)> handler) { keyHandler_ = std::move(handler); }

  // The whole surface with the frames over it, as the player sees it.
  QImage picture() const;

 Q_SIGNALS:
  void resized();
  // A mouse button went down on the table.
  void pointerPressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void applyPointer();
  // A window position as table pixels.
  QPoint tablePoint(const QPointF& at) const;

  // The surface with the frames drawn over a copy of it; the surface itself when there are none.
  PixelSurface withMarks() const;

  PixelSurface surface_;
  const TableZoom* zoom_ = nullptr;
  std::vector<TableMark> marks_;
  std::function<bool(int key)> keyHandler_;
  TablePointerHandler* handler_ = nullptr;
  PointerShapes shapes_;
  int shapeId_ = 11;
  bool dragging_ = false;
};

}  // namespace quilloro
