// Rounded card corners, the silver edge of squared piles and the dithered drop shadow.
#include "cardlib/quilloro.h"
#include "cardlib/surface_pixels.hpp"

namespace {

using namespace quilloro::cardlib;

enum class Corner { UpperLeft, UpperRight, LowerLeft, LowerRight };

struct Point {
  int32_t x;
  int32_t y;
};

// The corner pixel first, then its two neighbours along the edges.
void cornerSet(Corner corner, int32_t l, int32_t t, int32_t r, int32_t b, Point (&points)[3]) {
  switch (corner) {
    case Corner::UpperLeft:
      points[0] = {l, t}, points[1] = {l + 1, t}, points[2] = {l, t + 1};
      break;
    case Corner::UpperRight:
      points[0] = {r - 1, t}, points[1] = {r - 2, t}, points[2] = {r - 1, t + 1};
      break;
    case Corner::LowerLeft:
      points[0] = {l, b - 1}, points[1] = {l + 1, b - 1}, points[2] = {l, b - 2};
      break;
    case Corner::LowerRight:
      points[0] = {r - 1, b - 1}, points[1] = {r - 2, b - 1}, points[2] = {r - 1, b - 2};
      break;
  }
}

struct Rect {
  int32_t left, top, right, bottom;
};

int32_t copyCorner(Corner corner, const QuilloroSurface* src, Rect s, QuilloroSurface* dst, Rect d,
                   bool cornerPixelOnly) {
  Point from[3];
  Point to[3];
  cornerSet(corner, s.left, s.top, s.right, s.bottom, from);
  cornerSet(corner, d.left, d.top, d.right, d.bottom, to);
  const int count = cornerPixelOnly ? 1 : 3;
  int32_t result = QUILLORO_PIXEL_INVALID;
  for (int i = 0; i < count; ++i) result = copyPixel(src, from[i].x, from[i].y, dst, to[i].x, to[i].y);
  return result;
}

}  // namespace

extern "C" {

int32_t fDisegnaAngoliCarta(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                            int32_t srcBottom, QuilloroSurfaceHandle dst, int32_t dstLeft, int32_t dstTop,
                            int32_t dstRight, int32_t dstBottom, int32_t detail) {
  const Rect s{srcLeft, srcTop, srcRight, srcBottom};
  const Rect d{dstLeft, dstTop, dstRight, dstBottom};
  const bool single = detail == dstRight - dstLeft;
  copyCorner(Corner::UpperLeft, src, s, dst, d, single);
  copyCorner(Corner::UpperRight, src, s, dst, d, single);
  copyCorner(Corner::LowerLeft, src, s, dst, d, single);
  return copyCorner(Corner::LowerRight, src, s, dst, d, single);
}

int32_t fDisegnaAngoliSupCarta(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t srcTop, int32_t srcRight,
                               int32_t /*srcBottom*/, QuilloroSurfaceHandle dst, int32_t dstLeft, int32_t dstTop,
                               int32_t dstRight, int32_t /*dstBottom*/, int32_t detail) {
  const Rect s{srcLeft, srcTop, srcRight, 0};
  const Rect d{dstLeft, dstTop, dstRight, 0};
  const bool single = detail == dstRight;
  copyCorner(Corner::UpperLeft, src, s, dst, d, single);
  return copyCorner(Corner::UpperRight, src, s, dst, d, single);
}

int32_t fDisegnaAngoliInfCarta(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t /*srcTop*/, int32_t srcRight,
                               int32_t srcBottom, QuilloroSurfaceHandle dst, int32_t dstLeft, int32_t /*dstTop*/,
                               int32_t dstRight, int32_t dstBottom, int32_t detail) {
  const Rect s{srcLeft, 0, srcRight, srcBottom};
  const Rect d{dstLeft, 0, dstRight, dstBottom};
  const bool single = detail == dstRight;
  copyCorner(Corner::LowerLeft, src, s, dst, d, single);
  return copyCorner(Corner::LowerRight, src, s, dst, d, single);
}

int32_t fDisegnaAngoliInfCarta3DPile(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t /*srcTop*/,
                                     int32_t /*srcRight*/, int32_t srcBottom, QuilloroSurfaceHandle dst,
                                     int32_t dstLeft, int32_t /*dstTop*/, int32_t dstRight, int32_t dstBottom,
                                     int32_t detail) {
  const Rect s{srcLeft, 0, 0, srcBottom};
  const Rect d{dstLeft, 0, dstRight, dstBottom};
  const bool single = detail == dstRight;
  copyCorner(Corner::LowerLeft, src, s, dst, d, single);
  Point silver[3];
  cornerSet(Corner::LowerRight, d.left, d.top, d.right, d.bottom, silver);
  int32_t result = QUILLORO_PIXEL_INVALID;
  for (const Point& p : silver) result = writePixel(dst, p.x, p.y, kSilver);
  return result;
}

int32_t fDisegnaAngoloInf3DPile(QuilloroSurfaceHandle src, int32_t /*srcLeft*/, int32_t /*srcTop*/,
                                int32_t srcRight, int32_t srcBottom, QuilloroSurfaceHandle dst,
                                int32_t /*dstLeft*/, int32_t /*dstTop*/, int32_t dstRight, int32_t dstBottom,
                                int32_t detail) {
  const Rect s{0, 0, srcRight, srcBottom};
  const Rect d{0, 0, dstRight, dstBottom};
  return copyCorner(Corner::LowerRight, src, s, dst, d, detail == dstRight);
}

int32_t fDisegnaOmbraCarta(QuilloroSurfaceHandle surface, int32_t l, int32_t t, int32_t r, int32_t b) {
  // Right band: every other pixel, each column starting one row lower than its
  // neighbour so that the dots form a checkerboard; the last column starts later
  // still to round the far corner.
  for (int32_t x = r; x <= r + 6; ++x) {
    const int32_t column = x - r;
    const int32_t start = column == 6 ? t + 9 : (column % 2 == 0 ? t + 7 : t + 8);
    for (int32_t y = start; y <= b; y += 2) writePixel(surface, x, y, kBlack);
  }
  // Bottom band, likewise, with the last two rows cut short.
  for (int32_t y = b; y <= b + 6; ++y) {
    const int32_t row = y - b;
    const int32_t start = row == 6 ? l + 10 : (row % 2 == 0 ? l + 8 : l + 9);
    const int32_t end = row >= 5 ? r + 4 : r + 6;
    for (int32_t x = start; x <= end; x += 2) writePixel(surface, x, y, kBlack);
  }
  // The card's rounded lower-right corner lets the shadow through.
  writePixel(surface, r - 1, b - 2, kBlack);
  return writePixel(surface, r - 2, b - 1, kBlack);
}

}  // extern "C"
