// The 326 game parameters of the current game kind and the named indices into them.
#pragma once

#include <array>
#include <cstdint>

namespace quilloro {

// One value of a game definition column; -99 marks a value that was not found.
using ParameterValue = std::int16_t;
inline constexpr int kParameterCount = 326;
inline constexpr ParameterValue kParameterNotGiven = -99;

// Indices into the parameter array. A "first" index starts a run of consecutive
// entries, one per pile, whose first entry belongs to pile 1.
namespace param {
inline constexpr int kBaseFromFoundationCard = 1;
inline constexpr int kMultiCardMoveRule = 2;
inline constexpr int kTableauFan = 3;
inline constexpr int kFoundationFan = 4;
inline constexpr int kReserveFan = 5;
inline constexpr int kStockFaceDown = 6;
inline constexpr int kShowStock = 7;
inline constexpr int kShowWaste = 8;
inline constexpr int kDealCardToFoundation1 = 10;
inline constexpr int kMaxCardsMoved = 11;
inline constexpr int kReserveFannedStacks = 12;
inline constexpr int kStockPasses = 13;
inline constexpr int kRedealReshuffles = 14;
inline constexpr int kFoundationTakeBack = 15;
inline constexpr int kAutoplayAvailable = 16;
inline constexpr int kCardsPerClick = 17;
inline constexpr int kAutoFillTableau = 18;
inline constexpr int kTableauWalkOrder = 19;
inline constexpr int kReorderFoundations = 21;
inline constexpr int kNeedsWideScreen = 24;
inline constexpr int kSelectByClick = 25;
inline constexpr int kGameFamily = 26;
inline constexpr int kFoundationBaseRankFirst = 27;
inline constexpr int kFoundationDirectionFirst = 43;
inline constexpr int kFoundationBuildTypeFirst = 59;
inline constexpr int kFoundationDealCardFirst = 75;
inline constexpr int kTableauBaseRankFirst = 91;
inline constexpr int kTableauDirectionFirst = 117;
inline constexpr int kTableauBuildTypeFirst = 143;
inline constexpr int kTableauPassBaseFirst = 169;
inline constexpr int kTableauRowDealFirst = 195;
inline constexpr int kReserveTypeFirst = 220;
inline constexpr int kReserveRowDealFirst = 228;
inline constexpr int kDiscardDealCard = 236;
inline constexpr int kWasteTakesNeighbours = 237;
inline constexpr int kWasteNeverTarget = 238;
inline constexpr int kStockArrangement = 239;
inline constexpr int kStockRow = 240;
inline constexpr int kFoundationArrangement = 241;
inline constexpr int kFoundationRow = 242;
inline constexpr int kTableauArrangement = 243;
inline constexpr int kTableauRow = 244;
inline constexpr int kTableauRows = 245;
inline constexpr int kReserveArrangement = 246;
inline constexpr int kReserveRow = 247;
inline constexpr int kDiscardArrangement = 248;
inline constexpr int kDiscardRow = 249;
inline constexpr int kStockGroupPiles = 250;
inline constexpr int kFoundationCount = 251;
inline constexpr int kTableauCount = 252;
inline constexpr int kReserveCount = 253;
inline constexpr int kHasDiscardPile = 254;
inline constexpr int kCardsInPlay = 255;
inline constexpr int kDealStock = 256;
inline constexpr int kDealWaste = 257;
inline constexpr int kDealTableauFirst = 258;
inline constexpr int kDealTableauFaceUpFirst = 284;
inline constexpr int kDealDiscard = 310;
inline constexpr int kDealReserveFirst = 311;
inline constexpr int kGameLength = 319;
inline constexpr int kDifficulty = 320;
inline constexpr int kChanceOfWinning = 321;
inline constexpr int kOddsWins = 322;
inline constexpr int kOddsDeals = 323;
}  // namespace param

// The parameter column of the current game kind.
class GameParameters {
 public:
  GameParameters() { values_.fill(kParameterNotGiven); }

  ParameterValue operator[](int index) const { return values_.at(static_cast<std::size_t>(index)); }
  ParameterValue& operator[](int index) { return values_.at(static_cast<std::size_t>(index)); }

  // Entry for pile n (1-based) of the run that starts at first.
  ParameterValue perPile(int first, int pileNumber) const { return (*this)[first + pileNumber - 1]; }

  const std::array<ParameterValue, kParameterCount>& values() const { return values_; }
  std::array<ParameterValue, kParameterCount>& values() { return values_; }

 private:
  std::array<ParameterValue, kParameterCount> values_{};
};

}  // namespace quilloro
