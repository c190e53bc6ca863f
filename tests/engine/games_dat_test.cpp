// Reading GAMES.DAT: the transform, sections, the catalogue and parameter columns.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "engine/games_dat.hpp"
#include "engine/games_dat_transform.hpp"

namespace quilloro {
namespace {

std::string stored(const std::string& plain) { return *games_dat::encodeText(plain); }
std::string storedRow(const std::string& plain) { return *games_dat::encodeParameterRow(plain); }

// A plain parameter row: index, separator, eleven unread characters, then
// ten characters and a separator per game.
std::string row(const std::string& index, const std::vector<std::string>& values) {
  std::string text = index + " label      ";
  for (const std::string& value : values) {
    std::string column = value;
    column.resize(10, ' ');
    text += column + " ";
  }
  return text;
}

GamesDat sample(std::vector<std::string> extra = {}) {
  std::vector<std::string> lines{
      "[Sect1]",
      stored("0051000   Klondike                                          "),
      stored("0041001   FreeCell"),
      stored("0081002   Spider"),
      stored("0070007   Short name that is longer than thirty characters"),
      "[Sect2]",
      storedRow(row("0251", {"4", "4", "8", "1"})),
      storedRow(row("0252", {"7", "8", "10", "7"})),
      "[SectS]",
      stored("1"),
      stored("  3  "),
      stored("not a number"),
  };
  lines.insert(lines.end(), extra.begin(), extra.end());
  return GamesDat::fromLines(std::move(lines));
}

TEST(GamesDatTransform, StoredBytesReadShiftedBy48) {
  EXPECT_EQ(games_dat::decodeChar('P'), ' ');
  EXPECT_EQ(games_dat::decodeChar('`'), '0');
  EXPECT_EQ(games_dat::decodeChar('1'), 'a');
  EXPECT_EQ(games_dat::decodeChar(static_cast<char>(200)), static_cast<char>(152));
  for (int c = 32; c < 128; ++c) {
    const std::string plain(1, static_cast<char>(c));
    EXPECT_EQ(games_dat::decodeText(*games_dat::encodeText(plain)), plain) << c;
  }
  EXPECT_FALSE(games_dat::encodeText("tab\there"));
  EXPECT_FALSE(games_dat::encodeText("caff\xc3\xa8"));
  EXPECT_EQ(games_dat::decodeParameterRow("0252 " + stored("x")), "0252 x");
}

TEST(GamesDat, CatalogueFieldsAndSelectedGames) {
  const GamesDat dat = sample();
  ASSERT_EQ(dat.gameCount(), 4);
  EXPECT_EQ(dat.catalogue()[0].name(), "Klondike");
  EXPECT_EQ(dat.catalogue()[0].category(), 5);
  EXPECT_EQ(dat.catalogue()[0].helpTopic(), 1000);
  EXPECT_EQ(dat.catalogue()[3].shortName(), "Short name that is longer than");
  EXPECT_EQ(dat.catalogue()[3].name(), "Short name that is longer than thirty characters");
  EXPECT_EQ(dat.selectedGames(), (std::vector<int>{1, 3}));
  EXPECT_TRUE(dat.isSelected(3));
  EXPECT_FALSE(dat.isSelected(0));
  EXPECT_FALSE(CatalogueEntry("abc").helpTopic());
  EXPECT_EQ(CatalogueEntry("005").name(), "");
}

TEST(GamesDat, ColumnOfTheGameSetsTheParameterOfEachRow) {
  const GamesDat dat = sample();
  GameParameters parameters;
  parameters[param::kCardsInPlay] = 52;  // rows that do not exist keep their value
  dat.loadParameters(3, parameters);
  EXPECT_EQ(parameters[param::kTableauCount], 7);
  EXPECT_EQ(parameters[param::kFoundationCount], 1);
  EXPECT_EQ(parameters[param::kCardsInPlay], 52);
  dat.loadParameters(2, parameters);
  EXPECT_EQ(parameters[param::kTableauCount], 10);
  EXPECT_EQ(dat.readParameters(2, {252, 251, 255, 1, 252, 0, 13}),
            (std::array<ParameterValue, 7>{10, 8, -99, -99, -99, -99, -99}));
}

TEST(GamesDat, SectionsOpenOnlyAtTheStartOfALineAndRepeat) {
  const GamesDat dat = sample({
      "[Other]",
      " [Sect2] opens nothing when it does not start the line",
      storedRow(row("0013", {"9", "9", "9", "9"})),
      "[Sect2]",
      storedRow(row("0017", {"3", "1", "1", "1"})),
  });
  GameParameters parameters;
  dat.loadParameters(0, parameters);
  EXPECT_EQ(parameters[param::kCardsPerClick], 3);
  EXPECT_EQ(parameters[param::kStockPasses], kParameterNotGiven);
}

TEST(GamesDat, BadValuesNameTheLineAndColumnAndLeaveTheParametersAlone) {
  struct Case {
    std::string row;
    int game;
    std::string message;
  };
  const std::vector<Case> cases{
      {row("0013", {"1", "x7", "1", "1"}), 1, "line 14: the value of parameter 0013 for game 1 (columns 28 to 37) is not an integer: \"x7\""},
      {row("0013", {"1", "1"}), 3, "for game 3 (columns 50 to 59) is missing"},
      {row("0013", {"1", "1", "1", "40000"}), 3, "is out of range: 40000"},
      {row("0326", {"1", "1", "1", "1"}), 0, "line 14: the parameter number 326 is outside 0 to 325"},
      {row("00a1", {"1", "1", "1", "1"}), 0, "the parameter number \"00a1\" is not an integer"},
  };
  for (const Case& c : cases) {
    const GamesDat dat = sample({"[Sect2]", storedRow(c.row)});
    GameParameters parameters;
    parameters[param::kTableauCount] = 99;
    try {
      dat.loadParameters(c.game, parameters);
      ADD_FAILURE() << "no error for " << c.row;
    } catch (const GamesDatError& error) {
      EXPECT_EQ(error.kind(), GamesDatError::Kind::Malformed);
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find("GAMES.DAT"), std::string::npos) << error.what();
    }
    EXPECT_EQ(parameters[param::kTableauCount], 99) << "half-loaded by " << c.row;
  }
}

TEST(GamesDat, FilesThatAreMissingOrNotGameDefinitions) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("quilloro-gamesdat-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  try {
    GamesDat::load(dir / "GAMES.DAT");
    ADD_FAILURE() << "a missing file loaded";
  } catch (const GamesDatError& error) {
    EXPECT_EQ(error.kind(), GamesDatError::Kind::FileNotFound);
  }
  {
    std::ofstream junk(dir / "junk.dat", std::ios::binary);
    for (int i = 0; i < 4096; ++i) junk.put(static_cast<char>(i * 37 % 256));
  }
  const GamesDat junk = GamesDat::load(dir / "junk.dat");
  GameParameters parameters;
  EXPECT_NO_THROW(junk.loadParameters(0, parameters));  // no "[Sect2]" rows: nothing set
  {
    std::ofstream crlf(dir / "crlf.dat", std::ios::binary);
    crlf << "[Sect1]\r\n" << stored("0051000   Klondike") << "\r\n[Sect2]\r\n" << storedRow(row("0252", {"7"})) << "\r\n";
  }
  const GamesDat crlf = GamesDat::load(dir / "crlf.dat");
  EXPECT_EQ(crlf.catalogue().at(0).name(), "Klondike");
  crlf.loadParameters(0, parameters);
  EXPECT_EQ(parameters[param::kTableauCount], 7);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quilloro
