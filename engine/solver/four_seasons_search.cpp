// The search for Four Seasons: one pack, piles that build down regardless of
// suit one card at a time (past the base rank where the game allows it, king
// on ace), any card on a space, a stock turned once a card at a time onto the
// waste, and foundations in suit up from the rank of the card dealt on the
// first, turning from king to ace. The stock and the waste keep their cards
// in one fixed order, told by which cards of it are gone and how far it has
// been turned. Nothing deals onto the piles, so the piles count alike
// whichever holds what; each foundation holds one suit, so the foundations
// are told by how many cards of each suit are home.
//
// Every pile starts with one card and only ever takes the next rank down or
// any card when empty, so it is always a run of falling ranks.
//
// One move is made at once whenever it is open, the others left out: the top
// card of a pile or of the waste onto its foundation, when every card of the
// rank below it (the only cards that could ever be built on it) is home
// already. Such a card, left where it lies, can only cover the card under it
// or fill a space that nothing may then build on; moving it, or playing it
// home later, opens nothing that playing it home now does not. So every move
// of a win from the position before, the moves of this card left out, is a
// move from the one after, and wins it: the card's suit has one foundation
// only (one pack), and that foundation has taken it already. The waste only
// gives, so what lies under the card there shows sooner, which only adds moves.
// A card of the base rank is never moved so: the rank below it is the
// foundations' last, home only once every foundation is full.
//
// Beams of the positions with the most cards home and the fewest wanted
// cards buried look for a win first, on most of the budget: nearly every deal
// wins, mostly by long lines whose early choices a depth-first order seldom
// comes back to. A depth-first search over every other move follows, which
// proves a loss where it sees every position.
#include "engine/solver/four_seasons_search.hpp"

#include <algorithm>
#include <array>

#include "engine/build_types.hpp"
#include "engine/move_rules.hpp"
#include "engine/solver/beam_search.hpp"
#include "engine/solver/compact_search.hpp"
#include "engine/solver/start_checks.hpp"
#include "engine/solver/stock_order.hpp"

namespace quilloro::solver {

namespace {

constexpr int kPlainFamily = 0;
constexpr int kWasteNeverTarget = 4;
constexpr int kMaxPiles = 6;
constexpr int kPackCards = kCardsPerPack;
constexpr int kSuits = 4;
constexpr int kRanks = 13;
constexpr int kFoundationCards = 13;
// The first beam's width, how much wider each next is, the most, and the
// share of the positions the beams may take, in eighths.
constexpr std::size_t kFirstBeamWidth = 100;
constexpr std::size_t kBeamWidening = 3;
constexpr std::size_t kMostBeamWidth = 24300;
constexpr std::int64_t kBeamEighths = 6;

int suitOf(CardNumber card) { return static_cast<int>(cardSuit(card)); }

struct SeasonsState {
  // The cards gone from the stock's order (one pack: one word).
  std::array<std::uint64_t, 1> gone{};
  std::uint8_t turned = 0;
  std::array<std::uint8_t, kMaxPiles> height{};
  std::array<std::array<std::uint8_t, kPackCards>, kMaxPiles> piles{};
  // Cards home of each suit, and the suit each foundation holds (-1 for none
  // yet; which holds which changes nothing later, so the key leaves it out).
  std::array<std::uint8_t, kSuits> home{};
  std::array<std::int8_t, kSuits> suitAt{-1, -1, -1, -1};
  int cardsLeft = 0;
};

struct SeasonsStep {
  enum class Kind : std::uint8_t { Stock, Home, Pile };
  Kind kind = Kind::Stock;
  bool fromWaste = false;
  std::uint8_t from = 0;  // the pile, when the card comes from one
  std::uint8_t to = 0;    // the foundation or the pile
};

class SeasonsRules {
 public:
  using State = SeasonsState;
  using Step = SeasonsStep;

  static std::optional<std::pair<SeasonsRules, SeasonsState>> of(const SolverStart& start);

  bool won(const State& s) const { return s.cardsLeft == 0; }
  bool hopeless(const State&) const { return false; }
  int left(const State& s) const { return s.cardsLeft; }
  // For the beam search: cards home, less the cards soon wanted that lie deep.
  int score(const State& s) const;
  int discrepancyRounds() const { return 0; }
  void steps(const State& s, std::vector<Step>& out) const;
  void play(State& s, const Step& step, std::vector<SolverMove>& moves) const;
  PositionKey128 key(const State& s) const;
  // Offer every move, alike foundations and spaces apart, no move made at once.
  void offerEveryMove() { everyMove_ = true; }

