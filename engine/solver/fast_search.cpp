// Best-first search over the fast position: the most promising position is
// expanded first, a position already seen is never entered again, cards that
// no other card can still need go home at once, and a face-down top card is
// turned at once. Where cards may come back from the foundations, a first
// search goes without, and none comes back where it could never serve. When
// every position reachable was seen, the deal is lost. A deal the best-first
// search has not won on its share of the budget goes on depth first, which
// sees the remaining positions faster and in less memory.
#include "engine/solver/fast_search.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <queue>

#include "engine/solver/blocked_kings.hpp"
#include "engine/solver/fan_score.hpp"
#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/fast_position.hpp"
#include "engine/solver/forward_first.hpp"
#include "engine/solver/hidden_for_ever.hpp"
#include "engine/solver/open_score.hpp"
#include "engine/solver/position_table.hpp"
#include "engine/solver/stock_beam.hpp"
#include "engine/solver/safe_plays.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/stock_score.hpp"
#include "engine/solver/stranded_piles.hpp"
#include "engine/solver/taking_back_later.hpp"
#include "engine/solver/queued_node.hpp"
#include "engine/solver/resting_kings.hpp"

namespace quilloro::solver {

namespace {

// The positions searched for a hint's line in a deal known to be lost.
constexpr std::int64_t kBlockedDealNodes = 2'000;
// The clock and the stop flag are read once per so many positions.
constexpr std::int64_t kClockInterval = 256;
constexpr std::uint32_t kNoParent = 0xFFFFFFFF;
// Where every card shows, the best-first search gets one in so many
// positions of the budget before the depth-first one takes over.
constexpr std::int64_t kBestFirstShare = 2;
// Where the stock deals rows onto reserves that only give, over face-down
// cards, the best-first search wins in a few thousand positions many a deal
// the depth-first one wanders in, but only the depth-first one sees the
// lost deals whole: the best-first one gets one in so many positions first.
constexpr std::int64_t kDealtReservesBestFirstShare = 16;
// Where a stock of one pack comes round a set number of times over
// face-down cards, a first depth-first look gets one in so many positions.
constexpr std::int64_t kFirstLookShare = 8;
// There, where cards come back from the foundations, the first look sees
// at most so many positions, and the best-first search gets so many
// quarters of the rest.
constexpr std::int64_t kTakingBackFirstLook = 50'000;
constexpr std::int64_t kTakingBackBestFirstQuarters = 3;
// There, with a stock of one pass turned a card a click, the stage beam gets
// one in so many positions of what the first look leaves.
constexpr std::int64_t kOnePassBeamShare = 2;
// Where two packs come from a stock of set passes, the beam gets so many
// quarters of the positions the glance leaves (the search of the whole
// space there seldom decides a deal the beam has not won).
constexpr std::int64_t kStockBeamQuarters = 3;
// There, where the stock turns onto a waste, the search of the whole space
// gets one in so many positions.
constexpr std::int64_t kWholeSpaceShare = 16;
// The most positions the best-first search glances at before the beam.
constexpr std::int64_t kGlanceNodes = 20'000;
// Where any face-up cards move together with no stock, the positions of the
// depth-first look that decides the easy deals before the best-first glance.
constexpr std::int64_t kGroupsFirstLook = 20'000;

// Adds the next search of a deal to those before it: its positions and time
// count on top of theirs, and where it leaves the deal open without a line of
// its own, the line found before stays. True once the deal is decided, or the
// search was stopped or ran out of time: nothing more is tried then.
bool followOn(SolveResult& sofar, SolveResult next) {
  next.nodes += sofar.nodes;
  next.seconds += sofar.seconds;
  if (next.verdict == Verdict::Unknown && next.moves.empty()) next.moves = std::move(sofar.moves);
  sofar = std::move(next);
  return sofar.verdict != Verdict::Unknown || sofar.stopped || sofar.outOfTime;
}

class FastSearch {
 public:
  // takeBacks: whether cards may come back from the foundations where the
  // rules allow it; without them no deal is ever found lost.
  FastSearch(const FastRules& rules, const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop,
             bool takeBacks = true)
      : position_(rules, start.state, start.redealCount),
        budget_(budget),
        clock_(budget.milliseconds, stop),
        seen_(budget.memoryBytes),
        takeBacks_(takeBacks || !rules.takesBack()),
        strandsNothingOfUse_(strandsNothingOfUse(rules)),
        shortFans_(scoresShortFans(rules)) {}

