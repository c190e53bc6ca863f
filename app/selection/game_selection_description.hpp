// What the catalogue says about a game: its name and the facts taken from its
// parameter column.
#pragma once

#include <string>

#include "app/selection/selection_texts.hpp"

namespace quilloro {

class GamesDat;

// A level of -1 and an empty text stand for a value the game definition does
// not give (or gives out of range).
struct GameDescription {
  std::string name;
  std::string decks;
  int difficultyLevel = -1;
  std::string difficulty;
  int chanceLevel = -1;
  std::string chance;  // with " (about x in y)" when the odds are known
  std::string redeals;
  int timeLevel = -1;
  std::string gameTime;
};

// Reads parameters 319, 320, 255, 323, 322, 321 and 13 of the game. A column
// that cannot be read gives a description with the name alone. The texts are
// in the language of textOf.
GameDescription describeGame(const GamesDat& games, int gameIndex, const TextLookup& textOf = englishText);

}  // namespace quilloro
