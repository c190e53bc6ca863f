// The search for Terrace: a fanned reserve that only gives, piles that
// build down in alternate colours one card at a time, a space filled at once
// by the engine from the top of the waste (of the stock when the waste is
// empty), a stock turned once a card at a time, and foundations that build up
// in alternate colours from the rank of the card dealt on the first, turning
// from king to ace. The stock and the waste keep their cards in one fixed
// order, told by which cards of it are gone and how far it has been turned;
// the reserve is told by how many of its cards are left. Nothing here asks a
// card's suit, only its rank and colour: cards alike in both count alike in
// the key, and the piles (which nothing deals onto) count alike whichever
// holds what. A depth-first search looks first, on part of the budget (it
// proves a loss where it sees every position); then beams of the positions
// with the most cards home and the fewest wanted cards buried, which find
// the wins of long games whose early choices the depth-first order never
// comes back to.
//
// One move is made at once whenever it is open, the others left out: a card
// from the reserve, or from a pile it does not empty, onto a foundation, when
// every card that could ever be built on it is home already. Such a card can
// only block the card below it, or lie on a pile where nothing comes onto it;
// every foundation that takes it is like every other (same height, same
// colour on top), and the cards of its rank and colour are alike. So any win
// from the position before is a win, card for card, from the one after (the
// moves of this card left out). Spaces are not touched by the move, so the
// engine fills nothing differently. From the waste or from a pile of one card
// the move would change what the engine fills a space with later: it stays a
// choice.
#include "engine/solver/terrace_search.hpp"

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
constexpr int kFillFromWaste = 2;
constexpr int kReserveClosed = 4;
constexpr int kWasteNeverTarget = 4;
constexpr int kMaxPiles = 10;
constexpr int kPileCapacity = kMaxCard;
constexpr int kMaxFoundationCount = 16;
constexpr int kFoundationCards = 13;
constexpr int kDeckWords = 2;
constexpr int kMaxReserve = 32;
constexpr int kRanks = 13;
// The first beam's width, how much wider each next is, and the most.
constexpr std::size_t kFirstBeamWidth = 100;
constexpr std::size_t kBeamWidening = 3;
constexpr std::size_t kMostBeamWidth = 2700;

struct TerraceState {
  std::array<std::uint64_t, kDeckWords> gone{};
  std::uint8_t turned = 0;
  std::uint8_t reserveLeft = 0;
  std::array<std::uint8_t, kMaxPiles> height{};
  std::array<std::array<std::uint8_t, kPileCapacity>, kMaxPiles> piles{};
  std::array<std::uint8_t, kMaxFoundationCount> count{};
  std::array<std::uint8_t, kMaxFoundationCount> top{};
  std::array<std::uint8_t, kMaxFoundationCount> bottom{};
  int cardsLeft = 0;
};

struct TerraceStep {
  enum class Kind : std::uint8_t { Stock, Home, Pile };
  // Where the card comes from: the reserve, the waste or a pile.
  enum class From : std::uint8_t { Reserve, Waste, Pile };
  Kind kind = Kind::Stock;
  From source = From::Pile;
  std::uint8_t from = 0;  // the pile, when the card comes from one
  std::uint8_t to = 0;    // the foundation or the pile
};

class TerraceRules {
 public:
  using State = TerraceState;
  using Step = TerraceStep;

  static std::optional<std::pair<TerraceRules, TerraceState>> of(const SolverStart& start);

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
  int wasteTop(const State& s) const { return wasteTopOf(s); }
  CardNumber cardFrom(const State& s, const Step& step) const;
  bool homeAccepts(const State& s, int f, CardNumber card) const;
  bool pileAccepts(int pile, CardNumber base, CardNumber card) const;
  // Whether an earlier foundation takes just what this one takes.
  bool twin(const State& s, int f) const;
  // The foundation the card may go to at once (see the top of the file).
  std::optional<int> safeHome(const State& s, CardNumber card) const;
  // How many cards of the height above the base and the colour are home.
  int homeCount(const State& s, int height, bool red) const;
  // The engine's filling of the spaces, after every card played.
  void fill(State& s) const;
  bool red(CardNumber card) const { return red_[static_cast<std::size_t>(card)] != 0; }
  int rank(CardNumber card) const { return rank_[static_cast<std::size_t>(card)]; }
  // Rank and colour, all that tells a card here: 1 to 26.
  std::uint64_t faceOf(CardNumber card) const {
    return card == kNoCard ? 0U : static_cast<std::uint64_t>(rank(card) * 2 - (red(card) ? 1 : 0));
  }
  static CardNumber topOf(const State& s, int pile) {
    const auto at = static_cast<std::size_t>(pile);
    return s.height[at] == 0 ? kNoCard : s.piles[at][s.height[at] - 1U];
  }

