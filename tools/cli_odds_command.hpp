// quilloro-cli odds: measures how many deals of a game kind the solver wins
// and, when asked, writes the figures into the kind's readable game source.
#pragma once

#include <ostream>
#include <string>

#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

// The chance-of-winning index for a share of deals won: 0 very high to 4 very low.
int chanceOfWinningIndex(int won, int deals);

// The game source text with the chance of winning (321) and the odds "won
// in deals" (322, 323) set; every other line stays as it is. Throws
// std::runtime_error when the source lacks one of the three lines.
std::string withMeasuredOdds(const std::string& source, int won, int deals);

// odds --game I [--deals N] [--budget-ms B] [--write FILE.game]: plays deals
// 1..N and prints "won W lost L unknown U of N"; --write updates the source.
int measureOdds(const Arguments& args, std::ostream& out);

}  // namespace quilloro::cli
