// Coverage rasterisation: signed-area accumulation for fills, distance to segments for strokes.
#include "artwork/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quilloro::artwork {
namespace {

constexpr double kTolerance = 0.05;  // pixels a flattened curve may stray

// Adds the signed area that the line from p to q contributes to each cell of
// the accumulation rows; a running sum along a row then gives the winding
// coverage of every pixel. Coordinates are relative to the mask's origin.
void accumulateLine(std::vector<float>& acc, int stride, int rows, Point p, Point q) {
  if (p.y == q.y) return;
  double dir = 1.0;
  if (p.y > q.y) {
    std::swap(p, q);
    dir = -1.0;
  }
  const double dxdy = (q.x - p.x) / (q.y - p.y);
  double x = p.x;
  double y0 = p.y;
  if (y0 < 0) {
    x -= y0 * dxdy;
    y0 = 0;
  }
  const int yEnd = std::min(rows, static_cast<int>(std::ceil(q.y)));
  for (int y = std::max(0, static_cast<int>(std::floor(y0))); y < yEnd; ++y) {
    float* row = acc.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
    const double dy = std::min(static_cast<double>(y + 1), q.y) - std::max(static_cast<double>(y), y0);
    const double xNext = x + dxdy * dy;
    const double d = dy * dir;
    const double x0 = std::min(x, xNext), x1 = std::max(x, xNext);
    const double x0Floor = std::floor(x0);
    const int x0i = static_cast<int>(x0Floor);
    const double x1Ceil = std::ceil(x1);
    const int x1i = static_cast<int>(x1Ceil);
    if (x1i <= x0i + 1) {
      const double xmf = 0.5 * (x + xNext) - x0Floor;
      row[x0i] += static_cast<float>(d - d * xmf);
      row[x0i + 1] += static_cast<float>(d * xmf);
    } else {
      const double s = 1.0 / (x1 - x0);
      const double x0f = x0 - x0Floor;
      const double a0 = 0.5 * s * (1.0 - x0f) * (1.0 - x0f);
      const double x1f = x1 - x1Ceil + 1.0;
      const double am = 0.5 * s * x1f * x1f;
      row[x0i] += static_cast<float>(d * a0);
      if (x1i == x0i + 2) {
        row[x0i + 1] += static_cast<float>(d * (1.0 - a0 - am));
      } else {
        const double a1 = s * (1.5 - x0f);
        row[x0i + 1] += static_cast<float>(d * (a1 - a0));
        for (int xi = x0i + 2; xi < x1i - 1; ++xi) row[xi] += static_cast<float>(d * s);
        const double a2 = a1 + (x1i - x0i - 3) * s;
        row[x1i - 1] += static_cast<float>(d * (1.0 - a2 - am));
      }
      row[x1i] += static_cast<float>(d * am);
    }
    x = xNext;
  }
}

struct Bounds {
  double minX = std::numeric_limits<double>::max(), minY = minX;
  double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
  void add(Point p) {
    minX = std::min(minX, p.x);
    minY = std::min(minY, p.y);
    maxX = std::max(maxX, p.x);
    maxY = std::max(maxY, p.y);
  }
  bool empty() const { return minX > maxX; }
};

double distanceToSegment(double px, double py, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSq = dx * dx + dy * dy;
  double t = lengthSq > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / lengthSq : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

std::uint8_t channel(double value) { return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

}  // namespace

Mask fillMask(const Path& devicePath, int rows) {
  const auto lines = devicePath.flatten(kTolerance);
  Bounds bounds;
  for (const auto& line : lines)
    for (Point p : line.points) bounds.add(p);
  Mask mask;
  if (bounds.empty()) return mask;
  mask.left = static_cast<int>(std::floor(bounds.minX)) - 1;
  mask.top = std::max(0, static_cast<int>(std::floor(bounds.minY)));
  const int bottom = std::min(rows, static_cast<int>(std::ceil(bounds.maxY)) + 1);
  if (bottom <= mask.top) return mask;
  mask.width = static_cast<int>(std::ceil(bounds.maxX)) + 2 - mask.left;
  mask.height = bottom - mask.top;
  const int stride = mask.width + 2;
  std::vector<float> acc(static_cast<std::size_t>(stride) * static_cast<std::size_t>(mask.height), 0.0f);
  const Point origin{static_cast<double>(mask.left), static_cast<double>(mask.top)};
  for (const auto& line : lines) {
    const auto& pts = line.points;
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) accumulateLine(acc, stride, mask.height, pts[i] - origin, pts[i + 1] - origin);
    // A fill always closes its outline.
    if (pts.size() > 1) accumulateLine(acc, stride, mask.height, pts.back() - origin, pts.front() - origin);
  }
  mask.cover.resize(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
  for (int y = 0; y < mask.height; ++y) {
    float sum = 0.0f;
    for (int x = 0; x < mask.width; ++x) {
      sum += acc[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride) + static_cast<std::size_t>(x)];
      mask.cover[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width) + static_cast<std::size_t>(x)] =
          std::min(1.0f, std::fabs(sum));
    }
  }
  return mask;
}

