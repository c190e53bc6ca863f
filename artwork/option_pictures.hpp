// Pictures of the card counter (suit rows and rank cells) and the effect samples of the Customize window.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "artwork/bmp_writer.hpp"
#include "artwork/font.hpp"

namespace quilloro::artwork {

// The colour the card counter window is filled with; its pictures stand on it.
inline constexpr Rgb kCounterGround{236, 236, 232};

// "card_hearts" ... "card_spades" (14 x 16), "Card_None", "Card_" + rank +
// "_Up" and "_Down" (13 x 16) for ranks 1 to 13.
std::vector<std::pair<std::string, Bitmap>> renderCounterPictures(FontBook& fonts);

// "CARD_WITH_SHADOW", "CARD_WITHOUT_SHADOW", "CARD_IRR_PILES_YES",
// "CARD_IRR_PILES_NO", "CARD_NOT_ANIMATED" and the frames "CARD_ANIMATED_0"
// to "CARD_ANIMATED_7", each 112 x 84.
std::vector<std::pair<std::string, Bitmap>> renderEffectSamples(FontBook& fonts);

}  // namespace quilloro::artwork
