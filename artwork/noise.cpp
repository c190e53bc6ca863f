// Gradient noise on a hashed lattice.
#include "artwork/noise.hpp"

#include <cmath>

namespace quilloro::artwork {
namespace {

std::uint32_t hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

int wrap(int value, int period) {
  if (period <= 0) return value;
  const int r = value % period;
  return r < 0 ? r + period : r;
}

double fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double corner(int ix, int iy, double dx, double dy, std::uint32_t seed) {
  const double angle = (hash(ix, iy, seed) & 0xFFFF) / 65536.0 * 6.283185307179586;
  return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

double hashUnit(int x, int y, std::uint32_t seed) { return (hash(x, y, seed) >> 8) / 16777216.0; }

double gradientNoise(double x, double y, std::uint32_t seed, int period, int periodY) {
  if (periodY < 0) periodY = period;
  const double fx = std::floor(x), fy = std::floor(y);
  const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
  const double dx = x - fx, dy = y - fy;
  const int xa = wrap(x0, period), xb = wrap(x0 + 1, period);
  const int ya = wrap(y0, periodY), yb = wrap(y0 + 1, periodY);
  const double n00 = corner(xa, ya, dx, dy, seed), n10 = corner(xb, ya, dx - 1, dy, seed);
  const double n01 = corner(xa, yb, dx, dy - 1, seed), n11 = corner(xb, yb, dx - 1, dy - 1, seed);
  const double u = fade(dx), v = fade(dy);
  const double top = n00 + (n10 - n00) * u, bottom = n01 + (n11 - n01) * u;
  return 1.41 * (top + (bottom - top) * v);
}

double fractalNoise(double x, double y, int octaves, std::uint32_t seed, int period, int periodY) {
  if (periodY < 0) periodY = period;
  double sum = 0, amplitude = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * gradientNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u, period, periodY);
    total += amplitude;
    amplitude *= 0.5;
    x *= 2;
    y *= 2;
    if (period > 0) period *= 2;
    if (periodY > 0) periodY *= 2;
  }
  return sum / total;
}

}  // namespace quilloro::artwork
