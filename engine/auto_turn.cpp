// Turning the face-down top cards of the tableau on the player's behalf.
#include "engine/auto_turn.hpp"

namespace quilloro {
namespace {

// The families whose tableau click sends the top card to the discard pile.
bool discardFamily(int family) { return family == 2 || family == 12 || family == 15; }

}  // namespace

bool turnsUncoveredCards(const Game& game) {
  return game.underWay() && !game.won() && !game.selectionGame() &&
         !discardFamily(game.state.parameters[param::kGameFamily]);
}

int turnUncoveredCards(Game& game) {
  if (!turnsUncoveredCards(game)) return 0;
  int turned = 0;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile) {
    const CardNumber top = game.state.piles.pile(PileList::Tableau, pile).topCard();
    if (top != kNoCard && game.state.isFaceDown(top) && game.turnTopCard(pile)) ++turned;
  }
  return turned;
}

}  // namespace quilloro
