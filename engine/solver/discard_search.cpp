// Depth-first search for the discard-pile games. A position is fully told by
// how many cards each tableau pile still holds, how many the stock holds and
// the rank on the discard pile: the key packs those into one number, and a
// position left without a win is never entered again. As every move takes a
// card off the table, no position comes back on the same line of play, so an
// exhausted search proves the deal lost.
#include "engine/solver/discard_search.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdlib>

#include "engine/build_types.hpp"
#include "engine/solver/position_table.hpp"
#include "engine/solver/scratch_table.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/start_checks.hpp"

namespace quilloro::solver {

namespace {

constexpr int kFamilyDiscardNoWrap = 2;
constexpr int kFamilyDiscardWrap = 12;
constexpr int kFamilyDiscardWrapToo = 15;

// The clock and the stop flag are read once per so many positions.
constexpr std::int64_t kClockInterval = 1024;
// The key keeps its top bit free for the position table's mark.
constexpr int kKeyBits = 62;
constexpr int kRankBits = 4;

// The table as the search sees it, read once from the start.
struct DiscardTable {
  bool wraps = false;
  int cardsPerClick = 1;
  // Each pile's cards, bottom first.
  std::vector<std::vector<CardNumber>> piles;
  // The stock's cards, the next one to turn last.
  std::vector<CardNumber> stock;
  // 0 while the discard pile is empty.
  int discardRank = 0;
  int pileBits = 0;
  int stockBits = 0;

  static std::optional<DiscardTable> of(const SolverStart& start);
};

// Whether a click on the stock turns its next cards onto the discard pile,
// as the search assumes: tried once on a copy of the start.
bool stockTurnsToDiscard(const SolverStart& start, const DiscardTable& table) {
  ScratchTable scratch(start.state, start.placed);
  scratch.load(start.state, start.redealCount);
  Game& game = scratch.game();
  if (!applyMove(game, SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile})) return false;
  const std::size_t turned = std::min(table.stock.size(), static_cast<std::size_t>(table.cardsPerClick));
  const std::vector<CardNumber> stock = cardsOf(game.state.piles.stock());
  return stock.size() + turned == table.stock.size() && game.state.piles.discard().topCard() == table.stock[stock.size()] &&
         game.state.piles.waste().empty();
}

std::optional<DiscardTable> DiscardTable::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  const int family = p[param::kGameFamily];
  if (family != kFamilyDiscardNoWrap && family != kFamilyDiscardWrap && family != kFamilyDiscardWrapToo)
    return std::nullopt;
  // Cards are dragged one at a time to the discard pile and nowhere else.
  if (p[param::kSelectByClick] != 0 || !state.piles.waste().empty()) return std::nullopt;
  if (state.pilesInUse(PileList::Foundations) != 0 || state.pilesInUse(PileList::Reserves) != 0) return std::nullopt;
  DiscardTable table;
  table.wraps = family != kFamilyDiscardNoWrap;
  table.cardsPerClick = std::max<int>(1, p[param::kCardsPerClick]);
  int tallest = 0;
  for (int index = 0; index < state.pilesInUse(PileList::Tableau); ++index) {
    if (p[param::kTableauBuildTypeFirst + index] != build_type::kNothing) return std::nullopt;
    std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Tableau, index));
    if (std::any_of(cards.begin(), cards.end(), [&](CardNumber card) { return state.isFaceDown(card); }))
      return std::nullopt;
    tallest = std::max(tallest, static_cast<int>(cards.size()));
    table.piles.push_back(std::move(cards));
  }
  table.stock = cardsOf(state.piles.stock());
  const CardNumber discardTop = state.piles.discard().topCard();
  table.discardRank = isCardNumber(discardTop) ? cardRank(discardTop) : 0;
  table.pileBits = std::bit_width(static_cast<unsigned>(tallest));
  table.stockBits = std::bit_width(table.stock.size());
  if (table.pileBits * static_cast<int>(table.piles.size()) + table.stockBits + kRankBits > kKeyBits)
    return std::nullopt;
  if (!table.stock.empty() && !stockTurnsToDiscard(start, table)) return std::nullopt;
  return table;
}

