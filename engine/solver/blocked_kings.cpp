// Kings that wait for one another in a ring: the deal cannot be won.
#include "engine/solver/blocked_kings.hpp"

#include <array>

namespace quilloro::solver {

bool kingsBlockForEver(const FastPosition& position) {
  const FastRules& rules = position.rules();
  if (rules.packs() != 1 || rules.reserveCount() != 0 || rules.runsAnyFaceUp() || rules.buildsBothWays() ||
      rules.buildsPastBase())
    return false;
  // Nothing builds on a king, and with no free cell nor an empty pile that
  // takes it, a king on the tableau leaves it only for home.
  for (FastCard card = 1; card <= kCardsPerPack; ++card)
    if (rules.rank(card) == kKing && rules.fillsEmpty(card)) return false;
  // after[a][b]: the king of suit a must go home before the king of suit b,
  // as it lies over a card of suit b, which must be home before b's king.
  std::array<std::array<bool, 4>, 4> after{};
  for (int t = 0; t < rules.tableauCount(); ++t) {
    const int pile = position.tableauPile(t);
    std::array<bool, 4> kingsAbove{};
    for (int slot = position.size(pile) - 1; slot >= 0; --slot) {
      const FastCard card = position.card(pile, slot);
      const auto suit = static_cast<std::size_t>(rules.suit(card));
      // Even a king under a king must wait for the one above.
      for (std::size_t king = 0; king < 4; ++king) after[king][suit] = after[king][suit] || kingsAbove[king];
      if (rules.rank(card) == kKing) kingsAbove[suit] = true;
    }
  }
  // A ring of waiting kings, a king waiting for itself the shortest.
  for (std::size_t via = 0; via < 4; ++via)
    for (std::size_t a = 0; a < 4; ++a)
      for (std::size_t b = 0; b < 4; ++b) after[a][b] = after[a][b] || (after[a][via] && after[via][b]);
  for (std::size_t suit = 0; suit < 4; ++suit)
    if (after[suit][suit]) return true;
  return false;
}

}  // namespace quilloro::solver
