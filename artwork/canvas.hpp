// Drawing canvas: anti-aliased filling and stroking of paths onto a bitmap, with an optional clip.
#pragma once

#include <functional>
#include <optional>

#include "artwork/bmp_writer.hpp"
#include "artwork/path.hpp"

namespace quilloro::artwork {

// Per-pixel coverage, 0 to 1, over a rectangle of canvas pixels.
struct Mask {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<float> cover;

  float at(int x, int y) const {
    x -= left;
    y -= top;
    if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
    return cover[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

// Coverage of the non-zero interior of a path given in pixel coordinates;
// only rows 0 to rows - 1 are produced.
Mask fillMask(const Path& devicePath, int rows);
// Coverage of a line of the given width along a path in pixel coordinates,
// with round joins and ends; only pixels inside columns x rows are produced.
Mask strokeMask(const Path& devicePath, double width, int columns, int rows);

Rgb mix(Rgb under, Rgb over, double amount);
Rgb shade(Rgb colour, double factor);  // < 1 darker, > 1 lighter (towards white)

using Paint = std::function<Rgb(double x, double y)>;

class Canvas {
 public:
  Canvas(int width, int height, Rgb background = {255, 255, 255});

  int width() const { return bitmap_.width(); }
  int height() const { return bitmap_.height(); }
  Bitmap& bitmap() { return bitmap_; }
  const Bitmap& bitmap() const { return bitmap_; }

  // Paths and stroke widths are given in user units, mapped by this transform.
  const Affine& transform() const { return transform_; }
  void setTransform(const Affine& transform) { transform_ = transform; }

  void fill(const Path& path, Rgb colour, double opacity = 1.0);
  void fill(const Path& path, const Paint& paint, double opacity = 1.0);
  void stroke(const Path& path, double width, Rgb colour, double opacity = 1.0);
  void paintMask(const Mask& mask, Rgb colour, double opacity = 1.0);
  void paintMask(const Mask& mask, const Paint& paint, double opacity = 1.0);

  // Later drawing is limited to the inside of the path (under the current transform).
  void clipTo(const Path& path);
  void clearClip() { clip_.reset(); }

 private:
  template <class ColourAt>
  void blend(const Mask& mask, double opacity, ColourAt colourAt);

  Bitmap bitmap_;
  Affine transform_;
  std::optional<Mask> clip_;
};

}  // namespace quilloro::artwork
