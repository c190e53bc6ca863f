// Move legality: building rules, letter codes, run limits, drop targets and taking cards.
#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/move_rules.hpp"
#include "engine/recording_observer.hpp"

namespace quilloro {
namespace {

constexpr CardNumber H(int rank) { return rank; }
constexpr CardNumber D(int rank) { return 13 + rank; }
constexpr CardNumber C(int rank) { return 26 + rank; }
constexpr CardNumber S(int rank) { return 39 + rank; }
constexpr CardNumber kSecondPack = 52;
constexpr PileRef kWaste{PileList::Stock, kWasteIndex};

class TestGeometry : public TableGeometry {
 public:
  bool isPlaced(PileRef pile) const override { return wastePlaced || pile != kWaste; }
  Point cardPosition(PileRef, int) const override { return {}; }
  bool wastePlaced = true;
};

// Four foundations building up in suit from the ace, four tableau piles
// building down in alternate colours with kings on gaps, two reserves.
class MoveRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GameParameters& p = state.parameters;
    p.values().fill(0);
    p[param::kFoundationCount] = 4;
    p[param::kTableauCount] = 4;
    p[param::kReserveCount] = 2;
    p[param::kMaxCardsMoved] = -1;
    foundations(1, 1, 0);
    for (int t = 0; t < kMaxTableau; ++t) tableau(t, kKing, 3, false);
  }
  void foundations(int base, int direction, int type) {
    for (int n = 0; n < kMaxFoundations; ++n) {
      set(param::kFoundationBaseRankFirst + n, base);
      set(param::kFoundationDirectionFirst + n, direction);
      set(param::kFoundationBuildTypeFirst + n, type);
    }
  }
  void tableau(int pile, int base, int type, bool passBase) {  // building down
    set(param::kTableauBaseRankFirst + pile, base);
    set(param::kTableauBuildTypeFirst + pile, type);
    set(param::kTableauPassBaseFirst + pile, passBase ? 1 : 0);
  }
  void set(int index, int value) { state.parameters[index] = static_cast<ParameterValue>(value); }
  void put(PileList list, int index, std::initializer_list<CardNumber> cards, const char* face = "1") {
    for (CardNumber card : cards) state.putCard(list, index, card, face);
  }
  void clear(PileList list, int index) { state.piles.pile(list, index).clear(); }
  bool home(int foundation, CardNumber card) const { return rules.mayDropOnFoundation(foundation, card); }
  bool onTableau(int pile, const std::vector<CardNumber>& run) const { return rules.mayDropOnTableau(pile, run); }
  // A question as tableau pile 1 asks it: downward, no wrap.
  bool onto(CardNumber base, CardNumber moving, int type) const {
    PlacementQuery query{.baseCard = base, .movingCard = moving, .baseCode = kKing, .buildType = type};
    query.foundation1BaseCode = state.parameters[param::kFoundationBaseRankFirst];
    return rules.placementAllowed(query);
  }

  GameState state;
  TestGeometry geometry;
  RecordingObserver observer;
  MoveRules rules{state, geometry, observer};
};

TEST_F(MoveRulesTest, FoundationsStartWithTheAceFollowSuitAndStopAtThirteen) {
  EXPECT_TRUE(home(0, H(1)));
  EXPECT_FALSE(home(0, H(2)) || rules.mayDropOnFoundation(0, H(1), 2));  // a dragged run never goes home
  put(PileList::Foundations, 0, {H(1)});
  put(PileList::Foundations, 1, {S(1)});
  EXPECT_TRUE(home(0, H(2)));
  EXPECT_FALSE(home(1, H(2)));
  for (int rank = 2; rank <= kKing; ++rank) put(PileList::Foundations, 0, {H(rank)});
  EXPECT_FALSE(home(0, H(1) + kSecondPack));
  EXPECT_FALSE(home(4, D(1)) || home(-1, D(1)));  // four foundations in use
}

TEST_F(MoveRulesTest, FoundationsWrapFromKingToAceUnlessTheyStartAtTheAce) {
  foundations(7, 1, 0);
  for (int rank : {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6}) {
    EXPECT_TRUE(home(0, C(rank))) << rank;
    put(PileList::Foundations, 0, {C(rank)});
  }
  EXPECT_FALSE(home(0, C(7) + kSecondPack));

  PlacementQuery query{.baseCard = S(13), .movingCard = S(1), .baseCode = 1, .foundation1BaseCode = 1,
                       .upward = true, .buildType = 0, .wrap = true, .passBase = true};
  EXPECT_FALSE(rules.placementAllowed(query));
  query.baseCode = query.foundation1BaseCode = 7;
  EXPECT_TRUE(rules.placementAllowed(query));
}

