// Cards at home that never need to come back from the foundations.
#include "engine/solver/needless_cards.hpp"

namespace quilloro::solver {

NeedlessCards::NeedlessCards(const FastRules& rules) : rules_(rules) {
  applies_ = rules.takesBack() && rules.packs() == 1 && !rules.dealsRows() &&
             rules.spaceFiller() == FastRules::SpaceFiller::None;
  if (!applies_) return;
  for (int card = 1; card < kMaxCards; ++card) {
    const auto base = static_cast<FastCard>(card);
    bySuit_[static_cast<std::size_t>(rules.suit(base))][static_cast<std::size_t>(rules.rank(base))] = base;
    for (int other = 1; other < kMaxCards; ++other)
      if (other != card && rules.builds(base, static_cast<FastCard>(other)))
        builders_[static_cast<std::size_t>(card)].push_back(static_cast<FastCard>(other));
  }
}

void NeedlessCards::find(const FastPosition& position) {
  inSet_.fill(false);
  if (!applies_) return;
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = kAce; rank <= kKing; ++rank) {
      const FastCard card = bySuit_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
      if (card != 0) inSet_[card] = position.homeCount(suit, rank) > 0;
    }
  for (bool dropped = true; dropped;) {
    dropped = false;
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = kAce; rank <= kKing; ++rank) {
        const FastCard card = bySuit_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
        if (card == 0 || !inSet_[card]) continue;
        bool keep = rank == kAce || inSet_[bySuit_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank - 1)]];
        for (const FastCard builder : builders_[card])
          if (!inSet_[builder]) keep = false;
        if (!keep) {
          inSet_[card] = false;
          dropped = true;
        }
      }
  }
}

}  // namespace quilloro::solver
