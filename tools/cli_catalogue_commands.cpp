// The catalogue commands: games and params.
#include "tools/cli_catalogue_commands.hpp"

#include "engine/games_dat.hpp"

namespace quilloro::cli {

int listGames(const Arguments& args, std::ostream& out) {
  const GamesDat dat = GamesDat::load(gamesDatPath(args));
  for (int index = 0; index < dat.gameCount(); ++index)
    out << index << '\t' << dat.catalogue()[static_cast<std::size_t>(index)].name() << '\n';
  return 0;
}

void requireGame(const GamesDat& dat, int game) {
  if (game < 0 || game >= dat.gameCount())
    throw UsageError("there is no game " + std::to_string(game) + " in " + dat.origin().string() + " (games 0 to " +
                     std::to_string(dat.gameCount() - 1) + ")");
}

int printParameters(const Arguments& args, std::ostream& out) {
  const int game = args.integer("game");
  const GamesDat dat = GamesDat::load(gamesDatPath(args));
  requireGame(dat, game);
  GameParameters parameters;
  dat.loadParameters(game, parameters);
  for (int index = 0; index < kParameterCount; ++index) out << index << ' ' << parameters[index] << '\n';
  return 0;
}

}  // namespace quilloro::cli
