// The poker hands of the poker-grid game: a row or column of five cards scores
// by the best hand it forms.
#pragma once

#include <array>
#include <string_view>

#include "engine/card.hpp"

namespace quilloro {

struct PokerHand {
  std::string_view name;  // empty when the five cards form no hand
  int points = 0;
  friend bool operator==(const PokerHand&, const PokerHand&) = default;
};

// The hand of five card numbers (1..104). The tests run in the order of the
// scoring table, so a flush is never also counted as a pair.
PokerHand evaluatePokerHand(const std::array<CardNumber, 5>& cards);

}  // namespace quilloro
