// quilloro-cli poker-hand: the poker hand of five cards per input line.
#pragma once

#include <istream>
#include <ostream>

#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

// Reads lines of five card numbers (1 to 104) and prints for each the hand's
// name, or "none", a space and its points. A line that is not five card
// numbers is answered "error: " and the reason. Blank lines are skipped.
int printPokerHands(const Arguments& args, std::istream& in, std::ostream& out);

}  // namespace quilloro::cli
