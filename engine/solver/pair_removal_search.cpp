// Depth-first search for the pair-removal games. Only ranks count in them and
// the stock comes in a fixed order, so a position is fully told by how many
// cards of each rank lie on the table and how many the stock still holds; a
// position left without a win is never entered again, and as every move
// removes cards, no position comes back on the same line of play: an
// exhausted search proves the deal lost.
#include "engine/solver/pair_removal_search.hpp"

#include <algorithm>
#include <array>
#include <chrono>

#include "engine/solver/position_table.hpp"
#include "engine/solver/search_clock.hpp"

namespace quilloro::solver {

namespace {

constexpr int kFamilyPairsOnly = 7;  // one or two cards adding up to the target
constexpr int kFamilyEqualRanks = 14;
constexpr int kFamilyEqualRanksToo = 16;
constexpr std::int64_t kClockInterval = 1024;
constexpr int kCountBits = 3;
constexpr int kStockBits = 7;

using RankCounts = std::array<int, kKing + 1>;
// The ranks of the cards one move removes; the second is 0 for a card alone.
using Group = std::pair<int, int>;

struct PairTable {
  bool equalRanks = true;
  int target = 0;
  // The single card of each pile in pile order, kNoCard for an empty one.
  std::vector<CardNumber> slots;
  // The next card to deal last.
  std::vector<CardNumber> stock;

  static std::optional<PairTable> of(const SolverStart& start) {
    const GameState& state = start.state;
    const GameParameters& p = state.parameters;
    const int family = p[param::kGameFamily];
    if (family != kFamilyPairsOnly && family != kFamilyEqualRanks && family != kFamilyEqualRanksToo) return std::nullopt;
    if (p[param::kSelectByClick] == 0 || !state.piles.waste().empty()) return std::nullopt;
    if (state.pilesInUse(PileList::Reserves) != 0) return std::nullopt;
    for (int index = 0; index < state.pilesInUse(PileList::Foundations); ++index)
      if (!state.piles.pile(PileList::Foundations, index).empty()) return std::nullopt;
    PairTable table;
    table.equalRanks = family != kFamilyPairsOnly;
    table.target = p[param::kSelectByClick];
    for (int index = 0; index < state.pilesInUse(PileList::Tableau); ++index) {
      const Pile& pile = state.piles.pile(PileList::Tableau, index);
      if (pile.cardCount() > 1) return std::nullopt;
      const CardNumber card = pile.topCard();
      if (card != kNoCard && state.isFaceDown(card)) return std::nullopt;
      table.slots.push_back(card);
    }
    for (const std::uint8_t card : state.piles.stock().slots()) {
      if (card == kNoCard) return std::nullopt;
      table.stock.push_back(card);
    }
    if (table.stock.size() >= (std::size_t{1} << kStockBits)) return std::nullopt;
    RankCounts all{};
    for (const CardNumber card : table.slots)
      if (card != kNoCard) ++all[static_cast<std::size_t>(cardRank(card))];
    for (const CardNumber card : table.stock) ++all[static_cast<std::size_t>(cardRank(card))];
    if (std::any_of(all.begin(), all.end(), [](int count) { return count >= (1 << kCountBits); })) return std::nullopt;
    return table;
  }
};

class PairRemovalSearch {
 public:
  PairRemovalSearch(PairTable table, const Budget& budget, const std::atomic<bool>* stop)
      : table_(std::move(table)), budget_(budget), clock_(budget.milliseconds, stop), seen_(budget.memoryBytes) {
    for (const CardNumber card : table_.slots)
      if (card != kNoCard) add(onTable_, card);
    stockLeft_ = static_cast<int>(table_.stock.size());
    for (const CardNumber card : table_.stock) add(inStock_, card);
  }

  SolveResult run();
  // The groups that may be removed, the most promising first; only the one
  // that loses nothing, when there is one and all is false.
  void groups(std::vector<Group>& out, bool all = false) const;
  // The cards of the slots a group removes, the first of their ranks.
  static std::vector<std::size_t> slotsOf(const std::vector<CardNumber>& slots, Group group);

