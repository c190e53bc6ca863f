// A solver's move in the player's words, in the interface language:
// "Move the 7 of hearts onto the 8 of spades", "Turn a card from the stock".
#pragma once

#include <string>

#include "app/core/string_table.hpp"
#include "engine/game_state.hpp"
#include "engine/solver/solver_move.hpp"

namespace quilloro::solver {

// Text numbers (offsets from the language base) of the words of a move.
namespace move_words {
inline constexpr int kMove = 7604;              // "Move %1 %2"
inline constexpr int kOntoEmptyFoundation = 7605;
inline constexpr int kOntoEmptyColumn = 7606;
inline constexpr int kIntoEmptyCell = 7607;
inline constexpr int kOntoWaste = 7608;
inline constexpr int kOntoDiscard = 7609;
inline constexpr int kTurnStock = 7610;
inline constexpr int kTurnWasteOver = 7611;
inline constexpr int kTurnColumn = 7620;        // "Turn over the top card of column %1"
inline constexpr int kSelect = 7621;            // "Select %1"
inline constexpr int kCardFirst = 7630;         // "the ace" .. "the king"
inline constexpr int kOntoCardFirst = 7650;     // "onto the ace" .. "onto the king"
inline constexpr int kSuitFirst = 7670;         // " of hearts", " of diamonds", " of clubs", " of spades"
}  // namespace move_words

// "the 7 of hearts"; onto: "onto the 7 of hearts".
std::string cardWords(const StringTable& strings, int languageBase, CardNumber card, bool onto);

// The move as a sentence, for the position it is made from.
std::string describeMove(const StringTable& strings, int languageBase, const GameState& state,
                         const SolverMove& move);

// Puts the arguments in place of "%1", "%2"... in order.
std::string fillIn(std::string text, const std::string& first, const std::string& second = {});

}  // namespace quilloro::solver
