// The choices of the Customize window: the named card backs and backgrounds, the sound events, the pointers and the card speeds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/core/settings_record.hpp"

namespace quilloro {

// One node of the back or background tree. Groups carry value 0 and list
// their children; a leaf carries a back number or a background value. Every
// caption is a text of the string table (offset) with its English wording.
struct LookNode {
  int textOffset = 0;
  std::string_view english;
  long long value = 0;
  std::vector<LookNode> children;
};

// The card backs, grouped: "Animals", "Children", ... with their back numbers.
const std::vector<LookNode>& cardBackTree();
// The backgrounds: "Colors", "Over 256 colors" and "Under 256 colors".
// Values: 1 the custom colour, 2 to 1000 the picture "B" + value, above
// 1000 the colour itself (red in the lowest byte).
const std::vector<LookNode>& backgroundTree();

// Every leaf of a tree, in tree order, with the caption of its group in front
// ("Animals / Eagle") for lists and contact sheets.
struct LookLeaf {
  std::string caption;
  long long value = 0;
};
std::vector<LookLeaf> leavesOf(const std::vector<LookNode>& tree);

// The event list of the sounds page, in the order shown.
struct SoundEventChoice {
  int textOffset;
  std::string_view english;
  SettingsField preference;
  std::string_view previewFile;
};
const std::vector<SoundEventChoice>& soundEventChoices();

// The file name played to stop a preview: no such file exists.
inline constexpr std::string_view kSilentPreviewFile = "_t1dz";

// The pointers offered, as cursor numbers 10 to 14, in list order.
inline constexpr int kFirstPointer = 10;
inline constexpr int kPointerCount = 5;
// The list row of a stored Cursor value: 0 and 10 the first row, 11 to 14 the others.
int pointerRow(long long storedCursor);

// The speed bar's five steps, slow to fast, as milliseconds per card step.
inline constexpr int kCardSpeedSteps[5] = {50, 25, 10, 3, 0};
// The bar position (1 to 5) of a stored speed: the nearest step.
int speedPosition(long long milliseconds);

// What the background node with value v puts into the settings record;
// customColour is the colour chosen (or kept) for the custom-colour node.
struct BackgroundSettings {
  std::string bitmap;       // Background_bmp
  std::string useDefault;   // Background_def, "Y" or "N"
  long long colour = 0;     // Background_Col
  long long fixedColour = 0;  // Background_Fixed_Col
};
BackgroundSettings backgroundSettingsFor(long long value, long long customColour);
void storeBackgroundSettings(SettingsRecord& settings, const BackgroundSettings& chosen);

// The node value that shows the background the settings hold: the fixed
// colour, the picture, the custom colour, or 0 for the default green.
long long backgroundValueOf(const SettingsRecord& settings);

}  // namespace quilloro
