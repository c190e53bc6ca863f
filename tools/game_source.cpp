// Parser and writer of the readable game sources.
#include "tools/game_source.hpp"

#include <cctype>
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>

#include "engine/parameter_names.hpp"

namespace quilloro {
namespace {

constexpr std::size_t kMaxNameLength = 50;

std::string_view trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

template <typename T>
bool parseNumber(std::string_view text, T& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> result;
  while (true) {
    text = trim(text);
    if (text.empty()) return result;
    std::size_t end = 0;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
    result.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
}

class SourceParser {
 public:
  SourceParser(GameSource& game, const std::filesystem::path& file) : game_(game), file_(file) {}

  void line(std::string_view text, int number) {
    lineNumber_ = number;
    if (const std::size_t hash = text.find('#'); hash != std::string_view::npos) text = text.substr(0, hash);
    text = trim(text);
    if (text.empty()) return;
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) fail("expected \"key: value\" or \"INDEX name: values\"");
    const std::string_view key = trim(text.substr(0, colon));
    const std::string_view value = trim(text.substr(colon + 1));
    if (!key.empty() && std::isdigit(static_cast<unsigned char>(key.front())))
      parameter(key, value);
    else
      header(key, value);
  }

  void finish() {
    if (game_.index < 0) failAt(0, "the game index is missing (\"index: N\")");
    if (game_.name.empty()) failAt(0, "the game name is missing (\"name: ...\")");
  }

 private:
  [[noreturn]] void failAt(int number, const std::string& message) const {
    std::ostringstream text;
    text << file_.string();
    if (number > 0) text << ':' << number;
    text << ": " << message;
    throw GameSourceError(text.str());
  }
  [[noreturn]] void fail(const std::string& message) const { failAt(lineNumber_, message); }

  int integer(std::string_view text, int low, int high, std::string_view what) const {
    long long value = 0;
    if (!parseNumber(text, value) || value < low || value > high)
      fail(std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + ", not \"" + std::string(text) + "\"");
    return static_cast<int>(value);
  }

  void header(std::string_view key, std::string_view value) {
    if (key == "index") {
      game_.index = integer(value, 0, 999, "the game index");
    } else if (key == "name") {
      if (value.empty() || value.size() > kMaxNameLength)
        fail("the name must have 1 to " + std::to_string(kMaxNameLength) + " characters");
      for (char c : value)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
          fail("the name may hold only plain ASCII characters");
      if (value.find('#') != std::string_view::npos) fail("the name may not hold \"#\", which starts a comment");
      game_.name = std::string(value);
    } else if (key == "category") {
      game_.category = integer(value, 0, 999, "the category");
    } else if (key == "help") {
      game_.helpTopic = integer(value, 0, 9999, "the help context number");
    } else if (key == "selected") {
      if (value != "yes" && value != "no") fail("selected must be \"yes\" or \"no\"");
      game_.selected = value == "yes";
    } else {
      fail("unknown key \"" + std::string(key) + "\" (index, name, category, help, selected)");
    }
  }

  void parameter(std::string_view key, std::string_view valueText) {
    const std::vector<std::string_view> keyWords = words(key);
    if (keyWords.size() != 2) fail("a parameter line reads \"FIRST[-LAST] name: values\"");
    const std::string_view range = keyWords[0];
    const std::string_view name = keyWords[1];
    const std::size_t dash = range.find('-');
    const int first = integer(range.substr(0, dash), 0, kParameterCount - 1, "a parameter index");
    const int last = dash == std::string_view::npos
                         ? first
                         : integer(range.substr(dash + 1), 0, kParameterCount - 1, "a parameter index");
    if (last < first) fail("the range " + std::string(range) + " runs backwards");
    if (findParameterRun(name, first, last) == nullptr) {
      const ParameterRun& expected = parameterRunOf(first);
      fail("parameter " + std::to_string(first) + " is \"" + std::string(expected.name) + "\" (" +
           std::to_string(expected.first) + "-" + std::to_string(expected.last) + "), not \"" +
           std::string(name) + "\" over " + std::string(range));
    }
    const std::vector<std::string_view> values = words(valueText);
    const int count = last - first + 1;
    if (values.size() != 1 && static_cast<int>(values.size()) != count)
      fail("give one value for the whole range or " + std::to_string(count) + " values, not " +
           std::to_string(values.size()));
    for (int i = 0; i < count; ++i) {
      const int index = first + i;
      if (game_.given[static_cast<std::size_t>(index)]) fail("parameter " + std::to_string(index) + " is given twice");
      const std::string_view text = values.size() == 1 ? values[0] : values[static_cast<std::size_t>(i)];
      game_.values[static_cast<std::size_t>(index)] = static_cast<ParameterValue>(
          integer(text, std::numeric_limits<ParameterValue>::min(), std::numeric_limits<ParameterValue>::max(),
                  "a parameter value"));
      game_.given[static_cast<std::size_t>(index)] = true;
    }
  }

  GameSource& game_;
  const std::filesystem::path& file_;
  int lineNumber_ = 0;
};

std::string joinedValues(const GameSource& game, int first, int last) {
  bool allEqual = true;
  for (int i = first + 1; i <= last; ++i)
    allEqual = allEqual && game.values[static_cast<std::size_t>(i)] == game.values[static_cast<std::size_t>(first)];
  std::string text;
  const int end = allEqual ? first : last;
  for (int i = first; i <= end; ++i) {
    if (!text.empty()) text += ' ';
    text += std::to_string(game.values[static_cast<std::size_t>(i)]);
  }
  return text;
}

}  // namespace

std::vector<int> GameSource::defaultedIndices() const {
  std::vector<int> result;
  for (int i = 0; i < kParameterCount; ++i)
    if (!given[static_cast<std::size_t>(i)]) result.push_back(i);
  return result;
}

GameSource parseGameSource(const std::string& text, const std::filesystem::path& file) {
  GameSource game;
  game.file = file;
  for (int i = 0; i < kParameterCount; ++i) game.values[static_cast<std::size_t>(i)] = parameterRunOf(i).defaultValue;
  SourceParser parser(game, file);
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) parser.line(line, number);
  parser.finish();
  return game;
}

