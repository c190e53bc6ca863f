// quilloro-cli commands that read the game catalogue and parameters.
#pragma once

#include <ostream>

#include "engine/games_dat.hpp"
#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

// Throws UsageError unless the file holds game index game.
void requireGame(const GamesDat& dat, int game);

// One line per game: index, a tab, the trimmed name.
int listGames(const Arguments& args, std::ostream& out);
// 326 lines "index value" of one game's parameters.
int printParameters(const Arguments& args, std::ostream& out);

}  // namespace quilloro::cli
