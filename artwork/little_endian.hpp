// Little-endian integers in byte strings, as BMP and WAV files store them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quilloro {

// Appends the lowest bytes of value, least significant first.
inline void putLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads bytes bytes at position at, least significant first.
inline std::uint32_t getLe(const std::string& in, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(in[at + static_cast<std::size_t>(i)]);
  return value;
}

}  // namespace quilloro
