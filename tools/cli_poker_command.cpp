// quilloro-cli poker-hand.
#include "tools/cli_poker_command.hpp"

#include <charconv>
#include <sstream>
#include <string>

#include "engine/poker_hand.hpp"

namespace quilloro::cli {

namespace {

// The five cards of a line, or the reason they cannot be read.
std::string handOf(const std::string& line, std::array<CardNumber, 5>& cards) {
  std::istringstream words(line);
  std::size_t count = 0;
  for (std::string word; words >> word;) {
    if (count == cards.size()) return "more than five cards";
    int card = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), card);
    if (error != std::errc() || end != word.data() + word.size() || !isCardNumber(card))
      return "\"" + word + "\" is not a card number from 1 to 104";
    cards[count++] = card;
  }
  if (count < cards.size()) return "fewer than five cards";
  return {};
}

}  // namespace

int printPokerHands(const Arguments&, std::istream& in, std::ostream& out) {
  for (std::string line; std::getline(in, line);) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::array<CardNumber, 5> cards{};
    if (const std::string problem = handOf(line, cards); !problem.empty()) {
      out << "error: " << problem << '\n';
      continue;
    }
    const PokerHand hand = evaluatePokerHand(cards);
    out << (hand.name.empty() ? std::string_view("none") : hand.name) << ' ' << hand.points << '\n';
  }
  return 0;
}

}  // namespace quilloro::cli