TEST_F(MoveRulesTest, TableauBuildingStopsAtTheFoundationBaseUnlessItMayPass) {
  put(PileList::Tableau, 0, {D(5), H(1)});
  EXPECT_FALSE(onTableau(0, {S(13)}));
  tableau(0, kKing, 3, true);
  EXPECT_TRUE(onTableau(0, {S(13)}));
  EXPECT_FALSE(onTableau(0, {D(13)}));  // colours alternate

  set(param::kFoundationBaseRankFirst, 7);
  put(PileList::Tableau, 1, {H(7)});
  put(PileList::Tableau, 2, {H(8)});
  EXPECT_FALSE(onTableau(1, {S(6)}));
  EXPECT_TRUE(onTableau(2, {S(7)}));
  set(param::kFoundationBaseRankFirst, base_code::kAceBalanced);
  EXPECT_FALSE(onto(H(1), S(13), 3));  // letter codes that start at the ace stop at the ace
  put(PileList::Tableau, 3, {S(9)}, "0");
  EXPECT_FALSE(onTableau(3, {H(8)}));
}

TEST_F(MoveRulesTest, EmptyTableauPilesTakeTheirBaseRank) {
  EXPECT_TRUE(onTableau(0, {C(13)}) && !onTableau(0, {C(12)}));
  tableau(0, 0, 3, false);
  tableau(1, base_code::kAnyCard, 3, false);
  EXPECT_TRUE(!onTableau(0, {C(13)}) && onTableau(1, {C(12)}));
  set(param::kFoundationBaseRankFirst, base_code::kAnyCard);
  EXPECT_TRUE(onTableau(0, {C(12)}));
}

TEST_F(MoveRulesTest, RunLengthCountsFreeReservesAndFreeTableauPiles) {
  set(param::kMaxCardsMoved, -5);
  tableau(3, base_code::kAnyCard, 3, false);
  put(PileList::Tableau, 0, {S(9)});
  put(PileList::Tableau, 1, {S(10)});
  put(PileList::Tableau, 2, {S(11)});
  EXPECT_TRUE(rules.runShortEnough(4, false) && rules.runShortEnough(3, true));
  EXPECT_FALSE(rules.runShortEnough(5, false) || rules.runShortEnough(4, true));
  EXPECT_TRUE(onTableau(3, {H(9), S(8), H(7)}));
  EXPECT_FALSE(onTableau(3, {H(9), S(8), H(7), S(6)}));
  put(PileList::Tableau, 3, {S(12)});
  EXPECT_TRUE(rules.runShortEnough(3, false) && !rules.runShortEnough(4, false));

  set(param::kMaxCardsMoved, -2);  // free tableau piles, at least one
  EXPECT_TRUE(rules.runShortEnough(1, false) && !rules.runShortEnough(2, false));
  set(param::kMaxCardsMoved, 0);
  EXPECT_FALSE(rules.runShortEnough(1, false) || rules.mayTake({PileList::Tableau, 0}, S(9)));
}

TEST_F(MoveRulesTest, FoundationsThatFollowTheTableauOrTakeQueens) {
  set(param::kFoundationBuildTypeFirst, 22);
  EXPECT_TRUE(home(0, D(1)) && !home(0, C(5)));
  for (CardNumber top : {C(9), C(1)}) {
    put(PileList::Tableau, 0, {top});
    EXPECT_TRUE(home(0, C(5))) << top;
    clear(PileList::Tableau, 0);
  }
  put(PileList::Tableau, 0, {C(9), C(3)});
  put(PileList::Tableau, 1, {S(9)});
  EXPECT_FALSE(home(0, C(5)));

  set(param::kFoundationBuildTypeFirst + 1, 10);
  EXPECT_TRUE(home(1, H(12)) && !home(1, H(11)));
  put(PileList::Foundations, 1, {H(12)});
  EXPECT_FALSE(home(1, D(12)));
}

