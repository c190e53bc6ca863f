// Depth first over the fast position: the moves of a position are tried in
// the order of their promise, a position seen before is never entered again,
// and the path is the stack of steps itself. Nothing but the keys is kept of
// the positions left behind. Cards brought into the tableau from the
// foundations or an endless stock come only with the move onto them; where
// that move brings in another such card, the position it leads to is
// searched for the moves that use that card alone, and is known apart by its
// key.
#include "engine/solver/fast_depth_search.hpp"

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/hidden_for_ever.hpp"
#include "engine/solver/kept_home.hpp"
#include "engine/solver/needless_cards.hpp"
#include "engine/solver/paired_moves.hpp"
#include "engine/solver/position_table.hpp"
#include "engine/solver/safe_plays.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/resting_kings.hpp"
#include "engine/solver/stranded_piles.hpp"
#include "engine/solver/stuck_cards.hpp"

namespace quilloro::solver {

namespace {

// The clock and the stop flag are read once per so many moves tried.
constexpr std::int64_t kClockInterval = 1024;
// The positions searched for a hint's line in a deal known to be lost.
constexpr std::int64_t kHopelessDealNodes = 2'000;
// The share of the memory budget the moves of the positions on the path may
// hold; deeper down, a position's moves are listed again when the search
// comes back to it.
constexpr std::size_t kStoredMovesShare = 8;

// The choices, most promising first, ties in the order listed. A position
// has few, so a plain insertion sort beats a merge sort and its buffer.
void sortByPriority(std::vector<PairedStep>& choices) {
  for (std::size_t n = 1; n < choices.size(); ++n) {
    const PairedStep moving = choices[n];
    std::size_t at = n;
    for (; at > 0 && choices[at - 1].first.priority < moving.first.priority; --at) choices[at] = choices[at - 1];
    choices[at] = moving;
  }
}

class DepthSearch {
 public:
  enum class Outcome { Won, Exhausted, Spent };

  DepthSearch(const FastRules& rules, const SolverStart& start, const Budget& budget, SearchClock& clock)
      : position_(rules, start.state, start.redealCount), budget_(&budget), clock_(&clock), seen_(budget.memoryBytes) {
    // Every card taken back comes paired with the move that uses it.
    if (rules.takesBack() && rules.packs() == 1) safe_.sendHomeWhatCouldComeBack();
  }

  Outcome run();
  // Goes on from where the search stopped for want of positions, with a
  // budget of more of them in all and a clock of its own; a search that was
  // won, exhausted or filled the memory answers the same again.
  Outcome resume(const Budget& budget, SearchClock& clock);
  std::size_t memoryHeld() const;
  // The winning steps, or the way to the position with the most cards home.
  const std::vector<FastStep>& line() const { return outcome_ == Outcome::Won ? steps_ : bestSteps_; }
  std::int64_t expanded() const { return expanded_; }
  std::vector<SolverMove> asMoves(const std::vector<FastStep>& steps) const;

 private:
  // A position on the path: its moves in the arena (or, when stored is
  // false, listed again in top_ whenever it is the last one), the next one
  // to try, and how many steps lead to it.
  struct Frame {
    std::size_t firstMove;
    std::size_t moveCount;
    std::size_t next;
    std::size_t stepsAtEntry;
    bool stored;
    // The card brought in last waits for a move onto it: only those are
    // tried (see paired_moves).
    bool covering;
    FastStep cover;
  };
  Outcome search();
  // The loop of the search over the positions on the path.
  Outcome walk();
  // Lists the moves of the position reached and puts it on the path;
  // cover, if any, is the step whose card waits for a move onto it.
  void enter(const FastStep* cover);
  // The moves of the position as it stands, in the order they are tried.
  void listChoices(const FastStep* cover);
  // Leaves out of moves_ the cards taken back that no shortest win takes back.
  void dropNeedlessTakeBacks();
  // Leaves out of choices_ the pairs whose second step takes back a card
  // that no shortest win from the position after the first takes back.
  void dropNeedlessSecondTakeBacks();
  bool takesBack(const FastStep& step) const {
    return step.kind == FastStep::Kind::Move && step.from >= position_.foundationPile(0) &&
           step.from < position_.stockPile();
  }
  // The step played last, if its card lies bare and waits for a move onto
  // it; then the position's key is told apart by that card.
  const FastStep* waitingCard(const PairedStep& choice) const;
  PositionKey128 keyOf(const FastStep* cover) const;
  // The frame's next move to try.
  const PairedStep& choiceOf(const Frame& frame) const {
    return frame.stored ? arena_[frame.firstMove + frame.next] : top_[frame.next];
  }
  void undoTo(std::size_t stepCount);
  void noteProgress();
  bool spent();

