// Depth-first search for Monte Carlo. A position is the grid's 25 places and
// how many cards the stock still holds: its cards come in a fixed order, so
// the key needs nothing more. Every move takes cards off or closes gaps, and
// each position is entered once.
#include "engine/solver/grid_pairs_search.hpp"

#include <array>

#include "engine/solver/compact_search.hpp"

namespace quilloro::solver {

namespace {

constexpr int kFamilyGrid = 8;
constexpr int kGridSide = 5;
constexpr int kPlaces = kGridSide * kGridSide;

struct GridState {
  std::array<std::uint8_t, kPlaces> place{};
  std::uint8_t stockLeft = 0;
  int cardsLeft = 0;
};

struct GridStep {
  // A pair of places, or first == second for closing the gaps.
  std::uint8_t first = 0;
  std::uint8_t second = 0;
};

bool touching(int p, int q) {
  const int rows = p / kGridSide - q / kGridSide;
  const int columns = p % kGridSide - q % kGridSide;
  return p != q && rows >= -1 && rows <= 1 && columns >= -1 && columns <= 1;
}

class GridPairsRules {
 public:
  using State = GridState;
  using Step = GridStep;

  static std::optional<std::pair<GridPairsRules, GridState>> of(const SolverStart& start);

  bool won(const State& s) const { return s.cardsLeft == 0; }
  bool hopeless(const State&) const { return false; }
  int left(const State& s) const { return s.cardsLeft; }
  int discrepancyRounds() const { return 0; }
  void steps(const State& s, std::vector<Step>& out) const;
  void play(State& s, const Step& step, std::vector<SolverMove>& moves) const;
  PositionKey128 key(const State& s) const {
    KeyHasher hasher;
    for (int word = 0; word < kPlaces; word += 8) {
      std::uint64_t packed = 0;
      for (int at = word; at < word + 8 && at < kPlaces; ++at) packed = packed << 8 | s.place[static_cast<std::size_t>(at)];
      hasher.add(packed);
    }
    hasher.add(s.stockLeft);
    return hasher.key();
  }
  // The engine closes the gaps when one lies before a card or the stock can fill it.
  bool mayClose(const State& s) const {
    bool gap = false;
    for (const std::uint8_t card : s.place) {
      if (card == kNoCard) gap = true;
      else if (gap) return true;
    }
    return gap && s.stockLeft > 0;
  }

 private:
  // The stock, the next card to deal last.
  std::vector<CardNumber> stock_;
};

std::optional<std::pair<GridPairsRules, GridState>> GridPairsRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != kFamilyGrid || p[param::kSelectByClick] == 0) return std::nullopt;
  if (state.pilesInUse(PileList::Tableau) != kPlaces || !state.piles.waste().empty()) return std::nullopt;
  if (!state.piles.pile(PileList::Foundations, 0).empty()) return std::nullopt;
  GridPairsRules rules;
  GridState s;
  for (int at = 0; at < kPlaces; ++at) {
    const Pile& pile = state.piles.pile(PileList::Tableau, at);
    if (pile.cardCount() > 1) return std::nullopt;
    const CardNumber card = pile.topCard();
    if (card != kNoCard && state.isFaceDown(card)) return std::nullopt;
    s.place[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(card);
    if (card != kNoCard) ++s.cardsLeft;
  }
  for (const std::uint8_t card : state.piles.stock().slots()) {
    if (card == kNoCard) return std::nullopt;
    rules.stock_.push_back(card);
  }
  s.stockLeft = static_cast<std::uint8_t>(rules.stock_.size());
  s.cardsLeft += s.stockLeft;
  return std::pair{std::move(rules), s};
}

void GridPairsRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  for (int p = 0; p < kPlaces; ++p) {
    const CardNumber card = s.place[static_cast<std::size_t>(p)];
    if (card == kNoCard) continue;
    for (int q = p + 1; q < kPlaces; ++q) {
      const CardNumber other = s.place[static_cast<std::size_t>(q)];
      if (other != kNoCard && touching(p, q) && cardRank(card) == cardRank(other))
        out.push_back(Step{static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(q)});
    }
  }
  if (mayClose(s)) out.push_back(Step{0, 0});
}

void GridPairsRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  if (step.first != step.second) {
    for (const std::uint8_t at : {step.first, step.second}) {
      moves.push_back(SolverMove{SolverMove::Kind::Select, s.place[at], kStockPile});
      s.place[at] = kNoCard;
      --s.cardsLeft;
    }
    return;
  }
  std::size_t filled = 0;
  for (const std::uint8_t card : s.place)
    if (card != kNoCard) s.place[filled++] = card;
  for (; filled < s.place.size(); ++filled)
    s.place[filled] = s.stockLeft > 0 ? static_cast<std::uint8_t>(stock_[--s.stockLeft]) : std::uint8_t{kNoCard};
  moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
}

}  // namespace

std::optional<SolveResult> gridPairsSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  return solveCompact<GridPairsRules>(start, budget, stop);
}

std::optional<GridPairsMoves> gridPairsMoves(const SolverStart& start) {
  auto table = GridPairsRules::of(start);
  if (!table) return std::nullopt;
  std::vector<GridStep> steps;
  table->first.steps(table->second, steps);
  GridPairsMoves moves;
  for (const GridStep& step : steps) {
    if (step.first == step.second) {
      moves.closesGaps = true;
    } else {
      moves.pairs.emplace_back(table->second.place[step.first], table->second.place[step.second]);
    }
  }
  return moves;
}

}  // namespace quilloro::solver
