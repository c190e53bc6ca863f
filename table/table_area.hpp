// The window's measures as plain numbers, and the quantities every arrangement works from.
#pragma once

#include <array>
#include <optional>

#include "engine/game_parameters.hpp"
#include "table/card_size.hpp"

namespace quilloro {

// What the window system tells the layout. The shell fills it on every resize.
struct WindowMetrics {
  int screenWidth = 1024;
  int screenHeight = 768;
  int windowWidth = 1024;
  int windowHeight = 768;
  // Bottom edge of the first visible of the demo bar, the main toolbar and
  // the second toolbar; nothing when none is shown.
  std::optional<int> barsBottom;
  int statusBarTop = 703;
  int statusBarHeight = 20;
  bool statusBarVisible = true;
  // Window pixels per table pixel: the measures above are in table pixels,
  // which the table's zoom makes larger or smaller than the screen's own.
  double zoom = 1.0;

  // The screen's width as the player's screen has it, whatever the zoom.
  int unzoomedScreenWidth() const;
};

// A layout code is the row parameter's first character followed by the
// arrangement number; this is that character as a digit ("12" gives 1), -1 for
// a negative value, whose text starts with a minus sign.
int rowDigitOf(ParameterValue rowParameter);

struct TableArea {
  CardSize card = kCardSizeNormal;
  int shadow = 0;
  WindowMetrics window;

  int top = 5;
  int rowGap = 10;
  int width = 0;  // the table width S
  int availableHeight = 0;
  std::array<int, 4> rows{};
  int threeRowBlockTop = 0;
  int fourRowBlockTop = 0;
  int baseMargin = 10;  // the left margin before the shadow and the stock allowances
  int margin = 10;      // the left margin R

  int W() const { return card.width; }
  int H() const { return card.height; }
  bool lowWindow() const { return window.windowHeight < 500; }
  bool lowScreen() const { return window.screenHeight < 500; }
  bool narrowScreen() const { return window.screenWidth < 650; }
  // The table row of a row digit; a digit outside 1..4 gives row 1.
  int row(int digit) const;
  // Row k (0 = first) of a block whose first row lies at first; block rows
  // lie H + 10 apart, and a grid that needs more rows goes on at that pitch.
  int blockRow(int first, int k) const { return first + k * (H() + 10); }
  // Row k of the four-row block picked by a row digit (1..4, else the first).
  int fourRowBlockRowOf(int digit) const;
};

inline constexpr int kShadowSize = 9;

// Steps 3 to 6 of a layout run: table area, rows, row blocks and left margin.
TableArea computeTableArea(const GameParameters& parameters, const WindowMetrics& window, const CardSize& card,
                           int shadow);

}  // namespace quilloro
