// Depth-first search for the games whose cards come from the stock onto
// foundations. The stock and the waste keep their cards in one fixed order (a
// redeal turns the waste over whole), so both are told by which cards of that
// order are gone and how far the stock has been turned. Tableau piles either
// only give cards to the foundations or only take them from the waste.
// Interchangeable piles and foundations count as one in the key. Where the
// rules ask for it, beams of ever more lines look for a win first, on three
// quarters of the positions.
#include "engine/solver/stock_waste_search.hpp"

#include <cstdint>

#include "engine/solver/beam_search.hpp"
#include "engine/solver/compact_search.hpp"
#include "engine/solver/stock_waste_rules.hpp"

namespace quilloro::solver {

namespace {

// Beams pay off only with room for wide ones: on less (a quick look), the
// depth-first search alone goes deeper and tells the best line it found.
constexpr std::int64_t kLeastBeamPositions = 100'000;

}  // namespace

using stock_waste::StockState;
using stock_waste::StockStep;
using stock_waste::StockWasteRules;

std::optional<SolveResult> stockWasteSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  auto table = StockWasteRules::of(start);
  if (!table) return std::nullopt;
  if (table->first.beamsFirst() && budget.nodes >= kLeastBeamPositions)
    return beamsThenEveryMove(table->first, table->second, start, budget, budget.nodes - budget.nodes / 4, BeamWidths{64, 4, 65536}, stop);
  return CompactSearch<StockWasteRules>(table->first, budget, stop).run(table->second, start);
}

std::optional<std::vector<SolverMove>> stockWasteMoves(const SolverStart& start) {
  return compactFirstMoves<StockWasteRules>(start);
}

}  // namespace quilloro::solver
