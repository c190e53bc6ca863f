// The straight path of a flying card: the positions of its steps from the
// start to the target, computed ahead so that the window can draw them at the
// set speed and tests can check them instantly.
#pragma once

#include <vector>

#include "engine/table_geometry.hpp"
#include "table/card_size.hpp"

namespace quilloro {

struct FlightPath {
  // Every position the image is moved to, the last one being the target.
  std::vector<Point> steps;
  // Where the card ends (after a lift: the lifted target; the card is then
  // set down at the real target).
  Point target;
};

// A card travels along the axis with the larger distance D in steps of about
// D / (0.0128 D + 4) pixels (a fast flight: 0.3 of that), the other axis
// following in proportion. lift moves the target up and left by that many
// pixels (a lifted card); a negative target left or top sends the card off
// the table, to -3 card widths or heights.
FlightPath planFlight(Point start, Point target, const CardSize& card, bool fast, int lift = 0);

// The step length on the major axis for a distance; never below one pixel,
// so that every flight arrives.
int flightStepLength(int distance, bool fast);

}  // namespace quilloro
