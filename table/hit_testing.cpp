// Hit testing: rectangles of piles and cards, and overlaps for drops.
#include "table/hit_testing.hpp"

#include <algorithm>
#include <optional>
#include <tuple>

#include "table/fan_steps.hpp"

namespace quilloro {

namespace {

bool downward(int fan) { return fan == 1 || fan == 3 || fan == 5; }
bool rightward(int fan) { return fan == 2 || fan == 4 || fan == 6; }

CardRect cardRectAt(Point topLeft, const CardSize& size) {
  return {topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height};
}

int topSlot(const Pile& pile) { return std::max(pile.cardCount() - 1, 0); }

// The rectangle of the pile's top card, where an empty pile's card would lie.
CardRect topCardRect(const GameState& state, const TableLayout& layout, PileRef pile) {
  return cardRectAt(layout.cardPosition(pile, topSlot(state.piles.pile(pile))), layout.cardSize());
}

PileHit hitOn(PileRef pile, CardNumber card, CardRect rect) { return {pileName(pile), pile, card, rect}; }

std::optional<PileHit> cardHit(const GameState& state, const TableLayout& layout, PileRef pile, int x, int y) {
  const CardHit found = findCardInPile(state, layout, pile, x, y);
  if (found.card == kNoCard) return std::nullopt;
  return hitOn(pile, found.card, cardRectAt(found.topLeft, layout.cardSize()));
}

std::optional<PileHit> hitTableau(const GameState& state, const TableLayout& layout, int x, int y) {
  const int fan = fanCodeOf(state.parameters, PileList::Tableau);
  const int piles = state.pilesInUse(PileList::Tableau);
  const CardSize& size = layout.cardSize();
  if (fan == static_cast<int>(FanDirection::SideBySide)) {
    // Later piles lie over earlier ones.
    for (int n = piles - 1; n >= 0; --n) {
      const PileRef pile{PileList::Tableau, n};
      if (!layout.isPlaced(pile)) continue;
      const Point anchor = layout.cardPosition(pile, 0);
      const int right = layout.xOfCard(pile, topSlot(state.piles.pile(pile))) + size.width;
      if (!CardRect{anchor.x, anchor.y, right, anchor.y + size.height}.contains(x, y)) continue;
      if (auto hit = cardHit(state, layout, pile, x, y)) return hit;
    }
    return std::nullopt;
  }
  for (int n = 0; n < piles; ++n) {
    const PileRef pile{PileList::Tableau, n};
    if (!layout.isPlaced(pile)) continue;
    const Point anchor = layout.cardPosition(pile, 0);
    CardRect area = topCardRect(state, layout, pile);
    if (downward(fan))
      area = {anchor.x, anchor.y, anchor.x + size.width, layout.bottomOfPile(pile)};
    else if (rightward(fan))
      area = {anchor.x, anchor.y, layout.xOfCard(pile, topSlot(state.piles.pile(pile))) + size.width,
              anchor.y + size.height};
    if (!area.contains(x, y)) continue;
    // Inside a pile's area but on no card: the other tableau piles are not tried.
    return cardHit(state, layout, pile, x, y);
  }
  return std::nullopt;
}

std::optional<PileHit> hitFoundation(const GameState& state, const TableLayout& layout, int x, int y) {
  const int fan = fanCodeOf(state.parameters, PileList::Foundations);
  const CardSize& size = layout.cardSize();
  for (int n = 0; n < kMaxFoundations; ++n) {
    const PileRef pile{PileList::Foundations, n};
    if (!layout.isPlaced(pile)) continue;
    const Pile& cards = state.piles.pile(pile);
    const Point anchor = layout.cardPosition(pile, 0);
    CardRect area = topCardRect(state, layout, pile);
    if (fan == 1 || fan == 3) {
      const int bottom = layout.bottomOfPile(pile);
      area = {anchor.x, bottom - size.height, anchor.x + size.width, bottom};
    } else if (fan == 2 || fan == 4) {
      area = {anchor.x, anchor.y, layout.xOfCard(pile, topSlot(cards)) + size.width, anchor.y + size.height};
    }
    if (area.contains(x, y)) return hitOn(pile, cards.topCard(), topCardRect(state, layout, pile));
  }
  return std::nullopt;
}

std::optional<PileHit> hitReserve(const GameState& state, const TableLayout& layout, int x, int y) {
  const int fan = fanCodeOf(state.parameters, PileList::Reserves);
  const CardSize& size = layout.cardSize();
  for (int n = 0; n < state.pilesInUse(PileList::Reserves); ++n) {
    const PileRef pile{PileList::Reserves, n};
    const Pile& cards = state.piles.pile(pile);
    if (!layout.isPlaced(pile) || cards.empty()) continue;
    const Point anchor = layout.cardPosition(pile, 0);
    CardRect area = topCardRect(state, layout, pile);
    if (fan == 1 || fan == 3 || fan == 5)
      area = {anchor.x, anchor.y, anchor.x + size.width, layout.bottomOfPile(pile)};
    else if (fan == 2)
      area = {anchor.x, anchor.y, layout.xOfCard(pile, topSlot(cards)) + size.width, anchor.y + size.height};
    if (!area.contains(x, y)) continue;
    if (auto hit = cardHit(state, layout, pile, x, y)) return hit;
  }
  return std::nullopt;
}

}  // namespace

CardHit findCardInPile(const GameState& state, const TableLayout& layout, PileRef pile, int x, int y) {
  const Pile& cards = state.piles.pile(pile);
  if (cards.empty()) return {};
  const int fan = fanCodeOf(state.parameters, pile.list);
  const CardSize& size = layout.cardSize();
  const int top = cards.cardCount() - 1;
  if (fan == static_cast<int>(FanDirection::SquaredTakeTop) || (!downward(fan) && !rightward(fan))) {
    const Point at = layout.cardPosition(pile, top);
    return cardRectAt(at, size).contains(x, y) ? CardHit{cards.at(top), at} : CardHit{};
  }
  for (int slot = 0; slot <= top; ++slot) {
    const CardNumber card = cards.at(slot);
    const Point at = layout.cardPosition(pile, slot);
    // A card's strip ends where the next one begins; the top card owns its face.
    const Point next = slot < top ? layout.cardPosition(pile, slot + 1) : Point{};
    const bool inStrip = downward(fan) ? y >= at.y && y <= (slot < top ? next.y : at.y + size.height - 1)
                                       : x >= at.x && x <= (slot < top ? next.x : at.x + size.width - 1);
    if (!inStrip) continue;
    if (card == kNoCard) continue;  // a hole keeps its place but owns nothing
    return {card, at};
  }
  return {};
}

PileHit findPileAtPoint(const GameState& state, const TableLayout& layout, int x, int y) {
  for (const PileRef pile : {kStockPile, kWastePile}) {
    if (!layout.isPlaced(pile)) continue;
    const CardRect area = cardRectAt(layout.cardPosition(pile, 0), layout.cardSize());
    if (area.contains(x, y)) return hitOn(pile, state.piles.pile(pile).topCard(), area);
  }
  if (auto hit = hitTableau(state, layout, x, y)) return *hit;
  if (auto hit = hitFoundation(state, layout, x, y)) return *hit;
  if (auto hit = hitReserve(state, layout, x, y)) return *hit;
  return {};
}

std::vector<PileRef> dropCandidates(const GameState& state, const TableLayout& layout, const CardRect& dragged) {
  std::vector<PileRef> piles;
  for (int n = 0; n < state.pilesInUse(PileList::Foundations); ++n) piles.push_back({PileList::Foundations, n});
  for (int n = 0; n < state.pilesInUse(PileList::Tableau); ++n) piles.push_back({PileList::Tableau, n});
  for (int n = 0; n < state.pilesInUse(PileList::Reserves); ++n) piles.push_back({PileList::Reserves, n});
  if (state.parameters[param::kWasteNeverTarget] != 4 && layout.cardPosition(kWastePile, 0).x > 0)
    piles.push_back(kWastePile);

  // (area, pile-kind code, index): the largest wins, then the higher code and index.
  std::vector<std::tuple<int, int, int, PileRef>> overlaps;
  for (const PileRef pile : piles) {
    if (!layout.isPlaced(pile)) continue;
    const CardRect card = topCardRect(state, layout, pile);
    std::optional<int> area;
    if (card.contains(dragged.left, dragged.top))
      area = (card.right - dragged.left) * (card.bottom - dragged.top);
    else if (card.contains(dragged.right, dragged.top))
      area = (dragged.right - card.left) * (card.bottom - dragged.top);
    else if (card.contains(dragged.left, dragged.bottom))
      area = (card.right - dragged.left) * (dragged.bottom - card.top);
    else if (card.contains(dragged.right, dragged.bottom))
      area = (dragged.right - card.left) * (dragged.bottom - card.top);
    else {
      // A tall run may cross a card with neither corner on it: its edges are
      // sampled every 50 pixels.
      const int height = dragged.bottom - dragged.top;
      for (const bool leftEdge : {true, false}) {
        const int edge = leftEdge ? dragged.left : dragged.right;
        if (edge < card.left || edge > card.right) continue;
        for (int y = dragged.top; y <= dragged.bottom && !area; y += 50)
          if (y >= card.top && y <= card.bottom)
            area = (leftEdge ? card.right - dragged.left : dragged.right - card.left) * height;
        if (area) break;
      }
    }
    if (!area) continue;
    overlaps.emplace_back(std::clamp(*area, 0, 999999), static_cast<int>(pileKindOf(pile)), pile.index, pile);
  }
  std::sort(overlaps.begin(), overlaps.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a), std::get<2>(a)) > std::tie(std::get<0>(b), std::get<1>(b), std::get<2>(b));
  });
  std::vector<PileRef> best;
  for (std::size_t i = 0; i < overlaps.size() && i < 4; ++i) best.push_back(std::get<3>(overlaps[i]));
  return best;
}

}  // namespace quilloro
