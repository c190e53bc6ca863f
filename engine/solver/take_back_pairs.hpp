// Cards taken back from the foundations only to carry another card at once.
//
// A card taken back and left bare can only wait on the tableau until it goes
// home again, moves on, or takes a card. Going home again undoes it; moving on
// is the same as taking it back straight to where it goes; and the moves made
// meanwhile touch neither the card, nor the pile it covers, nor its
// foundation, so taking it back can wait until the move that puts a card on
// it. Every line that wins can so be told with each card taken back followed
// at once by a card played onto it, and a search that plays only such pairs
// still sees every deal that can be won. A card taken back into a free cell
// can never take a card and is never needed there.
#pragma once

#include <vector>

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// One choice of a search: a single step, or a card taken back (first) and
// the step that plays a card onto it (second).
struct PairedStep {
  FastStep first;
  FastStep second;
  bool paired = false;
};

// The choices of the position, given its moves: every move that takes a card
// back from the foundations is replaced by its pairs with the moves onto that
// card. The position is left as it was.
void pairTakeBacks(FastPosition& position, const std::vector<FastStep>& moves, std::vector<PairedStep>& choices);

}  // namespace quilloro::solver
