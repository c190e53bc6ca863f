// Where the keyboard's focus frame stands on the table, how the arrow keys move
// it between piles and cards, and the points a key press acts on.
#pragma once

#include <optional>
#include <vector>

#include "engine/game_state.hpp"
#include "table/hit_testing.hpp"
#include "table/pixel_surface.hpp"
#include "table/table_layout.hpp"

namespace quilloro {

enum class FocusDirection { Left, Right, Up, Down };

// A card of a pile (slot 0 is the bottom card), or the place of an empty pile.
struct FocusSpot {
  PileRef pile{PileList::Stock, kStockIndex};
  int slot = 0;
  friend bool operator==(const FocusSpot&, const FocusSpot&) = default;
};

// Every pile the table shows, in stock-list, foundation, tableau, reserve order.
std::vector<PileRef> focusablePiles(const GameState& state, const TableLayout& layout);

// The pile's top card, or the place of its first card when it is empty.
FocusSpot topSpotOf(const GameState& state, PileRef pile);

// The slots the focus may stand on in a pile: every face-up card whose face
// shows at least a strip, and the top card; just the top for a squared pile.
std::vector<int> focusableSlots(const GameState& state, const TableLayout& layout, PileRef pile);

// The spot is still on the table as it is now (after a move it may not be);
// otherwise the nearest one of the same pile.
FocusSpot keepOnTable(const GameState& state, const TableLayout& layout, FocusSpot spot);

// One arrow key: along the fan of a fanned pile first, unless pilesOnly (the
// cards being carried go from pile to pile); then to the nearest pile that
// way. Nothing when no pile lies that way.
std::optional<FocusSpot> stepFocus(const GameState& state, const TableLayout& layout, FocusSpot from,
                                   FocusDirection direction, bool pilesOnly);

// The rectangle of the card (or empty place) the spot stands on.
PixelRect focusRect(const GameState& state, const TableLayout& layout, FocusSpot spot);

// A point that the pointer's hit testing gives to exactly this spot's card or
// empty pile; nothing when none does (a card hidden under others).
std::optional<Point> pressPointOf(const GameState& state, const TableLayout& layout, FocusSpot spot);

}  // namespace quilloro