  std::vector<CardNumber> deck_;
  std::vector<CardNumber> reserve_;
  std::array<std::uint8_t, kMaxCard + 1> rank_{};
  std::array<std::uint8_t, kMaxCard + 1> red_{};
  std::array<bool, kMaxPiles> passBase_{};
  int piles_ = 0;
  int foundations_ = 0;
  int base_ = kAce;
  // How many cards of one rank and colour the packs hold.
  int copies_ = 2;
  bool everyMove_ = false;
};

std::optional<std::pair<TerraceRules, TerraceState>> TerraceRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != kPlainFamily || p[param::kSelectByClick] != 0 || p[param::kShowWaste] != 1) return std::nullopt;
  if (p[param::kFoundationTakeBack] != 0 || p[param::kReorderFoundations] != 0 || p[param::kHasDiscardPile] != 0) return std::nullopt;
  if (p[param::kMaxCardsMoved] != 1 || p[param::kAutoFillTableau] != kFillFromWaste) return std::nullopt;
  if (p[param::kWasteNeverTarget] != kWasteNeverTarget || p[param::kRedealReshuffles] != 0) return std::nullopt;
  if (p[param::kStockPasses] != 1 || std::max<int>(1, p[param::kCardsPerClick]) != 1) return std::nullopt;
  if (p[param::kReserveFannedStacks] != 0 || !state.piles.discard().empty()) return std::nullopt;
  if (state.pilesInUse(PileList::Reserves) != 1 || p[param::kReserveTypeFirst] != kReserveClosed) return std::nullopt;
  TerraceRules rules;
  TerraceState s;
  for (CardNumber card = 1; card <= kMaxCard; ++card) {
    rules.rank_[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(cardRank(card));
    rules.red_[static_cast<std::size_t>(card)] = isRed(card) ? 1 : 0;
  }
  rules.copies_ = 2 * std::max(1, p[param::kCardsInPlay] / kCardsPerPack);
  rules.base_ = p[param::kFoundationBaseRankFirst];
  if (rules.base_ < kAce || rules.base_ > kKing) return std::nullopt;
  rules.piles_ = state.pilesInUse(PileList::Tableau);
  if (rules.piles_ < 1 || rules.piles_ > kMaxPiles) return std::nullopt;
  for (int t = 0; t < rules.piles_; ++t) {
    const int number = t + 1;
    if (p.perPile(param::kTableauBuildTypeFirst, number) != build_type::kAlternateColour) return std::nullopt;
    if (p.perPile(param::kTableauDirectionFirst, number) > 0) return std::nullopt;
    if (p.perPile(param::kTableauBaseRankFirst, number) != base_code::kAnyCard) return std::nullopt;
    if (p.perPile(param::kTableauRowDealFirst, number) != 0) return std::nullopt;
    rules.passBase_[static_cast<std::size_t>(t)] = p.perPile(param::kTableauPassBaseFirst, number) > 0;
    const Pile& pile = state.piles.pile(PileList::Tableau, t);
    if (!noHoles(pile)) return std::nullopt;
    const std::vector<CardNumber> cards = cardsOf(pile);
    for (const CardNumber card : cards)
      if (state.isFaceDown(card)) return std::nullopt;
    std::copy(cards.begin(), cards.end(), s.piles[static_cast<std::size_t>(t)].begin());
    s.height[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(cards.size());
    s.cardsLeft += static_cast<int>(cards.size());
  }
  rules.foundations_ = state.pilesInUse(PileList::Foundations);
  if (rules.foundations_ < 1 || rules.foundations_ > kMaxFoundationCount) return std::nullopt;
  for (int f = 0; f < rules.foundations_; ++f) {
    if (p.perPile(param::kFoundationBuildTypeFirst, f + 1) != build_type::kAlternateColour) return std::nullopt;
    if (p.perPile(param::kFoundationDirectionFirst, f + 1) <= 0) return std::nullopt;
    if (p.perPile(param::kFoundationBaseRankFirst, f + 1) != rules.base_) return std::nullopt;
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Foundations, f));
    if (cards.size() > kFoundationCards) return std::nullopt;
    const auto at = static_cast<std::size_t>(f);
    s.count[at] = static_cast<std::uint8_t>(cards.size());
    if (!cards.empty()) {
      s.top[at] = static_cast<std::uint8_t>(cards.back());
      s.bottom[at] = static_cast<std::uint8_t>(cards.front());
    }
  }
  const Pile& reserve = state.piles.pile(PileList::Reserves, 0);
  if (!noHoles(reserve)) return std::nullopt;
  rules.reserve_ = cardsOf(reserve);
  if (rules.reserve_.size() > kMaxReserve) return std::nullopt;
  s.reserveLeft = static_cast<std::uint8_t>(rules.reserve_.size());
  s.cardsLeft += static_cast<int>(rules.reserve_.size());
  // The deck: the waste from its bottom, then the stock in the order it turns.
  if (start.redealCount != 1) return std::nullopt;
  rules.deck_ = cardsOf(state.piles.waste());
  s.turned = static_cast<std::uint8_t>(rules.deck_.size());
  const std::vector<CardNumber> stock = cardsOf(state.piles.stock());
  rules.deck_.insert(rules.deck_.end(), stock.rbegin(), stock.rend());
  if (rules.deck_.size() > kDeckWords * 64) return std::nullopt;
  s.cardsLeft += static_cast<int>(rules.deck_.size());
  // A space left while cards wait in the waste or the stock is not a
  // position the engine leaves.
  for (int t = 0; t < rules.piles_; ++t)
    if (s.height[static_cast<std::size_t>(t)] == 0 && !rules.deck_.empty()) return std::nullopt;
  return std::pair{std::move(rules), s};
}

