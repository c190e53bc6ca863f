// The search of the Spider family in passes. The first ones try only the
// moves that promise progress and find most wins fast: depth first in order
// of promise, which settles the easy deals at once; then, where there is a
// stock, rounds that play one stock deal at a time (see SpiderDealBeam);
// then several short best-first passes, each nudged its own way among
// positions of equal promise. They prove nothing, as they leave moves out.
// The last goes depth first over every move and, when it has seen every
// position reachable without a win, proves the deal lost. Two packs leave
// far too many positions for that as a rule, so there the passes before it
// get nearly the whole budget and the last pass only what they leave; they
// run twice, on a quarter of the budget and then on the rest. When the
// first pass has seen every position the promising moves reach, the passes
// after it, which play the same moves, are left out. Each
// pass enters a position once: the set of positions seen is bounded by the
// memory. A position from which no play can win (see
// SpiderPosition::deadlocked, and someCardStranded) counts as seen, which is
// what keeps a "lost" verdict sound while it cuts the last pass short.
#include "engine/solver/spider_search.hpp"

#include <algorithm>
#include <chrono>
#include <span>

#include "engine/solver/search_clock.hpp"
#include "engine/solver/spider_deal_beam.hpp"
#include "engine/solver/spider_position.hpp"
#include "engine/solver/spider_stranded.hpp"
#include "engine/solver/queued_node.hpp"

namespace quilloro::solver {

namespace {

// The clock and the stop flag are read once per so many positions.
constexpr std::int64_t kClockInterval = 256;

// The shares of the positions the passes before the last may see: the first
// pass, the rounds one stock deal at a time, all best-first passes together.
struct Shares {
  double first;
  double dealBeam;
  double bestFirst;
  // The later rounds one stock deal at a time and the best-first passes
  // play more than the promising moves (see findWin).
  bool widens = false;
};
// Two packs: nearly everything goes to finding a win; the first pass wins
// few deals that the first round one deal at a time does not win cheaper.
constexpr Shares kTwoPacks{.first = 0.01, .dealBeam = 0.4, .bestFirst = 0.59};
constexpr Shares kTwoPacksNoStock{.first = 0.1, .dealBeam = 0, .bestFirst = 0.9};
// One pack with a stock: the passes before the last find the wins they find
// early or not at all (measured on Spiderette and Scorpion), so three
// quarters go to the last pass, which proves the lost deals.
constexpr Shares kOnePack{.first = 0.05, .dealBeam = 0.1, .bestFirst = 0.1};
// One pack building regardless of suit (Spiderette): no card ever waits for
// one card alone, so no deadlock cuts the last pass short, and it rarely
// ends before the budget does. Measured on Spiderette, the rounds one stock
// deal at a time win the most deals when they get most of the budget; the
// last pass keeps enough for the lost deals it proves within a few hundred
// thousand positions.
// The rounds one stock deal at a time run out of promising moves after some
// tens of thousands of positions, so they widen; what they leave goes to the
// last pass.
constexpr Shares kOnePackAnySuit{.first = 0.05, .dealBeam = 0.6, .bestFirst = 0.2, .widens = true};
constexpr Shares kOnePackNoStock{.first = 0.1, .dealBeam = 0, .bestFirst = 0.4};
// The rounds one stock deal at a time, each with twice the budget of the
// last: measured on Spider, a small beam settles most deals at a fraction of
// the cost of a large one.
constexpr double kDealBeamRounds[] = {1.0 / 15, 2.0 / 15, 4.0 / 15, 8.0 / 15};
// Positions dealt from at each deal: measured on Spider and Spiderette, a few
// different uncovered sets carried forward win more deals than a single
// greedy line, and many more than a wide beam of shallow searches.
constexpr std::size_t kDealBeamWidth = 6;
// Widening, the first rounds still run narrow: measured on Spiderette, the
// deals they win cheaply are lost when every round widens (two narrow rounds
// won 166 of 200, one 165, none 163).
constexpr std::size_t kNarrowDealBeamRounds = 2;
// Two packs: the passes before the last run first on a quarter of the budget,
// then afresh on what is left. Measured on Spider: most deals a small
// budget wins are won as quickly by the passes at a large one, but not all,
// as every pass's share grows with the budget and takes other ways.
constexpr double kTwoPackRounds[] = {0.25, 0.75};
constexpr double kOneRound[] = {1.0};
constexpr std::uint32_t kNoParent = 0xFFFFFFFF;

// How much each feature of a position counts in its score: runs home, cards
// still face down (a cost), cards lying on the card they follow on the way
// home, cards merely in rank on their base, gaps, cards left in the stock,
// and (a cost) every move made to reach it.
struct Weights {
  int runs = 1000;
  int faceDown = 40;
  int links = 20;
  int natural = 10;
  int empty = 20;
  int stock = 10;
  int depth = 1;
  // The largest nudge between positions of equal promise, and the pass the
  // nudges are drawn for.
  int jitter = 0;
  std::uint64_t seed = 0;
};

// The order of the best-first passes: gaps and runs in suit above all.
constexpr Weights kGapsAndRuns{.faceDown = 30, .links = 60, .natural = 0, .empty = 100, .stock = 20, .depth = 2, .jitter = 100};
// A best-first pass finds a win within a few hundred thousand positions or
// strays among hopeless ones: measured on Spider and Spiderette, several
// short passes, each nudged its own way, win many more deals than one long
// one, and more than one with any single order tried.
constexpr int kBestFirstPasses = 6;
// With two packs the passes need to part ways more: measured on Spider, twice
// the nudge wins more deals.
constexpr int kTwoPackJitter = 200;

class SpiderSearch {
 public:
  SpiderSearch(const SpiderRules& rules, const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop)
      : position_(rules, start.state),
        budget_(budget),
        clock_(budget.milliseconds, stop),
        // With two packs of four suits, runs in suit are what the deal needs
        // most; with one pack or runs of any suits they count half.
        progressWeights_{.links = rules.packs() == 2 && !rules.anySuitSequences() ? 40 : 20},
        provesStranded_(asksForStrandedCards(rules)) {}

