// Depth-first search for Aces Up: four piles that take cards only from the
// stock's rows or, when empty, any top card; a card goes to the discards once
// a higher card of its suit (or an ace) tops another pile, an ace at any time.
// The piles are alike, so the key counts them in any order.
#include "engine/solver/aces_up_search.hpp"

#include <algorithm>
#include <array>

#include "engine/build_types.hpp"
#include "engine/solver/compact_search.hpp"
#include "engine/solver/start_checks.hpp"

namespace quilloro::solver {

namespace {

constexpr int kMaxPiles = 4;
constexpr int kPileCapacity = 52;
constexpr int kRowDealt = 1;

struct AcesState {
  std::array<std::uint8_t, kMaxPiles> height{};
  std::array<std::array<std::uint8_t, kPileCapacity>, kMaxPiles> piles{};
  std::uint8_t stockLeft = 0;
  int cardsLeft = 0;
};

struct AcesStep {
  enum class Kind : std::uint8_t { Discard, ToEmpty, Deal };
  Kind kind = Kind::Deal;
  std::uint8_t from = 0;
  std::uint8_t to = 0;
};

class AcesUpRules {
 public:
  using State = AcesState;
  using Step = AcesStep;

  static std::optional<std::pair<AcesUpRules, AcesState>> of(const SolverStart& start);

  bool won(const State& s) const { return s.cardsLeft == 0; }
  bool hopeless(const State&) const { return false; }
  int left(const State& s) const { return s.cardsLeft; }
  int discrepancyRounds() const { return 3; }
  void steps(const State& s, std::vector<Step>& out) const;
  void play(State& s, const Step& step, std::vector<SolverMove>& moves) const;
  PositionKey128 key(const State& s) const;
  // Offer every move, the empty piles apart.
  void offerEveryMove() { everyMove_ = true; }

 private:
  CardNumber top(const State& s, int pile) const {
    const auto at = static_cast<std::size_t>(pile);
    return s.height[at] == 0 ? kNoCard : s.piles[at][s.height[at] - 1U];
  }
  // The discards take the card: an ace, or a card whose suit shows higher on a top.
  bool discardable(const State& s, CardNumber card) const {
    if (cardRank(card) == kAce) return true;
    for (int t = 0; t < piles_; ++t) {
      const CardNumber other = top(s, t);
      if (other != kNoCard && cardSuit(other) == cardSuit(card) &&
          (cardRank(other) > cardRank(card) || cardRank(other) == kAce))
        return true;
    }
    return false;
  }

  bool aceShows(const State& s, CardNumber card) const {
    for (int t = 0; t < piles_; ++t) {
      const CardNumber other = top(s, t);
      if (other != kNoCard && other != card && cardRank(other) == kAce && cardSuit(other) == cardSuit(card)) return true;
    }
    return false;
  }

  int piles_ = 0;
  bool everyMove_ = false;
  // The stock, the next card to deal last.
  std::vector<CardNumber> stock_;
};

std::optional<std::pair<AcesUpRules, AcesState>> AcesUpRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != 0 || p[param::kSelectByClick] != 0 || p[param::kShowWaste] != 0) return std::nullopt;
  if (state.pilesInUse(PileList::Foundations) != 1 || state.pilesInUse(PileList::Reserves) != 0) return std::nullopt;
  if (p[param::kFoundationBuildTypeFirst] != build_type::kFollowsTableauTops) return std::nullopt;
  if (p[param::kHasDiscardPile] != 0 || p[param::kCardsInPlay] > kCardsPerPack) return std::nullopt;
  if (!state.piles.waste().empty() || !state.piles.discard().empty()) return std::nullopt;
  if (p[param::kMaxCardsMoved] != 1) return std::nullopt;
  AcesUpRules rules;
  AcesState s;
  rules.piles_ = state.pilesInUse(PileList::Tableau);
  if (rules.piles_ < 1 || rules.piles_ > kMaxPiles) return std::nullopt;
  for (int t = 0; t < rules.piles_; ++t) {
    if (p[param::kTableauBuildTypeFirst + t] != build_type::kNeverOnACard) return std::nullopt;
    if (p[param::kTableauBaseRankFirst + t] != -1 || p[param::kTableauRowDealFirst + t] != kRowDealt) return std::nullopt;
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Tableau, t));
    for (const CardNumber card : cards)
      if (state.isFaceDown(card)) return std::nullopt;
    const auto pile = static_cast<std::size_t>(t);
    s.height[pile] = static_cast<std::uint8_t>(cards.size());
    std::copy(cards.begin(), cards.end(), s.piles[pile].begin());
    s.cardsLeft += static_cast<int>(cards.size());
  }
  rules.stock_ = cardsOf(state.piles.stock());
  s.stockLeft = static_cast<std::uint8_t>(rules.stock_.size());
  s.cardsLeft += s.stockLeft;
  return std::pair{std::move(rules), s};
}

void AcesUpRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  // Discards first, the aces last of them. An ace only goes as the last
  // card of its suit: no other card can ever follow it, as each needs a
  // higher one of its suit (or its ace) showing.
  std::array<std::uint16_t, 4> suitRanks{};
  if (!everyMove_) {
    const auto count = [&](CardNumber card) {
      suitRanks[static_cast<std::size_t>(cardSuit(card))] |= static_cast<std::uint16_t>(1U << cardRank(card));
    };
    for (int t = 0; t < piles_; ++t)
      for (std::size_t at = 0; at < s.height[static_cast<std::size_t>(t)]; ++at) count(s.piles[static_cast<std::size_t>(t)][at]);
    for (std::size_t at = 0; at < s.stockLeft; ++at) count(stock_[at]);
  }
  for (const bool aces : {false, true})
    for (int t = 0; t < piles_; ++t) {
      const CardNumber card = top(s, t);
      if (card == kNoCard || (cardRank(card) == kAce) != aces || !discardable(s, card)) continue;
      const Step step{Step::Kind::Discard, static_cast<std::uint8_t>(t), 0};
      if (everyMove_) {
        out.push_back(step);
        continue;
      }
      const std::uint16_t ranks = suitRanks[static_cast<std::size_t>(cardSuit(card))];
      // The other cards of its suit this card could still let go: for an
      // ace all of them, else those of lower rank (the ace ranks high).
      const std::uint16_t below = aces ? static_cast<std::uint16_t>(ranks & ~(1U << kAce))
                                       : static_cast<std::uint16_t>(ranks & ((1U << cardRank(card)) - 1U) & ~(1U << kAce));
      if (aces && below != 0) continue;
      // A card no other waits on only covers the pile: throwing it loses
      // nothing. Nor does one whose ace shows with the stock spent: nothing
      // covers that ace again, and it lets every card of its suit go.
      if (below == 0 || (s.stockLeft == 0 && aceShows(s, card))) {
        out.assign(1, step);
        return;
      }
      out.push_back(step);
    }
  // A top card into an empty pile: the first empty one stands for all.
  int empty = -1;
  for (int t = 0; t < piles_ && empty < 0; ++t)
    if (s.height[static_cast<std::size_t>(t)] == 0) empty = t;
  // An ace moved first (it then tops a pile for good), then from the tallest pile.
  const std::size_t firstMove = out.size();
  for (int to = empty; to >= 0 && to < piles_; ++to) {
    if (s.height[static_cast<std::size_t>(to)] != 0) continue;
    for (int t = 0; t < piles_; ++t)
      if (s.height[static_cast<std::size_t>(t)] > (everyMove_ ? 0 : 1))
        out.push_back(Step{Step::Kind::ToEmpty, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(to)});
    if (!everyMove_) break;
  }
  const auto worth = [&](const Step& step) {
    return (cardRank(top(s, step.from)) == kAce ? 100 : 0) + s.height[step.from];
  };
  std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(firstMove), out.end(),
                   [&](const Step& a, const Step& b) { return worth(a) > worth(b); });
  if (s.stockLeft > 0) out.push_back(Step{Step::Kind::Deal, 0, 0});
}

void AcesUpRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  switch (step.kind) {
    case Step::Kind::Discard: {
      const CardNumber card = s.piles[step.from][--s.height[step.from]];
      --s.cardsLeft;
      moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, 0}});
      return;
    }
    case Step::Kind::ToEmpty: {
      const CardNumber card = s.piles[step.from][--s.height[step.from]];
      s.piles[step.to][s.height[step.to]++] = static_cast<std::uint8_t>(card);
      moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, step.to}});
      return;
    }
    case Step::Kind::Deal:
      for (int t = 0; t < piles_ && s.stockLeft > 0; ++t) {
        const auto pile = static_cast<std::size_t>(t);
        if (s.height[pile] >= kPileCapacity) return;
        s.piles[pile][s.height[pile]++] = static_cast<std::uint8_t>(stock_[--s.stockLeft]);
      }
      moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
      return;
  }
}

PositionKey128 AcesUpRules::key(const State& s) const {
  std::array<std::uint64_t, kMaxPiles> piles{};
  for (int t = 0; t < piles_; ++t) {
    KeyHasher one;
    const auto pile = static_cast<std::size_t>(t);
    for (std::size_t at = 0; at < s.height[pile]; ++at) one.add(s.piles[pile][at]);
    one.add(s.height[pile]);
    piles[pile] = one.key().high;
  }
  // A few words: sorted in place, which the compiler also sees through.
  for (int t = 1; t < piles_; ++t)
    for (int at = t; at > 0 && piles[static_cast<std::size_t>(at - 1)] > piles[static_cast<std::size_t>(at)]; --at)
      std::swap(piles[static_cast<std::size_t>(at - 1)], piles[static_cast<std::size_t>(at)]);
  KeyHasher hasher;
  hasher.add(s.stockLeft);
  for (int t = 0; t < piles_; ++t) hasher.add(piles[static_cast<std::size_t>(t)]);
  return hasher.key();
}

}  // namespace

std::optional<SolveResult> acesUpSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  return solveCompact<AcesUpRules>(start, budget, stop);
}

std::optional<std::vector<SolverMove>> acesUpMoves(const SolverStart& start) {
  auto table = AcesUpRules::of(start);
  if (!table) return std::nullopt;
  table->first.offerEveryMove();
  std::vector<AcesStep> steps;
  table->first.steps(table->second, steps);
  std::vector<SolverMove> moves;
  for (const AcesStep& step : steps) {
    AcesState state = table->second;
    table->first.play(state, step, moves);
  }
  return moves;
}

}  // namespace quilloro::solver
