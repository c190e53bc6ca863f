// The card counter's suit and cell pictures and the small effect samples, drawn with the card artwork's own tools.
#include "artwork/option_pictures.hpp"

#include <cmath>

#include "artwork/canvas.hpp"
#include "artwork/card_backs.hpp"
#include "artwork/noise.hpp"
#include "artwork/suit_symbols.hpp"

namespace quilloro::artwork {
namespace {

constexpr Rgb kPictureRed{200, 20, 30};
constexpr Rgb kPictureBlack{20, 20, 20};
constexpr Rgb kBackBlue{30, 60, 150};
constexpr Rgb kFelt{0, 110, 40};
const char* const kRankText[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

Bitmap counterCell(int rank, int state, FontBook& fonts) {
  Canvas canvas(13, 16, kCounterGround);
  Path outline;
  outline.roundedRect(0.5, 0.5, 12, 15, 2);
  if (state == 0) {
    // Not counted: an empty place.
    canvas.stroke(outline, 1, {190, 190, 186});
    return canvas.bitmap();
  }
  const bool seen = state == 1;
  canvas.fill(outline, seen ? Rgb{255, 255, 255} : kBackBlue);
  canvas.stroke(outline, 1, seen ? Rgb{120, 120, 120} : Rgb{16, 30, 80});
  Font& font = fonts.get("DejaVuSans-Bold.ttf");
  const double widthFactor = rank == 10 ? 0.62 : 1.0;
  drawTextCentred(canvas, font, kRankText[rank - 1], 7.5, 6.5, 8, seen ? kPictureBlack : Rgb{200, 214, 250}, false, widthFactor);
  return canvas.bitmap();
}

Bitmap counterSuit(Suit suit) {
  Canvas canvas(14, 16, kCounterGround);
  drawSuit(canvas, suit, 7, 8, 11, suit == Suit::Hearts || suit == Suit::Diamonds ? kPictureRed : kPictureBlack);
  return canvas.bitmap();
}

// The sample table: felt with a soft grain.
Canvas sampleTable() {
  Canvas canvas(112, 84, kFelt);
  Bitmap& b = canvas.bitmap();
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      b.at(x, y) = shade(kFelt, 1.0 + 0.08 * fractalNoise(x / 9.0, y / 9.0, 3, 77) + 0.05 * (hashUnit(x, y, 78) - 0.5));
  return canvas;
}

enum class Face { Heart, Spade, Back };

// A small card of 30 x 40 at (x, y), with a soft shadow down and to the right when shadowed.
void smallCard(Canvas& canvas, double x, double y, Face face, bool shadowed) {
  Path card;
  card.roundedRect(x, y, 30, 40, 3);
  if (shadowed) {
    for (int k = 5; k >= 1; --k) {
      Path shadow;
      shadow.roundedRect(x + k * 0.9, y + k * 0.9, 30, 40, 3);
      canvas.fill(shadow, Rgb{0, 0, 0}, 0.12);
    }
  }
  if (face == Face::Back) {
    canvas.fill(card, Rgb{255, 255, 255});
    Path field;
    field.roundedRect(x + 2.5, y + 2.5, 25, 35, 2);
    canvas.fill(field, [x, y](double u, double v) {
      const bool on = std::fmod(std::fabs((u - x) + (v - y)), 5.0) < 2.5;
      return on ? kBackBlue : Rgb{90, 130, 210};
    });
  } else {
    canvas.fill(card, Rgb{255, 255, 255});
    drawSuit(canvas, face == Face::Heart ? Suit::Hearts : Suit::Spades, x + 15, y + 20, 14,
             face == Face::Heart ? kPictureRed : kPictureBlack);
  }
  canvas.stroke(card, 1, Rgb{90, 90, 90});
}

}  // namespace

std::vector<std::pair<std::string, Bitmap>> renderCounterPictures(FontBook& fonts) {
  std::vector<std::pair<std::string, Bitmap>> out;
  const char* suits[4] = {"card_hearts", "card_diamonds", "card_clubs", "card_spades"};
  for (int s = 0; s < 4; ++s) out.emplace_back(suits[s], counterSuit(static_cast<Suit>(s)));
  out.emplace_back("Card_None", counterCell(1, 0, fonts));
  for (int rank = 1; rank <= 13; ++rank) {
    out.emplace_back("Card_" + std::to_string(rank) + "_Up", counterCell(rank, 1, fonts));
    out.emplace_back("Card_" + std::to_string(rank) + "_Down", counterCell(rank, 2, fonts));
  }
  return out;
}

std::vector<std::pair<std::string, Bitmap>> renderEffectSamples(FontBook&) {
  std::vector<std::pair<std::string, Bitmap>> out;
  for (bool shadowed : {true, false}) {
    Canvas canvas = sampleTable();
    smallCard(canvas, 18, 14, Face::Back, false);
    smallCard(canvas, 58, 22, Face::Heart, shadowed);
    out.emplace_back(shadowed ? "CARD_WITH_SHADOW" : "CARD_WITHOUT_SHADOW", canvas.bitmap());
  }
  for (bool irregular : {true, false}) {
    Canvas canvas = sampleTable();
    const double jitter[5] = {0, 2.5, -2, 1.5, -1};
    for (int i = 0; i < 5; ++i) {
      const double dx = irregular ? jitter[i] : 0;
      smallCard(canvas, 20 + dx, 6 + i * 8, i < 2 ? Face::Back : (i % 2 ? Face::Spade : Face::Heart), false);
      smallCard(canvas, 62 - dx, 6 + i * 6, i < 3 ? Face::Back : Face::Heart, false);
    }
    out.emplace_back(irregular ? "CARD_IRR_PILES_YES" : "CARD_IRR_PILES_NO", canvas.bitmap());
  }
  // The flight: a card rises from the left pile and lands on the right one.
  for (int frame = 0; frame < 8; ++frame) {
    Canvas canvas = sampleTable();
    smallCard(canvas, 8, 34, Face::Back, false);
    smallCard(canvas, 74, 34, Face::Spade, false);
    const double t = frame / 7.0;
    smallCard(canvas, 8 + 66 * t, 34 - 28 * std::sin(t * 3.14159265), Face::Heart, frame > 0 && frame < 7);
    out.emplace_back("CARD_ANIMATED_" + std::to_string(frame), canvas.bitmap());
  }
  Canvas still = sampleTable();
  smallCard(still, 8, 34, Face::Back, false);
  smallCard(still, 74, 34, Face::Spade, false);
  smallCard(still, 80, 24, Face::Heart, false);
  out.emplace_back("CARD_NOT_ANIMATED", still.bitmap());
  return out;
}

}  // namespace quilloro::artwork
