// The moves worth trying in a position, and how promising a position looks.
#pragma once

#include <optional>
#include <vector>

#include "engine/game.hpp"
#include "engine/solver/solver_move.hpp"

namespace quilloro::solver {

// Every move the player could make that the engine's taking and dropping
// rules allow, most promising kinds first: to the foundations, turning cards,
// onto tableau piles and reserves, the stock, and taking cards back last.
// Whether a move really changes the table is for applyMove to tell.
struct MoveOptions {
  // The waste's top card is played by stock macros (see wasteDrops), not here;
  // the Stock move then stands for every number of clicks.
  bool wasteByMacro = false;
};
std::vector<SolverMove> candidateMoves(const Game& game, const MoveOptions& options = {});

// The drops of the waste's top card.
std::vector<SolverMove> wasteDrops(const Game& game);

// Clicks on the stock only turn cards onto the waste, and only its top card
// is ever played: any number of clicks followed by a play of the waste card
// is one step, and stock clicks commute with every other move.
bool wasteByMacroSuits(const GameParameters& parameters);

// One foundation per suit and pack builds up from the ace, and only the
// tableau builds on cards, down by a plain rule: then whether a card is still
// needed on the table follows from the cards already home.
bool safePlaySuits(const GameParameters& parameters);
// A card that may go home safely, with its foundation; nothing when none may.
// keepOut, a card just taken back from the foundations, stays where it is.
std::optional<SolverMove> safeFoundationMove(const Game& game, CardNumber keepOut = kNoCard);

// Cards may be taken back from the foundations. Then a card at home may still
// be wanted back on the table as a base: a safe play is made only where the
// card could come straight back (see the search's forced moves).
bool homeCardsReturn(const GameParameters& parameters);

// Higher is closer to a win: cards played off, cards shown, order on the tableau.
int positionScore(const Game& game);

}  // namespace quilloro::solver
