// Depth-first search over the Spider family position. A first pass tries
// only the moves that promise progress, in order of promise, and finds most
// wins fast; a second pass tries every move and, when it has seen every
// position reachable without a win, proves the deal lost. Each pass enters a
// position once: the set of positions seen is bounded by the memory.
#include "engine/solver/spider_search.hpp"

#include <algorithm>
#include <chrono>

#include "engine/solver/spider_position.hpp"

namespace quilloro::solver {

namespace {

// The clock and the stop flag are read once per so many positions.
constexpr std::int64_t kClockInterval = 256;
// The share of the positions the first pass may spend.
constexpr double kFirstPassShare = 0.5;

class SpiderSearch {
 public:
  SpiderSearch(const SpiderRules& rules, const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop)
      : position_(rules, start.state), budget_(budget), stop_(stop) {}

  SolveResult run();

 private:
  enum class Outcome { Won, Exhausted, Spent };
  // A position on the way down: its moves in the arena, the next to try,
  // and where the position's changes and the engine's moves began.
  struct Frame {
    std::size_t firstMove;
    std::size_t endMove;
    std::size_t nextMove;
    std::size_t undoMark;
    std::size_t pathMark;
  };

  Outcome pass(bool everyMove, std::int64_t lastNode);
  void pushFrame(bool everyMove, std::size_t undoMark, std::size_t pathMark);
  bool spent(std::int64_t lastNode);
  std::size_t memoryUsed(const PositionTable& seen) const {
    return seen.bytes() + arena_.capacity() * sizeof(SpiderMove) + frames_.capacity() * sizeof(Frame) +
           (path_.capacity() + bestPath_.capacity()) * sizeof(SolverMove);
  }
  int progress() const {
    return 1000 * position_.runsHome() - 10 * position_.facedownTotal() - position_.stockLeft();
  }

  SpiderPosition position_;
  const Budget& budget_;
  const std::atomic<bool>* stop_;
  std::vector<SpiderMove> arena_;
  std::vector<SpiderMove> scratch_;
  std::vector<Frame> frames_;
  std::vector<SolverMove> path_;
  std::vector<SolverMove> bestPath_;
  int bestProgress_ = 0;
  std::int64_t expanded_ = 0;
  bool stopped_ = false;
  bool outOfTime_ = false;
  std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
};

SolveResult SpiderSearch::run() {
  position_.turnTops(path_);
  bestPath_ = path_;
  bestProgress_ = progress();
  Outcome outcome = Outcome::Spent;
  if (position_.won()) {
    outcome = Outcome::Won;
  } else {
    const auto firstShare = static_cast<std::int64_t>(kFirstPassShare * static_cast<double>(budget_.nodes));
    outcome = pass(false, firstShare);
    // An exhausted first pass proves nothing: it left moves out.
    if (outcome != Outcome::Won && !stopped_ && !outOfTime_) outcome = pass(true, budget_.nodes);
  }
  SolveResult result;
  result.verdict = outcome == Outcome::Won ? Verdict::Won : outcome == Outcome::Exhausted ? Verdict::Lost : Verdict::Unknown;
  result.moves = outcome == Outcome::Won ? path_ : bestPath_;
  result.nodes = expanded_;
  result.stopped = stopped_;
  result.outOfTime = outOfTime_;
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
  return result;
}

SpiderSearch::Outcome SpiderSearch::pass(bool everyMove, std::int64_t lastNode) {
  PositionTable seen(budget_.memoryBytes);
  const std::size_t rootMark = position_.undoMark();
  const std::size_t rootPath = path_.size();
  seen.insert(position_.key());
  frames_.clear();
  arena_.clear();
  pushFrame(everyMove, rootMark, rootPath);
  while (!frames_.empty()) {
    Frame& frame = frames_.back();
    if (frame.nextMove == frame.endMove) {
      position_.undoTo(frame.undoMark);
      path_.resize(frame.pathMark);
      arena_.resize(frame.firstMove);
      frames_.pop_back();
      continue;
    }
    const SpiderMove move = arena_[frame.nextMove++];
    const std::size_t undoMark = position_.undoMark();
    const std::size_t pathMark = path_.size();
    position_.play(move, path_);
    if (position_.won()) return Outcome::Won;
    const PositionTable::Insert inserted = seen.insert(position_.key());
    if (inserted == PositionTable::Insert::New) {
      ++expanded_;
      if (const int reached = progress(); reached > bestProgress_) {
        bestProgress_ = reached;
        bestPath_ = path_;
      }
      if (!spent(lastNode) && memoryUsed(seen) < budget_.memoryBytes) {
        pushFrame(everyMove, undoMark, pathMark);
        continue;
      }
    }
    position_.undoTo(undoMark);
    path_.resize(pathMark);
    if (inserted == PositionTable::Insert::Full || stopped_ || outOfTime_ || expanded_ >= lastNode ||
        memoryUsed(seen) >= budget_.memoryBytes) {
      // Back to the start for whatever comes next.
      position_.undoTo(rootMark);
      path_.resize(rootPath);
      return Outcome::Spent;
    }
  }
  return Outcome::Exhausted;
}

void SpiderSearch::pushFrame(bool everyMove, std::size_t undoMark, std::size_t pathMark) {
  position_.moves(scratch_, everyMove);
  std::stable_sort(scratch_.begin(), scratch_.end(),
                   [](const SpiderMove& a, const SpiderMove& b) { return a.priority > b.priority; });
  const std::size_t first = arena_.size();
  arena_.insert(arena_.end(), scratch_.begin(), scratch_.end());
  frames_.push_back({first, arena_.size(), first, undoMark, pathMark});
}

bool SpiderSearch::spent(std::int64_t lastNode) {
  if (expanded_ >= lastNode) return true;
  if (expanded_ % kClockInterval != 0) return false;
  if (stop_ && stop_->load(std::memory_order_relaxed)) {
    stopped_ = true;
    return true;
  }
  const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began_);
  if (elapsed.count() < budget_.milliseconds) return false;
  outOfTime_ = true;
  return true;
}

}  // namespace

std::optional<SolveResult> spiderSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  const std::optional<SpiderRules> rules = SpiderRules::of(start);
  if (!rules) return std::nullopt;
  SolveResult result = SpiderSearch(*rules, start, budget, stop).run();
  // A win is claimed only when the engine itself plays it through.
  if (result.verdict == Verdict::Won && !replayWins(start, result.moves)) result.verdict = Verdict::Unknown;
  return result;
}

std::optional<std::vector<SolverMove>> spiderMoves(const SolverStart& start) {
  const std::optional<SpiderRules> rules = SpiderRules::of(start);
  if (!rules) return std::nullopt;
  SpiderPosition position(*rules, start.state);
  std::vector<SpiderMove> moves;
  position.moves(moves, true);
  std::vector<SolverMove> answer;
  for (const SpiderMove& move : moves) {
    std::vector<SolverMove> steps;
    const std::size_t mark = position.undoMark();
    position.play(move, steps);
    position.undoTo(mark);
    answer.push_back(steps.front());
  }
  return answer;
}

}  // namespace quilloro::solver
