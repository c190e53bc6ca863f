// Moves in words: the card names, the target and the sentence around them.
#include "engine/solver/move_description.hpp"

namespace quilloro::solver {
namespace {

const std::string& word(const StringTable& strings, int languageBase, int offset) {
  return strings.text(languageBase, offset);
}

std::string targetWords(const StringTable& strings, int base, const GameState& state, PileRef target) {
  using namespace move_words;
  if (target == kWastePile) return word(strings, base, kOntoWaste);
  if (target == kDiscardPile) return word(strings, base, kOntoDiscard);
  const Pile& pile = state.piles.pile(target);
  if (!pile.empty() && pile.topCard() != kNoCard) return cardWords(strings, base, pile.topCard(), true);
  switch (target.list) {
    case PileList::Foundations: return word(strings, base, kOntoEmptyFoundation);
    case PileList::Reserves: return word(strings, base, kIntoEmptyCell);
    default: return word(strings, base, kOntoEmptyColumn);
  }
}

}  // namespace

std::string fillIn(std::string text, const std::string& first, const std::string& second) {
  const std::string arguments[] = {first, second};
  for (int n = 0; n < 2; ++n) {
    const std::string mark = "%" + std::to_string(n + 1);
    const auto at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), arguments[n]);
  }
  return text;
}

std::string cardWords(const StringTable& strings, int languageBase, CardNumber card, bool onto) {
  using namespace move_words;
  if (!isCardNumber(card)) return {};
  const int rank = cardRank(card);
  const int suit = static_cast<int>(cardSuit(card));
  return word(strings, languageBase, (onto ? kOntoCardFirst : kCardFirst) + rank - 1) +
         word(strings, languageBase, kSuitFirst + suit);
}

std::string describeMove(const StringTable& strings, int languageBase, const GameState& state,
                         const SolverMove& move) {
  using namespace move_words;
  switch (move.kind) {
    case SolverMove::Kind::Drop:
      return fillIn(word(strings, languageBase, kMove), cardWords(strings, languageBase, move.card, false),
                    targetWords(strings, languageBase, state, move.target));
    case SolverMove::Kind::Turn:
      return fillIn(word(strings, languageBase, kTurnColumn), std::to_string(move.target.index + 1));
    case SolverMove::Kind::Stock:
      if (state.piles.stock().empty() && !state.piles.waste().empty())
        return word(strings, languageBase, kTurnWasteOver);
      return word(strings, languageBase, kTurnStock);
    case SolverMove::Kind::Select:
      return fillIn(word(strings, languageBase, kSelect), cardWords(strings, languageBase, move.card, false));
  }
  return {};
}

}  // namespace quilloro::solver
