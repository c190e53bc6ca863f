// The stock and the waste of the compact stock searches: one fixed order of
// cards (a redeal turns the waste over whole), told apart by a mask of the
// cards gone from it and how far the stock has been turned.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace quilloro::solver {

inline constexpr int kUnlimitedStockPasses = -1;

// The state needs `gone` (an array of 64-bit words), `turned` and `redeals`.
template <typename State>
bool isGone(const State& s, int at) {
  return ((s.gone[static_cast<std::size_t>(at >> 6)] >> (at & 63)) & 1U) != 0;
}

template <typename State>
void setGone(State& s, int at) {
  s.gone[static_cast<std::size_t>(at >> 6)] |= std::uint64_t{1} << (at & 63);
}

// How many cards of the order before `end` are gone.
template <typename State>
int goneBefore(const State& s, int end) {
  int count = 0;
  for (std::size_t word = 0; word < s.gone.size() && end > static_cast<int>(word) * 64; ++word) {
    std::uint64_t bits = s.gone[word];
    const int within = end - static_cast<int>(word) * 64;
    if (within < 64) bits &= (std::uint64_t{1} << within) - 1;
    count += std::popcount(bits);
  }
  return count;
}

// Where the waste's top card stands in the order; -1 with the waste empty.
template <typename State>
int wasteTopOf(const State& s) {
  for (int at = s.turned - 1; at >= 0; --at)
    if (!isGone(s, at)) return at;
  return -1;
}

// The click on the stock as the engine makes it: with the stock used up, the
// waste (of two cards at least) turns over while passes are left; then up to
// cardsPerClick cards are turned. False when the click changes nothing.
template <typename State>
bool clickStockOrder(State& s, int deckSize, int cardsPerClick, int passes) {
  const int goneTurned = goneBefore(s, s.turned);
  int stockLeft = deckSize - s.turned - (goneBefore(s, deckSize) - goneTurned);
  int wasteCount = s.turned - goneTurned;
  bool changed = false;
  if (stockLeft == 0 && wasteCount >= 2 && (passes == kUnlimitedStockPasses || s.redeals < passes)) {
    s.turned = 0;
    if (passes != kUnlimitedStockPasses) ++s.redeals;
    stockLeft = wasteCount;
    changed = true;
  }
  for (int turned = 0; turned < cardsPerClick && stockLeft > 0; ++turned) {
    while (isGone(s, s.turned)) ++s.turned;
    ++s.turned;
    --stockLeft;
    changed = true;
  }
  return changed;
}

}  // namespace quilloro::solver
