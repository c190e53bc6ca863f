// Opens a web or mail link with the desktop's own program, and the addresses the program opens.
#include "app/widgets/link_opener.hpp"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include "app/widgets/message_boxes.hpp"
#include "app/core/shared_routines.hpp"

namespace quilloro {

bool fnOpenLink(std::string_view kind, std::string_view target, MessageBoxes& boxes) {
  const std::optional<std::string> address = fnLinkAddress(kind, target);
  if (!address) {
    boxes.information(QStringLiteral("Error in parameters"));
    return false;
  }
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  const bool opened = QDesktopServices::openUrl(QUrl(QString::fromStdString(*address)));
  QGuiApplication::restoreOverrideCursor();
  return opened;
}

}  // namespace quilloro
