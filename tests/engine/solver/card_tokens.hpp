// Pile texts for laying test positions: cards by number, face up or down.
#pragma once

#include <initializer_list>
#include <string>

namespace quilloro::solver::card_tokens {

// Hearts are cards 1-13, diamonds 14-26, clubs 27-39, spades 40-52.
inline std::string card(int number, bool faceUp = true) {
  const std::string digits = std::to_string(number);
  return std::string(3 - digits.size(), '0') + digits + (faceUp ? "1" : "0");
}

// The cards first to last in order, bottom first.
inline std::string cards(int first, int last, bool faceUp = true) {
  std::string tokens;
  for (int number = first; number <= last; ++number) tokens += card(number, faceUp);
  return tokens;
}

// A pile given card by card, bottom first; a negative number lies face down.
inline std::string pile(std::initializer_list<int> numbers) {
  std::string tokens;
  for (const int number : numbers) tokens += card(number < 0 ? -number : number, number > 0);
  return tokens;
}

}  // namespace quilloro::solver::card_tokens