Mask strokeMask(const Path& devicePath, double width, int columns, int rows) {
  const auto lines = devicePath.flatten(kTolerance);
  const double half = width / 2;
  Bounds bounds;
  for (const auto& line : lines)
    for (Point p : line.points) bounds.add(p);
  Mask mask;
  if (bounds.empty()) return mask;
  mask.left = std::max(0, static_cast<int>(std::floor(bounds.minX - half)) - 1);
  mask.top = std::max(0, static_cast<int>(std::floor(bounds.minY - half)) - 1);
  const int right = std::min(columns, static_cast<int>(std::ceil(bounds.maxX + half)) + 2);
  const int bottom = std::min(rows, static_cast<int>(std::ceil(bounds.maxY + half)) + 2);
  if (right <= mask.left || bottom <= mask.top) return mask;
  mask.width = right - mask.left;
  mask.height = bottom - mask.top;
  std::vector<double> nearest(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height),
                              std::numeric_limits<double>::max());
  auto addSegment = [&](Point a, Point b) {
    const int x0 = std::max(mask.left, static_cast<int>(std::floor(std::min(a.x, b.x) - half - 1)));
    const int x1 = std::min(right - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + half + 1)));
    const int y0 = std::max(mask.top, static_cast<int>(std::floor(std::min(a.y, b.y) - half - 1)));
    const int y1 = std::min(bottom - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + half + 1)));
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        double& best = nearest[static_cast<std::size_t>(y - mask.top) * static_cast<std::size_t>(mask.width) +
                               static_cast<std::size_t>(x - mask.left)];
        best = std::min(best, distanceToSegment(x + 0.5, y + 0.5, a, b));
      }
    }
  };
  for (const auto& line : lines) {
    const auto& pts = line.points;
    if (pts.size() == 1) addSegment(pts[0], pts[0]);
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) addSegment(pts[i], pts[i + 1]);
    if (line.closed && pts.size() > 2) addSegment(pts.back(), pts.front());
  }
  mask.cover.resize(nearest.size());
  // A line thinner than a pixel keeps its ink by fading rather than vanishing.
  const double strength = std::min(1.0, width);
  const double reach = std::max(half, 0.5);
  for (std::size_t i = 0; i < nearest.size(); ++i)
    mask.cover[i] = static_cast<float>(strength * std::clamp(reach + 0.5 - nearest[i], 0.0, 1.0));
  return mask;
}

Rgb mix(Rgb under, Rgb over, double t) {
  return {channel(under.r + (over.r - under.r) * t), channel(under.g + (over.g - under.g) * t), channel(under.b + (over.b - under.b) * t)};
}

Rgb shade(Rgb c, double factor) {
  if (factor <= 1.0) return {channel(c.r * factor), channel(c.g * factor), channel(c.b * factor)};
  return mix(c, {255, 255, 255}, std::min(1.0, factor - 1.0));
}

Canvas::Canvas(int width, int height, Rgb background) : bitmap_(width, height, background) {}

template <class ColourAt>
void Canvas::blend(const Mask& mask, double opacity, ColourAt colourAt) {
  const int x0 = std::max(0, mask.left), y0 = std::max(0, mask.top);
  const int x1 = std::min(width(), mask.left + mask.width), y1 = std::min(height(), mask.top + mask.height);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      double amount = mask.cover[static_cast<std::size_t>(y - mask.top) * static_cast<std::size_t>(mask.width) +
                                 static_cast<std::size_t>(x - mask.left)] * opacity;
      if (clip_) amount *= clip_->at(x, y);
      if (amount <= 0.0) continue;
      Rgb& pixel = bitmap_.at(x, y);
      pixel = amount >= 1.0 ? colourAt(x, y) : mix(pixel, colourAt(x, y), amount);
    }
  }
}

void Canvas::paintMask(const Mask& mask, Rgb colour, double opacity) {
  blend(mask, opacity, [colour](int, int) { return colour; });
}

void Canvas::paintMask(const Mask& mask, const Paint& paint, double opacity) {
  const Affine& m = transform_;
  // The paint is given in user units: map each pixel centre back through the transform.
  const double det = m.a * m.d - m.b * m.c;
  blend(mask, opacity, [&](int x, int y) {
    const double dx = x + 0.5 - m.e, dy = y + 0.5 - m.f;
    return paint((m.d * dx - m.c * dy) / det, (-m.b * dx + m.a * dy) / det);
  });
}

void Canvas::fill(const Path& path, Rgb colour, double opacity) { paintMask(fillMask(path.transformed(transform_), height()), colour, opacity); }

void Canvas::fill(const Path& path, const Paint& paint, double opacity) {
  paintMask(fillMask(path.transformed(transform_), height()), paint, opacity);
}

void Canvas::stroke(const Path& path, double width, Rgb colour, double opacity) {
  paintMask(strokeMask(path.transformed(transform_), width * transform_.maxScale(), this->width(), height()), colour, opacity);
}

void Canvas::clipTo(const Path& path) {
  Mask mask = fillMask(path.transformed(transform_), height());
  if (clip_) {
    for (int y = 0; y < mask.height; ++y)
      for (int x = 0; x < mask.width; ++x)
        mask.cover[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width) + static_cast<std::size_t>(x)] *=
            clip_->at(x + mask.left, y + mask.top);
  }
  clip_ = std::move(mask);
}

}  // namespace quilloro::artwork