TEST_F(MoveRulesTest, ColourBalanceSharesLetterFoundationsOutByColourAndSuit) {
  foundations(base_code::kAceDistinctSuits, 1, 0);
  EXPECT_TRUE(home(0, H(1)));
  put(PileList::Foundations, 0, {H(1)});
  EXPECT_FALSE(home(1, H(1) + kSecondPack) || home(1, D(2)));
  EXPECT_TRUE(home(1, D(1)));

  foundations(base_code::kAceBalanced, 1, 0);  // two red and two black aces, suits may repeat
  put(PileList::Foundations, 1, {H(1) + kSecondPack});
  EXPECT_TRUE(!home(2, D(1)) && home(2, S(1)));

  clear(PileList::Foundations, 1);
  foundations(base_code::kKingDistinctSuits, 0, 0);
  EXPECT_TRUE(home(2, S(13)));
  EXPECT_FALSE(home(2, S(1)) || home(2, H(13)));  // hearts already lie on foundation 1
  EXPECT_TRUE(observer.messages.empty());
}

TEST_F(MoveRulesTest, SequenceAndSameRankLetterCodes) {
  for (int code : {base_code::kSequencesOnly, base_code::kSuitSequencesOnly}) {
    foundations(code, 1, 0);
    EXPECT_FALSE(home(0, H(1)) || home(0, H(13))) << code;
  }
  foundations(base_code::kSameRankAsFoundations, 1, 0);
  EXPECT_TRUE(home(0, H(5)));  // the first card sets the rank
  put(PileList::Foundations, 0, {H(5)});
  EXPECT_TRUE(home(1, S(5)) && home(0, H(6)));
  EXPECT_FALSE(home(1, S(6)));
}

TEST_F(MoveRulesTest, BuildTypesWithTheirOwnRanksAndSuits) {
  EXPECT_TRUE(onto(H(12), S(1), 14) && onto(H(13), S(3), 15));  // steps wrap past the king
  EXPECT_TRUE(onto(-1, S(2), 14) && onto(0, S(2), 14));         // an empty pile counts as rank 0
  EXPECT_FALSE(onto(S(13), S(12), 11) || onto(S(11), S(12), 11));
  EXPECT_FALSE(onto(S(6), S(5), 21) || onto(H(12), H(13), 24) || onto(S(6), C(5), 24));
  EXPECT_TRUE(onto(S(6), S(4), 25) && onto(0, D(4), 25));
  EXPECT_TRUE(onto(S(6), S(7), 23));
  put(PileList::Stock, kWasteIndex, {C(2)});
  EXPECT_FALSE(onto(S(6), S(7), 23));  // only while the waste is empty
  put(PileList::Tableau, 0, {C(1), C(2)});
  EXPECT_TRUE(onto(C(2), H(1), 26) && !onto(0, H(1), 26));
  put(PileList::Tableau, 0, {C(3)});
  EXPECT_FALSE(onto(C(3), H(4), 26));  // the pile holds three cards
}

TEST_F(MoveRulesTest, TypesThatLookWhereTheCardComesFrom) {
  put(PileList::Tableau, 1, {S(5)});
  put(PileList::Reserves, 0, {S(6)});
  put(PileList::Stock, kWasteIndex, {S(7)});
  EXPECT_EQ(rules.cardLocation(S(6)), -21);
  EXPECT_TRUE(onto(H(9), S(6), 17) && onto(H(9), S(7), 19));
  EXPECT_FALSE(onto(H(9), S(5), 17) || onto(H(9), S(6), 19));
  put(PileList::Tableau, 0, {H(9)});
  EXPECT_FALSE(onto(H(9), S(5), 18));
  clear(PileList::Tableau, 0);
  EXPECT_TRUE(onto(-1, S(5), 18));  // a tableau card may still fill a gap

  PlacementQuery gap{.baseCard = -1, .movingCard = S(5), .buildType = 7, .stockCondition = true};
  put(PileList::Stock, kStockIndex, {D(2)}, "0");
  EXPECT_FALSE(rules.placementAllowed(gap));
  clear(PileList::Stock, kStockIndex);
  EXPECT_TRUE(rules.placementAllowed(gap));
  gap.baseCard = H(6);
  EXPECT_FALSE(rules.placementAllowed(gap));
  gap.stockCondition = false;  // runs are checked without it, by the general rule
  EXPECT_TRUE(rules.placementAllowed(gap));
}

TEST_F(MoveRulesTest, FoundationsClimbingInStepAndWholePackFoundations) {
  foundations(1, 1, 5);
  put(PileList::Foundations, 0, {H(1)});
  EXPECT_TRUE(home(1, S(1)));
  put(PileList::Foundations, 1, {S(1)});
  EXPECT_FALSE(home(1, S(2)));  // foundation 1 shows no 2 yet
  put(PileList::Foundations, 0, {H(2)});
  EXPECT_TRUE(home(1, S(2)));
  EXPECT_FALSE(home(1, H(2) + kSecondPack));

  foundations(1, 1, 20);
  for (int rank = 1; rank <= kKing; ++rank) put(PileList::Foundations, 2, {D(rank)});
  EXPECT_TRUE(home(2, S(1)));
  for (CardNumber card = 53; card < 53 + 39; ++card) put(PileList::Foundations, 2, {card});
  EXPECT_FALSE(home(2, S(1)));
}

