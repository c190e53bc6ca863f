// Card faces: one card as a picture, and the sheet of a suit's thirteen cards in rows of five.
#pragma once

#include "artwork/bmp_writer.hpp"
#include "artwork/card_geometry.hpp"
#include "artwork/card_styles.hpp"
#include "artwork/font.hpp"

namespace quilloro::artwork {

// At a zoom above 1 the card is drawn larger from the same design, on
// zoomedLength(width) x zoomedLength(height) pixels.
Bitmap renderCardFace(const CardStyle& style, CardSize size, Suit suit, int rank, FontBook& fonts, double zoom = 1.0);

// The part of a card that a fan leaves showing when it covers the card: the
// top rows of a downward fan and the left columns of a rightward fan (the
// table's face-up fan steps of the size). The corner index lies in both.
struct VisibleStrip {
  int rows;
  int columns;
};
VisibleStrip visibleStrip(CardSize size);

// A blank face with the corner index of the top-left corner alone.
Bitmap renderCornerIndex(const CardStyle& style, CardSize size, Suit suit, int rank, FontBook& fonts);

// 5 x 3 cells of W x H without gaps: ace to 5, 6 to 10, jack queen king; the
// last two cells stay blank.
Bitmap renderFaceSheet(const CardStyle& style, CardSize size, Suit suit, FontBook& fonts);

}  // namespace quilloro::artwork
