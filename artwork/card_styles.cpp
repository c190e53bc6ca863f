// The catalogue of card-face sets.
#include "artwork/card_styles.hpp"

namespace quilloro::artwork {
namespace {

constexpr Rgb kInkRed{200, 16, 32};
constexpr Rgb kInkBlack{20, 20, 24};

CardStyle classic() {
  CardStyle s;
  s.name = "Classic";
  s.indexFont = "DejaVuSans-Bold.ttf";
  s.ink = {{kInkRed, kInkRed, kInkBlack, kInkBlack}};
  s.aceLook = AceLook::Oval;
  s.court = {{{222, 170, 30}, {36, 70, 160}, {196, 30, 40}},
             {{196, 30, 40}, {196, 30, 40}, {36, 70, 160}},
             {236, 190, 50},
             {25, 25, 30},
             {250, 214, 180},
             {{120, 70, 30}, {230, 190, 90}, {40, 30, 25}, {150, 150, 150}},
             {255, 252, 240},
             {36, 70, 160},
             true};
  return s;
}

CardStyle fourColour() {
  CardStyle s;
  s.name = "Four colours";
  s.indexFont = "DejaVuSerif-Bold.ttf";
  s.indexCap = 11;
  s.ink = {{{206, 20, 30}, {20, 80, 200}, {16, 130, 50}, {20, 20, 24}}};
  s.border = {70, 70, 90};
  s.court = {{{20, 110, 70}, {150, 30, 120}, {30, 60, 150}},
             {{240, 200, 70}, {240, 200, 70}, {220, 60, 50}},
             {240, 200, 70},
             {30, 30, 40},
             {246, 208, 176},
             {{90, 50, 20}, {200, 120, 50}, {30, 20, 20}, {200, 200, 210}},
             {244, 248, 255},
             {70, 70, 90},
             true};
  return s;
}

CardStyle jumbo() {
  CardStyle s;
  s.name = "Large index";
  s.indexFont = "DejaVuSans-Bold.ttf";
  s.indexWidth = 0.86;
  s.ink = {{{214, 0, 24}, {214, 0, 24}, {0, 0, 0}, {0, 0, 0}}};
  s.border = {40, 40, 40};
  s.indexCap = 14;
  s.indexSuit = 10;
  s.pipHeight = 12.5;
  s.tenWidth = 0.62;
  s.court = {{{40, 130, 80}, {110, 50, 150}, {180, 30, 40}},
             {{250, 200, 40}, {250, 200, 40}, {250, 200, 40}},
             {250, 200, 40},
             {10, 10, 10},
             {252, 220, 190},
             {{150, 80, 30}, {240, 200, 110}, {20, 20, 20}, {120, 120, 130}},
             {255, 255, 255},
             {40, 40, 40},
             true};
  return s;
}

CardStyle deco() {
  CardStyle s;
  s.name = "Deco";
  s.indexFont = "DejaVuSerif-Bold.ttf";
  s.ink = {{{170, 20, 50}, {170, 20, 50}, {22, 28, 60}, {22, 28, 60}}};
  s.border = {120, 100, 60};
  s.innerFrame = true;
  s.innerFrameColour = {196, 160, 80};
  s.aceLook = AceLook::Sunburst;
  s.court = {{{30, 32, 44}, {110, 20, 40}, {30, 32, 44}},
             {{210, 170, 80}, {235, 225, 200}, {160, 30, 50}},
             {214, 174, 84},
             {30, 30, 40},
             {245, 220, 195},
             {{60, 40, 30}, {190, 150, 90}, {20, 20, 25}, {170, 170, 175}},
             {252, 248, 236},
             {196, 160, 80},
             true};
  return s;
}

CardStyle modern() {
  CardStyle s;
  s.name = "Modern";
  s.indexFont = "DejaVuSans-Bold.ttf";
  s.ink = {{{232, 72, 72}, {240, 120, 40}, {40, 120, 140}, {50, 56, 80}}};
  s.border = {170, 170, 180};
  s.indexLook = IndexLook::Tab;
  s.indexCap = 9.5;
  s.aceLook = AceLook::Disc;
  s.court = {{{40, 150, 150}, {240, 120, 100}, {60, 70, 120}},
             {{245, 200, 80}, {255, 240, 220}, {245, 200, 80}},
             {245, 190, 60},
             {60, 64, 80},
             {250, 220, 196},
             {{80, 60, 60}, {220, 170, 100}, {40, 40, 50}, {180, 180, 190}},
             {246, 246, 250},
             {170, 170, 180},
             false};
  return s;
}

CardStyle heritage() {
  CardStyle s;
  s.name = "Heritage";
  s.indexFont = "DejaVuSansMono-Bold.ttf";
  s.ink = {{{186, 28, 28}, {186, 28, 28}, {30, 40, 30}, {30, 40, 30}}};
  s.border = {100, 80, 60};
  s.innerFrame = true;
  s.innerFrameColour = {150, 40, 40};
  s.aceLook = AceLook::Oval;
  s.tenWidth = 0.7;
  s.court = {{{30, 100, 60}, {150, 40, 40}, {60, 40, 110}},
             {{230, 200, 120}, {230, 200, 120}, {230, 200, 120}},
             {220, 180, 70},
             {40, 30, 25},
             {245, 214, 180},
             {{110, 60, 25}, {210, 170, 90}, {30, 25, 20}, {140, 140, 140}},
             {250, 245, 228},
             {150, 40, 40},
             true};
  return s;
}

}  // namespace

const std::vector<CardStyle>& cardStyles() {
  static const std::vector<CardStyle> styles{classic(), fourColour(), jumbo(), deco(), modern(), heritage()};
  return styles;
}

}  // namespace quilloro::artwork
