// Vector outlines for the artwork: points, affine transforms and paths of lines and curves.
#pragma once

#include <string>
#include <vector>

namespace quilloro::artwork {

struct Point {
  double x = 0;
  double y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double s) { return {a.x * s, a.y * s}; }

// x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  static Affine translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
  static Affine scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
  static Affine rotate(double radians);
  // Half a turn about (x, y): how the lower half of a card mirrors the upper half.
  static Affine rotate180About(double x, double y) { return {-1, 0, 0, -1, 2 * x, 2 * y}; }

  Point apply(Point p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
  // The transform that applies inner first, then this.
  Affine operator*(const Affine& inner) const;
  // The larger factor by which lengths grow, for choosing a curve tolerance.
  double maxScale() const;
};

// Closed or open subpaths of straight lines and cubic curves. Curves are kept
// as control points so that they stay smooth under any transform.
class Path {
 public:
  Path& moveTo(double x, double y);
  Path& lineTo(double x, double y);
  Path& cubicTo(double x1, double y1, double x2, double y2, double x3, double y3);
  Path& quadTo(double x1, double y1, double x2, double y2);
  Path& close();

  Path& rect(double x, double y, double w, double h);
  Path& roundedRect(double x, double y, double w, double h, double radius);
  Path& ellipse(double cx, double cy, double rx, double ry);
  Path& circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }
  Path& polygon(const std::vector<Point>& points);
  // A regular star of n points, the first pointing up.
  Path& star(double cx, double cy, double outer, double inner, int points);
  Path& append(const Path& other);

  Path transformed(const Affine& transform) const;
  bool empty() const { return subpaths_.empty(); }

  struct Polyline {
    std::vector<Point> points;
    bool closed = false;
  };
  // Straight-line approximation, curves split until they deviate less than tolerance.
  std::vector<Polyline> flatten(double tolerance = 0.1) const;
  // The outline in the path syntax of SVG ("M", "L", "C" and "Z"), coordinates rounded to 1/100.
  std::string svgData() const;

 private:
  enum class Kind { Line, Cubic };
  struct Segment {
    Kind kind;
    Point c1, c2, end;
  };
  struct Subpath {
    Point start;
    std::vector<Segment> segments;
    bool closed = false;
  };
  Subpath& current();
  std::vector<Subpath> subpaths_;
};

}  // namespace quilloro::artwork