GameSource readGameSource(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw GameSourceError(file.string() + ": cannot read the file");
  std::ostringstream text;
  text << in.rdbuf();
  return parseGameSource(text.str(), file);
}

std::string formatGameSource(const GameSource& game) {
  std::ostringstream out;
  out << "# " << game.name << "\n";
  out << "index: " << game.index << "\n";
  out << "name: " << game.name << "\n";
  out << "category: " << game.category << "\n";
  out << "help: " << game.helpTopic << "\n";
  out << "selected: " << (game.selected ? "yes" : "no") << "\n\n";
  int written = -1;  // highest index written so far; index 220 belongs to two runs
  for (const ParameterRun& run : parameterRuns()) {
    const int first = std::max(run.first, written + 1);
    if (first > run.last) continue;
    std::string range = std::to_string(first);
    if (run.last > first) range += "-" + std::to_string(run.last);
    out << range << ' ' << run.name << ": " << joinedValues(game, first, run.last) << "  # " << run.description
        << "\n";
    written = run.last;
  }
  return out.str();
}

std::string gameSourceFileName(const GameSource& game) {
  std::string slug;
  for (char c : game.name) {
    if (std::isalnum(static_cast<unsigned char>(c)))
      slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    else if (!slug.empty() && slug.back() != '-')
      slug += '-';
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  std::string number = std::to_string(game.index);
  number.insert(0, number.size() < 3 ? 3 - number.size() : 0, '0');
  return number + "-" + (slug.empty() ? "game" : slug) + ".game";
}

std::string describeIndices(const std::vector<int>& indices) {
  std::string text;
  for (std::size_t i = 0; i < indices.size();) {
    std::size_t j = i;
    while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1) ++j;
    if (!text.empty()) text += ", ";
    text += std::to_string(indices[i]);
    if (j > i) text += "-" + std::to_string(indices[j]);
    i = j + 1;
  }
  return text;
}

}  // namespace quilloro
