// Best-first search over the engine's moves, with canonical position keys so
// that every position is expanded once, where an exhausted search proves a
// loss; and between its two runs a beam search that goes deep fast.
#include "engine/solver/solver.hpp"

#include <algorithm>
#include <queue>
#include <unordered_set>

#include "engine/solver/aces_up_search.hpp"
#include "engine/solver/fan_search.hpp"
#include "engine/solver/candidate_moves.hpp"
#include "engine/solver/crossroads_search.hpp"
#include "engine/solver/four_seasons_search.hpp"
#include "engine/solver/discard_search.hpp"
#include "engine/solver/divan_search.hpp"
#include "engine/solver/fast_search.hpp"
#include "engine/solver/fourteen_search.hpp"
#include "engine/solver/grid_pairs_search.hpp"
#include "engine/solver/pair_removal_search.hpp"
#include "engine/solver/scratch_table.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/solver_position.hpp"
#include "engine/solver/spider_search.hpp"
#include "engine/solver/stock_waste_search.hpp"
#include "engine/solver/terrace_search.hpp"
#include "engine/solver/queued_node.hpp"

namespace quilloro::solver {

namespace {

constexpr std::uint32_t kNoParent = 0xFFFFFFFF;

// The shares of the budget after which the first look and the beam end.
constexpr double kFirstLookShare = 0.05;
constexpr double kBeamShare = 0.35;
// With more than one pack the positions are far too many to see them all:
// the beam has nearly the whole budget.
constexpr double kManyPacksBeamShare = 0.95;
// The beam is sized for solutions of about this many steps, within these bounds.
constexpr double kBeamDepth = 300.0;
constexpr std::size_t kMinBeamWidth = 4;
constexpr std::size_t kMaxBeamWidth = 4000;

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

using Queued = QueuedNode;

class Search {
 public:
  Search(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop)
      : start_(start),
        budget_(budget),
        stop_(stop),
        table_(start.state, start.placed),
        key_(start.state.parameters, table_.game().selectionGame()),
        base_(start.state),
        snapshot_(start.state),
        beforeSafePlay_(start.state) {
    options_.wasteByMacro = wasteByMacroSuits(start.state.parameters);
    safePlays_ = safePlaySuits(start.state.parameters);
    homeCardsReturn_ = homeCardsReturn(start.state.parameters);
  }

  SolveResult run();

 private:
  enum class Outcome { Won, Exhausted, Spent };
  // A child found while a beam level is expanded: kept apart until the level
  // is done, and only the best of them become nodes.
  struct Candidate {
    int score;
    std::uint32_t parent;
    std::uint32_t firstMove;
    std::uint32_t moveCount;
    std::size_t offset;
    std::uint32_t length;
  };

