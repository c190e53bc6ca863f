// The waste's top card going home at once in the two-pack games built in
// suit up from the aces and down from the kings, where that cannot be worse
// than leaving it: an ace or a king starting a foundation; a card whose twin
// is home, where either so is every card the foundation left without it
// could still have taken, or no foundation building the other way can ever
// come to it; a card both foundations of its suit and way wait for.
//
// Why the move is never worse. Say the top card c, of rank r, fits a
// foundation F building up (the case of one building down is the mirror
// image), the other card of c's suit and rank is home, and so are both cards
// of rank r-1 of the suit (one of them F's top), or else no foundation
// building down can reach r+1 (below). Take any winning line L
// from here that does not play c onto F now; it plays c home later, at some
// moment t, onto a foundation G. The line L' plays c onto F now, then makes
// L's moves but that one. The stock and the waste hold the same cards in
// the same order, but for c: every move L makes from them is open to L' (a
// redeal L' cannot make, its waste holding a single card, leaves that card
// on top, where L's next click would bring it). Until t, F takes nothing in
// L: it waits for a card of rank r, and c is the last one out. At t:
// - G is F, or another foundation building up with r-1 on top (F's twin at
//   that moment): after t, L and L' hold the same foundations, up to
//   exchanging F and G.
// - G builds down with r+1 on top: after t, in L, F waits for a card of rank
//   r and G for one of rank r-1, and both ranks are home; in L', F holds c
//   and G waits for a card of rank r. L never uses F or G again, so L'
//   follows it to the win. Where a card of rank r-1 is still out, G
//   cannot build down: a foundation building down, of c's suit or empty
//   (14 on top), comes to r+1 only through a card of each rank between its
//   top and r, and one of those ranks has no card left out; cards only ever
//   go home, so it never will.
// With the twin c' out, c goes at once where both foundations of its suit
// building up have r-1 on top, F and F2. Both cards of rank r-1 are home,
// so what a foundation building down takes of rank r is the last it takes.
// L plays c and c' onto F, F2 or foundations building down. L' plays c onto
// F now, and c' where L does, but onto F2 where L puts it on F (F2 waits
// for rank r alone, so it still has r-1 on top then), and nothing where L
// plays c: afterwards F and F2 hold what they hold in L, maybe exchanged,
// or one of them waits for rank r and L never fills it again; a foundation
// building down that L gives c to waits in L' for a card of rank r, in L
// for one of rank r-1, and L never fills it again either.
// Aces go onto an empty foundation building up at once even with their twin
// out (kings onto an empty one building down are the mirror image). The
// foundations building up are as many as the aces, and an empty one takes
// any. If L plays c at t onto G, empty then, L' uses G where L uses F (both
// empty until L fills them: foundations never give cards back) and F where
// L uses G. If G builds down with a two on top, L puts one ace fewer on the
// foundations building up than there are, so there is one, P, that L never
// uses: L' puts on P whatever L puts on F, and after t G, short of its ace
// in L', is one L never fills again.
#include <array>
#include <cstddef>

#include "engine/build_types.hpp"
#include "engine/solver/stock_waste_rules.hpp"

namespace quilloro::solver::stock_waste {

void StockWasteRules::findTwins() {
  for (auto& places : twinPlaces_) places.fill(-1);
  for (std::size_t at = 0; at < deck_.size(); ++at) {
    auto& places = twinPlaces_[static_cast<std::size_t>(kindOf(deck_[at]))];
    for (std::int16_t& place : places)
      if (place < 0) {
        place = static_cast<std::int16_t>(at);
        break;
      }
  }
}

int StockWasteRules::cardsOutOfKind(const State& s, int kind) const {
  int out = 0;
  for (const std::int16_t at : twinPlaces_[static_cast<std::size_t>(kind)])
    if (at >= 0 && !isGone(s, at)) ++out;
  return out;
}

bool StockWasteRules::otherWayReaches(const State& s, CardNumber card, bool upward) const {
  const int rank = rankOf(card);
  const int suit = static_cast<int>(cardSuit(card));
  for (int f = 0; f < static_cast<int>(foundationRules_.size()); ++f) {
    const FoundationRule& rule = foundationRules_[static_cast<std::size_t>(f)];
    const Foundation& foundation = s.foundations[static_cast<std::size_t>(f)];
    if (rule.upward != upward || rule.buildType != build_type::kSameSuit) continue;
    if (foundation.count > 0 && static_cast<int>(cardSuit(foundation.bottom)) != suit) continue;
    // The ranks it takes before it would take the card's, each needing a card out.
    const int step = upward ? 1 : -1;
    int next = foundation.count == 0 ? (upward ? kAce : kKing) : rankOf(foundation.top) + step;
    if (upward ? next > rank : next < rank) continue;
    bool open = true;
    for (; open && next != rank; next += step) open = cardsOutOfKind(s, suit * kFoundationCards + next - 1) > 0;
    if (open) return true;
  }
  return false;
}

std::optional<StockStep> StockWasteRules::safeTwinHomeStep(const State& s) const {
  const int top = wasteTop(s);
  if (top < 0) return std::nullopt;
  const CardNumber card = deck_[static_cast<std::size_t>(top)];
  const int kind = kindOf(card);
  // c itself is out: its twin is home when no other card of its kind is.
  const bool twinHome = cardsOutOfKind(s, kind) == 1;
  const int rank = rankOf(card);
  for (int f = 0; f < static_cast<int>(foundationRules_.size()); ++f) {
    const FoundationRule& rule = foundationRules_[static_cast<std::size_t>(f)];
    if (rule.buildType != build_type::kSameSuit || !accepts(s, f, card)) continue;
    // An ace or a king starting a foundation of its own.
    if (rank == (rule.upward ? kAce : kKing))
      return Step{Step::Kind::WasteToFoundation, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(f)};
    if (!twinHome) {
      // Both foundations of its suit and way wait for c's rank.
      bool both = false;
      for (int g = f + 1; g < static_cast<int>(foundationRules_.size()) && !both; ++g)
        both = foundationRules_[static_cast<std::size_t>(g)].upward == rule.upward &&
               foundationRules_[static_cast<std::size_t>(g)].buildType == build_type::kSameSuit && accepts(s, g, card);
      if (!both) continue;
      return Step{Step::Kind::WasteToFoundation, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(f)};
    }
    // The rank the foundation left without c would still wait for.
    if (cardsOutOfKind(s, rule.upward ? kind - 1 : kind + 1) != 0 && otherWayReaches(s, card, !rule.upward)) continue;
    return Step{Step::Kind::WasteToFoundation, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(f)};
  }
  return std::nullopt;
}

}  // namespace quilloro::solver::stock_waste
