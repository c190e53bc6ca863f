// The game in progress: the table, its rules and histories, and every operation
// that changes it. One object, owned by whoever plays (the window, the command
// line, a test, a solver), with the settings record, the observer and the table
// geometry handed to it.
#pragma once

#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/engine_observer.hpp"
#include "engine/game_state.hpp"
#include "engine/games_dat.hpp"
#include "engine/move_rules.hpp"
#include "engine/table_geometry.hpp"
#include "engine/undo_history.hpp"

namespace quilloro {

struct NewGameOptions {
  // False after a saved game or demo was loaded, or for a restart: the table
  // and the undo history stay as they are.
  bool deal = true;
  // Choose a new random game number first; otherwise the stored one is dealt.
  bool newNumber = true;
};

// Empty tableau piles whose base code says "the rank below foundation 1's
// base" get that rank, once foundation 1's base rank is known: at the deal, and
// again when a saved game restores the base ranks it was dealt with.
void resolveTableauBaseBelowFoundation(GameParameters& parameters);

// Foundation 1 holds the player's selection rather than played cards: game
// families 3 and 4, and every game that selects by click.
bool holdsSelection(const GameParameters& parameters);

// What a click of a selection or pairing game did.
enum class SelectOutcome {
  Ignored,   // not a card the game lets the player choose
  Marked,    // the card joined or left the selection
  Refused,   // the beep: the card does not fit the selection and left it again
  Thrown,    // the selection was complete and went to the discard pile
  GapsClosed,  // a click on the stock closed the gaps of the grid
};

// What a press on the stock did.
enum class StockPress {
  Nothing,       // nothing to do: no card and no redeal left
  Moved,         // cards were turned or a row was dealt
  Pressed,       // the empty stock is held down; the release redeals
  Refused,       // a row that must wait until the gaps are filled
};

class Game {
 public:
  // games may be null: new games then keep the parameters already set, which is
  // how tests and tools deal a definition of their own.
  Game(const GamesDat* games, SettingsRecord& settings, EngineObserver& observer, TableGeometry& geometry);

  GameState state;

  // --- starting a game ---
  // Empties the table, loads the parameters of the game kind in the settings
  // record, deals and marks the game under way. Answers an error text when the
  // definition cannot be dealt (the table is then left empty and the game is
  // not under way).
  std::optional<std::string> newGame(const NewGameOptions& options);
  void seedRandom(std::uint32_t seed) { random_.seed(seed); }
  std::string gameNumber() const;

  // --- rules ---
  MoveRules rules() const { return MoveRules(state, geometry_, observer_); }

  // --- moves ---
  // Carries out one move: a card onto a pile name, or a move command. The
  // rules are the caller's business. Answers true when the table changed.
  bool executeMove(CardNumber card, std::string_view target);
  // Turns a face-down top card of a tableau pile face up.
  bool turnTopCard(int tableauPile);
  // A press on the stock: turns cards, deals a row, or holds the empty stock
  // down for a redeal.
  StockPress pressStock();
  // The release over the held-down stock: the redeal. Answers whether it moved.
  bool releaseStock();
  // The pointer left the held-down stock: no redeal.
  void cancelStockPress();
  bool stockPressed() const { return stockPressed_; }

  // --- moves the program makes on its own ---
  // Fills empty tableau piles from reserve 1 or from the waste and stock, as the
  // game asks; each filling undoes together with the move before it.
  bool autoFill();
  // Plays every card that a foundation takes, round after round; answers
  // whether anything moved. Runs only with autoplay switched on.
  bool finishingSweep();
  // The finishing sweep and automatic filling, repeated while cards move: what
  // follows every release of the player.
  void finishAfterRelease();
  // The Autoplay command: switches off when on; switches on and sweeps when off.
  void autoplayCommand();
  bool autoplayAvailable() const;
  bool autoplayOn() const { return autoplayOn_; }
  void setAutoplay(bool on) { autoplayOn_ = on; }

  // --- undo and redo ---
  // silent: the demo player steps without sound, beep or redraw.
  bool undo(bool silent = false);
  bool redo(bool silent = false);
  const UndoHistory& undoHistory() const { return undo_; }
  const UndoHistory& redoHistory() const { return redo_; }
  UndoHistory& undoHistory() { return undo_; }
  UndoHistory& redoHistory() { return redo_; }
  void pushUndoStep();
  void clearRedo();
  void dropLastUndoStep() { undo_.dropLast(); }
  // Foundation 1 holds the player's selection rather than played cards.
  bool selectionGame() const;