TEST_F(MoveRulesTest, ReserveTypes) {
  set(param::kReserveCount, 4);
  const int types[] = {4, 8, 9, 13};  // closed, up to three kings, court cards, up to five cards
  for (int r = 0; r < 4; ++r) set(param::kReserveTypeFirst + r, types[r]);
  EXPECT_FALSE(rules.mayDropOnReserve(0, H(5)));
  put(PileList::Reserves, 1, {H(13), D(13)});
  EXPECT_TRUE(rules.mayDropOnReserve(1, S(13)));
  EXPECT_FALSE(rules.mayDropOnReserve(1, S(12)) || rules.mayDropOnReserve(1, S(13), 2));
  put(PileList::Reserves, 1, {S(13)});
  EXPECT_FALSE(rules.mayDropOnReserve(1, C(13)));  // three kings fill it
  EXPECT_TRUE(rules.mayDropOnReserve(2, H(11)) && !rules.mayDropOnReserve(2, H(10)));
  put(PileList::Reserves, 3, {H(2), H(3), H(4), H(5)});
  EXPECT_TRUE(rules.mayDropOnReserve(3, C(9)));
  put(PileList::Reserves, 3, {C(9)});
  EXPECT_FALSE(rules.mayDropOnReserve(3, C(8)));
}

TEST_F(MoveRulesTest, WasteTakesNeighboursOfItsSuitOnlyWhenTheGameSaysSo) {
  put(PileList::Stock, kWasteIndex, {D(1)});
  EXPECT_FALSE(rules.mayDropOnWaste(D(2)));
  set(param::kWasteTakesNeighbours, 2);
  EXPECT_TRUE(rules.mayDropOnWaste(D(2)) && rules.mayDropOnWaste(D(13)));
  EXPECT_FALSE(rules.mayDropOnWaste(H(2)) || rules.mayDropOnWaste(D(3)));
  geometry.wastePlaced = false;
  EXPECT_FALSE(rules.mayDropOnWaste(D(2)));
}

TEST_F(MoveRulesTest, DiscardFamiliesTakeTableauTopsOneRankAway) {
  put(PileList::Stock, kDiscardIndex, {S(13)});
  put(PileList::Tableau, 0, {H(1), D(12)});
  put(PileList::Tableau, 1, {H(5)});
  put(PileList::Reserves, 0, {C(12)});
  EXPECT_EQ(rules.mayDropOnDiscard(D(12)), DiscardVerdict::Refused);  // an ordinary game
  set(param::kGameFamily, 2);
  EXPECT_EQ(rules.mayDropOnDiscard(D(12)), DiscardVerdict::Accepted);
  for (CardNumber card : {H(1), C(12), H(5)})  // covered, not in the tableau, too far
    EXPECT_EQ(rules.mayDropOnDiscard(card), DiscardVerdict::Refused) << card;
  state.piles.pile(PileList::Tableau, 0).dropTop(1);
  EXPECT_EQ(rules.mayDropOnDiscard(H(1)), DiscardVerdict::RefusedWithBeep);
  for (int family : {12, 15}) {
    set(param::kGameFamily, family);
    EXPECT_EQ(rules.mayDropOnDiscard(H(1)), DiscardVerdict::Accepted) << family;
  }
  clear(PileList::Stock, kDiscardIndex);
  EXPECT_EQ(rules.mayDropOnDiscard(H(1)), DiscardVerdict::Refused);
}

