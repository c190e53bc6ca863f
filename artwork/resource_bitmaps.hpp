// Pictures the program carries as named resources: shadow and stock-edge strips, the poker score panel, the pie charts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "artwork/bmp_writer.hpp"
#include "artwork/font.hpp"
#include "artwork/card_geometry.hpp"

namespace quilloro::artwork {

// Colours of the pie pictures. The larger share is red with a maroon rim and
// the smaller green with a dark green rim; the program swaps the two sets of
// colours pixel by pixel when the won share is the larger. Silver is transparent.
inline constexpr Rgb kPieRed{255, 0, 0};
inline constexpr Rgb kPieGreen{0, 255, 0};
inline constexpr Rgb kPieMaroon{128, 0, 0};
inline constexpr Rgb kPieDarkGreen{0, 128, 0};
inline constexpr Rgb kPieSilver{192, 192, 192};

// "SHADOW_" + size + "1" (right strip) and "2" (bottom strip): a 50 % dither
// of black on white, white being transparent, matching the run shadow of the
// card support library.
Bitmap renderShadowStrip(CardSize size, int which);
// "3D_BORDER_" + size + "1" (16 x H + 13, right edge) and "2" (W + 11 x 16,
// bottom edge): the edges of the cards under a stock's top card; pure blue is transparent.
Bitmap renderStockEdgeStrip(CardSize size, int which);
// "Panel_pk": white writing area in a raised frame.
Bitmap renderPokerPanel();

// "PANEL_FONT": the small bold print of the table's panels and hint boxes,
// black on white, one cell per character of panelFontCharacters() in one row.
inline constexpr int kPanelFontCell = 14;
inline constexpr int kPanelFontHeight = 14;
const std::u32string& panelFontCharacters();
Bitmap renderPanelFont(FontBook& fonts);

// Resource names and pictures: "imgGraph0500" to "imgGraph1000" in steps of
// 25 (the larger share in tenths of a percent) and "imgGraphNoValues".
std::vector<std::pair<std::string, Bitmap>> renderPieCharts();

}  // namespace quilloro::artwork
