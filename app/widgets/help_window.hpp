// The rules pages: one HTML page per help context number, shown in a window of its own.
#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>

class QTextBrowser;

namespace quilloro {

class StringTable;

// "<folder>/Help/<english|italian>/<context>.html", or "index.html" for the contents.
std::filesystem::path helpPagePath(const std::filesystem::path& programDirectory, int languageBase,
                                   std::optional<int> context);

// The context number of a window's own help page ("game_catalogue", "select_number",
// "favourite_games", "game_won"); none for a window without one.
std::optional<int> dialogHelpContext(const QString& topic);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // The window's own texts come from strings (English without one).
  explicit HelpWindow(std::filesystem::path programDirectory, QWidget* parent = nullptr,
                      const StringTable* strings = nullptr);

  // Shows the page of the context number, or the contents without one; a
  // missing page is said so in the window.
  void showTopic(int languageBase, std::optional<int> context);
  // What the window shows now, as plain text.
  QString text() const;
  const std::filesystem::path& page() const { return page_; }

 private:
  QString text(int languageBase, int offset, const char* english) const;

  std::filesystem::path programDirectory_;
  const StringTable* strings_;
  std::filesystem::path page_;
  QTextBrowser* browser_;
};

}  // namespace quilloro