  SolveResult run();

 private:
  enum class Outcome { Won, Exhausted, Spent };
  // The passes that seek a win on promising moves only, with roundNodes
  // positions between them; the position is left at the start, and path_
  // holds the win when there is one.
  Outcome findWin(const Shares& shares, std::int64_t roundNodes, bool wideJitter);
  // A position on the way down: its moves in the arena, the next to try,
  // and where the position's changes and the engine's moves began.
  struct Frame {
    std::size_t firstMove;
    std::size_t endMove;
    std::size_t nextMove;
    std::size_t undoMark;
    std::size_t pathMark;
  };

  // A position the first pass has seen: how it was reached and, once it
  // was expanded, where its encoding lies (the others are one move from
  // their parent's).
  struct Node {
    std::uint32_t parent;
    std::uint32_t depth;
    SpiderMove move;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  using Queued = QueuedNode;

  Outcome bestFirst(std::int64_t lastNode);
  std::uint32_t addNode(std::uint32_t parent, const SpiderMove& move);
  // Plays the moves from the start to the node, writing the engine's moves into path_.
  void replayTo(std::uint32_t node);
  // How promising the position is.
  int score(const Weights& w) const {
    return w.runs * position_.runsHome() - w.faceDown * position_.facedownTotal() + w.links * position_.links() +
           w.natural * position_.naturalLinks() + w.empty * position_.emptyPiles() + w.stock * position_.stockLeft();
  }
  // A small fixed nudge drawn from the position's key that gives each
  // best-first pass its own way through positions of equal promise.
  int jitter(const PositionKey128& key) const {
    if (weights_.jitter == 0) return 0;
    std::uint64_t value = key.high ^ (key.low * 0x9E3779B97F4A7C15ULL) ^ (weights_.seed * 0xD6E8FEB86659FD93ULL);
    value = (value ^ (value >> 31)) * 0xBF58476D1CE4E5B9ULL;
    return static_cast<int>((value >> 33) % static_cast<std::uint64_t>(weights_.jitter + 1));
  }
  std::int64_t share(double part) const { return static_cast<std::int64_t>(part * static_cast<double>(budget_.nodes)); }
  Outcome depthFirst(bool everyMove, std::int64_t lastNode);
  // Some card of the position never leaves its place, where that proof is
  // asked.
  bool stranded() const { return provesStranded_ && someCardStranded(position_); }
  void pushFrame(bool everyMove, std::size_t undoMark, std::size_t pathMark);
  bool spent(std::int64_t lastNode);
  std::size_t memoryUsed(const PositionTable& seen) const {
    return seen.bytes() + arena_.capacity() * sizeof(SpiderMove) + frames_.capacity() * sizeof(Frame) +
           (path_.capacity() + bestPath_.capacity()) * sizeof(SolverMove);
  }

