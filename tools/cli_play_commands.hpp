// quilloro-cli commands that shuffle, deal and play a game without a window.
#pragma once

#include <istream>
#include <ostream>

#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

// The shuffled deck of --cards N for --number G: slot 0 first, one line.
int printShuffle(const Arguments& args, std::ostream& out);
// The dealt table of --game I for --number G: 53 lines "LABEL: TOKENS".
int printDeal(const Arguments& args, std::ostream& out);
// Deals like printDeal, then answers the commands read from in, one per line.
int playGame(const Arguments& args, std::istream& in, std::ostream& out);

}  // namespace quilloro::cli
