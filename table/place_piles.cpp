#include "table/place_piles.hpp"

#include "table/arrangements.hpp"
#include "table/generic_arrangements.hpp"
#include "table/whole_table_layouts.hpp"

namespace quilloro {
namespace {

PlacedPiles genericPass(const LayoutContext& context, std::optional<int> start) {
  PlacedPiles placed;
  Placer placer(context, placed.anchors);
  placed.tableauGap = placeTableau(context, placer, start);
  placeStockGroup(context, placer);
  placeFoundations(context, placer, placed.tableauGap);
  placeReserves(context, placer, placed.tableauGap);
  placeDiscard(context, placer);
  return placed;
}

}  // namespace

PlacedPiles placePiles(const LayoutContext& context) {
  const int tableauArrangement = context.value(param::kTableauArrangement);
  if (arrangement::isWholeTable(tableauArrangement)) {
    PlacedPiles placed;
    Placer placer(context, placed.anchors);
    placeWholeTable(tableauArrangement, context, placer);
    return placed;
  }

  PlacedPiles placed = genericPass(context, std::nullopt);
  // One more pass is all it can take: only the ten-gap row follows the new
  // start, so a second collision would repeat for ever.
  if (const std::optional<int> start = collisionStart(context, placed.anchors)) {
    placed = genericPass(context, start);
    placed.tableauMoved = true;
  }
  fillInTops(placed.anchors);
  return placed;
}

}  // namespace quilloro
