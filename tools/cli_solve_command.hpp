// quilloro-cli commands of the solver: solve a deal, and hint the next move.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

// "--moves", "--stats" and "--board" take no value; the option reader wants
// one, so they get "yes".
std::vector<std::string> withSolveFlagValues(std::vector<std::string> args);

// solve --game I --number G [--nodes K] [--budget-ms N] [--moves yes]: "won N"
// (and the moves, one play command a line), "lost" or "unknown". With
// --board yes it prints the deal's tableau instead, one pile a line in the
// usual card notation ("KS 5H ..."), as other solvers read it.
int solveDeal(const Arguments& args, std::ostream& out);
// hint --game I --number G [--nodes K] [--budget-ms N]: plays the play commands read
// from in, then prints the next move as a play command ("none" when there is
// no move at all). A command it cannot play is an error.
int hintMove(const Arguments& args, std::istream& in, std::ostream& out);

}  // namespace quilloro::cli
