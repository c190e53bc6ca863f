// The quick proof that no line brings every card home, for foundations that
// take ranks whatever the suit: it finds the piles that wait on themselves and
// never calls a position lost that can still be won.
#include <gtest/gtest.h>

#include "engine/solver/rank_home_bound.hpp"

namespace quilloro::solver::rank_home_bound_test {
namespace {

std::vector<int> upFrom(int rank) {
  std::vector<int> ranks;
  for (int r = rank; r <= 13; ++r) ranks.push_back(r);
  return ranks;
}

RankHomeView fourFromAces() {
  RankHomeView view;
  view.needs.assign(4, upFrom(1));
  return view;
}

TEST(RankHomeBound, FindsAPileThatBuriesTheCardItsTopWaitsFor) {
  RankHomeView view;
  view.needs = {{2, 3}};
  view.piles = {{2, 3}};
  EXPECT_TRUE(ranksCannotAllGoHome(view));
  view.piles = {{3, 2}};
  EXPECT_FALSE(ranksCannotAllGoHome(view));
  // Another card of the rank at hand frees the pile.
  view.piles = {{2, 3}};
  view.atHand[2] = 1;
  EXPECT_FALSE(ranksCannotAllGoHome(view));
}

TEST(RankHomeBound, EveryAceBuriedUnderHigherCardsIsLostAndOneAtHandIsNot) {
  RankHomeView view = fourFromAces();
  view.piles = {{1, 5}, {1, 5}, {1, 5}, {1, 5}};
  for (int rank = 2; rank <= 13; ++rank) view.atHand[static_cast<std::size_t>(rank)] = rank == 5 ? 0 : 4;
  EXPECT_TRUE(ranksCannotAllGoHome(view));
  view.piles = {{1, 5}, {1, 5}, {1, 5}, {5}};
  view.atHand[1] = 1;
  EXPECT_FALSE(ranksCannotAllGoHome(view));
}

TEST(RankHomeBound, FoundationsWithOrdersOfTheirOwnFreeEachOther) {
  // Two foundations by ones and by twos; the one by twos asks for the 4
  // that the pile's 3 covers, and the one by ones takes the 3 once it holds a 2.
  RankHomeView view;
  view.needs = {{2, 3, 4}, {2, 4}};
  view.piles = {{4, 3}};
  view.atHand[2] = 2;
  view.atHand[4] = 0;
  EXPECT_FALSE(ranksCannotAllGoHome(view));
  // Without a 2 at hand neither foundation ever starts.
  view.atHand[2] = 0;
  EXPECT_TRUE(ranksCannotAllGoHome(view));
}

}  // namespace
}  // namespace quilloro::solver::rank_home_bound_test
