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

// A glance of the full search (a sixteenth of the budget, an eighth where a
// click turns several cards) decides the easiest deals first. A look without
// cards taken back follows, which plays only the moves that make progress
// (runs moved between piles only where that empties a pile, shows a hidden
// card or frees a card for home): its space is small, so it wins in a few
// thousand positions many a deal the searches with every shift of a run
// wander in for millions, and it soon sees all of its space where it finds
// no win; it may see a quarter of the positions of the budget (an eighth
// where one card turns a click). Each of its positions is charged a quarter
// of one (it lists no cards taken back and plays many moves unasked). It can
// only win: its moves are the engine's and the win replays, while a deal it
// sees no win in may still be won otherwise. The full search then goes on
// from where the glance stopped, with the rest of the budget, and alone may
// find a deal lost; taken up again, it sees what one search on the glance's
// and the rest's positions would. All count positions, so the verdict is
// repeatable; the positions reported are those charged.
SolveResult solveWithoutTakingBackFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                                        const std::atomic<bool>* stop);

}  // namespace quilloro::solver