  SolveResult run();

 private:
  // A position seen: how it was reached and where its encoding lies.
  struct Node {
    std::uint32_t parent;
    std::uint32_t firstStep;
    std::uint32_t stepCount;
    std::uint32_t depth;
    std::size_t offset;
  };
  using Queued = QueuedNode;
  enum class Outcome { Won, Exhausted, Spent };

  Outcome search();
  // Records the position on the table, reached from parent by steps_.
  std::uint32_t addNode(std::uint32_t parent);
  void undoTo(std::size_t stepCount);
  // Whether a card taken back from the foundations could never serve: every
  // card that could ever be built on it, or on cards taken back below it, is
  // home. Then whatever the play with it on the table wins, the same play
  // without it wins too, and taking it back is left out.
  bool backInVain(FastCard card) const;
  // Puts the node's position on the table: the last one expanded is there.
  void moveTo(std::uint32_t node);
  bool takesBack(const FastStep& step) const {
    return step.kind == FastStep::Kind::Move && step.from >= position_.foundationPile(0) && step.from < position_.stockPile();
  }
  bool spent();
  std::size_t memoryUsed() const {
    return seen_.bytes() + encodings_.capacity() + nodes_.capacity() * sizeof(Node) +
           stepArena_.capacity() * sizeof(FastStep) + queue_.size() * sizeof(Queued);
  }
  std::vector<SolverMove> pathTo(std::uint32_t node) const;
  // The position's place in the queue, reached in so many steps.
  int rank(std::uint32_t depth) const {
    // Where every card lies on the table, how the cards lie tells the most;
    // the steps taken do not count, and the first line found is kept.
    if (shortFans_) return fanScore(position_);
    if (!position_.rules().hasStock()) return openScore(position_);
    // A little for every step keeps the solutions short among equals.
    // With two packs, where the low cards lie buried counts the most.
    if (position_.rules().packs() > 1) return stockScore(position_) - static_cast<int>(depth);
    return position_.score() - static_cast<int>(depth);
  }

