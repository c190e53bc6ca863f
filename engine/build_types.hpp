// The build types of foundation and tableau piles, as the game definitions number them.
#pragma once

namespace quilloro {

// Build types of foundations and tableau piles. Types not named here follow
// the general rule.
namespace build_type {
inline constexpr int kSameSuit = 0;
inline constexpr int kSameColour = 1;
inline constexpr int kAnySuit = 2;
inline constexpr int kAlternateColour = 3;
inline constexpr int kNothing = 4;
inline constexpr int kSuitOfBottomCard = 5;      // foundations: suit of its bottom card, ranks in step with the one before
inline constexpr int kNeverOnACard = 6;
inline constexpr int kGapsOnceStockIsEmpty = 7;
inline constexpr int kQueensOnEmpty = 10;        // foundations only
inline constexpr int kSameSuitNoQueenOnKingOrJack = 11;
inline constexpr int kAnything = 12;
inline constexpr int kStepOfTwo = 14;
inline constexpr int kStepOfThree = 15;
inline constexpr int kStepOfFour = 16;
inline constexpr int kNotFromTableau = 17;
inline constexpr int kNotFromTableauUnlessEmpty = 18;
inline constexpr int kNotFromTableauOrReserve = 19;
inline constexpr int kWholePackAnySuit = 20;     // foundations of 52 cards, king followed by ace
inline constexpr int kOtherSuit = 21;
inline constexpr int kFollowsTableauTops = 22;   // foundations only
inline constexpr int kWhileWasteEmpty = 23;
inline constexpr int kSameSuitNoCourtSwap = 24;
inline constexpr int kSameSuitStepOfTwo = 25;
inline constexpr int kNeighboursOnShortPile = 26;
}  // namespace build_type

}  // namespace quilloro
