// The whole-table layouts: one rule that places every pile of one particular game.
#pragma once

#include "table/layout_context.hpp"

namespace quilloro {

// Places every pile for tableau arrangement number (51 to 79); answers false
// for any other number and places nothing.
bool placeWholeTable(int number, const LayoutContext& context, Placer& placer);

// The groups of layouts, by where their rules come from.
bool placeGridAndColumnLayouts(int number, const LayoutContext& context, Placer& placer);   // 51 to 65
bool placeRowBlockLayouts(int number, const LayoutContext& context, Placer& placer);        // 72 to 79
bool placeShapedLayouts(int number, const LayoutContext& context, Placer& placer);          // 53, 54, 61, 66 to 71

// Shared by the grids that hold the stock and the discard pile at their sides
// (51 and 79): the distance d of those piles from the grid, and the grid's
// first column moved right when the table is too narrow for them.
void sideDistance(const TableArea& area, int& firstColumn, int& distance);

// A centred block of the given height never starts above the table area.
int centredTop(const TableArea& area, int blockHeight);

}  // namespace quilloro