  std::span<const std::uint8_t> bytesOf(const Node& node) const {
    return std::span<const std::uint8_t>(arena_).subspan(node.offset, node.length);
  }
  std::vector<SolverMove> pathTo(std::uint32_t node) const;
  std::size_t memoryUsed() const {
    return arena_.capacity() + nodes_.capacity() * sizeof(Node) + moveArena_.capacity() * sizeof(SolverMove) +
           (seen_.size() + levelSeen_.size()) * 40 + queue_.size() * sizeof(Queued) +
           candidates_.capacity() * sizeof(Candidate) + candidateBytes_.capacity() +
           candidateMoves_.capacity() * sizeof(SolverMove);
  }
  // Whether the phase must end: its share of the positions, or the memory, is
  // spent; or the search must end: stopped, or out of time.
  bool budgetSpent(double share);
  void restart();
  // Every position reachable, best first: proves a loss when it runs dry.
  Outcome bestFirst(double share);
  // Level by level, keeping only the best positions of each: goes deep fast
  // where the positions are far too many to see them all.
  Outcome beam(double share);
  // Leaves the beam: frees its level and answers the outcome.
  Outcome finishBeam(Outcome outcome);
  // Tries every move of the node. Answers whether one won.
  bool expand(std::uint32_t current);
  std::uint32_t addNode(std::uint32_t parent, std::span<const std::uint8_t> bytes, std::span<const SolverMove> moves);
  // The step's moves so far lie in step_; the table shows its result. Plays
  // the forced moves that follow, then records the position when it is new.
  // Answers whether it won.
  bool finishStep(std::uint32_t parent);
  // Clicks through the stock, and at every waste card tries its drops.
  bool stockSteps(std::uint32_t parent);
  // Turns every face-down tableau top card and plays the safe foundation
  // moves, adding them to step_, until none is left.
  void playForcedMoves();
  // The tableau pile or reserve whose top card the card is.
  static std::optional<PileRef> topPileOf(const GameState& state, CardNumber card);
  // Whether the card just played home may be taken back to where it lay.
  static bool mayComeBack(const Game& game, const SolverMove& home, PileRef from);

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
  GameState beforeSafePlay_;
  MoveOptions options_;
  bool safePlays_ = false;
  bool homeCardsReturn_ = false;
  // Whether the step's first move takes a card back from the foundations.
  bool takenBack_ = false;
  std::uint32_t won_ = kNoParent;
  std::uint32_t best_ = 0;
  int bestScore_ = 0;
  std::unordered_set<std::uint64_t> seen_;
  std::priority_queue<Queued> queue_;
  // The beam's current level, the children of it and their own storage.
  bool inBeam_ = false;
  std::vector<Candidate> candidates_;
  std::vector<std::uint8_t> candidateBytes_;
  std::vector<SolverMove> candidateMoves_;
  std::unordered_set<std::uint64_t> levelSeen_;
  // The best position of a phase that has ended.
  std::vector<SolverMove> bestPath_;
  int bestPathScore_ = 0;
  double began_ = searchThreadMilliseconds();
  std::int64_t expanded_ = 0;
  bool stopped_ = false;
  bool outOfTime_ = false;
};

bool isFoundationTop(const GameState& state, CardNumber card) {
  for (int index = 0; index < state.pilesInUse(PileList::Foundations); ++index)
    if (state.piles.pile(PileList::Foundations, index).topCard() == card) return true;
  return false;
}

std::vector<SolverMove> Search::pathTo(std::uint32_t node) const {
  std::vector<SolverMove> moves;
  for (std::uint32_t at = node; nodes_[at].parent != kNoParent; at = nodes_[at].parent) {
    const Node& n = nodes_[at];
    for (std::uint32_t i = n.moveCount; i > 0; --i) moves.push_back(moveArena_[n.firstMove + i - 1]);
  }
  return {moves.rbegin(), moves.rend()};
}

bool Search::budgetSpent(double share) {
  if (static_cast<double>(expanded_) >= share * static_cast<double>(budget_.nodes)) return true;
  if (stop_ && stop_->load(std::memory_order_relaxed)) {
    stopped_ = true;
    return true;
  }
  if (expanded_ % 32 != 0) return false;
  // The memory is counted in what the containers hold, the same on every
  // run; the clock differs from run to run and so ends the whole search.
  if (memoryUsed() >= budget_.memoryBytes) return true;
  if (searchThreadMilliseconds() - began_ < budget_.milliseconds) return false;
  outOfTime_ = true;
  return true;
}

SolveResult Search::run() {
  SolveResult result;
  auto finish = [&](Verdict verdict, std::vector<SolverMove> moves) {
    result.verdict = verdict;
    result.moves = std::move(moves);
    result.nodes = expanded_;
    result.stopped = stopped_;
    result.outOfTime = outOfTime_;
    result.seconds = (searchThreadMilliseconds() - began_) / 1000.0;
    return result;
  };

  if (table_.game().wonCheck()) return finish(Verdict::Won, {});
  // A short look at every position settles the easy deals at once; then the
  // beam, which finds most wins soon but can prove nothing; then the search
  // that sees every position again, with the rest of the budget, which can
  // also prove a loss.
  restart();
  switch (bestFirst(kFirstLookShare)) {
    case Outcome::Won: return finish(Verdict::Won, pathTo(won_));
    case Outcome::Exhausted: return finish(Verdict::Lost, pathTo(best_));
    case Outcome::Spent: break;
  }
  if (stopped_ || outOfTime_) return finish(Verdict::Unknown, pathTo(best_));
  restart();
  const bool manyPacks = start_.state.parameters[param::kCardsInPlay] > kCardsPerPack;
  if (beam(manyPacks ? kManyPacksBeamShare : kBeamShare) == Outcome::Won) return finish(Verdict::Won, pathTo(won_));
  bestPath_ = pathTo(best_);
  bestPathScore_ = bestScore_;
  if (stopped_ || outOfTime_) return finish(Verdict::Unknown, bestPath_);
  restart();
  switch (bestFirst(1.0)) {
    case Outcome::Won: return finish(Verdict::Won, pathTo(won_));
    case Outcome::Exhausted: return finish(Verdict::Lost, pathTo(best_));
    case Outcome::Spent: break;
  }
  return finish(Verdict::Unknown, bestScore_ > bestPathScore_ ? pathTo(best_) : bestPath_);
}

void Search::restart() {
  arena_.clear();
  nodes_.clear();
  moveArena_.clear();
  seen_.clear();
  queue_ = {};
  table_.load(start_.state, start_.redealCount);
  encodePosition(start_.state, start_.redealCount, arena_);
  nodes_.push_back({kNoParent, 0, 0, 0, 0, static_cast<std::uint32_t>(arena_.size())});
  seen_.insert(key_.hash(bytesOf(nodes_[0])));
  best_ = 0;
  bestScore_ = positionScore(table_.game());
}

Search::Outcome Search::bestFirst(double share) {
  queue_.push({bestScore_, 0});
  while (!queue_.empty()) {
    if (budgetSpent(share)) return Outcome::Spent;
    const std::uint32_t current = queue_.top().node;
    queue_.pop();
    if (expand(current)) return Outcome::Won;
  }
  return Outcome::Exhausted;
}

Search::Outcome Search::beam(double share) {
  // Wide enough to keep choices open, narrow enough to reach the depth of a
  // long game within the share of the budget.
  const double left = share - kFirstLookShare;
  const double byNodes = left * static_cast<double>(budget_.nodes) / kBeamDepth;
  const auto width = static_cast<std::size_t>(
      std::clamp(byNodes, static_cast<double>(kMinBeamWidth), static_cast<double>(kMaxBeamWidth)));
  inBeam_ = true;
  std::vector<std::uint32_t> level{0};
  while (!level.empty()) {
    candidates_.clear();
    candidateBytes_.clear();
    candidateMoves_.clear();
    levelSeen_.clear();
    for (const std::uint32_t current : level) {
      if (budgetSpent(share)) return finishBeam(Outcome::Spent);
      if (expand(current)) return finishBeam(Outcome::Won);
    }
    const std::size_t kept = std::min(width, candidates_.size());
    std::partial_sort(candidates_.begin(), candidates_.begin() + static_cast<std::ptrdiff_t>(kept), candidates_.end(),
                      [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    level.clear();
    for (std::size_t i = 0; i < kept; ++i) {
      const Candidate& c = candidates_[i];
      const auto bytes = std::span<const std::uint8_t>(candidateBytes_).subspan(c.offset, c.length);
      seen_.insert(key_.hash(bytes));
      const auto moves = std::span<const SolverMove>(candidateMoves_).subspan(c.firstMove, c.moveCount);
      level.push_back(addNode(c.parent, bytes, moves));
      if (c.score > bestScore_) {
        bestScore_ = c.score;
        best_ = level.back();
      }
    }
  }
  return finishBeam(Outcome::Exhausted);
}

Search::Outcome Search::finishBeam(Outcome outcome) {
  inBeam_ = false;
  candidates_ = {};
  candidateBytes_ = {};
  candidateMoves_ = {};
  levelSeen_ = {};
  return outcome;
}

bool Search::expand(std::uint32_t current) {
  Game& game = table_.game();
  ++expanded_;
  const int redeals = decodePosition(bytesOf(nodes_[current]), base_);
  table_.load(base_, redeals);
  const std::vector<SolverMove> moves = candidateMoves(game, options_);
  for (const SolverMove& move : moves) {
    table_.load(base_, redeals);
    if (move.kind == SolverMove::Kind::Stock && options_.wasteByMacro) {
      if (stockSteps(current)) return true;
      continue;
    }
    takenBack_ = move.kind == SolverMove::Kind::Drop && isFoundationTop(game.state, move.card);
    if (!applyMove(game, move)) continue;
    step_.assign(1, move);
    if (finishStep(current)) return true;
  }
  return false;
}

std::uint32_t Search::addNode(std::uint32_t parent, std::span<const std::uint8_t> bytes,
                              std::span<const SolverMove> moves) {
  const auto index = static_cast<std::uint32_t>(nodes_.size());
  nodes_.push_back({parent, static_cast<std::uint32_t>(moveArena_.size()), static_cast<std::uint32_t>(moves.size()),
                    nodes_[parent].depth + 1, arena_.size(), static_cast<std::uint32_t>(bytes.size())});
  moveArena_.insert(moveArena_.end(), moves.begin(), moves.end());
  arena_.insert(arena_.end(), bytes.begin(), bytes.end());
  return index;
}

bool Search::finishStep(std::uint32_t parent) {
  Game& game = table_.game();
  playForcedMoves();
  child_.clear();
  encodePosition(game.state, game.redealCount(), child_);
  const std::uint64_t hash = key_.hash(child_);
  if (game.wonCheck()) {
    won_ = addNode(parent, child_, step_);
    return true;
  }
  // A little for every step keeps the solutions short among equals.
  const int score = positionScore(game) - static_cast<int>(nodes_[parent].depth + 1);
  if (inBeam_) {
    if (seen_.contains(hash) || !levelSeen_.insert(hash).second) return false;
    candidates_.push_back({score, parent, static_cast<std::uint32_t>(candidateMoves_.size()),
                           static_cast<std::uint32_t>(step_.size()), candidateBytes_.size(),
                           static_cast<std::uint32_t>(child_.size())});
    candidateMoves_.insert(candidateMoves_.end(), step_.begin(), step_.end());
    candidateBytes_.insert(candidateBytes_.end(), child_.begin(), child_.end());
    return false;
  }
  if (!seen_.insert(hash).second) return false;
  const std::uint32_t index = addNode(parent, child_, step_);
  if (score > bestScore_) {
    bestScore_ = score;
    best_ = index;
  }
  queue_.push({score, index});
  return false;
}

void Search::playForcedMoves() {
  Game& game = table_.game();
  // A card the step took back from the foundations is there to stay a while.
  const SolverMove& first = step_.front();
  const CardNumber keepOut = first.kind == SolverMove::Kind::Drop && takenBack_ ? first.card : kNoCard;
  const int tableau = std::clamp(game.state.pilesInUse(PileList::Tableau), 0, kMaxTableau);
  for (bool moved = true; moved;) {
    moved = false;
    // Turning a card only shows it: no choice is lost by turning it at once.
    for (int n = 0; n < tableau; ++n) {
      const CardNumber top = game.state.piles.pile(PileList::Tableau, n).topCard();
      if (!game.state.isFaceDown(top) || !game.turnTopCard(n)) continue;
      step_.push_back({SolverMove::Kind::Turn, top, {PileList::Tableau, n}});
      moved = true;
    }
    if (!safePlays_) continue;
    const auto safe = safeFoundationMove(game, keepOut);
    if (!safe) continue;
    const std::optional<PileRef> from = homeCardsReturn_ ? topPileOf(game.state, safe->card) : std::nullopt;
    if (homeCardsReturn_) {
      beforeSafePlay_.piles = game.state.piles;
      beforeSafePlay_.cards = game.state.cards;
    }
    if (!applyMove(game, *safe)) continue;
    // Where cards come back from the foundations, a card goes home unasked
    // only where it could come straight back: then the two positions lead to
    // the same places, and keeping one of them loses nothing. An ace is never
    // wanted back, as nothing is built on it.
    if (homeCardsReturn_ && cardRank(safe->card) != kAce && !(from && mayComeBack(game, *safe, *from))) {
      game.state.piles = beforeSafePlay_.piles;
      game.state.cards = beforeSafePlay_.cards;
      game.setWon(false);
      continue;
    }
    step_.push_back(*safe);
    moved = true;
  }
}

std::optional<PileRef> Search::topPileOf(const GameState& state, CardNumber card) {
  for (const PileList list : {PileList::Tableau, PileList::Reserves})
    for (int index = 0; index < state.pilesInUse(list); ++index)
      if (state.piles.pile(list, index).topCard() == card) return PileRef{list, index};
  return std::nullopt;
}

bool Search::mayComeBack(const Game& game, const SolverMove& home, PileRef from) {
  const MoveRules rules = game.rules();
  if (!rules.mayTake(home.target, home.card)) return false;
  return from.list == PileList::Tableau ? rules.mayDropOnTableau(from.index, {home.card})
                                        : rules.mayDropOnReserve(from.index, home.card);
}

bool Search::stockSteps(std::uint32_t parent) {
  Game& game = table_.game();
  const SolverMove click{SolverMove::Kind::Stock, kNoCard, kStockPile};
  // The stock and waste as they stood after each number of clicks: a
  // repetition closes the round. The clicks are made on the table itself,
  // which is put back only after a drop of the waste card was tried.
  std::vector<std::pair<Pile, Pile>> rounds;
  for (int clicks = 0;; ++clicks) {
    std::pair<Pile, Pile> round{game.state.piles.stock(), game.state.piles.waste()};
    if (std::find(rounds.begin(), rounds.end(), round) != rounds.end()) break;
    rounds.push_back(std::move(round));
    const std::vector<SolverMove> drops = wasteDrops(game);
    if (!drops.empty()) {
      snapshot_.piles = game.state.piles;
      snapshot_.cards = game.state.cards;
      const int snapshotRedeals = game.redealCount();
      for (const SolverMove& drop : drops) {
        table_.load(snapshot_, snapshotRedeals);
        if (!applyMove(game, drop)) continue;
        takenBack_ = false;
        step_.assign(static_cast<std::size_t>(clicks), click);
        step_.push_back(drop);
        if (finishStep(parent)) return true;
      }
      table_.load(snapshot_, snapshotRedeals);
    }
    if (!applyMove(game, click)) break;
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
  // One-pack games of runs regardless of suit and a stock turned once have a
  // compact search of their own, ahead of the building games' core.
  if (std::optional<SolveResult> seasons = fourSeasonsSolve(start, budget, stop)) return *std::move(seasons);
  // The plain building games have a search of their own, many times faster.
  if (std::optional<SolveResult> fast = fastSolve(start, budget, stop)) return *std::move(fast);
  // So have the games that throw cards on a discard pile.
  if (std::optional<SolveResult> discard = discardSolve(start, budget, stop)) return *std::move(discard);
  if (std::optional<SolveResult> pairs = fourteenSolve(start, budget, stop)) return *std::move(pairs);
  if (std::optional<SolveResult> pairs = pairRemovalSolve(start, budget, stop)) return *std::move(pairs);
  // So has the Spider family.
  if (std::optional<SolveResult> spider = spiderSolve(start, budget, stop)) return *std::move(spider);
  // So have the games played from the stock onto foundations.
  if (std::optional<SolveResult> stock = stockWasteSolve(start, budget, stop)) return *std::move(stock);
  if (std::optional<SolveResult> divan = divanSolve(start, budget, stop)) return *std::move(divan);
  // So has Aces Up, and Monte Carlo's grid.
  if (std::optional<SolveResult> aces = acesUpSolve(start, budget, stop)) return *std::move(aces);
  if (std::optional<SolveResult> grid = gridPairsSolve(start, budget, stop)) return *std::move(grid);
  // So have the fans that the stock gathers and deals again.
  if (std::optional<SolveResult> fans = fanSolve(start, budget, stop)) return *std::move(fans);
  // So have the two-pack games whose piles take one card at a time.
  if (std::optional<SolveResult> cross = crossroadsSolve(start, budget, stop)) return *std::move(cross);
  if (std::optional<SolveResult> terrace = terraceSolve(start, budget, stop)) return *std::move(terrace);
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
