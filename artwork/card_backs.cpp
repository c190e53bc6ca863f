// Card back designs as functions of the position on the card, sampled several times per pixel.
#include "artwork/card_backs.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "artwork/back_scenes.hpp"
#include "artwork/canvas.hpp"
#include "artwork/noise.hpp"
#include "artwork/shading.hpp"

namespace quilloro::artwork {
namespace {


// u and v are measured from the card's centre in pixels of the big card.
using Pattern = std::function<Rgb(double u, double v)>;

struct BackDesign {
  Pattern pattern;
  Rgb line;  // the thin line inside the margin
};

bool band(double x, double period, double width) { return fract(x / period) < width; }
// Distance from x to the nearest multiple of period, in units of period (0 to 0.5).
double nearLine(double x, double period) { return std::fabs(fract(x / period + 0.5) - 0.5); }

Pattern checks(Rgb a, Rgb b, double cell) {
  return [=](double u, double v) {
    return (static_cast<long>(std::floor(u / cell)) + static_cast<long>(std::floor(v / cell))) % 2 == 0 ? a : b;
  };
}

Pattern gingham(Rgb dark, Rgb light, double cell) {
  return [=](double u, double v) {
    const int n = band(u, cell, 0.5) + band(v, cell, 0.5);
    return n == 2 ? dark : n == 1 ? mix(light, dark, 0.5) : light;
  };
}

Pattern diagonals(Rgb a, Rgb b, double period, double width) {
  return [=](double u, double v) { return band(u + v, period, width) ? a : b; };
}

Pattern lattice(Rgb ground, Rgb line, Rgb dot, double period) {
  return [=](double u, double v) {
    const double d1 = nearLine(u + v, period), d2 = nearLine(u - v, period);
    if (std::min(d1, d2) < 0.07) return line;
    const double cu = nearLine(u, period), cv = nearLine(v + period / 2, period);
    if (std::hypot(cu, cv) < 0.12) return dot;
    return ground;
  };
}

Pattern waves(Rgb a, Rgb b, double period, double amplitude) {
  return [=](double u, double v) {
    const double y = v + amplitude * std::sin(u * 2 * kPi / (period * 2.2));
    const double t = fract(y / period);
    return mix(a, b, smooth(0.35, 0.5, t) - smooth(0.85, 1.0, t));
  };
}

Pattern dots(Rgb ground, Rgb dot, double spacing, double radius) {
  return [=](double u, double v) {
    const double row = std::floor(v / spacing);
    const double shift = static_cast<long>(row) % 2 == 0 ? 0 : spacing / 2;
    const double du = fract((u + shift) / spacing) - 0.5, dv = fract(v / spacing) - 0.5;
    return std::hypot(du, dv) * spacing < radius ? dot : ground;
  };
}

Pattern radial(Rgb inner, Rgb outer, double ringPeriod) {
  return [=](double u, double v) {
    const double r = std::hypot(u, v * 0.8);
    Rgb c = mix(inner, outer, std::min(1.0, r / 42));
    if (nearLine(r, ringPeriod) < 0.08) c = shade(c, 1.25);
    return c;
  };
}

Pattern sunburst(Rgb a, Rgb b, int rays) {
  return [=](double u, double v) {
    const double angle = std::atan2(v, u);
    const bool on = band(angle / (2 * kPi) * rays, 1.0, 0.5);
    const Rgb c = on ? a : b;
    return mix(c, shade(c, 0.7), std::min(1.0, std::hypot(u, v) / 60));
  };
}

Pattern tartan(Rgb ground, Rgb stripe1, Rgb stripe2) {
  return [=](double u, double v) {
    auto weave = [&](double x) -> Rgb {
      const double t = fract(x / 16);
      if (t < 0.25) return stripe1;
      if (t > 0.55 && t < 0.62) return stripe2;
      return ground;
    };
    const Rgb h = weave(u), w = weave(v);
    // Alternate threads show the warp or the weft, as in woven cloth.
    const bool warp = (static_cast<long>(std::floor(u)) + static_cast<long>(std::floor(v))) % 2 == 0;
    return mix(warp ? h : w, mix(h, w, 0.5), 0.5);
  };
}

Pattern herringbone(Rgb a, Rgb b) {
  return [=](double u, double v) {
    const long column = static_cast<long>(std::floor(u / 6));
    const double slant = column % 2 == 0 ? u : -u;
    return band(v + slant, 5, 0.5) ? a : b;
  };
}

Rgb guilloche(double u, double v) {
  const Rgb navy{18, 40, 112}, deep{10, 24, 76}, pale{156, 184, 240}, gold{228, 196, 116};
  const double r = std::hypot(u, v);
  const double theta = std::atan2(v, u);
  if (r < 18) {
    // The medallion: interlaced rosette curves round an eight-pointed star.
    Rgb c = mix(deep, navy, r / 18);
    for (int k = 0; k < 2; ++k) {
      const double curve = 10.5 + 3.0 * std::sin(8 * theta + k * kPi / 8);
      if (std::fabs(r - curve) < 0.6) c = k == 0 ? pale : mix(pale, gold, 0.5);
    }
    const double star = 5.5 * (0.55 + 0.45 * std::pow(std::fabs(std::cos(4 * theta)), 3));
    if (r < star) c = gold;
    if (std::fabs(r - 16.6) < 0.8) c = gold;
    return c;
  }
  // Two families of wavy lines crossing on the field, lighter towards the centre.
  const Rgb ground = mix(navy, deep, std::min(1.0, (r - 18) / 40));
  if (std::fabs(r - 19.6) < 0.45) return pale;
  const double d1 = u + v + 1.8 * std::sin((u - v) * 0.26);
  const double d2 = u - v + 1.8 * std::sin((u + v) * 0.26);
  const double near = std::min(nearLine(d1, 6), nearLine(d2, 6));
  return near < 0.085 ? pale : ground;
}

Pattern rings(Rgb a, Rgb b, double period) {
  return [=](double u, double v) { return band(std::hypot(u, v), period, 0.5) ? a : b; };
}

Pattern honeycomb(Rgb cell, Rgb edge) {
  return [=](double u, double v) {
    const double size = 6;
    // Axial hexagon coordinates, rounded to the nearest cell centre.
    const double q = (std::sqrt(3.0) / 3 * u - v / 3) / size, r = (2.0 / 3 * v) / size;
    double x = q, z = r, y = -x - z;
    double rx = std::round(x), ry = std::round(y), rz = std::round(z);
    const double dx = std::fabs(rx - x), dy = std::fabs(ry - y), dz = std::fabs(rz - z);
    if (dx > dy && dx > dz) rx = -ry - rz;
    else if (dy > dz) ry = -rx - rz;
    else rz = -rx - ry;
    const double cu = size * std::sqrt(3.0) * (rx + rz / 2), cv = size * 1.5 * rz;
    const double du = std::fabs(u - cu), dv = std::fabs(v - cv);
    const double hexDistance = std::max(du * std::sqrt(3.0) / 2 + dv / 2, dv);
    if (hexDistance > size * 0.8) return edge;
    return mix(cell, shade(cell, 1.3), 1 - hexDistance / (size * 0.8));
  };
}

Pattern scales(Rgb a, Rgb b) {
  return [=](double u, double v) {
    const double w = 8, h = 4;
    for (int k = 0; k < 2; ++k) {
      const double row = std::floor(v / h) - k;
      const double shift = static_cast<long>(row) % 2 == 0 ? 0 : w / 2;
      const double cu = std::floor((u + shift) / w) * w + w / 2 - shift, cv = row * h;
      for (double offset : {0.0, w, -w}) {
        const double d = std::hypot(u - cu - offset, v - cv);
        if (d < w / 2 && v >= cv) return d > w / 2 - 0.8 ? shade(b, 0.8) : mix(a, b, d / (w / 2));
      }
    }
    return a;
  };
}

Pattern bricks(Rgb brick, Rgb mortar) {
  return [=](double u, double v) {
    const double h = 4.5, w = 10;
    const double row = std::floor(v / h);
    const double shift = static_cast<long>(row) % 2 == 0 ? 0 : w / 2;
    if (fract(v / h) < 0.16 || fract((u + shift) / w) < 0.08) return mortar;
    const double tone = 0.85 + 0.3 * hashUnit(static_cast<int>(std::floor((u + shift) / w)), static_cast<int>(row), 7);
    return shade(brick, tone);
  };
}

Pattern chevrons(Rgb a, Rgb b, Rgb c) {
  return [=](double u, double v) {
    const double y = v + std::fabs(fract(u / 10) - 0.5) * 10;
    const int k = static_cast<int>(std::floor(y / 4)) % 3;
    return k == 0 ? a : (k == 1 || k == -2) ? b : c;
  };
}

Pattern stars(Rgb ground, Rgb star) {
  return [=](double u, double v) {
    const double cell = 10;
    const double row = std::floor(v / cell);
    const double shift = static_cast<long>(row) % 2 == 0 ? 0 : cell / 2;
    const double du = fract((u + shift) / cell) * cell - cell / 2, dv = fract(v / cell) * cell - cell / 2;
    const double r = std::hypot(du, dv), a = std::atan2(dv, du) + kPi / 2;
    const double edge = 2.8 * (0.55 + 0.45 * std::cos(5 * a));
    if (r < edge) return star;
    const double twinkle = hashUnit(static_cast<int>(std::floor(u * 0.7)), static_cast<int>(std::floor(v * 0.7)), 3);
    return twinkle > 0.985 ? mix(ground, star, 0.6) : ground;
  };
}

Pattern crosshatch(Rgb ground, Rgb line) {
  return [=](double u, double v) {
    return nearLine(u + v, 3.5) < 0.12 || nearLine(u - v, 3.5) < 0.12 ? line : ground;
  };
}

Pattern sky() {
  return [](double u, double v) {
    const Rgb top{40, 90, 180}, bottom{150, 200, 245};
    Rgb c = mix(top, bottom, std::clamp((v + 45) / 90, 0.0, 1.0));
    const double cloud = fractalNoise(u / 14, v / 7, 4, 11);
    return mix(c, Rgb{255, 255, 255}, smooth(0.1, 0.5, cloud) * 0.85);
  };
}

Pattern marble(Rgb ground, Rgb vein) {
  return [=](double u, double v) {
    const double n = fractalNoise(u / 30, v / 30, 5, 21);
    const double t = std::fabs(std::sin(u * 0.07 + v * 0.11 + n * 7));
    const Rgb body = mix(ground, shade(ground, 1.25), 0.5 + 0.5 * fractalNoise(u / 12, v / 12, 3, 5));
    return mix(vein, body, smooth(0.0, 0.2, t));
  };
}

Pattern argyle(Rgb a, Rgb b, Rgb line) {
  return [=](double u, double v) {
    const double w = 12, h = 16;
    const double du = fract(u / w) - 0.5, dv = fract(v / h) - 0.5;
    if (nearLine(u / w + v / h, 1) < 0.025 || nearLine(u / w - v / h, 1) < 0.025) return line;
    return std::fabs(du) + std::fabs(dv) < 0.5 ? a : b;
  };
}

Pattern triangles(Rgb a, Rgb b, Rgb c) {
  return [=](double u, double v) {
    const double h = 7;
    const double row = std::floor(v / h);
    const double x = u / (h * 1.1547) + (static_cast<long>(row) % 2 == 0 ? 0 : 0.5);
    const double fy = fract(v / h), fx = fract(x);
    const bool upper = fx < 0.5 ? fy < 1 - 2 * fx : fy < 2 * fx - 1;
    const long index = static_cast<long>(std::floor(x) * 2 + (upper ? 0 : 1) + row);
    switch (((index % 3) + 3) % 3) {
      case 0: return a;
      case 1: return b;
      default: return c;
    }
  };
}

Pattern moire(Rgb a, Rgb b) {
  return [=](double u, double v) {
    const bool r1 = band(std::hypot(u + 12, v + 16), 3, 0.5), r2 = band(std::hypot(u - 12, v - 16), 3, 0.5);
    return r1 != r2 ? a : b;
  };
}

Pattern basket(Rgb a, Rgb b) {
  return [=](double u, double v) {
    const double cell = 8;
    const bool across = (static_cast<long>(std::floor(u / cell)) + static_cast<long>(std::floor(v / cell))) % 2 == 0;
    const double t = across ? fract(v / (cell / 3)) : fract(u / (cell / 3));
    const Rgb base = across ? a : b;
    return mix(shade(base, 0.7), base, std::sin(t * kPi));
  };
}

Pattern spiral(Rgb a, Rgb b) {
  return [=](double u, double v) {
    const double r = std::hypot(u, v), angle = std::atan2(v, u);
    return band(angle / (2 * kPi) * 6 + r / 9, 1.0, 0.5) ? a : mix(b, a, std::min(0.5, r / 120));
  };
}

Pattern circuit(Rgb ground, Rgb trace) {
  return [=](double u, double v) {
    const double cell = 7;
    const int cx = static_cast<int>(std::floor(u / cell)), cy = static_cast<int>(std::floor(v / cell));
    const double fu = fract(u / cell), fv = fract(v / cell);
    const bool horizontal = hashUnit(cx, cy, 5) < 0.5;
    const bool onTrace = horizontal ? std::fabs(fv - 0.5) < 0.08 : std::fabs(fu - 0.5) < 0.08;
    const bool pad = std::hypot(fu - 0.5, fv - 0.5) < 0.2;
    return onTrace || pad ? trace : ground;
  };
}

Pattern flowers(Rgb ground, Rgb petal, Rgb centre) {
  return [=](double u, double v) {
    const double cell = 11;
    const double row = std::floor(v / cell);
    const double shift = static_cast<long>(row) % 2 == 0 ? 0 : cell / 2;
    const double du = fract((u + shift) / cell) * cell - cell / 2, dv = fract(v / cell) * cell - cell / 2;
    const double r = std::hypot(du, dv), a = std::atan2(dv, du);
    if (r < 1.2) return centre;
    if (r < 3.6 * (0.6 + 0.4 * std::fabs(std::cos(3 * a)))) return petal;
    return ground;
  };
}

Pattern pinstripe(Rgb ground, Rgb line) {
  return [=](double u, double) { return nearLine(u, 5) < 0.09 ? line : ground; };
}

Pattern ocean() {
  return [](double u, double v) {
    const Rgb deep{10, 50, 100}, light{60, 160, 200}, foam{230, 245, 250};
    const double y = v + 1.8 * std::sin(u * 0.35) + 0.8 * std::sin(u * 0.9 + 1);
    const double t = fract(y / 7);
    const Rgb c = mix(deep, light, t);
    return t > 0.9 ? foam : c;
  };
}

Pattern harlequin(Rgb a, Rgb b, Rgb line) {
  return [=](double u, double v) {
    const double w = 10, h = 14;
    const double x = u / w + v / h, y = u / w - v / h;
    if (nearLine(x, 1) < 0.04 || nearLine(y, 1) < 0.04) return line;
    return (static_cast<long>(std::floor(x)) + static_cast<long>(std::floor(y))) % 2 == 0 ? a : b;
  };
}

const std::vector<BackDesign>& designs() {
  static const std::vector<BackDesign> list{
      {checks({36, 76, 168}, {226, 234, 250}, 5), {255, 255, 255}},                       // 1
      {gingham({170, 20, 36}, {252, 236, 236}, 5), {255, 255, 255}},                      // 2
      {diagonals({20, 110, 60}, {200, 236, 210}, 6, 0.5), {255, 255, 255}},               // 3
      {lattice({18, 28, 70}, {214, 176, 80}, {240, 210, 120}, 9), {214, 176, 80}},        // 4
      {waves({20, 120, 130}, {190, 236, 236}, 6, 2.4), {255, 255, 255}},                  // 5
      {dots({180, 24, 40}, {255, 240, 240}, 6, 1.7), {255, 255, 255}},                    // 6
      {radial({160, 90, 200}, {50, 14, 80}, 5), {230, 210, 250}},                         // 7
      {sunburst({240, 140, 30}, {250, 200, 80}, 28), {255, 255, 255}},                    // 8
      {tartan({20, 80, 50}, {16, 30, 80}, {220, 40, 40}), {255, 240, 200}},               // 9
      {herringbone({110, 70, 40}, {180, 130, 80}), {250, 230, 200}},                      // 10
      {guilloche, {214, 196, 130}},                                                       // 11
      {rings({120, 20, 40}, {200, 80, 90}, 4), {255, 220, 220}},                          // 12
      {honeycomb({230, 160, 30}, {120, 70, 10}), {255, 240, 200}},                        // 13
      {scales({10, 90, 100}, {60, 190, 180}), {210, 255, 250}},                           // 14
      {bricks({170, 60, 40}, {230, 220, 200}), {255, 255, 255}},                          // 15
      {chevrons({30, 40, 90}, {240, 180, 40}, {230, 230, 240}), {255, 255, 255}},         // 16
      {stars({14, 24, 70}, {250, 220, 120}), {250, 220, 120}},                            // 17
      {crosshatch({70, 70, 80}, {200, 200, 210}), {255, 255, 255}},                       // 18
      {sky(), {255, 255, 255}},                                                           // 19
      {marble({30, 110, 80}, {200, 240, 220}), {220, 250, 230}},                          // 20
      {argyle({60, 40, 110}, {150, 120, 200}, {240, 220, 120}), {255, 255, 255}},         // 21
      {triangles({30, 130, 160}, {240, 110, 80}, {250, 220, 140}), {255, 255, 255}},      // 22
      {moire({20, 20, 30}, {220, 220, 230}), {255, 255, 255}},                            // 23
      {basket({200, 160, 100}, {160, 110, 60}), {255, 240, 210}},                         // 24
      {spiral({100, 20, 110}, {240, 120, 190}), {255, 255, 255}},                         // 25
      {circuit({10, 60, 50}, {90, 220, 160}), {150, 240, 200}},                           // 26
      {flowers({250, 240, 220}, {210, 60, 80}, {240, 190, 40}), {200, 60, 80}},           // 27
      {pinstripe({20, 30, 60}, {200, 210, 230}), {255, 255, 255}},                        // 28
      {ocean(), {255, 255, 255}},                                                         // 29
      {harlequin({200, 30, 40}, {30, 30, 36}, {230, 200, 120}), {230, 200, 120}},         // 30
  };
  return list;
}

}  // namespace

int cardBackCount() { return static_cast<int>(designs().size()); }

Bitmap renderCardBack(int number, CardSize size, double zoom) {
  const std::optional<BackScene> scene = backScene(number);
  const BackDesign& plain = designs().at(static_cast<std::size_t>(number - 1));
  const BackDesign design = scene ? BackDesign{scene->ground, scene->line} : plain;
  const bool tiny = size.letter == 'P';
  const int samples = tiny ? 4 : 3;
  // Drawn on the zoomed card's own pixels: every length in card pixels grows by the zoom.
  const int width = zoomedLength(size.width, zoom), height = zoomedLength(size.height, zoom);
  const double margin = (tiny ? 2.0 : 3.0) * zoom;  // white margin in pixels
  const double radius = (tiny ? 1.5 : 3.0) * zoom;
  // On the miniature card the pattern is drawn coarser, or it would blur to one colour.
  const double unit = (tiny && !scene ? 0.55 : size.width / 71.0) * zoom;
  const double halfW = width / 2.0 - margin, halfH = height / 2.0 - margin;
  Bitmap back(width, height, {255, 255, 255});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double r = 0, g = 0, b = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const double px = x + (sx + 0.5) / samples - width / 2.0;
          const double py = y + (sy + 0.5) / samples - height / 2.0;
          // Signed distance to the rounded field: negative inside.
          const double qx = std::fabs(px) - halfW + radius, qy = std::fabs(py) - halfH + radius;
          const double d = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
          Rgb c{255, 255, 255};
          if (d < 0) c = design.pattern(px / unit, py / unit);
          if (!tiny && d < -1.0 * zoom && d > -1.8 * zoom) c = design.line;
          r += c.r;
          g += c.g;
          b += c.b;
        }
      }
      const double n = samples * samples;
      back.at(x, y) = {static_cast<std::uint8_t>(r / n + 0.5), static_cast<std::uint8_t>(g / n + 0.5), static_cast<std::uint8_t>(b / n + 0.5)};
    }
  }
  if (scene && scene->figure) {
    // The figure stays inside the thin line.
    Canvas canvas(width, height);
    canvas.bitmap() = back;
    const double inset = tiny ? margin : margin + 2 * zoom;
    Path field;
    field.roundedRect(inset, inset, width - 2 * inset, height - 2 * inset, radius);
    canvas.clipTo(field);
    canvas.setTransform(Affine::translate(width / 2.0, height / 2.0) * Affine::scale(unit, unit));
    scene->figure(canvas);
    back = canvas.bitmap();
  }
  const Rgb border{90, 90, 90};
  const int thickness = borderThickness(zoom);
  for (int k = 0; k < thickness; ++k) {
    for (int x = 0; x < width; ++x) back.at(x, k) = back.at(x, height - 1 - k) = border;
    for (int y = 0; y < height; ++y) back.at(k, y) = back.at(width - 1 - k, y) = border;
  }
  return back;
}

}  // namespace quilloro::artwork
