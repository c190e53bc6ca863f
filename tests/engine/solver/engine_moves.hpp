// The engine's own moves, each tried on a copy of the game, for the tests
// that hold a search's moves against what the engine accepts.
#pragma once

#include <vector>

#include "engine/solver/solver_move.hpp"

namespace quilloro::solver::engine_moves {

// Puts the game back as it stood before a move was tried.
inline void restore(Game& game, const GameState& before, int redeals) {
  game.state.piles = before.piles;
  game.state.cards = before.cards;
  game.setRedealCount(redeals);
  game.setWon(false);
}

// Every move the engine accepts that changes the table: the top cards of the
// waste, the reserves and the piles onto any foundation or pile, and the stock.
inline std::vector<SolverMove> topCardMoves(Game& game) {
  std::vector<CardNumber> tops{game.state.piles.waste().topCard()};
  for (int reserve = 0; reserve < game.state.pilesInUse(PileList::Reserves); ++reserve)
    tops.push_back(game.state.piles.pile(PileList::Reserves, reserve).topCard());
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    tops.push_back(game.state.piles.pile(PileList::Tableau, pile).topCard());
  std::vector<SolverMove> moves{{SolverMove::Kind::Stock, kNoCard, kStockPile}};
  for (const CardNumber card : tops) {
    if (card == kNoCard) continue;
    for (int f = 0; f < game.state.pilesInUse(PileList::Foundations); ++f)
      moves.push_back({SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, f}});
    for (int t = 0; t < game.state.pilesInUse(PileList::Tableau); ++t)
      moves.push_back({SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, t}});
  }
  std::vector<SolverMove> accepted;
  const GameState before = game.state;
  const int redeals = game.redealCount();
  for (const SolverMove& move : moves) {
    const bool ok = applyMove(game, move) && !(game.state.piles == before.piles);
    restore(game, before, redeals);
    if (ok) accepted.push_back(move);
  }
  return accepted;
}

}  // namespace quilloro::solver::engine_moves
