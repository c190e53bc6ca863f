// Card face layout: border, corner indices, pips as on real cards, aces and court frames.
#include "artwork/card_faces.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "artwork/court_figures.hpp"
#include "artwork/suit_symbols.hpp"

namespace quilloro::artwork {
namespace {

// The big card is designed in its own pixels; the medium card scales that design.
constexpr double kDesignWidth = 71;
constexpr double kDesignHeight = 96;
constexpr double kCentreX = kDesignWidth / 2;
constexpr double kCentreY = kDesignHeight / 2;

struct Pip {
  double column;  // -1 left, 0 centre, 1 right
  double row;     // 0 top to 1 bottom
};

std::vector<Pip> pipLayout(int rank) {
  constexpr double third = 1.0 / 3, twoThirds = 2.0 / 3;
  switch (rank) {
    case 2: return {{0, 0}, {0, 1}};
    case 3: return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4: return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5: return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6: return {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 7: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 8: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}};
    case 9:
      return {{-1, 0}, {1, 0}, {-1, third}, {1, third}, {0, 0.5}, {-1, twoThirds}, {1, twoThirds}, {-1, 1}, {1, 1}};
    case 10:
      return {{-1, 0}, {1, 0}, {0, 1.0 / 6}, {-1, third}, {1, third}, {-1, twoThirds}, {1, twoThirds}, {0, 5.0 / 6}, {-1, 1}, {1, 1}};
    default: return {};
  }
}

// The border line, as many pixels wide as the zoom makes of one.
void drawBorder(Canvas& canvas, Rgb colour, int thickness) {
  Bitmap& b = canvas.bitmap();
  for (int k = 0; k < thickness; ++k) {
    for (int x = 0; x < b.width(); ++x) b.at(x, k) = b.at(x, b.height() - 1 - k) = colour;
    for (int y = 0; y < b.height(); ++y) b.at(k, y) = b.at(b.width() - 1 - k, y) = colour;
  }
}

bool bigIndex(const CardStyle& style) { return style.indexCap > 12; }

class FacePainter {
 public:
  FacePainter(const CardStyle& style, CardSize size, Suit suit, int rank, FontBook& fonts, double zoom)
      : style_(style), size_(size), suit_(suit), rank_(rank), fonts_(fonts), zoom_(zoom),
        canvas_(zoomedLength(size.width, zoom), zoomedLength(size.height, zoom), style.face),
        ink_(style.ink[static_cast<std::size_t>(suit)]), sx_(size.width / kDesignWidth), sy_(size.height / kDesignHeight) {
    canvas_.setTransform(base());
  }

  Bitmap cornerIndexAlone() {
    if (size_.letter != 'P') index(false);
    return canvas_.bitmap();
  }

  Bitmap paint() {
    if (size_.letter == 'P') {
      miniature();
    } else {
      canvas_.setTransform(base() * Affine::scale(sx_, sy_));
      if (rank_ == 1) ace();
      else if (rank_ <= 10) pips();
      else court();
      canvas_.setTransform(base());
      if (style_.innerFrame) {
        canvas_.stroke(Path().rect(3.5, 3.5, size_.width - 7, size_.height - 7), 0.8, style_.innerFrameColour);
      }
      index(false);
      index(true);
    }
    drawBorder(canvas_, style_.border, borderThickness(zoom_));
    return canvas_.bitmap();
  }

 private:
  // Everything is laid out in the card's own pixels; the zoom maps them onto the canvas.
  Affine base() const { return Affine::scale(zoom_, zoom_); }

  double widthFactor() const { return rank_ == 10 ? style_.tenWidth : style_.indexWidth; }

  // The rank over a small suit in the top-left corner, or turned round in the
  // bottom-right. Both fit the strip a fan leaves showing, so that a covered
  // card still tells its rank and suit.
  void index(bool turned) {
    const VisibleStrip strip = visibleStrip(size_);
    const double boxWidth = strip.columns - 1.5;  // the border column and a little air
    const double boxHeight = strip.rows - 1.5;
    const double cx = 1 + boxWidth / 2;
    const bool tab = style_.indexLook == IndexLook::Tab;
    const bool big = size_.letter == 'B';
    const double rankTop = tab ? 2.0 : (big ? 1.5 : 1.2);
    // The small card gives the suit a little more of its strip: clubs and
    // spades must still be told apart.
    double cap = big ? 7.5 : 5.5;
    const double suitHeight = boxHeight - rankTop - cap - (big ? 1.0 : 0.7);
    // Measured in canvas pixels: the zoomed text is drawn at its own size, not enlarged.
    const double z = zoom_;
    const int maxRankWidth = static_cast<int>((static_cast<int>(boxWidth) - (tab ? 2 : 0)) * z);
    Font& font = fonts_.get(style_.indexFont);
    Mask ink = font.render(rankText(rank_), cap * z, widthFactor());
    if (ink.width > maxRankWidth) ink = font.render(rankText(rank_), cap * z, widthFactor() * maxRankWidth / ink.width);
    // A tail below the line (the queen's) may not reach the suit.
    if (ink.height > (cap + 1) * z) {
      cap = cap * (cap + 1) * z / ink.height;
      ink = font.render(rankText(rank_), cap * z, std::min(widthFactor(), widthFactor() * maxRankWidth / ink.width));
    }
    if (style_.innerFrame) {
      // The frame gives way to the index, as on printed cards.
      const double w = strip.columns - 1.0, h = strip.rows - 1.0;
      const Point corner = turned ? Point{size_.width - 1.0 - w, size_.height - 1.0 - h} : Point{1.0, 1.0};
      canvas_.fill(Path().rect(corner.x, corner.y, w, h), style_.face);
    }
    Rgb textColour = ink_;
    if (tab) {
      const double h = rankTop + ink.height / z + 1.5;
      const double w = strip.columns - 1.5;
      const Point corner = turned ? Point{size_.width - 0.5 - w, size_.height - 0.5 - h} : Point{0.5, 0.5};
      canvas_.fill(Path().roundedRect(corner.x, corner.y, w, h, 2.0), ink_);
      textColour = {255, 255, 255};
    }
    const int left = static_cast<int>(std::lround(cx * z - ink.width / 2.0));
    const int top = static_cast<int>(std::lround(rankTop * z));
    if (turned) {
      const int turnedLeft = canvas_.width() - left - ink.width, turnedTop = canvas_.height() - top - ink.height;
      canvas_.paintMask(placed(rotated180(std::move(ink)), turnedLeft, turnedTop), textColour);
    } else {
      canvas_.paintMask(placed(std::move(ink), left, top), textColour);
    }
    const double suitCentreY = strip.rows - 1.0 - suitHeight / 2;
    const double suitX = turned ? size_.width - cx : cx;
    const double suitY = turned ? size_.height - suitCentreY : suitCentreY;
    drawSuit(canvas_, suit_, suitX, suitY, suitHeight, ink_, turned);
  }

