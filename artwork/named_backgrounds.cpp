// Marbles, woods, walls, cloths, metals, stones, skies, fractals and patterns, each a seamless tile of its own.
#include "artwork/named_backgrounds.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "artwork/canvas.hpp"
#include "artwork/noise.hpp"
#include "artwork/shading.hpp"

namespace quilloro::artwork {
namespace {

constexpr int kTileSide = 256;
using Texture = std::function<Rgb(int x, int y)>;

Bitmap paint(const Texture& texture) {
  Bitmap out(kTileSide, kTileSide);
  for (int y = 0; y < kTileSide; ++y)
    for (int x = 0; x < kTileSide; ++x) out.at(x, y) = texture(x, y);
  return out;
}

// Seamless noise over the tile with features of about `size` pixels (size divides 256).
double tileNoise(double x, double y, double size, int octaves, std::uint32_t seed) {
  return fractalNoise(x / size, y / size, octaves, seed, static_cast<int>(kTileSide / size));
}
Rgb grain(Rgb c, int x, int y, double amount, std::uint32_t seed) { return shade(c, 1.0 + amount * (hashUnit(x, y, seed) - 0.5)); }

// Three-colour ramp, t from 0 to 1.
Rgb ramp(Rgb a, Rgb b, Rgb c, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t < 0.5 ? mix(a, b, t * 2) : mix(b, c, t * 2 - 1);
}

// The nearest and second nearest feature points of a wrapped grid of cells:
// distances in pixels and the nearest cell's own random number.
struct Cells {
  double first = 1e9, second = 1e9;
  double id = 0;
};
Cells cells(double x, double y, int perSide, std::uint32_t seed, double jitter = 0.8) {
  const double size = static_cast<double>(kTileSide) / perSide;
  const int cx = static_cast<int>(std::floor(x / size)), cy = static_cast<int>(std::floor(y / size));
  Cells out;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int gx = cx + dx, gy = cy + dy;
      const int wx = ((gx % perSide) + perSide) % perSide, wy = ((gy % perSide) + perSide) % perSide;
      const double px = (gx + 0.5 + jitter * (hashUnit(wx, wy, seed) - 0.5)) * size;
      const double py = (gy + 0.5 + jitter * (hashUnit(wx, wy, seed + 1) - 0.5)) * size;
      const double d = std::hypot(x - px, y - py);
      if (d < out.first) {
        out.second = out.first;
        out.first = d;
        out.id = hashUnit(wx, wy, seed + 2);
      } else if (d < out.second) {
        out.second = d;
      }
    }
  return out;
}

// --- families ---

Texture marble(Rgb ground, Rgb vein, std::uint32_t seed, double veins, double turbulence) {
  return [=](int x, int y) {
    const double n = tileNoise(x, y, 128, 6, seed);
    const double t = std::fabs(std::sin((x + y) * kTwoPi * veins / kTileSide * 0.5 + n * turbulence));
    // A soft cloud of colour round a thin dark core: the vein.
    const double cloud = 0.5 + 0.5 * tileNoise(x, y, 32, 4, seed + 5);
    const Rgb body = mix(ground, shade(ground, 0.9), cloud);
    const Rgb veined = mix(vein, body, smooth(0.0, 0.14, t));
    return grain(mix(veined, body, 0.35 + 0.65 * smooth(0.0, 0.5, t)), x, y, 0.025, seed);
  };
}

Texture chalk(Rgb ground, std::uint32_t seed) {
  return [=](int x, int y) {
    const double n = tileNoise(x, y, 32, 5, seed);
    const double pits = hashUnit(x, y, seed) > 0.985 ? -0.12 : 0;
    return grain(shade(ground, 1.0 + 0.06 * n + pits), x, y, 0.08, seed + 1);
  };
}

Texture granite(Rgb base, Rgb fleck1, Rgb fleck2, std::uint32_t seed) {
  return [=](int x, int y) {
    const Cells c = cells(x, y, 64, seed, 1.0);
    Rgb colour = c.id < 0.2 ? fleck1 : c.id < 0.35 ? fleck2 : shade(base, 0.85 + 0.3 * c.id);
    if (c.second - c.first < 0.6) colour = shade(colour, 0.8);
    return grain(colour, x, y, 0.12, seed);
  };
}

Texture woodGrain(Rgb light, Rgb dark, std::uint32_t seed, double rings) {
  return [=](int x, int y) {
    // Growth rings run along the board: noise stretched eight times along x bends them gently.
    const double bend = fractalNoise(x / 128.0, y / 32.0, 4, seed, 2, 8);
    const double fibres = fractalNoise(x / 64.0, y / 2.0, 2, seed + 3, 4, 128);
    const double t = fract(y * rings * 2 / kTileSide + bend * 1.2 + 0.1 * std::sin(x * kTwoPi / kTileSide));
    const double band = smooth(0.0, 0.2, t) - smooth(0.55, 1.0, t);
    return grain(shade(mix(dark, light, band), 1.0 + 0.07 * fibres), x, y, 0.04, seed);
  };
}

// Boards of wood laid in courses; each board shifts and tints its grain.
Texture planks(Rgb light, Rgb dark, std::uint32_t seed, int courses) {
  const Texture wood = woodGrain(light, dark, seed, 6);
  const int h = kTileSide / courses;
  return [=](int x, int y) {
    const int row = y / h;
    const int shift = static_cast<int>(hashUnit(row, 0, seed) * kTileSide);
    const int boardLength = kTileSide / 2;
    const int bx = (x + shift) % kTileSide;
    if (y % h == 0 || bx % boardLength == 0) return shade(dark, 0.5);
    const double tint = 0.9 + 0.2 * hashUnit(row, bx / boardLength, seed + 9);
    return shade(wood((bx + 37 * row) % kTileSide, (y * 3 + row * 50) % kTileSide), tint);
  };
}

Texture parquetFloor(Rgb light, Rgb dark, std::uint32_t seed) {
  const Texture wood = woodGrain(light, dark, seed, 4);
  return [=](int x, int y) {
    // Herringbone: blocks of 64 x 16 turned alternately.
    const int cell = 32;
    const int cx = x / cell, cy = y / cell;
    const bool turned = (cx + cy) % 2 == 0;
    const int lx = x % cell, ly = y % cell;
    const int strip = (turned ? ly : lx) / 8;
    if ((turned ? ly : lx) % 8 == 0 || (turned ? lx : ly) == 0) return shade(dark, 0.55);
    const double tint = 0.88 + 0.24 * hashUnit(cx * 4 + strip, cy, seed + 4);
    return shade(turned ? wood(x, (y * 5) % kTileSide) : wood(y, (x * 5) % kTileSide), tint);
  };
}

Texture cork(Rgb base, std::uint32_t seed, int grains) {
  return [=](int x, int y) {
    const Cells c = cells(x, y, grains, seed, 1.0);
    const double n = tileNoise(x, y, 16, 3, seed + 7);
    Rgb colour = shade(base, 0.75 + 0.45 * c.id + 0.1 * n);
    if (c.second - c.first < 0.9) colour = shade(colour, 0.7);
    if (hashUnit(x, y, seed) > 0.97) colour = shade(colour, 0.6);
    return colour;
  };
}

Texture bricks(Rgb brick, Rgb mortar, std::uint32_t seed, int rows, int perRow) {
  const int h = kTileSide / rows, w = kTileSide / perRow;
  return [=](int x, int y) {
    const int row = y / h;
    const int shifted = (x + (row % 2) * w / 2) % kTileSide;
    const int col = shifted / w;
    const int mx = shifted % w, my = y % h;
    const double n = tileNoise(x, y, 16, 3, seed);
    if (mx < 3 || my < 3) return grain(shade(mortar, 1.0 + 0.1 * n), x, y, 0.2, seed + 1);
    const double tone = 0.8 + 0.35 * hashUnit(col, row, seed);
    const double edge = std::min({mx - 3, w - mx, my - 3, h - my}) < 2 ? 0.85 : 1.0;
    return grain(shade(brick, tone * edge * (1.0 + 0.12 * n)), x, y, 0.15, seed + 2);
  };
}

Texture stones(Rgb mortar, std::uint32_t seed, int perSide, bool pebbles) {
  return [=](int x, int y) {
    const Cells c = cells(x, y, perSide, seed);
    const double gap = c.second - c.first;
    const double n = tileNoise(x, y, 32, 4, seed + 3);
    const Rgb palette[4] = {{150, 140, 130}, {120, 115, 110}, {170, 150, 120}, {110, 120, 130}};
    Rgb stone = palette[static_cast<int>(c.id * 4) % 4];
    if (pebbles) stone = mix(Rgb{90, 90, 95}, Rgb{200, 190, 170}, c.id);
    const double edge = pebbles ? 7 : 4;
    if (gap < edge * 0.4) return grain(shade(mortar, 1.0 + 0.1 * n), x, y, 0.2, seed);
    const double dome = smooth(0, edge * 3, gap);
    return grain(shade(stone, (0.7 + 0.45 * dome) * (1.0 + 0.1 * n)), x, y, 0.1, seed + 1);
  };
}

Texture weave(Rgb warp, Rgb weft, int threads, std::uint32_t seed, double fuzz) {
  const int t = kTileSide / threads;
  return [=](int x, int y) {
    const int cx = x / t, cy = y / t;
    const bool over = (cx + cy) % 2 == 0;
    const double along = over ? fract(static_cast<double>(y) / t) : fract(static_cast<double>(x) / t);
    const Rgb base = over ? warp : weft;
    const double n = tileNoise(x, y, 8, 2, seed);
    return grain(shade(base, (0.75 + 0.3 * std::sin(along * std::numbers::pi)) * (1.0 + fuzz * n)), x, y, 0.1, seed);
  };
}

Texture pile(Rgb base, std::uint32_t seed, double contrast) {
  return [=](int x, int y) {
    const double n = tileNoise(x, y, 32, 5, seed);
    return grain(shade(base, 1.0 + contrast * n), x, y, 0.22, seed + 1);
  };
}

Texture sponge(Rgb base, std::uint32_t seed) {
  return [=](int x, int y) {
    const Cells c = cells(x, y, 32, seed, 1.0);
    const double hole = smooth(2.8, 1.0, c.first);
    return grain(shade(base, 1.0 - 0.5 * hole + 0.08 * tileNoise(x, y, 32, 3, seed)), x, y, 0.06, seed);
  };
}

Texture brushedMetal(Rgb base, std::uint32_t seed) {
  return [=](int x, int y) {
    // Fine streaks along x, and a broad sheen across the plate.
    const double streak = fractalNoise(x / 64.0, y / 1.0, 3, seed, 4, 256);
    const double sheen = 0.5 + 0.5 * std::sin((x + y) * kTwoPi / kTileSide);
    return grain(shade(base, 0.85 + 0.25 * sheen + 0.12 * streak), x, y, 0.05, seed);
  };
}

Texture ribbon(Rgb a, Rgb b, std::uint32_t seed) {
  return [=](int x, int y) {
    const double w = y + 18 * std::sin(x * kTwoPi / kTileSide * 2) + 6 * tileNoise(x, y, 64, 2, seed);
    const double t = fract(w / 32);
    const double shine = std::pow(std::sin(t * std::numbers::pi), 3);
    return mix(shade(a, 0.6), mix(a, b, shine * 0.7), 0.4 + 0.6 * shine);
  };
}

Texture starrySky(std::uint32_t seed) {
  return [=](int x, int y) {
    const double cloud = tileNoise(x, y, 64, 5, seed);
    Rgb c = mix(Rgb{4, 6, 26}, Rgb{40, 24, 80}, std::clamp(0.4 + cloud, 0.0, 1.0) * 0.6);
    const double star = hashUnit(x, y, seed + 1);
    if (star > 0.996) return mix(c, Rgb{255, 250, 230}, 0.6 + 0.4 * hashUnit(x, y, seed + 2));
    if (star > 0.99) return mix(c, Rgb{180, 200, 255}, 0.35);
    return c;
  };
}

// Swirls of colour: noise warped by noise, coloured by a cyclic palette.
Texture fantasy(Rgb a, Rgb b, Rgb c, std::uint32_t seed, double swirl) {
  return [=](int x, int y) {
    const double wx = tileNoise(x, y, 64, 3, seed), wy = tileNoise(x, y, 64, 3, seed + 1);
    const double n = tileNoise(x + swirl * 40 * wx, y + swirl * 40 * wy, 64, 4, seed + 2);
    const double t = 0.5 + 0.5 * std::sin(n * 9);
    return t < 0.5 ? mix(a, b, t * 2) : mix(b, c, t * 2 - 1);
  };
}

// Ridged noise warped by itself: branching crests like a fractal coastline.
Texture fractal(Rgb low, Rgb mid, Rgb high, std::uint32_t seed, double sharpness) {
  return [=](int x, int y) {
    double sum = 0, amp = 0.5, scale = 64;
    for (int o = 0; o < 5; ++o) {
      const double n = 1 - std::fabs(fractalNoise(x / scale, y / scale, 1, seed + o, static_cast<int>(kTileSide / scale)));
      sum += amp * std::pow(n, sharpness);
      amp *= 0.5;
      scale /= 2;
    }
    return ramp(low, mid, high, sum);
  };
}

Texture ceramics(Rgb glaze, Rgb motif, Rgb grout, int perSide, int kind) {
  const int cell = kTileSide / perSide;
  return [=](int x, int y) {
    const int lx = x % cell, ly = y % cell;
    if (lx < 2 || ly < 2) return grout;
    const double u = (lx - cell / 2.0) / (cell / 2.0), v = (ly - cell / 2.0) / (cell / 2.0);
    const double r = std::hypot(u, v), a = std::atan2(v, u);
    bool on = false;
    if (kind == 0) on = r < 0.35 + 0.25 * std::cos(4 * a) && r > 0.1;           // a four-petal flower
    if (kind == 1) on = std::fabs(std::fabs(u) + std::fabs(v) - 0.6) < 0.12 || r < 0.15;  // diamond and dot
    if (kind == 2) on = std::fabs(u) < 0.1 || std::fabs(v) < 0.1 || std::fabs(r - 0.65) < 0.08;  // cross in a ring
    const double sheen = 1.0 + 0.12 * (1 - std::min(1.0, std::hypot(u + 0.4, v + 0.4)));
    return shade(on ? motif : glaze, sheen);
  };
}

Texture labyrinth(Rgb floor, Rgb wall, std::uint32_t seed) {
  const int cell = 16, n = kTileSide / cell;
  return [=](int x, int y) {
    const int cx = x / cell, cy = y / cell, lx = x % cell, ly = y % cell;
    // A diagonal maze: each cell holds one of two diagonals.
    const bool slash = hashUnit(cx % n, cy % n, seed) < 0.5;
    const double d = slash ? std::fabs(lx - (cell - 1 - ly)) : std::fabs(lx - ly);
    if (d < 2.5) return shade(wall, 0.9 + 0.1 * (d / 2.5));
    return grain(floor, x, y, 0.06, seed);
  };
}

Texture scaly(Rgb a, Rgb b) {
  return [=](int x, int y) {
    const double w = 32, h = 16;
    for (int k = 0; k < 2; ++k) {
      const double row = std::floor(y / h) - k;
      const double shift = static_cast<long>(row) % 2 == 0 ? 0 : w / 2;
      const double cx = std::floor((x + shift) / w) * w + w / 2 - shift, cy = row * h;
      for (double offset : {0.0, w, -w}) {
        const double d = std::hypot(x - cx - offset, y - cy);
        if (d < w / 2 && y >= cy) return d > w / 2 - 2 ? shade(b, 0.6) : mix(a, b, d / (w / 2));
      }
    }
    return a;
  };
}

Texture spheres(Rgb ground, Rgb ball) {
  return [=](int x, int y) {
    const double cell = 32;
    const double u = fract(x / cell) * 2 - 1, v = fract(y / cell) * 2 - 1;
    const double r = std::hypot(u, v);
    if (r > 0.85) {
      const double shadow = std::hypot(u - 0.15, v - 0.15) < 0.9 ? 0.75 : 1.0;
      return shade(ground, shadow);
    }
    const double z = std::sqrt(std::max(0.0, 0.85 * 0.85 - r * r));
    const double light = std::clamp((-u * 0.5 - v * 0.6 + z * 0.9) / 0.85, 0.0, 1.0);
    const Rgb c = shade(ball, 0.35 + 0.75 * light);
    return std::pow(light, 20) > 0.5 ? mix(c, Rgb{255, 255, 255}, 0.8) : c;
  };
}

Texture checks(Rgb a, Rgb b, int cell, std::uint32_t seed) {
  return [=](int x, int y) { return grain(((x / cell) + (y / cell)) % 2 ? a : b, x, y, 0.04, seed); };
}

Texture diamonds(Rgb a, Rgb b, Rgb line) {
  return [=](int x, int y) {
    const double u = fract((x + y) / 64.0), v = fract((x - y + kTileSide) / 64.0);
    if (u < 0.04 || v < 0.04) return line;
    return (static_cast<int>((x + y) / 64) + static_cast<int>((x - y + kTileSide) / 64)) % 2 ? a : b;
  };
}

Texture circlesPattern(Rgb ground, Rgb ring, Rgb dot) {
  return [=](int x, int y) {
    const double u = fract(x / 32.0) - 0.5, v = fract(y / 32.0) - 0.5;
    const double r = std::hypot(u, v);
    if (std::fabs(r - 0.38) < 0.05) return ring;
    if (r < 0.1) return dot;
    const double u2 = fract(x / 32.0) , v2 = fract(y / 32.0);
    if (std::hypot(u2 - 0.0, v2 - 0.0) < 0.08 || std::hypot(u2 - 1, v2 - 1) < 0.08 || std::hypot(u2, v2 - 1) < 0.08 ||
        std::hypot(u2 - 1, v2) < 0.08)
      return dot;
    return ground;
  };
}

Texture starsPattern(Rgb ground, Rgb star) {
  return [=](int x, int y) {
    const double cell = 32;
    const double row = std::floor(y / cell);
    const double shift = static_cast<long>(row) % 2 == 0 ? 0 : cell / 2;
    const double du = fract((x + shift) / cell) * cell - cell / 2, dv = fract(y / cell) * cell - cell / 2;
    const double r = std::hypot(du, dv), a = std::atan2(dv, du) + std::numbers::pi / 2;
    return r < 9 * (0.55 + 0.45 * std::cos(5 * a)) ? star : ground;
  };
}

Texture stripes(Rgb a, Rgb b, int period, double share, std::uint32_t seed) {
  return [=](int x, int y) {
    const Rgb c = fract(static_cast<double>(x) / period) < share ? a : b;
    return grain(shade(c, 1.0 + 0.04 * tileNoise(x, y, 32, 2, seed)), x, y, 0.05, seed);
  };
}

// Wall-paper with a repeated motif drawn by a function of the position inside its cell.
Texture wallpaper(Rgb ground, Rgb ink, int perSide, std::function<bool(double u, double v)> motif, std::uint32_t seed) {
  const double cell = static_cast<double>(kTileSide) / perSide;
  return [=](int x, int y) {
    const double row = std::floor(y / cell);
    const double shift = static_cast<long>(row) % 2 == 0 ? 0 : cell / 2;
    const double u = fract((x + shift) / cell) * 2 - 1, v = fract(y / cell) * 2 - 1;
    const Rgb paper = shade(ground, 1.0 + 0.04 * tileNoise(x, y, 32, 3, seed));
    return motif(u, v) ? ink : grain(paper, x, y, 0.04, seed);
  };
}

bool lily(double u, double v) {
  const double r = std::hypot(u, v * 0.8), a = std::atan2(v, u);
  return r < 0.45 * (0.5 + 0.5 * std::fabs(std::cos(3 * a))) || (std::fabs(u) < 0.05 && v > 0.3 && v < 0.8);
}

Texture foldPaper(Rgb paper, std::uint32_t seed) {
  return [=](int x, int y) {
    // Creases: the edges of a cell pattern, lit on one side and shaded on the other.
    const Cells c = cells(x, y, 4, seed, 0.9);
    const double crease = smooth(3, 0, c.second - c.first);
    const double facet = 0.9 + 0.2 * c.id;
    return grain(shade(paper, facet - 0.15 * crease), x, y, 0.04, seed);
  };
}

Texture carpet(std::uint32_t seed) {
  return [=](int x, int y) {
    // An oriental field: a lozenge medallion per tile, a border-like band and woollen pile.
    const double u = (x % 128 - 64) / 64.0, v = (y % 128 - 64) / 64.0;
    const double d = std::fabs(u) + std::fabs(v);
    Rgb c{140, 24, 30};
    if (d < 0.9) c = Rgb{20, 40, 90};
    if (d < 0.6) c = Rgb{200, 160, 80};
    if (d < 0.3) c = Rgb{140, 24, 30};
    if (std::fabs(d - 0.9) < 0.04 || std::fabs(d - 0.6) < 0.03) c = Rgb{240, 230, 200};
    const double hooks = std::fabs(std::sin(u * 12) * std::sin(v * 12));
    if (d > 1.1 && hooks > 0.85) c = Rgb{220, 180, 90};
    return grain(shade(c, 1.0 + 0.1 * tileNoise(x, y, 16, 2, seed)), x, y, 0.25, seed);
  };
}

Texture glass(std::uint32_t seed) {
  return [=](int x, int y) {
    const double n = tileNoise(x, y, 32, 4, seed);
    const double ripple = 0.5 + 0.5 * std::sin((x + n * 40) * kTwoPi / 32);
    return mix(Rgb{150, 200, 210}, Rgb{225, 245, 248}, 0.3 + 0.6 * ripple * ripple);
  };
}

Texture floorTiles(std::uint32_t seed) {
  const Texture black = marble({40, 40, 44}, {150, 150, 160}, seed, 2, 6);
  const Texture white = marble({235, 232, 225}, {150, 150, 150}, seed + 1, 3, 5);
  return [=](int x, int y) {
    const int cell = 64;
    if (x % cell < 1 || y % cell < 1) return Rgb{90, 90, 90};
    return ((x / cell) + (y / cell)) % 2 ? black(x, y) : white(x, y);
  };
}

Texture mottle(Rgb a, Rgb b, double size, std::uint32_t seed, double grainAmount) {
  return [=](int x, int y) {
    const double n = 0.5 + 0.7 * tileNoise(x, y, size, 5, seed);
    return grain(mix(a, b, std::clamp(n, 0.0, 1.0)), x, y, grainAmount, seed + 1);
  };
}

Texture terrazzo(Rgb ground, std::uint32_t seed) {
  return [=](int x, int y) {
    const Cells c = cells(x, y, 32, seed, 1.0);
    if (c.first < 2.6 && c.id > 0.4) {
      const Rgb chips[4] = {{200, 90, 70}, {60, 60, 70}, {230, 230, 220}, {120, 150, 110}};
      return chips[static_cast<int>(c.id * 7) % 4];
    }
    return grain(ground, x, y, 0.08, seed);
  };
}

Texture carvedWood(std::uint32_t seed) {
  const Texture wood = woodGrain({190, 130, 70}, {110, 60, 25}, seed, 5);
  return [=](int x, int y) {
    // Bevelled diamonds cut into the board: the light falls from the top left.
    const double u = fract((x + y) / 64.0) - 0.5, v = fract((x - y + kTileSide) / 64.0) - 0.5;
    const double edge = 0.5 - std::max(std::fabs(u), std::fabs(v));
    double light = 1.0;
    if (edge < 0.08) light = (std::fabs(u) > std::fabs(v) ? (u < 0 ? 1.25 : 0.7) : (v < 0 ? 1.2 : 0.75));
    return shade(wood(x, y), light);
  };
}

Texture caneBrake(Rgb cane, Rgb shadowColour) {
  return [=](int x, int y) {
    // Cane woven in an open hexagonal pattern, with holes showing the dark table.
    const double a = fract(x / 16.0), b = fract((x + y) / 32.0), c = fract((x - y + kTileSide) / 32.0);
    const bool strand = a < 0.3 || b < 0.3 || c < 0.3;
    return strand ? shade(cane, 0.85 + 0.3 * std::max({a < 0.3 ? a : 0, b < 0.3 ? b : 0, c < 0.3 ? c : 0}) / 0.3) : shadowColour;
  };
}

Bitmap letters(FontBook& fonts, std::uint32_t seed) {
  Canvas canvas(kTileSide, kTileSide);
  canvas.bitmap() = paint(mottle({236, 228, 210}, {214, 200, 176}, 64, seed, 0.05));
  Font& font = fonts.get("DejaVuSerif-Bold.ttf");
  const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ&";
  const Rgb inks[3] = {{120, 40, 40}, {40, 60, 110}, {80, 70, 60}};
  // Letters on a grid, each with a little offset; those near an edge are drawn on both sides.
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 6; ++col) {
      const int k = row * 6 + col;
      const double x = col * 42.67 + 21 + 10 * (hashUnit(col, row, seed) - 0.5);
      const double y = row * 42.67 + 21 + 10 * (hashUnit(col, row, seed + 1) - 0.5);
      const std::string letter(1, alphabet[(k * 7) % 27]);
      const double size = 14 + 10 * hashUnit(col, row, seed + 2);
      for (int dx : {-kTileSide, 0, kTileSide})
        for (int dy : {-kTileSide, 0, kTileSide})
          if (x + dx > -30 && x + dx < kTileSide + 30 && y + dy > -30 && y + dy < kTileSide + 30)
            drawTextCentred(canvas, font, letter, size, x + dx, y + dy, inks[k % 3]);
    }
  return canvas.bitmap();
}

