// Card numbers: what the library computes, and the texts that files carry.
#include "engine/card.hpp"

#include <array>

#include "cardlib/quilloro.h"

namespace quilloro {

int cardRank(CardNumber card) { return fCard2Value(card); }

bool isRed(CardNumber card) { return fIsCartaRossa(card) != 0; }

std::string cardToken(CardNumber card) {
  std::string token(3, '0');
  int value = card < 0 ? 0 : card % 1000;
  for (int i = 2; i >= 0; --i, value /= 10) token[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
  return token;
}

std::string cardName(CardNumber card) {
  static constexpr std::array<std::string_view, 4> kSuitTags{"CUORI", "QUADR", "FIORI", "PICCH"};
  static constexpr std::array<std::string_view, 13> kRankTexts{"A",  "02", "03", "04", "05", "06", "07",
                                                               "08", "09", "10", "J",  "Q",  "K"};
  if (!isCardNumber(card)) return {};
  std::string name(kSuitTags[static_cast<std::size_t>(cardSuit(card))]);
  name += '_';
  name += kRankTexts[static_cast<std::size_t>(cardRank(card) - 1)];
  return name;
}

}  // namespace quilloro
