// Court figures drawn from simple shapes: robe, collar, head, headgear and the attribute in hand.
#include "artwork/court_figures.hpp"

#include <cmath>

#include "artwork/suit_symbols.hpp"

namespace quilloro::artwork {
namespace {

constexpr double kFrameWidth = 45;
constexpr double kHalf = 40;
constexpr double kMid = kFrameWidth / 2;

class Figure {
 public:
  Figure(Canvas& canvas, const CardStyle& style, Suit suit, int rank)
      : c_(canvas), p_(style.court), suit_(suit), who_(rank - 11), ink_(style.ink[static_cast<std::size_t>(suit)]) {}

  void draw() {
    attributeBehind();
    hairBehind();
    robe();
    neckAndHead();
    face();
    headgear();
    attributeInFront();
  }

 private:
  void shape(const Path& path, Rgb colour, double line = 0.55) {
    c_.fill(path, colour);
    if (p_.outlined) c_.stroke(path, line, p_.line);
    else c_.stroke(path, 0.5, shade(colour, 0.7), 0.8);
  }
  void line(double x0, double y0, double x1, double y1, double width, Rgb colour) {
    c_.stroke(Path().moveTo(x0, y0).lineTo(x1, y1), width, colour);
  }
  Rgb hair() const { return p_.hair[static_cast<std::size_t>(suit_)]; }
  Rgb robeColour() const { return p_.robe[who_]; }
  Rgb panelColour() const { return p_.panel[who_]; }

  void hairBehind() {
    if (who_ == 1) {  // the queen's long hair falls to the shoulders
      Path p;
      p.moveTo(16, 14).cubicTo(15, 6, 30, 6, 29, 14).cubicTo(30, 19, 31, 23, 32, 26).lineTo(13, 26).cubicTo(14, 23, 15, 19, 16, 14);
      shape(p.close(), hair());
    } else {
      shape(Path().ellipse(kMid, 13.5, 6.4, 5.6), hair());
    }
  }

  void robe() {
    Path body;
    body.moveTo(1.5, kHalf).lineTo(1.5, 33).cubicTo(1.5, 28, 7, 25.2, 14, 24.6).lineTo(31, 24.6).cubicTo(38, 25.2, 43.5, 28, 43.5, 33);
    body.lineTo(43.5, kHalf).close();
    shape(body, robeColour());
    // Sleeves folded across the body.
    Path sleeve;
    sleeve.moveTo(5, kHalf).cubicTo(5, 33, 9, 29.5, 15, 29).lineTo(17, 33).cubicTo(12, 34, 10, 37, 10, kHalf).close();
    shape(sleeve, shade(robeColour(), 0.8));
    Path sleeve2 = sleeve.transformed(Affine{-1, 0, 0, 1, kFrameWidth, 0});
    shape(sleeve2, shade(robeColour(), 0.8));
    // The front panel with its braid and buttons.
    Path panel;
    panel.moveTo(17.5, 24.6).lineTo(27.5, 24.6).lineTo(30, kHalf).lineTo(15, kHalf).close();
    shape(panel, panelColour());
    c_.stroke(Path().moveTo(17.5, 24.6).lineTo(15, kHalf), 1.0, p_.trim);
    c_.stroke(Path().moveTo(27.5, 24.6).lineTo(30, kHalf), 1.0, p_.trim);
    for (int i = 0; i < 3; ++i) {
      const double y = 29 + i * 4.3;
      Path stud;
      stud.moveTo(kMid, y - 1.5).lineTo(kMid + 1.3, y).lineTo(kMid, y + 1.5).lineTo(kMid - 1.3, y).close();
      shape(stud, p_.trim, 0.35);
    }
    // Pattern on the robe: small suit marks, as the woven cloth of a court card.
    for (double x : {6.5, 38.5}) drawSuit(c_, suit_, x, 36.5, 3.2, shade(p_.trim, 0.95));
    // Collar.
    Path collar;
    collar.moveTo(14, 24.6).cubicTo(16, 28.5, 29, 28.5, 31, 24.6).cubicTo(27, 22.6, 18, 22.6, 14, 24.6).close();
    shape(collar, who_ == 1 ? Rgb{255, 255, 255} : p_.trim, 0.45);
    if (who_ == 1) {  // a necklace
      for (int i = -2; i <= 2; ++i) shape(Path().circle(kMid + i * 2.2, 26 - std::abs(i) * 0.45, 0.65), p_.trim, 0.3);
    }
  }

