#include "engine/shuffle.hpp"

#include <array>
#include <cstdint>
#include <numeric>

#include "engine/game_number.hpp"

namespace quilloro {

namespace {

// Suit order per row: four suits (1 hearts .. 4 spades) for the first pack,
// four for the second.
constexpr std::array<std::array<int, 8>, 13> kSuitOrders{{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// Steps added to the placing position before each card of a rank, per digit.
constexpr std::array<std::array<int, 8>, 10> kSteps{{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

// The thirteen digits d1 .. d13 (index 1 .. 13; index 0 unused).
using Digits = std::array<int, 14>;

Digits digitsOf(std::string_view gameNumber) {
  const std::string normalised = normaliseGameNumber(gameNumber);
  Digits digits{};
  for (int i = 0; i < kGameNumberDigits; ++i) {
    const char c = normalised[static_cast<std::size_t>(i)];
    digits[static_cast<std::size_t>(i + 1)] = c >= '0' && c <= '9' ? c - '0' : 0;
  }
  return digits;
}

int digit(const Digits& digits, int index) { return digits[static_cast<std::size_t>(index)]; }

// The suit-order row of pass z: nine of the thirteen digits read as a number, modulo 13.
int suitRowOf(const Digits& digits, int z) {
  std::int64_t number = 0;
  auto take = [&](int index) { number = number * 10 + digit(digits, index); };
  if (z <= 10) {
    for (int i = 1; i <= kGameNumberDigits; ++i)
      if (i < z || i > z + 3) take(i);
  } else {
    for (int i = z - 8; i <= z; ++i) take(i);
  }
  return static_cast<int>(number % 13);
}

// A free slot near wanted: upwards from it when searching forward, downwards
// otherwise, and from slot 0 upwards when that finds none. -1 when the deck is full.
int freeSlotNear(const std::vector<CardNumber>& deck, int wanted, bool forward) {
  const int size = static_cast<int>(deck.size());
  if (forward) {
    for (int i = wanted; i < size; ++i)
      if (deck[static_cast<std::size_t>(i)] == kNoCard) return i;
  } else {
    for (int i = wanted; i >= 0; --i)
      if (deck[static_cast<std::size_t>(i)] == kNoCard) return i;
  }
  for (int i = 0; i < size; ++i)
    if (deck[static_cast<std::size_t>(i)] == kNoCard) return i;
  return -1;
}

void advancePointer(int& pointer) { pointer = pointer == 13 ? 1 : pointer + 1; }

}  // namespace

std::vector<CardNumber> shuffleDeck(std::string_view gameNumber, int cardCount) {
  if (cardCount > kCardsPerPack && cardCount != 2 * kCardsPerPack) throw UnsupportedCardCount();
  std::vector<CardNumber> deck(static_cast<std::size_t>(std::max(cardCount, 0)), kNoCard);
  if (deck.empty()) return deck;

  const int cardsPerRank = cardCount <= kCardsPerPack ? 4 : 8;
  const Digits d = digitsOf(gameNumber);
  int position = digit(d, 2) * 100 + digit(d, 6) * 10 + digit(d, 12);
  int a = 1;
  int b = 7;
  int c = 13;
  std::vector<int> rankPool(13);
  std::iota(rankPool.begin(), rankPool.end(), 1);

  for (int z = 1; z <= 13; ++z) {
    const int g = digit(d, z);
    const bool forward = g == 0;
    const auto& suits = kSuitOrders[static_cast<std::size_t>(suitRowOf(d, z))];

    int pick = (digit(d, a) * 100 + digit(d, b) * 10 + digit(d, c)) % 13;
    const int lastIndex = static_cast<int>(rankPool.size()) - 1;
    if (pick > lastIndex) pick = forward ? lastIndex : 0;
    const int rank = rankPool[static_cast<std::size_t>(pick)];
    rankPool.erase(rankPool.begin() + pick);
    advancePointer(a);
    advancePointer(b);
    advancePointer(c);

    position -= g;
    const auto& steps = kSteps[static_cast<std::size_t>(g)];
    for (int k = 0; k < cardsPerRank; ++k) {
      position += steps[static_cast<std::size_t>(k)];
      if (position >= cardCount)
        position %= cardCount;
      else if (position < 0)
        position = 0;
      const int card = (suits[static_cast<std::size_t>(k)] - 1) * 13 + rank + (k >= 4 ? kCardsPerPack : 0);
      position = freeSlotNear(deck, position, forward);
      if (position >= 0) deck[static_cast<std::size_t>(position)] = card;
    }
  }
  return deck;
}

std::vector<CardNumber> mixWithoutChance(std::vector<CardNumber> gathered) {
  std::vector<CardNumber> mixed;
  mixed.reserve(gathered.size());
  std::size_t k = gathered.size() / 2;
  while (!gathered.empty()) {
    if (k >= gathered.size()) k = 0;
    mixed.push_back(gathered[k]);
    gathered.erase(gathered.begin() + static_cast<std::ptrdiff_t>(k));
    k += mixed.size() % 2 == 1 ? 2 : 5;
  }
  return mixed;
}

}  // namespace quilloro
