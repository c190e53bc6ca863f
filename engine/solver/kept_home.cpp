// Cards at home that never come back while the other suits are close behind.
#include "engine/solver/kept_home.hpp"

namespace quilloro::solver {

KeptHome::KeptHome(const FastRules& rules) : rules_(rules) {
  const int longest = FastPosition::kPileCapacity;
  applies_ = rules.takesBack() && rules.packs() == 1 && rules.foundationCount() == 4 && rules.reserveCount() == 0 &&
             !rules.dealsRows() && rules.spaceFiller() == FastRules::SpaceFiller::None &&
             !rules.buildsBothWays() && !rules.buildsPastBase() && rules.pileHasRoom(longest) &&
             rules.runMayMove(longest, false, 0, 0) && rules.runMayMove(longest, true, 0, 0);
  if (!applies_) return;
  slack_ = rules.runsAnyFaceUp() ? 1 : 2;
  std::array<bool, 4> seen{};
  for (int card = 1; card <= kCardsPerPack; ++card) {
    const auto face = static_cast<FastCard>(card);
    const auto suit = static_cast<std::size_t>(rules.suit(face));
    if (suit >= redSuit_.size()) {
      applies_ = false;
      return;
    }
    redSuit_[suit] = rules.red(face);
    seen[suit] = true;
  }
  // Every suit builds on exactly the suits of the other colour.
  for (std::size_t base = 0; base < 4; ++base)
    for (std::size_t moving = 0; moving < 4; ++moving)
      if (!seen[base] || rules.suitsBuild(static_cast<int>(base), static_cast<int>(moving)) ==
                             (redSuit_[base] == redSuit_[moving]))
        applies_ = false;
}

int KeptHome::homeRun(const FastPosition& position, int suit) {
  int rank = 0;
  while (rank < kKing && position.homeCount(suit, rank + 1) > 0) ++rank;
  return rank;
}

bool KeptHome::keeps(const FastPosition& position, FastCard card) const {
  if (!applies_) return false;
  const int suit = rules_.suit(card);
  const int rank = rules_.rank(card);
  for (int other = 0; other < 4; ++other) {
    if (other == suit) continue;
    const bool sameColour = redSuit_[static_cast<std::size_t>(other)] == redSuit_[static_cast<std::size_t>(suit)];
    if (homeRun(position, other) < rank - slack_ - (sameColour ? 1 : 0)) return false;
  }
  return true;
}

}  // namespace quilloro::solver
