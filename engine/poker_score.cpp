// The poker grid: five rows and five columns of tableau piles, each full line
// scoring the poker hand of its five cards.
#include <algorithm>

#include "engine/game.hpp"
#include "engine/poker_hand.hpp"

namespace quilloro {

void Game::pokerScore(CardNumber placed) {
  int total = 0;
  std::vector<PokerAnnouncement> announced;
  // Rows first, then columns.
  for (int line = 0; line < 10; ++line) {
    PokerAnnouncement hand;
    bool full = true;
    for (int k = 0; k < 5; ++k) {
      const int pile = line < 5 ? line * 5 + k : k * 5 + (line - 5);
      const CardNumber card = state.piles.pile(PileList::Tableau, pile).bottomCard();
      if (!isCardNumber(card)) full = false;
      hand.piles[static_cast<std::size_t>(k)] = pile;
      hand.cards[static_cast<std::size_t>(k)] = card;
    }
    if (!full) continue;
    const PokerHand result = evaluatePokerHand(hand.cards);
    if (result.points == 0) continue;
    total += result.points;
    if (placed != kNoCard && std::find(hand.cards.begin(), hand.cards.end(), placed) != hand.cards.end()) {
      hand.name = result.name;
      hand.points = result.points;
      announced.push_back(hand);
    }
  }

  // Each announced hand shows the total without the hands still to come.
  int later = 0;
  for (const PokerAnnouncement& hand : announced) later += hand.points;
  for (PokerAnnouncement& hand : announced) {
    later -= hand.points;
    hand.runningTotal = total - later;
    observer_.scoreChanged(hand.runningTotal);
    observer_.pokerHand(hand, true);
    observer_.playSound("Pairing", soundSwitch(field::SoundsPairing));
    observer_.pause(500);
    observer_.pokerHand(hand, false);
  }
  observer_.pokerTotal(total);
  setScore(total);
  won_ = wonCheck();
}

}  // namespace quilloro