  void neckAndHead() {
    shape(Path().rect(20.6, 20, 3.8, 4), p_.skin, 0.4);
    shape(Path().ellipse(kMid, 15.6, 4.9, 5.9), p_.skin);
  }

  void face() {
    const Rgb dark = p_.outlined ? p_.line : shade(hair(), 0.6);
    c_.fill(Path().ellipse(20.6, 15.0, 0.75, 0.6), dark);
    c_.fill(Path().ellipse(24.4, 15.0, 0.75, 0.6), dark);
    line(19.5, 13.4, 21.6, 13.1, 0.5, shade(hair(), 0.8));
    line(23.4, 13.1, 25.5, 13.4, 0.5, shade(hair(), 0.8));
    c_.stroke(Path().moveTo(22.6, 15.4).lineTo(22.1, 17.6).lineTo(23, 17.7), 0.45, shade(p_.skin, 0.7));
    c_.fill(Path().ellipse(20.1, 17.6, 1.0, 0.6), {240, 170, 160}, 0.6);
    c_.fill(Path().ellipse(24.9, 17.6, 1.0, 0.6), {240, 170, 160}, 0.6);
    if (who_ == 2) {  // the king's beard and moustache
      Path beard;
      beard.moveTo(17.6, 16).cubicTo(17.8, 22.5, 20.5, 25.2, kMid, 25.2).cubicTo(24.5, 25.2, 27.2, 22.5, 27.4, 16);
      beard.cubicTo(26.4, 19.8, 24.5, 19.4, kMid, 19.4).cubicTo(20.5, 19.4, 18.6, 19.8, 17.6, 16).close();
      shape(beard, hair(), 0.45);
      Path moustache;
      moustache.moveTo(kMid, 18.4).cubicTo(21.5, 18.0, 20.0, 18.6, 19.3, 19.8).cubicTo(20.6, 19.3, 21.8, 19.6, kMid, 19.2);
      moustache.cubicTo(23.2, 19.6, 24.4, 19.3, 25.7, 19.8).cubicTo(25.0, 18.6, 23.5, 18.0, kMid, 18.4).close();
      c_.fill(moustache, shade(hair(), 0.75));
    } else {
      c_.stroke(Path().moveTo(21.3, 19.2).quadTo(kMid, 20.1, 23.7, 19.2), 0.55, {190, 50, 60});
    }
  }

  void headgear() {
    if (who_ == 2) {  // crown with five points
      Path crown;
      crown.moveTo(16.8, 11).lineTo(16.2, 4.2).lineTo(19.2, 7.4).lineTo(kMid, 2.4).lineTo(25.8, 7.4).lineTo(28.8, 4.2).lineTo(28.2, 11).close();
      shape(crown, p_.trim);
      shape(Path().rect(16.6, 9.2, 11.8, 2.4), shade(p_.trim, 0.85), 0.45);
      for (double x : {16.2, kMid, 28.8}) shape(Path().circle(x, x == kMid ? 2.2 : 4.0, 0.85), p_.trim, 0.35);
      shape(Path().ellipse(kMid, 10.4, 1.1, 0.8), p_.robe[0] == p_.trim ? Rgb{200, 30, 40} : p_.robe[2], 0.3);
      shape(Path().circle(19.5, 10.4, 0.55), {255, 255, 255}, 0.25);
      shape(Path().circle(25.5, 10.4, 0.55), {255, 255, 255}, 0.25);
    } else if (who_ == 1) {  // tiara of three arches with pearls
      shape(Path().ellipse(19.4, 8.8, 1.6, 1.9), p_.trim, 0.45);
      shape(Path().ellipse(25.6, 8.8, 1.6, 1.9), p_.trim, 0.45);
      shape(Path().ellipse(kMid, 7.6, 2.0, 2.5), p_.trim, 0.45);
      shape(Path().roundedRect(17.4, 9.4, 10.2, 2.0, 0.8), shade(p_.trim, 0.85), 0.45);
      for (double x : {19.4, kMid, 25.6}) shape(Path().circle(x, x == kMid ? 5.0 : 6.8, 0.7), {255, 255, 255}, 0.3);
      shape(Path().circle(kMid, 10.4, 0.7), p_.robe[2], 0.3);
    } else {  // a flat cap with a feather
      Path feather;
      feather.moveTo(26.5, 8.6).cubicTo(29, 3, 33, 1.2, 37, 0.8).cubicTo(34, 3, 31.5, 6, 28.4, 9.4).close();
      shape(feather, p_.panel[0] == p_.trim ? Rgb{230, 60, 50} : p_.panel[0], 0.45);
      c_.stroke(Path().moveTo(27.4, 9).cubicTo(30, 5, 33, 2.5, 36.5, 1), 0.35, p_.line);
      shape(Path().ellipse(kMid, 9.2, 8.2, 2.5), robeColour());
      shape(Path().roundedRect(17.2, 9.2, 10.6, 2.3, 0.8), p_.trim, 0.45);
    }
  }

