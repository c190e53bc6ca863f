// Undo and redo: the checks that refuse them, both histories, single-level
// mode, silent stepping and the history's text form.
#include <gtest/gtest.h>

#include "game_fixture.hpp"

namespace quilloro {
namespace {

using testing::TestTable;

class UndoRedo : public ::testing::Test {
 protected:
  void SetUp() override {
    t.lay("Fila1", "0021" "0011");
    t.lay("Fila2", "0140");
    t.lay("Mazzo", "0300" "0310");
    dealt = t.game.state.piles;
  }
  TestTable t;
  PileLists dealt;
};

TEST_F(UndoRedo, NothingToUndoOrRedoBeeps) {
  EXPECT_FALSE(t.game.undo());
  EXPECT_FALSE(t.game.redo());
  EXPECT_EQ(t.observer.beeps, 2);
  EXPECT_EQ(t.game.state.piles, dealt);
}

TEST_F(UndoRedo, EveryKindOfMoveUndoesAndRedoesExactly) {
  std::vector<PileLists> positions{dealt};
  ASSERT_TRUE(t.game.executeMove(1, "Dest1"));
  positions.push_back(t.game.state.piles);
  ASSERT_TRUE(t.game.turnTopCard(1));
  positions.push_back(t.game.state.piles);
  ASSERT_TRUE(t.game.executeMove(0, "Mazzo_Vis"));
  positions.push_back(t.game.state.piles);
  ASSERT_TRUE(t.game.executeMove(2, "Dest_Autoplay1"));
  positions.push_back(t.game.state.piles);
  const int scoreAtEnd = t.game.score();

  for (int i = static_cast<int>(positions.size()) - 2; i >= 0; --i) {
    ASSERT_TRUE(t.game.undo());
    EXPECT_EQ(t.game.state.piles, positions[static_cast<std::size_t>(i)]) << i;
  }
  EXPECT_TRUE(t.game.state.isFaceDown(14));
  EXPECT_EQ(t.game.score(), -52);
  for (std::size_t i = 1; i < positions.size(); ++i) {
    ASSERT_TRUE(t.game.redo());
    EXPECT_EQ(t.game.state.piles, positions[i]) << i;
  }
  EXPECT_EQ(t.game.score(), scoreAtEnd);
  EXPECT_EQ(t.observer.sounds.back().fileName, "Redo");
}

TEST_F(UndoRedo, ANewMoveEndsRedo) {
  ASSERT_TRUE(t.game.executeMove(1, "Dest1"));
  ASSERT_TRUE(t.game.undo());
  ASSERT_TRUE(t.game.executeMove(1, "Fila2"));
  EXPECT_FALSE(t.game.redo());
  EXPECT_EQ(t.observer.beeps, 1);
}

TEST_F(UndoRedo, SingleLevelModeAllowsOneStepEachWay) {
  t.settings.set(field::UndoEnabled, "1");
  ASSERT_TRUE(t.game.executeMove(1, "Dest1"));
  ASSERT_TRUE(t.game.executeMove(2, "Dest1"));
  EXPECT_TRUE(t.game.undo());
  EXPECT_FALSE(t.game.undo());
  EXPECT_TRUE(t.game.redo());
  EXPECT_FALSE(t.game.redo());
  EXPECT_TRUE(t.game.undo());
  EXPECT_EQ(t.observer.beeps, 2);
}

TEST_F(UndoRedo, DisabledUndoAndNoGameUnderWayRefuse) {
  ASSERT_TRUE(t.game.executeMove(1, "Dest1"));
  t.settings.set(field::UndoEnabled, "2");
  EXPECT_FALSE(t.game.undo());
  t.settings.set(field::UndoEnabled, "0");
  t.game.setUnderWay(false);
  EXPECT_FALSE(t.game.undo());
  // The demo player steps even so, and silently.
  EXPECT_TRUE(t.game.undo(true));
  EXPECT_EQ(t.game.state.piles, dealt);
  EXPECT_EQ(t.observer.beeps, 2);
  EXPECT_TRUE(t.observer.redraws.empty() || t.observer.redraws.back() != Redraw::Table);
  for (const auto& sound : t.observer.sounds) EXPECT_NE(sound.fileName, "Undo");
  EXPECT_TRUE(t.game.redo(true));
  EXPECT_FALSE(t.game.redo(true));
}

TEST_F(UndoRedo, EmptyingTheStockByTurningCardsLeavesTheRedealCountAlone) {
  ASSERT_TRUE(t.game.executeMove(0, "Mazzo_Vis"));
  ASSERT_TRUE(t.game.executeMove(0, "Mazzo_Vis"));
  ASSERT_TRUE(t.game.undo());
  ASSERT_TRUE(t.game.undo());
  EXPECT_EQ(t.game.redealCount(), 1);
}

TEST(UndoSelection, UndoClearsTheSelection) {
  TestTable t;
  t.set({{param::kGameFamily, 3}});
  t.lay("Fila1", "0011");
  t.lay("Fila2", "0121");
  t.lay("Dest1", "0011");  // the ace is selected
  ASSERT_TRUE(t.game.executeMove(12, "Fila3"));
  ASSERT_TRUE(t.game.undo());
  EXPECT_EQ(t.tokens("Dest1"), "");
  EXPECT_EQ(t.tokens("Fila2"), "0121");
}

TEST(UndoHistoryText, LinesRoundTripAndMalformedListsAreRefused) {
  TestTable t;
  t.lay("Fila1", "0011" "0000" "0210");
  t.lay("Appogg8", "1041");
  UndoHistory history;
  history.push(t.game.state, false);
  t.lay("Fila1", "");
  history.push(t.game.state, false);
  ASSERT_EQ(history.lines(PileList::Tableau).size(), 52U);
  EXPECT_EQ(history.lines(PileList::Tableau)[0], "0011" "0000" "0210");
  EXPECT_EQ(history.lines(PileList::Reserves)[7], "1041");

  const std::array<std::vector<std::string>, 4> lists{history.lines(PileList::Stock),
                                                      history.lines(PileList::Foundations),
                                                      history.lines(PileList::Tableau),
                                                      history.lines(PileList::Reserves)};
  const auto copy = UndoHistory::fromLines(lists);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->lines(PileList::Tableau), lists[2]);
  EXPECT_LT(copy->storedBytes() / 2, 512U);

  auto broken = lists;
  broken[0].pop_back();
  EXPECT_FALSE(UndoHistory::fromLines(broken));
  broken = lists;
  broken[2][3] = "00x1";
  EXPECT_FALSE(UndoHistory::fromLines(broken));
  broken = lists;
  broken[2][4] = "0011";  // the ace of hearts twice in the first step
  EXPECT_FALSE(UndoHistory::fromLines(broken));
  broken = lists;
  broken[2][4] = "1051";  // no card 105
  EXPECT_FALSE(UndoHistory::fromLines(broken));

  GameState restored;
  UndoHistory stepped = *copy;
  ASSERT_TRUE(stepped.popInto(restored));
  ASSERT_TRUE(stepped.popInto(restored));
  EXPECT_EQ(restored.stateTokens(restored.piles.pile(PileList::Tableau, 0)), "0011" "0000" "0210");
  EXPECT_TRUE(restored.isFaceDown(21));
  EXPECT_FALSE(stepped.popInto(restored));
}

}  // namespace
}  // namespace quilloro
