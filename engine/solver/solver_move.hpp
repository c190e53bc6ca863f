// One step the solver may take, carried out exactly as the command line's play
// commands carry it out, so that a solution replays move for move.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/card.hpp"
#include "engine/game.hpp"
#include "engine/pile_names.hpp"

namespace quilloro::solver {

struct SolverMove {
  enum class Kind : std::uint8_t {
    Drop,    // the card (with the cards above it) onto target: drop check, execute move, filling
    Turn,    // the face-down top card of tableau pile target.index
    Stock,   // a click on the stock as the table handles it (see the play command)
    Select,  // a click of a selection or pairing game on the card
  };
  Kind kind = Kind::Stock;
  CardNumber card = kNoCard;
  // For Drop: a foundation, tableau pile or reserve; the waste (Stock list,
  // kWasteIndex) or the discard pile (kDiscardIndex).
  PileRef target{PileList::Stock, kStockIndex};

  friend bool operator==(const SolverMove&, const SolverMove&) = default;
};

// The move as a line of quilloro-cli play ("drop 27 Dest1", "turn Fila3",
// "stock", "select 14").
std::string playCommand(const SolverMove& move);
// The inverse of playCommand; nothing for any other line.
std::optional<SolverMove> parsePlayCommand(std::string_view line);

// The pile the play command "select" presses for the card: the first pile
// holding it, the selection itself (foundation 1) left out.
std::optional<PileRef> selectablePileOf(const GameState& state, CardNumber card);

// Carries the move out on the game with the engine's own checks. Answers
// whether the play command would have answered ok.
bool applyMove(Game& game, const SolverMove& move);

}  // namespace quilloro::solver
