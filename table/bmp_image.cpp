#include "table/bmp_image.hpp"

#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace quilloro {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
constexpr std::uint32_t kCompressionAlphaBitFields = 6;

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::uint8_t u8(std::size_t offset) const { return static_cast<std::uint8_t>(bytes_[offset]); }
  std::uint16_t u16(std::size_t offset) const {
    return static_cast<std::uint16_t>(u8(offset) | (u8(offset + 1) << 8));
  }
  std::uint32_t u32(std::size_t offset) const {
    return static_cast<std::uint32_t>(u16(offset)) | (static_cast<std::uint32_t>(u16(offset + 2)) << 16);
  }
  std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
};

// One channel of a bit-field mask, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  static Channel of(std::uint32_t mask) {
    Channel c;
    c.mask = mask;
    if (mask != 0) {
      c.shift = std::countr_zero(mask);
      c.bits = std::popcount(mask);
    }
    return c;
  }
  unsigned value(std::uint32_t raw) const {
    if (bits == 0) return 0;
    const std::uint32_t v = (raw & mask) >> shift;
    if (bits >= 8) return (v >> (bits - 8)) & 0xFFu;
    const std::uint32_t top = (1u << bits) - 1;
    return static_cast<unsigned>((v * 255u + top / 2) / top);
  }
};

BmpResult failure(std::string text) { return {PixelSurface{}, std::move(text)}; }

}  // namespace

BmpResult decodeBmp(std::string_view bytes) {
  const Reader in(bytes);
  if (!in.has(0, kFileHeaderSize + 4) || in.u8(0) != 'B' || in.u8(1) != 'M') return failure("not a bitmap file");
  const std::uint32_t pixelOffset = in.u32(10);
  const std::uint32_t headerSize = in.u32(kFileHeaderSize);
  if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) return failure("unknown bitmap header");
  if (!in.has(kFileHeaderSize, headerSize)) return failure("the bitmap header is cut short");

  long long width = 0, height = 0;
  unsigned bitsPerPixel = 0, planes = 0;
  std::uint32_t compression = kCompressionNone, coloursUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == kCoreHeaderSize) {
    width = in.u16(kFileHeaderSize + 4);
    height = in.u16(kFileHeaderSize + 6);
    planes = in.u16(kFileHeaderSize + 8);
    bitsPerPixel = in.u16(kFileHeaderSize + 10);
    paletteEntrySize = 3;
  } else {
    width = in.i32(kFileHeaderSize + 4);
    height = in.i32(kFileHeaderSize + 8);
    planes = in.u16(kFileHeaderSize + 12);
    bitsPerPixel = in.u16(kFileHeaderSize + 14);
    compression = in.u32(kFileHeaderSize + 16);
    coloursUsed = in.u32(kFileHeaderSize + 32);
  }
  if (planes != 1) return failure("a bitmap has one plane");
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0) return failure("the bitmap has no pixels");
  if (width > kMaxBmpSide || height > kMaxBmpSide || width * height > kMaxBmpPixels)
    return failure("the bitmap is implausibly large");

  const bool bitFields = compression == kCompressionBitFields || compression == kCompressionAlphaBitFields;
  if (compression != kCompressionNone && !bitFields) return failure("compressed bitmaps are not supported");
  switch (bitsPerPixel) {
    case 1: case 4: case 8: case 24:
      if (bitFields) return failure("bit fields need 16 or 32 bits per pixel");
      break;
    case 16: case 32: break;
    default: return failure("unsupported number of bits per pixel");
  }

  // The colour masks: after a version-1 header they follow it; later versions hold them inside.
  Channel red, green, blue;
  if (bitFields) {
    const std::size_t masks = kFileHeaderSize + kInfoHeaderSize;
    if (!in.has(masks, 12)) return failure("the bit-field masks are cut short");
    red = Channel::of(in.u32(masks));
    green = Channel::of(in.u32(masks + 4));
    blue = Channel::of(in.u32(masks + 8));
  } else if (bitsPerPixel == 16) {
    red = Channel::of(0x7C00), green = Channel::of(0x03E0), blue = Channel::of(0x001F);
  } else if (bitsPerPixel == 32) {
    red = Channel::of(0x00FF0000), green = Channel::of(0x0000FF00), blue = Channel::of(0x000000FF);
  }

  std::vector<Pixel> palette;
  if (bitsPerPixel <= 8) {
    const std::size_t maxEntries = std::size_t{1} << bitsPerPixel;
    std::size_t entries = coloursUsed == 0 ? maxEntries : std::min<std::size_t>(coloursUsed, maxEntries);
    std::size_t start = kFileHeaderSize + headerSize;
    if (bitFields) start += 12;
    // A palette that runs into the pixels or past the end is cut to what is there.
    const std::size_t end = std::min<std::size_t>(pixelOffset, in.size());
    if (start > end) return failure("the bitmap has no palette");
    entries = std::min(entries, (end - start) / paletteEntrySize);
    if (entries == 0) return failure("the bitmap has no palette");
    palette.reserve(entries);
    for (std::size_t i = 0; i < entries; ++i) {
      const std::size_t at = start + i * paletteEntrySize;
      palette.push_back(rgbPixel(in.u8(at + 2), in.u8(at + 1), in.u8(at)));
    }
  }

  const long long stride = ((width * bitsPerPixel + 31) / 32) * 4;
  if (!in.has(pixelOffset, static_cast<std::size_t>(stride * height))) return failure("the bitmap is cut short");

  const int w = static_cast<int>(width), h = static_cast<int>(height);
  BmpResult result{PixelSurface(w, h), {}};
  for (int row = 0; row < h; ++row) {
    const int y = topDown ? row : h - 1 - row;
    const std::size_t base = pixelOffset + static_cast<std::size_t>(stride) * static_cast<std::size_t>(row);
    Pixel* out = result.image.row(y);
    for (int x = 0; x < w; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      switch (bitsPerPixel) {
        case 1: case 4: case 8: {
          const std::size_t bit = ux * bitsPerPixel;
          const unsigned byte = in.u8(base + bit / 8);
          const unsigned shift = 8 - bitsPerPixel - static_cast<unsigned>(bit % 8);
          const unsigned index = (byte >> shift) & ((1u << bitsPerPixel) - 1);
          // An index past the palette is damage; it shows as black.
          out[x] = index < palette.size() ? palette[index] : kOpaqueAlpha;
          break;
        }
        case 16: {
          const std::uint32_t raw = in.u16(base + ux * 2);
          out[x] = rgbPixel(red.value(raw), green.value(raw), blue.value(raw));
          break;
        }
        case 24: {
          const std::size_t at = base + ux * 3;
          out[x] = rgbPixel(in.u8(at + 2), in.u8(at + 1), in.u8(at));
          break;
        }
        default: {
          const std::uint32_t raw = in.u32(base + ux * 4);
          out[x] = rgbPixel(red.value(raw), green.value(raw), blue.value(raw));
          break;
        }
      }
    }
  }
  return result;
}

