#include "table/png_image.hpp"

#include <algorithm>
#include <array>
#include <fstream>

namespace quilloro {
namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

// A stored deflate block holds at most this many bytes.
constexpr std::size_t kStoredBlockMax = 65535;

void putBig32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void putChunk(std::string& out, std::string_view type, std::string_view data) {
  putBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out += type;
  out += data;
  putBig32(out, crc32Of(std::string_view(out).substr(start)));
}

}  // namespace

std::uint32_t crc32Of(std::string_view bytes, std::uint32_t crc) {
  std::uint32_t c = crc ^ 0xFFFFFFFFu;
  for (const char ch : bytes) c = kCrcTable[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32Of(std::string_view bytes, std::uint32_t adler) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
  // 5552 bytes is the most that can be summed before the 32-bit sums could overflow.
  while (!bytes.empty()) {
    const std::size_t n = std::min<std::size_t>(bytes.size(), 5552);
    for (std::size_t i = 0; i < n; ++i) {
      a += static_cast<std::uint8_t>(bytes[i]);
      b += a;
    }
    a %= kModulus;
    b %= kModulus;
    bytes.remove_prefix(n);
  }
  return (b << 16) | a;
}

std::string encodePng(const PixelSurface& surface) {
  const auto w = static_cast<std::uint32_t>(surface.storedWidth());
  const auto h = static_cast<std::uint32_t>(surface.storedHeight());

  // The filtered scan lines: filter type 0, then red, green, blue per pixel.
  std::string raw;
  raw.reserve(static_cast<std::size_t>(h) * (1 + 3 * static_cast<std::size_t>(w)));
  for (std::uint32_t y = 0; y < h; ++y) {
    raw.push_back('\0');
    const Pixel* row = surface.row(static_cast<int>(y));
    for (std::uint32_t x = 0; x < w; ++x) {
      raw.push_back(static_cast<char>((row[x] >> 16) & 0xFF));
      raw.push_back(static_cast<char>((row[x] >> 8) & 0xFF));
      raw.push_back(static_cast<char>(row[x] & 0xFF));
    }
  }

  // A zlib stream of stored blocks: header, blocks, Adler-32 of the raw data.
  std::string z;
  z.reserve(raw.size() + raw.size() / kStoredBlockMax * 5 + 16);
  z.push_back(static_cast<char>(0x78));
  z.push_back(static_cast<char>(0x01));
  std::size_t at = 0;
  do {
    const std::size_t n = std::min(kStoredBlockMax, raw.size() - at);
    const bool last = at + n == raw.size();
    z.push_back(static_cast<char>(last ? 1 : 0));
    const auto len = static_cast<std::uint16_t>(n);
    const auto nlen = static_cast<std::uint16_t>(~len);
    z.push_back(static_cast<char>(len & 0xFF));
    z.push_back(static_cast<char>(len >> 8));
    z.push_back(static_cast<char>(nlen & 0xFF));
    z.push_back(static_cast<char>(nlen >> 8));
    z.append(raw, at, n);
    at += n;
  } while (at < raw.size());
  putBig32(z, adler32Of(raw));

  std::string header;
  putBig32(header, w);
  putBig32(header, h);
  header += std::string{'\x08', '\x02', '\0', '\0', '\0'};  // 8-bit RGB, deflate, no interlace

  std::string out = "\x89PNG\r\n\x1a\n";
  putChunk(out, "IHDR", header);
  putChunk(out, "IDAT", z);
  putChunk(out, "IEND", {});
  return out;
}

bool writePngFile(const std::filesystem::path& file, const PixelSurface& surface) {
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  const std::string bytes = encodePng(surface);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(stream);
}

}  // namespace quilloro
