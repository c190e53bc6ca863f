// A small panel of the toolbar strip: a bold label and a right-aligned value ("Time:", "Score:"),
// never narrower than it is designed but always wide enough for its whole text.
#pragma once

#include <QFrame>

class QLabel;

namespace quilloro {

class InfoPanel : public QFrame {
  Q_OBJECT

 public:
  // widestValue is the longest value the panel must show whole.
  InfoPanel(const QString& label, const QString& value, int width, int height, const QString& widestValue,
            QWidget* parent = nullptr);

  void setValue(const QString& value);
  QString value() const;
  // A new caption (another language); the panel widens when the text needs it.
  void setLabel(const QString& label);
  QString label() const;
  // Whether the caption and the value both show whole in the panel.
  bool showsWholeText() const;

 Q_SIGNALS:
  void popupRequested(const QPoint& globalPosition);
  // The text grew past the panel: it is wider now and must be placed again.
  void widened();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // The least width that shows the caption and the widest of value and widestValue.
  int neededWidth() const;
  void fitWidth();

  QLabel* value_;
  QLabel* caption_;
  int designWidth_;
  QString widestValue_;
};

}  // namespace quilloro
