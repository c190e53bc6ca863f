// Card numbers of one or two packs: rank, suit, colour and the three-digit card token.
#pragma once

#include <string>
#include <string_view>

namespace quilloro {

// 1..52 the first pack, 53..104 the second in the same order; per pack hearts,
// diamonds, clubs, spades, each ace to king. 0 is no card (or a hole in a pile).
using CardNumber = int;
inline constexpr CardNumber kNoCard = 0;
inline constexpr CardNumber kMaxCard = 104;
inline constexpr int kCardsPerPack = 52;

enum class Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };

inline constexpr int kAce = 1;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;

constexpr bool isCardNumber(CardNumber card) { return card >= 1 && card <= kMaxCard; }

// Rank 1 (ace) to 13 (king), as the card support library computes it.
int cardRank(CardNumber card);
bool isRed(CardNumber card);
// Suit of a card 1..104; callers check isCardNumber first.
constexpr Suit cardSuit(CardNumber card) {
  const int withinPack = card > kCardsPerPack ? card - kCardsPerPack : card;
  return static_cast<Suit>((withinPack - 1) / 13);
}
// "1" to "4" for hearts to spades.
constexpr char suitDigit(Suit suit) { return static_cast<char>('1' + static_cast<int>(suit)); }

// Ranks wrap round: below the ace lies the king, above the king the ace.
constexpr int rankBelow(int rank) { return rank == kAce ? kKing : rank - 1; }
constexpr int rankAbove(int rank) { return rank == kKing ? kAce : rank + 1; }

// The card number with exactly three digits: 7 gives "007".
std::string cardToken(CardNumber card);
// "CUORI_A", "QUADR_10", "PICCH_K": the card's name, the same in both packs.
std::string cardName(CardNumber card);

}  // namespace quilloro
