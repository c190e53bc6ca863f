// Depth-first search for Fourteen Out. A position is fully told by how many
// cards each pile still holds; a position left without a win is never entered
// again, and as every pair takes two cards off, no position comes back on the
// same line of play: an exhausted search proves the deal lost.
#include "engine/solver/fourteen_search.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>

#include "engine/solver/position_table.hpp"
#include "engine/solver/search_clock.hpp"

namespace quilloro::solver {

namespace {

constexpr int kFamilySumFourteen = 3;
constexpr int kPairSum = 14;
constexpr std::int64_t kClockInterval = 1024;
// The key keeps its top bit free for the position table's mark.
constexpr int kKeyBits = 62;

struct FourteenTable {
  // Each pile's cards, bottom first.
  std::vector<std::vector<CardNumber>> piles;
  int pileBits = 0;

  static std::optional<FourteenTable> of(const SolverStart& start) {
    const GameState& state = start.state;
    const GameParameters& p = state.parameters;
    if (p[param::kGameFamily] != kFamilySumFourteen || p[param::kSelectByClick] != 0) return std::nullopt;
    // Cards chosen already, or cards the search does not see, end it here.
    if (!state.piles.stock().empty() || !state.piles.waste().empty()) return std::nullopt;
    if (state.pilesInUse(PileList::Reserves) != 0) return std::nullopt;
    for (int index = 0; index < state.pilesInUse(PileList::Foundations); ++index)
      if (!state.piles.pile(PileList::Foundations, index).empty()) return std::nullopt;
    FourteenTable table;
    int tallest = 0;
    for (int index = 0; index < state.pilesInUse(PileList::Tableau); ++index) {
      std::vector<CardNumber> cards;
      for (const std::uint8_t card : state.piles.pile(PileList::Tableau, index).slots())
        if (card != kNoCard) cards.push_back(card);
      // A hole would make the top card the engine sees differ from the search's.
      if (static_cast<int>(cards.size()) != state.piles.pile(PileList::Tableau, index).cardCount()) return std::nullopt;
      tallest = std::max(tallest, static_cast<int>(cards.size()));
      table.piles.push_back(std::move(cards));
    }
    table.pileBits = std::bit_width(static_cast<unsigned>(tallest));
    if (table.pileBits * static_cast<int>(table.piles.size()) > kKeyBits) return std::nullopt;
    return table;
  }
};

class FourteenSearch {
 public:
  FourteenSearch(FourteenTable table, const Budget& budget, const std::atomic<bool>* stop)
      : table_(std::move(table)), budget_(budget), clock_(budget.milliseconds, stop), seen_(budget.memoryBytes) {
    for (const auto& pile : table_.piles) {
      heights_.push_back(static_cast<int>(pile.size()));
      cardsLeft_ += static_cast<int>(pile.size());
      for (const CardNumber card : pile) ++ranksLeft_[static_cast<std::size_t>(cardRank(card))];
    }
    bestLeft_ = cardsLeft_;
  }

  SolveResult run();
  // The pairs of piles whose top cards add up to 14, the most promising
  // first; only the one that loses nothing, when there is one and all is false.
  void pairs(std::vector<std::pair<int, int>>& out, bool all = false) const;
  CardNumber top(int pile) const {
    const auto index = static_cast<std::size_t>(pile);
    return table_.piles[index][static_cast<std::size_t>(heights_[index] - 1)];
  }

 private:
  enum class Outcome { Won, Exhausted, Spent };
  std::uint64_t key() const {
    std::uint64_t key = 0;
    for (const int height : heights_) key = (key << table_.pileBits) | static_cast<std::uint64_t>(height);
    return key;
  }
  // Whether some card left has no partner left to go with.
  bool stranded() const {
    for (int rank = kAce; rank <= kKing; ++rank) {
      const int left = ranksLeft_[static_cast<std::size_t>(rank)];
      const int partners = ranksLeft_[static_cast<std::size_t>(kPairSum - rank)];
      if (rank * 2 == kPairSum ? left % 2 != 0 : left > 0 && partners == 0) return true;
    }
    return false;
  }
  void take(int pile, int change) {
    const auto index = static_cast<std::size_t>(pile);
    if (change < 0) ranksLeft_[static_cast<std::size_t>(cardRank(top(pile)))] -= 1;
    heights_[index] += change;
    cardsLeft_ += change;
    if (change > 0) ranksLeft_[static_cast<std::size_t>(cardRank(top(pile)))] += 1;
  }
  Outcome search();
  bool spent();
  std::vector<SolverMove> movesOf(const std::vector<std::pair<int, int>>& path) const;