  // Attributes stand beside the figure: the king's sword, the queen's flower, the jack's halberd.
  void attributeBehind() {
    if (who_ == 2) {
      Path blade;
      blade.moveTo(36.2, 1.5).lineTo(37.3, 3.5).lineTo(37.3, 25).lineTo(35.1, 25).lineTo(35.1, 3.5).close();
      shape(blade, {220, 224, 232}, 0.45);
      line(36.2, 4, 36.2, 24.5, 0.35, {150, 155, 165});
    } else if (who_ == 0) {
      line(8.6, 1.5, 8.6, 34, 1.4, {120, 80, 40});
      Path axe;
      axe.moveTo(8.6, 4).cubicTo(12.5, 4.5, 13.5, 7, 13.2, 10).cubicTo(11.5, 9, 10, 9, 8.6, 9.4).close();
      shape(axe, {210, 214, 222}, 0.45);
      Path spike;
      spike.moveTo(7.6, 3.2).lineTo(8.6, 0.2).lineTo(9.6, 3.2).close();
      shape(spike, {210, 214, 222}, 0.4);
    }
  }

  void attributeInFront() {
    if (who_ == 2) {
      shape(Path().roundedRect(32.4, 25, 7.6, 1.6, 0.6), p_.trim, 0.4);
      shape(Path().circle(36.2, 28.6, 1.8), p_.skin, 0.45);
    } else if (who_ == 1) {
      c_.stroke(Path().moveTo(9.5, 30).cubicTo(9, 24, 10, 18, 9.2, 13), 0.8, {40, 120, 50});
      Path leaf;
      leaf.moveTo(9.4, 21).cubicTo(11.5, 18.5, 13.5, 18.6, 14, 19.2).cubicTo(13, 21, 11.3, 21.6, 9.4, 21).close();
      shape(leaf, {70, 160, 70}, 0.35);
      const Rgb petal = ink_.r > ink_.b ? mix(ink_, {255, 255, 255}, 0.25) : Rgb{230, 90, 110};
      for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * 3.14159265 / 5 - 1.5708;
        shape(Path().circle(9.2 + 1.9 * std::cos(a), 11.6 + 1.9 * std::sin(a), 1.45), petal, 0.35);
      }
      shape(Path().circle(9.2, 11.6, 1.1), p_.trim, 0.3);
      shape(Path().circle(9.6, 29.4, 1.8), p_.skin, 0.45);
    } else {
      shape(Path().circle(8.6, 29.6, 1.8), p_.skin, 0.45);
    }
  }

  Canvas& c_;
  const CourtPalette& p_;
  Suit suit_;
  std::size_t who_;
  Rgb ink_;
};

}  // namespace

void drawCourtFrame(Canvas& canvas, const CardStyle& style, Suit suit, int rank) {
  const Affine base = canvas.transform();
  const Rgb ink = style.ink[static_cast<std::size_t>(suit)];
  Path frame;
  frame.rect(0, 0, kFrameWidth, 2 * kHalf);
  canvas.fill(frame, style.court.frameFill);

  for (int half = 0; half < 2; ++half) {
    const Affine turn = half == 0 ? Affine{} : Affine::rotate180About(kMid, kHalf);
    canvas.setTransform(base);
    canvas.clipTo(Path().rect(0, half * kHalf, kFrameWidth, kHalf));
    canvas.setTransform(base * turn);
    Figure(canvas, style, suit, rank).draw();
    drawSuit(canvas, suit, 4.6, 5.2, 6.4, ink);
    canvas.clearClip();
  }
  canvas.setTransform(base);
  canvas.stroke(Path().moveTo(0, kHalf).lineTo(kFrameWidth, kHalf), 0.7, style.court.frameLine);
  canvas.stroke(frame, 1.1, style.court.frameLine);
}

}  // namespace quilloro::artwork
