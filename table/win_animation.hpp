// The two winning animations as a sequence of drawing steps: cards scattered
// over the table, or rows of cards sweeping down it. The window plays the
// steps, pausing where told and stopping at the first key or click.
#pragma once

#include <functional>
#include <vector>

#include "engine/card.hpp"
#include "table/card_size.hpp"

namespace quilloro {

struct WinAnimationStep {
  enum class Kind { Card, Pause };
  Kind kind = Kind::Card;
  CardNumber card = kNoCard;  // a face to draw (1 to 51)
  int x = 0;
  int y = 0;
  int milliseconds = 0;  // for a pause, during which input is processed
};

struct WinAnimationArea {
  int windowWidth = 0;
  int windowHeight = 0;
  // The line just below the toolbar; 5 when no toolbar is shown.
  int firstLineTop = 5;
};

// A number from 0 to limit - 1.
using RandomBelow = std::function<int(int limit)>;

// Kind 1 scatters cards at random; kind 2 lays rows. The card counts and
// pauses depend on the card size.
std::vector<WinAnimationStep> planWinAnimation(int kind, const CardSize& card, const WinAnimationArea& area,
                                               const RandomBelow& random);

}  // namespace quilloro
