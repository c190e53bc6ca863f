// Best-first search over the engine's moves, with canonical position keys so
// that every position is expanded once; an exhausted search proves a loss.
#include "engine/solver/solver.hpp"

#include <algorithm>
#include <chrono>
#include <queue>
#include <unordered_set>

#include "engine/solver/candidate_moves.hpp"
#include "engine/solver/scratch_table.hpp"
#include "engine/solver/solver_position.hpp"

namespace quilloro::solver {

namespace {

constexpr std::uint32_t kNoParent = 0xFFFFFFFF;

// The search's own record of a position: how it was reached and where its
// encoding lies; the key itself lives only in the set of seen positions.
struct Node {
  std::uint32_t parent = kNoParent;
  // The moves of the step that led here, in the search's move arena.
  std::uint32_t firstMove = 0;
  std::uint32_t moveCount = 0;
  std::uint32_t depth = 0;
  std::size_t offset = 0;
  std::uint32_t length = 0;
};

struct Queued {
  int priority;
  std::uint32_t node;
  // Best score first; among equals the newest, which keeps the search deep.
  friend bool operator<(const Queued& a, const Queued& b) {
    return a.priority != b.priority ? a.priority < b.priority : a.node < b.node;
  }
};

class Search {
 public:
  Search(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop)
      : start_(start),
        budget_(budget),
        stop_(stop),
        table_(start.state, start.placed),
        key_(start.state.parameters, table_.game().selectionGame()),
        base_(start.state),
        snapshot_(start.state) {
    options_.wasteByMacro = wasteByMacroSuits(start.state.parameters);
    safePlays_ = safePlaySuits(start.state.parameters);
  }

  SolveResult run();

 private:
  std::span<const std::uint8_t> bytesOf(const Node& node) const {
    return std::span<const std::uint8_t>(arena_).subspan(node.offset, node.length);
  }
  std::vector<SolverMove> pathTo(std::uint32_t node) const;
  std::size_t memoryUsed() const {
    return arena_.capacity() + nodes_.capacity() * sizeof(Node) + moveArena_.capacity() * sizeof(SolverMove) + seen_.size() * 40 + queue_.size() * sizeof(Queued);
  }
  bool budgetSpent();
  // The step's moves so far lie in step_; the table shows its result. Plays
  // the safe foundation moves that follow, then records the position when it
  // is new. Answers whether it won.
  bool finishStep(std::uint32_t parent, int redeals);
  // Clicks through the stock, and at every waste card tries its drops.
  bool stockSteps(std::uint32_t parent, int redeals);