 private:
  enum class Outcome { Won, Exhausted, Spent };
  static void add(RankCounts& counts, CardNumber card) { ++counts[static_cast<std::size_t>(cardRank(card))]; }
  int left(int rank) const {
    return onTable_[static_cast<std::size_t>(rank)] + inStock_[static_cast<std::size_t>(rank)];
  }
  int tableCards() const {
    int cards = 0;
    for (const int count : onTable_) cards += count;
    return cards;
  }
  std::uint64_t key() const {
    std::uint64_t key = static_cast<std::uint64_t>(stockLeft_);
    for (int rank = kAce; rank <= kKing; ++rank)
      key = (key << kCountBits) | static_cast<std::uint64_t>(onTable_[static_cast<std::size_t>(rank)]);
    return key;
  }
  // Whether some rank can never be cleared: equal ranks go two at a time.
  bool stranded() const {
    if (!table_.equalRanks) return false;
    for (int rank = kAce; rank <= kKing; ++rank)
      if (left(rank) % 2 != 0) return true;
    return false;
  }
  // Removes the group and fills the gaps from the stock; answers the cards dealt.
  int play(Group group);
  void undo(Group group, int dealt);
  Outcome search();
  bool spent();
  std::vector<SolverMove> movesOf(const std::vector<Group>& path) const;

