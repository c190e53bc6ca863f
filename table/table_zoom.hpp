// The table's zoom: its steps, fit to window, the screen's pixel ratio, and the mapping between window and table pixels.
#pragma once

#include <array>
#include <functional>

#include "engine/game_state.hpp"
#include "engine/table_geometry.hpp"
#include "table/table_area.hpp"
#include "table/table_layout.hpp"

namespace quilloro {

// The zoom steps the player moves through; the first is the table as drawn for small screens.
inline constexpr std::array<double, 10> kZoomSteps{1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0};

// The steps below the table as drawn, largest first. Only fit to window takes
// them, and only for a game whose table, as dealt, is larger than the window
// at zoom 1; the pictures are drawn afresh at the smaller size.
inline constexpr std::array<double, 6> kShrinkSteps{0.9, 0.8, 0.75, 0.7, 0.6, 0.5};

// The cards a tableau pile fanned down or right must have room for, beyond
// its face-down cards, for the layout to count as fitting: a whole suit.
inline constexpr int kFitRoomCards = 13;

struct TableExtent {
  int right = 0;
  int bottom = 0;
  // A pile holding cards found no place on the table: it cannot fit.
  bool cardsOffTable = false;
};

// How far the piles reach, each fanned pile with room for what it will
// hold in play (its face-down cards and a whole suit on them).
TableExtent tableExtent(const TableLayout& layout, const GameState& state);
// How far the piles reach as they lie, a fanned tableau pile with room for
// the cards its layout keeps free beyond them.
TableExtent dealtTableExtent(const TableLayout& layout, const GameState& state);

// The window as the table sees it at a scale (stored pixels per table pixel):
// window gives the measures in window pixels, ratio is the screen's pixels per
// window pixel. The window's size rounds down, the bars' heights up, so that
// the table never counts on a pixel it does not have. The card size is still
// chosen from the screen's own width, which unzoomedScreenWidth gives back.
WindowMetrics zoomedWindowMetrics(const WindowMetrics& window, double ratio, double scale);

// Everything the window, the table and the pointer need to agree on about
// the zoom. Table pixels are what layout, hit testing and flights count in;
// window pixels are what the window system reports (device-independent);
// stored pixels are the screen's own, window pixels times the pixel ratio.
class TableZoom {
 public:
  // Fit to window, on unless the player chose a step.
  bool fitToWindow() const { return fit_; }
  void setFitToWindow(bool fit) { fit_ = fit; }
  // The step chosen by hand, or the one fitting found last; below 0 one of
  // the shrink steps (-1 the first), which only fitting takes.
  int step() const { return step_; }
  bool shrunk() const { return step_ < 0; }
  void setStep(int step);
  // One step up or down from the present one; fit to window turns off.
  // False at the end of the steps. Zooming in from a shrunk table gives zoom 1,
  // zooming out stops there.
  bool zoomIn();
  bool zoomOut();

  // The screen's pixels per window pixel (2 on most high-density screens).
  void setDevicePixelRatio(double ratio);
  double devicePixelRatio() const { return ratio_; }

  // The step's factor, without the pixel ratio: what the player sees.
  double stepFactor() const { return factorOfStep(step_); }
  // Stored pixels per table pixel: the step times the pixel ratio.
  double scale() const { return stepFactor() * ratio_; }
  double scaleOfStep(int step) const { return factorOfStep(step) * ratio_; }
  static double factorOfStep(int step);

  // A window position as a table position.
  int tableCoordinate(double windowCoordinate) const;
  // A length of stored pixels as the table pixels that cover it.
  int tableLength(int storedLength) const;

  // With fit on, the largest step whose table still fits: fits(scale) lays the
  // game out for the window at that scale and answers whether it fits in
  // play. The first step is taken when none fits; unless fitsAsDealt(scale)
  // finds the table as dealt too large for it, when the largest shrink step
  // that it fits is taken (the last when none does). Answers whether the
  // step changed.
  bool fit(const std::function<bool(double scale)>& fits,
           const std::function<bool(double scale)>& fitsAsDealt = nullptr);

 private:
  bool fit_ = true;
  int step_ = 0;
  double ratio_ = 1.0;
};

// Fits the zoom to the window for the game on the table, as the window does
// on every resize and new game: the layout is left placed for the step
// chosen. window is in window pixels. Answers whether the step changed.
bool fitZoomToWindow(TableZoom& zoom, TableLayout& layout, const GameState& state, const WindowMetrics& window);

}  // namespace quilloro