  SpiderPosition position_;
  const Budget& budget_;
  SearchClock clock_;
  // What the best path so far is judged by, and what the best-first pass
  // now running orders its positions by.
  const Weights progressWeights_;
  // The proof that some card never leaves its place is asked (see
  // asksForStrandedCards).
  const bool provesStranded_;
  Weights weights_;
  // The moves the best-first pass now running plays.
  SpiderMoveSet bestFirstMoves_ = SpiderMoveSet::Promising;
  std::vector<SpiderMove> arena_;
  std::vector<SpiderMove> scratch_;
  std::vector<Frame> frames_;
  std::vector<SolverMove> path_;
  std::vector<SolverMove> steps_;
  std::vector<SolverMove> bestPath_;
  // The start with its first turns, which every pass begins from.
  std::vector<std::uint8_t> start_;
  std::vector<SolverMove> startPath_;
  std::vector<Node> nodes_;
  std::vector<std::uint8_t> encodings_;
  std::vector<Queued> queue_;
  int bestProgress_ = 0;
  std::int64_t expanded_ = 0;
};

SolveResult SpiderSearch::run() {
  position_.turnTops(path_);
  bestPath_ = path_;
  bestProgress_ = score(progressWeights_);
  Outcome outcome = Outcome::Spent;
  if (position_.won()) {
    outcome = Outcome::Won;
  } else if (position_.deadlocked() || stranded()) {
    outcome = Outcome::Exhausted;
  } else {
    position_.encode(start_);
    startPath_ = path_;
    const bool provable = position_.rules().packs() == 1;
    const bool stock = position_.stockLeft() > 0;
    const Shares onePack = position_.rules().buildsInSuit() ? kOnePack : kOnePackAnySuit;
    const Shares shares = provable ? (stock ? onePack : kOnePackNoStock) : (stock ? kTwoPacks : kTwoPacksNoStock);
    // One pack: a single round, as the pass over every move needs most of
    // the budget. Two packs: the passes run first on a small budget, then
    // afresh on the rest.
    const std::span<const double> rounds = provable ? std::span<const double>(kOneRound) : std::span<const double>(kTwoPackRounds);
    for (std::size_t round = 0; round < rounds.size() && outcome == Outcome::Spent && !clock_.cut(); ++round) {
      const bool last = round + 1 == rounds.size();
      const std::int64_t roundNodes = last ? budget_.nodes - expanded_ : share(rounds[round]);
      outcome = findWin(shares, roundNodes, !provable);
    }
    // Whatever the best-first passes leave goes to the pass over every move:
    // with two packs only when they ran out of promising moves early.
    if (outcome != Outcome::Won && !clock_.cut() && expanded_ < budget_.nodes) {
      position_.decode(start_);
      path_ = startPath_;
      outcome = depthFirst(true, budget_.nodes);
    } else if (outcome != Outcome::Won) {
      // A pass over only the promising moves proves nothing when it ends.
      outcome = Outcome::Spent;
    }
  }
  SolveResult result;
  result.verdict = outcome == Outcome::Won ? Verdict::Won : outcome == Outcome::Exhausted ? Verdict::Lost : Verdict::Unknown;
  result.moves = outcome == Outcome::Won ? path_ : bestPath_;
  result.nodes = expanded_;
  clock_.report(result);
  return result;
}

SpiderSearch::Outcome SpiderSearch::findWin(const Shares& shares, std::int64_t roundNodes, bool wideJitter) {
  const auto part = [roundNodes](double fraction) {
    return static_cast<std::int64_t>(fraction * static_cast<double>(roundNodes));
  };
  position_.decode(start_);
  path_ = startPath_;
  std::int64_t lastNode = expanded_ + part(shares.first);
  Outcome outcome = depthFirst(false, lastNode);
  // The passes that follow play the same promising moves only: when the
  // first has seen every position they reach, none of them can win, and
  // what they would spend goes to the pass over every move.
  if (outcome == Outcome::Exhausted) {
    position_.decode(start_);
    path_ = startPath_;
    return outcome;
  }
  // Then come the rounds one stock deal at a time, each with twice the
  // budget of the last: measured on Spider and Spider One Suit, they win
  // the deals the first pass leaves with far fewer positions than the
  // best-first passes, which get what they leave.
  if (outcome != Outcome::Won && !clock_.cut() && position_.stockLeft() > 0) {
    SpiderDealBeam beam(position_, clock_, budget_.memoryBytes, expanded_);
    std::size_t round = 0;
    for (const double beamPart : kDealBeamRounds) {
      lastNode += part(shares.dealBeam * beamPart);
      if (clock_.cut()) break;
      // Widening, after the narrow rounds: each round keeps twice the
      // positions of the last at every deal and plays the lifts of runs off
      // cards of another suit.
      const bool wide = shares.widens && round >= kNarrowDealBeamRounds;
      const std::size_t width = wide ? kDealBeamWidth << round : kDealBeamWidth;
      const SpiderMoveSet moves = wide ? SpiderMoveSet::PromisingAndLifts : SpiderMoveSet::Promising;
      ++round;
      if (beam.run(start_, startPath_, std::max<std::int64_t>(0, lastNode - expanded_), path_, width, moves))
        return Outcome::Won;
    }
  }
  // Widening, the best-first passes share evenly what is left of theirs and
  // what the rounds before left, up to the same end; the rest goes to the
  // last pass.
  const std::int64_t bestFirstShare = part(shares.bestFirst / kBestFirstPasses);
  // A best-first pass that has seen every position its moves reach leaves
  // nothing for the others, which play the same moves in another order:
  // what they would spend goes to the pass over every move.
  for (int pass = 0; pass < kBestFirstPasses && outcome == Outcome::Spent && !clock_.cut(); ++pass) {
    weights_ = kGapsAndRuns;
    weights_.seed = static_cast<std::uint64_t>(pass);
    if (wideJitter) weights_.jitter = kTwoPackJitter;
    lastNode += bestFirstShare;
    if (shares.widens) {
      const std::int64_t end = lastNode + bestFirstShare * (kBestFirstPasses - 1 - pass);
      lastNode = expanded_ + (end - expanded_) / (kBestFirstPasses - pass);
      // Measured on Spiderette: the first pass keeps to the promising moves,
      // the rest of the first half win more with the lifts, the second half
      // with every move.
      bestFirstMoves_ = pass == 0                   ? SpiderMoveSet::Promising
                        : pass < kBestFirstPasses / 2 ? SpiderMoveSet::PromisingAndLifts
                                                      : SpiderMoveSet::Every;
    }
    position_.decode(start_);
    path_ = startPath_;
    outcome = bestFirst(lastNode);
  }
  position_.decode(start_);
  if (outcome != Outcome::Won) path_ = startPath_;
  return outcome;
}

SpiderSearch::Outcome SpiderSearch::bestFirst(std::int64_t lastNode) {
  PositionTable seen(budget_.memoryBytes);
  seen.insert(position_.key());
  nodes_.push_back({kNoParent, 0, {}, 0, static_cast<std::uint32_t>(start_.size())});
  encodings_ = start_;
  queue_.push_back({score(weights_), 0});
  auto memoryUsed = [&] {
    return seen.bytes() + nodes_.capacity() * sizeof(Node) + encodings_.capacity() + queue_.capacity() * sizeof(Queued);
  };
  // The next pass reuses the memory: fresh memory costs a page fault for
  // every four thousand bytes, a good part of the time of a pass.
  auto finish = [&](Outcome outcome) {
    nodes_.clear();
    encodings_.clear();
    queue_.clear();
    return outcome;
  };
  auto load = [&](std::uint32_t node) {
    position_.decode(std::span<const std::uint8_t>(encodings_).subspan(nodes_[node].offset, nodes_[node].length));
  };
  while (!queue_.empty()) {
    if (spent(lastNode) || memoryUsed() >= budget_.memoryBytes) return finish(Outcome::Spent);
    std::pop_heap(queue_.begin(), queue_.end());
    const std::uint32_t current = queue_.back().node;
    queue_.pop_back();
    if (current != 0) {
      load(nodes_[current].parent);
      steps_.clear();
      position_.play(nodes_[current].move, steps_);
      // A position enters the table when it is expanded, not when it is
      // queued: the table stays many times smaller and quicker to probe,
      // and a position queued twice is expanded only once.
      const PositionTable::Insert inserted = seen.insert(position_.key());
      if (inserted == PositionTable::Insert::Full) return finish(Outcome::Spent);
      if (inserted == PositionTable::Insert::Seen) continue;
    }
    ++expanded_;
    // No play wins from a position with a card that never leaves its place:
    // it leads nowhere (measured on Spiderette, the best-first passes and
    // the rounds one stock deal at a time then win more deals).
    if (stranded()) continue;
    if (current != 0) {
      nodes_[current].offset = static_cast<std::uint32_t>(encodings_.size());
      position_.encode(encodings_);
      nodes_[current].length = static_cast<std::uint32_t>(encodings_.size() - nodes_[current].offset);
    }
    position_.moves(scratch_, bestFirstMoves_);
    const std::uint32_t depth = nodes_[current].depth + 1;
    for (const SpiderMove& move : scratch_) {
      const std::size_t mark = position_.undoMark();
      steps_.clear();
      position_.play(move, steps_);
      if (position_.won()) {
        replayTo(addNode(current, move));
        return finish(Outcome::Won);
      }
      const PositionKey128 key = position_.key();
      switch (seen.contains(key) || position_.deadlocked() ? PositionTable::Insert::Seen : PositionTable::Insert::New) {
        case PositionTable::Insert::Full:
        case PositionTable::Insert::Seen: break;
        case PositionTable::Insert::New: {
          const std::uint32_t child = addNode(current, move);
          // A little for every step keeps the solutions short among equals.
          queue_.push_back({score(weights_) - weights_.depth * static_cast<int>(depth) + jitter(key), child});
          std::push_heap(queue_.begin(), queue_.end());
          if (const int progress = score(progressWeights_); progress > bestProgress_) {
            bestProgress_ = progress;
            replayTo(child);
            bestPath_ = path_;
            load(current);
            continue;
          }
          break;
        }
      }
      position_.undoTo(mark);
    }
  }
  return finish(Outcome::Exhausted);
}

std::uint32_t SpiderSearch::addNode(std::uint32_t parent, const SpiderMove& move) {
  const auto index = static_cast<std::uint32_t>(nodes_.size());
  nodes_.push_back({parent, nodes_[parent].depth + 1, move, 0, 0});
  return index;
}

void SpiderSearch::replayTo(std::uint32_t node) {
  std::vector<const Node*> chain;
  for (std::uint32_t at = node; nodes_[at].parent != kNoParent; at = nodes_[at].parent) chain.push_back(&nodes_[at]);
  position_.decode(start_);
  path_ = startPath_;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) position_.play((*it)->move, path_);
}

SpiderSearch::Outcome SpiderSearch::depthFirst(bool everyMove, std::int64_t lastNode) {
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
    // A position no play can win from is as good as seen; it enters the
    // table all the same, so that it is judged once, not at every way in.
    PositionTable::Insert inserted = seen.insert(position_.key());
    if (inserted == PositionTable::Insert::New && (position_.deadlocked() || (everyMove && stranded())))
      inserted = PositionTable::Insert::Seen;
    if (inserted == PositionTable::Insert::New) {
      ++expanded_;
      if (const int reached = score(progressWeights_); reached > bestProgress_) {
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
    if (inserted == PositionTable::Insert::Full || clock_.cut() || expanded_ >= lastNode ||
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
  return clock_.cutShort();
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