BmpResult readBmpFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return failure("the file cannot be opened");
  const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  if (stream.bad()) return failure("the file cannot be read");
  return decodeBmp(bytes);
}

namespace {

void put16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::string encodeBmp(const PixelSurface& surface) {
  const auto w = static_cast<std::uint32_t>(surface.storedWidth());
  const auto h = static_cast<std::uint32_t>(surface.storedHeight());
  const std::uint32_t stride = (w * 3 + 3) / 4 * 4;
  const std::uint32_t imageSize = stride * h;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::string out;
  out.reserve(offset + imageSize);
  out += "BM";
  put32(out, offset + imageSize);
  put32(out, 0);
  put32(out, offset);
  put32(out, kInfoHeaderSize);
  put32(out, w);
  put32(out, h);
  put16(out, 1);
  put16(out, 24);
  put32(out, kCompressionNone);
  put32(out, imageSize);
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = surface.storedHeight() - 1; y >= 0; --y) {
    const Pixel* row = surface.row(y);
    for (std::uint32_t x = 0; x < w; ++x) {
      out.push_back(static_cast<char>(row[x] & 0xFF));
      out.push_back(static_cast<char>((row[x] >> 8) & 0xFF));
      out.push_back(static_cast<char>((row[x] >> 16) & 0xFF));
    }
    out.append(stride - w * 3, '\0');
  }
  return out;
}

bool writeBmpFile(const std::filesystem::path& file, const PixelSurface& surface) {
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  const std::string bytes = encodeBmp(surface);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(stream);
}

}  // namespace quilloro