  void pips() {
    const double h = style_.pipHeight;
    const double columnGap = bigIndex(style_) ? 11.5 : 13.0;
    const double top = 15.5, bottom = kDesignHeight - 15.5;
    for (const Pip& pip : pipLayout(rank_)) {
      const double x = kCentreX + pip.column * columnGap;
      const double y = top + pip.row * (bottom - top);
      drawSuit(canvas_, suit_, x, y, h, ink_, y > kCentreY + 0.5);
    }
  }

  void ace() {
    const double h = suit_ == Suit::Spades ? 36 : 28;
    const Rgb tint = mix(ink_, style_.face, 0.88);
    switch (style_.aceLook) {
      case AceLook::Oval:
        if (suit_ == Suit::Spades) {
          canvas_.fill(Path().ellipse(kCentreX, kCentreY, 22, 29), tint);
          canvas_.stroke(Path().ellipse(kCentreX, kCentreY, 22, 29), 0.7, ink_);
          canvas_.stroke(Path().ellipse(kCentreX, kCentreY, 20, 27), 0.4, ink_);
        }
        break;
      case AceLook::Sunburst:
        for (int i = 0; i < 32; ++i) {
          const double a = i * 3.14159265358979 / 16;
          const double r0 = 17, r1 = i % 2 == 0 ? 30 : 25;
          canvas_.stroke(Path().moveTo(kCentreX + r0 * std::cos(a), kCentreY + r0 * std::sin(a))
                             .lineTo(kCentreX + r1 * std::cos(a), kCentreY + r1 * std::sin(a)),
                         0.7, style_.innerFrameColour);
        }
        canvas_.stroke(Path().circle(kCentreX, kCentreY, 16), 0.6, style_.innerFrameColour);
        break;
      case AceLook::Disc: canvas_.fill(Path().circle(kCentreX, kCentreY, 22), tint); break;
      case AceLook::Plain: break;
    }
    drawSuit(canvas_, suit_, kCentreX, kCentreY, h, ink_);
  }

  void court() {
    const Affine base = canvas_.transform();
    const Affine frame = bigIndex(style_) ? Affine::translate(16, 9) * Affine::scale(39.0 / 45, 78.0 / 80) : Affine::translate(13, 8);
    canvas_.setTransform(base * frame);
    drawCourtFrame(canvas_, style_, suit_, rank_);
    canvas_.setTransform(base);
  }

  // The miniature card has room for its rank and one symbol only.
  void miniature() {
    const double cap = 9.2;
    drawTextCentred(canvas_, fonts_.get(style_.indexFont), rankText(rank_), cap * zoom_, 7.5 * zoom_, 7.6 * zoom_, ink_,
                    false, rank_ == 10 ? 0.62 : 0.95);
    if (rank_ > 10) {
      // A band of the court colour marks jack, queen and king at a glance.
      canvas_.fill(Path().rect(14, 3, 8, 2.2), style_.court.robe[static_cast<std::size_t>(rank_ - 11)]);
    }
    drawSuit(canvas_, suit_, 16.2, 21.6, 12.5, ink_);
  }

  const CardStyle& style_;
  CardSize size_;
  Suit suit_;
  int rank_;
  FontBook& fonts_;
  double zoom_;
  Canvas canvas_;
  Rgb ink_;
  double sx_, sy_;
};

}  // namespace

VisibleStrip visibleStrip(CardSize size) {
  switch (size.letter) {
    case 'B': return {18, 12};
    case 'M': return {14, 10};
    default: return {3, 3};
  }
}

Bitmap renderCornerIndex(const CardStyle& style, CardSize size, Suit suit, int rank, FontBook& fonts) {
  return FacePainter(style, size, suit, rank, fonts, 1.0).cornerIndexAlone();
}

Bitmap renderCardFace(const CardStyle& style, CardSize size, Suit suit, int rank, FontBook& fonts, double zoom) {
  return FacePainter(style, size, suit, rank, fonts, zoom).paint();
}

Bitmap renderFaceSheet(const CardStyle& style, CardSize size, Suit suit, FontBook& fonts) {
  Bitmap sheet(5 * size.width, 3 * size.height, {255, 255, 255});
  for (int rank = 1; rank <= 13; ++rank) {
    const int cell = rank - 1;
    sheet.paste(renderCardFace(style, size, suit, rank, fonts), (cell % 5) * size.width, (cell / 5) * size.height);
  }
  return sheet;
}

}  // namespace quilloro::artwork
