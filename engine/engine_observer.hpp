// Everything the engine shows, sounds or reports while it changes the table. The
// window implements it; tests record it; a headless run may ignore it.
#pragma once

#include <array>
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
  RankHints,        // the boxes above the foundations naming the rank each needs next
};

// A poker hand that the card just placed completed, as the score panel shows it.
struct PokerAnnouncement {
  std::string name;
  int points = 0;
  // The score with this hand counted and the hands announced after it not yet.
  int runningTotal = 0;
  std::array<int, 5> piles{};  // tableau piles, 0-based, of the hand's cards
  std::array<CardNumber, 5> cards{};
};

// What the "Game won" dialog shows of the player's totals for the game.
struct GameWonSummary {
  std::string gameName;
  long long won = 0;
  long long lost = 0;
  bool played = false;      // false: no games booked, the percentages stay empty
  int wonPercent = 0;
  int lostPercent = 0;
  // The pie picture: "imgGraph0750" ... "imgGraph1000" or "imgGraphNoValues".
  std::string picture;
  // The pictures show the larger share in red; when the won share is the
  // larger, red and green (and maroon and dark green) change places.
  bool exchangeColours = false;
};

// A result that entered the hi-score table of its game.
struct NewHiScore {
  int position = 0;  // 1 to 20
  long long score = 0;
  int elapsedSeconds = 0;
  std::string player;
  std::string gameName;
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

  // --- pairing, selection and poker games ---
  // Marks or unmarks a selected card (the same call undoes itself).
  virtual void toggleSelectionMark(CardNumber card) = 0;
  // A completed poker hand is shown (panel lines and marks on its cards) or,
  // after its pause, taken off again.
  virtual void pokerHand(const PokerAnnouncement& hand, bool shown) = 0;
  // The score panel's total line.
  virtual void pokerTotal(int total) = 0;

  // --- the end of a game ---
  // Abandoning the game in progress: OK (true) or Cancel. An empty message
  // stands for the language's own "Quit this game?".
  virtual bool confirmAbandon(std::string_view message) = 0;
  // Any other OK/Cancel question.
  virtual bool confirm(std::string_view question) = 0;
  // The win animation of kind 1 or 2; a key or a click may end it early.
  virtual void winAnimation(int kind) = 0;
  virtual void newHiScore(const NewHiScore& entry) = 0;
  // The "Game won" dialog, shown modally.
  virtual void gameWon(const GameWonSummary& summary) = 0;
  // A file could not be written or read: the text names the file and the reason.
  virtual void fileError(std::string_view text) = 0;
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
  void toggleSelectionMark(CardNumber) override {}
  void pokerHand(const PokerAnnouncement&, bool) override {}
  void pokerTotal(int) override {}
  // Nobody to ask: the game in progress may always be replaced.
  bool confirmAbandon(std::string_view) override { return true; }
  bool confirm(std::string_view) override { return true; }
  void winAnimation(int) override {}
  void newHiScore(const NewHiScore&) override {}
  void gameWon(const GameWonSummary&) override {}
  void fileError(std::string_view) override {}
};

}  // namespace quilloro
