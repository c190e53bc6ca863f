// The table of positions seen: every key it took is known again, and it
// never holds more memory than it was given, not even while it grows.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/solver/position_table.hpp"

namespace quilloro::solver::position_table_test {
namespace {

TEST(PositionTable, KnowsEveryKeyItTookAndStaysWithinItsMemoryTillFull) {
  // The larger table grows past the size of a huge page, into memory of its own kind.
  for (const std::size_t memory : {std::size_t{3'000'000}, std::size_t{12'600'000}}) {
    PositionTable table(memory);
    std::mt19937_64 random(11);
    std::vector<PositionKey128> taken;
    for (;;) {
      const PositionKey128 key{random(), random()};
      const PositionTable::Insert answer = table.insert(key);
      if (answer == PositionTable::Insert::Full) break;
      ASSERT_EQ(answer, PositionTable::Insert::New) << memory;
      taken.push_back(key);
      // The last growth held the old table beside the new one.
      ASSERT_LE(table.bytes() + table.bytes() / 2, memory);
      ASSERT_LT(taken.size(), memory);
    }
    EXPECT_EQ(table.size(), taken.size());
    // A full table is used to three quarters before it says so.
    EXPECT_GE(taken.size() * 16 * 4, table.bytes() * 3 - 64);
    for (const PositionKey128& key : taken) ASSERT_EQ(table.insert(key), PositionTable::Insert::Seen) << memory;
  }
  // Keys differing in one word only are different positions.
  PositionTable small(1 << 16);
  EXPECT_EQ(small.insert({5, 7}), PositionTable::Insert::New);
  EXPECT_EQ(small.insert({5, 8}), PositionTable::Insert::New);
  EXPECT_EQ(small.insert({6, 7}), PositionTable::Insert::New);
  EXPECT_EQ(small.insert({5, 7}), PositionTable::Insert::Seen);
  EXPECT_TRUE(small.contains({6, 7}));
  EXPECT_FALSE(small.contains({6, 8}));
  EXPECT_FALSE(small.contains({8, 7}));
}

TEST(PositionTable, StartedSmallGrowsAndKnowsEveryKeyItTook) {
  for (const std::size_t expected : {std::size_t{0}, std::size_t{5}, std::size_t{1} << 20}) {
    PositionTable table(1 << 20, expected);
    std::mt19937_64 random(expected + 3);
    std::vector<PositionKey128> taken;
    for (int i = 0; i < 3'000; ++i) {
      taken.push_back({random(), random()});
      ASSERT_EQ(table.insert(taken.back()), PositionTable::Insert::New) << expected;
    }
    EXPECT_EQ(table.size(), taken.size());
    for (const PositionKey128& key : taken) ASSERT_EQ(table.insert(key), PositionTable::Insert::Seen) << expected;
    EXPECT_FALSE(table.contains({1, 2}));
  }
}

}  // namespace
}  // namespace quilloro::solver::position_table_test