CardNumber TerraceRules::cardFrom(const State& s, const Step& step) const {
  switch (step.source) {
    case Step::From::Reserve: return reserve_[s.reserveLeft - 1U];
    case Step::From::Waste: return deck_[static_cast<std::size_t>(wasteTop(s))];
    case Step::From::Pile: return topOf(s, step.from);
  }
  return kNoCard;
}

bool TerraceRules::homeAccepts(const State& s, int f, CardNumber card) const {
  const auto at = static_cast<std::size_t>(f);
  if (s.count[at] >= kFoundationCards) return false;
  const int m = rank(card);
  if (s.count[at] == 0) return m == base_;
  if (red(card) == red(s.top[at])) return false;
  const int below = rank(s.top[at]);
  return below == kKing ? m == kAce && base_ != kAce : m == below + 1;
}

bool TerraceRules::pileAccepts(int pile, CardNumber base, CardNumber card) const {
  if (base == kNoCard) return true;
  if (red(base) == red(card)) return false;
  const int below = rank(base);
  // Building down stops at the foundations' base rank unless the pile passes it.
  if (below == base_ && !passBase_[static_cast<std::size_t>(pile)]) return false;
  return below == kAce ? rank(card) == kKing : rank(card) == below - 1;
}

bool TerraceRules::twin(const State& s, int f) const {
  if (everyMove_) return false;
  const auto at = static_cast<std::size_t>(f);
  for (std::size_t g = 0; g < at; ++g) {
    if (s.count[g] != s.count[at]) continue;
    // Foundations of one height and one colour on top take alike.
    if (s.count[g] == 0 || red(s.top[g]) == red(s.top[at])) return true;
  }
  return false;
}

