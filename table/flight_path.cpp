// Flight steps along the major axis, the minor axis in proportion.
#include "table/flight_path.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quilloro {

int flightStepLength(int distance, bool fast) {
  if (distance <= 0) return 0;
  int step = static_cast<int>(std::trunc(distance / (0.0128 * distance + 4) + 0.5));
  step = std::min(step, distance);
  if (fast) step = static_cast<int>(std::trunc(step * 0.3));
  // Very short or fast flights would otherwise never move.
  return std::max(step, 1);
}

FlightPath planFlight(Point start, Point target, const CardSize& card, bool fast, int lift) {
  if (lift != 0) {
    target.x -= lift;
    target.y -= lift;
  }
  if (target.x < 0) target.x = -3 * card.width;
  if (target.y < 0) target.y = -3 * card.height;

  FlightPath path;
  path.target = target;
  const int dx = target.x - start.x;
  const int dy = target.y - start.y;
  const bool alongX = std::abs(dx) >= std::abs(dy);
  const int distance = alongX ? std::abs(dx) : std::abs(dy);
  if (distance == 0) return path;
  const int step = flightStepLength(distance, fast);
  const int direction = (alongX ? dx : dy) > 0 ? 1 : -1;
  const int minorStart = alongX ? start.y : start.x;
  const int minorDistance = alongX ? dy : dx;

  int travelled = 0;
  while (travelled < distance) {
    travelled = std::min(travelled + step, distance);
    const double share = std::round(100.0 * travelled / distance) * 0.01;
    const int minor = minorStart + static_cast<int>(std::trunc(minorDistance * share));
    const int major = (alongX ? start.x : start.y) + direction * travelled;
    path.steps.push_back(alongX ? Point{major, minor} : Point{minor, major});
  }
  return path;
}

}  // namespace quilloro
