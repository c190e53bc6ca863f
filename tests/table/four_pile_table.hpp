// The small test table shared by the drawing tests and benchmarks: stock and
// waste at the left, four foundations at the right, four downward tableau piles below.
#pragma once

#include <initializer_list>
#include <utility>

#include "engine/game_parameters.hpp"
#include "engine/game_state.hpp"

namespace quilloro::testing {

// Clears every parameter, then sets those of the four-pile table.
inline void useFourPileTable(GameState& state) {
  state.parameters.values().fill(0);
  for (const auto& [index, value] : std::initializer_list<std::pair<int, int>>{
           {param::kStockGroupPiles, 2}, {param::kShowStock, 1}, {param::kShowWaste, 1}, {param::kStockArrangement, 5},
           {param::kStockRow, 1}, {param::kStockPasses, -1}, {param::kStockFaceDown, 1},
           {param::kFoundationCount, 4}, {param::kFoundationArrangement, 8}, {param::kFoundationRow, 1},
           {param::kTableauCount, 4}, {param::kTableauArrangement, 1}, {param::kTableauRow, 2}, {param::kTableauFan, 1}})
    state.parameters[index] = static_cast<ParameterValue>(value);
}

}  // namespace quilloro::testing
