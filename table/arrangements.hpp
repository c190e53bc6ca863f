// Arrangement numbers of the layout codes, one name per placement rule.
#pragma once

namespace quilloro::arrangement {

// Tableau piles (parameter 243).
inline constexpr int kTableauCentredRow = 1;
inline constexpr int kTableauTenGapRow = 2;
inline constexpr int kTableauRightOfStock = 3;
inline constexpr int kTableauGridThreeRows = 10;
inline constexpr int kTableauRightOfTwoSlots = 11;
inline constexpr int kTableauRightOfOneSlot = 12;
inline constexpr int kTableauPackedLeft = 13;
inline constexpr int kTableauFittedRow = 14;
inline constexpr int kTableauFittedRowHigh = 15;  // as 14, with rows 1 to 3 drawn up
inline constexpr int kTableauTwoRows = 16;
inline constexpr int kTableauGridFourRows = 18;
inline constexpr int kFirstWholeTable = 51;
inline constexpr int kLastWholeTable = 79;

// Stock and waste (parameter 239).
inline constexpr int kStockLeftOfTableau = 3;
inline constexpr int kStockOverTableau = 4;
inline constexpr int kStockFromMargin = 5;
inline constexpr int kStockBeforeWaste = 11;
inline constexpr int kStockAtLeftEdge = 13;
inline constexpr int kStockNearTableau = 16;
inline constexpr int kStockFarFromTableau = 19;

// Foundations (parameter 241).
inline constexpr int kFoundationsSpread = 1;
inline constexpr int kFoundationsCentred = 2;
inline constexpr int kFoundationsOverLastPiles = 7;
inline constexpr int kFoundationsRightOfWindow = 8;
inline constexpr int kFoundationsRightOfTableau = 9;
inline constexpr int kFoundationColumnsRightOfTableau = 10;
inline constexpr int kFoundationsOverLastPilesTight = 13;
inline constexpr int kFoundationsRightOfWaste = 17;

// Reserves (parameter 246).
inline constexpr int kReservesOverSamePiles = 4;
inline constexpr int kReservesFromMargin = 5;
inline constexpr int kReservesFromFirstPile = 6;
inline constexpr int kReservesOverLastPiles = 7;
inline constexpr int kReserveAtWaste = 11;
inline constexpr int kReserveLeftOfTableau = 12;

// Discard pile (parameter 248).
inline constexpr int kDiscardOverFirstColumns = 4;  // no rule of its own; widens the margin and the gaps
inline constexpr int kDiscardOverSecondPile = 6;
inline constexpr int kDiscardOverLastPile = 7;
inline constexpr int kDiscardUnderStock = 16;

constexpr bool isWholeTable(int tableauArrangement) {
  return tableauArrangement >= kFirstWholeTable && tableauArrangement <= kLastWholeTable;
}

}  // namespace quilloro::arrangement
