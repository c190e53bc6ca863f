// The services shared by the game selection dialogs.
#include "app/selection/game_selection_context.hpp"

#include <QApplication>
#include <QMessageBox>

#include "app/core/string_table.hpp"
#include "engine/games_dat.hpp"

namespace quilloro {

namespace {
constexpr const char* kDefaultPreferencesFile = "DATA/CFG.DAT";
}

IniFile GameSelectionContext::preferences() const {
  std::string name = settings != nullptr ? settings->get(field::PreferencesFileName) : std::string();
  if (name.empty()) name = kDefaultPreferencesFile;
  return IniFile(programDirectory / name);
}

std::filesystem::path GameSelectionContext::pictureDirectory() const {
  return installationDirectory.empty() ? programDirectory : installationDirectory;
}

int GameSelectionContext::languageBase() const {
  if (settings == nullptr) return kEnglishBase;
  const auto base = settings->getInteger(field::Language);
  return base && *base == kItalianBase ? kItalianBase : kEnglishBase;
}

QString GameSelectionContext::text(int offset, const char* fallback) const {
  if (strings != nullptr) {
    const std::string& found = strings->text(languageBase(), offset);
    if (!found.empty()) return QString::fromStdString(found);
  }
  return QString::fromUtf8(fallback);
}

std::string GameSelectionContext::gameName(int gameIndex) const {
  if (games == nullptr || gameIndex < 0 || gameIndex >= games->gameCount()) return {};
  return games->catalogue()[static_cast<std::size_t>(gameIndex)].name();
}

int GameSelectionContext::gameCount() const { return games != nullptr ? games->gameCount() : 0; }

void GameSelectionContext::info(QWidget* parent, const QString& text) const {
  if (showInfo) {
    showInfo(parent, text);
    return;
  }
  QMessageBox::information(parent, QStringLiteral("Quilloro 98"), text);
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

WaitCursor::~WaitCursor() { restore(); }

void WaitCursor::restore() {
  if (!active_) return;
  active_ = false;
  QApplication::restoreOverrideCursor();
}

QString withoutAccelerators(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace quilloro
