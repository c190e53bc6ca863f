// The fast position's moves of the stock: its clicks, the waste card's moves
// after every number of them, and the rows it deals.
#include <algorithm>

#include "engine/solver/fast_move_priorities.hpp"
#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

using namespace move_priority;

bool FastPosition::click(std::vector<FastStep>& record) {
  // With the stock empty a click first turns the waste over, if it holds
  // two cards or more and a redeal is left; then it turns cards as usual.
  if (size(stockPile()) == 0) {
    if (size(wastePile()) < 2 || !redealAllowed()) return false;
    const FastStep redeal{FastStep::Kind::Redeal, 0, 0, static_cast<std::uint8_t>(size(wastePile())), 0, 0, 0};
    apply(redeal);
    record.push_back(redeal);
  }
  const int count = std::min(rules_.cardsPerClick(), size(stockPile()));
  const FastStep turn{FastStep::Kind::Click, 0, 0, static_cast<std::uint8_t>(count), 0, 0, 0};
  apply(turn);
  record.push_back(turn);
  return true;
}

void FastPosition::stockMoves(std::vector<FastStep>& out, int onto) {
  if (!rules_.hasStock()) return;
  if (rules_.dealsRows()) {
    rowDeal(out);
    return;
  }
  if (stockCycle_) {
    cycleMoves(out, onto);
    return;
  }
  std::vector<FastStep>& clicks = roundClicks_;
  clicks.clear();
  // Clicks only turn cards round, so the split between stock and waste (and
  // the redeals made) tells the whole state of the round: a split seen
  // before closes it. Where redeals are counted, the count never comes back.
  std::vector<std::pair<int, int>>& splits = roundSplits_;
  splits.clear();
  // The clicks are all taken back before the key is asked for again, and
  // the stock and waste come back as they were: their shares of the key
  // need no update on the way.
  stockUnkeyed_ = true;
  for (int count = 0;; ++count) {
    const std::pair<int, int> split{size(stockPile()), redeals_ * 256 + size(wastePile())};
    if (std::find(splits.begin(), splits.end(), split) != splits.end()) break;
    splits.push_back(split);
    wasteMoves(out, count, true, onto);
    if (!click(clicks)) break;
  }
  for (auto step = clicks.rbegin(); step != clicks.rend(); ++step) undo(*step);
  stockUnkeyed_ = false;
}

void FastPosition::cycleMoves(std::vector<FastStep>& out, int onto) const {
  // One card a click, turned over for ever: the clicks bring up the stock's
  // cards from its top down, then, the waste turned over, the waste's from
  // its bottom up, till the waste's top card shows again. The cards need not
  // be turned to be read: each is listed with the clicks that bring it up,
  // in the order the clicks would.
  const int stock = size(stockPile());
  const int waste = size(wastePile());
  if (waste > 0) cardMoves(card(wastePile(), waste - 1), out, 0, true, onto);
  for (int clicks = 1; clicks <= stock; ++clicks) cardMoves(card(stockPile(), stock - clicks), out, clicks, true, onto);
  // A waste of one card only is never turned over (nor needs to be).
  for (int slot = 0; slot + 1 < waste; ++slot) cardMoves(card(wastePile(), slot), out, stock + slot + 1, true, onto);
}

void FastPosition::rowDeal(std::vector<FastStep>& out) const {
  const int stock = size(stockPile());
  if (stock == 0) return;
  const int count = std::min(stock, rules_.dealsToReserves() ? rules_.reserveCount() : rules_.tableauCount());
  out.push_back({FastStep::Kind::Deal, static_cast<std::uint8_t>(stockPile()), 0, static_cast<std::uint8_t>(count), 0,
                 kDealRow, 0});
}

void FastPosition::wasteMoves(std::vector<FastStep>& out, int clicks, bool symmetry, int onto) const {
  const FastCard card = top(wastePile());
  if (card != 0) cardMoves(card, out, clicks, symmetry, onto);
}

void FastPosition::cardMoves(FastCard card, std::vector<FastStep>& out, int clicks, bool symmetry, int onto) const {
  const int tableau = rules_.tableauCount();
  auto add = [&](int to, int priority) {
    out.push_back({FastStep::Kind::Move, static_cast<std::uint8_t>(wastePile()), static_cast<std::uint8_t>(to), 1, card,
                   static_cast<std::int16_t>(priority - clicks), static_cast<std::uint16_t>(clicks)});
  };
  if (onto >= 0) {
    if (onto < tableau && size(onto) != 0 && takesOn(onto, card)) add(onto, kReserveToPile);
    return;
  }
  for (int f = 0; f < rules_.foundationCount(); ++f) {
    const int pile = foundationPile(f);
    const FastCard onTop = top(pile);
    const int rank = rules_.rank(card);
    if (onTop == 0 ? rank == kAce : rules_.suit(onTop) == rules_.suit(card) && rules_.rank(onTop) + 1 == rank) {
      add(pile, kToFoundation);
      if (symmetry) break;
    }
  }
  bool emptyTried = false;
  for (int t = 0; t < tableau; ++t) {
    if (size(t) != 0) {
      if (takesOn(t, card)) add(t, kReserveToPile);
    } else if (rules_.fillsEmpty(card) && !(symmetry && emptyTried)) {
      add(t, kReserveToEmpty);
      emptyTried = tableauInterchangeable();
    }
  }
  for (int r = 0; r < rules_.reserveCount() && rules_.reservesTakeCards(); ++r) {
    if (size(reservePile(r)) != 0) continue;
    add(reservePile(r), kToReserve);
    if (symmetry) break;
  }
}

}  // namespace quilloro::solver
