// Pixel surfaces: clipped rectangle operations, the card library's view of them, and PNG output.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "cardlib/quilloro.h"
#include "table/pixel_surface.hpp"
#include "table/png_image.hpp"

namespace quilloro {
namespace {

PixelSurface numbered(int width, int height) {
  PixelSurface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) s.setPixel(x, y, rgbPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), 7));
  return s;
}

TEST(PixelSurface, CopiesAreClippedAgainstBothSurfaces) {
  const PixelSurface source = numbered(10, 10);
  PixelSurface target(6, 6, rgbPixel(0, 0, 0));
  // Source rectangle partly off the source and destination partly off the target.
  target.copyFrom(source, {-2, -3, 8, 8}, 1, 1);
  // Destination (1,1) would take source (-2,-3): off the source, so the copy starts at (3,4).
  EXPECT_EQ(target.pixel(0, 0), rgbPixel(0, 0, 0));
  EXPECT_EQ(target.pixel(3, 4), source.pixel(0, 0));
  EXPECT_EQ(target.pixel(5, 5), source.pixel(2, 1));
  EXPECT_EQ(target.pixel(2, 5), rgbPixel(0, 0, 0));

  // Extreme coordinates neither crash nor write.
  const PixelSurface before = target;
  target.copyFrom(source, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX, INT_MAX);
  target.copyFrom(source, {INT_MAX, 0, INT_MAX, 5}, 0, 0);
  target.fillRect({INT_MIN, INT_MIN, 5, 5}, 0);
  target.invertRect({INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX});
  target.copyTransparentFrom(source, {0, 0, 10, 10}, INT_MIN, 3, 0);
  target.setPixel(-1, 2, 0);
  EXPECT_EQ(target, before);
  // A negative size reads as an empty surface.
  EXPECT_TRUE(PixelSurface(-4, 10).empty());
}

TEST(PixelSurface, OverlappingCopyInversionAndTransparency) {
  PixelSurface s = numbered(8, 8);
  const PixelSurface original = s;
  s.copyFrom(s, {0, 0, 6, 6}, 2, 2);  // overlaps itself downwards
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(s.pixel(x + 2, y + 2), original.pixel(x, y)) << x << "," << y;

  // Only what was copied is inverted when the copy is clipped; inverting again restores.
  PixelSurface partial(4, 4, rgbPixel(9, 9, 9));
  partial.copyInvertedFrom(original, {-2, 0, 4, 1}, 0, 0);
  EXPECT_EQ(partial.pixel(0, 0), rgbPixel(9, 9, 9));
  EXPECT_EQ(partial.pixel(2, 0), rgbPixel(255, 255, 248));
  partial.invertRect({2, 0, 2, 1});
  EXPECT_EQ(partial.pixel(3, 0), original.pixel(1, 0));

  PixelSurface keyed(2, 1, rgbPixel(0, 0, 255));
  keyed.setPixel(1, 0, rgbPixel(1, 2, 3));
  PixelSurface onto(2, 1, rgbPixel(50, 50, 50));
  onto.copyTransparentFrom(keyed, {0, 0, 2, 1}, 0, 0, rgbPixel(0, 0, 255));
  EXPECT_EQ(onto.pixel(0, 0), rgbPixel(50, 50, 50));
  EXPECT_EQ(onto.pixel(1, 0), rgbPixel(1, 2, 3));
}

TEST(PixelSurface, LibraryViewServesTheCornerRoutines) {
  PixelSurface table(71, 96, rgbPixel(0, 96, 0));
  PixelSurface card(71, 96, rgbPixel(255, 255, 255));
  QuilloroSurface from = table.libraryView();
  QuilloroSurface to = card.libraryView();
  fDisegnaAngoliCarta(&from, 0, 0, 71, 96, &to, 0, 0, 71, 96, 0);
  EXPECT_EQ(std::count(card.pixels().begin(), card.pixels().end(), rgbPixel(0, 96, 0)), 12);
  EXPECT_EQ(card.pixel(69, 95), rgbPixel(0, 96, 0));
}

