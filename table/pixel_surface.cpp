#include "table/pixel_surface.hpp"

#include <algorithm>
#include <cstring>

namespace quilloro {
namespace {

constexpr Pixel kColourBits = 0x00FFFFFFu;

// Clips the interval [start, start + length) to [0, limit) in 64 bits, so that
// sums of extreme coordinates cannot overflow.
bool clipInterval(long long& start, long long& length, long long limit) {
  if (start < 0) {
    length += start;
    start = 0;
  }
  if (start + length > limit) length = limit - start;
  return length > 0;
}

}  // namespace

PixelSurface::PixelSurface(int width, int height, Pixel fill) { resize(width, height, fill); }

void PixelSurface::resize(int width, int height, Pixel fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
}

Pixel PixelSurface::pixel(int x, int y) const { return contains(x, y) ? row(y)[x] : kOpaqueAlpha; }

void PixelSurface::setPixel(int x, int y, Pixel value) {
  if (contains(x, y)) row(y)[x] = value;
}

void PixelSurface::fill(Pixel value) { std::fill(pixels_.begin(), pixels_.end(), value); }

PixelRect PixelSurface::clipped(const PixelRect& rect) const {
  long long x = rect.left, y = rect.top, w = rect.width, h = rect.height;
  if (!clipInterval(x, w, width_) || !clipInterval(y, h, height_)) return {};
  return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h)};
}

void PixelSurface::fillRect(const PixelRect& rect, Pixel value) {
  const PixelRect r = clipped(rect);
  for (int y = r.top; y < r.bottom(); ++y) std::fill_n(row(y) + r.left, r.width, value);
}

void PixelSurface::invertRect(const PixelRect& rect) {
  const PixelRect r = clipped(rect);
  for (int y = r.top; y < r.bottom(); ++y) {
    Pixel* p = row(y) + r.left;
    for (int x = 0; x < r.width; ++x) p[x] ^= kColourBits;
  }
}

bool PixelSurface::clipCopy(const PixelSurface& source, PixelRect& from, int& dx, int& dy) const {
  long long sx = from.left, sy = from.top, w = from.width, h = from.height;
  long long tx = dx, ty = dy;
  // Clip against the source, moving the destination along, then the other way round.
  const long long sx0 = sx, sy0 = sy;
  if (!clipInterval(sx, w, source.width_) || !clipInterval(sy, h, source.height_)) return false;
  tx += sx - sx0;
  ty += sy - sy0;
  const long long tx0 = tx, ty0 = ty;
  if (!clipInterval(tx, w, width_) || !clipInterval(ty, h, height_)) return false;
  sx += tx - tx0;
  sy += ty - ty0;
  from = {static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(w), static_cast<int>(h)};
  dx = static_cast<int>(tx);
  dy = static_cast<int>(ty);
  return true;
}

void PixelSurface::copyFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy) {
  PixelRect r = from;
  if (!clipCopy(source, r, dx, dy)) return;
  const auto bytes = static_cast<std::size_t>(r.width) * sizeof(Pixel);
  // A copy within one surface may overlap itself: walk the rows away from the overlap.
  if (&source == this && dy > r.top) {
    for (int k = r.height - 1; k >= 0; --k) std::memmove(row(dy + k) + dx, source.row(r.top + k) + r.left, bytes);
  } else {
    for (int k = 0; k < r.height; ++k) std::memmove(row(dy + k) + dx, source.row(r.top + k) + r.left, bytes);
  }
}

void PixelSurface::copyInvertedFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy) {
  PixelRect r = from;
  if (!clipCopy(source, r, dx, dy)) return;
  copyFrom(source, r, dx, dy);
  invertRect({dx, dy, r.width, r.height});
}

void PixelSurface::copyTransparentFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy,
                                       Pixel transparent) {
  PixelRect r = from;
  if (!clipCopy(source, r, dx, dy)) return;
  const Pixel key = transparent & kColourBits;
  for (int k = 0; k < r.height; ++k) {
    const Pixel* s = source.row(r.top + k) + r.left;
    Pixel* d = row(dy + k) + dx;
    for (int x = 0; x < r.width; ++x)
      if ((s[x] & kColourBits) != key) d[x] = s[x];
  }
}

void PixelSurface::overlayLightFrom(const PixelSurface& source, int dx, int dy) {
  PixelRect r{0, 0, source.width(), source.height()};
  if (!clipCopy(source, r, dx, dy)) return;
  for (int k = 0; k < r.height; ++k) {
    const Pixel* s = source.row(r.top + k) + r.left;
    Pixel* d = row(dy + k) + dx;
    for (int x = 0; x < r.width; ++x) {
      const unsigned red = (s[x] >> 16) & 0xFFu, green = (s[x] >> 8) & 0xFFu, blue = s[x] & 0xFFu;
      const unsigned opacity = std::max({red, green, blue});
      if (opacity == 0) continue;
      const unsigned keep = 255 - opacity;
      auto channel = [&](unsigned ink, int shift) {
        const unsigned below = (d[x] >> shift) & 0xFFu;
        return std::min(255u, ink + (below * keep + 127) / 255);
      };
      d[x] = rgbPixel(channel(red, 16), channel(green, 8), channel(blue, 0));
    }
  }
}

PixelSurface PixelSurface::cropped(const PixelRect& rect) const {
  PixelSurface out(rect.width, rect.height, kOpaqueAlpha);
  out.copyFrom(*this, rect, 0, 0);
  return out;
}

QuilloroSurface PixelSurface::libraryView() {
  return QuilloroSurface{pixels_.empty() ? nullptr : pixels_.data(), width_, height_, width_};
}

}  // namespace quilloro
