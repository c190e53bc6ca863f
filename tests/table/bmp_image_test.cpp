// Bitmap files: the pixel formats and row orders read, and damaged files refused without a crash.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "table/bmp_image.hpp"

namespace quilloro {
namespace {

void put16(std::string& s, unsigned v) {
  s.push_back(static_cast<char>(v & 0xFF));
  s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& s, std::uint32_t v) {
  put16(s, v & 0xFFFF);
  put16(s, v >> 16);
}

// A bitmap file built byte by byte: headers, palette or masks, rows as given.
std::string bitmap(int width, int height, unsigned bits, const std::vector<std::uint32_t>& palette,
                   const std::string& rows, std::uint32_t compression = 0, const std::vector<std::uint32_t>& masks = {}) {
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size() + masks.size());
  std::string s = "BM";
  put32(s, offset + static_cast<std::uint32_t>(rows.size()));
  put32(s, 0);
  put32(s, offset);
  put32(s, 40);
  put32(s, static_cast<std::uint32_t>(width));
  put32(s, static_cast<std::uint32_t>(height));
  put16(s, 1);
  put16(s, bits);
  put32(s, compression);
  put32(s, static_cast<std::uint32_t>(rows.size()));
  put32(s, 2835);
  put32(s, 2835);
  put32(s, static_cast<std::uint32_t>(palette.size()));
  put32(s, 0);
  for (const std::uint32_t m : masks) put32(s, m);
  for (const std::uint32_t c : palette) put32(s, c);  // B, G, R, 0 as a little-endian 0x00RRGGBB
  return s + rows;
}

std::string bytes(std::initializer_list<int> values) {
  std::string s;
  for (const int v : values) s.push_back(static_cast<char>(v));
  return s;
}

TEST(BmpImage, PalettisedRowsBottomUpAndTopDown) {
  const std::vector<std::uint32_t> palette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  // Two rows of three 8-bit indices, each padded to four bytes; the file's first row is the bottom one.
  const std::string rows = bytes({1, 2, 3, 0, 3, 3, 0, 0});
  const BmpResult up = decodeBmp(bitmap(3, 2, 8, palette, rows));
  ASSERT_TRUE(up.ok()) << up.error;
  EXPECT_EQ(up.image.pixel(0, 1), rgbPixel(255, 0, 0));
  EXPECT_EQ(up.image.pixel(2, 0), rgbPixel(0, 0, 0));
  const BmpResult down = decodeBmp(bitmap(3, -2, 8, palette, rows));
  ASSERT_TRUE(down.ok()) << down.error;
  EXPECT_EQ(down.image.pixel(0, 0), rgbPixel(255, 0, 0));
  EXPECT_EQ(down.image.pixel(0, 1), rgbPixel(0, 0, 255));

  // Four and one bits per pixel, high bits first; an index past the palette shows black.
  const BmpResult four = decodeBmp(bitmap(3, 1, 4, palette, bytes({0x12, 0x90, 0, 0})));
  ASSERT_TRUE(four.ok()) << four.error;
  EXPECT_EQ(four.image.pixel(0, 0), rgbPixel(255, 0, 0));
  EXPECT_EQ(four.image.pixel(1, 0), rgbPixel(0, 255, 0));
  EXPECT_EQ(four.image.pixel(2, 0), rgbPixel(0, 0, 0));
  const BmpResult one = decodeBmp(bitmap(9, 1, 1, {0x000000, 0xFFFFFF}, bytes({0xA0, 0x80, 0, 0})));
  ASSERT_TRUE(one.ok()) << one.error;
  EXPECT_EQ(one.image.pixel(0, 0), rgbPixel(255, 255, 255));
  EXPECT_EQ(one.image.pixel(1, 0), rgbPixel(0, 0, 0));
  EXPECT_EQ(one.image.pixel(8, 0), rgbPixel(255, 255, 255));
}

TEST(BmpImage, TrueColourFormats) {
  // 24 bits: B, G, R per pixel, rows padded; two pixels give six bytes and two of padding.
  const BmpResult rgb = decodeBmp(bitmap(2, 1, 24, {}, bytes({10, 20, 30, 40, 50, 60, 0, 0})));
  ASSERT_TRUE(rgb.ok()) << rgb.error;
  EXPECT_EQ(rgb.image.pixel(0, 0), rgbPixel(30, 20, 10));
  EXPECT_EQ(rgb.image.pixel(1, 0), rgbPixel(60, 50, 40));
  // 32 bits: the fourth byte is ignored, every pixel opaque.
  const BmpResult wide = decodeBmp(bitmap(1, 1, 32, {}, bytes({1, 2, 3, 0})));
  ASSERT_TRUE(wide.ok()) << wide.error;
  EXPECT_EQ(wide.image.pixel(0, 0), rgbPixel(3, 2, 1));
  // 16 bits with 5-6-5 masks: full red and full blue.
  const BmpResult masked =
      decodeBmp(bitmap(2, 1, 16, {}, bytes({0x00, 0xF8, 0x1F, 0x00}), 3, {0xF800, 0x07E0, 0x001F}));
  ASSERT_TRUE(masked.ok()) << masked.error;
  EXPECT_EQ(masked.image.pixel(0, 0), rgbPixel(255, 0, 0));
  EXPECT_EQ(masked.image.pixel(1, 0), rgbPixel(0, 0, 255));
}

TEST(BmpImage, DamagedFilesGiveErrorsNeverACrash) {
  PixelSurface picture(7, 5, rgbPixel(1, 2, 3));
  picture.setPixel(6, 0, rgbPixel(200, 100, 50));
  const std::string good = encodeBmp(picture);
  // Written files read back, rows in order.
  ASSERT_EQ(decodeBmp(good).image, picture);
  // Every cut of a good file is refused, whatever header field it falls in.
  for (std::size_t length = 0; length < good.size(); ++length)
    ASSERT_FALSE(decodeBmp(good.substr(0, length)).ok()) << length;

  const auto withField = [&](std::size_t at, std::uint32_t value) {
    std::string s = good;
    for (int i = 0; i < 4; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return decodeBmp(s);
  };
  // No width, a negative width, the most negative height, implausibly wide, wider than the
  // file, pixels past the end, run-length compressed, unknown and overlong headers.
  for (const auto& [at, value] : std::initializer_list<std::pair<std::size_t, std::uint32_t>>{
           {18, 0}, {18, 0x80000000u}, {22, 0x80000000u}, {18, 100000}, {18, 9000}, {10, 0xFFFFFFF0u}, {30, 1},
           {14, 7}, {14, 0xFFFFFFFFu}})
    EXPECT_FALSE(withField(at, value).ok()) << at << " " << value;

  // A palette claimed bigger than the file, and a pixel offset inside the headers.
  const std::string small = bitmap(1, 1, 8, {0x00FFFFFF}, bytes({0, 0, 0, 0}));
  std::string huge = small;
  huge[46] = static_cast<char>(0xFF);  // colours used
  EXPECT_TRUE(decodeBmp(huge).ok());
  std::string inside = small;
  inside[10] = 20;
  EXPECT_FALSE(decodeBmp(inside).ok());
}

}  // namespace
}  // namespace quilloro
