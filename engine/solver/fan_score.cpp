// The short fans' score: cards out, cards that hold a lower card of their
// suit under them, and the room the fans leave.
#include "engine/solver/fan_score.hpp"

#include "engine/solver/open_score.hpp"

namespace quilloro::solver {

namespace {

constexpr int kPerCardOut = 4;
constexpr int kPerCardOverItsSuit = 3;
constexpr int kPerCardAboveNext = 2;
constexpr int kPerRoom = 1;
// A pile this high has room for any card: no limit.
constexpr int kUnlimited = 64;

}  // namespace

bool scoresShortFans(const FastRules& rules) {
  if (rules.pileHasRoom(kUnlimited)) return false;
  for (int card = 1; card <= kCardsPerPack; ++card)
    if (rules.fillsEmpty(static_cast<FastCard>(card))) return false;
  return !rules.hasStock() && rules.reserveCount() == 0;
}

int fanScore(const FastPosition& position) {
  const FastRules& rules = position.rules();
  const std::array<int, 4> next = lowestRanksOut(position);
  int over = 0;
  int buried = 0;
  int room = 0;
  for (int t = 0; t < rules.tableauCount(); ++t) {
    const int pile = position.tableauPile(t);
    const int height = position.size(pile);
    if (height == 0) continue;
    if (rules.pileHasRoom(height)) ++room;
    // The lowest rank of each suit seen so far from the bottom of the fan.
    std::array<int, 4> lowest{14, 14, 14, 14};
    int firstNeeded = -1;
    for (int slot = 0; slot < height; ++slot) {
      const FastCard card = position.card(pile, slot);
      const auto suit = static_cast<std::size_t>(rules.suit(card));
      if (lowest[suit] < rules.rank(card)) ++over;
      if (rules.rank(card) < lowest[suit]) lowest[suit] = rules.rank(card);
      if (firstNeeded < 0 && rules.rank(card) == next[suit]) firstNeeded = slot;
    }
    if (firstNeeded >= 0) buried += height - 1 - firstNeeded;
  }
  return kPerRoom * room - (kPerCardOut * position.cardsLeft() + kPerCardOverItsSuit * over + kPerCardAboveNext * buried);
}

}  // namespace quilloro::solver
