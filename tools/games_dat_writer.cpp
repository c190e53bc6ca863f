// GAMES.DAT writer: game list, parameter matrix and selected games in their stored form.
#include "tools/games_dat_writer.hpp"

#include <algorithm>

#include "app/core/shared_routines.hpp"
#include "engine/games_dat_transform.hpp"
#include "engine/parameter_names.hpp"

namespace quilloro {
namespace {

std::string stored(const std::optional<std::string>& encoded, const GameSource& game) {
  if (!encoded) throw GameSourceError(game.file.string() + ": holds a character that GAMES.DAT cannot store");
  return *encoded;
}

// Characters 1-3 category, 4-7 help topic, 8-10 blank, 11-60 the name.
std::string catalogueLine(const GameSource& game) {
  return fnZeroPad(game.category, 3) + fnZeroPad(game.helpTopic, 4) + fnSpaces(3) + fnPadRight(game.name, 50);
}

// Characters 1-4 the index, 5 a blank, 6-16 the short name (not read), then
// 10 characters per game and a separator.
std::string parameterRow(int index, const std::vector<GameSource>& games) {
  std::string row = fnZeroPad(index, 4) + " " + fnPadRight(parameterRunOf(index).name, 11);
  for (const GameSource& game : games) row += fnPadRight(std::to_string(game.values[static_cast<std::size_t>(index)]), 10) + " ";
  return row;
}

}  // namespace

std::string encodeGamesDat(std::vector<GameSource> games) {
  std::sort(games.begin(), games.end(), [](const GameSource& a, const GameSource& b) { return a.index < b.index; });
  for (std::size_t i = 0; i < games.size(); ++i) {
    if (games[i].index != static_cast<int>(i)) {
      const std::string problem = games[i].index < static_cast<int>(i)
                                      ? "game index " + std::to_string(games[i].index) + " is used twice"
                                      : "game index " + std::to_string(i) + " is missing";
      throw GameSourceError(games[i].file.string() + ": " + problem + " (indices run 0, 1, 2, ... without gaps)");
    }
  }
  std::string text;
  text += std::string(games_dat::kGameListHeader) + "\n";
  for (const GameSource& game : games) text += stored(games_dat::encodeText(catalogueLine(game)), game) + "\n";
  text += std::string(games_dat::kParameterHeader) + "\n";
  for (int index = 0; index < kParameterCount; ++index) {
    // Values and short names are plain ASCII, which always encodes.
    text += *games_dat::encodeParameterRow(fnTrimRight(parameterRow(index, games))) + "\n";
  }
  text += std::string(games_dat::kSelectedHeader) + "\n";
  for (const GameSource& game : games)
    if (game.selected) text += *games_dat::encodeText(std::to_string(game.index)) + "\n";
  return text;
}

std::vector<GameSource> decodeGamesDat(const GamesDat& dat) {
  std::vector<GameSource> games;
  for (int index = 0; index < dat.gameCount(); ++index) {
    const CatalogueEntry& entry = dat.catalogue()[static_cast<std::size_t>(index)];
    GameSource game;
    game.file = dat.origin();
    game.index = index;
    game.name = entry.name();
    game.category = entry.category().value_or(0);
    game.helpTopic = entry.helpTopic().value_or(0);
    game.selected = dat.isSelected(index);
    GameParameters parameters;
    dat.loadParameters(index, parameters);
    for (int i = 0; i < kParameterCount; ++i) {
      game.values[static_cast<std::size_t>(i)] = parameters[i];
      game.given[static_cast<std::size_t>(i)] = true;
    }
    games.push_back(std::move(game));
  }
  return games;
}

}  // namespace quilloro
