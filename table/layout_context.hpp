// What the placement rules read (parameters, table area, pile counts) and how they store an anchor.
#pragma once

#include <algorithm>

#include "engine/game_parameters.hpp"
#include "table/fan_steps.hpp"
#include "table/pile_anchors.hpp"
#include "table/table_area.hpp"

namespace quilloro {

// The numbers of piles in use, kept inside their lists whatever the
// definition says.
struct PileCounts {
  int foundations = 0;
  int tableau = 0;
  int reserves = 0;
  int stockGroup = 0;  // parameter 250, at least 0
  bool discard = false;

  static PileCounts of(const GameParameters& p) {
    PileCounts counts;
    counts.foundations = std::clamp<int>(p[param::kFoundationCount], 0, kMaxFoundations);
    counts.tableau = std::clamp<int>(p[param::kTableauCount], 0, kMaxTableau);
    counts.reserves = std::clamp<int>(p[param::kReserveCount], 0, kMaxReserves);
    counts.stockGroup = std::max<int>(p[param::kStockGroupPiles], 0);
    counts.discard = p[param::kHasDiscardPile] > 0;
    return counts;
  }
};

struct LayoutContext {
  const GameParameters& parameters;
  const TableArea& area;
  const FanSteps& steps;
  PileCounts counts = PileCounts::of(parameters);

  int value(int index) const { return parameters[index]; }
  int rowDigit(int rowIndex) const { return rowDigitOf(parameters[rowIndex]); }

  // How far a tableau pile that fans to the right reaches past its bottom
  // card: its longest deal and two cards built on it. 0 for other fans.
  int tableauFanRoom() const {
    int step = 0;
    switch (spreadOf(PileList::Tableau, parameters[param::kTableauFan])) {
      case Spread::Right: step = steps.rightFaceUp; break;
      case Spread::RightTight: step = steps.tightRightFaceUp; break;
      default: return 0;
    }
    int longest = 1;
    for (int i = 0; i < counts.tableau; ++i) longest = std::max<int>(longest, parameters[param::kDealTableauFirst + i]);
    return step * (longest - 1 + kCardsBuiltOnFan);
  }

  // The cards a rightward fan keeps room for beyond its deal.
  static constexpr int kCardsBuiltOnFan = 2;
};

// Stores anchors, but never for a pile beyond the counts in use: a pile the
// game does not use must not show up as an empty pile on the table.
class Placer {
 public:
  Placer(const LayoutContext& context, PileAnchors& anchors) : counts_(context.counts), anchors_(anchors) {}

  void stock(int left, int top) { anchors_.stock[kStockIndex] = {left, top}; }
  void waste(int left, int top) { anchors_.stock[kWasteIndex] = {left, top}; }
  void discard(int left, int top) { anchors_.stock[kDiscardIndex] = {left, top}; }
  // Piles numbered from 1.
  void foundation(int n, int left, int top) { put(anchors_.foundations, n, counts_.foundations, left, top); }
  void tableau(int n, int left, int top) { put(anchors_.tableau, n, counts_.tableau, left, top); }
  void reserve(int n, int left, int top) { put(anchors_.reserves, n, counts_.reserves, left, top); }

  const PileAnchors& anchors() const { return anchors_; }

 private:
  template <std::size_t N>
  static void put(std::array<Anchor, N>& list, int n, int inUse, int left, int top) {
    if (n >= 1 && n <= inUse) list[static_cast<std::size_t>(n - 1)] = {left, top};
  }

  PileCounts counts_;
  PileAnchors& anchors_;
};

}  // namespace quilloro
