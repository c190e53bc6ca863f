// quilloro-cli record-demo: plays deals with the solver and writes the demo
// game file of each game kind, its undo history holding every step.
#pragma once

#include <ostream>

#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

// record-demo [--game I] [--deals N] [--budget-ms B] [--budget-nodes K]: for every game kind (or
// the one given), the first of deals 1..N that the solver wins, or else the
// deal it got furthest with, played and saved as Demos/G<index>.GAM under the
// --home folder. One line per kind.
int recordDemos(const Arguments& args, std::ostream& out);

}  // namespace quilloro::cli
