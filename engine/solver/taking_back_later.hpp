// A first depth-first look for a win that never takes a card back from the
// foundations, then the full search.
//
// Where cards come back from the foundations, a card may go home unasked only
// where it could come straight back, the stock's cards are never chained move
// after move (see paired_moves), and every card home may come back onto a
// card that takes it: the full search sees several times the positions it
// would see without, each of them several times dearer. Yet nearly every
// deal that can be won can be won without taking anything back. The first
// look plays the same rules with no card ever taken back: its cards go home
// as soon as nothing can need them and the stock's cards are chained, so it
// wins many such deals in a small share of the positions the full search
// spends wandering.
#pragma once

#include <atomic>

#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// The kinds whose deals are searched so: cards come back from the
// foundations, one pack, and a stock turned onto a waste. (Without a stock,
// the first look wins nothing the full search does not win as soon.)
bool looksWithoutTakingBack(const FastRules& rules);

// A glance of the full search (a sixteenth of the budget) decides the
// easiest deals first. The first look may then see half the positions of
// the budget, each charged a quarter of one (it lists no cards taken back and
// plays many moves unasked, so a position of it costs about a quarter of one
// of the full search). It can only win: its moves are the engine's and the
// win replays, while a deal it sees no win in may still be won by taking a
// card back. The rest of the budget goes to the full search again, which
// alone may find a deal lost. All three count positions, so the verdict is
// repeatable; the positions reported are those charged.
SolveResult solveWithoutTakingBackFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                                        const std::atomic<bool>* stop);

}  // namespace quilloro::solver
