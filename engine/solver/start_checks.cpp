// Checks of a start position shared by the searches that model a table exactly.
#include "engine/solver/start_checks.hpp"

#include <algorithm>

#include "engine/build_types.hpp"
#include "engine/solver/scratch_table.hpp"

namespace quilloro::solver {

bool allPlaced(const SolverStart& start, PileList list, int count) {
  for (int index = 0; index < count; ++index) {
    const auto at = static_cast<std::size_t>(PlacedPiles::order({list, index}));
    if (at < start.placed.size() && !start.placed[at]) return false;
  }
  return true;
}

bool noHoles(const Pile& pile) {
  return std::none_of(pile.slots().begin(), pile.slots().end(), [](std::uint8_t card) { return card == kNoCard; });
}

std::vector<CardNumber> cardsOf(const Pile& pile) {
  std::vector<CardNumber> cards;
  for (const std::uint8_t card : pile.slots())
    if (card != kNoCard) cards.push_back(card);
  return cards;
}

}  // namespace quilloro::solver
