// The rules pages: one HTML page per help context number, shown in a window of its own.
#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>

class QTextBrowser;

namespace quilloro {

// "<folder>/Help/<english|italian>/<context>.html", or "index.html" for the contents.
std::filesystem::path helpPagePath(const std::filesystem::path& programDirectory, int languageBase,
                                   std::optional<int> context);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(std::filesystem::path programDirectory, QWidget* parent = nullptr);

  // Shows the page of the context number, or the contents without one; a
  // missing page is said so in the window.
  void showTopic(int languageBase, std::optional<int> context);
  // What the window shows now, as plain text.
  QString text() const;
  const std::filesystem::path& page() const { return page_; }

 private:
  std::filesystem::path programDirectory_;
  std::filesystem::path page_;
  QTextBrowser* browser_;
};

}  // namespace quilloro
