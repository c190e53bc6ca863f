// The result log read for showing: every line a view into one buffer, filtered and summed up.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilloro::stats {

// The whole log in memory, split into lines without their line ends. Reading
// is one pass over the bytes, so even a log of many years opens at once.
class ResultLogLines {
 public:
  // A missing or unreadable file gives no lines.
  static ResultLogLines read(const std::filesystem::path& log);
  static ResultLogLines fromContent(std::string content);

  std::size_t size() const { return lines_.size(); }
  std::string_view line(std::size_t index) const {
    return std::string_view(content_).substr(lines_[index].start, lines_[index].length);
  }

 private:
  // Places rather than views, so that a moved log (whose short text may move
  // with the object) still finds its lines.
  struct Span {
    std::size_t start;
    std::size_t length;
  };
  std::string content_;
  std::vector<Span> lines_;
};

// The text of a line at column (counted from 1) and width, blanks trimmed at
// both ends; empty where the line is too short.
std::string_view logField(std::string_view line, int column, int width);

// Columns of the fields a reader of the log shows.
namespace logfield {
inline constexpr int Date = 1, DateWidth = 8;
inline constexpr int Start = 10, StartWidth = 5;  // hours and minutes
inline constexpr int Elapsed = 19, ElapsedWidth = 6;
inline constexpr int GameIndex = 26, GameIndexWidth = 4;
inline constexpr int GameName = 31, GameNameWidth = 50;
inline constexpr int Player = 82, PlayerWidth = 30;
inline constexpr int Mark = 113, MarkWidth = 5;
inline constexpr int Score = 121, ScoreWidth = 6;
inline constexpr int Number = 128, NumberWidth = 15;
}  // namespace logfield

// A field read as a non-negative number: nullopt when it holds anything else.
std::optional<long long> logNumber(std::string_view field);
bool logLineWon(std::string_view line);

// Which lines to keep; nullopt keeps every game or every player.
struct LogFilter {
  std::optional<std::string> gameName;
  std::optional<std::string> player;
};

// The indices of the kept lines, newest (last in the file) first. Empty lines are skipped.
std::vector<std::uint32_t> filterLog(const ResultLogLines& log, const LogFilter& filter);

// The won games of one player in one game kind, timed by the log.
struct WonTimes {
  int wonGames = 0;
  int fastestSeconds = 0;  // both 0 without won games
  int averageSeconds = 0;  // rounded half up
};
WonTimes wonTimes(const ResultLogLines& log, int gameIndex, std::string_view player);

}  // namespace quilloro::stats
