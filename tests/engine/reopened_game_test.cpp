// Games that go on after a game file: the selection, the rules, the history
// and the redeal count come back as they were, and the reader takes what the
// format allows while refusing what no table can hold.
#include <gtest/gtest.h>

#include <fstream>

#include "app/core/shared_routines.hpp"
#include "session_fixture.hpp"

namespace quilloro {
namespace {

using testing::Session;

constexpr int kFifteens = 35;      // pairs and groups summing to 15, refilled from the stock
constexpr int kPenguin = 48;       // empty tableau piles take the rank below the foundations' base
constexpr int kAgnesBernauer = 28;
constexpr int kReshuffling = 58;   // redeals gather and deal the tableau again

std::vector<std::string> fileLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  std::ofstream out(file, std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
}

int cardCountOnTable(const GameState& state, bool withFoundation1 = true) {
  int cards = 0;
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i) {
      if (!withFoundation1 && list == PileList::Foundations && i == 0) continue;
      for (const std::uint8_t card : state.piles.pile(list, i).slots()) cards += card != kNoCard ? 1 : 0;
    }
  return cards;
}

// What empty tableau piles accept, and the foundations' base ranks.
std::vector<int> baseRanks(const Game& game) {
  std::vector<int> ranks;
  for (int i = 0; i < kMaxTableau; ++i) ranks.push_back(game.state.parameters[param::kTableauBaseRankFirst + i]);
  for (int i = 0; i < kMaxFoundations; ++i) ranks.push_back(game.state.parameters[param::kFoundationBaseRankFirst + i]);
  return ranks;
}

SelectOutcome select(Session& s, CardNumber card) {
  for (const PileList list : {PileList::Tableau, PileList::Stock})
    for (int i = 0; i < pileListSize(list); ++i)
      if (s.game().state.piles.pile(list, i).search(card, SearchMode::Report))
        return s.session.pressInSelectionGame({list, i}, card);
  return SelectOutcome::Ignored;
}

TEST(ReopenedGame, ASelectionSavedHalfwayComesBackAndUndoesTheThrowWithItsRefill) {
  Session s;
  s.settings.setInteger(field::Game, kFifteens);
  s.deal("1");
  const std::vector<std::string> dealt = s.table();
  ASSERT_EQ(select(s, 23), SelectOutcome::Marked);
  const std::vector<std::string> selected = s.table();
  ASSERT_FALSE(s.session.save(s.home / "S.gam"));
  const OpenOutcome opened = s.session.open(s.home / "S.gam");
  ASSERT_TRUE(opened.opened()) << opened.error;
  EXPECT_EQ(s.table(), selected);
  EXPECT_EQ(s.game().selection(), std::vector<CardNumber>{23});
  ASSERT_EQ(select(s, 23), SelectOutcome::Marked);  // chosen again: it leaves the selection
  EXPECT_TRUE(s.game().selection().empty());

  // 5 + 8 + 2: thrown, and the three piles refilled from the stock.
  ASSERT_EQ(select(s, 31), SelectOutcome::Marked);
  ASSERT_EQ(select(s, 8), SelectOutcome::Marked);
  ASSERT_EQ(select(s, 28), SelectOutcome::Thrown);
  EXPECT_EQ(s.game().state.piles.discard().cardCount(), 3);
  ASSERT_TRUE(s.game().undo());
  EXPECT_EQ(s.table(), dealt);
  ASSERT_TRUE(s.game().redo());
  EXPECT_EQ(s.game().state.piles.discard().cardCount(), 3);
  for (int t = 0; t < s.game().state.pilesInUse(PileList::Tableau); ++t)
    EXPECT_FALSE(s.game().state.piles.pile(PileList::Tableau, t).empty()) << t;
}

TEST(ReopenedGame, EmptyTableauPilesKeepTheRankTheyTookAtTheDeal) {
  for (const int index : {kPenguin, kAgnesBernauer}) {
    Session s;
    s.settings.setInteger(field::Game, index);
    s.deal("1");
    const std::vector<int> dealt = baseRanks(s.game());
    ASSERT_NE(dealt[0], 91) << index;
    ASSERT_FALSE(s.session.save(s.home / "g.gam"));
    ASSERT_TRUE(s.session.open(s.home / "g.gam").opened());
    EXPECT_EQ(baseRanks(s.game()), dealt) << index;
    ASSERT_TRUE(s.session.restart());
    EXPECT_EQ(baseRanks(s.game()), dealt) << index;
    std::filesystem::create_directories(s.home / "Demos");
    ASSERT_FALSE(s.session.save(s.session.demoFile()));
    ASSERT_TRUE(s.session.startDemo().error.empty());
    EXPECT_EQ(baseRanks(s.game()), dealt) << index;
  }
}

TEST(ReopenedGame, UndoingARedealGivesItBackAlsoWhenTheStockNeverEmpties) {
  Session s;
  s.settings.setInteger(field::Game, kReshuffling);
  s.deal("1");
  ASSERT_EQ(s.game().state.parameters[param::kRedealReshuffles], 1);
  const int allowed = s.game().state.parameters[param::kStockPasses];
  ASSERT_GT(allowed, 1);
  auto redeal = [&s] {
    if (s.game().pressStock() != StockPress::Pressed) return false;
    return s.game().releaseStock();
  };
  for (int i = 1; i < allowed; ++i) ASSERT_TRUE(redeal()) << i;
  EXPECT_FALSE(redeal());  // every redeal used
  ASSERT_TRUE(s.game().undo());
  EXPECT_EQ(s.game().redealCount(), allowed - 1);
  ASSERT_TRUE(redeal());
  ASSERT_TRUE(s.game().undo());
  ASSERT_TRUE(s.game().undo());
  EXPECT_EQ(s.game().redealCount(), allowed - 2);
  ASSERT_TRUE(redeal());
  while (s.game().undo()) {
  }
  EXPECT_EQ(s.game().redealCount(), 1);
}

// A Klondike game file, changed line by line.
struct KlondikeFile {
  KlondikeFile() {
    s.deal("3");
    s.clickStock(5);
    EXPECT_FALSE(s.session.save(s.home / "good.gam"));
    lines = fileLines(testing::readFile(s.home / "good.gam"));
  }
  OpenOutcome open(const std::vector<std::string>& changed, const std::string& name) {
    writeLines(s.home / name, changed);
    return s.session.open(s.home / name);
  }
  Session s;
  std::vector<std::string> lines;
};

TEST(ReopenedGame, LongPileLinesAreBoundedAndTheHistoryLosesNoCard) {
  KlondikeFile f;
  std::vector<std::string> holes = f.lines;
  holes[32] += std::string(4 * 200, '0');  // tableau 2 ends in 200 holes
  const OpenOutcome opened = f.open(holes, "holes.gam");
  ASSERT_TRUE(opened.opened()) << opened.error;
  f.s.clickStock(1);
  ASSERT_TRUE(f.s.game().undo());
  EXPECT_EQ(cardCountOnTable(f.s.game().state), 52);
  EXPECT_EQ(f.s.game().state.piles.pile(PileList::Tableau, 1).cardCount(),
            static_cast<int>(f.lines[32].size() / 4) + 200);

  std::vector<std::string> tooMany = f.lines;
  tooMany[32] += std::string(4 * 300, '0');
  const OpenOutcome refused = f.open(tooMany, "too many.gam");
  EXPECT_EQ(refused.status, OpenOutcome::Status::Failed);
  EXPECT_NE(refused.error.find("too many.gam: line 33"), std::string::npos) << refused.error;
}

TEST(ReopenedGame, TheReaderTakesWhatTheFormatAllowsAndRefusesImpossibleCards) {
  KlondikeFile f;
  std::vector<std::string> loose = f.lines;
  loose[1].replace(50, 15, std::string(15, ' '));  // no game number
  loose[32] += "00";                                // half a token at the end
  std::string& tableau7 = loose[37];
  ASSERT_EQ(tableau7[3], '0');
  tableau7[3] = 'x';  // neither 0 nor 1: face up
  const OpenOutcome opened = f.open(loose, "loose.gam");
  ASSERT_TRUE(opened.opened()) << opened.error;
  EXPECT_EQ(f.s.settings.get(field::GameNumber), "0000000000000");
  EXPECT_EQ(f.s.game().state.stateTokens(f.s.game().state.piles.pile(PileList::Tableau, 1)), f.lines[32]);
  EXPECT_FALSE(f.s.game().state.isFaceDown(static_cast<CardNumber>(std::stoi(tableau7.substr(0, 3)))));

  std::vector<std::string> beyondPack = f.lines;
  beyondPack[40] += "0531";  // card 53 in a game of one pack
  std::vector<std::string> onFoundationToo = f.lines;
  onFoundationToo[15] = f.lines[32].substr(0, 4);  // tableau 2's card: foundation 1 is no selection here
  std::vector<std::string> twiceInHistory = f.lines;
  const std::size_t firstFoundationStep =
      std::find(f.lines.begin(), f.lines.end(), "[UNDO - Foundations]") - f.lines.begin() + 1;
  const std::size_t firstTableauStep =
      std::find(f.lines.begin(), f.lines.end(), "[UNDO - Piles]") - f.lines.begin() + 1;
  twiceInHistory[firstFoundationStep] = f.lines[firstTableauStep].substr(0, 4);
  for (const auto& [name, changed, line] :
       {std::tuple{"beyond.gam", beyondPack, 41}, std::tuple{"twice.gam", onFoundationToo, 16},
        std::tuple{"history.gam", twiceInHistory, static_cast<int>(firstTableauStep + 1)}}) {
    const OpenOutcome refused = f.open(changed, name);
    EXPECT_EQ(refused.status, OpenOutcome::Status::Failed) << name;
    EXPECT_NE(refused.error.find(std::string(name) + ": line " + std::to_string(line) + ":"), std::string::npos)
        << refused.error;
  }
}

TEST(ReopenedGame, AFilePlayerTheResultFilesCannotStoreIsIgnored) {
  KlondikeFile f;
  for (const std::string bad : {"=bad", "[Klondike]", "#x", ";x", ""}) {
    std::vector<std::string> changed = f.lines;
    changed[1].replace(0, 50, fnPadRight(bad, 50));
    f.s.observer.clear();
    ASSERT_TRUE(f.open(changed, "player.gam").opened()) << bad;
    EXPECT_EQ(f.s.settings.get(field::UserDefault), "Tester") << bad;
    ASSERT_FALSE(f.s.observer.messages.empty()) << bad;
  }
}

}  // namespace
}  // namespace quilloro
