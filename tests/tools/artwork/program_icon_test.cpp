// The program's icon: transparent around the cards at every size, its PNG and SVG files, and the theme folder of the build.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/artwork/png_writer.hpp"
#include "tools/artwork/program_icon.hpp"

namespace {

using namespace quilloro::artwork;
namespace fs = std::filesystem;

std::uint32_t big32(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return v;
}

// The pixel bytes back out of a file written by encodeRgbaPng: its IDAT holds
// stored blocks, so the scan lines can be read without inflating.
std::vector<std::uint8_t> storedPixels(const std::string& png, int width, int height) {
  std::size_t at = 8;
  std::string z;
  while (at + 8 <= png.size()) {
    const std::uint32_t length = big32(png, at);
    if (png.compare(at + 4, 4, "IDAT") == 0) z += png.substr(at + 8, length);
    at += 12 + length;
  }
  std::string raw;
  std::size_t p = 2;
  for (bool last = false; !last && p + 5 <= z.size();) {
    last = (z[p] & 1) != 0;
    const std::size_t n = static_cast<std::uint8_t>(z[p + 1]) | (static_cast<std::uint8_t>(z[p + 2]) << 8);
    raw += z.substr(p + 5, n);
    p += 5 + n;
  }
  std::vector<std::uint8_t> pixels;
  const std::size_t row = static_cast<std::size_t>(width) * 4;
  for (int y = 0; y < height; ++y) {
    const std::size_t start = static_cast<std::size_t>(y) * (row + 1);
    EXPECT_EQ(raw[start], '\0') << "filter of row " << y;
    pixels.insert(pixels.end(), raw.begin() + static_cast<std::ptrdiff_t>(start + 1),
                  raw.begin() + static_cast<std::ptrdiff_t>(start + 1 + row));
  }
  return pixels;
}

TEST(ProgramIcon, EverySizeShowsOpaqueCardsOnATransparentGround) {
  for (const int size : kProgramIconSizes) {
    const RgbaPicture icon = renderProgramIcon(size);
    ASSERT_EQ(icon.rgba.size(), static_cast<std::size_t>(size * size * 4));
    // The corners lie outside both cards; the middle lies on the front card.
    EXPECT_EQ(icon.alphaAt(0, 0), 0) << size;
    EXPECT_EQ(icon.alphaAt(size - 1, 0), 0) << size;
    EXPECT_EQ(icon.alphaAt(size / 2 + size / 8, size / 2), 255) << size;
    int opaque = 0, partial = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const int a = icon.alphaAt(x, y);
        opaque += a == 255;
        partial += a > 0 && a < 255;
      }
    // The cards fill a good part of the square, with soft edges and shadows.
    EXPECT_GT(opaque, size * size / 3) << size;
    EXPECT_GT(partial, 0) << size;
  }
}

TEST(ProgramIcon, TheFrontCardShowsARedHeart) {
  const RgbaPicture icon = renderProgramIcon(256);
  // The heart's centre sits on the front card, a little below its middle.
  const std::size_t at = (static_cast<std::size_t>(140) * 256 + 156) * 4;
  EXPECT_GT(icon.rgba[at], 150);
  EXPECT_LT(icon.rgba[at + 1], 60);
  EXPECT_LT(icon.rgba[at + 2], 80);
  EXPECT_EQ(icon.rgba[at + 3], 255);
}

TEST(ProgramIcon, PngFilesCarryThePixelsWithTheirAlpha) {
  const RgbaPicture icon = renderProgramIcon(128);
  const std::string png = encodeRgbaPng(128, 128, icon.rgba);
  ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(big32(png, 16), 128u);
  EXPECT_EQ(big32(png, 20), 128u);
  EXPECT_EQ(png[24], 8);  // bits per channel
  EXPECT_EQ(png[25], 6);  // red, green, blue and alpha
  EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
  EXPECT_EQ(storedPixels(png, 128, 128), icon.rgba);
  EXPECT_THROW(encodeRgbaPng(2, 2, std::vector<std::uint8_t>(15)), std::invalid_argument);
}

TEST(ProgramIcon, TheSvgHoldsEveryLayerInItsViewBox) {
  const std::string svg = programIconSvg();
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
  std::size_t paths = 0;
  for (std::size_t at = svg.find("<path d=\"M"); at != std::string::npos; at = svg.find("<path d=\"M", at + 1)) ++paths;
  EXPECT_EQ(paths, programIconShapes(256).size());
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  EXPECT_EQ(svg.find("nan"), std::string::npos);

  Path square;
  square.rect(1, 2, 3, 4);
  EXPECT_EQ(square.svgData(), "M1.00 2.00L4.00 2.00L4.00 6.00L1.00 6.00Z");
}

TEST(ProgramIcon, TheBuildDrawsTheIconThemeFolder) {
  const char* home = std::getenv("QUILLORO_HOME");
  ASSERT_NE(home, nullptr);
  const fs::path theme = fs::path(home) / "Icons" / "hicolor";
  for (const int size : kProgramIconSizes) {
    const fs::path file = theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps" / QUILLORO_ICON_NAME ".png";
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(big32(bytes.str(), 16), static_cast<std::uint32_t>(size)) << file;
  }
  EXPECT_TRUE(fs::is_regular_file(theme / "scalable" / "apps" / QUILLORO_ICON_NAME ".svg"));
}

}  // namespace
