// A 32-bit drawing surface (0xAARRGGBB pixels) with the rectangle operations the table is drawn with.
#pragma once

#include <cstdint>
#include <vector>

#include "cardlib/quilloro.h"

namespace quilloro {

using Pixel = std::uint32_t;

inline constexpr Pixel kOpaqueAlpha = 0xFF000000u;

// An opaque pixel from red, green and blue.
constexpr Pixel rgbPixel(unsigned red, unsigned green, unsigned blue) {
  return kOpaqueAlpha | ((red & 0xFFu) << 16) | ((green & 0xFFu) << 8) | (blue & 0xFFu);
}

// A colour value as settings and the window system hold it, red in the lowest
// byte, as an opaque pixel. Anything above 24 bits is ignored.
constexpr Pixel colourValuePixel(long long value) {
  const auto v = static_cast<std::uint32_t>(value & 0xFFFFFF);
  return rgbPixel(v & 0xFFu, (v >> 8) & 0xFFu, (v >> 16) & 0xFFu);
}

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Every operation clips against both surfaces: whatever part of a rectangle
// falls outside either is left out, so no coordinates can reach outside the
// pixel store, however large or negative.
class PixelSurface {
 public:
  PixelSurface() = default;
  // A surface of the size, every pixel fill; a negative size gives an empty surface.
  PixelSurface(int width, int height, Pixel fill = kOpaqueAlpha);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // A new size; the content is lost and every pixel becomes fill.
  void resize(int width, int height, Pixel fill = kOpaqueAlpha);

  // A pixel outside reads as black and ignores writes.
  Pixel pixel(int x, int y) const;
  void setPixel(int x, int y, Pixel value);

  void fill(Pixel value);
  void fillRect(const PixelRect& rect, Pixel value);
  // Inverts the colour of every pixel of the rectangle; twice restores it.
  void invertRect(const PixelRect& rect);

  // Copies the source rectangle (sx, sy, width, height) to (dx, dy).
  void copyFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy);
  // The same with every copied colour inverted.
  void copyInvertedFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy);
  // The same, leaving out the source pixels of the transparent colour (alpha ignored).
  void copyTransparentFrom(const PixelSurface& source, const PixelRect& from, int dx, int dy, Pixel transparent);
  // Lays the whole source over (dx, dy) as light: each source pixel is its
  // colour already weighed by its opacity, which is its strongest channel.
  // Black leaves the surface as it was, a channel at full strength covers it,
  // anything between lets the surface show through.
  void overlayLightFrom(const PixelSurface& source, int dx, int dy);
  // The whole of source at (dx, dy).
  void draw(const PixelSurface& source, int dx, int dy) {
    copyFrom(source, {0, 0, source.width(), source.height()}, dx, dy);
  }

  // A copy of the rectangle; the parts outside this surface come out black.
  PixelSurface cropped(const PixelRect& rect) const;

  // The surface as the card support library addresses it. The view points
  // into this surface: it is valid until the surface is resized or destroyed.
  QuilloroSurface libraryView();

  const std::vector<Pixel>& pixels() const { return pixels_; }
  // Row y's first pixel; y must lie inside.
  const Pixel* row(int y) const { return pixels_.data() + offset(y); }
  Pixel* row(int y) { return pixels_.data() + offset(y); }

  friend bool operator==(const PixelSurface&, const PixelSurface&) = default;

 private:
  // The part of a copy from source that lies inside both surfaces; false when nothing does.
  bool clipCopy(const PixelSurface& source, PixelRect& from, int& dx, int& dy) const;
  PixelRect clipped(const PixelRect& rect) const;
  std::size_t offset(int y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }

  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace quilloro
