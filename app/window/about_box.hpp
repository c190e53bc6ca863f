// The About box: the program's name and version, its web site and mail addresses.
#pragma once

#include <QDialog>
#include <functional>

namespace quilloro {

class MessageBoxes;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  // textOf gives a text of the current language by its offset, or the English one.
  using TextOf = std::function<QString(int offset, const char* english)>;
  AboutBox(MessageBoxes& boxes, const TextOf& textOf, QWidget* parent = nullptr);

  static constexpr const char* kVersionLine = "Quilloro 98 - Version 3.1 - Aug 5, 1998";

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quilloro
