// Execute move: targets, runs, completed sequences, reordering and the undo
// and sound bookkeeping that goes with every move.
#include <gtest/gtest.h>

#include "game_fixture.hpp"

namespace quilloro {
namespace {

using testing::TestTable;
using Sound = RecordingObserver::Sound;

// Cards: hearts 1-13, diamonds 14-26, clubs 27-39, spades 40-52.
TEST(ExecuteMove, ARunArrivesInOrderFaceUpAndLeavesTheCardBelowAsItWas) {
  TestTable t;
  // Fila1: 3 of clubs face down, then the run 9S 8H 7C 6D face up.
  t.lay("Fila1", "0290" "0481" "0081" "0331" "0191");
  t.lay("Fila2", "0101");  // 10 of hearts
  ASSERT_TRUE(t.game.executeMove(48, "Fila2"));
  EXPECT_EQ(t.tokens("Fila2"), "0101" "0481" "0081" "0331" "0191");
  EXPECT_EQ(t.tokens("Fila1"), "0290");
  EXPECT_EQ(t.game.undoHistory().stepCount(), 1);
  EXPECT_EQ(t.observer.sounds.back(), (Sound{"Tableau", true}));
  EXPECT_EQ(t.observer.flights.size(), 4U);
  // Moves to a tableau pile do not decide the game.
  EXPECT_FALSE(t.game.won());
}

TEST(ExecuteMove, ACardOfAFannedReserveMovesAloneAndUndoesBackInPlace) {
  TestTable t;
  t.set({{param::kReserveCount, 1}, {param::kReserveFannedStacks, -11}});
  t.lay("Appogg1", "0481" "0081" "0331");  // 9S 8H 7C
  t.lay("Fila2", "0101");                  // 10 of hearts
  ASSERT_TRUE(t.game.executeMove(48, "Fila2"));
  EXPECT_EQ(t.tokens("Fila2"), "0101" "0481");
  EXPECT_EQ(t.tokens("Appogg1"), "0081" "0331");
  ASSERT_TRUE(t.game.undo());
  EXPECT_EQ(t.tokens("Appogg1"), "0481" "0081" "0331");
}

TEST(ExecuteMove, FoundationMovesScoreAndSoundByHowTheyWereMade) {
  TestTable t;
  t.lay("Fila1", "0021" "0011");
  t.lay("Mazzo", "0300");
  ASSERT_TRUE(t.game.executeMove(1, "Dest1"));
  ASSERT_TRUE(t.game.executeMove(2, "Dest_Autoplay1"));
  EXPECT_EQ(t.tokens("Dest1"), "0011" "0021");
  EXPECT_EQ(t.observer.sounds, (std::vector<Sound>{{"Foundation.wav", true}, {"Autoplay.wav", true}}));
  EXPECT_EQ(t.game.score(), 2 * 5 - 52);
  EXPECT_EQ(t.observer.counterMoves.front(),
            (RecordingObserver::CounterMove{1, PileKind::Tableau, PileKind::Foundation}));
  // Taking a card back from the foundation costs its five points again.
  ASSERT_TRUE(t.game.executeMove(2, "Fila2"));
  EXPECT_EQ(t.game.score(), 5 - 52);
}

TEST(ExecuteMove, TargetsThatAreNoPileOrCardsNotOnTheTableChangeNothing) {
  TestTable t;
  t.lay("Fila1", "0011");
  const PileLists before = t.game.state.piles;
  for (const char* target : {"Dest0", "Dest17", "Dest", "Fila27", "Fila1x", "Appogg9", "Nowhere", "Dest_Autoplay"})
    EXPECT_FALSE(t.game.executeMove(1, target)) << target;
  EXPECT_FALSE(t.game.executeMove(2, "Dest1"));  // the 2 of hearts is not on the table
  EXPECT_FALSE(t.game.executeMove(0, "Fila2"));
  EXPECT_FALSE(t.game.executeMove(999, "Fila2"));
  EXPECT_EQ(t.game.state.piles, before);
  EXPECT_TRUE(t.game.undoHistory().empty());
}

TEST(ExecuteMove, WasteDiscardAndReserveTargets) {
  TestTable t;
  t.set({{param::kReserveCount, 2}});
  t.lay("Fila1", "0051" "0061");
  t.lay("Mazzo", "0200");
  ASSERT_TRUE(t.game.executeMove(6, "Stock02"));
  ASSERT_TRUE(t.game.executeMove(5, "Waste"));
  EXPECT_EQ(t.tokens("Mazzo_Vis"), "0061");
  EXPECT_EQ(t.tokens("Waste"), "0051");
  ASSERT_TRUE(t.game.executeMove(6, "Appogg2"));
  EXPECT_EQ(t.tokens("Appogg2"), "0061");
  // The discard pile counts like a foundation.
  EXPECT_EQ(t.game.score(), 5 - 52);
}

TEST(ExecuteMove, ReorderedFoundationsKeepAscendingCardNumbers) {
  TestTable t;
  t.set({{param::kReorderFoundations, 1}});
  t.game.state.parameters[param::kFoundationBuildTypeFirst] = 12;
  t.lay("Dest1", "0071" "0021");
  t.lay("Fila1", "0051");
  ASSERT_TRUE(t.game.executeMove(5, "Dest1"));
  EXPECT_EQ(t.tokens("Dest1"), "0021" "0051" "0071");
  EXPECT_EQ(t.observer.sounds.back(), (Sound{"Reorder", true}));
}

// Spider-like: eight sequence foundations, tableau building down in suit.
TestTable spiderTable(int foundationCode) {
  TestTable t;
  t.set({{param::kCardsInPlay, 104}, {param::kFoundationCount, 8}, {param::kTableauCount, 10}});
  for (int i = 0; i < 8; ++i) t.game.state.parameters[param::kFoundationBaseRankFirst + i] = foundationCode;
  for (int i = 0; i < 10; ++i) t.game.state.parameters[param::kTableauBuildTypeFirst + i] = 0;
  return t;
}

TEST(ExecuteMove, ACompletedSequenceGoesHomeAndUndoesWithTheMoveThatCompletedIt) {
  for (const int code : {82, 83}) {
    TestTable t = spiderTable(code);
    std::string kingToTwo = "0270";  // a face-down ace of clubs underneath
    for (int card = 52; card >= 41; --card) kingToTwo += cardToken(card) + "1";
    t.lay("Fila1", kingToTwo);
    t.lay("Fila2", "0011");  // the ace of hearts
    t.lay("Dest1", "0141");  // the first foundation is taken already
    const PileLists before = t.game.state.piles;
    // The ace of hearts does not complete a spade sequence.
    ASSERT_TRUE(t.game.executeMove(1, "Fila1"));
    EXPECT_EQ(t.game.state.piles.pile(PileList::Tableau, 0).cardCount(), 14);
    ASSERT_TRUE(t.game.undo());
    EXPECT_EQ(t.game.state.piles, before);

    t.lay("Fila2", "0401");  // the ace of spades
    const PileLists ready = t.game.state.piles;
    ASSERT_TRUE(t.game.executeMove(40, "Fila1"));
    EXPECT_EQ(t.tokens("Fila1"), "0270") << code;
    const Pile& home = t.game.state.piles.pile(PileList::Foundations, 1);
    ASSERT_EQ(home.cardCount(), 13);
    EXPECT_EQ(home.bottomCard(), 40);
    EXPECT_EQ(home.topCard(), 52);
    EXPECT_EQ(t.game.undoHistory().stepCount(), 1);
    ASSERT_TRUE(t.game.undo());
    EXPECT_EQ(t.game.state.piles, ready);
  }
}

TEST(ExecuteMove, MixedSuitsCompleteOnlyWhereTheFoundationAllowsIt) {
  // Alternate colours: K..A of mixed suits is a sequence for R with type 3.
  TestTable t = spiderTable(82);
  for (int i = 0; i < 10; ++i) t.game.state.parameters[param::kTableauBuildTypeFirst + i] = 3;
  std::string line;
  for (int rank = 13; rank >= 2; --rank) {
    const int card = rank % 2 == 0 ? 39 + rank : rank;  // even ranks spades, odd hearts
    line += cardToken(card) + "1";
  }
  t.lay("Fila1", line);
  t.lay("Fila2", "0271");  // the ace of clubs
  ASSERT_TRUE(t.game.executeMove(27, "Fila1"));
  // The 2 of spades and the ace of clubs are both black: no sequence.
  EXPECT_EQ(t.game.state.piles.pile(PileList::Tableau, 0).cardCount(), 13);
  ASSERT_TRUE(t.game.undo());
  t.lay("Fila2", "0011");
  ASSERT_TRUE(t.game.executeMove(1, "Fila1"));
  EXPECT_TRUE(t.game.state.piles.pile(PileList::Tableau, 0).empty());
}

TEST(ExecuteMove, ThrowingTheSelectionLeavesHolesInASideBySideTableau) {
  TestTable t;
  t.set({{param::kGameFamily, 3}, {param::kTableauFan, 4}});
  t.lay("Fila1", "0011" "0021");
  t.lay("Mazzo_Vis", "0031");
  t.lay("Dest1", "0021" "0031");  // the selection: a card of the tableau and the waste's card
  ASSERT_TRUE(t.game.executeMove(0, "Selezionate_Dest"));
  EXPECT_EQ(t.tokens("Fila1"), "0011" "0000");
  EXPECT_EQ(t.tokens("Mazzo_Vis"), "");
  EXPECT_EQ(t.tokens("Waste"), "0021" "0031");
  EXPECT_EQ(t.tokens("Dest1"), "");
  EXPECT_EQ(t.observer.sounds.front(), (Sound{"Pairing", true}));
  EXPECT_EQ(t.observer.pauses, std::vector<int>{150});
}

}  // namespace
}  // namespace quilloro
