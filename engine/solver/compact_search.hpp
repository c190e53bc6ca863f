// A depth-first search over small positions that copy cheaply, shared by the
// searches of the stock games: each game kind supplies its position, its moves
// and a key that tells positions apart; this walks them, each entered once.
#pragma once

#include <atomic>
#include <optional>
#include <cstdint>
#include <vector>

#include "engine/solver/position_table.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// Mixes a list of words into a 128-bit key with two independent hashes: two
// positions share a key only by a chance far below one in 10^30 per pair.
class KeyHasher {
 public:
  void add(std::uint64_t word) {
    high_ = mix(high_ ^ word, 0x9E3779B97F4A7C15ULL);
    low_ = mix(low_ + word, 0xC2B2AE3D27D4EB4FULL);
  }
  PositionKey128 key() const { return {mix(high_, 0x165667B19E3779F9ULL), mix(low_, 0x27D4EB2F165667C5ULL)}; }

 private:
  static std::uint64_t mix(std::uint64_t x, std::uint64_t salt) {
    x = (x ^ salt) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 31)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 29);
  }
  std::uint64_t high_ = 0x6A09E667F3BCC908ULL;
  std::uint64_t low_ = 0xBB67AE8584CAA73BULL;
};

// Rules must offer:
//   using State (a value), using Step (a value);
//   bool won(const State&) const;
//   bool hopeless(const State&) const;         // provably no win from here
//   void steps(const State&, std::vector<Step>&) const;  // the best first
//   void play(State&, const Step&, std::vector<SolverMove>&) const;  // appends the engine's moves
//   PositionKey128 key(const State&) const;
//   int left(const State&) const;              // how far from a win, for the best line
//   int discrepancyRounds() const;             // see below; 0 for a plain search
// Where the first move of each position is usually right, a few rounds may
// first look only at lines that leave that order at most 0, 1, 2 ... times
// (a win they find is a win); the full search follows, on the positions left.
// Every position is entered at most once by it, so once it is exhausted it
// has seen every position reachable: Lost is then a proof. A full table only stops
// remembering; the budget of positions still ends the search.
template <class Rules>
class CompactSearch {
 public:
  using State = typename Rules::State;
  using Step = typename Rules::Step;

  CompactSearch(const Rules& rules, const Budget& budget, const std::atomic<bool>* stop)
      : rules_(rules), budget_(budget), clock_(budget.milliseconds, stop), seen_(budget.memoryBytes) {}

  SolveResult run(const State& start, const SolverStart& replayFrom) {
    SolveResult result;
    Outcome outcome = Outcome::Exhausted;
    for (int round = 0; round < rules_.discrepancyRounds(); ++round) {
      outcome = search(start, round);
      if (outcome != Outcome::Exhausted) break;
      seen_ = PositionTable(budget_.memoryBytes);
    }
    if (outcome == Outcome::Exhausted) outcome = search(start, kNoLimit);
    result.verdict = outcome == Outcome::Won ? Verdict::Won : outcome == Outcome::Exhausted ? Verdict::Lost : Verdict::Unknown;
    result.moves = outcome == Outcome::Won ? moves_ : bestMoves_;
    // A win is only told once the engine has played it through.
    if (result.verdict == Verdict::Won && !replayWins(replayFrom, result.moves)) result.verdict = Verdict::Unknown;
    result.nodes = expanded_;
    clock_.report(result);
    return result;
  }

 private:
  enum class Outcome { Won, Exhausted, Spent };
  static constexpr std::int64_t kClockInterval = 1024;
  static constexpr int kNoLimit = 1 << 30;

  struct Frame {
    State state;
    std::vector<Step> steps;
    std::size_t next = 0;
    std::size_t movesBefore = 0;
    int discrepancies = 0;
  };

  bool spent() {
    if (expanded_ >= budget_.nodes) return true;
    if (expanded_ % kClockInterval != 0) return false;
    return clock_.cutShort();
  }

  // Enters the position: false when it needs no further look (seen, hopeless).
  bool enter(const State& state, Frame& frame, int discrepancies) {
    if (seen_.insert(rules_.key(state)) == PositionTable::Insert::Seen) return false;
    ++expanded_;
    const int left = rules_.left(state);
    if (left < bestLeft_) {
      bestLeft_ = left;
      bestMoves_ = moves_;
    }
    if (rules_.hopeless(state)) return false;
    frame.state = state;
    frame.next = 0;
    frame.movesBefore = moves_.size();
    frame.discrepancies = discrepancies;
    rules_.steps(state, frame.steps);
    return true;
  }

  Outcome search(const State& start, int limit) {
    moves_.clear();
    if (rules_.won(start)) return Outcome::Won;
    if (spent()) return Outcome::Spent;
    std::vector<Frame> frames(1);
    if (!enter(start, frames[0], 0)) return Outcome::Exhausted;
    std::size_t depth = 1;
    State next;
    while (depth > 0) {
      Frame& frame = frames[depth - 1];
      // Past the first move, each costs one leave from the order.
      if (frame.next == frame.steps.size() || (frame.next > 0 && frame.discrepancies >= limit)) {
        moves_.resize(frame.movesBefore);
        --depth;
        continue;
      }
      if (spent()) return Outcome::Spent;
      moves_.resize(frame.movesBefore);
      next = frame.state;
      const int discrepancies = frame.discrepancies + (frame.next > 0 ? 1 : 0);
      rules_.play(next, frame.steps[frame.next++], moves_);
      if (rules_.won(next)) return Outcome::Won;
      if (frames.size() == depth) frames.emplace_back();
      // The frame above may have moved with the vector: only its index is kept.
      if (enter(next, frames[depth], discrepancies)) ++depth;
    }
    return Outcome::Exhausted;
  }

  const Rules& rules_;
  const Budget& budget_;
  SearchClock clock_;
  PositionTable seen_;
  std::vector<SolverMove> moves_;
  std::vector<SolverMove> bestMoves_;
  int bestLeft_ = 1 << 30;
  std::int64_t expanded_ = 0;
};

// The whole solve of a compact game: its rules and first state read from the
// start (nothing where the kind is not one of Rules'), then the search.
template <typename Rules>
std::optional<SolveResult> solveCompact(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  auto table = Rules::of(start);
  if (!table) return std::nullopt;
  CompactSearch<Rules> search(table->first, budget, stop);
  return search.run(table->second, start);
}

// Every move a compact game offers in its first position, each as the engine's
// first move of it, for the tests that hold them against the engine's drops.
template <typename Rules>
std::optional<std::vector<SolverMove>> compactFirstMoves(const SolverStart& start) {
  auto table = Rules::of(start);
  if (!table) return std::nullopt;
  table->first.offerEveryMove();
  std::vector<typename Rules::Step> steps;
  table->first.steps(table->second, steps);
  std::vector<SolverMove> moves;
  for (const typename Rules::Step& step : steps) {
    typename Rules::State state = table->second;
    std::vector<SolverMove> played;
    table->first.play(state, step, played);
    moves.push_back(played.front());
  }
  return moves;
}

}  // namespace quilloro::solver
