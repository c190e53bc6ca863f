// Cards, card table entries, pile strings and pile names.
#include <gtest/gtest.h>

#include "engine/card.hpp"
#include "engine/card_table.hpp"
#include "engine/pile.hpp"
#include "engine/pile_names.hpp"

namespace quilloro {

TEST(Cards, SecondPackRepeatsTheFirst) {
  EXPECT_EQ(cardName(52), "PICCH_K");
  EXPECT_EQ(cardName(53), "CUORI_A");
  EXPECT_EQ(cardName(23), "QUADR_10");
  EXPECT_EQ(cardName(0), "");
  for (CardNumber c = 1; c <= 52; ++c) {
    EXPECT_EQ(cardRank(c), cardRank(c + 52));
    EXPECT_EQ(isRed(c), isRed(c + 52));
    EXPECT_EQ(cardSuit(c), cardSuit(c + 52));
    EXPECT_EQ(cardName(c), cardName(c + 52));
  }
  EXPECT_EQ(cardSuit(27), Suit::Clubs);
  EXPECT_EQ(cardToken(7), "007");
  EXPECT_EQ(cardToken(104), "104");
  EXPECT_EQ(cardToken(0), "000");
}

TEST(Cards, RanksWrapBetweenAceAndKing) {
  EXPECT_EQ(rankBelow(kAce), kKing);
  EXPECT_EQ(rankAbove(kKing), kAce);
  EXPECT_EQ(rankBelow(7), 6);
  EXPECT_EQ(rankAbove(7), 8);
}

TEST(CardTable, EntriesHaveTheFixedLayout) {
  CardTable table;
  EXPECT_EQ(table.entry(1), "CUORI_A        10011");
  EXPECT_EQ(table.entry(104), "PICCH_K        41041");
  EXPECT_EQ(table.entry(23), "QUADR_10       20231");
  EXPECT_EQ(table.entry(0), "");
  for (CardNumber c = 1; c <= kMaxCard; ++c) ASSERT_EQ(table.entry(c).size(), 20u);
}

TEST(CardTable, AnyStateButZeroIsFaceUpAndCardZeroNeverFaceDown) {
  CardTable table;
  table.setFaceState(5, "0");
  EXPECT_TRUE(table.isFaceDown(5));
  EXPECT_EQ(table.entry(5).back(), '0');
  table.setFaceState(5, "X");
  EXPECT_FALSE(table.isFaceDown(5));
  table.setFaceState(5, "");  // an empty text changes nothing
  EXPECT_EQ(table.faceState(5), 'X');
  EXPECT_FALSE(table.isFaceDown(0));
  table.setFaceState(0, "0");
  EXPECT_FALSE(table.isFaceDown(0));
  table.reset();
  EXPECT_EQ(table.faceState(5), '1');
}

TEST(Pile, PileStringHoldsTokensBottomFirst) {
  const std::optional<Pile> pile = Pile::fromPileString("001014027");
  ASSERT_TRUE(pile);
  EXPECT_EQ(pile->cardCount(), 3);
  EXPECT_EQ(pile->topCard(), 27);
  EXPECT_EQ(pile->bottomCard(), 1);
  EXPECT_EQ(pile->pileString(), "001014027");
  EXPECT_EQ(Pile().topCard(), kNoCard);
  EXPECT_FALSE(Pile::fromPileString("00101"));
  EXPECT_FALSE(Pile::fromPileString("105"));
  EXPECT_FALSE(Pile::fromPileString("0a1"));
  EXPECT_THROW(Pile().append(105), std::invalid_argument);
}

TEST(Pile, SearchTouchesOnlyTheFirstOccurrenceAndSkipsHoles) {
  Pile pile = *Pile::fromPileString("005000007005");
  EXPECT_FALSE(pile.search(0, SearchMode::Report));
  EXPECT_TRUE(pile.search(5, SearchMode::LeaveHole));
  EXPECT_EQ(pile.pileString(), "000000007005");
  EXPECT_EQ(pile.cardCount(), 4);
  EXPECT_TRUE(pile.search(5, SearchMode::Remove));
  EXPECT_EQ(pile.pileString(), "000000007");
  EXPECT_FALSE(pile.search(5, SearchMode::Report));
  EXPECT_TRUE(pile.search(7, SearchMode::Report));
  EXPECT_EQ(pile.pileString(), "000000007");
  pile.dropTop(5);
  EXPECT_TRUE(pile.empty());
}

TEST(PileNames, NamesAddressPilesByTheirTags) {
  EXPECT_EQ(pileFromName("Fila10"), (PileRef{PileList::Tableau, 9}));
  EXPECT_EQ(pileFromName("Appogg3"), (PileRef{PileList::Reserves, 2}));
  EXPECT_EQ(pileFromName("Dest16"), (PileRef{PileList::Foundations, 15}));
  EXPECT_EQ(pileFromName("Mazzo"), (PileRef{PileList::Stock, kStockIndex}));
  EXPECT_EQ(pileFromName("Mazzo_Vis"), (PileRef{PileList::Stock, kWasteIndex}));
  for (const char* notAPile : {"Waste", "Dest_Autoplay", "Selezionate_Fila", "Fila0", "Fila27", "Dest17",
                               "Appogg9", "Fila", "Fila1x", "Mazzo_Waste", "Stock02", "", "fila1"})
    EXPECT_FALSE(pileFromName(notAPile)) << notAPile;
  for (PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves}) {
    for (int i = 0; i < pileListSize(list); ++i) {
      const PileRef ref{list, i};
      if (ref == PileRef{PileList::Stock, kDiscardIndex}) continue;
      EXPECT_EQ(pileFromName(pileName(ref)), ref) << pileName(ref);
    }
  }
  EXPECT_EQ(pileName({PileList::Stock, kDiscardIndex}), "");
  EXPECT_EQ(pileKindOf({PileList::Stock, kDiscardIndex}), PileKind::Discard);
  EXPECT_EQ(static_cast<int>(pileKindOf({PileList::Reserves, 0})), 6);
}

}  // namespace quilloro
