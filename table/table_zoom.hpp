// The table's zoom: its steps, fit to window, the screen's pixel ratio, and the mapping between window and table pixels.
#pragma once

#include <array>
#include <functional>

#include "engine/game_state.hpp"
#include "engine/table_geometry.hpp"
#include "table/table_layout.hpp"

namespace quilloro {

// The zoom steps the player moves through; the first is the table as drawn for small screens.
inline constexpr std::array<double, 10> kZoomSteps{1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0};

// The cards a tableau pile fanned down or right must have room for, beyond
// its face-down cards, for the layout to count as fitting: a whole suit.
inline constexpr int kFitRoomCards = 13;

struct TableExtent {
  int right = 0;
  int bottom = 0;
};

// How far the piles reach, each fanned pile with room for what it will
// hold in play (its face-down cards and a whole suit on them).
TableExtent tableExtent(const TableLayout& layout, const GameState& state);

// Everything the window, the table and the pointer need to agree on about
// the zoom. Table pixels are what layout, hit testing and flights count in;
// window pixels are what the window system reports (device-independent);
// stored pixels are the screen's own, window pixels times the pixel ratio.
class TableZoom {
 public:
  // Fit to window, on unless the player chose a step.
  bool fitToWindow() const { return fit_; }
  void setFitToWindow(bool fit) { fit_ = fit; }
  // The step chosen by hand, or the one fitting found last.
  int step() const { return step_; }
  void setStep(int step);
  // One step up or down from the present one; fit to window turns off.
  // False at the end of the steps.
  bool zoomIn();
  bool zoomOut();

  // The screen's pixels per window pixel (2 on most high-density screens).
  void setDevicePixelRatio(double ratio);
  double devicePixelRatio() const { return ratio_; }

  // The step's factor, without the pixel ratio: what the player sees.
  double stepFactor() const { return kZoomSteps[static_cast<std::size_t>(step_)]; }
  // Stored pixels per table pixel: the step times the pixel ratio.
  double scale() const { return stepFactor() * ratio_; }
  double scaleOfStep(int step) const { return kZoomSteps[static_cast<std::size_t>(step)] * ratio_; }

  // A window position as a table position.
  int tableCoordinate(double windowCoordinate) const;
  // A length of stored pixels as the table pixels that cover it.
  int tableLength(int storedLength) const;

  // With fit on, the largest step whose table still fits: fits(scale) lays the
  // game out for the window at that scale and answers whether it fits. The
  // first step is taken when none fits. Answers whether the step changed.
  bool fit(const std::function<bool(double scale)>& fits);

 private:
  bool fit_ = true;
  int step_ = 0;
  double ratio_ = 1.0;
};

}  // namespace quilloro
