// One pile: its cards bottom first, holes kept as card 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/card.hpp"

namespace quilloro {

// How search pile treats the card it finds.
enum class SearchMode { Report = 0, Remove = 1, LeaveHole = 2 };

class Pile {
 public:
  Pile() = default;

  // A pile from its pile string of three-digit tokens ("001014027"); nothing
  // when the text is not a whole number of tokens of card numbers 0..104.
  static std::optional<Pile> fromPileString(std::string_view text);

  // The pile string: every card's three-digit token, bottom first; "000" a hole.
  std::string pileString() const;

  // Slots of the pile, holes included (the pile string's length / 3).
  int cardCount() const { return static_cast<int>(cards_.size()); }
  bool empty() const { return cards_.empty(); }
  // The last token as a number; 0 for an empty pile (or a hole on top).
  CardNumber topCard() const { return cards_.empty() ? kNoCard : cards_.back(); }
  CardNumber bottomCard() const { return cards_.empty() ? kNoCard : cards_.front(); }
  // Slot i counted from the bottom (0-based).
  CardNumber at(int slot) const { return cards_.at(static_cast<std::size_t>(slot)); }

  // Adds a card (or a hole, card 0) on top; a number outside 0..104 is a
  // programming error and throws std::invalid_argument.
  void append(CardNumber card);
  void clear() { cards_.clear(); }
  // Removes the top n slots (all of them when n exceeds the count).
  void dropTop(int n);

  // Looks for the first (lowest) slot holding card; holes never match. With
  // Remove the slot is taken out, with LeaveHole it becomes a hole.
  bool search(CardNumber card, SearchMode mode);

  const std::vector<std::uint8_t>& slots() const { return cards_; }

  friend bool operator==(const Pile&, const Pile&) = default;

 private:
  std::vector<std::uint8_t> cards_;
};

}  // namespace quilloro
