// The services shared by the players, statistics and hi-score windows.
#include "stats/windows/statistics_context.hpp"

#include <QMessageBox>
#include <algorithm>

#include "app/core/settings_store.hpp"
#include "app/core/string_table.hpp"
#include "app/widgets/message_boxes.hpp"
#include "engine/games_dat.hpp"
#include "stats/player_results.hpp"

namespace quilloro {

std::filesystem::path StatisticsContext::programDirectory() const {
  return store != nullptr ? store->programDirectory() : std::filesystem::path();
}

stats::ResultFiles StatisticsContext::resultFiles() const { return stats::ResultFiles::under(programDirectory()); }

int StatisticsContext::languageBase() const {
  if (store == nullptr) return kEnglishBase;
  const auto base = store->getInteger(field::Language);
  return base && *base == kItalianBase ? kItalianBase : kEnglishBase;
}

QString StatisticsContext::text(int offset, const char* fallback) const {
  if (strings != nullptr) {
    const std::string& found = strings->text(languageBase(), offset);
    if (!found.empty()) return QString::fromStdString(found);
  }
  return QString::fromUtf8(fallback);
}

int StatisticsContext::currentGame() const {
  return store != nullptr ? static_cast<int>(store->getInteger(field::Game).value_or(0)) : 0;
}

QString StatisticsContext::currentPlayer() const {
  return store != nullptr ? QString::fromStdString(store->get(field::UserDefault)).trimmed() : QString();
}

QString StatisticsContext::gameName(int gameIndex) const {
  if (games == nullptr || gameIndex < 0 || gameIndex >= games->gameCount()) return {};
  return QString::fromStdString(games->catalogue()[static_cast<std::size_t>(gameIndex)].name()).trimmed();
}

QString StatisticsContext::shortGameName(int gameIndex) const {
  if (games == nullptr || gameIndex < 0 || gameIndex >= games->gameCount()) return {};
  return QString::fromStdString(games->catalogue()[static_cast<std::size_t>(gameIndex)].shortName()).trimmed();
}

std::vector<int> StatisticsContext::gamesByName() const {
  std::vector<int> order;
  const int count = games != nullptr ? games->gameCount() : 0;
  std::vector<QString> names;
  for (int i = 0; i < count; ++i) {
    order.push_back(i);
    names.push_back(gameName(i));
  }
  std::stable_sort(order.begin(), order.end(), [&names](int a, int b) {
    return QString::localeAwareCompare(names[static_cast<std::size_t>(a)], names[static_cast<std::size_t>(b)]) < 0;
  });
  return order;
}

int StatisticsContext::gameIndexOf(const QString& name) const {
  const int count = games != nullptr ? games->gameCount() : 0;
  for (int i = 0; i < count; ++i)
    if (gameName(i) == name) return i;
  return -1;
}

QStringList StatisticsContext::players() const {
  QStringList list;
  if (store == nullptr) return list;
  for (const std::string& name : stats::playersList(store->preferences())) list << QString::fromStdString(name);
  return list;
}

void StatisticsContext::information(const QString& text) const {
  if (boxes != nullptr) boxes->information(text);
  else QMessageBox::information(nullptr, kProgramName, text);
}

bool StatisticsContext::confirm(const QString& text) const {
  if (boxes != nullptr) return boxes->confirm(text);
  return QMessageBox::warning(nullptr, kProgramName, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::vector<std::string> toNames(const QStringList& players) {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(players.size()));
  for (const QString& p : players) names.push_back(p.toStdString());
  return names;
}

QString percentText(int percent) { return QStringLiteral("(%1%)").arg(percent); }

}  // namespace quilloro
