// Depth-first search for La Belle Lucie and its like: fans that build down in
// suit, one card at a time, whose spaces are never filled, and a stock that
// gathers the fans and deals them out again by a fixed rule. The new layout
// follows from the piles alone, so the redeal is a move like any other.
//
// Two cuts keep the search small once no redeal is left, and both keep every
// win:
// - A card that may go home goes at once. Only the card of its suit a rank
//   below could ever be put on it, and that one is home already; so it can
//   only cover the card under it, and every line that wins with it on the
//   table wins with it home, its own moves left out.
// - A fan holding a card above a lower card of its suit is lost when the
//   higher card can never leave: it cannot go home before the lower one, and
//   the only card it may be put on (its suit, a rank up) lies under it in
//   the same fan, or does not exist for a king.
// While redeals are left, which cards are still out decides the next layout,
// so every choice is searched.
#include "engine/solver/fan_search.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/build_types.hpp"
#include "engine/shuffle.hpp"
#include "engine/solver/compact_search.hpp"
#include "engine/solver/start_checks.hpp"

namespace quilloro::solver {

namespace {

constexpr int kMaxFans = 18;
// A fan holds at most the few cards dealt to it and a run of its suit built
// on them.
constexpr int kFanCapacity = 32;
// The empty pile takes no card (tableau base rank 0).
constexpr int kNoCardOnSpace = 0;
constexpr int kNoTakeBack = 0;
constexpr int kRedealGathersTableau = 1;

struct FanState {
  std::array<std::array<std::uint8_t, kFanCapacity>, kMaxFans> fans{};
  std::array<std::uint8_t, kMaxFans> height{};
  // The highest rank home of each suit, and the foundation holding it.
  std::array<std::uint8_t, 4> home{};
  std::array<std::int8_t, 4> foundationOf{-1, -1, -1, -1};
  std::uint8_t redealsLeft = 0;
  std::uint8_t cardsLeft = 0;
};

struct FanStep {
  enum class Kind : std::uint8_t { Home, Build, Redeal };
  Kind kind = Kind::Redeal;
  std::uint8_t from = 0;
  std::uint8_t to = 0;
};

int suitOf(CardNumber card) { return static_cast<int>(cardSuit(card)); }

class FanRules {
 public:
  using State = FanState;
  using Step = FanStep;

  static std::optional<std::pair<FanRules, FanState>> of(const SolverStart& start);

  bool won(const State& s) const { return s.cardsLeft == 0; }
  bool hopeless(const State& s) const;
  int left(const State& s) const { return s.cardsLeft; }
  int discrepancyRounds() const { return 0; }
  void steps(const State& s, std::vector<Step>& out) const;
  void play(State& s, const Step& step, std::vector<SolverMove>& moves) const;
  PositionKey128 key(const State& s) const;
  // Offer every move, the cards that go home at once too.
  void offerEveryMove() { everyMove_ = true; }

 private:
  static CardNumber top(const State& s, int fan) {
    const auto at = static_cast<std::size_t>(fan);
    return s.height[at] == 0 ? kNoCard : s.fans[at][s.height[at] - 1U];
  }
  static bool goesHome(const State& s, CardNumber card) {
    return card != kNoCard && cardRank(card) == s.home[static_cast<std::size_t>(suitOf(card))] + 1;
  }
  // The fan whose top card the card may be put on, if any.
  int targetOf(const State& s, int from) const;
  void sendHome(State& s, int fan, std::vector<SolverMove>& moves) const;
  void redeal(State& s) const;
  // Once no redeal is left, the cards that may go home go (see above).
  void playSafeCards(State& s, std::vector<SolverMove>& moves) const;

  int fans_ = 0;
  bool rowByRow_ = false;
  bool everyMove_ = false;
};

std::optional<std::pair<FanRules, FanState>> FanRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != 0 || p[param::kSelectByClick] != 0) return std::nullopt;
  if (p[param::kRedealReshuffles] != kRedealGathersTableau || p[param::kCardsInPlay] != kCardsPerPack) return std::nullopt;
  if (p[param::kFoundationTakeBack] != kNoTakeBack || p[param::kMaxCardsMoved] != 1) return std::nullopt;
  if (p[param::kAutoFillTableau] != 0 || p[param::kReorderFoundations] != 0) return std::nullopt;
  if (!state.piles.stock().empty() || !state.piles.waste().empty() || !state.piles.discard().empty()) return std::nullopt;
  const int fans = state.pilesInUse(PileList::Tableau);
  if (fans < 1 || fans > kMaxFans || state.pilesInUse(PileList::Reserves) != 0) return std::nullopt;
  if (state.pilesInUse(PileList::Foundations) != 4) return std::nullopt;
  for (int f = 0; f < 4; ++f)
    if (p[param::kFoundationBaseRankFirst + f] != kAce || p[param::kFoundationDirectionFirst + f] <= 0 ||
        p[param::kFoundationBuildTypeFirst + f] != build_type::kSameSuit)
      return std::nullopt;
  for (int t = 0; t < fans; ++t)
    if (p[param::kTableauBuildTypeFirst + t] != build_type::kSameSuit || p[param::kTableauDirectionFirst + t] > 0 ||
        p[param::kTableauPassBaseFirst + t] > 0 || p[param::kTableauBaseRankFirst + t] != kNoCardOnSpace ||
        p[param::kTableauRowDealFirst + t] != 0)
      return std::nullopt;
  if (!allPlaced(start, PileList::Tableau, fans) || !allPlaced(start, PileList::Foundations, 4)) return std::nullopt;

