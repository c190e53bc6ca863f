// The shuffle: one fixed card order for each game number and number of cards.
#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

#include "engine/card.hpp"

namespace quilloro {

// The shuffle is defined for 104 cards and for any count up to 52.
class UnsupportedCardCount : public std::runtime_error {
 public:
  UnsupportedCardCount() : std::runtime_error("Error 01 - fnGameNumberCardsArray") {}
};

// The shuffled deck: cardCount slots, slot 0 the top card that is dealt first;
// 0 marks an empty slot (only possible below 52 cards). Throws
// UnsupportedCardCount for more than 52 cards other than 104.
std::vector<CardNumber> shuffleDeck(std::string_view gameNumber, int cardCount);

// The redeal's mix of gathered cards, without chance: the middle card first,
// then on by 2 after an odd number of cards taken and by 5 after an even
// one, wrapping to the start.
std::vector<CardNumber> mixWithoutChance(std::vector<CardNumber> gathered);

}  // namespace quilloro
