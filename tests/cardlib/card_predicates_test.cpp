// Rank, colour and court predicates of both packs, through the library's C exports.
#include <gtest/gtest.h>

#include <string>

#include "cardlib/quilloro.h"

TEST(CardPredicates, RankIsTheSameInBothPacksAndEveryAceIsOne) {
  for (int card : {1, 14, 27, 40, 53, 66, 79, 92}) EXPECT_EQ(fCard2Value(card), 1) << card;
  EXPECT_EQ(fCard2Value(104), 13);
  EXPECT_EQ(fCard2Value(52), 13);
  EXPECT_EQ(fCard2Value(0), 0);
  EXPECT_EQ(fCard2Value(-3), -3);
  EXPECT_EQ(fCard2Value(105), -1);
  for (int card = 1; card <= 52; ++card) {
    EXPECT_EQ(fCard2Value(card), fCard2Value(card + 52)) << card;
    EXPECT_EQ(fCard2Value(card), (card - 1) % 13 + 1) << card;
    EXPECT_EQ(fIsCartaRossa(card), fIsCartaRossa(card + 52)) << card;
  }
}

TEST(CardPredicates, HeartsAndDiamondsAreRed) {
  EXPECT_EQ(fIsCartaRossa(26), 1);
  EXPECT_EQ(fIsCartaRossa(53), 1);
  EXPECT_EQ(fIsCartaRossa(27), 0);
  EXPECT_EQ(fIsCartaRossa(79), 0);
  EXPECT_EQ(fIsCartaRossa(0), 1);  // callers test the card number first
}

TEST(CardPredicates, CourtsAcesAndKingsOfBothPacks) {
  int courts = 0, aces = 0, kings = 0;
  for (int card = -2; card <= 110; ++card) {
    courts += fIsCartaFigura(card);
    aces += fIsCartaAsse(card);
    kings += fIsCartaRe(card);
  }
  EXPECT_EQ(courts, 24);
  EXPECT_EQ(aces, 8);
  EXPECT_EQ(kings, 8);
  for (int card : {11, 12, 13, 50, 63, 89, 104}) EXPECT_EQ(fIsCartaFigura(card), 1) << card;
  for (int card : {10, 14, 53, 101}) EXPECT_EQ(fIsCartaFigura(card), 0) << card;
  for (int card : {13, 26, 39, 52, 65, 78, 91, 104}) EXPECT_EQ(fIsCartaRe(card), 1) << card;
  EXPECT_EQ(fIsCartaSuccessiva(1, 2, 3, 4), 0);
}

TEST(CardTexts, StoreGrowsAndAnswersCopies) {
  fInitVariabiliDLL();
  EXPECT_STREQ(fGetCarte(0), "");
  fcharSetCarte(3, "CUORI_04");
  EXPECT_STREQ(fGetCarte(3), "CUORI_04");
  fcharSetCarte(80, "beyond the first 52");
  EXPECT_STREQ(fGetCarte(80), "beyond the first 52");
  EXPECT_STREQ(fGetCarte(-1), "");
  EXPECT_STREQ(fGetCarte(5000), "");
  fcharSetCarte(4, nullptr);
  EXPECT_STREQ(fGetCarte(4), "");
}

namespace {
int beeps = 0;
void countBeep() { ++beeps; }
}  // namespace

TEST(CardLibrarySystem, BeepGoesThroughTheHookAndColoursAnswerForOurSurfaces) {
  fSetBeepHook(countBeep);
  EXPECT_EQ(fProvaVC(), 0);
  EXPECT_EQ(beeps, 1);
  fSetBeepHook(nullptr);

  uint32_t pixel = 0;
  QuilloroSurface surface{&pixel, 1, 1, 1};
  EXPECT_EQ(fSystemNumColors(&surface), 16777216);
  EXPECT_EQ(fSystemNumColors(nullptr), 0);
}
