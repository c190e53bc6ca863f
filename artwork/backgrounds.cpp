// Background textures from periodic noise, so that tiles repeat without seams.
#include "artwork/backgrounds.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>

#include "artwork/noise.hpp"
#include "artwork/shading.hpp"

namespace quilloro::artwork {
namespace {

constexpr int kTile = 256;

using Texture = std::function<Rgb(int x, int y)>;

Bitmap paint(int width, int height, const Texture& texture) {
  Bitmap out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.at(x, y) = texture(x, y);
  return out;
}

// For the big pictures: the smooth part is computed on a grid of every fourth
// pixel and interpolated, and only the fine detail is computed for every pixel.
using Detail = std::function<Rgb(Rgb smooth, int x, int y)>;

Bitmap paintLarge(int width, int height, const Texture& smooth, const Detail& detail) {
  constexpr int step = 4;
  const int gw = width / step + 2, gh = height / step + 2;
  std::vector<Rgb> grid(static_cast<std::size_t>(gw * gh));
  for (int gy = 0; gy < gh; ++gy)
    for (int gx = 0; gx < gw; ++gx) grid[static_cast<std::size_t>(gy * gw + gx)] = smooth(gx * step, gy * step);
  Bitmap out(width, height);
  for (int y = 0; y < height; ++y) {
    const int gy = y / step;
    const double fy = (y % step) / static_cast<double>(step);
    for (int x = 0; x < width; ++x) {
      const int gx = x / step;
      const double fx = (x % step) / static_cast<double>(step);
      auto at = [&](int i, int j) { return grid[static_cast<std::size_t>((gy + j) * gw + gx + i)]; };
      const Rgb c = mix(mix(at(0, 0), at(1, 0), fx), mix(at(0, 1), at(1, 1), fx), fy);
      out.at(x, y) = detail(c, x, y);
    }
  }
  return out;
}

// Felt: a soft mottle of large fibres and a fine grain of single threads.
Texture felt(Rgb base, std::uint32_t seed) {
  return [=](int x, int y) {
    const double mottle = fractalNoise(x / 32.0, y / 32.0, 4, seed, kTile / 32);
    const double fibre = fractalNoise(x / 4.0, y / 4.0, 2, seed + 9, kTile / 4);
    const double grain = hashUnit(x, y, seed) - 0.5;
    return shade(base, 1.0 + 0.07 * mottle + 0.05 * fibre + 0.06 * grain);
  };
}

Texture wood() {
  return [](int x, int y) {
    const int plank = y / 32;
    const int joint = static_cast<int>(hashUnit(plank, 0, 41) * kTile);
    const int px = (x - joint + kTile) % kTile;
    const double tone = 0.88 + 0.2 * hashUnit(plank, 1, 42);
    const double warp = fractalNoise(px / 64.0, y / 16.0, 3, 43 + static_cast<std::uint32_t>(plank), kTile / 64, kTile / 16);
    const double grain = 0.5 + 0.5 * std::sin((y % 32) * 0.9 + warp * 5 + std::sin(px * kTwoPi / kTile) * 1.5);
    Rgb c = mix(Rgb{150, 96, 52}, Rgb{196, 140, 84}, grain);
    c = shade(c, tone + 0.04 * (hashUnit(x, y, 44) - 0.5));
    if (y % 32 == 0 || px == 0) c = shade(c, 0.55);
    if (y % 32 == 1) c = shade(c, 1.12);
    return c;
  };
}

Texture marble() {
  return [](int x, int y) {
    const double n = fractalNoise(x / 128.0, y / 128.0, 3, 51, kTile / 128);
    const double t = std::fabs(std::sin((x + 2 * y) * kTwoPi / kTile + n * 4));
    const double fine = fractalNoise(x / 16.0, y / 16.0, 3, 52, kTile / 16);
    const Rgb body = mix(Rgb{234, 232, 228}, Rgb{214, 212, 210}, 0.5 + 0.5 * fine);
    return mix(Rgb{130, 134, 146}, body, std::clamp(t * 7.0, 0.0, 1.0));
  };
}

Texture slate() {
  return [](int x, int y) {
    const double layers = fractalNoise(x / 128.0, y / 16.0, 4, 61, kTile / 128, kTile / 16);
    const double grit = hashUnit(x, y, 62) - 0.5;
    return shade(Rgb{62, 70, 78}, 1.0 + 0.18 * layers + 0.08 * grit);
  };
}

Texture linen() {
  return [](int x, int y) {
    const double warp = 0.5 + 0.5 * std::sin(x * kTwoPi / 4.0);
    const double weft = 0.5 + 0.5 * std::sin(y * kTwoPi / 4.0);
    const double slub = fractalNoise(x / 2.0, y / 64.0, 2, 71, kTile / 2, kTile / 64) + fractalNoise(x / 64.0, y / 2.0, 2, 72, kTile / 64, kTile / 2);
    const double t = 0.5 * (warp + weft) + 0.15 * slub;
    return mix(Rgb{196, 184, 160}, Rgb{226, 216, 194}, std::clamp(t, 0.0, 1.0));
  };
}

Texture cork() {
  return [](int x, int y) {
    const double coarse = fractalNoise(x / 8.0, y / 8.0, 3, 81, kTile / 8);
    const double fleck = hashUnit(x / 2, y / 2, 82);
    Rgb c = mix(Rgb{150, 100, 56}, Rgb{200, 150, 96}, 0.5 + 0.5 * coarse);
    if (fleck > 0.93) c = shade(c, 0.6);
    if (fleck < 0.04) c = shade(c, 1.15);
    return c;
  };
}

Texture parquet() {
  return [](int x, int y) {
    // Herringbone of 64 x 16 blocks, half of them standing up.
    const int cell = 64;
    const int cx = x / cell, cy = y / cell;
    const int lx = x % cell, ly = y % cell;
    const bool upright = (cx + cy) % 2 == 0;
    const int along = upright ? ly : lx, across = upright ? lx : ly;
    const int strip = across / 16;
    const double tone = 0.85 + 0.25 * hashUnit(cx * 4 + strip, cy, 91);
    const double grain = 0.5 + 0.5 * std::sin(across * 1.7 + fractalNoise(along / 16.0, across / 4.0, 2, 92) * 3);
    Rgb c = shade(mix(Rgb{160, 104, 56}, Rgb{190, 136, 80}, grain), tone);
    if (across % 16 == 0 || along == 0) c = shade(c, 0.6);
    return c;
  };
}

Texture leather() {
  return [](int x, int y) {
    // Pebbled grain: each pixel shaded by its distance to the nearest of scattered cell centres.
    constexpr int cell = 8, cells = kTile / cell;
    const int cx = x / cell, cy = y / cell;
    double nearest = 1e9, second = 1e9;
    for (int j = -1; j <= 1; ++j) {
      for (int i = -1; i <= 1; ++i) {
        const int wx = ((cx + i) % cells + cells) % cells, wy = ((cy + j) % cells + cells) % cells;
        const double px = (cx + i + hashUnit(wx, wy, 103)) * cell, py = (cy + j + hashUnit(wx, wy, 104)) * cell;
        const double d = std::hypot(x + 0.5 - px, y + 0.5 - py);
        if (d < nearest) {
          second = nearest;
          nearest = d;
        } else {
          second = std::min(second, d);
        }
      }
    }
    const double crease = std::clamp((second - nearest) / 2.0, 0.0, 1.0);
    const double body = fractalNoise(x / 64.0, y / 64.0, 3, 102, kTile / 64);
    return shade(Rgb{112, 62, 34}, (0.7 + 0.3 * crease) * (1.0 + 0.12 * body) * (1.05 - 0.1 * nearest / cell));
  };
}

Texture damask() {
  return [](int x, int y) {
    // A repeating ornament of quatrefoils on a lattice, 128 pixels apart.
    const double u = (x % 128) - 64.0, v = (y % 128) - 64.0;
    const double r = std::hypot(u, v), a = std::atan2(v, u);
    const double petal = 40 * (0.55 + 0.45 * std::fabs(std::cos(2 * a)));
    const double du = std::fabs(u) - 64, dv = std::fabs(v) - 64;
    const double corner = std::hypot(du, dv);
    const Rgb ground{20, 96, 100}, ornament{34, 124, 126};
    Rgb c = ground;
    if (r < petal && r > petal - 4) c = ornament;
    if (r < 10) c = ornament;
    if (corner < 16 && corner > 12) c = ornament;
    return shade(c, 1.0 + 0.05 * fractalNoise(x / 16.0, y / 16.0, 2, 111, kTile / 16));
  };
}

Texture starfield() {
  return [](int x, int y) {
    const double haze = fractalNoise(x / 64.0, y / 64.0, 4, 121, kTile / 64);
    Rgb c = mix(Rgb{8, 14, 40}, Rgb{30, 30, 80}, std::clamp(0.5 + 0.6 * haze, 0.0, 1.0));
    const double star = hashUnit(x, y, 122);
    if (star > 0.996) c = mix(c, Rgb{255, 250, 230}, 0.5 + 0.5 * hashUnit(x, y, 123));
    return c;
  };
}

// The big pictures are drawn once from the top-left corner of the table.
constexpr int kPictureWidth = 1920, kPictureHeight = 1200;

Bitmap lampLitFelt() {
  return paintLarge(
      kPictureWidth, kPictureHeight,
      [](int x, int y) {
        const double dx = (x - 800.0) / 1100, dy = (y - 420.0) / 900;
        const double light = std::exp(-(dx * dx + dy * dy) * 1.6);
        const double mottle = fractalNoise(x / 40.0, y / 40.0, 4, 131);
        return shade(mix(Rgb{0, 52, 20}, Rgb{20, 130, 56}, light), 1.0 + 0.06 * mottle);
      },
      [](Rgb c, int x, int y) { return shade(c, 1.0 + 0.05 * (hashUnit(x, y, 132) - 0.5)); });
}

Bitmap nightSky() {
  return paintLarge(
      kPictureWidth, kPictureHeight,
      [](int x, int y) {
        const double t = static_cast<double>(y) / kPictureHeight;
        Rgb c = mix(Rgb{6, 10, 36}, Rgb{40, 30, 90}, t);
        const double nebula = fractalNoise(x / 300.0, y / 220.0, 5, 141);
        c = mix(c, Rgb{120, 60, 140}, std::clamp(nebula * 0.9, 0.0, 0.5));
        return mix(c, Rgb{40, 110, 150}, std::clamp(-nebula * 0.8, 0.0, 0.35));
      },
      [](Rgb c, int x, int y) {
        const double star = hashUnit(x, y, 142);
        return star > 0.9985 ? mix(c, Rgb{255, 250, 235}, 0.4 + 0.6 * hashUnit(x, y, 143)) : c;
      });
}

Bitmap aurora() {
  return paintLarge(
      kPictureWidth, kPictureHeight,
      [](int x, int y) {
        const double t = static_cast<double>(y) / kPictureHeight;
        Rgb c = mix(Rgb{4, 20, 40}, Rgb{10, 50, 70}, t);
        for (int ribbon = 0; ribbon < 3; ++ribbon) {
          const double centre = 260 + ribbon * 230 + 120 * std::sin(x / 310.0 + ribbon * 2.1) +
                                60 * fractalNoise(x / 200.0, ribbon * 10.0, 3, 151 + static_cast<std::uint32_t>(ribbon));
          // Curtains: a sharp lower edge, a long glow upwards, and rays of varying brightness.
          const double d = (y - centre) / (y < centre ? 150.0 + 40 * ribbon : 35.0);
          const double rays = 0.6 + 0.4 * fractalNoise(x / 18.0, ribbon * 7.0, 3, 161 + static_cast<std::uint32_t>(ribbon));
          const double glow = std::exp(-d * d) * rays;
          const Rgb hue = ribbon == 1 ? Rgb{120, 80, 200} : Rgb{60, 220, 150};
          c = mix(c, hue, std::clamp(glow * 0.55, 0.0, 1.0));
        }
        return c;
      },
      [](Rgb c, int x, int y) {
        const double star = hashUnit(x, y, 152);
        return star > 0.9992 ? mix(c, Rgb{240, 250, 255}, 0.5) : c;
      });
}

}  // namespace

std::vector<int> backgroundNumbers() { return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 500, 501, 502}; }

