// The card-face sets: fonts, colours and decoration that make each set look its own.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "artwork/bmp_writer.hpp"
#include "artwork/card_geometry.hpp"

namespace quilloro::artwork {

// Colours of the court figures of one set.
struct CourtPalette {
  Rgb robe[3];  // jack, queen, king
  Rgb panel[3];
  Rgb trim;      // crowns, braid, buttons
  Rgb line;      // outlines
  Rgb skin;
  Rgb hair[4];   // by suit
  Rgb frameFill;  // inside the court frame
  Rgb frameLine;
  bool outlined = true;
};

enum class AceLook { Plain, Oval, Sunburst, Disc };
enum class IndexLook { Plain, Tab };

struct CardStyle {
  std::string name;
  std::string indexFont;        // file name of the font, in the font folder
  std::array<Rgb, 4> ink;       // hearts, diamonds, clubs, spades
  Rgb face{255, 255, 255};
  Rgb border{90, 90, 90};
  double indexCap = 10;         // cap height of the corner index on the big card
  double indexSuit = 8;         // height of the suit under the index
  double pipHeight = 13.5;
  double tenWidth = 0.7;        // narrowing of "10" in the corner
  double indexWidth = 1.0;      // narrowing of every other index
  IndexLook indexLook = IndexLook::Plain;
  AceLook aceLook = AceLook::Plain;
  bool innerFrame = false;      // a second thin line inside the border
  Rgb innerFrameColour{0, 0, 0};
  CourtPalette court;
};

// Set 001 first; the set number is the position in this list plus one.
const std::vector<CardStyle>& cardStyles();

}  // namespace quilloro::artwork
