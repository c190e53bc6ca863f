// Card table entries and face states.
#include "engine/card_table.hpp"

namespace quilloro {

std::string CardTable::entry(CardNumber card) const {
  if (!isCardNumber(card)) return {};
  std::string text = cardName(card);
  text.resize(15, ' ');
  text += suitDigit(cardSuit(card));
  text += cardToken(card);
  text += faceState(card);
  return text;
}

char CardTable::faceState(CardNumber card) const {
  return isCardNumber(card) ? states_[static_cast<std::size_t>(card - 1)] : kFaceUp;
}

void CardTable::setFaceState(CardNumber card, std::string_view state) {
  if (!isCardNumber(card) || state.empty()) return;
  states_[static_cast<std::size_t>(card - 1)] = state.front();
}

}  // namespace quilloro
