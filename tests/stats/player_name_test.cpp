// Player names that would split or corrupt a booking are told apart from good ones.
#include "stats/player_name.hpp"

#include <gtest/gtest.h>

namespace quilloro::stats {
namespace {

TEST(PlayerName, OrdinaryNamesAreStorable) {
  for (const char* name : {"User1", "Anna Maria", "x", "O'Brien [2]", "a;b#c", "Zoë"})
    EXPECT_TRUE(isStorablePlayerName(name)) << name;
  EXPECT_TRUE(isStorablePlayerName(std::string(30, 'n')));
}

TEST(PlayerName, NamesAnIniFileCannotHoldAreRefusedWithAReason) {
  for (const char* name : {"", "a=b", "line\nbreak", "car\rriage", "tab\there", "[section", ";comment",
                           "#comment", " padded", "padded "}) {
    EXPECT_FALSE(isStorablePlayerName(name)) << name;
    EXPECT_FALSE(playerNameFault(name).empty()) << name;
  }
  EXPECT_FALSE(isStorablePlayerName(std::string(31, 'n')));
}

}  // namespace
}  // namespace quilloro::stats
