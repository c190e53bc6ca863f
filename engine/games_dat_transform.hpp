// The per-character transform in which GAMES.DAT stores its sections.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quilloro::games_dat {

inline constexpr std::string_view kGameListHeader = "[Sect1]";
inline constexpr std::string_view kParameterHeader = "[Sect2]";
inline constexpr std::string_view kSelectedHeader = "[SectS]";

// A parameter row keeps this many leading characters as stored.
inline constexpr std::size_t kPlainRowPrefix = 5;

// Stored byte c reads as c - 48 when c >= 80, as c + 48 otherwise.
constexpr char decodeChar(char stored) {
  const int c = static_cast<unsigned char>(stored);
  return static_cast<char>(c >= 80 ? c - 48 : c + 48);
}

std::string decodeText(std::string_view stored);
// A "[Sect2]" row: the first five characters as stored, the rest decoded.
std::string decodeParameterRow(std::string_view stored);

// The stored form of printable ASCII text (32..127), which the transform maps
// onto itself; nothing for any other character, which cannot be stored
// without producing line breaks or bytes that read back differently.
std::optional<std::string> encodeText(std::string_view plain);
std::optional<std::string> encodeParameterRow(std::string_view plain);

}  // namespace quilloro::games_dat
