// Checks of a start position shared by the searches that take only game kinds
// whose tables they can model exactly.
#pragma once

#include <vector>

#include "engine/pile.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Every pile of the list up to count has a place on the table.
bool allPlaced(const SolverStart& start, PileList list, int count);

// The pile holds its cards without gaps between them.
bool noHoles(const Pile& pile);

// The cards of the pile from the bottom up, gaps left out.
std::vector<CardNumber> cardsOf(const Pile& pile);

}  // namespace quilloro::solver
