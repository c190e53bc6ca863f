// The card table: each card's fixed name and its face state, which travels with the card.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/card.hpp"

namespace quilloro {

inline constexpr char kFaceDown = '0';
inline constexpr char kFaceUp = '1';

class CardTable {
 public:
  CardTable() { reset(); }

  // Every card face up, as at program start.
  void reset() { states_.fill(kFaceUp); }

  // The card's 20-character entry: name padded to 15, suit digit, card token,
  // face state ("CUORI_A        10011"). Empty for a number outside 1..104.
  std::string entry(CardNumber card) const;

  // The face-state character; '0' is face down, anything else face up.
  char faceState(CardNumber card) const;
  // Everything from the state position on is replaced by the text; the state is
  // its first character. An empty text, or a card outside 1..104, changes nothing.
  void setFaceState(CardNumber card, std::string_view state);

  // False for card 0 (and any number that is not a card).
  bool isFaceDown(CardNumber card) const { return isCardNumber(card) && faceState(card) == kFaceDown; }

 private:
  std::array<char, kMaxCard> states_{};
};

}  // namespace quilloro
