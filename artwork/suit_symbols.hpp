// Outlines of the four suit symbols, drawn at any size and either way up.
#pragma once

#include "artwork/canvas.hpp"
#include "artwork/card_geometry.hpp"

namespace quilloro::artwork {

// The symbol centred on (0, 0), one unit tall, point of the heart downwards.
const Path& suitOutline(Suit suit);

// Fills the symbol centred on (cx, cy), height units tall, in user units of the canvas.
void drawSuit(Canvas& canvas, Suit suit, double cx, double cy, double height, Rgb colour, bool upsideDown = false);

}  // namespace quilloro::artwork
