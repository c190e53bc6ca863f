// Paths: construction helpers, transforms and flattening of curves.
#include "artwork/path.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

namespace quilloro::artwork {
namespace {

// A cubic Bézier quarter circle has its handles at this fraction of the radius.
constexpr double kKappa = 0.5522847498;

double distanceToLine(Point p, Point a, Point b) {
  const Point ab = b - a;
  const double length = std::hypot(ab.x, ab.y);
  if (length < 1e-12) return std::hypot(p.x - a.x, p.y - a.y);
  return std::fabs((p.x - a.x) * ab.y - (p.y - a.y) * ab.x) / length;
}

void flattenCubic(Point p0, Point p1, Point p2, Point p3, double tolerance, int depth, std::vector<Point>& out) {
  if (depth > 16 || std::max(distanceToLine(p1, p0, p3), distanceToLine(p2, p0, p3)) <= tolerance) {
    out.push_back(p3);
    return;
  }
  const Point p01 = (p0 + p1) * 0.5, p12 = (p1 + p2) * 0.5, p23 = (p2 + p3) * 0.5;
  const Point p012 = (p01 + p12) * 0.5, p123 = (p12 + p23) * 0.5;
  const Point mid = (p012 + p123) * 0.5;
  flattenCubic(p0, p01, p012, mid, tolerance, depth + 1, out);
  flattenCubic(mid, p123, p23, p3, tolerance, depth + 1, out);
}

}  // namespace

Affine Affine::rotate(double radians) {
  const double c = std::cos(radians), s = std::sin(radians);
  return {c, s, -s, c, 0, 0};
}

Affine Affine::operator*(const Affine& m) const {
  return {a * m.a + c * m.b, b * m.a + d * m.b, a * m.c + c * m.d, b * m.c + d * m.d, a * m.e + c * m.f + e, b * m.e + d * m.f + f};
}

double Affine::maxScale() const { return std::max(std::hypot(a, b), std::hypot(c, d)); }

Path::Subpath& Path::current() {
  if (subpaths_.empty() || subpaths_.back().closed) {
    const Point start = subpaths_.empty() ? Point{} : subpaths_.back().start;
    subpaths_.push_back({start, {}, false});
  }
  return subpaths_.back();
}

Path& Path::moveTo(double x, double y) {
  if (!subpaths_.empty() && !subpaths_.back().closed && subpaths_.back().segments.empty()) subpaths_.pop_back();
  subpaths_.push_back({{x, y}, {}, false});
  return *this;
}

Path& Path::lineTo(double x, double y) {
  current().segments.push_back({Kind::Line, {}, {}, {x, y}});
  return *this;
}

Path& Path::cubicTo(double x1, double y1, double x2, double y2, double x3, double y3) {
  current().segments.push_back({Kind::Cubic, {x1, y1}, {x2, y2}, {x3, y3}});
  return *this;
}

Path& Path::quadTo(double x1, double y1, double x2, double y2) {
  Subpath& sub = current();
  const Point from = sub.segments.empty() ? sub.start : sub.segments.back().end;
  const Point c{x1, y1}, to{x2, y2};
  const Point c1 = from + (c - from) * (2.0 / 3.0);
  const Point c2 = to + (c - to) * (2.0 / 3.0);
  sub.segments.push_back({Kind::Cubic, c1, c2, to});
  return *this;
}

Path& Path::close() {
  if (!subpaths_.empty()) subpaths_.back().closed = true;
  return *this;
}

Path& Path::rect(double x, double y, double w, double h) {
  return moveTo(x, y).lineTo(x + w, y).lineTo(x + w, y + h).lineTo(x, y + h).close();
}

Path& Path::roundedRect(double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  if (r <= 0) return rect(x, y, w, h);
  const double k = r * (1 - kKappa);
  moveTo(x + r, y).lineTo(x + w - r, y).cubicTo(x + w - k, y, x + w, y + k, x + w, y + r);
  lineTo(x + w, y + h - r).cubicTo(x + w, y + h - k, x + w - k, y + h, x + w - r, y + h);
  lineTo(x + r, y + h).cubicTo(x + k, y + h, x, y + h - k, x, y + h - r);
  lineTo(x, y + r).cubicTo(x, y + k, x + k, y, x + r, y);
  return close();
}

Path& Path::ellipse(double cx, double cy, double rx, double ry) {
  const double kx = rx * kKappa, ky = ry * kKappa;
  moveTo(cx + rx, cy);
  cubicTo(cx + rx, cy + ky, cx + kx, cy + ry, cx, cy + ry);
  cubicTo(cx - kx, cy + ry, cx - rx, cy + ky, cx - rx, cy);
  cubicTo(cx - rx, cy - ky, cx - kx, cy - ry, cx, cy - ry);
  cubicTo(cx + kx, cy - ry, cx + rx, cy - ky, cx + rx, cy);
  return close();
}

Path& Path::polygon(const std::vector<Point>& points) {
  if (points.empty()) return *this;
  moveTo(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) lineTo(points[i].x, points[i].y);
  return close();
}

Path& Path::star(double cx, double cy, double outer, double inner, int points) {
  std::vector<Point> corners;
  for (int i = 0; i < 2 * points; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
    const double r = i % 2 == 0 ? outer : inner;
    corners.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  return polygon(corners);
}

Path& Path::append(const Path& other) {
  subpaths_.insert(subpaths_.end(), other.subpaths_.begin(), other.subpaths_.end());
  return *this;
}

Path Path::transformed(const Affine& m) const {
  Path out = *this;
  for (Subpath& sub : out.subpaths_) {
    sub.start = m.apply(sub.start);
    for (Segment& seg : sub.segments) {
      seg.c1 = m.apply(seg.c1);
      seg.c2 = m.apply(seg.c2);
      seg.end = m.apply(seg.end);
    }
  }
  return out;
}

std::vector<Path::Polyline> Path::flatten(double tolerance) const {
  std::vector<Polyline> out;
  for (const Subpath& sub : subpaths_) {
    Polyline line;
    line.closed = sub.closed;
    line.points.push_back(sub.start);
    for (const Segment& seg : sub.segments) {
      if (seg.kind == Kind::Line) {
        line.points.push_back(seg.end);
      } else {
        flattenCubic(line.points.back(), seg.c1, seg.c2, seg.end, tolerance, 0, line.points);
      }
    }
    out.push_back(std::move(line));
  }
  return out;
}

std::string Path::svgData() const {
  std::ostringstream out;
  out.setf(std::ios::fixed);
  out.precision(2);
  auto point = [&out](char command, Point p) { out << command << p.x << ' ' << p.y; };
  for (const Subpath& sub : subpaths_) {
    point('M', sub.start);
    for (const Segment& segment : sub.segments) {
      if (segment.kind == Kind::Line) {
        point('L', segment.end);
      } else {
        point('C', segment.c1);
        out << ' ' << segment.c2.x << ' ' << segment.c2.y << ' ' << segment.end.x << ' ' << segment.end.y;
      }
    }
    if (sub.closed) out << 'Z';
  }
  return out.str();
}

}  // namespace quilloro::artwork
