// Putting the game the player chose on the table: another game kind or player
// from the catalogue, or a given game number of the current game kind.
#pragma once

#include <QString>
#include <string>

#include "app/selection/game_selection_context.hpp"

namespace quilloro {

// What the catalogue's OK decided.
struct GameChoice {
  int gameIndex = 0;
  std::string player;  // the player chosen in the list (trimmed)
  bool gameChanged = false;
  bool playerChanged = false;
};

struct StartOutcome {
  bool started = false;
  // The game kind was just chosen by the player (the small-screen notice
  // wants to know): a changed game kind, or the first choice of the run.
  bool justChosen = false;
  std::string error;  // the deal could not be made; shown to the player
};

// Compares the choice with the current game kind and player.
GameChoice makeGameChoice(const SettingsRecord& settings, int gameIndex, const std::string& chosenPlayer);

// With another game kind or player, or no game under way: asks to abandon the
// game in progress, books it, and deals the chosen game with a new number.
// The same game and player while a game is under way: nothing happens.
StartOutcome startChosenGame(const GameSelectionContext& context, const GameChoice& choice,
                             bool firstChoiceOfRun);

// Asks to abandon the game in progress, books it and deals number (13 digits)
// of the current game kind. Answers whether the deal was made.
StartOutcome dealGameNumber(const GameSelectionContext& context, const std::string& number);

// Asks to abandon the game in progress, books it and deals the current game
// kind with a new random number: "New game..." of the "Game won" dialog.
StartOutcome dealNewNumber(const GameSelectionContext& context);

}  // namespace quilloro
