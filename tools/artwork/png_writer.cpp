// PNG files with an alpha channel, for the program's icons.
#include "tools/artwork/png_writer.hpp"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

namespace quilloro::artwork {
namespace {

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char ch : bytes) c = kCrcTable[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::string_view bytes) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1, b = 0;
  for (const char ch : bytes) {
    a = (a + static_cast<std::uint8_t>(ch)) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

void putBig32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void putChunk(std::string& out, std::string_view type, std::string_view data) {
  putBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out += type;
  out += data;
  putBig32(out, crc32(std::string_view(out).substr(start)));
}

}  // namespace

std::string encodeRgbaPng(int width, int height, const std::vector<std::uint8_t>& rgba) {
  if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
    throw std::invalid_argument("encodeRgbaPng: the pixels do not match the size");
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  // Each scan line: filter type 0 (none), then its pixels.
  std::string raw;
  raw.reserve(static_cast<std::size_t>(height) * (rowBytes + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back('\0');
    raw.append(reinterpret_cast<const char*>(rgba.data()) + static_cast<std::size_t>(y) * rowBytes, rowBytes);
  }
  // A zlib stream of stored blocks of at most 65535 bytes each.
  constexpr std::size_t kStoredBlockMax = 65535;
  std::string z{'\x78', '\x01'};
  std::size_t at = 0;
  do {
    const std::size_t n = std::min(kStoredBlockMax, raw.size() - at);
    const auto len = static_cast<std::uint16_t>(n);
    const auto nlen = static_cast<std::uint16_t>(~len);
    z.push_back(static_cast<char>(at + n == raw.size() ? 1 : 0));
    z.push_back(static_cast<char>(len & 0xFF));
    z.push_back(static_cast<char>(len >> 8));
    z.push_back(static_cast<char>(nlen & 0xFF));
    z.push_back(static_cast<char>(nlen >> 8));
    z.append(raw, at, n);
    at += n;
  } while (at < raw.size());
  putBig32(z, adler32(raw));

  std::string header;
  putBig32(header, static_cast<std::uint32_t>(width));
  putBig32(header, static_cast<std::uint32_t>(height));
  header += std::string{'\x08', '\x06', '\0', '\0', '\0'};  // 8 bits per channel, RGBA, deflate, no interlace
  std::string out = "\x89PNG\r\n\x1a\n";
  putChunk(out, "IHDR", header);
  putChunk(out, "IDAT", z);
  putChunk(out, "IEND", {});
  return out;
}

void writeRgbaPng(const std::filesystem::path& file, int width, int height, const std::vector<std::uint8_t>& rgba) {
  const std::string bytes = encodeRgbaPng(width, height, rgba);
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace quilloro::artwork