  FastPosition position_;
  SafePlays safe_{position_};
  const Budget& budget_;
  SearchClock clock_;
  PositionTable seen_;
  std::vector<FastStep> steps_;
  std::vector<FastStep> moves_;
  std::vector<std::uint8_t> encodings_;
  std::vector<Node> nodes_;
  std::vector<FastStep> stepArena_;
  std::priority_queue<Queued> queue_;
  std::uint32_t won_ = kNoParent;
  std::uint32_t best_ = 0;
  int bestHome_ = -1;
  std::int64_t expanded_ = 0;
  // The node whose position is on the table.
  std::uint32_t onTable_ = 0;
  bool takeBacks_;
  // Moves that strand an empty pile are left out (see stranded_piles).
  bool strandsNothingOfUse_;
  // Short fans are ranked by a score of their own (see fan_score).
  bool shortFans_;
};

SolveResult FastSearch::run() {
  safe_.forcedSteps(steps_);
  const Outcome outcome = search();
  SolveResult result;
  result.verdict = outcome == Outcome::Won                     ? Verdict::Won
                   : outcome == Outcome::Exhausted && takeBacks_ ? Verdict::Lost
                                                                 : Verdict::Unknown;
  result.moves = pathTo(outcome == Outcome::Won ? won_ : best_);
  result.nodes = expanded_;
  clock_.report(result);
  return result;
}

FastSearch::Outcome FastSearch::search() {
  seen_.insert(position_.key());
  const std::uint32_t root = addNode(kNoParent);
  // Even the first look needs a position of the budget and no stop.
  if (spent()) return Outcome::Spent;
  if (position_.cardsLeft() == 0) {
    won_ = root;
    return Outcome::Won;
  }
  queue_.push({rank(0), root});
  while (!queue_.empty()) {
    if (spent()) return Outcome::Spent;
    const std::uint32_t current = queue_.top().node;
    queue_.pop();
    ++expanded_;
    moveTo(current);
    const std::uint32_t depth = nodes_[current].depth;
    position_.moves(moves_, true);
    position_.stockMoves(moves_);
    std::erase_if(moves_, [this](const FastStep& step) {
      return (takesBack(step) && (!takeBacks_ || backInVain(step.card))) ||
             (strandsNothingOfUse_ && strandsPile(position_, step));
    });
    std::stable_sort(moves_.begin(), moves_.end(),
                     [](const FastStep& a, const FastStep& b) { return a.priority > b.priority; });
    for (const FastStep& step : moves_) {
      steps_.clear();
      safe_.play(step, steps_);
      if (position_.cardsLeft() == 0) {
        won_ = addNode(current);
        return Outcome::Won;
      }
      switch (seen_.insert(position_.key())) {
        case PositionTable::Insert::Full: return Outcome::Spent;
        case PositionTable::Insert::Seen: break;
        case PositionTable::Insert::New: {
          const std::uint32_t child = addNode(current);
          queue_.push({rank(depth + 1), child});
          break;
        }
      }
      undoTo(0);
    }
  }
  return Outcome::Exhausted;
}

std::uint32_t FastSearch::addNode(std::uint32_t parent) {
  const auto index = static_cast<std::uint32_t>(nodes_.size());
  const std::uint32_t depth = parent == kNoParent ? 0 : nodes_[parent].depth + 1;
  nodes_.push_back({parent, static_cast<std::uint32_t>(stepArena_.size()), static_cast<std::uint32_t>(steps_.size()),
                    depth, encodings_.size()});
  stepArena_.insert(stepArena_.end(), steps_.begin(), steps_.end());
  position_.encode(encodings_);
  if (position_.cardsHome() > bestHome_) {
    bestHome_ = position_.cardsHome();
    best_ = index;
  }
  return index;
}

std::vector<SolverMove> FastSearch::pathTo(std::uint32_t node) const {
  std::vector<const Node*> chain;
  for (std::uint32_t at = node; at != kNoParent; at = nodes_[at].parent) chain.push_back(&nodes_[at]);
  std::vector<SolverMove> moves;
  // The steps are written as moves on the position they were played on: the
  // position object only names the piles, which never change.
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (std::uint32_t i = 0; i < (*it)->stepCount; ++i)
      if (const auto move = position_.solverMove(stepArena_[(*it)->firstStep + i])) moves.push_back(*move);
  return moves;
}

bool FastSearch::backInVain(FastCard card) const {
  const FastRules& rules = position_.rules();
  // Where cards build up as well, or round past the base, higher cards may
  // lie on it too.
  if (rules.buildsBothWays() || rules.buildsPastBase()) return false;
  // The suits that may lie on the card's suit, on those, and so on.
  std::array<bool, 4> suits{};
  suits[static_cast<std::size_t>(rules.suit(card))] = true;
  for (bool grown = true; grown;) {
    grown = false;
    for (int base = 0; base < 4; ++base)
      for (int moving = 0; moving < 4; ++moving)
        if (suits[static_cast<std::size_t>(base)] && !suits[static_cast<std::size_t>(moving)] &&
            rules.suitsBuild(base, moving)) {
          suits[static_cast<std::size_t>(moving)] = true;
          grown = true;
        }
  }
  for (int suit = 0; suit < 4; ++suit) {
    if (!suits[static_cast<std::size_t>(suit)]) continue;
    for (int rank = kAce; rank < rules.rank(card); ++rank)
      if (position_.homeCount(suit, rank) < rules.packs()) return false;
  }
  return true;
}

void FastSearch::moveTo(std::uint32_t target) {
  const Node& node = nodes_[target];
  if (node.parent == onTable_) {
    // The best position is most often a child of the one just expanded:
    // replaying its few steps costs less than laying out every card.
    for (std::uint32_t i = 0; i < node.stepCount; ++i) position_.apply(stepArena_[node.firstStep + i]);
  } else if (target != onTable_) {
    const std::size_t end = target + 1 < nodes_.size() ? nodes_[target + 1].offset : encodings_.size();
    position_.decode(std::span<const std::uint8_t>(encodings_).subspan(node.offset, end - node.offset));
  }
  onTable_ = target;
}

void FastSearch::undoTo(std::size_t stepCount) {
  while (steps_.size() > stepCount) {
    position_.undo(steps_.back());
    steps_.pop_back();
  }
}

bool FastSearch::spent() {
  if (expanded_ >= budget_.nodes) return true;
  if (expanded_ % kClockInterval != 0) return false;
  // The memory is counted in what the containers hold, the same on every
  // run; the clock differs from run to run and so only cuts the search short.
  if (memoryUsed() >= budget_.memoryBytes) return true;
  return clock_.cutShort();
}

// Where cards lie face down the deals are decided depth first, which keeps
// nothing of a position but its key and so sees the whole space of far more
// lost deals; where every card shows, the best-first search finds the wins
// sooner. With two packs and a stock hardly any deal is ever seen whole:
// depth first wanders there, and the best-first search, led by where the
// low cards lie buried, finds several times the wins.
bool decidesDepthFirst(const FastRules& rules, const GameState& state) {
  if (rules.hasStock() && rules.packs() > 1) return false;
  // Where single cards move and there is no stock, a card turned is soon
  // played, and the best-first search wins in a few hundred positions what
  // the depth-first one looks for in a hundred thousand.
  if (!rules.hasStock() && !rules.runMayMove(2, false, kMaxTableau, kMaxReserves)) return false;
  for (int t = 0; t < rules.tableauCount(); ++t)
    for (const std::uint8_t card : state.piles.pile(PileList::Tableau, t).slots())
      if (state.isFaceDown(card)) return true;
  return false;
}

// Where cards may come back from the foundations, nearly every win needs none
// of them back, and the positions are far fewer without: a first search
// without them, on half the positions of the budget, finds most wins; the
// rest of the budget goes to a search with every move, which alone may find
// a deal lost. That one goes depth first: it keeps only the keys of the
// positions, and it brings a card back only with the move that needs it
// (paired_moves), which leaves out most of the positions with cards taken
// back.
SolveResult solveTakingBackLast(const FastRules& rules, const SolverStart& start, const Budget& budget,
                                const std::atomic<bool>* stop, std::int64_t bestFirstQuarters = 2) {
  Budget first = budget;
  first.nodes = budget.nodes * bestFirstQuarters / 4;
  SolveResult quick = FastSearch(rules, start, first, stop, false).run();
  if (quick.verdict == Verdict::Won || quick.stopped || quick.outOfTime) return quick;
  const Budget rest = budgetLeft(budget, quick.nodes, quick.seconds);
  SolveResult full = depthSolve(rules, start, rest, stop);
  full.nodes += quick.nodes;
  full.seconds += quick.seconds;
  return full;
}

// Where every card shows, the best-first search finds nearly every win in a
// small share of the positions of the budget; a deal it has not won by then
// is most often lost, and proving it takes seeing every position, which the
// depth-first search does several times faster and in far less memory. So
// the best-first search gets a share of the budget and the depth-first one
// the rest.
SolveResult solveDeepLast(const FastRules& rules, const SolverStart& start, const Budget& budget,
                          const std::atomic<bool>* stop, std::int64_t bestFirstShare = kBestFirstShare) {
  Budget first = budget;
  first.nodes = budget.nodes / bestFirstShare;
  SolveResult quick = FastSearch(rules, start, first, stop).run();
  if (quick.verdict != Verdict::Unknown || quick.stopped || quick.outOfTime || quick.nodes < first.nodes) return quick;
  const Budget rest = budgetLeft(budget, quick.nodes, quick.seconds);
  SolveResult deep = depthSolve(rules, start, rest, stop);
  if (deep.verdict == Verdict::Unknown) deep.moves = std::move(quick.moves);
  deep.nodes += quick.nodes;
  deep.seconds += quick.seconds;
  return deep;
}

// Where any face-up cards move together, there is no stock and cards come
// back from the foundations (Yukon), the depth-first search goes down a
// wrong line in some deals for millions of positions, while the best-first
// search, led by the cards home and shown, wins them in a few thousand. So a
// short depth-first look decides the easy deals, won or lost; then the
// best-first search glances, without cards taken back, at a few thousand
// positions (it only wins); then the depth-first search starts again with
// the rest of the budget, and alone may find the deal lost. It goes on from
// where the first look stopped, with the positions that look saw: the same
// search on one budget sees the same positions in the same order.
bool glancesBestFirst(const FastRules& rules) {
  return rules.runsAnyFaceUp() && !rules.hasStock() && rules.takesBack();
}

SolveResult solveGlancingBestFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                                   const std::atomic<bool>* stop) {
  ResumableDepthSolve deep(rules, start, budget.memoryBytes);
  Budget first = budget;
  first.nodes = std::min(budget.nodes, kGroupsFirstLook);
  SolveResult sofar = deep.solve(first, stop);
  const std::int64_t looked = sofar.nodes;
  if (sofar.verdict != Verdict::Unknown || sofar.stopped || sofar.outOfTime || sofar.nodes >= budget.nodes)
    return sofar;
  Budget glance = budgetLeft(budget, sofar.nodes, sofar.seconds);
  glance.nodes = std::min(glance.nodes / 2, kGlanceNodes);
  if (followOn(sofar, FastSearch(rules, start, glance, stop, false).run())) return sofar;
  // The depth-first search counts its own positions from its first call on;
  // those of the glance come off its budget.
  const std::int64_t glanced = sofar.nodes - looked;
  Budget rest = budgetLeft(budget, sofar.nodes, sofar.seconds);
  rest.nodes = budget.nodes - glanced;
  SolveResult last = deep.solve(rest, stop);
  last.nodes += glanced;
  last.seconds += sofar.seconds;
  if (last.verdict == Verdict::Unknown && last.moves.empty()) last.moves = std::move(sofar.moves);
  return last;
}

// Where a stock of one pack comes round a set number of times (the cards of
// a one-pass stock deal out once, in their order) over face-down cards, the
// depth-first search wins most deals in a few dozen positions, but a deal it
// has not won soon it seldom wins: it goes down the shifts of runs from pile
// to pile for ever. The best-first search, led by the cards home and shown,
// wins nearly every one of those in a few thousand positions. So a short
// depth-first look comes first, then the best-first search and the
// depth-first one share the rest as where every card shows; each of the
// three sees every position it may, so any of them may find the deal lost
// (where cards come back from the foundations, the best-first search goes
// without them and only the last one may).
//
// Where cards come back from the foundations, the depth-first search that
// takes them back sees but a sliver of the positions and has never found
// such a deal lost: the short look is kept to a few positions, and the
// best-first search, which wins the most, gets most of the rest.
bool looksDepthFirstBriefly(const FastRules& rules) {
  return rules.hasStock() && rules.packs() == 1 && rules.passes() >= 0 && !rules.dealsToReserves();
}

// Where cards come back from the foundations and the stock of one pass turns
// one card a click onto the waste, the wins the first look misses are mostly
// long: played a stage of the stock at a time (stock_beam) as a player does,
// most of them are found in a small share of the positions the best-first
// search needs. The beam only finds wins; the searches after it still see
// the whole space.
bool beamsThroughOnePass(const FastRules& rules) {
  return rules.takesBack() && rules.passes() == 1 && rules.cardsPerClick() == 1 && !rules.dealsRows();
}

SolveResult solveDepthFirstBriefly(const FastRules& rules, const SolverStart& start, const Budget& budget,
                                   const std::atomic<bool>* stop) {
  Budget first = budget;
  first.nodes = budget.nodes / kFirstLookShare;
  if (rules.takesBack()) first.nodes = std::min(first.nodes, kTakingBackFirstLook);
  SolveResult quick = depthSolve(rules, start, first, stop);
  if (quick.verdict != Verdict::Unknown || quick.stopped || quick.outOfTime) return quick;
  if (beamsThroughOnePass(rules)) {
    Budget beam = budgetLeft(budget, quick.nodes, quick.seconds);
    beam.nodes /= kOnePassBeamShare;
    SolveResult staged = solveStockByStage(rules, start, beam, stop);
    staged.nodes += quick.nodes;
    staged.seconds += quick.seconds;
    if (staged.verdict != Verdict::Unknown || staged.stopped || staged.outOfTime) return staged;
    quick = std::move(staged);
  }
  const Budget rest = budgetLeft(budget, quick.nodes, quick.seconds);
  SolveResult full = rules.takesBack() ? solveTakingBackLast(rules, start, rest, stop, kTakingBackBestFirstQuarters)
                                       : solveDeepLast(rules, start, rest, stop);
  full.nodes += quick.nodes;
  full.seconds += quick.seconds;
  return full;
}

// Where two packs come from a stock of set passes, a beam played one row or
// card of the stock at a time (stock_beam) wins most deals in far fewer
// positions than the search of the whole space. Where the stock deals rows,
// the easiest deals the best-first search wins sooner still, in a glance of
// a few thousand positions; a deal neither has won goes to the search of the
// whole space with the rest of the budget, which alone may find it lost.
SolveResult solveBeamFirst(const FastRules& rules, const SolverStart& start, const Budget& budget,
                           const std::atomic<bool>* stop) {
  SolveResult sofar;
  auto rest = [&] { return budgetLeft(budget, sofar.nodes, sofar.seconds); };
  auto follow = [&](SolveResult next) { return followOn(sofar, std::move(next)); };
  // Where the stock turns onto a waste, a position of the searches of the
  // whole space has a move of the waste card after every number of clicks,
  // and a few thousand of them may take seconds: the beam, which turns one
  // card at a time, comes first there.
  if (rules.dealsRows()) {
    Budget glance = budget;
    glance.nodes = std::min(budget.nodes / 2, kGlanceNodes);
    // Without cards taken back, an exhausted glance proves nothing where the
    // rules take them back; it answers Unknown then.
    if (follow(FastSearch(rules, start, glance, stop, false).run())) return sofar;
  }
  Budget beam = rest();
  // Where the stock turns onto a waste, the search of the whole space is
  // slow (see above) and decides only small deals, which the beam leaves
  // to it soon, having seen every stage whole.
  beam.nodes = rules.dealsRows() ? beam.nodes / 4 * kStockBeamQuarters : beam.nodes - beam.nodes / kWholeSpaceShare;
  if (follow(solveStockByStage(rules, start, beam, stop))) return sofar;
  follow(rules.takesBack() ? solveTakingBackLast(rules, start, rest(), stop) : solveDeepLast(rules, start, rest(), stop));
  return sofar;
}

}  // namespace

