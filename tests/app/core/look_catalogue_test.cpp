// The Customize window's catalogue of backs and backgrounds, and what a background choice puts into the settings.
#include <gtest/gtest.h>

#include <set>

#include "app/core/look_catalogue.hpp"

namespace quilloro {
namespace {

void collectOffsets(const std::vector<LookNode>& nodes, std::multiset<int>& offsets) {
  for (const LookNode& node : nodes) {
    offsets.insert(node.textOffset);
    collectOffsets(node.children, offsets);
  }
}

TEST(LookCatalogue, EveryBackNumberOnceAndEveryBackgroundValueOnceWithTextsOfTheirOwn) {
  std::set<long long> backs;
  for (const LookLeaf& leaf : leavesOf(cardBackTree())) EXPECT_TRUE(backs.insert(leaf.value).second) << leaf.caption;
  EXPECT_EQ(backs.size(), 27u);
  EXPECT_EQ(*backs.begin(), 1);
  EXPECT_EQ(*backs.rbegin(), 27);
  const auto backLeaves = leavesOf(cardBackTree());
  EXPECT_EQ(backLeaves[2].caption, "Animals / Penguin");

  std::set<long long> backgrounds;
  int pictures = 0;
  for (const LookLeaf& leaf : leavesOf(backgroundTree())) {
    EXPECT_TRUE(backgrounds.insert(leaf.value).second) << leaf.caption;
    EXPECT_GE(leaf.value, 1);
    if (leaf.value >= 2 && leaf.value <= 1000) ++pictures;
  }
  EXPECT_EQ(pictures, 69);

  std::multiset<int> offsets;
  collectOffsets(cardBackTree(), offsets);
  collectOffsets(backgroundTree(), offsets);
  for (const SoundEventChoice& event : soundEventChoices()) offsets.insert(event.textOffset);
  for (int offset : offsets) EXPECT_EQ(offsets.count(offset), 1u) << offset;
  EXPECT_EQ(soundEventChoices().size(), 18u);
  EXPECT_EQ(soundEventChoices()[7].previewFile, "Hi-Scor");
}

TEST(LookCatalogue, ABackgroundValueDecidesPictureDefaultFlagAndFixedColour) {
  const BackgroundSettings white = backgroundSettingsFor(16777215, 777);
  EXPECT_EQ(white.bitmap, "0");
  EXPECT_EQ(white.useDefault, "N");
  EXPECT_EQ(white.fixedColour, 16777215);
  EXPECT_EQ(white.colour, 777);
  const BackgroundSettings custom = backgroundSettingsFor(1, 777);
  EXPECT_EQ(custom.bitmap, "0");
  EXPECT_EQ(custom.useDefault, "N");
  EXPECT_EQ(custom.fixedColour, 0);
  const BackgroundSettings picture = backgroundSettingsFor(311, 777);
  EXPECT_EQ(picture.bitmap, "311");
  EXPECT_EQ(picture.fixedColour, 0);
  const BackgroundSettings green = backgroundSettingsFor(0, 777);
  EXPECT_EQ(green.useDefault, "Y");
  EXPECT_EQ(green.bitmap, "0");

  // Every leaf read back from the settings it writes selects itself again.
  for (const LookLeaf& leaf : leavesOf(backgroundTree())) {
    SettingsRecord record;
    storeBackgroundSettings(record, backgroundSettingsFor(leaf.value, 4242));
    EXPECT_EQ(backgroundValueOf(record), leaf.value) << leaf.caption;
  }
}

TEST(LookCatalogue, SpeedStepsAndPointerRows) {
  EXPECT_EQ(speedPosition(50), 1);
  EXPECT_EQ(speedPosition(25), 2);
  EXPECT_EQ(speedPosition(10), 3);
  EXPECT_EQ(speedPosition(3), 4);
  EXPECT_EQ(speedPosition(0), 5);
  EXPECT_EQ(speedPosition(99), 1);  // slower than any step
  EXPECT_EQ(speedPosition(12), 3);
  EXPECT_EQ(pointerRow(0), 0);
  EXPECT_EQ(pointerRow(10), 0);
  EXPECT_EQ(pointerRow(11), 1);
  EXPECT_EQ(pointerRow(14), 4);
  EXPECT_EQ(pointerRow(15), 0);
}

}  // namespace
}  // namespace quilloro
