// Play without a mouse: the arrow keys move a focus frame over the piles and
// cards, Space or Return takes and puts down (or clicks, where a click is the
// move), Esc puts the carried cards back. Every key acts through the same
// presses, drags and releases as the pointer, so each game kind plays by its
// own rules.
#pragma once

#include <optional>
#include <vector>

#include "engine/game_session.hpp"
#include "table/keyboard_focus.hpp"
#include "table/table_layout.hpp"
#include "table/table_marks.hpp"

namespace quilloro {

class TablePlay;

class KeyboardPlay {
 public:
  KeyboardPlay(GameSession& session, const TableLayout& layout, TablePlay& play);

  // A key of the table (Qt::Key); answers whether it was used.
  bool key(int qtKey);
  // The pointer was used: carried cards go back, the frame goes until the next key.
  void pointerUsed();
  // The new deal: the frame starts again at the stock.
  void reset();

  // The frames to show: the focus, and the carried cards' place.
  std::vector<TableMark> marks() const;
  bool shown() const { return shown_; }
  bool carrying() const { return carrying_; }
  const FocusSpot& focus() const { return focus_; }

 private:
  void step(FocusDirection direction);
  void act();
  void cancel();
  void carryToFocus();
  bool playable() const;

  GameSession& session_;
  const TableLayout& layout_;
  TablePlay& play_;
  FocusSpot focus_;
  bool shown_ = false;
  bool carrying_ = false;
  // Where the carried cards were taken: their spot, the press and their card's top-left.
  FocusSpot carriedFrom_;
  Point pressedAt_;
  Point cardTopLeft_;
};

}  // namespace quilloro
