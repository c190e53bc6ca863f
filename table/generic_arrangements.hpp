// The generic placement rules, one per pile kind and arrangement number (01 to 19).
#pragma once

#include <optional>

#include "table/layout_context.hpp"

namespace quilloro {

// Places the tableau piles and answers the gap between neighbouring columns,
// which the foundation and reserve rules read. start is where the collision
// pass wants the ten-pixel row to begin.
int placeTableau(const LayoutContext& context, Placer& placer, std::optional<int> start);
void placeStockGroup(const LayoutContext& context, Placer& placer);
void placeFoundations(const LayoutContext& context, Placer& placer, int tableauGap);
void placeReserves(const LayoutContext& context, Placer& placer, int tableauGap);
void placeDiscard(const LayoutContext& context, Placer& placer);

// With reserves laid from the margin: where the tableau must start so that it
// clears the last reserve, or nothing when it already does.
std::optional<int> collisionStart(const LayoutContext& context, const PileAnchors& anchors);

// Tops still at the stock's not-placed value are taken from the first pile of
// their kind: the waste from the stock, foundations 2 to 4 from foundation 1,
// tableau piles 2 to 7 from tableau pile 1.
void fillInTops(PileAnchors& anchors);

}  // namespace quilloro
