#include "table/fan_steps.hpp"

namespace quilloro {

Spread spreadOf(PileList list, int fanCode) {
  switch (static_cast<FanDirection>(fanCode)) {
    case FanDirection::Down:
      return list == PileList::Stock ? Spread::None : Spread::Down;
    case FanDirection::Right:
      return list == PileList::Stock ? Spread::None : Spread::Right;
    case FanDirection::SideBySide:
      return list == PileList::Stock ? Spread::None : Spread::SideBySide;
    case FanDirection::DownTight:
      return list == PileList::Reserves ? Spread::DownTight : Spread::None;
    case FanDirection::RightTight:
      return list == PileList::Tableau ? Spread::RightTight : Spread::None;
    default:
      return Spread::None;
  }
}

int fanCodeOf(const GameParameters& parameters, PileList list) {
  switch (list) {
    case PileList::Foundations: return parameters[param::kFoundationFan];
    case PileList::Tableau: return parameters[param::kTableauFan];
    case PileList::Reserves: return parameters[param::kReserveFan];
    case PileList::Stock: break;
  }
  return static_cast<int>(FanDirection::Squared);
}

FanSteps fanStepsFor(const GameParameters& parameters, const CardSize& size) {
  const auto tableau = static_cast<FanDirection>(parameters[param::kTableauFan]);
  const auto reserves = static_cast<FanDirection>(parameters[param::kReserveFan]);
  const bool normal = size.letter == kCardSizeNormal.letter;
  const bool medium = size.letter == kCardSizeMedium.letter;

  FanSteps steps;
  if (tableau == FanDirection::Down) {
    steps.downFaceUp = normal ? 18 : medium ? 14 : 3;
    steps.downFaceDown = normal || medium ? 4 : 3;
  }
  if (tableau == FanDirection::Right || reserves == FanDirection::Right) {
    steps.rightFaceUp = normal ? 12 : medium ? 10 : 3;
    steps.rightFaceDown = normal || medium ? 4 : 3;
  }
  if (tableau == FanDirection::RightTight) {
    steps.tightRightFaceUp = steps.tightRightFaceDown = normal ? 7 : medium ? 5 : 3;
  }
  return steps;
}

}  // namespace quilloro