  FastPosition position_;
  SafePlays safe_{position_};
  // Positions where face-up cards hold one another for ever are lost.
  StuckCards stuck_{position_.rules()};
  // Positions where the kings can rest nowhere are lost (see resting_kings).
  const bool kingsRest_ = kingsRestOnlyOnQueens(position_.rules());
  // Cards at home that no win needs back (see needless_cards).
  NeedlessCards needless_{position_.rules()};
  // Cards at home kept there while the other suits are close behind (see
  // kept_home).
  const KeptHome kept_{position_.rules()};
  // The second card of a pair taken back is asked the same as the first, in
  // the position after the first (see dropNeedlessSecondTakeBacks), whatever
  // runs travel.
  const bool checksSecondTakeBacks_ = needless_.applies() || kept_.applies();
  const Budget* budget_;
  // Moves that strand an empty pile are left out (see stranded_piles).
  const bool strandsNothingOfUse_ = strandsNothingOfUse(position_.rules());
  SearchClock* clock_;
  PositionTable seen_;
  Outcome outcome_ = Outcome::Spent;
  std::vector<FastStep> steps_;
  std::vector<FastStep> moves_;
  std::vector<PairedStep> choices_;
  std::vector<PairedStep> arena_;
  // The moves of the last position on the path when the arena is full.
  std::vector<PairedStep> top_;
  std::vector<Frame> frames_;
  std::vector<FastStep> bestSteps_;
  int bestHome_ = -1;
  std::int64_t expanded_ = 0;
  std::int64_t tried_ = 0;
  // The table of positions seen could take no more.
  bool filled_ = false;
};

DepthSearch::Outcome DepthSearch::run() {
  safe_.forcedSteps(steps_);
  outcome_ = search();
  return outcome_;
}

DepthSearch::Outcome DepthSearch::resume(const Budget& budget, SearchClock& clock) {
  budget_ = &budget;
  clock_ = &clock;
  if (outcome_ == Outcome::Spent && !filled_) outcome_ = walk();
  return outcome_;
}

DepthSearch::Outcome DepthSearch::search() {
  seen_.insert(position_.key());
  noteProgress();
  // Even the first look needs a position of the budget and no stop.
  if (spent()) return Outcome::Spent;
  if (position_.cardsLeft() == 0) return Outcome::Won;
  enter(nullptr);
  return walk();
}

DepthSearch::Outcome DepthSearch::walk() {
  while (!frames_.empty()) {
    if (spent()) return Outcome::Spent;
    Frame& frame = frames_.back();
    if (frame.next == frame.moveCount) {
      if (frame.stored) arena_.resize(frame.firstMove);
      frames_.pop_back();
      if (!frames_.empty()) {
        undoTo(frames_.back().stepsAtEntry);
        // The same position lists the same moves in the same order.
        if (!frames_.back().stored) {
          const Frame& back = frames_.back();
          listChoices(back.covering ? &back.cover : nullptr);
          top_ = choices_;
        }
      }
      continue;
    }
    const PairedStep choice = choiceOf(frame);
    ++frame.next;
    const std::size_t stepsBefore = frame.stepsAtEntry;
    if (choice.paired) {
      // The card brought into the tableau is never left bare: nothing is
      // played between the two.
      playBare(position_, choice.first, steps_);
      safe_.play(choice.second, steps_);
    } else {
      safe_.play(choice.first, steps_);
    }
    if (position_.cardsLeft() == 0) return Outcome::Won;
    const FastStep* cover = waitingCard(choice);
    switch (seen_.insert(keyOf(cover))) {
      case PositionTable::Insert::Full: filled_ = true; return Outcome::Spent;
      case PositionTable::Insert::Seen: undoTo(stepsBefore); break;
      case PositionTable::Insert::New:
        noteProgress();
        if (cover == nullptr && (stuck_.anyStuck(position_) || (kingsRest_ && kingsFindNoRest(position_)))) {
          // Lost: counted as a position searched, and left at once.
          ++expanded_;
          undoTo(stepsBefore);
          break;
        }
        enter(cover);
        break;
    }
  }
  return Outcome::Exhausted;
}

void DepthSearch::enter(const FastStep* cover) {
  ++expanded_;
  listChoices(cover);
  // A long path would hold most of the memory in its moves: past a share of
  // the budget, they are listed again instead of kept.
  const bool stored = (arena_.size() + choices_.size()) * sizeof(PairedStep) <= budget_->memoryBytes / kStoredMovesShare;
  frames_.push_back({arena_.size(), choices_.size(), 0, steps_.size(), stored, cover != nullptr,
                     cover != nullptr ? *cover : FastStep{}});
  if (stored) {
    arena_.insert(arena_.end(), choices_.begin(), choices_.end());
  } else {
    top_ = choices_;
  }
}

void DepthSearch::listChoices(const FastStep* cover) {
  if (cover != nullptr) {
    coverMoves(position_, *cover, moves_);
    dropNeedlessTakeBacks();
    if (position_.rules().takesBack()) {
      // The moves onto the waiting card come paired, as anywhere else.
      pairMoves(position_, moves_, choices_);
      dropNeedlessSecondTakeBacks();
      sortByPriority(choices_);
      return;
    }
    choices_.clear();
    for (const FastStep& step : moves_) choices_.push_back({step, {}, false});
    sortByPriority(choices_);
    return;
  }
  position_.moves(moves_, true);
  position_.stockMoves(moves_);
  if (strandsNothingOfUse_) std::erase_if(moves_, [this](const FastStep& step) { return strandsPile(position_, step); });
  dropNeedlessTakeBacks();
  pairMoves(position_, moves_, choices_);
  dropNeedlessSecondTakeBacks();
  sortByPriority(choices_);
}

void DepthSearch::dropNeedlessTakeBacks() {
  if (!needless_.applies() && !kept_.applies()) return;
  const int firstHome = position_.foundationPile(0);
  const int stock = position_.stockPile();
  auto takesBack = [&](const FastStep& step) {
    return step.kind == FastStep::Kind::Move && step.from >= firstHome && step.from < stock;
  };
  if (std::none_of(moves_.begin(), moves_.end(), takesBack)) return;
  needless_.find(position_);
  std::erase_if(moves_, [&](const FastStep& step) {
    return takesBack(step) && (needless_.needless(step.card) || kept_.keeps(position_, step.card));
  });
}

void DepthSearch::dropNeedlessSecondTakeBacks() {
  if (!checksSecondTakeBacks_) return;
  // A shortest win told in pairs (telling a win in pairs only moves the
  // cards brought in later, or leaves moves out) goes on from the position
  // after a pair's first step with a shortest win from there, which takes
  // back no card that needless_ or kept_ finds there: so no shortest win
  // plays such a pair, and one that wins plays another. That holds whatever
  // runs travel. The pairs of one step lie together.
  auto sameFirst = [](const FastStep& a, const FastStep& b) {
    return a.kind == b.kind && a.from == b.from && a.to == b.to && a.count == b.count && a.card == b.card &&
           a.clicks == b.clicks;
  };
  std::size_t kept = 0;
  for (std::size_t i = 0; i < choices_.size();) {
    std::size_t end = i + 1;
    while (end < choices_.size() && choices_[i].paired && choices_[end].paired &&
           sameFirst(choices_[i].first, choices_[end].first))
      ++end;
    const bool anyTakeBack = std::any_of(choices_.begin() + static_cast<std::ptrdiff_t>(i),
                                         choices_.begin() + static_cast<std::ptrdiff_t>(end),
                                         [&](const PairedStep& c) { return c.paired && takesBack(c.second); });
    if (!anyTakeBack) {
      for (; i < end; ++i) choices_[kept++] = choices_[i];
      continue;
    }
    const std::size_t before = steps_.size();
    playBare(position_, choices_[i].first, steps_);
    if (needless_.applies()) needless_.find(position_);
    for (; i < end; ++i) {
      const PairedStep& choice = choices_[i];
      const bool needless = takesBack(choice.second) &&
                            ((needless_.applies() && needless_.needless(choice.second.card)) ||
                             kept_.keeps(position_, choice.second.card));
      if (!needless) choices_[kept++] = choice;
    }
    undoTo(before);
  }
  choices_.resize(kept);
}

const FastStep* DepthSearch::waitingCard(const PairedStep& choice) const {
  // Where moves are left out for stranding a pile, every position is
  // searched whole. Elsewhere a card brought in by the last step (from the
  // stock, or taken back from under the card taken back first, or to bare
  // a card for it) waits in turn for the move that uses it, which a line
  // told as paired_moves tells plays next.
  if (strandsNothingOfUse_) return nullptr;
  const FastStep& last = choice.paired ? choice.second : choice.first;
  if (!waitsForCover(position_, last) || position_.top(last.to) != last.card) return nullptr;
  return &last;
}

PositionKey128 DepthSearch::keyOf(const FastStep* cover) const {
  PositionKey128 key = position_.key();
  if (cover == nullptr) return key;
  // Which card waits tells the moves tried, and whether it came from the
  // foundations (then the card under it may come back too); the piles it
  // lies on may be told in any order, as in the key.
  const bool fromHome = cover->from >= position_.foundationPile(0) && cover->from < position_.stockPile();
  std::uint64_t mix = 0x9E3779B97F4A7C15ULL * (static_cast<std::uint64_t>(cover->card) * 2 + (fromHome ? 1 : 0) + 1);
  mix ^= mix >> 31;
  mix *= 0xBF58476D1CE4E5B9ULL;
  mix ^= mix >> 29;
  key.high ^= mix;
  key.low ^= mix * 0x94D049BB133111EBULL;
  return key;
}

void DepthSearch::undoTo(std::size_t stepCount) {
  while (steps_.size() > stepCount) {
    position_.undo(steps_.back());
    steps_.pop_back();
  }
}

void DepthSearch::noteProgress() {
  if (position_.cardsHome() <= bestHome_) return;
  bestHome_ = position_.cardsHome();
  bestSteps_ = steps_;
}

bool DepthSearch::spent() {
  if (expanded_ >= budget_->nodes) return true;
  if (tried_++ % kClockInterval != 0) return false;
  // The memory is counted in what the containers hold, the same on every
  // run; the clock differs from run to run and so only cuts the search short.
  if (memoryHeld() >= budget_->memoryBytes) return true;
  return clock_->cutShort();
}

std::size_t DepthSearch::memoryHeld() const {
  return seen_.bytes() + (arena_.capacity() + top_.capacity()) * sizeof(PairedStep) +
         steps_.capacity() * sizeof(FastStep) + frames_.capacity() * sizeof(Frame);
}

std::vector<SolverMove> DepthSearch::asMoves(const std::vector<FastStep>& steps) const {
  // The position object only names the piles, which never change.
  std::vector<SolverMove> moves;
  for (const FastStep& step : steps)
    if (const auto move = position_.solverMove(step)) moves.push_back(*move);
  return moves;
}

}  // namespace

struct ResumableDepthSolve::State {
  State(const FastRules& rules, const SolverStart& start, std::size_t memoryBytes)
      : budget(withMemory(memoryBytes)),
        hopeless(isHopeless(FastPosition(rules, start.state, start.redealCount))),
        search(rules, start, budget, clock) {}