std::optional<SolveResult> fastSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  const std::optional<FastRules> rules = FastRules::of(start);
  if (!rules) return std::nullopt;
  const FastPosition dealt(*rules, start.state, start.redealCount);
  if (kingsBlockForEver(dealt) || kingsFindNoRest(dealt)) {
    // Lost whatever is played; a short search still finds the line that
    // brings the most cards home, for a hint.
    Budget brief = budget;
    brief.nodes = std::min<std::int64_t>(budget.nodes, kBlockedDealNodes);
    SolveResult result = FastSearch(*rules, start, brief, stop).run();
    if (result.verdict == Verdict::Unknown && !result.stopped && !result.outOfTime) result.verdict = Verdict::Lost;
    return result;
  }
  if (searchesForwardFirst(*rules)) return solveForwardFirst(*rules, start, budget, stop);
  if (decidesDepthFirst(*rules, start.state)) {
    if (rules->dealsToReserves() && !cardHiddenForEver(FastPosition(*rules, start.state, start.redealCount)))
      return solveDeepLast(*rules, start, budget, stop, kDealtReservesBestFirstShare);
    if (looksDepthFirstBriefly(*rules)) return solveDepthFirstBriefly(*rules, start, budget, stop);
    if (looksWithoutTakingBack(*rules)) return solveWithoutTakingBackFirst(*rules, start, budget, stop);
    if (glancesBestFirst(*rules)) return solveGlancingBestFirst(*rules, start, budget, stop);
    return depthSolve(*rules, start, budget, stop);
  }
  if (beamsThroughStock(*rules)) return solveBeamFirst(*rules, start, budget, stop);
  if (rules->takesBack()) return solveTakingBackLast(*rules, start, budget, stop);
  return solveDeepLast(*rules, start, budget, stop);
}

std::optional<std::vector<SolverMove>> fastMoves(const SolverStart& start) {
  const std::optional<FastRules> rules = FastRules::of(start);
  if (!rules) return std::nullopt;
  const FastPosition position(*rules, start.state, start.redealCount);
  std::vector<FastStep> steps;
  position.moves(steps, false);
  std::vector<SolverMove> moves;
  for (const FastStep& step : steps)
    if (const auto move = position.solverMove(step)) moves.push_back(*move);
  return moves;
}

}  // namespace quilloro::solver
