// The window's message boxes behind one interface, so that a test can answer them.
#include "app/widgets/message_boxes.hpp"

#include <QMessageBox>

namespace quilloro {

void QtMessageBoxes::information(const QString& text) {
  QMessageBox::information(parent_, kProgramName, text, QMessageBox::Ok);
}

bool QtMessageBoxes::confirm(const QString& text) {
  return QMessageBox::question(parent_, kProgramName, text, QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtMessageBoxes::informationOkCancel(const QString& text) {
  return QMessageBox::information(parent_, kProgramName, text, QMessageBox::Ok | QMessageBox::Cancel,
                                  QMessageBox::Ok) == QMessageBox::Ok;
}

void QtMessageBoxes::error(const QString& title, const QString& text) {
  QMessageBox::critical(parent_, title, text, QMessageBox::Ok);
}

}  // namespace quilloro
