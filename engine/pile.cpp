// Piles as compact card lists, read from and written as pile strings.
#include "engine/pile.hpp"

#include <algorithm>
#include <stdexcept>

namespace quilloro {

std::optional<Pile> Pile::fromPileString(std::string_view text) {
  if (text.size() % 3 != 0) return std::nullopt;
  Pile pile;
  pile.cards_.reserve(text.size() / 3);
  for (std::size_t i = 0; i < text.size(); i += 3) {
    int value = 0;
    for (std::size_t k = i; k < i + 3; ++k) {
      if (text[k] < '0' || text[k] > '9') return std::nullopt;
      value = value * 10 + (text[k] - '0');
    }
    if (value > kMaxCard) return std::nullopt;
    pile.append(value);
  }
  return pile;
}

std::string Pile::pileString() const {
  std::string text;
  text.reserve(cards_.size() * 3);
  for (std::uint8_t card : cards_) text += cardToken(card);
  return text;
}

void Pile::append(CardNumber card) {
  if (card < kNoCard || card > kMaxCard) throw std::invalid_argument("not a card number: " + std::to_string(card));
  cards_.push_back(static_cast<std::uint8_t>(card));
}

void Pile::dropTop(int n) {
  if (n <= 0) return;
  const std::size_t count = std::min(cards_.size(), static_cast<std::size_t>(n));
  cards_.resize(cards_.size() - count);
}

bool Pile::search(CardNumber card, SearchMode mode) {
  if (card < 1) return false;
  const auto found = std::find(cards_.begin(), cards_.end(), static_cast<std::uint8_t>(card));
  if (found == cards_.end() || card > kMaxCard) return false;
  if (mode == SearchMode::Remove) cards_.erase(found);
  if (mode == SearchMode::LeaveHole) *found = kNoCard;
  return true;
}

}  // namespace quilloro