TEST_F(MoveRulesTest, RunsFollowTheRunRule) {
  const PileRef pile{PileList::Tableau, 0};
  put(PileList::Tableau, 0, {C(2), H(10)}, "0");
  put(PileList::Tableau, 0, {S(9), H(8), S(7)});
  EXPECT_TRUE(rules.mayTake(pile, S(9)));  // any face-up run
  EXPECT_FALSE(rules.mayTake(pile, H(10)));
  put(PileList::Tableau, 3, {C(9)});
  put(PileList::Tableau, 3, {D(8)}, "0");
  put(PileList::Tableau, 3, {C(7)});
  EXPECT_FALSE(rules.mayTake({PileList::Tableau, 3}, C(9)));  // a face-down card inside the run

  set(param::kMultiCardMoveRule, 1);
  EXPECT_TRUE(rules.runInSequence(S(9), 0) && rules.mayTake(pile, H(8)));
  tableau(1, kKing, 0, false);  // pile 2 builds in suit
  EXPECT_FALSE(rules.runInSequence(S(9), 1));
  put(PileList::Tableau, 1, {H(9)});
  EXPECT_FALSE(onTableau(1, {H(8), C(7)}));
  EXPECT_TRUE(onTableau(1, {H(8), H(7)}));

  set(param::kMultiCardMoveRule, 10);
  EXPECT_FALSE(rules.runInSequence(S(9), 0));
  put(PileList::Tableau, 2, {D(6), D(5)});
  EXPECT_TRUE(rules.runInSequence(D(6), 0) && onTableau(0, {D(6), D(5)}));
  EXPECT_FALSE(onTableau(0, {D(6), C(5)}));
  EXPECT_EQ(rules.runFromCard(H(10)), (std::vector<CardNumber>{H(10), S(9), H(8), S(7)}));
}

TEST_F(MoveRulesTest, TakingFromWasteFoundationsAndReserves) {
  put(PileList::Stock, kWasteIndex, {H(3), H(4)});
  EXPECT_TRUE(rules.mayTake(kWaste, H(4)) && !rules.mayTake(kWaste, H(3)));

  const PileRef foundation{PileList::Foundations, 0};
  put(PileList::Foundations, 0, {S(1)});
  EXPECT_FALSE(rules.mayTake(foundation, S(1)));
  set(param::kFoundationTakeBack, 2);
  EXPECT_FALSE(rules.mayTake(foundation, S(1)));  // its only card
  put(PileList::Foundations, 0, {S(2)});
  EXPECT_TRUE(rules.mayTake(foundation, S(2)) && !rules.mayTake(foundation, S(1)));

  const PileRef reserve{PileList::Reserves, 1};
  put(PileList::Reserves, 1, {C(4), C(5)});
  EXPECT_TRUE(rules.mayTake(reserve, C(5)) && !rules.mayTake(reserve, C(4)));
  set(param::kReserveFannedStacks, -11);
  EXPECT_TRUE(rules.mayTake(reserve, C(4)) && !rules.mayTake(reserve, H(4)));

  put(PileList::Tableau, 0, {D(9)}, "0");
  EXPECT_FALSE(rules.mayTake({PileList::Tableau, 0}, D(9)));  // a face-down top card is turned, not taken
}

TEST_F(MoveRulesTest, NamedPilesHolesAndNumbersThatAreNoCard) {
  EXPECT_TRUE(rules.mayDropOnNamedPile("Dest1", {H(1)}) && rules.mayDropOnNamedPile("Fila2", {S(13), H(12)}));
  EXPECT_FALSE(rules.mayDropOnNamedPile("Dest1", {H(1), S(13)}) || rules.mayDropOnNamedPile("Dest1", {}));
  for (const char* name : {"Mazzo_Vis", "Waste", "Dest_Autoplay1", "Fila27"})
    EXPECT_FALSE(rules.mayDropOnNamedPile(name, {H(1)})) << name;

  // A hole on top keeps a place but is no card: the pile's top is the card below it.
  put(PileList::Tableau, 0, {S(9), 0});
  put(PileList::Tableau, 1, {0});
  EXPECT_TRUE(rules.isTopCard(S(9)) && rules.mayTake({PileList::Tableau, 0}, S(9)));
  EXPECT_TRUE(onTableau(0, {H(8)}) && onTableau(1, {S(13)}));
  EXPECT_EQ(rules.runFromCard(S(9)), (std::vector<CardNumber>{S(9)}));

  for (CardNumber bad : {0, -1, 105, 300}) {
    EXPECT_FALSE(home(0, bad) || onTableau(1, {bad}) || rules.mayDropOnReserve(0, bad)) << bad;
    EXPECT_FALSE(rules.mayDropOnWaste(bad) || rules.mayTake({PileList::Tableau, 0}, bad)) << bad;
    EXPECT_FALSE(onto(S(9), bad, 12) || rules.isTopCard(bad)) << bad;
    EXPECT_EQ(rules.cardLocation(bad), card_location::kNowhere);
    EXPECT_TRUE(rules.runFromCard(bad).empty());
  }
  EXPECT_FALSE(onto(105, S(1), 12) || rules.mayTake({PileList::Tableau, 26}, S(9)));
  EXPECT_TRUE(observer.messages.empty());
}

}  // namespace
}  // namespace quilloro
