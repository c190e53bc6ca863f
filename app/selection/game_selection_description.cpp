// The catalogue's description of a game from its parameters.
#include "app/selection/game_selection_description.hpp"

#include <array>

#include "engine/games_dat.hpp"

namespace quilloro {

namespace {

constexpr int kMissing = -99;
constexpr std::array<int, 7> kAsked{319, 320, 255, 323, 322, 321, 13};
enum Asked { GameTime, Difficulty, Cards, OddsDeals, OddsWins, Chance, Passes };

constexpr std::array<const char*, 3> kDifficulty{"Easy", "Medium", "Hard"};
constexpr std::array<const char*, 5> kChance{"Very high", "High", "Medium", "Low", "Very low"};
constexpr std::array<const char*, 3> kGameTime{"Long", "Medium", "Quick"};

template <std::size_t N>
std::string levelText(const std::array<const char*, N>& texts, int firstText, const TextLookup& textOf, int value,
                      int& level) {
  if (value < 0 || value >= static_cast<int>(N)) {
    level = -1;
    return {};
  }
  level = value;
  return textOf(firstText + value, texts[static_cast<std::size_t>(value)]).toStdString();
}

}  // namespace

GameDescription describeGame(const GamesDat& games, int gameIndex, const TextLookup& textOf) {
  GameDescription description;
  if (gameIndex < 0 || gameIndex >= games.gameCount()) return description;
  description.name = games.catalogue()[static_cast<std::size_t>(gameIndex)].name();
  std::array<ParameterValue, 7> values{};
  try {
    values = games.readParameters(gameIndex, kAsked);
  } catch (const GamesDatError&) {
    return description;
  }
  auto value = [&values](Asked which) { return static_cast<int>(values[static_cast<std::size_t>(which)]); };

  if (value(Cards) > 0) description.decks = std::to_string((value(Cards) + 26) / 52);
  description.difficulty =
      levelText(kDifficulty, seltext::DifficultyLevels, textOf, value(Difficulty), description.difficultyLevel);
  description.chance = levelText(kChance, seltext::ChanceLevels, textOf, value(Chance), description.chanceLevel);
  if (!description.chance.empty() && value(OddsDeals) != 0 && value(OddsDeals) != kMissing &&
      value(OddsWins) != kMissing)
    description.chance += textOf(seltext::Odds, " (about %1 in %2)")
                              .arg(value(OddsWins))
                              .arg(value(OddsDeals))
                              .toStdString();
  const int passes = value(Passes);
  if (passes == -1)
    description.redeals = textOf(seltext::Unlimited, "Unlimited").toStdString();
  else if (passes != kMissing)
    description.redeals = std::to_string(passes > 0 ? passes - 1 : 0);
  description.gameTime =
      levelText(kGameTime, seltext::GameTimeLevels, textOf, value(GameTime), description.timeLevel);
  return description;
}

}  // namespace quilloro