 private:
  static int wasteTop(const State& s) { return wasteTopOf(s); }
  CardNumber cardFrom(const State& s, const Step& step) const {
    return step.fromWaste ? deck_[static_cast<std::size_t>(wasteTop(s))] : topOf(s, step.from);
  }
  // How far above the base rank the card lies: 0 to 12.
  int height(CardNumber card) const { return (cardRank(card) - base_ + kRanks) % kRanks; }
  bool homeAccepts(const State& s, CardNumber card) const {
    return s.home[static_cast<std::size_t>(suitOf(card))] == height(card);
  }
  bool pileAccepts(int pile, CardNumber base, CardNumber card) const;
  // The foundations that may take the card: the one of its suit, or for a
  // base card the empty ones (only the first unless every move is offered).
  void homesFor(const State& s, CardNumber card, const Step& probe, std::vector<Step>& out) const;
  // Whether every card that could be built on the card is home.
  bool safeHome(const State& s, CardNumber card) const;
  static CardNumber topOf(const State& s, int pile) {
    const auto at = static_cast<std::size_t>(pile);
    return s.height[at] == 0 ? kNoCard : s.piles[at][s.height[at] - 1U];
  }

  std::vector<CardNumber> deck_;
  std::array<bool, kMaxPiles> passBase_{};
  int piles_ = 0;
  int base_ = kAce;
  bool everyMove_ = false;
};

std::optional<std::pair<SeasonsRules, SeasonsState>> SeasonsRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != kPlainFamily || p[param::kSelectByClick] != 0 || p[param::kShowWaste] != 1) return std::nullopt;
  if (p[param::kFoundationTakeBack] != 0 || p[param::kReorderFoundations] != 0 || p[param::kHasDiscardPile] != 0) return std::nullopt;
  if (p[param::kMaxCardsMoved] != 1 || p[param::kAutoFillTableau] != 0 || p[param::kCardsInPlay] != kPackCards) return std::nullopt;
  if (p[param::kWasteNeverTarget] != kWasteNeverTarget || p[param::kRedealReshuffles] != 0) return std::nullopt;
  if (p[param::kStockPasses] != 1 || std::max<int>(1, p[param::kCardsPerClick]) != 1) return std::nullopt;
  if (state.pilesInUse(PileList::Reserves) != 0 || !state.piles.discard().empty()) return std::nullopt;
  if (start.redealCount != 1) return std::nullopt;
  SeasonsRules rules;
  SeasonsState s;
  rules.base_ = p[param::kFoundationBaseRankFirst];
  if (rules.base_ < kAce || rules.base_ > kKing) return std::nullopt;
  rules.piles_ = state.pilesInUse(PileList::Tableau);
  if (rules.piles_ < 1 || rules.piles_ > kMaxPiles) return std::nullopt;
  for (int t = 0; t < rules.piles_; ++t) {
    const int number = t + 1;
    if (p.perPile(param::kTableauBuildTypeFirst, number) != build_type::kAnySuit) return std::nullopt;
    if (p.perPile(param::kTableauDirectionFirst, number) > 0) return std::nullopt;
    if (p.perPile(param::kTableauBaseRankFirst, number) != base_code::kAnyCard) return std::nullopt;
    if (p.perPile(param::kTableauRowDealFirst, number) != 0) return std::nullopt;
    rules.passBase_[static_cast<std::size_t>(t)] = p.perPile(param::kTableauPassBaseFirst, number) > 0;
    const Pile& pile = state.piles.pile(PileList::Tableau, t);
    if (!noHoles(pile)) return std::nullopt;
    const std::vector<CardNumber> cards = cardsOf(pile);
    for (const CardNumber card : cards)
      if (state.isFaceDown(card) || card > kPackCards) return std::nullopt;
    std::copy(cards.begin(), cards.end(), s.piles[static_cast<std::size_t>(t)].begin());
    s.height[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(cards.size());
    s.cardsLeft += static_cast<int>(cards.size());
  }
  if (state.pilesInUse(PileList::Foundations) != kSuits) return std::nullopt;
  for (int f = 0; f < kSuits; ++f) {
    if (p.perPile(param::kFoundationBuildTypeFirst, f + 1) != build_type::kSameSuit) return std::nullopt;
    if (p.perPile(param::kFoundationDirectionFirst, f + 1) <= 0) return std::nullopt;
    if (p.perPile(param::kFoundationBaseRankFirst, f + 1) != rules.base_) return std::nullopt;
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Foundations, f));
    if (cards.empty()) continue;
    // A foundation the search did not build itself must be one suit in order.
    const int suit = suitOf(cards.front());
    if (cards.size() > kFoundationCards || s.home[static_cast<std::size_t>(suit)] != 0) return std::nullopt;
    for (std::size_t at = 0; at < cards.size(); ++at)
      if (cards[at] > kPackCards || suitOf(cards[at]) != suit || rules.height(cards[at]) != static_cast<int>(at))
        return std::nullopt;
    s.suitAt[static_cast<std::size_t>(f)] = static_cast<std::int8_t>(suit);
    s.home[static_cast<std::size_t>(suit)] = static_cast<std::uint8_t>(cards.size());
  }
  // The deck: the waste from its bottom, then the stock in the order it turns.
  rules.deck_ = cardsOf(state.piles.waste());
  s.turned = static_cast<std::uint8_t>(rules.deck_.size());
  const std::vector<CardNumber> stock = cardsOf(state.piles.stock());
  rules.deck_.insert(rules.deck_.end(), stock.rbegin(), stock.rend());
  if (rules.deck_.size() > 64) return std::nullopt;
  for (const CardNumber card : rules.deck_)
    if (card > kPackCards) return std::nullopt;
  s.cardsLeft += static_cast<int>(rules.deck_.size());
  return std::pair{std::move(rules), s};
}