  const SolverStart& start_;
  const Budget& budget_;
  const std::atomic<bool>* stop_;
  ScratchTable table_;
  PositionKey key_;
  GameState base_;
  std::vector<std::uint8_t> arena_;
  std::vector<Node> nodes_;
  std::vector<SolverMove> moveArena_;
  std::vector<SolverMove> step_;
  std::vector<std::uint8_t> child_;
  GameState snapshot_;
  MoveOptions options_;
  bool safePlays_ = false;
  std::uint32_t won_ = kNoParent;
  std::uint32_t best_ = 0;
  int bestScore_ = 0;
  std::unordered_set<std::uint64_t> seen_;
  std::priority_queue<Queued> queue_;
  std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
  std::int64_t expanded_ = 0;
  bool stopped_ = false;
};

std::vector<SolverMove> Search::pathTo(std::uint32_t node) const {
  std::vector<SolverMove> moves;
  for (std::uint32_t at = node; nodes_[at].parent != kNoParent; at = nodes_[at].parent) {
    const Node& n = nodes_[at];
    for (std::uint32_t i = n.moveCount; i > 0; --i) moves.push_back(moveArena_[n.firstMove + i - 1]);
  }
  return {moves.rbegin(), moves.rend()};
}

bool Search::budgetSpent() {
  if (expanded_ >= budget_.nodes) return true;
  if (stop_ && stop_->load(std::memory_order_relaxed)) {
    stopped_ = true;
    return true;
  }
  if (expanded_ % 32 != 0) return false;
  const auto elapsed = std::chrono::steady_clock::now() - began_;
  if (elapsed >= std::chrono::milliseconds(budget_.milliseconds)) return true;
  return memoryUsed() >= budget_.memoryBytes;
}

SolveResult Search::run() {
  SolveResult result;
  auto finish = [&](Verdict verdict, std::vector<SolverMove> moves) {
    result.verdict = verdict;
    result.moves = std::move(moves);
    result.nodes = expanded_;
    result.stopped = stopped_;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
    return result;
  };

  Game& game = table_.game();
  if (game.wonCheck()) return finish(Verdict::Won, {});
  encodePosition(start_.state, start_.redealCount, arena_);
  nodes_.push_back({kNoParent, 0, 0, 0, 0, static_cast<std::uint32_t>(arena_.size())});
  seen_.insert(key_.hash(bytesOf(nodes_[0])));
  queue_.push({positionScore(game), 0});
  bestScore_ = queue_.top().priority;

  while (!queue_.empty()) {
    if (budgetSpent()) return finish(Verdict::Unknown, pathTo(best_));
    const std::uint32_t current = queue_.top().node;
    queue_.pop();
    ++expanded_;
    const int redeals = decodePosition(bytesOf(nodes_[current]), base_);
    table_.load(base_, redeals);
    const std::vector<SolverMove> moves = candidateMoves(game, options_);
    for (const SolverMove& move : moves) {
      table_.load(base_, redeals);
      if (move.kind == SolverMove::Kind::Stock && options_.wasteByMacro) {
        if (stockSteps(current, redeals)) return finish(Verdict::Won, pathTo(won_));
        continue;
      }
      if (!applyMove(game, move)) continue;
      step_.assign(1, move);
      if (finishStep(current, redeals)) return finish(Verdict::Won, pathTo(won_));
    }
  }
  return finish(Verdict::Lost, pathTo(best_));
}

bool Search::finishStep(std::uint32_t parent, int /*redeals*/) {
  Game& game = table_.game();
  if (safePlays_) {
    while (const auto safe = safeFoundationMove(game)) {
      if (!applyMove(game, *safe)) break;
      step_.push_back(*safe);
    }
  }
  child_.clear();
  encodePosition(game.state, game.redealCount(), child_);
  if (!seen_.insert(key_.hash(child_)).second) return false;
  const auto index = static_cast<std::uint32_t>(nodes_.size());
  const std::uint32_t depth = nodes_[parent].depth + 1;
  nodes_.push_back({parent, static_cast<std::uint32_t>(moveArena_.size()), static_cast<std::uint32_t>(step_.size()),
                    depth, arena_.size(), static_cast<std::uint32_t>(child_.size())});
  moveArena_.insert(moveArena_.end(), step_.begin(), step_.end());
  arena_.insert(arena_.end(), child_.begin(), child_.end());
  if (game.wonCheck()) {
    won_ = index;
    return true;
  }
  // A little for every step keeps the solutions short among equals.
  const int score = positionScore(game) - static_cast<int>(depth);
  if (score > bestScore_) {
    bestScore_ = score;
    best_ = index;
  }
  queue_.push({score, index});
  return false;
}

bool Search::stockSteps(std::uint32_t parent, int redeals) {
  Game& game = table_.game();
  const SolverMove click{SolverMove::Kind::Stock, kNoCard, kStockPile};
  // The stock and waste as they stood after each number of clicks: a
  // repetition closes the round.
  std::vector<std::pair<Pile, Pile>> rounds;
  int snapshotRedeals = redeals;
  snapshot_.piles = base_.piles;
  snapshot_.cards = base_.cards;
  for (int clicks = 0;; ++clicks) {
    const std::pair<Pile, Pile> round{snapshot_.piles.stock(), snapshot_.piles.waste()};
    if (std::find(rounds.begin(), rounds.end(), round) != rounds.end()) break;
    rounds.push_back(round);
    table_.load(snapshot_, snapshotRedeals);
    for (const SolverMove& drop : wasteDrops(game)) {
      table_.load(snapshot_, snapshotRedeals);
      if (!applyMove(game, drop)) continue;
      step_.assign(static_cast<std::size_t>(clicks), click);
      step_.push_back(drop);
      if (finishStep(parent, snapshotRedeals)) return true;
    }
    table_.load(snapshot_, snapshotRedeals);
    if (!applyMove(game, click)) break;
    snapshot_.piles = game.state.piles;
    snapshot_.cards = game.state.cards;
    snapshotRedeals = game.redealCount();
  }
  return false;
}

}  // namespace

SolverStart SolverStart::of(const Game& game) {
  SolverStart start;
  start.state = game.state;
  start.redealCount = game.redealCount();
  start.placed.assign(kStockListSize + kMaxFoundations + kMaxTableau + kMaxReserves, true);
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int index = 0; index < pileListSize(list); ++index)
      start.placed[static_cast<std::size_t>(PlacedPiles::order({list, index}))] = game.isPlaced({list, index});
  return start;
}

const char* verdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::Won: return "won";
    case Verdict::Lost: return "lost";
    case Verdict::Unknown: return "unknown";
  }
  return "unknown";
}

SolveResult solve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  return Search(start, budget, stop).run();
}

bool replayWins(const SolverStart& start, const std::vector<SolverMove>& moves) {
  ScratchTable table(start.state, start.placed);
  table.load(start.state, start.redealCount);
  for (const SolverMove& move : moves)
    if (!applyMove(table.game(), move)) return false;
  return table.game().wonCheck();
}

}  // namespace quilloro::solver