  FanRules rules;
  rules.fans_ = fans;
  rules.rowByRow_ = p[param::kTableauWalkOrder] == 0;
  FanState s;
  const int passes = p[param::kStockPasses];
  s.redealsLeft = static_cast<std::uint8_t>(passes < 0 ? 0 : std::max(0, passes - start.redealCount));
  // An endless redeal is not played.
  if (passes < 0) return std::nullopt;
  for (int f = 0; f < 4; ++f) {
    const Pile& pile = state.piles.pile(PileList::Foundations, f);
    if (!noHoles(pile)) return std::nullopt;
    for (int slot = 0; slot < pile.cardCount(); ++slot)
      if (cardRank(pile.at(slot)) != slot + 1 || suitOf(pile.at(slot)) != suitOf(pile.at(0))) return std::nullopt;
    if (pile.cardCount() == 0) continue;
    const auto suit = static_cast<std::size_t>(suitOf(pile.at(0)));
    s.home[suit] = static_cast<std::uint8_t>(pile.cardCount());
    s.foundationOf[suit] = static_cast<std::int8_t>(f);
  }
  for (int t = 0; t < fans; ++t) {
    const Pile& pile = state.piles.pile(PileList::Tableau, t);
    if (!noHoles(pile) || pile.cardCount() > kFanCapacity / 2) return std::nullopt;
    for (int slot = 0; slot < pile.cardCount(); ++slot) {
      const CardNumber card = pile.at(slot);
      if (state.isFaceDown(card)) return std::nullopt;
      s.fans[static_cast<std::size_t>(t)][static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(card);
    }
    s.height[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(pile.cardCount());
    s.cardsLeft = static_cast<std::uint8_t>(s.cardsLeft + pile.cardCount());
  }
  // Cards out of play would be lost to the search.
  for (int t = fans; t < kMaxTableau; ++t)
    if (!state.piles.pile(PileList::Tableau, t).empty()) return std::nullopt;
  return std::pair{rules, s};
}

int FanRules::targetOf(const State& s, int from) const {
  const CardNumber card = top(s, from);
  if (card == kNoCard || cardRank(card) == kKing) return -1;
  for (int t = 0; t < fans_; ++t) {
    const CardNumber base = top(s, t);
    if (t != from && base != kNoCard && suitOf(base) == suitOf(card) && cardRank(base) == cardRank(card) + 1) return t;
  }
  return -1;
}

bool FanRules::hopeless(const State& s) const {
  if (s.redealsLeft > 0) return false;
  for (int t = 0; t < fans_; ++t) {
    const auto& fan = s.fans[static_cast<std::size_t>(t)];
    const int height = s.height[static_cast<std::size_t>(t)];
    for (int upper = 1; upper < height; ++upper) {
      const CardNumber high = fan[static_cast<std::size_t>(upper)];
      bool lowerBelow = false;
      bool nextBelow = cardRank(high) == kKing;
      for (int lower = 0; lower < upper; ++lower) {
        const CardNumber card = fan[static_cast<std::size_t>(lower)];
        if (suitOf(card) != suitOf(high)) continue;
        lowerBelow = lowerBelow || cardRank(card) < cardRank(high);
        nextBelow = nextBelow || cardRank(card) == cardRank(high) + 1;
      }
      if (lowerBelow && nextBelow) return true;
    }
  }
  return false;
}

void FanRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  for (int t = 0; t < fans_; ++t)
    if (goesHome(s, top(s, t))) out.push_back(Step{Step::Kind::Home, static_cast<std::uint8_t>(t), 0});
  const std::size_t firstBuild = out.size();
  for (int t = 0; t < fans_; ++t) {
    const int to = targetOf(s, t);
    if (to >= 0) out.push_back(Step{Step::Kind::Build, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(to)});
  }
  // A move that lets the card under it go home first, then the one that
  // frees the most cards under it.
  const auto worth = [&](const Step& step) {
    const int height = s.height[step.from];
    const CardNumber under = height >= 2 ? s.fans[step.from][height - 2U] : kNoCard;
    return (goesHome(s, under) ? 100 : 0) + height;
  };
  std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(firstBuild), out.end(),
                   [&](const Step& a, const Step& b) { return worth(a) > worth(b); });
  if (s.redealsLeft > 0 && s.cardsLeft > 0) out.push_back(Step{Step::Kind::Redeal, 0, 0});
}

