// What the card counter shows: one cell per card in play, seen, not seen yet or not counted.
#pragma once

#include <string>
#include <vector>

#include "engine/game_state.hpp"

namespace quilloro {

enum class CounterCell { NotCounted, Seen, NotSeen };

// The counter's options: at most one of the two filters is on; neither means every pile.
struct CardCounterFilter {
  bool stockOnly = false;
  bool tableauOnly = false;
  bool countsStock() const { return !tableauOnly; }
  bool countsTableau() const { return !stockOnly; }
};

// The grid: one row of 13 ranks per suit and pack, suit pictures at the left.
inline constexpr int kCounterRowHeight = 18;
inline constexpr int kCounterRowTop = 3;
inline constexpr int kCounterCellStep = 14;
inline constexpr int kCounterCellLeft = 2;
inline constexpr int kCounterCellWidth = 13;
inline constexpr int kCounterCellHeight = 16;

// Row (0-based) and rank column (1 to 13) of card 1 to 208.
inline int counterRow(int card) { return (card - 1) / 13; }
inline int counterRank(int card) { return (card - 1) % 13 + 1; }
inline int counterCellLeft(int card) { return kCounterCellStep * counterRank(card) + kCounterCellLeft; }
inline int counterCellTop(int card) { return kCounterRowHeight * counterRow(card) + kCounterRowTop; }
// The client height for the number of cards in play: 121 for 52 cards, 194 for 104.
int counterWindowHeight(int cardsInPlay);
// The grid's own height: that window height without its caption and menu bar (46 pixels).
inline int counterGridHeight(int cardsInPlay) { return counterWindowHeight(cardsInPlay) - 46; }
// The client width: the suit column and 13 cells.
inline constexpr int kCounterWindowWidth = kCounterCellStep * 14 + kCounterCellLeft;

// The picture of a cell: "Card_None", or "Card_" + rank + "_Up" for a seen
// card and "_Down" for one not seen yet; inverted swaps Up and Down.
std::string counterCellPicture(int card, CounterCell cell, bool inverted);

// Every card in play (1 to the game's card count), marked from the piles as
// the filter allows: stock cards not seen; waste cards seen when the whole
// waste shows, else all but the top card not seen; tableau, foundations and
// discard pile by their face; reserves seen. Cards the filter leaves out are
// not counted.
std::vector<CounterCell> countCards(const GameState& state, const CardCounterFilter& filter);

}  // namespace quilloro
