// Best-first search over the fast position: the most promising position is
// expanded first, a position already seen is never entered again, cards that
// no other card can still need go home at once, and a face-down top card is
// turned at once. When every position reachable was seen, the deal is lost.
#include "engine/solver/fast_search.hpp"

#include <algorithm>
#include <chrono>
#include <queue>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/position_table.hpp"

namespace quilloro::solver {

namespace {

// The clock and the stop flag are read once per so many positions.
constexpr std::int64_t kClockInterval = 256;
constexpr std::uint32_t kNoParent = 0xFFFFFFFF;

class FastSearch {
 public:
  FastSearch(const FastRules& rules, const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop)
      : position_(rules, start.state, start.redealCount), budget_(budget), stop_(stop), seen_(budget.memoryBytes) {}

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
  struct Queued {
    int priority;
    std::uint32_t node;
    // Best score first; among equals the newest, which keeps the search deep.
    friend bool operator<(const Queued& a, const Queued& b) {
      return a.priority != b.priority ? a.priority < b.priority : a.node < b.node;
    }
  };
  enum class Outcome { Won, Exhausted, Spent };

  Outcome search();
  // Records the position on the table, reached from parent by steps_.
  std::uint32_t addNode(std::uint32_t parent);
  // Plays the step, then the turns and safe plays that follow it.
  void play(const FastStep& step);
  // keepOut, a card just taken back from the foundations, stays where it is.
  void forcedSteps(FastCard keepOut = 0);
  // Where cards come back from the foundations: the card, just played home
  // from the pile, could come straight back to it.
  bool mayComeBack(FastCard card, int pile) const;
  void undoTo(std::size_t stepCount);
  // Whether the card may go home without spoiling a win: every card that
  // could still be built on it is home or may go home the same way.
  bool dispensable(int suit, int rank);
  bool spent();
  std::size_t memoryUsed() const {
    return seen_.bytes() + encodings_.capacity() + nodes_.capacity() * sizeof(Node) +
           stepArena_.capacity() * sizeof(FastStep) + queue_.size() * sizeof(Queued);
  }
  std::vector<SolverMove> pathTo(std::uint32_t node) const;

  FastPosition position_;
  const Budget& budget_;
  const std::atomic<bool>* stop_;
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
  std::array<std::array<std::int8_t, 14>, 4> known_{};
  std::int64_t expanded_ = 0;
  bool stopped_ = false;
  bool outOfTime_ = false;
  std::chrono::steady_clock::time_point began_ = std::chrono::steady_clock::now();
};

SolveResult FastSearch::run() {
  forcedSteps();
  const Outcome outcome = search();
  SolveResult result;
  result.verdict = outcome == Outcome::Won ? Verdict::Won : outcome == Outcome::Exhausted ? Verdict::Lost : Verdict::Unknown;
  result.moves = pathTo(outcome == Outcome::Won ? won_ : best_);
  result.nodes = expanded_;
  result.stopped = stopped_;
  result.outOfTime = outOfTime_;
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
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
  queue_.push({position_.score(), root});
  while (!queue_.empty()) {
    if (spent()) return Outcome::Spent;
    const std::uint32_t current = queue_.top().node;
    queue_.pop();
    ++expanded_;
    const Node& node = nodes_[current];
    const std::size_t end = current + 1 < nodes_.size() ? nodes_[current + 1].offset : encodings_.size();
    position_.decode(std::span<const std::uint8_t>(encodings_).subspan(node.offset, end - node.offset));
    const std::uint32_t depth = node.depth;
    position_.moves(moves_, true);
    position_.stockMoves(moves_);
    std::stable_sort(moves_.begin(), moves_.end(),
                     [](const FastStep& a, const FastStep& b) { return a.priority > b.priority; });
    for (const FastStep& step : moves_) {
      steps_.clear();
      play(step);
      if (position_.cardsLeft() == 0) {
        won_ = addNode(current);
        return Outcome::Won;
      }
      switch (seen_.insert(position_.key())) {
        case PositionTable::Insert::Full: return Outcome::Spent;
        case PositionTable::Insert::Seen: break;
        case PositionTable::Insert::New: {
          const std::uint32_t child = addNode(current);
          // A little for every step keeps the solutions short among equals.
          queue_.push({position_.score() - static_cast<int>(depth + 1), child});
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

void FastSearch::play(const FastStep& step) {
  for (int i = 0; i < step.clicks; ++i) position_.click(steps_);
  position_.apply(step);
  steps_.push_back(step);
  // A card just taken back from the foundations is there to stay a while.
  const bool takenBack = step.from >= position_.foundationPile(0) && step.from < position_.stockPile();
  forcedSteps(takenBack ? step.card : FastCard{0});
}

void FastSearch::forcedSteps(FastCard keepOut) {
  const FastRules& rules = position_.rules();
  for (bool moved = true; moved;) {
    moved = false;
    for (int t = 0; t < rules.tableauCount(); ++t) {
      const int pile = position_.tableauPile(t);
      if (position_.size(pile) == 0 || position_.faceDown(pile) < position_.size(pile)) continue;
      const FastStep turn{FastStep::Kind::Turn, static_cast<std::uint8_t>(pile), 0, 0, position_.top(pile), 0, 0};
      position_.apply(turn);
      steps_.push_back(turn);
      moved = true;
    }
    known_ = {};
    const int piles = rules.tableauCount() + rules.reserveCount();
    for (int pile = 0; pile < piles; ++pile) {
      const FastCard card = position_.top(pile);
      if (card == 0 || card == keepOut || position_.faceDown(pile) == position_.size(pile)) continue;
      const int home = position_.foundationFor(card);
      if (home < 0 || !dispensable(rules.suit(card), rules.rank(card))) continue;
      const FastStep step{FastStep::Kind::Move, static_cast<std::uint8_t>(pile), static_cast<std::uint8_t>(home), 1, card, 0, 0};
      position_.apply(step);
      // Where cards come back from the foundations, a card goes home unasked
      // only where it could come straight back: then the two positions lead
      // to the same places, and keeping one of them loses nothing. An ace is
      // never wanted back, as nothing is built on it.
      if (rules.takesBack() && rules.rank(card) != kAce && !mayComeBack(card, pile)) {
        position_.undo(step);
        continue;
      }
      steps_.push_back(step);
      known_ = {};
      moved = true;
    }
  }
}

bool FastSearch::mayComeBack(FastCard card, int pile) const {
  const FastRules& rules = position_.rules();
  if (pile >= rules.tableauCount()) return position_.size(pile) == 0;
  return position_.size(pile) == 0 ? rules.fillsEmpty(card) : position_.takesOn(pile, card);
}

bool FastSearch::dispensable(int suit, int rank) {
  std::int8_t& answer = known_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
  if (answer != 0) return answer > 0;
  const FastRules& rules = position_.rules();
  const int packs = rules.packs();
  auto allHome = [&](int s, int r) { return position_.homeCount(s, r) >= packs; };
  bool result = true;
  for (int other = 0; other < 4 && result && rank > kAce; ++other) {
    if (!rules.suitsBuild(suit, other) || allHome(other, rank - 1)) continue;
    // The card a rank below may be built here: it must be free to go home
    // as soon as it shows, and be needed nowhere else either.
    const bool homeable = rank - 1 == kAce || allHome(other, rank - 2);
    result = homeable && dispensable(other, rank - 1);
  }
  answer = result ? 1 : -1;
  return result;
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

std::optional<SolveResult> fastSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  const std::optional<FastRules> rules = FastRules::of(start);
  if (!rules) return std::nullopt;
  return FastSearch(*rules, start, budget, stop).run();
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
