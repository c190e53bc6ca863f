// Small figures for the pictures on the card backs, drawn with paths in the card's own units.
#include "artwork/scene_shapes.hpp"
#include "artwork/shading.hpp"

#include <cmath>
#include <numbers>

namespace quilloro::artwork {
Path poly(std::initializer_list<Point> points) {
  Path p;
  p.polygon(std::vector<Point>(points));
  return p;
}

Path circle(double x, double y, double r) {
  Path p;
  p.circle(x, y, r);
  return p;
}

Path ellipse(double x, double y, double rx, double ry) {
  Path p;
  p.ellipse(x, y, rx, ry);
  return p;
}

// A smooth closed outline through the points (Catmull-Rom turned into cubic curves).
Path blob(const std::vector<Point>& pts) {
  Path p;
  const std::size_t n = pts.size();
  p.moveTo(pts[0].x, pts[0].y);
  for (std::size_t i = 0; i < n; ++i) {
    const Point p0 = pts[(i + n - 1) % n], p1 = pts[i], p2 = pts[(i + 1) % n], p3 = pts[(i + 2) % n];
    const Point c1 = p1 + (p2 - p0) * (1.0 / 6), c2 = p2 - (p3 - p1) * (1.0 / 6);
    p.cubicTo(c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
  }
  p.close();
  return p;
}

void rays(Canvas& c, double x, double y, double inner, double outer, int count, Rgb colour, double width) {
  for (int k = 0; k < count; ++k) {
    const double a = k * 2 * kPi / count;
    Path ray;
    ray.moveTo(x + inner * std::cos(a), y + inner * std::sin(a)).lineTo(x + outer * std::cos(a), y + outer * std::sin(a));
    c.stroke(ray, width, colour);
  }
}

void mountainRange(Canvas& c, std::initializer_list<Point> peaks, double base, Rgb rock, std::optional<Rgb> snow) {
  std::vector<Point> outline{{-40, base}};
  outline.insert(outline.end(), peaks.begin(), peaks.end());
  outline.push_back({40, base});
  Path range;
  range.polygon(outline);
  c.fill(range, rock);
  if (!snow) return;
  // Snow on every peak: the top fifth of its slopes.
  const std::vector<Point> ps(peaks);
  for (std::size_t i = 1; i + 1 < ps.size(); ++i) {
    const Point top = ps[i];
    if (top.y > ps[i - 1].y || top.y > ps[i + 1].y) continue;
    const Point l = top + (ps[i - 1] - top) * 0.3, r = top + (ps[i + 1] - top) * 0.3;
    c.fill(poly({top, r, {(top.x + r.x) / 2 + 1, r.y - 1.5}, {top.x, r.y + 1}, {(top.x + l.x) / 2 - 1, l.y - 1}, l}), *snow);
  }
}

void tree(Canvas& c, double x, double y, double h, Rgb leaves) {
  c.fill(poly({{x - 0.7, y}, {x + 0.7, y}, {x + 0.7, y - h * 0.3}, {x - 0.7, y - h * 0.3}}), Rgb{80, 50, 30});
  c.fill(poly({{x, y - h}, {x + h * 0.3, y - h * 0.25}, {x - h * 0.3, y - h * 0.25}}), leaves);
}

void sailboat(Canvas& c, double x, double y, double s) {
  c.fill(poly({{x - 9 * s, y}, {x + 9 * s, y}, {x + 6 * s, y + 4 * s}, {x - 6 * s, y + 4 * s}}), Rgb{120, 60, 30});
  c.fill(poly({{x + 0.5 * s, y - 1 * s}, {x + 0.5 * s, y - 20 * s}, {x + 9 * s, y - 1 * s}}), Rgb{250, 250, 240});
  c.fill(poly({{x - 0.8 * s, y - 1 * s}, {x - 0.8 * s, y - 17 * s}, {x - 8 * s, y - 1 * s}}), Rgb{230, 60, 50});
  Path mast;
  mast.moveTo(x, y).lineTo(x, y - 22 * s);
  c.stroke(mast, 0.8 * s, Rgb{60, 40, 20});
}

void daisy(Canvas& c, double x, double y, double r, Rgb petal, Rgb heart) {
  for (int k = 0; k < 8; ++k) {
    const double a = k * kPi / 4;
    Path p;
    p.ellipse(0, 0, r * 0.55, r * 0.22);
    c.fill(p.transformed(Affine::translate(x + r * 0.5 * std::cos(a), y + r * 0.5 * std::sin(a)) * Affine::rotate(a)), petal);
  }
  c.fill(circle(x, y, r * 0.3), heart);
}

void rose(Canvas& c, double x, double y, double r) {
  const Rgb red{196, 24, 48}, dark{120, 10, 30};
  c.fill(circle(x, y, r), red);
  for (int k = 0; k < 3; ++k) {
    Path arc;
    const double rr = r * (0.85 - k * 0.25);
    const double start = k * 1.7;
    arc.moveTo(x + rr * std::cos(start), y + rr * std::sin(start));
    for (int s = 1; s <= 12; ++s) {
      const double a = start + s * 0.42;
      arc.lineTo(x + rr * std::cos(a), y + rr * std::sin(a));
    }
    c.stroke(arc, r * 0.14, dark);
  }
}

void leaf(Canvas& c, double x, double y, double length, double angle, Rgb colour) {
  Path p;
  p.moveTo(0, 0).cubicTo(length * 0.3, -length * 0.35, length * 0.7, -length * 0.3, length, 0)
      .cubicTo(length * 0.7, length * 0.3, length * 0.3, length * 0.35, 0, 0).close();
  c.fill(p.transformed(Affine::translate(x, y) * Affine::rotate(angle)), colour);
}

void fleurDeLis(Canvas& c, double x, double y, double s, Rgb gold) {
  const Affine at = Affine::translate(x, y) * Affine::scale(s, s);
  Path middle;
  middle.moveTo(0, -10).cubicTo(3, -6, 3, -2, 0.8, 3).lineTo(-0.8, 3).cubicTo(-3, -2, -3, -6, 0, -10).close();
  c.fill(middle.transformed(at), gold);
  for (int side : {-1, 1}) {
    Path petal;
    petal.moveTo(side * 1, 2).cubicTo(side * 4, -6, side * 10, -4, side * 8, 2).cubicTo(side * 7, -1, side * 4, 0, side * 2, 3.5).close();
    c.fill(petal.transformed(at), gold);
  }
  Path band;
  band.rect(-4, 3, 8, 2);
  c.fill(band.transformed(at), gold);
  Path foot;
  foot.moveTo(-3, 5).lineTo(3, 5).lineTo(0, 9).close();
  c.fill(foot.transformed(at), gold);
}

}  // namespace quilloro::artwork
