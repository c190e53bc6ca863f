// The About box: the program's name and version, its web site and mail addresses.
#pragma once

#include <QDialog>

namespace quilloro {

class MessageBoxes;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(MessageBoxes& boxes, QWidget* parent = nullptr);

  static constexpr const char* kVersionLine = "Quilloro 98 - Version 3.1 - Aug 5, 1998";

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quilloro
