// Where the time and score panels and the lines under the toolbar go for a window width.
#pragma once

namespace quilloro {

struct PanelBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PanelBox&, const PanelBox&) = default;
};

struct TopAreaInput {
  int windowWidth = 0;
  int toolbarTop = 0;
  int toolbarHeight = 46;
  int toolbarWidth = 0;
  // The right edge of the toolbar's Exit button: panels never cover it.
  int exitRight = 0;
  bool showTime = true;   // Show_Time is "Y"
  bool showScore = true;  // Show_Score is "Y"
  bool demo = false;      // a demo plays: its panel stands under the toolbar
  // The panels' widths: as designed, or wider where their texts need it.
  int timeWidth = 77;
  int scoreWidth = 70;
};

struct TopAreaPlacement {
  PanelBox time;
  PanelBox score;
  bool timeVisible = false;
  bool scoreVisible = false;
  bool demoShown = false;
  int demoLineTop = 0;
  int demoPanelTop = 0;
  int greyLineTop = 0;
  int blackLineTop = 0;
  int lineWidth = 0;
  // The first row of the table below all of it.
  int bottom = 0;
};

inline constexpr int kTimePanelWidth = 77;
inline constexpr int kTimePanelHeight = 25;
inline constexpr int kScorePanelWidth = 70;
inline constexpr int kScorePanelHeight = 26;
inline constexpr int kDemoPanelHeight = 26;

TopAreaPlacement layoutTopArea(const TopAreaInput& input);

}  // namespace quilloro
