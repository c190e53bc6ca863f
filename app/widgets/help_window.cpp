// The rules pages: one HTML page per help context number, shown in a window of its own.
#include "app/widgets/help_window.hpp"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "app/core/string_table.hpp"

namespace quilloro {

namespace {
constexpr int kTitleText = 5212;
constexpr int kMissingRulesText = 5213;
constexpr int kMissingContentsText = 5214;
constexpr int kLookedForText = 5215;
}  // namespace

std::filesystem::path helpPagePath(const std::filesystem::path& programDirectory, int languageBase,
                                   std::optional<int> context) {
  const char* language = languageBase == kItalianBase ? "italian" : "english";
  const std::string file = context ? std::to_string(*context) + ".html" : std::string("index.html");
  return programDirectory / "Help" / language / file;
}

std::optional<int> dialogHelpContext(const QString& topic) {
  static const std::array<std::pair<const char*, int>, 4> pages{{
      {"game_catalogue", 2001},
      {"select_number", 2002},
      {"favourite_games", 2003},
      {"game_won", 2004},
  }};
  for (const auto& [name, context] : pages)
    if (topic == QLatin1String(name)) return context;
  return std::nullopt;
}

HelpWindow::HelpWindow(std::filesystem::path programDirectory, QWidget* parent, const StringTable* strings)
    : QWidget(parent, Qt::Window),
      programDirectory_(std::move(programDirectory)),
      strings_(strings),
      browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Quilloro 98 Help"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  browser_->setOpenExternalLinks(true);
  resize(640, 520);
}

QString HelpWindow::text(int languageBase, int offset, const char* english) const {
  if (strings_ != nullptr) {
    const std::string& found = strings_->text(languageBase, offset);
    if (!found.empty()) return QString::fromStdString(found);
  }
  return QString::fromUtf8(english);
}

void HelpWindow::showTopic(int languageBase, std::optional<int> context) {
  setWindowTitle(text(languageBase, kTitleText, "Quilloro 98 Help"));
  page_ = helpPagePath(programDirectory_, languageBase, context);
  std::error_code error;
  if (std::filesystem::is_regular_file(page_, error)) {
    browser_->setSearchPaths({QString::fromStdString(page_.parent_path().string())});
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page_.string())));
  } else {
    const QString what =
        context ? text(languageBase, kMissingRulesText, "The help page %1 is not installed.").arg(*context)
                : text(languageBase, kMissingContentsText, "The contents page of the help is not installed.");
    browser_->setPlainText(what + QStringLiteral("\n\n") +
                           text(languageBase, kLookedForText, "It was looked for in:") + QLatin1Char('\n') +
                           QString::fromStdString(page_.string()));
  }
  show();
  raise();
  activateWindow();
}

QString HelpWindow::text() const { return browser_->toPlainText(); }

}  // namespace quilloro
