// The keyboard's focus on the table: piles, the cards of a fan, arrow steps and press points.
#include "table/keyboard_focus.hpp"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace quilloro {
namespace {

struct Centre {
  int x = 0;
  int y = 0;
};

Centre centreOf(const PixelRect& rect) { return {rect.left + rect.width / 2, rect.top + rect.height / 2}; }

PixelRect cardRectAt(const TableLayout& layout, Point at) {
  return {at.x, at.y, layout.cardSize().width, layout.cardSize().height};
}

PixelRect unite(const PixelRect& a, const PixelRect& b) {
  const int left = std::min(a.left, b.left);
  const int top = std::min(a.top, b.top);
  return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

// The whole area a pile covers, from its bottom card to its top card.
PixelRect pileArea(const GameState& state, const TableLayout& layout, PileRef pile) {
  const int top = std::max(state.piles.pile(pile).cardCount() - 1, 0);
  return unite(cardRectAt(layout, layout.cardPosition(pile, 0)), cardRectAt(layout, layout.cardPosition(pile, top)));
}

bool horizontal(FocusDirection direction) {
  return direction == FocusDirection::Left || direction == FocusDirection::Right;
}

// +1 for right and down, -1 for left and up.
int sign(FocusDirection direction) {
  return direction == FocusDirection::Right || direction == FocusDirection::Down ? 1 : -1;
}

std::optional<FocusSpot> stepWithinPile(const GameState& state, const TableLayout& layout, FocusSpot from,
                                        FocusDirection direction) {
  const std::vector<int> slots = focusableSlots(state, layout, from.pile);
  const auto at = std::find(slots.begin(), slots.end(), from.slot);
  if (slots.size() < 2 || at == slots.end()) return std::nullopt;
  const Point first = layout.cardPosition(from.pile, slots.front());
  const Point last = layout.cardPosition(from.pile, slots.back());
  const int alongX = last.x - first.x;
  const int alongY = last.y - first.y;
  // The fan runs the way of the larger distance from its first card to its last.
  const bool fanHorizontal = std::abs(alongX) > std::abs(alongY);
  if (fanHorizontal != horizontal(direction)) return std::nullopt;
  const int along = fanHorizontal ? alongX : alongY;
  const int step = (along >= 0 ? 1 : -1) * sign(direction);
  const auto index = at - slots.begin() + step;
  if (index < 0 || index >= static_cast<long>(slots.size())) return std::nullopt;
  return FocusSpot{from.pile, slots[static_cast<std::size_t>(index)]};
}

}  // namespace

std::vector<PileRef> focusablePiles(const GameState& state, const TableLayout& layout) {
  std::vector<PileRef> piles;
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves}) {
    const int count = list == PileList::Stock ? kStockListSize : state.pilesInUse(list);
    for (int index = 0; index < count; ++index) {
      const PileRef pile{list, index};
      if (layout.isPlaced(pile)) piles.push_back(pile);
    }
  }
  return piles;
}

FocusSpot topSpotOf(const GameState& state, PileRef pile) {
  return {pile, std::max(state.piles.pile(pile).cardCount() - 1, 0)};
}

std::vector<int> focusableSlots(const GameState& state, const TableLayout& layout, PileRef pile) {
  const Pile& cards = state.piles.pile(pile);
  const int top = cards.cardCount() - 1;
  if (top < 0) return {0};
  std::vector<int> slots;
  for (int slot = 0; slot < top; ++slot) {
    const CardNumber card = cards.at(slot);
    if (card == kNoCard || state.isFaceDown(card)) continue;
    const Point here = layout.cardPosition(pile, slot);
    const Point next = layout.cardPosition(pile, slot + 1);
    if (here.x != next.x || here.y != next.y) slots.push_back(slot);
  }
  slots.push_back(top);
  return slots;
}

FocusSpot keepOnTable(const GameState& state, const TableLayout& layout, FocusSpot spot) {
  const std::vector<int> slots = focusableSlots(state, layout, spot.pile);
  if (std::find(slots.begin(), slots.end(), spot.slot) != slots.end()) return spot;
  // The card above is gone: the nearest card below it, else the top.
  for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot)
    if (*slot < spot.slot) return {spot.pile, *slot};
  return {spot.pile, slots.back()};
}

std::optional<FocusSpot> stepFocus(const GameState& state, const TableLayout& layout, FocusSpot from,
                                   FocusDirection direction, bool pilesOnly) {
  if (!pilesOnly)
    if (auto within = stepWithinPile(state, layout, from, direction)) return within;
  const Centre here = centreOf(focusRect(state, layout, from));
  const PixelRect fromArea = pileArea(state, layout, from.pile);
  const bool across = horizontal(direction);
  const int forward = sign(direction);
  std::optional<FocusSpot> best;
  long bestScore = std::numeric_limits<long>::max();
  for (const PileRef pile : focusablePiles(state, layout)) {
    if (pile == from.pile) continue;
    const PixelRect area = pileArea(state, layout, pile);
    // The nearest point of the pile's area on the line the key points along.
    const int x = across ? area.left + area.width / 2 : std::clamp(here.x, area.left, area.right());
    const int y = across ? std::clamp(here.y, area.top, area.bottom()) : area.top + area.height / 2;
    const long ahead = static_cast<long>(forward) * (across ? x - here.x : y - here.y);
    if (ahead <= 0) continue;
    long aside = std::labs(across ? y - here.y : x - here.x);
    // Sideways a pile is as near as the pile the focus is on reaches towards
    // it: an empty or short pile beside long fans would otherwise never be the
    // nearest, and a card carried from the foot of a fan could not reach it.
    if (across) aside = std::min(aside, std::labs(y - std::clamp(y, fromArea.top, fromArea.bottom())));
    // Straight ahead wins over a pile a little nearer but far to the side.
    const long score = ahead + 3 * aside;
    if (score < bestScore) {
      bestScore = score;
      best = topSpotOf(state, pile);
    }
  }
  return best;
}

PixelRect focusRect(const GameState& state, const TableLayout& layout, FocusSpot spot) {
  const int count = state.piles.pile(spot.pile).cardCount();
  const int slot = std::clamp(spot.slot, 0, std::max(count - 1, 0));
  return cardRectAt(layout, layout.cardPosition(spot.pile, slot));
}

std::optional<Point> pressPointOf(const GameState& state, const TableLayout& layout, FocusSpot spot) {
  const Pile& pile = state.piles.pile(spot.pile);
  const CardNumber wanted = pile.empty() ? kNoCard : pile.at(std::clamp(spot.slot, 0, pile.cardCount() - 1));
  const PixelRect card = focusRect(state, layout, spot);
  const int width = card.width;
  const int height = card.height;
  std::vector<Point> tries;
  if (spot.slot + 1 < pile.cardCount()) {
    // The strip of a covered card that still shows: halfway to the next card.
    const Point next = layout.cardPosition(spot.pile, spot.slot + 1);
    const int x = next.x == card.left ? card.left + width / 2 : (card.left + next.x) / 2;
    const int y = next.y == card.top ? card.top + height / 2 : (card.top + next.y) / 2;
    tries.push_back({x, y});
  }
  tries.push_back({card.left + width / 2, card.top + height / 2});
  tries.push_back({card.left + 2, card.top + 2});
  tries.push_back({card.right() - 2, card.bottom() - 2});
  for (const Point at : tries) {
    const PileHit hit = findPileAtPoint(state, layout, at.x, at.y);
    if (hit.hit() && hit.pile == spot.pile && hit.card == wanted) return at;
  }
  return std::nullopt;
}

}  // namespace quilloro