int TerraceRules::homeCount(const State& s, int height, bool wanted) const {
  int home = 0;
  for (std::size_t f = 0; f < static_cast<std::size_t>(foundations_); ++f)
    if (s.count[f] > height && (red(s.bottom[f]) != ((height & 1) != 0)) == wanted) ++home;
  return home;
}

std::optional<int> TerraceRules::safeHome(const State& s, CardNumber card) const {
  const int height = (rank(card) - base_ + kRanks) % kRanks;
  if (height == 0 || homeCount(s, height - 1, !red(card)) < copies_) return std::nullopt;
  for (int f = 0; f < foundations_; ++f)
    if (homeAccepts(s, f, card)) return f;
  return std::nullopt;
}

int TerraceRules::score(const State& s) const {
  constexpr int kHomeWorth = 50;
  constexpr int kSoon = 6;
  // How many cards must go home before the card can, at least.
  auto need = [&](CardNumber card) {
    const int height = (rank(card) - base_ + kRanks) % kRanks;
    int best = height;
    for (std::size_t f = 0; f < static_cast<std::size_t>(foundations_); ++f) {
      const int count = s.count[f];
      if (count == 0 || count > height) continue;
      // The colour the foundation takes at that height.
      if ((red(s.bottom[f]) != ((height & 1) != 0)) == red(card)) best = std::min(best, height - count);
    }
    return best;
  };
  int value = -kHomeWorth * s.cardsLeft;
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t)
    for (int at = 0; at + 1 < s.height[t]; ++at)
      value -= std::max(0, kSoon - need(s.piles[t][static_cast<std::size_t>(at)])) * (s.height[t] - 1 - at);
  for (int at = 0; at + 1 < s.reserveLeft; ++at)
    value -= std::max(0, kSoon - need(reserve_[static_cast<std::size_t>(at)])) * (s.reserveLeft - 1 - at);
  // The waste's cards, each under those turned after it.
  int above = 0;
  for (int at = s.turned - 1; at >= 0; --at) {
    if (isGone(s, at)) continue;
    value -= std::max(0, kSoon - need(deck_[static_cast<std::size_t>(at)])) * above;
    ++above;
  }
  return value;
}

void TerraceRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  const bool reserveLeft = s.reserveLeft > 0;
  const int top = wasteTop(s);
  if (!everyMove_) {
    if (reserveLeft)
      if (const std::optional<int> f = safeHome(s, reserve_[s.reserveLeft - 1U])) {
        out.push_back(Step{Step::Kind::Home, Step::From::Reserve, 0, static_cast<std::uint8_t>(*f)});
        return;
      }
    for (int t = 0; t < piles_; ++t) {
      if (s.height[static_cast<std::size_t>(t)] < 2) continue;
      if (const std::optional<int> f = safeHome(s, topOf(s, t))) {
        out.push_back(Step{Step::Kind::Home, Step::From::Pile, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(*f)});
        return;
      }
    }
  }
  // Every source in turn: the reserve, the piles, the waste.
  std::array<std::pair<Step::From, int>, kMaxPiles + 2> sources{};
  std::size_t count = 0;
  if (reserveLeft) sources[count++] = {Step::From::Reserve, 0};
  for (int t = 0; t < piles_; ++t)
    if (s.height[static_cast<std::size_t>(t)] > 0) sources[count++] = {Step::From::Pile, t};
  if (top >= 0) sources[count++] = {Step::From::Waste, 0};
  for (std::size_t i = 0; i < count; ++i) {
    const Step probe{Step::Kind::Home, sources[i].first, static_cast<std::uint8_t>(sources[i].second), 0};
    const CardNumber card = cardFrom(s, probe);
    for (int f = 0; f < foundations_; ++f)
      if (homeAccepts(s, f, card) && !twin(s, f))
        out.push_back(Step{Step::Kind::Home, probe.source, probe.from, static_cast<std::uint8_t>(f)});
  }
  for (std::size_t i = 0; i < count; ++i) {
    const Step probe{Step::Kind::Pile, sources[i].first, static_cast<std::uint8_t>(sources[i].second), 0};
    const CardNumber card = cardFrom(s, probe);
    const bool fromPile = probe.source == Step::From::Pile;
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
      out.push_back(Step{Step::Kind::Pile, probe.source, probe.from, static_cast<std::uint8_t>(u)});
    }
  }
  if (s.turned < deck_.size()) out.push_back(Step{Step::Kind::Stock, Step::From::Pile, 0, 0});
}

