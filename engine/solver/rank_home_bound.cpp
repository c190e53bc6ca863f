// The looser game played to its end: every step only adds what is possible,
// so the order of the steps does not change where it ends.
#include "engine/solver/rank_home_bound.hpp"

#include <cstddef>

namespace quilloro::solver {

bool ranksCannotAllGoHome(const RankHomeView& view) {
  constexpr int kRanks = 14;
  // asked[r]: some foundation has asked for rank r; bared[r]: a card of rank r
  // lies at hand or bared on a pile.
  std::array<bool, kRanks> asked{};
  std::array<bool, kRanks> bared{};
  for (int rank = 1; rank < kRanks; ++rank) bared[static_cast<std::size_t>(rank)] = view.atHand[static_cast<std::size_t>(rank)] > 0;
  std::vector<std::size_t> reached(view.needs.size(), 0);
  std::vector<std::size_t> height;
  height.reserve(view.piles.size());
  for (const std::vector<int>& pile : view.piles) height.push_back(pile.size());
  for (bool moved = true; moved;) {
    moved = false;
    for (std::size_t f = 0; f < view.needs.size(); ++f) {
      const std::vector<int>& needs = view.needs[f];
      while (reached[f] < needs.size()) {
        const auto rank = static_cast<std::size_t>(needs[reached[f]]);
        asked[rank] = true;
        if (!bared[rank]) break;
        ++reached[f];
        moved = true;
      }
    }
    for (std::size_t t = 0; t < view.piles.size(); ++t) {
      // The top card is bared; once its rank is asked for it may leave.
      while (height[t] > 0) {
        const auto rank = static_cast<std::size_t>(view.piles[t][height[t] - 1]);
        if (!bared[rank]) {
          bared[rank] = true;
          moved = true;
        }
        if (!asked[rank]) break;
        --height[t];
        moved = true;
      }
    }
  }
  for (std::size_t f = 0; f < view.needs.size(); ++f)
    if (reached[f] < view.needs[f].size()) return true;
  for (const std::size_t left : height)
    if (left > 0) return true;
  return false;
}

}  // namespace quilloro::solver
