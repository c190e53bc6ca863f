// A beam search over small positions that copy cheaply: from each row of
// positions the best few by the rules' score, leaving out hopeless ones, go
// on to the next. It finds the
// wins of long games whose early choices a depth-first search would never
// revisit; it proves nothing lost. Rules as for CompactSearch, with
//   int score(const State&) const;   // higher is nearer a win
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

#include "engine/solver/compact_search.hpp"
#include "engine/solver/position_table.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

template <class Rules>
class BeamSearch {
 public:
  using State = typename Rules::State;
  using Step = typename Rules::Step;

  BeamSearch(const Rules& rules, const Budget& budget, std::size_t width, const std::atomic<bool>* stop)
      : rules_(rules), budget_(budget), width_(width), clock_(budget.milliseconds, stop), seen_(budget.memoryBytes / 2) {}

  // Won with the moves (replayed through the engine), or Unknown.
  SolveResult run(const State& start, const SolverStart& replayFrom) {
    SolveResult result;
    std::vector<State> row{start};
    seen_.insert(rules_.key(start));
    // For each row after the first: each position's parent in the row before and its step.
    std::vector<std::vector<std::pair<std::uint32_t, Step>>> links;
    std::vector<Step> steps;
    std::vector<State> next;
    std::vector<std::pair<std::uint32_t, Step>> nextLinks;
    std::vector<int> scores;
    bool won = rules_.won(start);
    std::uint32_t winner = 0;
    while (!won && !row.empty() && !spent()) {
      next.clear();
      nextLinks.clear();
      scores.clear();
      for (std::uint32_t at = 0; at < row.size() && !won; ++at) {
        ++expanded_;
        rules_.steps(row[at], steps);
        for (const Step& step : steps) {
          // Played where it is kept: the positions are copied once.
          next.push_back(row[at]);
          State& child = next.back();
          scratch_.clear();
          rules_.play(child, step, scratch_);
          if (seen_.insert(rules_.key(child)) == PositionTable::Insert::Seen) {
            next.pop_back();
            continue;
          }
          nextLinks.emplace_back(at, step);
          scores.push_back(rules_.score(child));
          if (rules_.won(child)) {
            won = true;
            winner = static_cast<std::uint32_t>(next.size() - 1);
            break;
          }
        }
      }
      if (!won) {
        // The best that are not hopeless, ties kept in the order found.
        std::vector<std::uint32_t> order(next.size());
        std::iota(order.begin(), order.end(), 0U);
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return scores[a] > scores[b]; });
        std::size_t kept = 0;
        for (std::size_t at = 0; at < order.size() && kept < width_; ++at)
          if (!rules_.hopeless(next[order[at]])) order[kept++] = order[at];
        order.resize(kept);
        std::sort(order.begin(), order.end());
        // Gathered to the front in place: each kept index is at least its
        // new place, so nothing kept is overwritten before it moves. The
        // rows keep their memory from one to the next instead of asking the
        // system for a large block every row.
        for (std::size_t at = 0; at < kept; ++at) {
          if (order[at] == at) continue;
          next[at] = next[order[at]];
          nextLinks[at] = nextLinks[order[at]];
        }
        next.resize(kept);
        nextLinks.resize(kept);
      }
      links.push_back(nextLinks);
      row.swap(next);
    }
    result.nodes = expanded_;
    clock_.report(result);
    if (!won) return result;
    // The way back from the winner, then played forward for the engine's moves.
    std::vector<Step> line;
    std::uint32_t at = winner;
    for (std::size_t level = links.size(); level-- > 0;) {
      line.push_back(links[level][at].second);
      at = links[level][at].first;
    }
    State state = start;
    for (auto step = line.rbegin(); step != line.rend(); ++step) rules_.play(state, *step, result.moves);
    result.verdict = replayWins(replayFrom, result.moves) ? Verdict::Won : Verdict::Unknown;
    return result;
  }

 private:
  bool spent() {
    if (expanded_ >= budget_.nodes) return true;
    return clock_.cutShort();
  }

  const Rules& rules_;
  const Budget& budget_;
  std::size_t width_;
  SearchClock clock_;
  PositionTable seen_;
  std::vector<SolverMove> scratch_;
  std::int64_t expanded_ = 0;
};

// Widths of a run of beams: the first, the factor from one to the next, the widest.
struct BeamWidths {
  std::size_t first = 0;
  std::size_t widening = 1;
  std::size_t most = 0;
};

// Beams ever wider until one wins, the clock or the stop flag ends them, or
// nodeLimit positions are spent, counted on from those of `sofar`. The widest
// beam, once over, would only go the same way again, so it runs once. The
// result carries the positions and time of `sofar` and of every beam.
template <class Rules>
SolveResult widenBeams(const Rules& rules, const typename Rules::State& state, const SolverStart& start,
                       const Budget& budget, std::int64_t nodeLimit, BeamWidths widths, SolveResult sofar,
                       const std::atomic<bool>* stop) {
  for (std::size_t width = widths.first; sofar.nodes < nodeLimit; width = std::min(width * widths.widening, widths.most)) {
    Budget pass = budgetLeft(budget, sofar.nodes, sofar.seconds, 1);
    pass.nodes = nodeLimit - sofar.nodes;
    SolveResult beam = BeamSearch<Rules>(rules, pass, width, stop).run(state, start);
    beam.nodes += sofar.nodes;
    beam.seconds += sofar.seconds;
    sofar = std::move(beam);
    if (sofar.verdict == Verdict::Won || sofar.stopped || sofar.outOfTime) break;
    if (width == widths.most) break;
  }
  return sofar;
}

// Beams ever wider on the first beamNodes positions, for a win; then, unless
// they won or the time or the stop flag ended them, every move depth first
// on what is left, where alone a loss is proved. The result counts both.
template <class Rules>
SolveResult beamsThenEveryMove(const Rules& rules, const typename Rules::State& state, const SolverStart& start,
                               const Budget& budget, std::int64_t beamNodes, BeamWidths widths,
                               const std::atomic<bool>* stop) {
  SolveResult found = widenBeams(rules, state, start, budget, beamNodes, widths, SolveResult{}, stop);
  if (found.verdict == Verdict::Won || found.stopped || found.outOfTime) return found;
  const Budget rest = budgetLeft(budget, found.nodes, found.seconds, 1);
  SolveResult result = CompactSearch<Rules>(rules, rest, stop).run(state, start);
  result.nodes += found.nodes;
  result.seconds += found.seconds;
  return result;
}

}  // namespace quilloro::solver