TEST(PngImage, ChecksumsMatchTheirStandardValues) {
  EXPECT_EQ(crc32Of("123456789"), 0xCBF43926u);
  EXPECT_EQ(adler32Of("Wikipedia"), 0x11E60398u);
  // Long input crosses the point where the sums are reduced.
  EXPECT_EQ(adler32Of(std::string(100000, '\xFF')), adler32Of(std::string(50000, '\xFF'), adler32Of(std::string(50000, '\xFF'))));
}

std::uint32_t big32(const std::string& s, std::size_t at) {
  return (static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at])) << 24) |
         (static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at + 1])) << 16) |
         (static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at + 2])) << 8) |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[at + 3]));
}

// Reads the file back: chunk checksums, stored blocks, Adler-32, and the pixels.
TEST(PngImage, StoredBlocksCarryEveryScanLine) {
  // Large enough for several stored blocks: 200 x 120 x 3 + 120 filter bytes.
  const PixelSurface picture = numbered(200, 120);
  const std::string png = encodePng(picture);
  ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  std::string idat;
  std::size_t at = 8;
  std::vector<std::string> types;
  while (at < png.size()) {
    const std::uint32_t length = big32(png, at);
    const std::string type = png.substr(at + 4, 4);
    const std::string body = png.substr(at + 8, length);
    EXPECT_EQ(big32(png, at + 8 + length), crc32Of(type + body)) << type;
    if (type == "IHDR") {
      EXPECT_EQ(big32(body, 0), 200u);
      EXPECT_EQ(big32(body, 4), 120u);
    }
    if (type == "IDAT") idat += body;
    types.push_back(type);
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

  std::string raw;
  std::size_t p = 2;
  bool last = false;
  int blocks = 0;
  while (!last) {
    last = (idat[p] & 1) != 0;
    const unsigned len = static_cast<std::uint8_t>(idat[p + 1]) | (static_cast<std::uint8_t>(idat[p + 2]) << 8);
    const unsigned nlen = static_cast<std::uint8_t>(idat[p + 3]) | (static_cast<std::uint8_t>(idat[p + 4]) << 8);
    ASSERT_EQ(len ^ 0xFFFFu, nlen);
    raw += idat.substr(p + 5, len);
    p += 5 + len;
    ++blocks;
  }
  EXPECT_GE(blocks, 2);
  EXPECT_EQ(big32(idat, p), adler32Of(raw));
  ASSERT_EQ(raw.size(), 120u * 601u);
  const std::size_t row = 37 * 601;
  EXPECT_EQ(raw[row], '\0');
  EXPECT_EQ(static_cast<std::uint8_t>(raw[row + 1 + 3 * 150]), 150);  // red = x
  EXPECT_EQ(static_cast<std::uint8_t>(raw[row + 2 + 3 * 150]), 37);   // green = y
  EXPECT_EQ(static_cast<std::uint8_t>(raw[row + 3 + 3 * 150]), 7);
}

}  // namespace
}  // namespace quilloro

// Marks are light laid over the table: black keeps the table, full strength
// covers it, and anything between lets the table show through.
TEST(PixelSurface, LightOverlayLetsTheSurfaceShowThroughFaintLight) {
  using quilloro::PixelSurface;
  using quilloro::rgbPixel;
  PixelSurface table(4, 1, rgbPixel(0, 0, 200));
  PixelSurface mark(3, 1, rgbPixel(0, 0, 0));
  mark.setPixel(1, 0, rgbPixel(255, 255, 255));
  mark.setPixel(2, 0, rgbPixel(100, 100, 100));
  table.overlayLightFrom(mark, 1, 0);
  EXPECT_EQ(table.pixel(0, 0), rgbPixel(0, 0, 200));
  EXPECT_EQ(table.pixel(1, 0), rgbPixel(0, 0, 200));
  EXPECT_EQ(table.pixel(2, 0), rgbPixel(255, 255, 255));
  // 100 of light, and 155/255 of the blue below it.
  EXPECT_EQ(table.pixel(3, 0), rgbPixel(100, 100, 100 + (200 * 155 + 127) / 255));
  // Past the edges nothing is touched.
  table.overlayLightFrom(mark, 3, 0);
  table.overlayLightFrom(mark, -5, -5);
  EXPECT_EQ(table.pixel(3, 0), rgbPixel(100, 100, 100 + (200 * 155 + 127) / 255));
}
