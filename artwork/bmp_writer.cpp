// 24-bit BMP encoding and decoding.
#include "artwork/bmp_writer.hpp"
#include "artwork/little_endian.hpp"

#include <fstream>
#include <iterator>
#include <sstream>

namespace quilloro {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

std::size_t rowStride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

}  // namespace

Bitmap::Bitmap(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {
  if (width < 0 || height < 0) throw BmpError("a bitmap cannot have a negative size");
}

void Bitmap::paste(const Bitmap& source, int left, int top) {
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      if (contains(left + x, top + y)) at(left + x, top + y) = source.at(x, y);
    }
  }
}

Bitmap Bitmap::cropped(int left, int top, int width, int height) const {
  if (left < 0 || top < 0 || width < 0 || height < 0 || left + width > width_ || top + height > height_)
    throw BmpError("crop rectangle outside the bitmap");
  Bitmap out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.at(x, y) = at(left + x, top + y);
  return out;
}

std::string encodeBmp(const Bitmap& bitmap) {
  const std::size_t stride = rowStride(bitmap.width());
  const std::size_t imageSize = stride * static_cast<std::size_t>(bitmap.height());
  std::string out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + imageSize);
  out += "BM";
  putLe(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + imageSize), 4);
  putLe(out, 0, 4);  // reserved
  putLe(out, kFileHeaderSize + kInfoHeaderSize, 4);
  putLe(out, kInfoHeaderSize, 4);
  putLe(out, static_cast<std::uint32_t>(bitmap.width()), 4);
  putLe(out, static_cast<std::uint32_t>(bitmap.height()), 4);  // positive: bottom-up
  putLe(out, 1, 2);                                            // planes
  putLe(out, 24, 2);                                           // bits per pixel
  putLe(out, 0, 4);                                            // BI_RGB, no compression
  putLe(out, static_cast<std::uint32_t>(imageSize), 4);
  putLe(out, 2835, 4);  // 72 dots per inch, as pixels per metre
  putLe(out, 2835, 4);
  putLe(out, 0, 4);  // no palette
  putLe(out, 0, 4);
  const std::size_t padding = stride - static_cast<std::size_t>(bitmap.width()) * 3;
  for (int y = bitmap.height() - 1; y >= 0; --y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const Rgb& p = bitmap.at(x, y);
      out.push_back(static_cast<char>(p.b));
      out.push_back(static_cast<char>(p.g));
      out.push_back(static_cast<char>(p.r));
    }
    out.append(padding, '\0');
  }
  return out;
}

Bitmap decodeBmp(const std::string& bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') throw BmpError("not a BMP file");
  const std::uint32_t dataOffset = getLe(bytes, 10, 4);
  const std::uint32_t headerSize = getLe(bytes, 14, 4);
  if (headerSize < kInfoHeaderSize) throw BmpError("unsupported BMP header");
  const auto width = static_cast<std::int32_t>(getLe(bytes, 18, 4));
  const auto rawHeight = static_cast<std::int32_t>(getLe(bytes, 22, 4));
  const std::uint32_t bitsPerPixel = getLe(bytes, 28, 2);
  const std::uint32_t compression = getLe(bytes, 30, 4);
  if (bitsPerPixel != 24 || compression != 0) throw BmpError("only uncompressed 24-bit BMP files are read");
  if (width <= 0 || rawHeight == 0 || width > 65536 || rawHeight > 65536 || rawHeight < -65536) throw BmpError("bad BMP size");
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;
  const std::size_t stride = rowStride(width);
  if (dataOffset + stride * static_cast<std::size_t>(height) > bytes.size()) throw BmpError("BMP pixel data is cut short");
  Bitmap bitmap(width, height);
  for (int row = 0; row < height; ++row) {
    const int y = bottomUp ? height - 1 - row : row;
    std::size_t at = dataOffset + stride * static_cast<std::size_t>(row);
    for (int x = 0; x < width; ++x, at += 3) {
      bitmap.at(x, y) = Rgb{static_cast<std::uint8_t>(bytes[at + 2]), static_cast<std::uint8_t>(bytes[at + 1]),
                            static_cast<std::uint8_t>(bytes[at])};
    }
  }
  return bitmap;
}

void writeBmp(const std::filesystem::path& file, const Bitmap& bitmap) {
  const std::string bytes = encodeBmp(bitmap);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw BmpError("cannot write " + file.string());
}

Bitmap readBmp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw BmpError("cannot read " + file.string());
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return decodeBmp(buffer.str());
}

}  // namespace quilloro
