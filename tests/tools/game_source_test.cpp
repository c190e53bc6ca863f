// Game sources: parsing, reporting of mistakes, and the GAMES.DAT round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tools/games_dat_writer.hpp"

namespace quilloro {
namespace {

std::string errorOf(const std::string& text) {
  try {
    parseGameSource(text, "x.game");
  } catch (const GameSourceError& error) {
    return error.what();
  }
  return "";
}

std::vector<GameSource> shippedGames() {
  std::vector<GameSource> games;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(QUILLORO_SOURCE_DIR) / "data/games"))
    if (entry.path().extension() == ".game") games.push_back(readGameSource(entry.path()));
  return games;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    result.push_back(text.substr(start, end - start));
  return result;
}

TEST(GameSource, RangesDefaultsAndComments) {
  const GameSource game = parseGameSource(
      "# a game\nindex: 2\nname: Test  # comment\ncategory: 5\nhelp: 1002\nselected: yes\n"
      "27-30 foundation_base_rank: 1\n258-260 deal_tableau: 1 2 3\n220 reserve_type: 4\n",
      "t.game");
  EXPECT_EQ(game.index, 2);
  EXPECT_EQ(game.name, "Test");
  EXPECT_TRUE(game.selected);
  EXPECT_EQ(game.values[29], 1);
  EXPECT_EQ(game.values[259], 2);
  EXPECT_EQ(game.values[220], 4);
  EXPECT_EQ(game.values[255], 52);  // default
  EXPECT_FALSE(game.given[255]);
  EXPECT_EQ(describeIndices({0, 1, 2, 5, 7, 8}), "0-2, 5, 7-8");
}

TEST(GameSource, MistakesNameTheFileAndLine) {
  const std::string head = "index: 0\nname: G\n";
  EXPECT_NE(errorOf(head + "251 tableau_piles: 4\n").find("x.game:3: parameter 251 is \"foundations\""),
            std::string::npos);
  EXPECT_NE(errorOf(head + "258-260 deal_tableau: 1 2\n").find("give one value"), std::string::npos);
  EXPECT_NE(errorOf(head + "251 foundations: 4\n251 foundations: 4\n").find("x.game:4: parameter 251 is given twice"),
            std::string::npos);
  EXPECT_NE(errorOf(head + "251 foundations: 40000\n").find("parameter value"), std::string::npos);
  EXPECT_NE(errorOf(head + "colour: red\n").find("unknown key"), std::string::npos);
  EXPECT_NE(errorOf("name: G\n").find("index is missing"), std::string::npos);
  EXPECT_NE(errorOf("index: 0\nname: caff\xc3\xa8\n").find("ASCII"), std::string::npos);
}

TEST(GamesDatEncoding, IndicesMustRunWithoutGaps) {
  GameSource a = parseGameSource("index: 0\nname: A\n", "a.game");
  GameSource c = parseGameSource("index: 2\nname: C\n", "c.game");
  EXPECT_THROW(encodeGamesDat({a, c}), GameSourceError);
  EXPECT_THROW(encodeGamesDat({a, a}), GameSourceError);
}

TEST(GamesDatEncoding, ShippedGamesRoundTripThroughDecode) {
  const std::vector<GameSource> games = shippedGames();
  ASSERT_GE(games.size(), 3u);
  const std::string encoded = encodeGamesDat(games);
  const GamesDat dat = GamesDat::fromLines(lines(encoded));
  ASSERT_EQ(dat.gameCount(), static_cast<int>(games.size()));

  std::vector<GameSource> reread;
  for (const GameSource& game : decodeGamesDat(dat))
    reread.push_back(parseGameSource(formatGameSource(game), gameSourceFileName(game)));
  EXPECT_EQ(encodeGamesDat(reread), encoded);

  for (const GameSource& game : games) {
    GameParameters parameters;
    dat.loadParameters(game.index, parameters);
    EXPECT_TRUE(std::equal(game.values.begin(), game.values.end(), parameters.values().begin())) << game.name;
    EXPECT_EQ(dat.catalogue()[static_cast<std::size_t>(game.index)].name(), game.name);
    EXPECT_EQ(dat.isSelected(game.index), game.selected);
  }
}

}  // namespace
}  // namespace quilloro