// A step of the search: a tableau pile's top card thrown, or a stock click.
constexpr int kStockStep = -1;

class DiscardSearch {
 public:
  DiscardSearch(DiscardTable table, const Budget& budget, const std::atomic<bool>* stop)
      : table_(std::move(table)), budget_(budget), clock_(budget.milliseconds, stop), seen_(budget.memoryBytes) {
    for (const auto& pile : table_.piles) heights_.push_back(static_cast<int>(pile.size()));
    stockLeft_ = static_cast<int>(table_.stock.size());
    rank_ = table_.discardRank;
    for (const int height : heights_) cardsLeft_ += height;
    bestLeft_ = cardsLeft_ + stockLeft_;
    for (const auto& pile : table_.piles)
      for (const CardNumber card : pile) ++tableauRanks_[static_cast<std::size_t>(cardRank(card))];
    for (const CardNumber card : table_.stock) ++stockRanks_[static_cast<std::size_t>(cardRank(card))];
  }

  SolveResult run();
  // The steps possible in the current position, the most promising first.
  void steps(std::vector<int>& out) const;
  SolverMove solverMove(int step) const {
    if (step == kStockStep) return SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile};
    const auto pile = static_cast<std::size_t>(step);
    return SolverMove{SolverMove::Kind::Drop, table_.piles[pile][static_cast<std::size_t>(heights_[pile] - 1)],
                      kDiscardPile};
  }

 private:
  enum class Outcome { Won, Exhausted, Spent };
  // The rank a card of this rank may be thrown on, one up or one down.
  bool follows(int rank) const {
    if (rank_ == 0) return false;
    if (std::abs(rank - rank_) == 1) return true;
    return table_.wraps && ((rank == kAce && rank_ == kKing) || (rank == kKing && rank_ == kAce));
  }
  int topRank(std::size_t pile) const {
    return cardRank(table_.piles[pile][static_cast<std::size_t>(heights_[pile] - 1)]);
  }
  std::uint64_t key() const;
  // Whether some tableau card can never be thrown: no card one rank away is
  // left to show on the discard pile, and the one showing now takes at most
  // one of its rank.
  bool stranded() const;
  int neighboursLeft(int rank) const {
    int left = 0;
    if (rank > kAce) left += tableauRanks_[static_cast<std::size_t>(rank - 1)] + stockRanks_[static_cast<std::size_t>(rank - 1)];
    if (rank < kKing) left += tableauRanks_[static_cast<std::size_t>(rank + 1)] + stockRanks_[static_cast<std::size_t>(rank + 1)];
    if (table_.wraps && (rank == kAce || rank == kKing)) {
      const auto other = static_cast<std::size_t>(rank == kAce ? kKing : kAce);
      left += tableauRanks_[other] + stockRanks_[other];
    }
    return left;
  }
  // Without a stock the cards left are thrown in one walk of steps of one
  // rank from the discard pile's rank. Whether their ranks allow such a walk
  // at all, in whatever order the piles held them: every rank is entered and
  // left through the steps to its two neighbours, so the steps across each
  // pair of neighbouring ranks must add up, and join every rank left.
  bool walkPossible() const;
  Outcome search();
  // What a step changed besides the pile it took a card from.
  struct Before {
    int rank;
    int stockLeft;
  };
  Before play(int step);
  void undo(int step, Before before);
  bool spent();
  std::vector<SolverMove> movesOf(const std::vector<int>& path) const;

  DiscardTable table_;
  const Budget& budget_;
  SearchClock clock_;
  PositionTable seen_;
  std::vector<int> heights_;
  int stockLeft_ = 0;
  int rank_ = 0;
  int cardsLeft_ = 0;
  // The cards of each rank still on the tableau and in the stock.
  std::array<int, kKing + 1> tableauRanks_{};
  std::array<int, kKing + 1> stockRanks_{};
  std::vector<int> path_;
  std::vector<int> bestPath_;
  int bestLeft_ = 0;
  std::int64_t expanded_ = 0;
};

std::uint64_t DiscardSearch::key() const {
  std::uint64_t key = static_cast<std::uint64_t>(rank_);
  key = (key << table_.stockBits) | static_cast<std::uint64_t>(stockLeft_);
  for (const int height : heights_) key = (key << table_.pileBits) | static_cast<std::uint64_t>(height);
  return key;
}

