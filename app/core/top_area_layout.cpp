// Where the time and score panels and the lines under the toolbar go for a window width.
#include "app/core/top_area_layout.hpp"

#include <algorithm>

namespace quilloro {
namespace {

constexpr int kRightMargin = 15;
constexpr int kPanelGap = 5;
constexpr int kExitClearance = 3;
constexpr int kPanelDrop = 2;

// Halves go to the even neighbour, as the window system's rounding does.
int roundHalfEven(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  const int twiceRest = 2 * (numerator - quotient * denominator);
  if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) return quotient + 1;
  if (-twiceRest > denominator || (-twiceRest == denominator && quotient % 2 != 0)) return quotient - 1;
  return quotient;
}

}  // namespace

TopAreaPlacement layoutTopArea(const TopAreaInput& input) {
  TopAreaPlacement out;
  const int timeWidth = std::max(input.timeWidth, kTimePanelWidth);
  const int scoreWidth = std::max(input.scoreWidth, kScorePanelWidth);
  out.time = {input.windowWidth - timeWidth - kRightMargin, 0, timeWidth, kTimePanelHeight};
  const int scoreLeft =
      input.showTime ? out.time.left - scoreWidth - kPanelGap : input.windowWidth - scoreWidth - kRightMargin;
  out.score = {scoreLeft, 0, scoreWidth, kScorePanelHeight};
  out.time.top = input.toolbarTop + roundHalfEven(input.toolbarHeight - kTimePanelHeight, 2) + kPanelDrop;
  out.score.top = out.time.top;

  int linesTop = input.toolbarTop + input.toolbarHeight;
  out.demoShown = input.demo;
  if (input.demo) {
    out.demoLineTop = linesTop;
    out.demoPanelTop = linesTop + 1;
    linesTop = out.demoPanelTop + kDemoPanelHeight;
  }
  out.greyLineTop = linesTop;
  out.blackLineTop = linesTop + 1;
  out.lineWidth = input.toolbarWidth;
  out.bottom = out.blackLineTop + 1;

  out.scoreVisible = input.showScore && out.score.left > input.exitRight + kExitClearance;
  out.timeVisible = input.showTime && out.time.left > input.exitRight + kExitClearance;
  return out;
}

}  // namespace quilloro