  PairTable table_;
  const Budget& budget_;
  SearchClock clock_;
  PositionTable seen_;
  RankCounts onTable_{};
  RankCounts inStock_{};
  int stockLeft_ = 0;
  std::vector<Group> path_;
  std::vector<Group> bestPath_;
  int bestLeft_ = 1 << 30;
  std::int64_t expanded_ = 0;
};

void PairRemovalSearch::groups(std::vector<Group>& out, bool all) const {
  out.clear();
  const auto on = [this](int rank) { return rank >= kAce && rank <= kKing ? onTable_[static_cast<std::size_t>(rank)] : 0; };
  for (int rank = kAce; rank <= kKing; ++rank) {
    if (on(rank) == 0) continue;
    if (table_.equalRanks) {
      if (on(rank) >= 2) out.emplace_back(rank, rank);
      continue;
    }
    const int partner = table_.target - rank;
    if (partner == 0) out.emplace_back(rank, 0);
    if (partner == rank ? on(rank) >= 2 : partner > rank && on(partner) > 0) out.emplace_back(rank, partner);
  }
  if (all) return;
  // A group whose ranks have no other cards left, on the table or in the
  // stock, only ever goes together: removing it at once loses nothing, as
  // removing cards only brings more cards to the table sooner.
  for (const Group& group : out) {
    const bool alone = group.second == 0 ||
                       (group.first == group.second ? left(group.first) == 2
                                                    : left(group.first) == 1 && left(group.second) == 1);
    if (alone) {
      out.assign(1, group);
      return;
    }
  }
}

std::vector<std::size_t> PairRemovalSearch::slotsOf(const std::vector<CardNumber>& slots, Group group) {
  std::vector<std::size_t> chosen;
  for (const int rank : {group.first, group.second}) {
    if (rank == 0) continue;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
      if (slots[slot] == kNoCard || cardRank(slots[slot]) != rank) continue;
      if (std::find(chosen.begin(), chosen.end(), slot) != chosen.end()) continue;
      chosen.push_back(slot);
      break;
    }
  }
  return chosen;
}

int PairRemovalSearch::play(Group group) {
  int removed = 0;
  for (const int rank : {group.first, group.second}) {
    if (rank == 0) continue;
    --onTable_[static_cast<std::size_t>(rank)];
    ++removed;
  }
  const int empty = static_cast<int>(table_.slots.size()) - tableCards();
  const int dealt = std::min(empty, stockLeft_);
  for (int n = 0; n < dealt; ++n) {
    const CardNumber card = table_.stock[static_cast<std::size_t>(--stockLeft_)];
    add(onTable_, card);
    --inStock_[static_cast<std::size_t>(cardRank(card))];
  }
  return dealt;
}

void PairRemovalSearch::undo(Group group, int dealt) {
  for (int n = 0; n < dealt; ++n) {
    const CardNumber card = table_.stock[static_cast<std::size_t>(stockLeft_++)];
    --onTable_[static_cast<std::size_t>(cardRank(card))];
    add(inStock_, card);
  }
  for (const int rank : {group.first, group.second})
    if (rank != 0) ++onTable_[static_cast<std::size_t>(rank)];
}

bool PairRemovalSearch::spent() {
  if (expanded_ >= budget_.nodes) return true;
  if (expanded_ % kClockInterval != 0) return false;
  return clock_.cutShort();
}

PairRemovalSearch::Outcome PairRemovalSearch::search() {
  const int cardsLeft = tableCards() + stockLeft_;
  if (cardsLeft == 0) return Outcome::Won;
  if (spent()) return Outcome::Spent;
  ++expanded_;
  const std::uint64_t key = this->key();
  // A full table only stops remembering: the search stays exact, if slower.
  if (seen_.insert({(key << 1) | 1, key * 0x9E3779B97F4A7C15ULL}) == PositionTable::Insert::Seen)
    return Outcome::Exhausted;
  if (cardsLeft < bestLeft_) {
    bestLeft_ = cardsLeft;
    bestPath_ = path_;
  }
  if (stranded()) return Outcome::Exhausted;
  std::vector<Group> choices;
  groups(choices);
  for (const Group& group : choices) {
    const int dealt = play(group);
    path_.push_back(group);
    const Outcome outcome = search();
    if (outcome == Outcome::Won) return outcome;
    path_.pop_back();
    undo(group, dealt);
    if (outcome == Outcome::Spent) return outcome;
  }
  return Outcome::Exhausted;
}

std::vector<SolverMove> PairRemovalSearch::movesOf(const std::vector<Group>& path) const {
  // Played out on the real cards, gaps filled in pile order as the engine does.
  std::vector<CardNumber> slots = table_.slots;
  std::vector<CardNumber> stock = table_.stock;
  std::vector<SolverMove> moves;
  for (const Group& group : path) {
    for (const std::size_t slot : slotsOf(slots, group)) {
      moves.push_back({SolverMove::Kind::Select, slots[slot], {PileList::Tableau, static_cast<int>(slot)}});
      slots[slot] = kNoCard;
    }
    for (CardNumber& slot : slots) {
      if (slot != kNoCard || stock.empty()) continue;
      slot = stock.back();
      stock.pop_back();
    }
  }
  return moves;
}

SolveResult PairRemovalSearch::run() {
  SolveResult result;
  const Outcome outcome = search();
  result.verdict = outcome == Outcome::Won ? Verdict::Won : outcome == Outcome::Exhausted ? Verdict::Lost : Verdict::Unknown;
  result.moves = movesOf(outcome == Outcome::Won ? path_ : bestPath_);
  result.nodes = expanded_;
  clock_.report(result);
  return result;
}

}  // namespace

std::optional<SolveResult> pairRemovalSolve(const SolverStart& start, const Budget& budget,
                                            const std::atomic<bool>* stop) {
  std::optional<PairTable> table = PairTable::of(start);
  if (!table) return std::nullopt;
  return PairRemovalSearch(*std::move(table), budget, stop).run();
}

std::optional<std::vector<std::vector<CardNumber>>> pairRemovalGroups(const SolverStart& start) {
  std::optional<PairTable> table = PairTable::of(start);
  if (!table) return std::nullopt;
  const std::vector<CardNumber> slots = table->slots;
  const PairRemovalSearch search(*std::move(table), Budget{}, nullptr);
  std::vector<Group> groups;
  search.groups(groups, true);
  std::vector<std::vector<CardNumber>> cards;
  for (const Group& group : groups) {
    std::vector<CardNumber> clicked;
    for (const std::size_t slot : PairRemovalSearch::slotsOf(slots, group)) clicked.push_back(slots[slot]);
    cards.push_back(std::move(clicked));
  }
  return cards;
}

}  // namespace quilloro::solver
