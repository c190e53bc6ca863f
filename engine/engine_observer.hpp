// Everything the engine shows, sounds or reports while it changes the table. The
// window implements it; tests record it; a headless run may ignore it.
#pragma once

#include <string>
#include <string_view>

#include "engine/card.hpp"
#include "engine/pile_names.hpp"
#include "engine/table_geometry.hpp"

namespace quilloro {

// A card travelling across the table. The positions come from the table
// geometry; slots are counted from the bottom of each pile.
struct CardFlight {
  enum class Kind {
    Move,      // a card moved by the engine: autoplay, stock, rows, filling
    Landing,   // a card the player dropped settles on its new pile
    ToStock,   // a card going back to the stock (redeal, gathering)
  };
  Kind kind = Kind::Move;
  CardNumber card = kNoCard;
  bool faceDown = false;  // flies as a card back
  PileRef from{PileList::Stock, kStockIndex};
  int fromSlot = 0;
  PileRef to{PileList::Stock, kStockIndex};
  int toSlot = 0;
  Point start;
  Point target;
};

// What the window must repaint after a change the engine made without a flight.
enum class Redraw {
  Table,            // background and every card
  PileDecoration,   // the corner decoration of one pile
  StockPressed,     // the stock shown pressed (or released)
  SelectionMarks,   // the marks of selected cards
};

class EngineObserver {
 public:
  virtual ~EngineObserver() = default;

  virtual void cardFlight(const CardFlight& flight) = 0;
  virtual void redraw(Redraw what, PileRef pile) = 0;
  // A sound of the SOUNDS folder by its file name, and whether the event's own
  // switch is on; the player also honours the master switch.
  virtual void playSound(std::string_view fileName, bool switchOn) = 0;
  // The card counter learns that a card changed place (pile-kind codes).
  virtual void cardCounterMoved(CardNumber card, PileKind from, PileKind to) = 0;
  // The card counter starts again from the whole table (every card recounted).
  virtual void cardCounterRefresh() = 0;
  virtual void scoreChanged(int score) = 0;
  // The default system beep: a refused command.
  virtual void beep() = 0;
  // An information box with an OK button.
  virtual void message(std::string_view text) = 0;
  // A fixed pause between two visible steps, in milliseconds.
  virtual void pause(int milliseconds) = 0;
};

// Ignores everything: the engine driven by a program rather than a player.
class SilentObserver : public EngineObserver {
 public:
  void cardFlight(const CardFlight&) override {}
  void redraw(Redraw, PileRef) override {}
  void playSound(std::string_view, bool) override {}
  void cardCounterMoved(CardNumber, PileKind, PileKind) override {}
  void cardCounterRefresh() override {}
  void scoreChanged(int) override {}
  void beep() override {}
  void message(std::string_view) override {}
  void pause(int) override {}
};

}  // namespace quilloro
