// The result log read for showing, filtered, and its won games timed.
#include "stats/log_lines.hpp"

#include "app/core/atomic_file.hpp"
#include "stats/text_lines.hpp"

namespace quilloro::stats {

ResultLogLines ResultLogLines::read(const std::filesystem::path& log) {
  ReadResult file = readWholeFile(log);
  if (!file.exists || file.error) return {};
  return fromContent(std::move(file.content));
}

ResultLogLines ResultLogLines::fromContent(std::string content) {
  ResultLogLines log;
  log.content_ = std::move(content);
  const std::string_view all(log.content_);
  log.lines_.reserve(all.size() / 148 + 1);
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
    if (end == std::string_view::npos) end = all.size();
    std::size_t stop = end;
    if (stop > start && all[stop - 1] == '\r') --stop;
    log.lines_.push_back({start, stop - start});
    start = next;
  }
  return log;
}

std::string_view logField(std::string_view line, int column, int width) {
  const auto from = static_cast<std::size_t>(column - 1);
  if (column < 1 || from >= line.size()) return {};
  return trimBlanks(line.substr(from, static_cast<std::size_t>(width)));
}

std::optional<long long> logNumber(std::string_view field) {
  if (field.empty() || field.size() > 15) return std::nullopt;
  long long value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool logLineWon(std::string_view line) {
  return logField(line, logfield::Mark, logfield::MarkWidth) == "Won";
}

std::vector<std::uint32_t> filterLog(const ResultLogLines& log, const LogFilter& filter) {
  std::vector<std::uint32_t> kept;
  kept.reserve(log.size());
  for (std::size_t i = log.size(); i-- > 0;) {
    const std::string_view line = log.line(i);
    if (trimBlanks(line).empty()) continue;
    if (filter.gameName && logField(line, logfield::GameName, logfield::GameNameWidth) != *filter.gameName)
      continue;
    if (filter.player && logField(line, logfield::Player, logfield::PlayerWidth) != *filter.player) continue;
    kept.push_back(static_cast<std::uint32_t>(i));
  }
  return kept;
}

WonTimes wonTimes(const ResultLogLines& log, int gameIndex, std::string_view player) {
  WonTimes times;
  long long sum = 0;
  const std::string_view wanted = trimBlanks(player);
  for (std::size_t i = 0; i < log.size(); ++i) {
    const std::string_view line = log.line(i);
    if (!logLineWon(line)) continue;
    const auto game = logNumber(logField(line, logfield::GameIndex, logfield::GameIndexWidth));
    if (!game || *game != gameIndex) continue;
    if (logField(line, logfield::Player, logfield::PlayerWidth) != wanted) continue;
    const auto seconds = logNumber(logField(line, logfield::Elapsed, logfield::ElapsedWidth));
    if (!seconds) continue;
    const int s = static_cast<int>(*seconds);
    if (times.wonGames == 0 || s < times.fastestSeconds) times.fastestSeconds = s;
    ++times.wonGames;
    sum += s;
  }
  if (times.wonGames > 0) times.averageSeconds = static_cast<int>((sum * 2 + times.wonGames) / (2 * times.wonGames));
  return times;
}

}  // namespace quilloro::stats