void TerraceRules::fill(State& s) const {
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) {
    if (s.height[t] != 0) continue;
    int at = wasteTop(s);
    if (at < 0 && s.turned < deck_.size()) at = s.turned++;
    if (at < 0) return;
    setGone(s, at);
    s.piles[t][s.height[t]++] = static_cast<std::uint8_t>(deck_[static_cast<std::size_t>(at)]);
  }
}

void TerraceRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  if (step.kind == Step::Kind::Stock) {
    ++s.turned;
    moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
    return;
  }
  const CardNumber card = cardFrom(s, step);
  switch (step.source) {
    case Step::From::Reserve: --s.reserveLeft; break;
    case Step::From::Waste: setGone(s, wasteTop(s)); break;
    case Step::From::Pile: --s.height[step.from]; break;
  }
  if (step.kind == Step::Kind::Home) {
    const std::size_t f = step.to;
    if (s.count[f] == 0) s.bottom[f] = static_cast<std::uint8_t>(card);
    s.top[f] = static_cast<std::uint8_t>(card);
    ++s.count[f];
    --s.cardsLeft;
    moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, step.to}});
  } else {
    s.piles[step.to][s.height[step.to]++] = static_cast<std::uint8_t>(card);
    moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, step.to}});
  }
  fill(s);
}

PositionKey128 TerraceRules::key(const State& s) const {
  KeyHasher hasher;
  for (const std::uint64_t word : s.gone) hasher.add(word);
  hasher.add(static_cast<std::uint64_t>(s.turned) | static_cast<std::uint64_t>(s.reserveLeft) << 8);
  std::array<std::uint64_t, kMaxPiles> piles{};
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) {
    KeyHasher one;
    std::uint64_t packed = s.height[t];
    for (std::size_t at = 0; at < s.height[t]; ++at) {
      packed = packed << 8 | faceOf(s.piles[t][at]);
      if (at % 7 == 6) {
        one.add(packed);
        packed = 0;
      }
    }
    one.add(packed);
    piles[t] = one.key().high;
  }
  std::sort(piles.begin(), piles.begin() + piles_);
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) hasher.add(piles[t]);
  std::array<std::uint64_t, kMaxFoundationCount> codes{};
  const auto foundations = static_cast<std::size_t>(foundations_);
  for (std::size_t f = 0; f < foundations; ++f)
    codes[f] = static_cast<std::uint64_t>(s.count[f]) << 1 | (s.count[f] > 0 && red(s.bottom[f]) ? 1U : 0U);
  std::sort(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(foundations));
  for (std::size_t f = 0; f < foundations; ++f) hasher.add(codes[f]);
  return hasher.key();
}

}  // namespace

std::optional<SolveResult> terraceSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  auto table = TerraceRules::of(start);
  if (!table) return std::nullopt;
  // Depth first on part of the budget; then beams of the best positions,
  // ever wider, for a win the depth-first order missed.
  Budget first = budget;
  first.nodes = budget.nodes / 4;
  SolveResult found = CompactSearch<TerraceRules>(table->first, first, stop).run(table->second, start);
  if (found.verdict != Verdict::Unknown || found.stopped || found.outOfTime) return found;
  std::vector<SolverMove> best = found.moves;
  found = widenBeams(table->first, table->second, start, budget, budget.nodes,
                     {kFirstBeamWidth, kBeamWidening, kMostBeamWidth}, std::move(found), stop);
  if (found.verdict != Verdict::Won) found.moves = best;
  return found;
}

std::optional<std::vector<SolverMove>> terraceMoves(const SolverStart& start) {
  return compactFirstMoves<TerraceRules>(start);
}

}  // namespace quilloro::solver
