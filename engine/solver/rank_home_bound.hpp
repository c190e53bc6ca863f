// A quick proof that a deal can no longer be won, for the games whose
// foundations take each rank once in an order of their own whatever the suit
// (Sir Tommy, Calculation), and whose tableau piles only give cards home.
#pragma once

#include <array>
#include <vector>

namespace quilloro::solver {

struct RankHomeView {
  // Per foundation, the ranks it still needs, in the order it takes them.
  std::vector<std::vector<int>> needs;
  // Per tableau pile, the ranks of its cards from the bottom up; a pile only
  // gives its top card, and only to a foundation.
  std::vector<std::vector<int>> piles;
  // Per rank, how many of its cards are out of the piles and not home yet
  // (in the stock or on the waste): these count as at hand at any time.
  std::array<int, 14> atHand{};
};

// Whether no line of play can bring every card home. It plays a looser game
// that allows all the real one does and more: a card at hand or bared on a
// pile may go home once any foundation has asked for its rank, and a
// foundation moves on as soon as any card of the rank it asks for is at hand
// or bared, without using that card up. Where even that game leaves a card in
// a pile or a foundation unfinished, the real one does too.
bool ranksCannotAllGoHome(const RankHomeView& view);

}  // namespace quilloro::solver
