// PNG files with an alpha channel, for the program's icons.
#include "tools/artwork/png_writer.hpp"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

#include "table/png_image.hpp"

namespace quilloro::artwork {
namespace {

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
  putBig32(z, adler32Of(raw));

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