bool DiscardSearch::stranded() const {
  for (int rank = kAce; rank <= kKing; ++rank) {
    const int onTableau = tableauRanks_[static_cast<std::size_t>(rank)];
    if (onTableau == 0 || neighboursLeft(rank) > 0) continue;
    if (onTableau > (follows(rank) ? 1 : 0)) return true;
  }
  return false;
}

bool DiscardSearch::walkPossible() const {
  constexpr int kRanks = kKing;
  // The ends a walk may stop at: a rank with a card left.
  for (int end = kAce; end <= kKing; ++end) {
    if (tableauRanks_[static_cast<std::size_t>(end)] == 0) continue;
    // Steps each rank takes part in: two per card, one for the start and
    // one fewer for the end.
    std::array<int, kRanks> degree{};
    for (int rank = kAce; rank <= kKing; ++rank)
      degree[static_cast<std::size_t>(rank - 1)] = 2 * tableauRanks_[static_cast<std::size_t>(rank)] +
                                                   (rank == rank_ ? 1 : 0) - (rank == end ? 1 : 0);
    // Steps across rank r and r + 1 (the last one: king and ace).
    std::array<int, kRanks> across{};
    int wrapSteps = 0;
    if (table_.wraps) {
      // Around an odd cycle the steps are fixed: alternate sums of degrees.
      int alternating = 0;
      for (int r = kRanks - 1; r >= 0; --r) alternating = degree[static_cast<std::size_t>(r)] - alternating;
      if (alternating % 2 != 0) continue;
      wrapSteps = alternating / 2;
      if (wrapSteps < 0) continue;
    }
    bool fits = true;
    int previous = wrapSteps;
    for (int r = 0; r < kRanks && fits; ++r) {
      across[static_cast<std::size_t>(r)] = degree[static_cast<std::size_t>(r)] - previous;
      previous = across[static_cast<std::size_t>(r)];
      fits = previous >= 0;
    }
    if (!fits || across[kRanks - 1] != wrapSteps) continue;
    // Every rank with a card left is reached from the start over steps taken.
    std::array<bool, kRanks> reached{};
    reached[static_cast<std::size_t>(rank_ - 1)] = true;
    for (bool grew = true; grew;) {
      grew = false;
      for (int r = 0; r < kRanks; ++r) {
        const int next = (r + 1) % kRanks;
        if (across[static_cast<std::size_t>(r)] == 0 || (!table_.wraps && next == 0)) continue;
        if (reached[static_cast<std::size_t>(r)] != reached[static_cast<std::size_t>(next)]) {
          reached[static_cast<std::size_t>(r)] = reached[static_cast<std::size_t>(next)] = true;
          grew = true;
        }
      }
    }
    bool joined = true;
    for (int rank = kAce; rank <= kKing && joined; ++rank)
      joined = tableauRanks_[static_cast<std::size_t>(rank)] == 0 || reached[static_cast<std::size_t>(rank - 1)];
    if (joined) return true;
  }
  return false;
}

void DiscardSearch::steps(std::vector<int>& out) const {
  out.clear();
  for (std::size_t pile = 0; pile < heights_.size(); ++pile)
    if (heights_[pile] > 0 && follows(topRank(pile))) out.push_back(static_cast<int>(pile));
  // The tallest piles first: their cards are the hardest to reach later.
  std::stable_sort(out.begin(), out.end(), [this](int a, int b) {
    return heights_[static_cast<std::size_t>(a)] > heights_[static_cast<std::size_t>(b)];
  });
  // The stock last: every click spends a card that could have bridged a gap.
  if (stockLeft_ > 0) out.push_back(kStockStep);
}