void FanRules::sendHome(State& s, int fan, std::vector<SolverMove>& moves) const {
  const CardNumber card = s.fans[static_cast<std::size_t>(fan)][--s.height[static_cast<std::size_t>(fan)]];
  const auto suit = static_cast<std::size_t>(suitOf(card));
  if (s.foundationOf[suit] < 0) {
    // An ace goes to the first empty foundation.
    std::int8_t free = 0;
    while (std::find(s.foundationOf.begin(), s.foundationOf.end(), free) != s.foundationOf.end()) ++free;
    s.foundationOf[suit] = free;
  }
  ++s.home[suit];
  --s.cardsLeft;
  moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, s.foundationOf[suit]}});
}

void FanRules::redeal(State& s) const {
  std::vector<CardNumber> gathered;
  gathered.reserve(s.cardsLeft);
  if (rowByRow_) {
    const int rows = *std::max_element(s.height.begin(), s.height.begin() + fans_);
    for (int row = rows - 1; row >= 0; --row)
      for (int t = 0; t < fans_; ++t)
        if (row < s.height[static_cast<std::size_t>(t)]) gathered.push_back(s.fans[static_cast<std::size_t>(t)][static_cast<std::size_t>(row)]);
  } else {
    for (int t = 0; t < fans_; ++t)
      for (int slot = 0; slot < s.height[static_cast<std::size_t>(t)]; ++slot)
        gathered.push_back(s.fans[static_cast<std::size_t>(t)][static_cast<std::size_t>(slot)]);
  }
  // The engine's own mix.
  const std::vector<CardNumber> mixed = mixWithoutChance(std::move(gathered));
  s.height.fill(0);
  for (std::size_t j = 0; j < mixed.size(); ++j) {
    const auto fan = j % static_cast<std::size_t>(fans_);
    s.fans[fan][s.height[fan]++] = static_cast<std::uint8_t>(mixed[j]);
  }
  --s.redealsLeft;
}

void FanRules::playSafeCards(State& s, std::vector<SolverMove>& moves) const {
  if (s.redealsLeft > 0 || everyMove_) return;
  for (bool sent = true; sent;) {
    sent = false;
    for (int t = 0; t < fans_; ++t)
      while (goesHome(s, top(s, t))) {
        sendHome(s, t, moves);
        sent = true;
      }
  }
}

void FanRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  switch (step.kind) {
    case Step::Kind::Home: sendHome(s, step.from, moves); break;
    case Step::Kind::Build: {
      const CardNumber card = s.fans[step.from][--s.height[step.from]];
      s.fans[step.to][s.height[step.to]++] = static_cast<std::uint8_t>(card);
      moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, step.to}});
      break;
    }
    case Step::Kind::Redeal:
      redeal(s);
      moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
      break;
  }
  playSafeCards(s, moves);
}

PositionKey128 FanRules::key(const State& s) const {
  std::array<std::uint64_t, kMaxFans> fans{};
  for (int t = 0; t < fans_; ++t) {
    KeyHasher one;
    const auto fan = static_cast<std::size_t>(t);
    for (std::size_t at = 0; at < s.height[fan]; ++at) one.add(s.fans[fan][at]);
    one.add(s.height[fan]);
    fans[fan] = one.key().high;
  }
  // The fans are alike in play, but a redeal gathers them in their order.
  if (s.redealsLeft == 0) std::sort(fans.begin(), fans.begin() + fans_);
  KeyHasher hasher;
  hasher.add(s.redealsLeft);
  for (int t = 0; t < fans_; ++t) hasher.add(fans[static_cast<std::size_t>(t)]);
  return hasher.key();
}

}  // namespace

std::optional<SolveResult> fanSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  // Cards the start already lets go home are left to the search's moves.
  return solveCompact<FanRules>(start, budget, stop);
}

std::optional<std::vector<SolverMove>> fanMoves(const SolverStart& start) {
  auto table = FanRules::of(start);
  if (!table) return std::nullopt;
  table->first.offerEveryMove();
  std::vector<FanStep> steps;
  table->first.steps(table->second, steps);
  std::vector<SolverMove> moves;
  for (const FanStep& step : steps) {
    if (step.kind == FanStep::Kind::Redeal) continue;
    FanState state = table->second;
    table->first.play(state, step, moves);
  }
  return moves;
}

}  // namespace quilloro::solver
