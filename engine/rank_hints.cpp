// Rank hints of the game family that builds each foundation by its own step:
// above foundation n, the rank it takes next (its top card's rank + n).
#include "engine/game.hpp"

namespace quilloro {

namespace {

std::string rankText(int rank) {
  switch (rank) {
    case kAce: return "A";
    case kJack: return "J";
    case kQueen: return "Q";
    case kKing: return "K";
    default: return std::to_string(rank);
  }
}

}  // namespace

std::array<std::string, 4> Game::rankHints() const {
  std::array<std::string, 4> hints;
  for (int n = 1; n <= 4; ++n) {
    const Pile& foundation = state.piles.pile(PileList::Foundations, n - 1);
    const CardNumber top = foundation.topCard();
    // A full foundation needs nothing more; an empty one shows no box either.
    if (!isCardNumber(top) || foundation.cardCount() >= 13) continue;
    int next = cardRank(top) + n;
    if (next > 13) next -= 13;
    hints[static_cast<std::size_t>(n - 1)] = rankText(next);
  }
  return hints;
}

}  // namespace quilloro