Bitmap renderBackground(int number) {
  switch (number) {
    case 1: return paint(kTile, kTile, felt({0, 104, 30}, 1));
    case 2: return paint(kTile, kTile, felt({24, 60, 140}, 2));
    case 3: return paint(kTile, kTile, felt({120, 20, 36}, 3));
    case 4: return paint(kTile, kTile, wood());
    case 5: return paint(kTile, kTile, marble());
    case 6: return paint(kTile, kTile, slate());
    case 7: return paint(kTile, kTile, linen());
    case 8: return paint(kTile, kTile, cork());
    case 9: return paint(kTile, kTile, parquet());
    case 10: return paint(kTile, kTile, leather());
    case 11: return paint(kTile, kTile, damask());
    case 12: return paint(kTile, kTile, starfield());
    case 500: return lampLitFelt();
    case 501: return nightSky();
    case 502: return aurora();
    default: throw std::invalid_argument("no background picture " + std::to_string(number));
  }
}

Bitmap renderDemoBackground(FontBook& fonts) {
  const int w = 240, h = 120;
  Canvas canvas(w, h);
  canvas.bitmap() = paint(w, h, [](int x, int y) {
    const double mottle = fractalNoise(x / 30.0, y / 30.0, 3, 161, 0);
    return shade(Rgb{30, 44, 96}, 1.0 + 0.06 * mottle + 0.04 * (hashUnit(x, y, 162) - 0.5));
  });
  // The word is set twice, shifted by half a tile, so the repeat reads as a brick pattern.
  const Rgb ink{54, 72, 140};
  drawTextCentred(canvas, fonts.get("DejaVuSans-Bold.ttf"), "DEMO", 22, w * 0.25, h * 0.25, ink);
  drawTextCentred(canvas, fonts.get("DejaVuSans-Bold.ttf"), "DEMO", 22, w * 0.75, h * 0.75, ink);
  return canvas.bitmap();
}

}  // namespace quilloro::artwork
