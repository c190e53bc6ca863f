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
//
// A surface may hold more pixels than its size in table pixels: at scale s a
// table pixel (x, y) covers the stored pixels from floor(x s) to floor((x + 1) s);
// below scale 1 a rectangle drawn covers at least one stored pixel each way.
// Every operation takes table pixels and works on the stored ones, so the
// drawing code places things the same at every scale while the pictures keep
// their full detail. Copies between surfaces expect both at the same scale.
// The smallest scale a surface takes: a table shrunk to fit a small window.
inline constexpr double kSmallestScale = 0.5;

class PixelSurface {
 public:
  PixelSurface() = default;
  // A surface of the size, every pixel fill; a negative size gives an empty surface.
  PixelSurface(int width, int height, Pixel fill = kOpaqueAlpha);
  // The same at a scale: width x height table pixels, stored at the scale.
  PixelSurface(int width, int height, double scale, Pixel fill);

  // The size in table pixels.
  int width() const { return width_; }
  int height() const { return height_; }
  // The size of the pixel store.
  int storedWidth() const { return storedWidth_; }
  int storedHeight() const { return storedHeight_; }
  double scale() const { return scale_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // A new size in table pixels at the present scale; the content is lost and every pixel becomes fill.
  void resize(int width, int height, Pixel fill = kOpaqueAlpha);
  // A new scale for the same size in table pixels; the content is lost.
  void rescale(double scale, Pixel fill = kOpaqueAlpha);
  // A pixel store of the size at the scale; the size in table pixels is what covers it.
  void resizeStored(int storedWidth, int storedHeight, double scale, Pixel fill = kOpaqueAlpha);
  // Takes over the pixels of a surface at scale 1 as this surface's store, at the scale.
  void adoptStored(PixelSurface&& stored, double scale);

  // A pixel outside reads as black and ignores writes. Above scale 1 a
  // written pixel fills every stored pixel it covers.
  Pixel pixel(int x, int y) const;
  void setPixel(int x, int y, Pixel value);
  // The stored pixels a rectangle of table pixels covers (not clipped).
  PixelRect storedRect(const PixelRect& rect) const;

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

  // The stored pixels as a surface of scale 1.
  PixelSurface storedPixels() const;
  // A copy of the rectangle; the parts outside this surface come out black.
  PixelSurface cropped(const PixelRect& rect) const;

  // The surface as the card support library addresses it, in stored pixels.
  // The view points into this surface: it is valid until the surface is
  // resized or destroyed.
  QuilloroSurface libraryView();

  const std::vector<Pixel>& pixels() const { return pixels_; }
  // Stored row y's first pixel; y must lie inside the store.
  const Pixel* row(int y) const { return pixels_.data() + offset(y); }
  Pixel* row(int y) { return pixels_.data() + offset(y); }

  friend bool operator==(const PixelSurface&, const PixelSurface&) = default;

 private:
  // The part of a copy from source that lies inside both stores; false when nothing does.
  bool clipCopy(const PixelSurface& source, PixelRect& from, int& dx, int& dy) const;
  PixelRect clipped(const PixelRect& rect) const;
  std::size_t offset(int y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(storedWidth_); }
  bool scaled() const { return scale_ != 1.0; }
  // A table coordinate as a stored one.
  long long stored(long long v) const;
  // A copy's source rectangle and destination, from table pixels to stored ones.
  void storedCopy(const PixelSurface& source, PixelRect& from, int& dx, int& dy) const;

  // The operations on stored pixels.
  void fillStored(const PixelRect& rect, Pixel value);
  void invertStored(const PixelRect& rect);
  void copyStored(const PixelSurface& source, PixelRect from, int dx, int dy);
  void copyResampled(const PixelSurface& source, const PixelRect& from, int dx, int dy);
  // This surface stretched to the other's scale.
  PixelSurface atScaleOf(const PixelSurface& other) const;

  int width_ = 0;
  int height_ = 0;
  int storedWidth_ = 0;
  int storedHeight_ = 0;
  double scale_ = 1.0;
  std::vector<Pixel> pixels_;
};

}  // namespace quilloro