bool SeasonsRules::pileAccepts(int pile, CardNumber base, CardNumber card) const {
  if (base == kNoCard) return true;
  const int below = cardRank(base);
  // Building down stops at the foundations' base rank unless the pile passes it.
  if (below == base_ && !passBase_[static_cast<std::size_t>(pile)]) return false;
  return below == kAce ? cardRank(card) == kKing : cardRank(card) == below - 1;
}

void SeasonsRules::homesFor(const State& s, CardNumber card, const Step& probe, std::vector<Step>& out) const {
  if (!homeAccepts(s, card)) return;
  for (int f = 0; f < kSuits; ++f) {
    const int held = s.suitAt[static_cast<std::size_t>(f)];
    if (held != suitOf(card) && (held >= 0 || s.home[static_cast<std::size_t>(suitOf(card))] != 0)) continue;
    out.push_back(Step{Step::Kind::Home, probe.fromWaste, probe.from, static_cast<std::uint8_t>(f)});
    if (!everyMove_) return;
  }
}

bool SeasonsRules::safeHome(const State& s, CardNumber card) const {
  const int below = (height(card) + kRanks - 1) % kRanks;
  for (const std::uint8_t home : s.home)
    if (home <= below) return false;
  return homeAccepts(s, card);
}

int SeasonsRules::score(const State& s) const {
  constexpr int kHomeWorth = 50;
  constexpr int kSoon = 4;
  auto need = [&](CardNumber card) { return height(card) - s.home[static_cast<std::size_t>(suitOf(card))]; };
  int value = -kHomeWorth * s.cardsLeft;
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t)
    for (int at = 0; at + 1 < s.height[t]; ++at)
      value -= std::max(0, kSoon - need(s.piles[t][static_cast<std::size_t>(at)])) * (s.height[t] - 1 - at);
  // The waste's cards, each under those turned after it.
  int above = 0;
  for (int at = s.turned - 1; at >= 0; --at) {
    if (isGone(s, at)) continue;
    value -= std::max(0, kSoon - need(deck_[static_cast<std::size_t>(at)])) * above;
    ++above;
  }
  return value;
}

void SeasonsRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  const int top = wasteTop(s);
  if (!everyMove_) {
    for (int t = 0; t < piles_; ++t) {
      const CardNumber card = topOf(s, t);
      if (card != kNoCard && safeHome(s, card)) {
        homesFor(s, card, Step{Step::Kind::Home, false, static_cast<std::uint8_t>(t), 0}, out);
        return;
      }
    }
    if (top >= 0 && safeHome(s, deck_[static_cast<std::size_t>(top)])) {
      homesFor(s, deck_[static_cast<std::size_t>(top)], Step{Step::Kind::Home, true, 0, 0}, out);
      return;
    }
  }
  // Every source in turn: the piles, then the waste.
  std::array<std::pair<bool, int>, kMaxPiles + 1> sources{};
  std::size_t count = 0;
  for (int t = 0; t < piles_; ++t)
    if (s.height[static_cast<std::size_t>(t)] > 0) sources[count++] = {false, t};
  if (top >= 0) sources[count++] = {true, 0};
  for (std::size_t i = 0; i < count; ++i) {
    const Step probe{Step::Kind::Home, sources[i].first, static_cast<std::uint8_t>(sources[i].second), 0};
    homesFor(s, cardFrom(s, probe), probe, out);
  }
  for (std::size_t i = 0; i < count; ++i) {
    const Step probe{Step::Kind::Pile, sources[i].first, static_cast<std::uint8_t>(sources[i].second), 0};
    const CardNumber card = cardFrom(s, probe);
    const bool fromPile = !probe.fromWaste;
    bool spaceTried = false;
    for (int u = 0; u < piles_; ++u) {
      if (fromPile && u == probe.from) continue;
      const CardNumber base = topOf(s, u);
      if (base == kNoCard) {
        // Spaces are alike; a card alone on its pile only changes places.
        if (!everyMove_ && (spaceTried || (fromPile && s.height[probe.from] == 1))) continue;
        spaceTried = true;
      } else if (!pileAccepts(u, base, card)) {
        continue;
      }
      out.push_back(Step{Step::Kind::Pile, probe.fromWaste, probe.from, static_cast<std::uint8_t>(u)});
    }
  }
  if (s.turned < deck_.size()) out.push_back(Step{Step::Kind::Stock, false, 0, 0});
}

void SeasonsRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  if (step.kind == Step::Kind::Stock) {
    ++s.turned;
    moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
    return;
  }
  const CardNumber card = cardFrom(s, step);
  if (step.fromWaste) {
    setGone(s, wasteTop(s));
  } else {
    --s.height[step.from];
  }
  if (step.kind == Step::Kind::Home) {
    ++s.home[static_cast<std::size_t>(suitOf(card))];
    s.suitAt[step.to] = static_cast<std::int8_t>(suitOf(card));
    --s.cardsLeft;
    moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, step.to}});
    return;
  }
  s.piles[step.to][s.height[step.to]++] = static_cast<std::uint8_t>(card);
  moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, step.to}});
}

PositionKey128 SeasonsRules::key(const State& s) const {
  KeyHasher hasher;
  hasher.add(s.gone[0]);
  std::uint64_t homes = s.turned;
  for (const std::uint8_t home : s.home) homes = homes << 8 | home;
  hasher.add(homes);
  std::array<std::uint64_t, kMaxPiles> piles{};
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) {
    KeyHasher one;
    std::uint64_t packed = static_cast<std::uint64_t>(s.height[t]) << 1 | (passBase_[t] ? 1U : 0U);
    for (std::size_t at = 0; at < s.height[t]; ++at) {
      packed = packed << 8 | s.piles[t][at];
      if (at % 7 == 6) {
        one.add(packed);
        packed = 0;
      }
    }
    one.add(packed);
    piles[t] = one.key().high;
  }
  // Sorted by insertion: a handful of piles, and GCC's bounds check sees
  // std::sort's pass over sixteen entries run past this short array.
  for (std::size_t t = 1; t < static_cast<std::size_t>(piles_); ++t)
    for (std::size_t at = t; at > 0 && piles[at - 1] > piles[at]; --at) std::swap(piles[at - 1], piles[at]);
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) hasher.add(piles[t]);
  return hasher.key();
}

}  // namespace

std::optional<SolveResult> fourSeasonsSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  auto table = SeasonsRules::of(start);
  if (!table) return std::nullopt;
  // Beams of the best positions, ever wider, on most of the budget, for a
  // win; then every move depth first on what is left, where a loss is proved.
  const std::int64_t beamNodes = budget.nodes / 8 * kBeamEighths;
  return beamsThenEveryMove(table->first, table->second, start, budget, beamNodes,
                            {kFirstBeamWidth, kBeamWidening, kMostBeamWidth}, stop);
}

std::optional<std::vector<SolverMove>> fourSeasonsMoves(const SolverStart& start) {
  return compactFirstMoves<SeasonsRules>(start);
}

}  // namespace quilloro::solver
