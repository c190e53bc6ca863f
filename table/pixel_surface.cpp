#include "table/pixel_surface.hpp"

#include <algorithm>
#include <cmath>
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

// Stored coordinates stay well inside an int, however far off a table coordinate lies.
constexpr long long kCoordinateLimit = 1LL << 29;

int toInt(long long v) { return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)); }

double validScale(double scale) {
  return std::isfinite(scale) && scale >= kSmallestScale && scale <= 16.0 ? scale : 1.0;
}

}  // namespace

PixelSurface::PixelSurface(int width, int height, Pixel fill) { resize(width, height, fill); }

PixelSurface::PixelSurface(int width, int height, double scale, Pixel fill) : scale_(validScale(scale)) {
  resize(width, height, fill);
}

void PixelSurface::resize(int width, int height, Pixel fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  storedWidth_ = scaled() ? static_cast<int>(std::ceil(width_ * scale_)) : width_;
  storedHeight_ = scaled() ? static_cast<int>(std::ceil(height_ * scale_)) : height_;
  pixels_.assign(static_cast<std::size_t>(storedWidth_) * static_cast<std::size_t>(storedHeight_), fill);
}

void PixelSurface::rescale(double scale, Pixel fill) {
  scale_ = validScale(scale);
  resize(width_, height_, fill);
}

void PixelSurface::resizeStored(int storedWidth, int storedHeight, double scale, Pixel fill) {
  scale_ = validScale(scale);
  storedWidth_ = std::max(storedWidth, 0);
  storedHeight_ = std::max(storedHeight, 0);
  if (storedWidth_ == 0 || storedHeight_ == 0) storedWidth_ = storedHeight_ = 0;
  width_ = static_cast<int>(std::ceil(storedWidth_ / scale_ - 1e-9));
  height_ = static_cast<int>(std::ceil(storedHeight_ / scale_ - 1e-9));
  pixels_.assign(static_cast<std::size_t>(storedWidth_) * static_cast<std::size_t>(storedHeight_), fill);
}

void PixelSurface::adoptStored(PixelSurface&& stored, double scale) {
  scale_ = validScale(scale);
  storedWidth_ = stored.storedWidth_;
  storedHeight_ = stored.storedHeight_;
  width_ = static_cast<int>(std::ceil(storedWidth_ / scale_ - 1e-9));
  height_ = static_cast<int>(std::ceil(storedHeight_ / scale_ - 1e-9));
  pixels_ = std::move(stored.pixels_);
  stored = PixelSurface();
}

long long PixelSurface::stored(long long v) const {
  if (!scaled()) return v;
  v = std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
  return static_cast<long long>(std::floor(static_cast<double>(v) * scale_ + 1e-9));
}

PixelRect PixelSurface::storedRect(const PixelRect& rect) const {
  if (!scaled()) return rect;
  const long long left = stored(rect.left), top = stored(rect.top);
  long long right = stored(static_cast<long long>(rect.left) + rect.width);
  long long bottom = stored(static_cast<long long>(rect.top) + rect.height);
  // Below scale 1 a table pixel may fall between stored ones: whatever is
  // drawn still covers one, so that no thin line or dot disappears.
  if (rect.width > 0 && right == left) ++right;
  if (rect.height > 0 && bottom == top) ++bottom;
  return {toInt(left), toInt(top), toInt(right - left), toInt(bottom - top)};
}

Pixel PixelSurface::pixel(int x, int y) const {
  if (!contains(x, y)) return kOpaqueAlpha;
  if (!scaled()) return row(y)[x];
  const long long sx = std::min<long long>(stored(x), storedWidth_ - 1);
  const long long sy = std::min<long long>(stored(y), storedHeight_ - 1);
  return row(static_cast<int>(sy))[sx];
}

void PixelSurface::setPixel(int x, int y, Pixel value) {
  if (!contains(x, y)) return;
  if (scaled()) fillStored(storedRect({x, y, 1, 1}), value);
  else row(y)[x] = value;
}

void PixelSurface::fill(Pixel value) { std::fill(pixels_.begin(), pixels_.end(), value); }

PixelRect PixelSurface::clipped(const PixelRect& rect) const {
  long long x = rect.left, y = rect.top, w = rect.width, h = rect.height;
  if (!clipInterval(x, w, storedWidth_) || !clipInterval(y, h, storedHeight_)) return {};
  return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h)};
}

void PixelSurface::fillRect(const PixelRect& rect, Pixel value) { fillStored(storedRect(rect), value); }

void PixelSurface::fillStored(const PixelRect& rect, Pixel value) {
  const PixelRect r = clipped(rect);
  for (int y = r.top; y < r.bottom(); ++y) std::fill_n(row(y) + r.left, r.width, value);
}

