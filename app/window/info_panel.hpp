// A small panel of the toolbar strip: a bold label and a right-aligned value ("Time:", "Score:").
#pragma once

#include <QFrame>

class QLabel;

namespace quilloro {

class InfoPanel : public QFrame {
  Q_OBJECT

 public:
  InfoPanel(const QString& label, const QString& value, int width, int height, QWidget* parent = nullptr);

  void setValue(const QString& value);
  QString value() const;

 Q_SIGNALS:
  void popupRequested(const QPoint& globalPosition);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QLabel* value_;
};

}  // namespace quilloro