  static Budget withMemory(std::size_t memoryBytes) {
    Budget budget;
    budget.memoryBytes = memoryBytes;
    return budget;
  }

  // A deal with a card no play can show is lost; a short search still finds
  // the line that brings the most cards home, for a hint.
  static bool isHopeless(const FastPosition& dealt) {
    return cardHiddenForEver(dealt) || StuckCards(dealt.rules()).anyStuck(dealt) || kingsFindNoRest(dealt);
  }

  Budget budget;
  SearchClock clock{0, nullptr};
  const bool hopeless;
  DepthSearch search;
  bool started = false;
};

ResumableDepthSolve::ResumableDepthSolve(const FastRules& rules, const SolverStart& start, std::size_t memoryBytes)
    : state_(std::make_unique<State>(rules, start, memoryBytes)) {}

ResumableDepthSolve::~ResumableDepthSolve() = default;

SolveResult ResumableDepthSolve::solve(const Budget& budget, const std::atomic<bool>* stop) {
  State& state = *state_;
  state.clock = SearchClock(budget.milliseconds, stop);
  state.budget.nodes = state.hopeless ? std::min(budget.nodes, kHopelessDealNodes) : budget.nodes;
  state.budget.milliseconds = budget.milliseconds;
  const DepthSearch::Outcome outcome =
      state.started ? state.search.resume(state.budget, state.clock) : state.search.run();
  state.started = true;
  SolveResult result;
  result.verdict = outcome == DepthSearch::Outcome::Won         ? Verdict::Won
                   : outcome == DepthSearch::Outcome::Exhausted ? Verdict::Lost
                                                                : Verdict::Unknown;
  if (state.hopeless && result.verdict == Verdict::Unknown && !state.clock.stopped()) result.verdict = Verdict::Lost;
  result.moves = state.search.asMoves(state.search.line());
  result.nodes = state.search.expanded();
  state.clock.report(result);
  return result;
}

std::size_t ResumableDepthSolve::memoryHeld() const { return state_->search.memoryHeld(); }

SolveResult depthSolve(const FastRules& rules, const SolverStart& start, const Budget& budget,
                       const std::atomic<bool>* stop) {
  return ResumableDepthSolve(rules, start, budget.memoryBytes).solve(budget, stop);
}

}  // namespace quilloro::solver
