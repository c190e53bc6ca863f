// Pile anchors and shared integers keep each value apart from every other.
#include <gtest/gtest.h>

#include "cardlib/quilloro.h"

TEST(Anchors, EachPileKeepsItsOwnAnchor) {
  EXPECT_EQ(fSetDestLeft(15, 700), 15);
  EXPECT_EQ(fGetDestLeft(15), 700);
  EXPECT_EQ(fGetDestLeft(14), 0);
  EXPECT_EQ(fGetDestTop(15), 0);
  EXPECT_EQ(fGetAppoggLeft(7), 0);

  fSetMazzoLeft(2, -1);
  fSetMazzoTop(2, 40);
  fSetFilaLeft(25, 12);
  fSetAppoggTop(7, 99);
  EXPECT_EQ(fGetMazzoLeft(2), -1);
  EXPECT_EQ(fGetMazzoTop(2), 40);
  EXPECT_EQ(fGetFilaLeft(25), 12);
  EXPECT_EQ(fGetFilaTop(25), 0);
  EXPECT_EQ(fGetAppoggTop(7), 99);
  EXPECT_EQ(fGetDestLeft(15), 700);
}

TEST(Anchors, SharedVariablesHoldTheCardSize) {
  EXPECT_EQ(fSetVarInt(0, 96), 0);
  EXPECT_EQ(fSetVarInt(1, 71), 1);
  EXPECT_EQ(fGetVarInt(0), 96);
  EXPECT_EQ(fGetVarInt(1), 71);
}

TEST(Anchors, IndicesOutsideTheArraysReadZeroAndStoreNothing) {
  fSetDestLeft(0, 5);
  EXPECT_EQ(fSetDestLeft(16, 123), 16);
  EXPECT_EQ(fSetDestLeft(-1, 123), -1);
  EXPECT_EQ(fGetDestLeft(16), 0);
  EXPECT_EQ(fGetDestLeft(-1), 0);
  EXPECT_EQ(fGetDestLeft(0), 5);
  EXPECT_EQ(fGetFilaLeft(26), 0);
  EXPECT_EQ(fGetVarInt(26), 0);
  EXPECT_EQ(fGetMazzoTop(4), 0);
}