DiscardSearch::Before DiscardSearch::play(int step) {
  const Before before{rank_, stockLeft_};
  if (step == kStockStep) {
    const int turned = std::min(stockLeft_, table_.cardsPerClick);
    for (int n = 0; n < turned; ++n)
      --stockRanks_[static_cast<std::size_t>(cardRank(table_.stock[static_cast<std::size_t>(stockLeft_ - 1 - n)]))];
    stockLeft_ -= turned;
    rank_ = cardRank(table_.stock[static_cast<std::size_t>(stockLeft_)]);
  } else {
    const auto pile = static_cast<std::size_t>(step);
    rank_ = topRank(pile);
    --tableauRanks_[static_cast<std::size_t>(rank_)];
    --heights_[pile];
    --cardsLeft_;
  }
  return before;
}

void DiscardSearch::undo(int step, Before before) {
  if (step != kStockStep) {
    ++heights_[static_cast<std::size_t>(step)];
    ++tableauRanks_[static_cast<std::size_t>(topRank(static_cast<std::size_t>(step)))];
    ++cardsLeft_;
  } else {
    for (int n = before.stockLeft - 1; n >= stockLeft_; --n)
      ++stockRanks_[static_cast<std::size_t>(cardRank(table_.stock[static_cast<std::size_t>(n)]))];
  }
  rank_ = before.rank;
  stockLeft_ = before.stockLeft;
}

bool DiscardSearch::spent() {
  if (expanded_ >= budget_.nodes) return true;
  if (expanded_ % kClockInterval != 0) return false;
  return clock_.cutShort();
}

DiscardSearch::Outcome DiscardSearch::search() {
  // With the tableau cleared the rest of the stock is only clicked away.
  if (cardsLeft_ == 0) return Outcome::Won;
  if (spent()) return Outcome::Spent;
  ++expanded_;
  const std::uint64_t key = this->key();
  // A full table only stops remembering: the search stays exact, if slower.
  if (seen_.insert({(key << 1) | 1, key * 0x9E3779B97F4A7C15ULL}) == PositionTable::Insert::Seen)
    return Outcome::Exhausted;
  if (cardsLeft_ + stockLeft_ < bestLeft_) {
    bestLeft_ = cardsLeft_ + stockLeft_;
    bestPath_ = path_;
  }
  if (stranded() || (stockLeft_ == 0 && rank_ != 0 && !walkPossible())) return Outcome::Exhausted;
  std::vector<int> choices;
  steps(choices);
  for (const int step : choices) {
    const Before before = play(step);
    path_.push_back(step);
    const Outcome outcome = search();
    if (outcome == Outcome::Won) return outcome;
    path_.pop_back();
    undo(step, before);
    if (outcome == Outcome::Spent) return outcome;
  }
  return Outcome::Exhausted;
}

std::vector<SolverMove> DiscardSearch::movesOf(const std::vector<int>& path) const {
  // Replayed from the start on a copy, so that every drop names its card.
  DiscardSearch replay(table_, budget_, nullptr);
  std::vector<SolverMove> moves;
  for (const int step : path) {
    moves.push_back(replay.solverMove(step));
    replay.play(step);
  }
  return moves;
}

SolveResult DiscardSearch::run() {
  SolveResult result;
  const Outcome outcome = search();
  if (outcome == Outcome::Won) {
    result.verdict = Verdict::Won;
    result.moves = movesOf(path_);
    // The stock's last cards, clicked onto the discard pile.
    for (int left = stockLeft_; left > 0; left -= table_.cardsPerClick) result.moves.push_back(solverMove(kStockStep));
  } else {
    result.verdict = outcome == Outcome::Exhausted ? Verdict::Lost : Verdict::Unknown;
    result.moves = movesOf(bestPath_);
  }
  result.nodes = expanded_;
  clock_.report(result);
  return result;
}

}  // namespace

std::optional<SolveResult> discardSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  std::optional<DiscardTable> table = DiscardTable::of(start);
  if (!table) return std::nullopt;
  return DiscardSearch(*std::move(table), budget, stop).run();
}

std::optional<std::vector<SolverMove>> discardMoves(const SolverStart& start) {
  std::optional<DiscardTable> table = DiscardTable::of(start);
  if (!table) return std::nullopt;
  const DiscardSearch search(*std::move(table), Budget{}, nullptr);
  std::vector<int> steps;
  search.steps(steps);
  std::vector<SolverMove> moves;
  for (const int step : steps) moves.push_back(search.solverMove(step));
  return moves;
}

}  // namespace quilloro::solver
