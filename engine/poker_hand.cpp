// Poker hand evaluation: suits and ranks of five cards, tested in table order.
#include "engine/poker_hand.hpp"

#include <algorithm>
#include <functional>

namespace quilloro {

PokerHand evaluatePokerHand(const std::array<CardNumber, 5>& cards) {
  std::array<int, 5> ranks{};
  std::transform(cards.begin(), cards.end(), ranks.begin(), [](CardNumber card) { return cardRank(card); });
  std::sort(ranks.begin(), ranks.end());

  const bool oneSuit = std::all_of(cards.begin(), cards.end(),
                                   [&cards](CardNumber card) { return cardSuit(card) == cardSuit(cards[0]); });
  bool inSequence = true;
  for (std::size_t k = 0; k + 1 < ranks.size(); ++k) inSequence = inSequence && ranks[k + 1] == ranks[k] + 1;
  const bool aceHigh = ranks == std::array<int, 5>{kAce, 10, kJack, kQueen, kKing};

  if (oneSuit && aceHigh) return {"Royal Flush", 100};
  if (oneSuit && inSequence) return {"Straight Flush", 75};
  if (oneSuit) return {"Flush", 20};
  if (aceHigh || inSequence) return {"Straight", 15};

  // How many cards share each rank, largest group first.
  std::array<int, kKing + 1> perRank{};
  for (const int rank : ranks) ++perRank[static_cast<std::size_t>(rank)];
  std::array<int, 5> groups{};
  std::size_t groupCount = 0;
  for (const int count : perRank)
    if (count > 0) groups[groupCount++] = count;
  std::sort(groups.begin(), groups.end(), std::greater<>());

  if (groups[0] >= 4) return {"Four of a Kind", 50};
  if (groups[0] == 3 && groups[1] == 2) return {"Full House", 25};
  if (groups[0] == 3) return {"Three of a Kind", 10};
  if (groups[0] == 2 && groups[1] == 2) return {"Two Pair", 5};
  if (groups[0] == 2) return {"One Pair", 2};
  return {};
}

}  // namespace quilloro
