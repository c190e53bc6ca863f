// Shrinking drawn tables into preview pictures: the size that fits and the box filter.
#include "table/pixel_downscale.hpp"

#include <gtest/gtest.h>

namespace quilloro {
namespace {

TEST(SizeToFit, KeepsTheShapeAndNeverEnlarges) {
  EXPECT_EQ(sizeToFit(1200, 740, 300, 185), (PixelSize{300, 185}));
  EXPECT_EQ(sizeToFit(1024, 768, 300, 185), (PixelSize{246, 185}));  // height decides
  EXPECT_EQ(sizeToFit(1920, 1080, 300, 185), (PixelSize{300, 168}));  // width decides
  EXPECT_EQ(sizeToFit(200, 100, 300, 185), (PixelSize{200, 100}));
  // Extreme shapes keep at least one pixel across.
  EXPECT_EQ(sizeToFit(10000, 100, 300, 185), (PixelSize{300, 3}));
  EXPECT_EQ(sizeToFit(100, 10000, 300, 185), (PixelSize{1, 185}));
  EXPECT_EQ(sizeToFit(100000, 1, 300, 185), (PixelSize{300, 1}));
  EXPECT_EQ(sizeToFit(0, 100, 300, 185), (PixelSize{}));
  EXPECT_EQ(sizeToFit(100, 100, 0, 185), (PixelSize{}));
}

TEST(Downscale, AveragesWholeAndPartlyCoveredPixels) {
  // Four to one: each target pixel is the mean of a 4 x 4 block.
  PixelSurface blocks(8, 4, rgbPixel(0, 0, 0));
  blocks.fillRect({0, 0, 4, 4}, rgbPixel(200, 100, 40));
  blocks.fillRect({4, 0, 4, 2}, rgbPixel(255, 255, 255));
  const PixelSurface two = downscaleToFit(blocks, 2, 1);
  ASSERT_EQ(two.width(), 2);
  ASSERT_EQ(two.height(), 1);
  EXPECT_EQ(two.pixel(0, 0), rgbPixel(200, 100, 40));
  EXPECT_EQ(two.pixel(1, 0), rgbPixel(128, 128, 128));  // 127.5 rounds up

  // Three to two: the middle source pixel counts half for each target pixel.
  PixelSurface ramp(3, 1);
  ramp.setPixel(0, 0, rgbPixel(0, 0, 0));
  ramp.setPixel(1, 0, rgbPixel(90, 90, 90));
  ramp.setPixel(2, 0, rgbPixel(180, 180, 180));
  const PixelSurface shrunk = downscaleToFit(ramp, 2, 2);
  ASSERT_EQ(shrunk.width(), 2);
  ASSERT_EQ(shrunk.height(), 1);
  EXPECT_EQ(shrunk.pixel(0, 0), rgbPixel(30, 30, 30));
  EXPECT_EQ(shrunk.pixel(1, 0), rgbPixel(150, 150, 150));
}

TEST(Downscale, KeepsAPlainColourExactAndLeavesSmallPicturesAlone) {
  // The catalogue takes the top-left colour as transparent: a plain table
  // must keep exactly its colour through the filter, whatever the ratio.
  const Pixel green = rgbPixel(0, 128, 0);
  const PixelSurface table(1021, 767, green);
  const PixelSurface preview = downscaleToFit(table, 300, 185);
  EXPECT_EQ(preview.width(), 246);
  EXPECT_EQ(preview.height(), 185);
  for (const Pixel p : preview.pixels()) ASSERT_EQ(p, green);

  PixelSurface small(10, 10, rgbPixel(1, 2, 3));
  small.setPixel(4, 4, rgbPixel(9, 9, 9));
  EXPECT_EQ(downscaleToFit(small, 300, 185), small);
  EXPECT_TRUE(downscaleToFit(PixelSurface(), 300, 185).empty());
}

}  // namespace
}  // namespace quilloro
