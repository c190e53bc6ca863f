// How the cards of a pile are spread, and the distance from one card to the next.
#pragma once

#include "engine/game_parameters.hpp"
#include "engine/pile_names.hpp"
#include "table/card_size.hpp"

namespace quilloro {

// The fan codes of game parameters 3, 4 and 5.
enum class FanDirection {
  Squared = 0,
  Down = 1,
  Right = 2,
  SquaredTakeTop = 3,  // squared; a click anywhere on the pile takes the top card
  SideBySide = 4,      // a card width plus a gap apart; a card taken out leaves a hole
  DownTight = 5,       // reserves only
  RightTight = 6,      // tableau piles only
};

// How a pile of a given list actually lies: a fan code that its kind does not
// spread in gives a squared pile.
enum class Spread { None, Down, Right, SideBySide, DownTight, RightTight };

Spread spreadOf(PileList list, int fanCode);

// The fan code that the parameters give a list; the stock list lies squared.
int fanCodeOf(const GameParameters& parameters, PileList list);

// Face-up step first, face-down step second.
struct FanSteps {
  int downFaceUp = 0;
  int downFaceDown = 0;
  int rightFaceUp = 0;
  int rightFaceDown = 0;
  int tightRightFaceUp = 0;
  int tightRightFaceDown = 0;
  int tightDown = 3;
  int sideBySideGap = 6;
};

// Downward steps exist only when the tableau fans down, rightward ones only
// when the tableau or the reserves fan right; so a foundation fanned in a
// direction that neither uses lies squared.
FanSteps fanStepsFor(const GameParameters& parameters, const CardSize& size);

}  // namespace quilloro
