// The named card backs and backgrounds, the sound events and the pointer and speed choices of the Customize window.
#include "app/core/look_catalogue.hpp"

#include <cstdlib>
#include <string>

namespace quilloro {

const std::vector<LookNode>& cardBackTree() {
  static const std::vector<LookNode> tree{
      {6001, "Animals", 0, {{6002, "Eagle", 18, {}}, {6003, "Horse", 27, {}}, {6004, "Penguin", 24, {}}, {6005, "Tropical fish", 19, {}}}},
      {6006, "Children", 0, {{6007, "Dragon", 4, {}}, {6008, "Flowers", 5, {}}, {6009, "Snowman", 3, {}}, {6010, "Teddy bear", 13, {}}}},
      {6011, "Flowers", 0, {{6012, "Flower", 15, {}}, {6013, "Roses", 14, {}}}},
      {6014, "Geometric", 0, {{6015, "Plaiting 1", 6, {}}, {6016, "Plaiting 2", 11, {}}, {6017, "Stars", 17, {}}}},
      {6018, "Medieval", 0, {{6019, "Flower", 7, {}}, {6020, "Rose-window", 8, {}}, {6021, "Sun", 10, {}}, {6022, "Sun and Moon", 9, {}}}},
      {6023, "Nature", 0, {{6024, "Clouds", 21, {}}, {6025, "Hills", 26, {}}, {6026, "Lake", 20, {}}, {6027, "Mountains 1", 23, {}}, {6028, "Mountains 2", 25, {}}, {6029, "Sea", 22, {}}}},
      {6030, "Paintings", 0, {{6031, "Africa", 12, {}}, {6032, "Boat", 1, {}}, {6033, "Japanese woman", 16, {}}, {6034, "Magi", 2, {}}}}};
  return tree;
}

const std::vector<LookNode>& backgroundTree() {
  static const std::vector<LookNode> tree{
      {6101, "Colors", 0, {{6102, "(Custom color)", 1, {}}, {6103, "Blue", 16711680, {}}, {6104, "Green", 32768, {}}, {6105, "Navy", 8388608, {}}, {6106, "Olive", 32896, {}}, {6107, "Teal", 8421376, {}}, {6108, "White", 16777215, {}}}},
      {6109, "Over 256 colors", 0, {
           {6110, "Colors fantasy", 0, {{6111, "Fantasy 1", 316, {}}, {6112, "Fantasy 2", 271, {}}, {6113, "Fantasy 3", 279, {}}, {6114, "Fantasy 4", 283, {}}}},
           {6115, "Frattali", 0, {{6116, "Frattali 1", 286, {}}, {6117, "Frattali 2", 322, {}}, {6118, "Frattali 3", 323, {}}}},
           {6119, "Geometricals", 0, {{6120, "Ceramics 1", 275, {}}, {6121, "Ceramics 2", 276, {}}, {6122, "Ceramics 3", 277, {}}, {6123, "Fantasy 1", 273, {}}, {6124, "Labyrinth", 278, {}}, {6125, "Scaly", 280, {}}, {6126, "Spheres", 274, {}}}},
           {6127, "Marbles", 0, {{6128, "Chalk 1", 260, {}}, {6129, "Chalk 2", 298, {}}, {6130, "Granite", 262, {}}, {6131, "Marble 1", 263, {}}, {6132, "Marble 2", 261, {}}}},
           {6133, "Metal", 0, {{6134, "Metal blue", 272, {}}, {6135, "Metal gold", 287, {}}, {6136, "Ribbon", 301, {}}}},
           {6137, "Nature", 0, {{6138, "River's stones", 281, {}}, {6139, "Starry sky", 282, {}}}},
           {6140, "Others", 0, {{6141, "Background 01", 299, {}}, {6142, "Background 02", 264, {}}, {6143, "Background 03", 295, {}}, {6144, "Background 04", 293, {}}, {6145, "Background 05", 292, {}}, {6146, "Background 06", 291, {}}, {6147, "Background 07", 290, {}}, {6148, "Background 08", 289, {}}, {6149, "Floor", 285, {}}, {6150, "Glass", 297, {}}, {6151, "Letters", 284, {}}}},
           {6152, "Patterns", 0, {{6153, "Pattern 1", 302, {}}, {6154, "Pattern 2", 318, {}}, {6155, "Pattern 3", 319, {}}, {6156, "Pattern 4", 320, {}}}},
           {6157, "Tissue", 0, {{6158, "Carpet", 267, {}}, {6159, "Cloth", 317, {}}, {6160, "Linen", 268, {}}, {6161, "Moquette 1", 296, {}}, {6162, "Moquette 2", 321, {}}, {6163, "Spongy", 266, {}}}},
           {6164, "Wall-paper", 0, {{6165, "Fold paper", 303, {}}, {6166, "Wall-paper 1", 257, {}}, {6167, "Wall-paper 2", 258, {}}, {6168, "Wall-paper 3", 259, {}}}},
           {6169, "Walls", 0, {{6170, "Brick wall 1", 304, {}}, {6171, "Brick wall 2", 305, {}}, {6172, "Brick wall 3", 306, {}}, {6173, "Brick wall 4", 307, {}}, {6174, "Stone wall", 308, {}}}},
           {6175, "Wood", 0, {{6176, "Carved wood", 270, {}}, {6177, "Cork 1", 310, {}}, {6178, "Cork 2", 309, {}}, {6179, "Dark brown 1", 315, {}}, {6180, "Dark brown 2", 314, {}}, {6181, "Light 1", 269, {}}, {6182, "Light 2", 288, {}}, {6183, "Light 3", 313, {}}, {6184, "Light brown", 312, {}}, {6185, "Parquet", 311, {}}}}}},
      {6186, "Under 256 colors", 0, {
           {6187, "Geometricals", 0, {{6188, "Cane-brake", 104, {}}, {6189, "Cloth", 103, {}}, {6190, "Moquette", 102, {}}, {6191, "Parquet", 101, {}}, {6192, "Thousand rows", 105, {}}}}}}};
  return tree;
}

namespace {

void collect(const std::vector<LookNode>& nodes, const std::string& prefix, std::vector<LookLeaf>& out) {
  for (const LookNode& node : nodes) {
    const std::string caption = prefix.empty() ? std::string(node.english) : prefix + " / " + std::string(node.english);
    if (node.children.empty()) out.push_back({caption, node.value});
    else collect(node.children, caption, out);
  }
}

}  // namespace

std::vector<LookLeaf> leavesOf(const std::vector<LookNode>& tree) {
  std::vector<LookLeaf> out;
  collect(tree, "", out);
  return out;
}

const std::vector<SoundEventChoice>& soundEventChoices() {
  static const std::vector<SoundEventChoice> events{
      {6201, "About form", field::SoundsAbout, "About"},
      {6202, "Autoplay move", field::SoundsAutoplay, "Autoplay"},
      {6203, "Card down", field::SoundsCardDown, "Card_down"},
      {6204, "Card up", field::SoundsCardUp, "Card_up"},
      {6205, "Enter Hi-Scores", field::SoundsNewHiScores, "Scores"},
      {6206, "Face up", field::SoundsFaceUp, "Face_up"},
      {6207, "Game won", field::SoundsGameWon, "Won"},
      {6208, "Hi-Scores form", field::SoundsHiScores, "Hi-Scor"},
      {6209, "New game", field::SoundsNewGame, "New"},
      {6210, "Pairing", field::SoundsPairing, "Pairing"},
      {6211, "Play on foundation", field::SoundsFoundation, "Foundation"},
      {6212, "Play on tableau", field::SoundsTableau, "Tableau"},
      {6213, "Redeal", field::SoundsRedeal, "Redeal"},
      {6214, "Redo", field::SoundsRedo, "Redo"},
      {6215, "Restart game", field::SoundsRestart, "Restart"},
      {6216, "Shuffle the deck", field::SoundsShuffle, "Shuffle"},
      {6217, "Stock", field::SoundsStock, "Stock"},
      {6218, "Undo", field::SoundsUndo, "Undo"},
  };
  return events;
}

int pointerRow(long long storedCursor) {
  if (storedCursor >= kFirstPointer + 1 && storedCursor < kFirstPointer + kPointerCount)
    return static_cast<int>(storedCursor - kFirstPointer);
  return 0;
}

int speedPosition(long long milliseconds) {
  int best = 0;
  for (int i = 1; i < 5; ++i)
    if (std::llabs(milliseconds - kCardSpeedSteps[i]) < std::llabs(milliseconds - kCardSpeedSteps[best])) best = i;
  return best + 1;
}

BackgroundSettings backgroundSettingsFor(long long value, long long customColour) {
  BackgroundSettings chosen;
  chosen.colour = customColour;
  chosen.bitmap = "0";
  chosen.useDefault = "N";
  if (value <= 0) chosen.useDefault = "Y";
  else if (value <= 1000 && value >= 2) chosen.bitmap = std::to_string(value);
  else if (value > 1000) chosen.fixedColour = value;
  return chosen;
}

void storeBackgroundSettings(SettingsRecord& settings, const BackgroundSettings& chosen) {
  settings.set(field::BackgroundBitmap, chosen.bitmap);
  settings.set(field::BackgroundDefault, chosen.useDefault);
  settings.setInteger(field::BackgroundColour, chosen.colour);
  settings.setInteger(field::BackgroundFixedColour, chosen.fixedColour);
}

long long backgroundValueOf(const SettingsRecord& settings) {
  const long long fixed = settings.getInteger(field::BackgroundFixedColour).value_or(0);
  if (fixed > 1000) return fixed;
  const long long picture = settings.getInteger(field::BackgroundBitmap).value_or(0);
  if (picture >= 2 && picture <= 1000) return picture;
  if (settings.get(field::BackgroundDefault) == "N") return 1;
  return 0;
}

}  // namespace quilloro
