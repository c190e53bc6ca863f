// The rules pages: one HTML page per help context number, shown in a window of its own.
#include "app/widgets/help_window.hpp"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/core/string_table.hpp"

namespace quilloro {

std::filesystem::path helpPagePath(const std::filesystem::path& programDirectory, int languageBase,
                                   std::optional<int> context) {
  const char* language = languageBase == kItalianBase ? "italian" : "english";
  const std::string file = context ? std::to_string(*context) + ".html" : std::string("index.html");
  return programDirectory / "Help" / language / file;
}

HelpWindow::HelpWindow(std::filesystem::path programDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window), programDirectory_(std::move(programDirectory)), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Quilloro 98 Help"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  resize(640, 520);
}

void HelpWindow::showTopic(int languageBase, std::optional<int> context) {
  page_ = helpPagePath(programDirectory_, languageBase, context);
  std::error_code error;
  if (std::filesystem::is_regular_file(page_, error)) {
    browser_->setSearchPaths({QString::fromStdString(page_.parent_path().string())});
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page_.string())));
  } else {
    const QString what = context ? QStringLiteral("The rules page of this game (help page %1) is not installed.")
                                       .arg(*context)
                                 : QStringLiteral("The contents page of the help is not installed.");
    browser_->setPlainText(what + QStringLiteral("\n\nIt was looked for in:\n") +
                           QString::fromStdString(page_.string()));
  }
  show();
  raise();
  activateWindow();
}

QString HelpWindow::text() const { return browser_->toPlainText(); }

}  // namespace quilloro