void PixelSurface::invertRect(const PixelRect& rect) { invertStored(storedRect(rect)); }

void PixelSurface::invertStored(const PixelRect& rect) {
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
  if (!clipInterval(sx, w, source.storedWidth_) || !clipInterval(sy, h, source.storedHeight_)) return false;
  tx += sx - sx0;
  ty += sy - sy0;
  const long long tx0 = tx, ty0 = ty;
  if (!clipInterval(tx, w, storedWidth_) || !clipInterval(ty, h, storedHeight_)) return false;
  sx += tx - tx0;
  sy += ty - ty0;
  from = {static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(w), static_cast<int>(h)};
  dx = static_cast<int>(tx);
  dy = static_cast<int>(ty);
  return true;
}

void PixelSurface::storedCopy(const PixelSurface& source, PixelRect& from, int& dx, int& dy) const {
  if (!scaled() && !source.scaled()) return;
  // The destination decides how many stored pixels the copy covers, so that
  // whatever is drawn at a rectangle covers exactly what restoring it covers.
  const PixelRect target = storedRect({dx, dy, from.width, from.height});
  from = {toInt(source.stored(from.left)), toInt(source.stored(from.top)), target.width, target.height};
  dx = target.left;
  dy = target.top;
}

void PixelSurface::copyFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy) {
  if (source.scale_ != scale_) {
    copyResampled(source, from, dx, dy);
    return;
  }
  PixelRect r = from;
  storedCopy(source, r, dx, dy);
  copyStored(source, r, dx, dy);
}

void PixelSurface::copyResampled(const PixelSurface& source, const PixelRect& from, int dx, int dy) {
  // A picture kept at another scale (one read from a file) is stretched to
  // this one, each stored pixel taking the nearest source pixel.
  const PixelRect target = clipped(storedRect({dx, dy, from.width, from.height}));
  if (target.empty() || source.empty()) return;
  const double ratio = source.scale_ / scale_;
  const long long originX = stored(dx), originY = stored(dy);
  const long long sourceX = source.stored(from.left), sourceY = source.stored(from.top);
  const long long sourceRight = source.stored(static_cast<long long>(from.left) + from.width);
  const long long sourceBottom = source.stored(static_cast<long long>(from.top) + from.height);
  for (int y = target.top; y < target.bottom(); ++y) {
    const long long sy = sourceY + static_cast<long long>((static_cast<double>(y - originY) + 0.5) * ratio);
    if (sy < 0 || sy >= source.storedHeight_ || sy >= sourceBottom) continue;
    const Pixel* s = source.row(static_cast<int>(sy));
    Pixel* d = row(y);
    for (int x = target.left; x < target.right(); ++x) {
      const long long sx = sourceX + static_cast<long long>((static_cast<double>(x - originX) + 0.5) * ratio);
      if (sx >= 0 && sx < source.storedWidth_ && sx < sourceRight) d[x] = s[sx];
    }
  }
}

void PixelSurface::copyStored(const PixelSurface& source, PixelRect r, int dx, int dy) {
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
  storedCopy(source, r, dx, dy);
  if (!clipCopy(source, r, dx, dy)) return;
  copyStored(source, r, dx, dy);
  invertStored({dx, dy, r.width, r.height});
}

void PixelSurface::copyTransparentFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy,
                                       Pixel transparent) {
  if (source.scale_ != scale_) {
    copyTransparentFrom(source.atScaleOf(*this), from, dx, dy, transparent);
    return;
  }
  PixelRect r = from;
  storedCopy(source, r, dx, dy);
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
  if (source.scale_ != scale_) {
    overlayLightFrom(source.atScaleOf(*this), dx, dy);
    return;
  }
  PixelRect r{0, 0, source.width(), source.height()};
  storedCopy(source, r, dx, dy);
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

PixelSurface PixelSurface::storedPixels() const {
  PixelSurface out;
  out.width_ = out.storedWidth_ = storedWidth_;
  out.height_ = out.storedHeight_ = storedHeight_;
  out.pixels_ = pixels_;
  return out;
}

PixelSurface PixelSurface::atScaleOf(const PixelSurface& other) const {
  PixelSurface out(width_, height_, other.scale_, kOpaqueAlpha);
  out.copyResampled(*this, {0, 0, width_, height_}, 0, 0);
  return out;
}

PixelSurface PixelSurface::cropped(const PixelRect& rect) const {
  PixelSurface out(rect.width, rect.height, scale_, kOpaqueAlpha);
  out.copyFrom(*this, rect, 0, 0);
  return out;
}

QuilloroSurface PixelSurface::libraryView() {
  return QuilloroSurface{pixels_.empty() ? nullptr : pixels_.data(), storedWidth_, storedHeight_, storedWidth_};
}

}  // namespace quilloro
