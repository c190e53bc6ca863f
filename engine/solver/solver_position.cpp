// Encoding positions compactly and hashing them canonically.
#include "engine/solver/solver_position.hpp"

#include <algorithm>
#include <functional>
#include <string_view>

#include "engine/move_rules.hpp"

namespace quilloro::solver {

namespace {

constexpr PileList kListOrder[] = {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves};

bool sameForAll(const GameParameters& p, int first, int count) {
  for (int i = 1; i < count; ++i)
    if (p[first + i] != p[first]) return false;
  return true;
}

bool noneSet(const GameParameters& p, int first, int count) {
  for (int i = 0; i < count; ++i)
    if (p[first + i] == 1 || p[first + i] == 2) return false;
  return true;
}

int clampedCount(const GameParameters& p, int index, int maximum) {
  return std::clamp<int>(p[index], 0, maximum);
}

}  // namespace

void encodePosition(const GameState& state, int redealCount, std::vector<std::uint8_t>& out) {
  for (const PileList list : kListOrder) {
    for (int index = 0; index < pileListSize(list); ++index) {
      const Pile& pile = state.piles.pile(list, index);
      out.push_back(static_cast<std::uint8_t>(pile.cardCount()));
      for (const std::uint8_t card : pile.slots())
        out.push_back(state.isFaceDown(card) ? static_cast<std::uint8_t>(card | kFaceDownMark) : card);
    }
  }
  const int count = std::clamp(redealCount, 0, 0xFFFF);
  out.push_back(static_cast<std::uint8_t>(count >> 8));
  out.push_back(static_cast<std::uint8_t>(count & 0xFF));
}

int decodePosition(std::span<const std::uint8_t> bytes, GameState& state) {
  std::size_t at = 0;
  for (const PileList list : kListOrder) {
    for (int index = 0; index < pileListSize(list); ++index) {
      Pile& pile = state.piles.pile(list, index);
      pile.clear();
      const int count = bytes[at++];
      for (int slot = 0; slot < count; ++slot) {
        const std::uint8_t byte = bytes[at++];
        const CardNumber card = static_cast<CardNumber>(byte & ~kFaceDownMark);
        pile.append(card);
        if (card != kNoCard) state.cards.setFaceState(card, (byte & kFaceDownMark) != 0 ? "0" : "1");
      }
    }
  }
  return (bytes[at] << 8) | bytes[at + 1];
}

PositionKey::PositionKey(const GameParameters& p, bool selectionGame) {
  const int foundations = clampedCount(p, param::kFoundationCount, kMaxFoundations);
  const int tableau = clampedCount(p, param::kTableauCount, kMaxTableau);
  const int reserves = clampedCount(p, param::kReserveCount, kMaxReserves);
  const int family = p[param::kGameFamily];
  // Selection, pairing and grid games find meaning in where a pile lies.
  const bool placesMatter = selectionGame || p[param::kSelectByClick] != 0 || family == 7 || family == 8 || family == 9;

  bool plainBases = true;
  for (int i = 0; i < foundations; ++i) {
    const int base = p[param::kFoundationBaseRankFirst + i];
    if (base != base_code::kAnyCard && (base < 1 || base > 13)) plainBases = false;
  }
  sortFoundations_ = !placesMatter && plainBases && sameForAll(p, param::kFoundationBaseRankFirst, foundations) &&
                     sameForAll(p, param::kFoundationDirectionFirst, foundations) &&
                     sameForAll(p, param::kFoundationBuildTypeFirst, foundations);

  // Rows dealt from the stock, filling and the reshuffle all walk the tableau in order.
  sortTableau_ = !placesMatter && p[param::kTableauFan] != 4 && p[param::kAutoFillTableau] == 0 &&
                 p[param::kRedealReshuffles] != 1 && noneSet(p, param::kTableauRowDealFirst, tableau) &&
                 sameForAll(p, param::kTableauBaseRankFirst, tableau) &&
                 sameForAll(p, param::kTableauDirectionFirst, tableau) &&
                 sameForAll(p, param::kTableauBuildTypeFirst, tableau) &&
                 sameForAll(p, param::kTableauPassBaseFirst, tableau);

  sortReserves_ = !placesMatter && p[param::kAutoFillTableau] != 1 &&
                  noneSet(p, param::kReserveRowDealFirst, reserves) && sameForAll(p, param::kReserveTypeFirst, reserves);

  redealsMatter_ = p[param::kStockPasses] != -1 || p[param::kRedealReshuffles] == 1;

  // One card a click onto the waste and a redeal that turns the waste over
  // as it lies, as often as wanted: clicks alone lead from any split of the
  // stock and waste to any other, so the split does not count.
  stockCycle_ = !redealsMatter_ && family == 0 && p[param::kShowWaste] == 1 &&
                std::max<int>(1, p[param::kCardsPerClick]) == 1 && p[param::kSelectByClick] == 0 &&
                p[param::kAutoFillTableau] == 0;
}

void PositionKey::appendStockCycle(std::span<const std::uint8_t> stock, std::span<const std::uint8_t> waste) const {
  // The waste bottom first, then the stock from its top: the order in which
  // the cards come round from a redeal on, whatever the split.
  buffer_.push_back(static_cast<char>(stock.size() - 1 + waste.size() - 1));
  for (std::size_t i = 1; i < waste.size(); ++i) buffer_.push_back(static_cast<char>(waste[i] & ~kFaceDownMark));
  for (std::size_t i = stock.size(); i > 1; --i) buffer_.push_back(static_cast<char>(stock[i - 1] & ~kFaceDownMark));
}

std::uint64_t PositionKey::hash(std::span<const std::uint8_t> bytes) const {
  buffer_.clear();
  std::size_t at = 0;
  for (const PileList list : kListOrder) {
    segments_.clear();
    for (int index = 0; index < pileListSize(list); ++index) {
      const std::size_t length = 1 + bytes[at];
      segments_.push_back(bytes.subspan(at, length));
      at += length;
    }
    const bool sort = (list == PileList::Foundations && sortFoundations_) ||
                      (list == PileList::Tableau && sortTableau_) || (list == PileList::Reserves && sortReserves_);
    if (sort) {
      std::sort(segments_.begin(), segments_.end(), [](std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
      });
    }
    if (list == PileList::Stock && stockCycle_) {
      appendStockCycle(segments_[kStockIndex], segments_[kWasteIndex]);
      segments_.erase(segments_.begin(), segments_.begin() + kDiscardIndex);
    }
    for (const auto segment : segments_) buffer_.append(reinterpret_cast<const char*>(segment.data()), segment.size());
  }
  if (redealsMatter_) buffer_.append(reinterpret_cast<const char*>(bytes.data() + at), 2);
  return std::hash<std::string_view>{}(buffer_);
}

}  // namespace quilloro::solver
