// The plays the fast searches make without branching: a face-down top card
// turned at once, and cards that no other card can still need sent home.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/kept_home.hpp"

namespace quilloro::solver {

class SafePlays {
 public:
  explicit SafePlays(FastPosition& position) : position_(position), kept_(position.rules()) {}

  // Plays the step (after its clicks on the stock), then the turns and safe
  // plays that follow it; every step made is appended to steps.
  void play(const FastStep& step, std::vector<FastStep>& steps);
  // The turns and safe plays of the position as it stands. keepOut, a card
  // just taken back from the foundations, stays where it is.
  void forcedSteps(std::vector<FastStep>& steps, FastCard keepOut = 0);

 private:
  // Where cards come back from the foundations: the card, just played home
  // from the pile, could come straight back to it.
  bool mayComeBack(FastCard card, int pile) const;
  // The card is so low that it is never needed on the tableau again, even
  // where cards come back from the foundations (only in pairs with a card
  // played onto them, as paired_moves explains).
  bool lowEnough(FastCard card) const;
  // Whether the card may go home without spoiling a win: every card that
  // could still be built on it is home or may go home the same way.
  bool dispensable(int suit, int rank);
  // Sends home one card of an endless stock turned one card a click, where
  // it may go unasked; false when there is none.
  bool stockCardHome(std::vector<FastStep>& steps);

  FastPosition& position_;
  // A card that stays home once there (see kept_home) goes there unasked:
  // a line that wins with it bare on the tableau wins, shorter, with it home
  // (the argument there, with the card held home from the start).
  const KeptHome kept_;
  std::array<std::array<std::int8_t, 14>, 4> known_{};
};

}  // namespace quilloro::solver
