// quilloro-cli odds: measures how many deals of a game kind the solver wins,
// loses and leaves undecided and, when asked, records the measurement in the
// kind's readable game source.
#pragma once

#include <ostream>
#include <string>

#include "tools/cli_arguments.hpp"
#include "tools/odds_record.hpp"

namespace quilloro::cli {

// The game source text with the measurement recorded: its record line
// (replaced, or put above the chance of winning), the chance of winning (321)
// and the odds "won in decided deals" (322, 323). With no deal decided the
// chance of winning stays the estimate it was. Every other line stays as it
// is. Throws std::runtime_error when the source lacks one of the three lines.
std::string withMeasuredOdds(const std::string& source, const OddsMeasurement& measurement);

// odds --game I [--first F] [--deals N] [--nodes K] [--budget-ms B] [--write FILE.game]:
// solves deals F..F+N-1, prints the counts and the share won of the decided
// deals; --write records the measurement in the source.
int measureOdds(const Arguments& args, std::ostream& out);

}  // namespace quilloro::cli