// Reduced colours for displays of 256 colours or fewer: a few flat shades.
Texture posterise(Texture texture, int levels) {
  return [=](int x, int y) {
    const Rgb c = texture(x, y);
    auto q = [&](std::uint8_t v) { return static_cast<std::uint8_t>(std::round(v / 255.0 * (levels - 1)) * 255 / (levels - 1)); };
    return Rgb{q(c.r), q(c.g), q(c.b)};
  };
}

}  // namespace

std::vector<int> namedBackgroundNumbers() {
  std::vector<int> numbers{101, 102, 103, 104, 105};
  for (int n = 257; n <= 323; ++n)
    if (n != 265 && n != 294 && n != 300) numbers.push_back(n);
  return numbers;
}

std::optional<Bitmap> renderNamedBackground(int number, FontBook& fonts) {
  switch (number) {
    // Under 256 colours: few flat shades.
    case 101: return paint(posterise(parquetFloor({200, 150, 90}, {120, 70, 30}, 101), 4));
    case 102: return paint(posterise(pile({40, 90, 60}, 102, 0.35), 5));
    case 103: return paint(posterise(weave({60, 80, 150}, {200, 200, 220}, 64, 103, 0.05), 4));
    case 104: return paint(caneBrake({220, 190, 120}, {60, 40, 20}));
    case 105: return paint(posterise(stripes({90, 60, 40}, {140, 100, 70}, 4, 0.5, 105), 5));
    // Wall-paper.
    case 257: return paint(wallpaper({236, 224, 196}, {170, 130, 80}, 4, lily, 257));
    case 258: return paint(wallpaper({210, 226, 236}, {70, 100, 150}, 8,
                                     [](double u, double v) { return std::fabs(std::hypot(u, v) - 0.5) < 0.08 || std::hypot(u, v) < 0.12; }, 258));
    case 259: return paint(stripes({230, 214, 200}, {196, 120, 120}, 32, 0.25, 259));
    case 303: return paint(foldPaper({230, 226, 214}, 303));
    // Marbles.
    case 260: return paint(chalk({238, 236, 228}, 260));
    case 298: return paint(chalk({236, 214, 206}, 298));
    case 261: return paint(marble({30, 100, 70}, {200, 240, 220}, 261, 2, 7));
    case 262: return paint(granite({160, 150, 150}, {70, 66, 70}, {200, 160, 150}, 262));
    case 263: return paint(marble({240, 238, 232}, {110, 110, 120}, 263, 3, 6));
    // Wood.
    case 269: return paint(planks({230, 200, 150}, {190, 150, 100}, 269, 8));
    case 288: return paint(planks({220, 180, 120}, {170, 120, 70}, 288, 4));
    case 313: return paint(woodGrain({240, 214, 170}, {200, 160, 110}, 313, 8));
    case 312: return paint(planks({190, 140, 90}, {130, 85, 45}, 312, 8));
    case 314: return paint(planks({110, 66, 36}, {70, 36, 16}, 314, 4));
    case 315: return paint(woodGrain({100, 60, 30}, {56, 30, 12}, 315, 6));
    case 311: return paint(parquetFloor({200, 150, 90}, {120, 70, 30}, 311));
    case 270: return paint(carvedWood(270));
    case 309: return paint(cork({180, 130, 80}, 309, 64));
    case 310: return paint(cork({200, 160, 110}, 310, 32));
    // Walls.
    case 304: return paint(bricks({170, 70, 50}, {210, 200, 180}, 304, 8, 4));
    case 305: return paint(bricks({130, 60, 50}, {80, 76, 70}, 305, 8, 4));
    case 306: return paint(bricks({190, 150, 110}, {230, 220, 200}, 306, 16, 4));
    case 307: return paint(bricks({120, 110, 100}, {60, 56, 52}, 307, 4, 2));
    case 308: return paint(stones({70, 66, 60}, 308, 6, false));
    // Tissue.
    case 267: return paint(carpet(267));
    case 317: return paint(weave({170, 40, 40}, {220, 200, 170}, 64, 317, 0.08));
    case 268: return paint(weave({226, 218, 196}, {210, 200, 176}, 128, 268, 0.1));
    case 296: return paint(pile({120, 40, 50}, 296, 0.25));
    case 321: return paint(pile({40, 70, 120}, 321, 0.3));
    case 266: return paint(sponge({230, 200, 90}, 266));
    // Metal.
    case 272: return paint(brushedMetal({90, 120, 170}, 272));
    case 287: return paint(brushedMetal({200, 160, 60}, 287));
    case 301: return paint(ribbon({170, 30, 60}, {255, 200, 210}, 301));
    // Nature.
    case 281: return paint(stones({40, 50, 60}, 281, 8, true));
    case 282: return paint(starrySky(282));
    // Colour fantasies and fractals.
    case 316: return paint(fantasy({240, 80, 60}, {250, 220, 90}, {60, 40, 140}, 316, 1.0));
    case 271: return paint(fantasy({20, 120, 160}, {240, 240, 220}, {200, 60, 140}, 271, 1.5));
    case 279: return paint(fantasy({40, 140, 60}, {230, 240, 120}, {20, 50, 100}, 279, 2.0));
    case 283: return paint(fantasy({120, 30, 120}, {250, 150, 60}, {20, 20, 60}, 283, 0.7));
    case 286: return paint(fractal({10, 20, 60}, {40, 140, 200}, {250, 250, 220}, 286, 4));
    case 322: return paint(fractal({40, 0, 10}, {200, 60, 20}, {255, 230, 120}, 322, 6));
    case 323: return paint(fractal({0, 30, 10}, {60, 170, 80}, {230, 250, 200}, 323, 3));
    // Geometricals.
    case 275: return paint(ceramics({236, 236, 226}, {40, 80, 160}, {170, 170, 160}, 4, 0));
    case 276: return paint(ceramics({40, 110, 120}, {240, 220, 160}, {30, 40, 40}, 8, 1));
    case 277: return paint(ceramics({230, 200, 120}, {170, 50, 30}, {120, 100, 80}, 4, 2));
    case 273: return paint(diamonds({240, 140, 40}, {40, 120, 170}, {250, 240, 220}));
    case 278: return paint(labyrinth({220, 210, 180}, {90, 60, 40}, 278));
    case 280: return paint(scaly({40, 140, 120}, {160, 230, 200}));
    case 274: return paint(spheres({30, 30, 50}, {200, 60, 60}));
    // Patterns.
    case 302: return paint(checks({40, 80, 60}, {60, 110, 80}, 32, 302));
    case 318: return paint(circlesPattern({240, 230, 210}, {180, 60, 50}, {40, 80, 130}));
    case 319: return paint(starsPattern({20, 40, 100}, {240, 210, 100}));
    case 320: return paint(diamonds({120, 20, 40}, {180, 40, 60}, {230, 200, 120}));
    // Others.
    case 299: return paint(mottle({220, 200, 160}, {180, 150, 110}, 64, 299, 0.06));   // sand
    case 264: return paint(mottle({120, 150, 200}, {230, 200, 220}, 128, 264, 0.03));  // watercolour
    case 295: return paint(terrazzo({220, 214, 200}, 295));
    case 293: return paint(mottle({200, 200, 196}, {150, 150, 146}, 16, 293, 0.25));   // stucco
    case 292: return paint(fantasy({60, 90, 60}, {120, 150, 90}, {40, 60, 40}, 292, 0.5));  // camouflage greens
    case 291: return paint(mottle({40, 40, 80}, {110, 60, 120}, 32, 291, 0.1));
    case 290: return paint(weave({90, 60, 40}, {140, 100, 60}, 16, 290, 0.1));       // basket
    case 289: return paint(mottle({10, 80, 40}, {30, 130, 70}, 64, 289, 0.12));      // felt
    case 285: return paint(floorTiles(285));
    case 297: return paint(glass(297));
    case 284: return letters(fonts, 284);
    default: return std::nullopt;
  }
}

}  // namespace quilloro::artwork
