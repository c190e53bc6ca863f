// Reading GAMES.DAT: sections, the game catalogue and the parameter columns.
#include "engine/games_dat.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>

#include "app/core/shared_routines.hpp"
#include "engine/games_dat_transform.hpp"

namespace quilloro {
namespace {

// Large enough for any collection; a bigger file is not a game-definition file.
constexpr std::uintmax_t kMaxFileSize = 64u * 1024u * 1024u;

constexpr std::size_t kValueWidth = 10;
constexpr std::size_t kColumnWidth = 11;
constexpr std::size_t kFirstValueColumn = 16;  // 0-based start of game 0's value

std::string_view trimRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string_view trimBoth(std::string_view text) {
  text = trimRight(text);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

template <typename T>
std::optional<T> parseInteger(std::string_view text) {
  text = trimBoth(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string_view columnText(std::string_view line, std::size_t start, std::size_t length) {
  if (start >= line.size()) return {};
  return line.substr(start, length);
}

}  // namespace

std::optional<int> CatalogueEntry::category() const { return parseInteger<int>(columnText(line_, 0, 3)); }

std::optional<int> CatalogueEntry::helpTopic() const { return parseInteger<int>(columnText(line_, 3, 4)); }

std::string CatalogueEntry::name() const { return std::string(trimRight(columnText(line_, 10, 50))); }

std::string CatalogueEntry::shortName() const { return std::string(trimRight(columnText(line_, 10, 30))); }

GamesDat GamesDat::load(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    throw GamesDatError(GamesDatError::Kind::FileNotFound, "Cannot find file: " + path.string());
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxFileSize)
    throw GamesDatError(GamesDatError::Kind::Unreadable,
                        path.string() + " is not a game-definition file (it is too large to read).");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw GamesDatError(GamesDatError::Kind::Unreadable, "Cannot read file: " + path.string());
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (in.bad()) throw GamesDatError(GamesDatError::Kind::Unreadable, "Cannot read file: " + path.string());
  return fromLines(std::move(lines), path);
}

GamesDat GamesDat::fromLines(std::vector<std::string> storedLines, std::filesystem::path origin) {
  GamesDat dat;
  dat.origin_ = std::move(origin);
  for (std::size_t i : fnSectionLineIndices(storedLines, games_dat::kGameListHeader))
    dat.catalogue_.emplace_back(games_dat::decodeText(storedLines[i]));
  for (std::size_t i : fnSectionLineIndices(storedLines, games_dat::kParameterHeader))
    dat.parameterRows_.push_back({static_cast<int>(i + 1), games_dat::decodeParameterRow(storedLines[i])});
  for (std::size_t i : fnSectionLineIndices(storedLines, games_dat::kSelectedHeader)) {
    if (std::optional<int> game = parseInteger<int>(games_dat::decodeText(storedLines[i])))
      dat.selected_.push_back(*game);
  }
  return dat;
}

bool GamesDat::isSelected(int gameIndex) const {
  return std::find(selected_.begin(), selected_.end(), gameIndex) != selected_.end();
}

void GamesDat::malformed(const ParameterRow& row, const std::string& what) const {
  std::ostringstream message;
  message << origin_.filename().string() << ", line " << row.lineNumber << ": " << what;
  throw GamesDatError(GamesDatError::Kind::Malformed, message.str());
}

int GamesDat::rowIndex(const ParameterRow& row) const {
  const std::optional<int> index = parseInteger<int>(columnText(row.plain, 0, 4));
  if (!index) malformed(row, "the parameter number \"" + std::string(columnText(row.plain, 0, 4)) + "\" is not an integer");
  if (*index < 0 || *index >= kParameterCount)
    malformed(row, "the parameter number " + std::to_string(*index) + " is outside 0 to " +
                       std::to_string(kParameterCount - 1));
  return *index;
}

ParameterValue GamesDat::rowValue(const ParameterRow& row, int gameIndex) const {
  const std::size_t start = kFirstValueColumn + kColumnWidth * static_cast<std::size_t>(gameIndex);
  const std::string_view text = trimRight(columnText(row.plain, start, kValueWidth));
  const std::optional<long long> value = parseInteger<long long>(text);
  if (value && *value >= std::numeric_limits<ParameterValue>::min() &&
      *value <= std::numeric_limits<ParameterValue>::max())
    return static_cast<ParameterValue>(*value);
  // Only a broken file pays for the message.
  const std::string where = "the value of parameter " + std::string(columnText(row.plain, 0, 4)) + " for game " +
                            std::to_string(gameIndex) + " (columns " + std::to_string(start + 1) + " to " +
                            std::to_string(start + kValueWidth) + ")";
  if (!value) malformed(row, where + (text.empty() ? " is missing" : " is not an integer: \"" + std::string(text) + "\""));
  malformed(row, where + " is out of range: " + std::string(text));
}

void GamesDat::loadParameters(int gameIndex, GameParameters& parameters) const {
  if (gameIndex < 0) throw GamesDatError(GamesDatError::Kind::Malformed, "there is no game " + std::to_string(gameIndex));
  GameParameters loaded = parameters;
  for (const ParameterRow& row : parameterRows_) loaded[rowIndex(row)] = rowValue(row, gameIndex);
  parameters = loaded;
}

std::array<ParameterValue, 7> GamesDat::readParameters(int gameIndex, const std::array<int, 7>& indices) const {
  std::array<ParameterValue, 7> values;
  values.fill(kParameterNotGiven);
  std::array<bool, 7> found{};
  if (gameIndex < 0) return values;
  for (const ParameterRow& row : parameterRows_) {
    const int index = rowIndex(row);
    for (std::size_t j = 0; j < indices.size(); ++j) {
      if (!found[j] && indices[j] == index) {
        values[j] = rowValue(row, gameIndex);
        found[j] = true;
        break;
      }
    }
    if (std::all_of(found.begin(), found.end(), [](bool f) { return f; })) break;
  }
  return values;
}

}  // namespace quilloro
