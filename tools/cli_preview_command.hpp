// quilloro-cli previews: the catalogue's preview picture of every game, drawn from a dealt table.
#pragma once

#include <ostream>
#include <string>

#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

// The preview pictures' file name of a game index: "GAME" + 4 digits + ".bmp".
std::string previewFileName(int gameIndex);

// "previews --number G [--size WxH] [--scale-to WxH] [--dat PATH] [--home DIR] --output DIR":
// deals game number G of every game of GAMES.DAT, draws it on a window of the
// size (1200 x 740 unless given) and shrinks it into the box (300 x 185, the
// catalogue's preview area, unless given), written as DIR/GAME<index>.bmp.
// One line per picture; a game that cannot be drawn stops the command with
// its message, before any later picture is written.
int writePreviews(const Arguments& args, std::ostream& out);

}  // namespace quilloro::cli