  // --- selection, pairing and poker games ---
  // A left-button press of a selection game on a card of the pile (the card
  // is 0 for a press on an empty pile). Ignored for other games and for
  // cards the game does not let the player choose. A Thrown outcome may have
  // won the game: see won().
  SelectOutcome pressInSelectionGame(PileRef pile, CardNumber card);
  // The cards the player has selected, in the order of selection.
  std::vector<CardNumber> selection() const;
  // Two grid piles (0-based) that touch, diagonals included.
  static bool adjacentInGrid(int p, int q);
  // The rank text each of foundations 1 to 4 needs next ("A", "2" ... "K"),
  // empty where no hint is shown.
  std::array<std::string, 4> rankHints() const;

  // --- score and the end ---
  int score() const;
  void recomputeScore();
  // Every card has left the stock, the waste, the tableau and the reserves
  // (for the poker grid: every grid pile holds a card).
  bool wonCheck() const;
  bool won() const { return won_; }
  bool underWay() const { return underWay_; }
  void setUnderWay(bool underWay) { underWay_ = underWay; }
  void setWon(bool won) { won_ = won; }

  int redealCount() const { return redealCount_; }
  void setRedealCount(int count) { redealCount_ = count; }
  bool redealAllowed() const;

  // The layout asks whether the table has a pile on the table.
  bool isPlaced(PileRef pile) const { return geometry_.isPlaced(pile); }

 private:
  struct CardPlace {
    PileRef pile;
    int slot;
  };

  // new game
  std::optional<std::string> deal();
  std::optional<std::string> dealCards(std::vector<CardNumber>& deck, int count, PileRef pile);
  void dealAcesToFoundations();
  void dealFoundationSweep();
  bool offerToFoundations(CardNumber card);

  // the common frame of execute move
  std::optional<CardPlace> locate(CardNumber card) const;
  bool moveSingleCard(CardNumber card, PileRef target, CardFlight::Kind kind);
  void afterMove(bool runWonCheck);
  bool moveToFoundation(CardNumber card, int foundation, bool automatic);
  bool moveToTableau(CardNumber card, int pile);
  void reorderFoundation(int foundation);
  void removeCompletedSequences(int pile);

  // stock
  bool stockClick(bool toDiscard);
  void redealWaste();
  void reshuffleTableau();
  bool turnStockCards(bool toDiscard);
  // The stock's top card face up onto the pile, flying, with the shuffle sound.
  void dealFromStock(PileRef target);
  bool dealRow(PileList list);
  bool fillEmptyFromStock();
  bool closeGapsAndRefill();
  bool throwSelection();

  // selection games
  SelectOutcome selectSumOfTwo(CardNumber card);
  SelectOutcome selectByClick(PileRef pile, CardNumber card);
  bool toggleInSelection(CardNumber card);
  SelectOutcome refuseSelection(CardNumber card);
  SelectOutcome completeSelection();
  bool freeInPyramid(PileRef pile, CardNumber card) const;
  // The poker grid's points: every full row and column scores its hand; the
  // hands that the placed card completed are announced.
  void pokerScore(CardNumber placed);

  // undo and redo
  struct HistoryDirection;
  bool step(UndoHistory& from, UndoHistory& to, const HistoryDirection& direction, bool silent);

  bool settingIs(const SettingsField& field, std::string_view value) const;
  bool soundSwitch(const SettingsField& field) const { return settingIs(field, "Y"); }
  void setScore(int score);
  void flight(CardNumber card, CardPlace from, PileRef to, CardFlight::Kind kind);
  int cardsInPlay() const;
  int gameFamily() const { return state.parameters[param::kGameFamily]; }

  const GamesDat* games_;
  SettingsRecord& settings_;
  EngineObserver& observer_;
  TableGeometry& geometry_;
  std::mt19937 random_;

  UndoHistory undo_;
  UndoHistory redo_;
  int redealCount_ = 1;
  bool stockPressed_ = false;
  bool underWay_ = false;
  bool won_ = false;
  bool autoplayOn_ = true;
  // Set while a row or a gap closing moves several cards: the won-game check
  // runs once at its end.
  bool severalCardsMoving_ = false;
  // The last card a move put down, for the poker grid's announcements.
  CardNumber lastMovedCard_ = kNoCard;
};

}  // namespace quilloro
