// A generic solver for every game kind: it searches the moves the engine
// allows, on a copy of the game, and answers won (with the moves), lost (every
// reachable position seen) or unknown (the budget ran out).
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/game.hpp"
#include "engine/solver/solver_move.hpp"

namespace quilloro::solver {

// Everything the search needs of the game in progress, copied at once so that
// the search never touches the game itself (and may run on another thread).
struct SolverStart {
  GameState state;
  int redealCount = 1;
  // Which of the 53 piles the table layout placed, in stock-list,
  // foundation, tableau, reserve order.
  std::vector<bool> placed;

  static SolverStart of(const Game& game);
};

// What a search may spend. The positions expanded and the memory held decide
// the verdict and the moves: for a deal and these two, both are the same on
// every run. The time only cuts a search short, which then answers Unknown.
struct Budget {
  std::int64_t nodes = 1'000'000;
  int milliseconds = 2000;
  std::size_t memoryBytes = std::size_t{1} << 30;
};

enum class Verdict { Won, Lost, Unknown };

struct SolveResult {
  Verdict verdict = Verdict::Unknown;
  // Won: the winning moves. Otherwise the way to the best position found
  // (empty when no move was possible at all).
  std::vector<SolverMove> moves;
  std::int64_t nodes = 0;
  double seconds = 0.0;
  // Whether the stop flag ended the search.
  bool stopped = false;
  // Whether the time ran out before the positions or the memory did.
  bool outOfTime = false;
};

const char* verdictName(Verdict verdict);

// Searches from the start position. stop, when given, is polled and ends the
// search with Unknown as soon as it is set.
SolveResult solve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop = nullptr);

// Replays the moves on a copy of the start: whether every move is accepted
// and the last one wins the game.
bool replayWins(const SolverStart& start, const std::vector<SolverMove>& moves);

}  // namespace quilloro::solver
