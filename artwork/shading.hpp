// The arithmetic that the textures, backs, scenes and sounds share: pi, the fractional part and a smooth step.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quilloro::artwork {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2 * std::numbers::pi;

// x less its whole part: 0 to under 1, also for negative x.
inline double fract(double x) { return x - std::floor(x); }

// 0 below e0, 1 above e1, and an S-shaped ramp between them.
inline double smooth(double e0, double e1, double x) {
  const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace quilloro::artwork