  FourteenTable table_;
  const Budget& budget_;
  SearchClock clock_;
  PositionTable seen_;
  std::vector<int> heights_;
  int cardsLeft_ = 0;
  std::array<int, kKing + 1> ranksLeft_{};
  std::vector<std::pair<int, int>> path_;
  std::vector<std::pair<int, int>> bestPath_;
  int bestLeft_ = 0;
  std::int64_t expanded_ = 0;
};

void FourteenSearch::pairs(std::vector<std::pair<int, int>>& out, bool all) const {
  out.clear();
  const int piles = static_cast<int>(heights_.size());
  for (int a = 0; a < piles; ++a) {
    if (heights_[static_cast<std::size_t>(a)] == 0) continue;
    for (int b = a + 1; b < piles; ++b)
      if (heights_[static_cast<std::size_t>(b)] > 0 && cardRank(top(a)) + cardRank(top(b)) == kPairSum)
        out.emplace_back(a, b);
  }
  // A pair whose two ranks have no other cards left loses nothing: play it
  // alone. Otherwise the pairs that uncover the most cards under them first.
  for (const auto& pair : out) {
    const int rank = cardRank(top(pair.first));
    const int partner = kPairSum - rank;
    const bool alone = rank == partner ? ranksLeft_[static_cast<std::size_t>(rank)] == 2
                                       : ranksLeft_[static_cast<std::size_t>(rank)] == 1 &&
                                             ranksLeft_[static_cast<std::size_t>(partner)] == 1;
    if (alone && !all) {
      out.assign(1, pair);
      return;
    }
  }
  std::stable_sort(out.begin(), out.end(), [this](const auto& x, const auto& y) {
    const auto height = [this](const auto& pair) {
      return heights_[static_cast<std::size_t>(pair.first)] + heights_[static_cast<std::size_t>(pair.second)];
    };
    return height(x) > height(y);
  });
}

bool FourteenSearch::spent() {
  if (expanded_ >= budget_.nodes) return true;
  if (expanded_ % kClockInterval != 0) return false;
  return clock_.cutShort();
}

FourteenSearch::Outcome FourteenSearch::search() {
  if (cardsLeft_ == 0) return Outcome::Won;
  if (spent()) return Outcome::Spent;
  ++expanded_;
  const std::uint64_t key = this->key();
  // A full table only stops remembering: the search stays exact, if slower.
  if (seen_.insert({(key << 1) | 1, key * 0x9E3779B97F4A7C15ULL}) == PositionTable::Insert::Seen)
    return Outcome::Exhausted;
  if (cardsLeft_ < bestLeft_) {
    bestLeft_ = cardsLeft_;
    bestPath_ = path_;
  }
  if (stranded()) return Outcome::Exhausted;
  std::vector<std::pair<int, int>> choices;
  pairs(choices);
  for (const auto& [a, b] : choices) {
    take(a, -1);
    take(b, -1);
    path_.emplace_back(a, b);
    const Outcome outcome = search();
    if (outcome == Outcome::Won) return outcome;
    path_.pop_back();
    take(b, 1);
    take(a, 1);
    if (outcome == Outcome::Spent) return outcome;
  }
  return Outcome::Exhausted;
}

std::vector<SolverMove> FourteenSearch::movesOf(const std::vector<std::pair<int, int>>& path) const {
  // Replayed from the start on a copy, so that every click names its card.
  FourteenSearch replay(table_, budget_, nullptr);
  std::vector<SolverMove> moves;
  for (const auto& [a, b] : path) {
    moves.push_back({SolverMove::Kind::Select, replay.top(a), {PileList::Tableau, a}});
    moves.push_back({SolverMove::Kind::Select, replay.top(b), {PileList::Tableau, b}});
    replay.take(a, -1);
    replay.take(b, -1);
  }
  return moves;
}

SolveResult FourteenSearch::run() {
  SolveResult result;
  const Outcome outcome = search();
  result.verdict = outcome == Outcome::Won ? Verdict::Won : outcome == Outcome::Exhausted ? Verdict::Lost : Verdict::Unknown;
  result.moves = movesOf(outcome == Outcome::Won ? path_ : bestPath_);
  result.nodes = expanded_;
  clock_.report(result);
  return result;
}

}  // namespace

std::optional<SolveResult> fourteenSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  std::optional<FourteenTable> table = FourteenTable::of(start);
  if (!table) return std::nullopt;
  return FourteenSearch(*std::move(table), budget, stop).run();
}

std::optional<std::vector<std::pair<CardNumber, CardNumber>>> fourteenPairs(const SolverStart& start) {
  std::optional<FourteenTable> table = FourteenTable::of(start);
  if (!table) return std::nullopt;
  const FourteenSearch search(*std::move(table), Budget{}, nullptr);
  std::vector<std::pair<int, int>> piles;
  search.pairs(piles, true);
  std::vector<std::pair<CardNumber, CardNumber>> cards;
  for (const auto& [a, b] : piles) cards.emplace_back(search.top(a), search.top(b));
  return cards;
}

}  // namespace quilloro::solver
