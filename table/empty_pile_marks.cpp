#include "table/empty_pile_marks.hpp"

#include "table/card_images.hpp"

namespace quilloro {
namespace {

constexpr int kPairRemovalClosingGaps = 8;
constexpr int kQueenBuildType = 10;
constexpr int kKingsJacksQueensReserve = 9;

std::optional<int> stockMark(const GameParameters& p, int redealCount, int wasteCards) {
  if (p[param::kGameFamily] == kPairRemovalClosingGaps) return mark::kFamily8Stock;
  const int passes = p[param::kStockPasses];
  const bool redealLeft = passes < 0 || redealCount < passes;
  if (redealLeft && (p[param::kRedealReshuffles] == 1 || wasteCards >= 2)) return mark::kRedeal;
  return mark::kNoRedeal;
}

}  // namespace

std::optional<int> baseRankMark(int baseRank) {
  switch (baseRank) {
    case 1: case 81: case 85: return mark::kBaseAce;
    case 11: return mark::kBaseJack;
    case 12: return mark::kBaseQueen;
    case 13: case 84: return mark::kBaseKing;
    default: break;
  }
  if (baseRank >= 2 && baseRank <= 10) return baseRank + 10;
  return std::nullopt;
}

std::optional<int> emptyPileMark(PileRef pile, const GameParameters& p, int redealCount, int wasteCards) {
  switch (pile.list) {
    case PileList::Stock:
      if (pile.index == kStockIndex) return stockMark(p, redealCount, wasteCards);
      if (pile.index == kDiscardIndex) return mark::kWaste;
      if (p[param::kShowStock] == 1) return mark::kWaste;
      if (p[param::kStockPasses] == 0) return mark::kNoRedeal;
      return std::nullopt;
    case PileList::Foundations:
      if (pile.index < 0 || pile.index >= kMaxFoundations) return std::nullopt;
      if (p[param::kFoundationBuildTypeFirst + pile.index] == kQueenBuildType) return mark::kBaseQueen;
      return baseRankMark(p[param::kFoundationBaseRankFirst + pile.index]).value_or(mark::kPlainFoundation);
    case PileList::Tableau:
      if (pile.index < 0 || pile.index >= kMaxTableau) return std::nullopt;
      if (const auto rankMark = baseRankMark(p[param::kTableauBaseRankFirst + pile.index])) return rankMark;
      return p[param::kTableauBaseRankFirst] != 0 ? mark::kPlainFoundation : mark::kPlainTableau;
    case PileList::Reserves:
      return p[param::kReserveTypeFirst] == kKingsJacksQueensReserve ? mark::kSpecialReserve : mark::kReserve;
  }
  return std::nullopt;
}

}  // namespace quilloro
