// The window's message boxes behind one interface, so that a test can answer them.
#pragma once

#include <QString>

class QWidget;

namespace quilloro {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // An information box with one OK button.
  virtual void information(const QString& text) = 0;
  // A question with OK and Cancel; Cancel (or closing the box) is false.
  virtual bool confirm(const QString& text) = 0;
  // An information box with OK and Cancel.
  virtual bool informationOkCancel(const QString& text) = 0;
  // An error box titled title with one OK button.
  virtual void error(const QString& title, const QString& text) = 0;
};

// The boxes of the window system, owned by the given window.
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
  void information(const QString& text) override;
  bool confirm(const QString& text) override;
  bool informationOkCancel(const QString& text) override;
  void error(const QString& title, const QString& text) override;

 private:
  QWidget* parent_;
};

// The caption every box of the program carries.
inline const QString kProgramName = QStringLiteral("Quilloro 98");

}  // namespace quilloro
