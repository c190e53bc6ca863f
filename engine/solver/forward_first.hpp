// A first depth-first look for a win among the moves that make progress,
// then the full search. Where a reserve fills spaces or piles build round
// past the base, runs can be shifted from pile to pile without end, and the
// full search wanders through those shifts long before it finds a win.
// Where a beam over the stock wins sooner, it goes before them.
#pragma once

#include <atomic>

#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// The kinds whose deals are searched so: a reserve that fills spaces, or
// piles that build round past the base, with a stock turned onto a waste.
bool searchesForwardFirst(const FastRules& rules);

// Where piles build round past the base, spaces are filled by hand, cards
// come back from the foundations and a stock of one card a click comes round
// a set number of times (Duchess), the first look goes down endless shifts
// of runs and cards taken back, while a beam played one card of the stock at
// a time (stock_beam) wins most deals in a few thousand positions. There the
// beam looks first, on a share of the budget; the deals it misses the first
// look wins about as often as before.
bool beamsBeforeLookingForward(const FastRules& rules);

// The first look leaves out every run moved between piles that neither
// empties its pile, shows a hidden card nor frees a card for home, and every
// card taken back from the foundations, which makes its positions about four
// times cheaper: it may see as many positions as the budget holds, and each
// is charged a quarter of one. It can only win (its moves are the engine's,
// and the win replays); the rest of the budget goes to the full search,
// which alone finds a deal lost. Both count positions, so the verdict is
// repeatable; the positions reported are those charged.
SolveResult solveForwardFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                              const std::atomic<bool>* stop);

}  // namespace quilloro::solver
