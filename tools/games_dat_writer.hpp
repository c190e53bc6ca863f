// Encoding game sources into GAMES.DAT and decoding GAMES.DAT back into game sources.
#pragma once

#include <string>
#include <vector>

#include "engine/games_dat.hpp"
#include "tools/game_source.hpp"

namespace quilloro {

// The stored text of GAMES.DAT for the games, in game-index order. Throws
// GameSourceError when the indices are not 0, 1, 2, ... without gaps.
std::string encodeGamesDat(std::vector<GameSource> games);

// Every game of a GAMES.DAT as a source. Indices without a row are marked not
// given. Throws GamesDatError for a value that is not an integer.
std::vector<GameSource> decodeGamesDat(const GamesDat& dat);

}  // namespace quilloro
