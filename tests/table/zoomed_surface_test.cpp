// Surfaces above scale 1: table pixels covering blocks of stored pixels, copies that restore exactly
// what they covered, pictures of another scale, card corners, and the zoom's steps and fitting.
#include <gtest/gtest.h>

#include <climits>

#include "table/card_corners.hpp"
#include "table/pixel_surface.hpp"
#include "table/table_zoom.hpp"
#include "table/zoomed_card_pictures.hpp"

namespace quilloro {
namespace {

constexpr Pixel kRed = rgbPixel(255, 0, 0);
constexpr Pixel kBlue = rgbPixel(0, 0, 255);
constexpr Pixel kMidGreen = rgbPixel(0, 128, 0);

int countStored(const PixelSurface& s, Pixel colour) {
  int n = 0;
  for (const Pixel p : s.pixels()) n += p == colour;
  return n;
}

TEST(ZoomedSurface, TablePixelsCoverWholeBlocksOfStoredPixels) {
  PixelSurface s(10, 8, 2.0, kMidGreen);
  EXPECT_EQ(s.width(), 10);
  EXPECT_EQ(s.storedWidth(), 20);
  EXPECT_EQ(s.storedHeight(), 16);
  s.setPixel(3, 2, kRed);
  EXPECT_EQ(countStored(s, kRed), 4);
  EXPECT_EQ(s.row(4)[6], kRed);
  EXPECT_EQ(s.row(5)[7], kRed);
  EXPECT_EQ(s.pixel(3, 2), kRed);
  s.fillRect({1, 1, 3, 2}, kBlue);
  EXPECT_EQ(countStored(s, kBlue), 6 * 4);

  // A store given in stored pixels: the table pixels that cover it, rounded up.
  PixelSurface window;
  window.resizeStored(1366, 768, 1.25);
  EXPECT_EQ(window.width(), 1093);
  EXPECT_EQ(window.height(), 615);
  window.fillRect({0, 0, window.width(), window.height()}, kRed);
  EXPECT_EQ(countStored(window, kRed), 1366 * 768);
}

TEST(ZoomedSurface, DrawingAndRestoringARectangleCoverTheSameStoredPixels) {
  // At a fractional scale the edges fall between stored pixels: whatever is
  // drawn at a rectangle must be exactly what restoring it brings back.
  for (const double scale : {0.7, 0.75, 0.8, 1.25, 1.5, 2.5}) {
    PixelSurface background(200, 150, scale, kMidGreen);
    PixelSurface table(200, 150, scale, kMidGreen);
    PixelSurface card(71, 96, scale, kRed);
    for (int left = 0; left < 9; ++left) {
      table.draw(card, 13 + left, 7 + left);
      table.copyFrom(background, {13 + left, 7 + left, 71, 96}, 13 + left, 7 + left);
      EXPECT_EQ(countStored(table, kRed), 0) << scale << " at " << left;
    }
    // Two cards side by side a card width apart leave no stored column between them.
    table.draw(card, 10, 10);
    table.draw(card, 81, 10);
    const PixelRect both = table.storedRect({10, 10, 142, 96});
    for (int x = both.left; x < both.right(); ++x) EXPECT_EQ(table.row(both.top + 5)[x], kRed) << scale << " x " << x;
  }
}

TEST(ZoomedSurface, PicturesOfAnotherScaleAreStretchedAndFarCoordinatesAreSafe) {
  PixelSurface picture(2, 1, rgbPixel(0, 0, 0));
  picture.setPixel(1, 0, kRed);
  PixelSurface s(10, 10, 3.0, kMidGreen);
  s.draw(picture, 2, 2);
  EXPECT_EQ(countStored(s, kRed), 9);
  EXPECT_EQ(s.pixel(3, 2), kRed);
  EXPECT_EQ(s.pixel(2, 2), rgbPixel(0, 0, 0));
  s.copyTransparentFrom(picture, {0, 0, 2, 1}, 5, 5, kRed);
  EXPECT_EQ(s.pixel(5, 5), rgbPixel(0, 0, 0));
  EXPECT_EQ(s.pixel(6, 5), kMidGreen);

  // Nothing reaches outside the store, however far the coordinates lie.
  PixelSurface other(10, 10, 3.0, kBlue);
  s.copyFrom(other, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX, INT_MIN);
  s.fillRect({INT_MAX - 1, 0, INT_MAX, 5}, kBlue);
  s.invertRect({-5, -5, INT_MAX, 3});
  s.setPixel(INT_MAX, INT_MAX, kBlue);
  EXPECT_EQ(s.pixel(INT_MIN, 0), kOpaqueAlpha);
  const PixelSurface part = s.cropped({-3, -3, 6, 6});
  EXPECT_EQ(part.scale(), 3.0);
  EXPECT_EQ(part.storedWidth(), 18);
}

TEST(ZoomedSurface, CardCornersAreCutTheSameAtScaleOneAndFinerAbove) {
  // Scale 1: the library's corner pixel and its two neighbours.
  PixelSurface below(20, 20, kMidGreen);
  PixelSurface card(20, 20, kRed);
  copyCardCorners(below, {2, 2, 10, 12}, card, {2, 2, 10, 12}, CardCorners::All);
  EXPECT_EQ(countStored(card, kMidGreen), 12);
  EXPECT_EQ(card.pixel(2, 2), kMidGreen);
  EXPECT_EQ(card.pixel(3, 2), kMidGreen);
  EXPECT_EQ(card.pixel(3, 3), kRed);

  // Scale 2: the same diagonal cut, drawn with stored pixels: ten at each corner.
  PixelSurface belowZoomed(20, 20, 2.0, kMidGreen);
  PixelSurface cardZoomed(20, 20, 2.0, kRed);
  copyCardCorners(belowZoomed, {2, 2, 10, 12}, cardZoomed, {2, 2, 10, 12}, CardCorners::Upper);
  EXPECT_EQ(countStored(cardZoomed, kMidGreen), 20);
  EXPECT_EQ(cardZoomed.row(4)[4], kMidGreen);
  EXPECT_EQ(cardZoomed.row(4)[7], kMidGreen);
  EXPECT_EQ(cardZoomed.row(4)[8], kRed);
  EXPECT_EQ(cardZoomed.row(6)[6], kRed);
  // On a squared pile the lower-right corner shows the silver edge.
  copyCardCorners(belowZoomed, {2, 2, 10, 12}, cardZoomed, {2, 2, 10, 12}, CardCorners::LowerOnPile);
  EXPECT_EQ(countStored(cardZoomed, kMidGreen), 30);
  EXPECT_EQ(cardZoomed.row(27)[23], rgbPixel(192, 192, 192));
}

// Below scale 1 several table pixels share a stored one; what is drawn
// still shows, and the screens of dots keep their even weave.
TEST(ZoomedSurface, BelowScaleOneThinLinesStayAndDotsStaySingle) {
  PixelSurface s(100, 80, 0.75, kMidGreen);
  EXPECT_EQ(s.storedWidth(), 75);
  EXPECT_EQ(s.storedHeight(), 60);
  // Every one-pixel line, wherever it falls, covers a stored column.
  for (int x = 0; x < 12; ++x) {
    PixelSurface line(100, 80, 0.75, kMidGreen);
    line.fillRect({x, 0, 1, 80}, kRed);
    EXPECT_EQ(countStored(line, kRed), 60) << x;
  }
  s.setPixel(5, 5, kRed);
  EXPECT_EQ(s.pixel(5, 5), kRed);

  // A shadow strip of alternate dots, shrunk: no two dots side by side.
  PixelSurface strip(7, 40, kMidGreen);
  for (int y = 0; y < 40; ++y)
    for (int x = y % 2; x < 7; x += 2) strip.setPixel(x, y, kOpaqueAlpha);
  for (const double scale : {0.7, 0.75, 0.8, 0.9}) {
    const PixelSurface shrunk = screenAtScale(strip, scale);
    ASSERT_EQ(shrunk.scale(), scale);
    for (int y = 0; y + 1 < shrunk.storedHeight(); ++y)
      for (int x = 0; x + 1 < shrunk.storedWidth(); ++x) {
        EXPECT_NE(shrunk.row(y)[x], shrunk.row(y)[x + 1]) << scale << " at " << x << "," << y;
        EXPECT_NE(shrunk.row(y)[x], shrunk.row(y + 1)[x]) << scale << " at " << x << "," << y;
      }
  }

  // The drop shadow of a lifted card is the same weave, right of and below it.
  PixelSurface table(200, 200, 0.75, kMidGreen);
  drawCardShadow(table, {20, 20, 71, 96});
  const PixelRect right = table.storedRect({91, 40, 7, 60});
  int dots = 0;
  for (int y = right.top; y < right.bottom(); ++y)
    for (int x = right.left; x < right.right(); ++x) {
      dots += table.row(y)[x] == kOpaqueAlpha;
      if (x + 1 < right.right()) {
        EXPECT_NE(table.row(y)[x], table.row(y)[x + 1]);
      }
    }
  EXPECT_GT(dots, right.width * right.height / 2 - right.height);
  EXPECT_EQ(table.pixel(50, 50), kMidGreen);
}

TEST(TableZoomSteps, StepsStopAtBothEndsAndTurnFitOff) {
  TableZoom zoom;
  EXPECT_TRUE(zoom.fitToWindow());
  EXPECT_EQ(zoom.scale(), 1.0);
  EXPECT_FALSE(zoom.zoomOut());
  EXPECT_FALSE(zoom.fitToWindow());
  EXPECT_TRUE(zoom.zoomIn());
  EXPECT_EQ(zoom.stepFactor(), 1.25);
  zoom.setStep(99);
  EXPECT_EQ(zoom.stepFactor(), kZoomSteps.back());
  EXPECT_FALSE(zoom.zoomIn());
  zoom.setStep(-4);
  EXPECT_EQ(zoom.step(), 0);

  // The screen's pixel ratio multiplies in; pointer positions come in window pixels.
  zoom.setStep(3);
  zoom.setDevicePixelRatio(2.0);
  EXPECT_EQ(zoom.scale(), 4.0);
  EXPECT_EQ(zoom.tableCoordinate(101.0), 50);
  EXPECT_EQ(zoom.tableCoordinate(-1.0), -1);
  EXPECT_EQ(zoom.tableLength(4001), 1001);
  zoom.setDevicePixelRatio(0.0);
  EXPECT_EQ(zoom.devicePixelRatio(), 1.0);
}

TEST(TableZoomSteps, FitTakesTheLargestStepThatFitsOnlyWhenOn) {
  TableZoom zoom;
  // The table fits as long as 700 table pixels fit into 1920 stored ones.
  const auto fits = [](double scale) { return 700 * scale <= 1920; };
  EXPECT_TRUE(zoom.fit(fits));
  EXPECT_EQ(zoom.stepFactor(), 2.5);
  EXPECT_FALSE(zoom.fit(fits));
  zoom.fit([](double) { return false; });
  EXPECT_EQ(zoom.step(), 0);
  zoom.setFitToWindow(false);
  zoom.setStep(4);
  EXPECT_FALSE(zoom.fit(fits));
  EXPECT_EQ(zoom.step(), 4);
}

TEST(TableZoomSteps, OnlyATableLargerThanTheWindowAsDealtIsShrunk) {
  TableZoom zoom;
  const auto never = [](double) { return false; };
  // A table that fits at zoom 1 as dealt stays at 1, however long its fans may grow.
  EXPECT_FALSE(zoom.fit(never, [](double scale) { return scale <= 1.0; }));
  EXPECT_EQ(zoom.stepFactor(), 1.0);
  EXPECT_FALSE(zoom.shrunk());
  // 1000 table pixels into an 800-pixel window: four fifths.
  EXPECT_TRUE(zoom.fit(never, [](double scale) { return 1000 * scale <= 800; }));
  EXPECT_EQ(zoom.stepFactor(), 0.8);
  EXPECT_TRUE(zoom.shrunk());
  EXPECT_EQ(zoom.tableCoordinate(400.0), 500);
  // Nothing fits: the smallest step shows the most.
  zoom.fit(never, never);
  EXPECT_EQ(zoom.stepFactor(), kShrinkSteps.back());
  // By hand the player cannot zoom out below 1, and zooming in from a shrunk table gives 1.
  EXPECT_FALSE(zoom.zoomOut());
  EXPECT_TRUE(zoom.zoomIn());
  EXPECT_FALSE(zoom.fitToWindow());
  EXPECT_EQ(zoom.stepFactor(), 1.0);
  EXPECT_FALSE(zoom.zoomOut());
}

TEST(TableZoomSteps, TheWindowSeenAtAScaleRoundsTheTableInward) {
  WindowMetrics window;
  window.screenWidth = window.windowWidth = 800;
  window.screenHeight = window.windowHeight = 600;
  window.barsBottom = 50;
  window.statusBarHeight = 20;
  window.statusBarTop = 535;
  const WindowMetrics shrunk = zoomedWindowMetrics(window, 1.0, 0.75);
  EXPECT_EQ(shrunk.windowWidth, 1066);
  EXPECT_EQ(shrunk.windowHeight, 800);
  EXPECT_EQ(shrunk.barsBottom, 67);
  EXPECT_EQ(shrunk.statusBarHeight, 27);
  EXPECT_EQ(shrunk.statusBarTop, 800 - 87);
  EXPECT_EQ(shrunk.unzoomedScreenWidth(), 800);
  // On a screen of two pixels per window pixel, zoom 1.5 is scale 3.
  const WindowMetrics dense = zoomedWindowMetrics(window, 2.0, 3.0);
  EXPECT_EQ(dense.windowWidth, 533);
  EXPECT_EQ(dense.barsBottom, 34);
  EXPECT_EQ(dense.unzoomedScreenWidth(), 800);
}

}  // namespace
}  // namespace quilloro
