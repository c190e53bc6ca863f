// Encoding and decoding of the GAMES.DAT character transform.
#include "engine/games_dat_transform.hpp"

namespace quilloro::games_dat {
namespace {

constexpr std::optional<char> encodeChar(char plain) {
  const int p = static_cast<unsigned char>(plain);
  if (p < 32 || p > 127) return std::nullopt;
  return static_cast<char>(p < 80 ? p + 48 : p - 48);
}

}  // namespace

std::string decodeText(std::string_view stored) {
  std::string plain(stored);
  for (char& c : plain) c = decodeChar(c);
  return plain;
}

std::string decodeParameterRow(std::string_view stored) {
  if (stored.size() <= kPlainRowPrefix) return std::string(stored);
  return std::string(stored.substr(0, kPlainRowPrefix)) + decodeText(stored.substr(kPlainRowPrefix));
}

std::optional<std::string> encodeText(std::string_view plain) {
  std::string stored(plain);
  for (char& c : stored) {
    const std::optional<char> e = encodeChar(c);
    if (!e) return std::nullopt;
    c = *e;
  }
  return stored;
}

std::optional<std::string> encodeParameterRow(std::string_view plain) {
  if (plain.size() <= kPlainRowPrefix) return std::string(plain);
  std::optional<std::string> rest = encodeText(plain.substr(kPlainRowPrefix));
  if (!rest) return std::nullopt;
  return std::string(plain.substr(0, kPlainRowPrefix)) + *rest;
}

}  // namespace quilloro::games_dat
