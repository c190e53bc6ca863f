// How near a win a position of the stock games looks, for the beams: the
// cards home, and the cards buried under ones their foundations need later.
#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/solver/stock_waste_rules.hpp"

namespace quilloro::solver::stock_waste {

int StockWasteRules::score(const State& s) const {
  constexpr int kHomeWorth = 100;
  constexpr int kBuriedCost = 50;
  constexpr int kWasteBuriedCost = 10;
  // need() for each rank at once: each foundation walked once.
  std::array<int, kKing + 1> needs{};
  needs.fill(kNeverNeeded);
  for (std::size_t f = 0; f < foundationRules_.size(); ++f) {
    const Foundation& foundation = s.foundations[f];
    if (foundation.count >= kFoundationCards) continue;
    int rank = foundation.count == 0 ? foundationRules_[f].baseCode : nextRank(static_cast<int>(f), rankOf(foundation.top));
    if (rank < kAce || rank > kKing) continue;
    for (int distance = 0; distance + foundation.count < kFoundationCards; ++distance) {
      int& best = needs[static_cast<std::size_t>(rank)];
      best = std::min(best, distance);
      rank = nextRank(static_cast<int>(f), rank);
    }
  }
  const auto needOf = [&](CardNumber card) { return needs[static_cast<std::size_t>(rankOf(card))]; };
  int score = -kHomeWorth * s.cardsLeft;
  for (int t = 0; t < piles_; ++t) {
    const auto pile = static_cast<std::size_t>(t);
    for (std::size_t at = 1; at < s.height[pile]; ++at) {
      const int below = needOf(s.piles[pile][at - 1]);
      const int above = needOf(s.piles[pile][at]);
      if (above > below) score -= kBuriedCost + above - below;
    }
  }
  // The waste gives its cards to the piles as well: a card buried there costs less.
  int below = -1;
  for (int at = 0; at < s.turned; ++at) {
    if (isGone(s, at)) continue;
    const int above = needOf(deck_[static_cast<std::size_t>(at)]);
    if (below >= 0 && above > below) score -= kWasteBuriedCost + (above - below) / 2;
    below = above;
  }
  return score;
}

}  // namespace quilloro::solver::stock_waste
