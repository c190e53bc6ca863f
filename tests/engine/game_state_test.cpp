// The table operations: putting, restoring, searching and turning cards.
#include <gtest/gtest.h>

#include "engine/game_state.hpp"

namespace quilloro {
namespace {

class GameStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.parameters[param::kFoundationCount] = 4;
    state.parameters[param::kTableauCount] = 7;
    state.parameters[param::kReserveCount] = 2;
  }
  std::string tableau(int index) const { return state.piles.pile(PileList::Tableau, index).pileString(); }
  GameState state;
};

TEST_F(GameStateTest, PutCardAppendsAndSetsTheFaceStateOnlyWhenGiven) {
  state.putCard(PileList::Tableau, 0, 1, "0");
  state.putCard(PileList::Tableau, 0, 14, "");
  state.putCard(PileList::Tableau, 0, 27, "1");
  state.putCard(PileList::Tableau, 0, 0, "0");  // a hole never touches a card's state
  EXPECT_EQ(tableau(0), "001014027000");
  EXPECT_TRUE(state.isFaceDown(1));
  EXPECT_FALSE(state.isFaceDown(14));
  EXPECT_EQ(state.stateTokens(state.piles.pile(PileList::Tableau, 0)), "0010014102710000");
}

TEST_F(GameStateTest, NamedPilesExcludeTheStockAndMoveCommands) {
  EXPECT_TRUE(state.putCardOnNamedPile("Fila10", 5, "1"));
  EXPECT_TRUE(state.putCardOnNamedPile("Appogg3", 6, "1"));
  EXPECT_TRUE(state.putCardOnNamedPile("Mazzo_Vis", 7, "1"));
  EXPECT_TRUE(state.putCardOnNamedPile("Dest2", 8, "1"));
  EXPECT_FALSE(state.putCardOnNamedPile("Mazzo", 9, "1"));
  EXPECT_FALSE(state.putCardOnNamedPile("Waste", 9, "1"));
  EXPECT_EQ(tableau(9), "005");
  EXPECT_EQ(state.piles.pile(PileList::Reserves, 2).pileString(), "006");
  EXPECT_EQ(state.piles.waste().pileString(), "007");
  EXPECT_TRUE(state.piles.stock().empty());
  EXPECT_TRUE(state.piles.discard().empty());
}

TEST_F(GameStateTest, RestorePileReadsStateTokensAndRefusesMalformedOnes) {
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 2, "0010000002710521"));
  EXPECT_EQ(tableau(2), "001000027052");
  EXPECT_TRUE(state.isFaceDown(1));
  EXPECT_FALSE(state.isFaceDown(27));
  EXPECT_EQ(state.stateTokens(state.piles.pile(PileList::Tableau, 2)), "0010000002710521");

  for (const char* bad : {"001", "00a1", "10510000", "0010002"}) {
    EXPECT_FALSE(state.restorePile(PileList::Tableau, 2, bad)) << bad;
    EXPECT_EQ(tableau(2), "001000027052") << bad;
  }
  EXPECT_FALSE(state.isFaceDown(27));
  ASSERT_TRUE(state.restorePile(PileList::Tableau, 2, ""));
  EXPECT_EQ(tableau(2), "");
}

TEST_F(GameStateTest, FindingACardFollowsTheSearchOrderAndRespectsPilesInUse) {
  state.putCard(PileList::Tableau, 7, 10, "");  // pile 8 is not in use with 7 tableau piles
  state.putCard(PileList::Reserves, 7, 10, "");
  EXPECT_EQ(state.findCardPileKind(10, SearchMode::Report), PileKind::Reserve);
  state.putCard(PileList::Stock, kDiscardIndex, 11, "");
  state.putCard(PileList::Stock, kStockIndex, 12, "");
  state.putCard(PileList::Foundations, 15, 13, "");
  state.putCard(PileList::Stock, kWasteIndex, 14, "");
  EXPECT_EQ(state.findCardPileKind(11, SearchMode::Report), PileKind::Discard);
  EXPECT_EQ(state.findCardPileKind(12, SearchMode::Report), PileKind::Stock);
  EXPECT_EQ(state.findCardPileKind(13, SearchMode::Report), PileKind::Foundation);
  EXPECT_EQ(state.findCardPileKind(14, SearchMode::Report), PileKind::Waste);
  EXPECT_EQ(state.findCardPileKind(99, SearchMode::Report), PileKind::None);
  EXPECT_EQ(state.findCardPileKind(0, SearchMode::Report), PileKind::None);

  state.putCard(PileList::Tableau, 3, 20, "");
  state.putCard(PileList::Tableau, 3, 21, "");
  EXPECT_EQ(state.takeCardOutLeavingHole(20), PileKind::Tableau);
  EXPECT_EQ(tableau(3), "000021");
  EXPECT_EQ(state.takeCardOutOfPlay(21), PileKind::Tableau);
  EXPECT_EQ(tableau(3), "000");
  EXPECT_EQ(state.takeCardOutOfPlay(21), PileKind::None);
}

TEST_F(GameStateTest, FaceStatesOfTopCardsAndAlternateDeal) {
  for (CardNumber card : {1, 2, 3, 4, 5}) state.putCard(PileList::Tableau, 0, card, "0");
  state.setTopFaceStates(state.piles.pile(PileList::Tableau, 0), 2, "1");
  EXPECT_EQ(state.stateTokens(state.piles.pile(PileList::Tableau, 0)), "00100020003000410051");
  state.setTopFaceStates(state.piles.pile(PileList::Tableau, 0), 9, "0");
  EXPECT_TRUE(state.isFaceDown(1));
  EXPECT_TRUE(state.isFaceDown(5));

  for (CardNumber card : {6, 7, 8, 9}) state.putCard(PileList::Tableau, 1, card, "1");
  state.setTopFaceStates(state.piles.pile(PileList::Tableau, 1), -1, "");
  EXPECT_EQ(state.stateTokens(state.piles.pile(PileList::Tableau, 1)), "0061007000810090");
}

TEST_F(GameStateTest, LongestTableauPileCountsOnlyPilesInUse) {
  EXPECT_EQ(state.longestTableauPile(), 0);
  for (int i = 0; i < 3; ++i) state.putCard(PileList::Tableau, 6, 1 + i, "");
  for (int i = 0; i < 5; ++i) state.putCard(PileList::Tableau, 7, 10 + i, "");
  EXPECT_EQ(state.longestTableauPile(), 3);
  state.parameters[param::kTableauCount] = 40;  // a bad column is held to the 26 piles that exist
  EXPECT_EQ(state.longestTableauPile(), 5);
  state.piles.clear();
  EXPECT_EQ(state.longestTableauPile(), 0);
  EXPECT_THROW(state.piles.pile(PileList::Reserves, 8), std::out_of_range);
}

}  // namespace
}  // namespace quilloro
