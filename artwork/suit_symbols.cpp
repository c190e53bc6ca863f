// Suit symbol outlines built from cubic curves.
#include "artwork/suit_symbols.hpp"

namespace quilloro::artwork {
namespace {

Path heart() {
  Path p;
  p.moveTo(0, 0.5);
  p.cubicTo(-0.16, 0.3, -0.5, 0.08, -0.5, -0.17);
  p.cubicTo(-0.5, -0.38, -0.37, -0.5, -0.24, -0.5);
  p.cubicTo(-0.1, -0.5, -0.02, -0.41, 0, -0.3);
  p.cubicTo(0.02, -0.41, 0.1, -0.5, 0.24, -0.5);
  p.cubicTo(0.37, -0.5, 0.5, -0.38, 0.5, -0.17);
  p.cubicTo(0.5, 0.08, 0.16, 0.3, 0, 0.5);
  return p.close();
}

Path diamond() {
  Path p;
  p.moveTo(0, -0.5);
  p.cubicTo(0.1, -0.32, 0.24, -0.14, 0.4, 0);
  p.cubicTo(0.24, 0.14, 0.1, 0.32, 0, 0.5);
  p.cubicTo(-0.1, 0.32, -0.24, 0.14, -0.4, 0);
  p.cubicTo(-0.24, -0.14, -0.1, -0.32, 0, -0.5);
  return p.close();
}

// The flared foot shared by spades and clubs, traced in the same turning sense as Path::ellipse.
void addStem(Path& p, double topY) {
  p.moveTo(0.045, topY);
  p.cubicTo(0.05, 0.3, 0.12, 0.44, 0.22, 0.5);
  p.lineTo(-0.22, 0.5);
  p.cubicTo(-0.12, 0.44, -0.05, 0.3, -0.045, topY);
  p.close();
}

Path spade() {
  Path p;
  p.moveTo(0, -0.5);
  p.cubicTo(0.14, -0.3, 0.5, -0.12, 0.5, 0.1);
  p.cubicTo(0.5, 0.26, 0.39, 0.34, 0.26, 0.34);
  p.cubicTo(0.13, 0.34, 0.05, 0.27, 0.02, 0.18);
  p.lineTo(-0.02, 0.18);
  p.cubicTo(-0.05, 0.27, -0.13, 0.34, -0.26, 0.34);
  p.cubicTo(-0.39, 0.34, -0.5, 0.26, -0.5, 0.1);
  p.cubicTo(-0.5, -0.12, -0.14, -0.3, 0, -0.5);
  p.close();
  addStem(p, 0.12);
  return p;
}

Path club() {
  Path p;
  p.circle(0, -0.255, 0.225);
  p.circle(-0.26, 0.08, 0.225);
  p.circle(0.26, 0.08, 0.225);
  p.polygon({{0.09, -0.12}, {0.16, 0.04}, {0, 0.16}, {-0.16, 0.04}, {-0.09, -0.12}});
  addStem(p, 0.05);
  return p;
}

}  // namespace

const Path& suitOutline(Suit suit) {
  static const Path outlines[4] = {heart(), diamond(), club(), spade()};
  return outlines[static_cast<int>(suit)];
}

void drawSuit(Canvas& canvas, Suit suit, double cx, double cy, double height, Rgb colour, bool upsideDown) {
  Affine place = Affine::translate(cx, cy) * Affine::scale(height, height);
  if (upsideDown) place = place * Affine::rotate180About(0, 0);
  canvas.fill(suitOutline(suit).transformed(place), colour);
}

}  // namespace quilloro::artwork
