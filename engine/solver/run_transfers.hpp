// Runs carried from one face-up card to another: the moves that only change
// which card carries a run.
//
// Take a run R, its bottom card c lying on the face-up card u of a tableau
// pile, lifted onto the card v on top of another tableau pile, where any run
// may travel and no pile is limited in height. Before the move R lies on u
// and v is bare; after it R lies on v and u is bare. Every later move that
// touches neither u bare nor v bare plays alike with R on either card: cards
// are taken off R or put on it, R travels on as a whole (then the move was
// never needed), v travels with whatever lies on it. So the move can wait
// until the first move that needs u bare: a card put on u, u sent home, u
// into a free cell, or u moved to another tableau pile. In the last case u
// may as well travel with R still on it (c joins u's run) and the move wait
// again. A line that wins ends with u at home, so every line that wins can
// be told with each such move followed at once by a card put on u, u sent
// home or into a free cell, and a search that plays only those pairs misses
// no deal that can be won.
//
// Where a stock deals rows onto the piles, cards land on u or on R depending
// on the move, and where runs are limited or piles short, R on u may not go
// where it goes alone: there every move stays a choice of its own.
//
// So it does where any face-up cards move together, out of sequence: there
// u may be carried, with cards under it, onto R's top card t, which before
// the move travels in the very cards that would land on it (in sequence, t
// is lower than every card under u and never takes one). Counting that move
// among those that need u bare is not enough: a card taken back onto t, or
// another run carried onto it, may come first and wait in turn; counting
// every move onto t as well keeps the search whole, but then the pairs
// outnumber the positions they save.
#pragma once

#include "engine/solver/fast_position.hpp"

namespace quilloro::solver {

// Whether the step carries a run off a face-up card onto a tableau card
// under the rules above, so that it waits for the move that needs that card
// bare.
bool carriesRunBetweenCards(const FastPosition& position, const FastStep& step);

// Whether next, played right after the transfer step, needs the card the
// transfer left bare: a card put on it, or the card sent home or into a free
// cell.
bool needsCardLeftBare(const FastPosition& position, const FastStep& transfer, const FastStep& next);

}  // namespace quilloro::solver
