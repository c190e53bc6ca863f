// The search for Crossroads: nine piles that build down in suit one
// card at a time, any card on a space, a stock that deals a card onto every
// pile in turn, and foundations in suit up from the aces and down from the
// kings. The stock keeps its cards in one fixed order, so it is told by how
// many are left. While it still deals, each pile is its own (the deal lands on
// it by its place); once it is used up the piles count alike whichever holds
// what. The twin cards of the two packs count alike in the key, and so do the
// foundations that build alike. Beams of the positions with the most cards
// home and the fewest wanted cards buried look for a win first, over every
// move, on a quarter of the budget and no more than a fixed number of
// positions (cards parked on other piles or spaces to be fetched later make
// many of the wins, so no move is left out of them); a depth-first search over
// every move follows, which proves a loss where it sees every position. Its
// positions cost about a quarter of the beams' and it wins too, so the deals
// the beams leave open are decided by it more often than by beams wider
// still, and a larger budget goes to it alone.
//
// One move is made at once whenever it is open, the others left out, where
// every foundation builds up from the ace or down from the king: a card
// between them (two to queen) from the top of a pile onto a foundation, when
// every copy of the ranks just below and just above it in its suit is home.
// Nothing can then be built on the card (only the rank below in suit goes on
// it), and it can go onto no other pile's card (only onto the rank above).
// The foundations that can ever take a card of its face are just those that
// take it now: an up one of its suit needs the rank below on top, a down one
// the rank above, and no more of either will come. Each of them, once it has
// taken the card, can take nothing more, for the same reason. So where a win
// from the position before plays this card and its twins onto some of them,
// it wins as well with this card played first onto any (the foundation it
// took in that win then takes the twin that went here); the card's absence
// from its pile only adds moves, and a stock deal lands on the card under it.
//
// A card on which nothing is ever built (every copy of the rank below in its
// suit is home, or it is an ace and nothing goes onto aces) goes at once onto
// an up foundation that takes it now, even while the rank above is still out.
// Take a win from the position before and play it with the card home already,
// skipping the card's own moves. The piles are the win's but for the card, so
// every other move stays open (nothing went onto the card, a space it filled
// is free, a deal lands on the card under it). Only the foundations of the
// card's face differ, until the win has played the card:
//   - where the win plays the twin first onto the foundation taken here,
//     another up one takes it. With the twin out too, no down foundation has
//     passed the rank, so both copies of the rank below top up foundations,
//     two of them, and only this face can go onto either; for an ace (where
//     there are as many up foundations as aces), they hold at most all the
//     other aces while the win has not played these two, so one empty is left
//     (so too for any ace the win starts a foundation with before it plays the
//     card);
//   - where the win plays the card onto an up foundation, the two lines meet;
//   - where it plays the card onto a down foundation, which takes nothing
//     after it (the rank below is home), the twin, if still out, goes onto that
//     down foundation here when the win plays it onto an up one, else where
//     the win plays it. Once both are home the foundations hold what the
//     win's do, or the same with one up foundation a card higher (it may take
//     more) and a down one a card lower that could take nothing more.
// So nothing the win plays is refused, and it wins here too.
#include "engine/solver/crossroads_search.hpp"

#include <algorithm>
#include <array>
#include <bit>

#include "engine/build_types.hpp"
#include "engine/move_rules.hpp"
#include "engine/solver/beam_search.hpp"
#include "engine/solver/compact_search.hpp"
#include "engine/solver/pinned_cards.hpp"
#include "engine/solver/start_checks.hpp"

namespace quilloro::solver {

namespace {

constexpr int kPlainFamily = 0;
constexpr int kDealsOntoPile = 1;
constexpr int kMaxPiles = 10;
constexpr int kPileCapacity = kMaxCard;
constexpr int kMaxFoundationCount = 16;
constexpr int kFoundationCards = 13;
// The most foundations of one kind that two bits count with one face on top.
constexpr int kMostTopsAlike = 3;
// The first beam's width, how much wider each next is (up to the most),
// the share of the positions the beams may take, in quarters, and the most
// positions they may take.
constexpr std::size_t kFirstBeamWidth = 150;
constexpr std::size_t kBeamWidening = 3;
constexpr std::int64_t kBeamQuarters = 1;
constexpr std::int64_t kMostBeamNodes = 375'000;
constexpr std::size_t kMostBeamWidth = 12150;

struct CrossFoundation {
  std::uint8_t count = 0;
  std::uint8_t top = kNoCard;
};

struct CrossState {
  std::array<std::uint8_t, kMaxPiles> height{};
  std::array<std::array<std::uint8_t, kPileCapacity>, kMaxPiles> piles{};
  std::array<CrossFoundation, kMaxFoundationCount> foundations{};
  std::uint8_t stockLeft = 0;
  int cardsLeft = 0;
  // Each pile's part of the key, kept up to date as the piles change.
  std::array<std::uint64_t, kMaxPiles> pileKeys{};
};

struct CrossStep {
  enum class Kind : std::uint8_t { Home, Pile, Deal };
  Kind kind = Kind::Deal;
  std::uint8_t from = 0;
  std::uint8_t to = 0;
};

struct CrossFoundationRule {
  int base = kAce;
  bool upward = true;
};

// The card's suit and rank, alike for both packs: 0 to 51.
std::uint64_t faceOf(CardNumber card) { return static_cast<std::uint64_t>((card - 1) % kCardsPerPack); }
constexpr int rankOf(CardNumber card) { return (card - 1) % kCardsPerPack % kKing + 1; }
constexpr int suitOf(CardNumber card) { return (card - 1) % kCardsPerPack / kKing; }

// For each face (0 to 51), the foundations, or the piles, that take a card of
// it now, as bits by foundation or pile.
using Takers = std::array<std::uint16_t, kCardsPerPack>;

class CrossRules {
 public:
  using State = CrossState;
  using Step = CrossStep;

  static std::optional<std::pair<CrossRules, CrossState>> of(const SolverStart& start);

  bool won(const State& s) const { return s.cardsLeft == 0; }
  // Some card can never leave its place (see pinned_cards.hpp).
  bool hopeless(const State& s) const;
  int left(const State& s) const { return s.cardsLeft; }
  // For the beam search: cards home, less the cards soon wanted that lie deep.
  int score(const State& s) const;
  int discrepancyRounds() const { return 0; }
  void steps(const State& s, std::vector<Step>& out) const;
  void play(State& s, const Step& step, std::vector<SolverMove>& moves) const;
  PositionKey128 key(const State& s) const;
  // Offer every move, alike foundations and spaces apart.
  void offerEveryMove() { everyMove_ = true; }

 private:
  // Which foundations take each face now.
  Takers takers(const State& s) const;
  // Which piles take each face now on their top card (spaces left out):
  // the rank below in suit, but nothing on the foundations' base rank unless
  // the pile passes it.
  Takers pileTakers(const State& s) const;
  // Whether taking the top card off the pile opens something: the card
  // below it goes on at once, or the pile is emptied.
  bool opens(const State& s, int pile, const Takers& home, const Takers& onto) const;
  // Whether an earlier foundation takes just what this one takes.
  bool twin(const State& s, int f) const;
  // The foundation the card may go to at once (see the top of the file).
  std::optional<int> safeHome(const State& s, CardNumber card, const Takers& home) const;
  // How many cards of the card's suit and rank are home.
  int homeOf(const State& s, CardNumber card) const;
  // The pile's part of the key: its cards by face, from the bottom.
  static std::uint64_t pileKey(const State& s, std::size_t pile);
  static CardNumber topOf(const State& s, int pile) {
    const auto at = static_cast<std::size_t>(pile);
    return s.height[at] == 0 ? kNoCard : s.piles[at][s.height[at] - 1U];
  }

  // The stock in the order it deals.
  std::vector<CardNumber> stock_;
  std::vector<CrossFoundationRule> foundationRules_;
  std::array<bool, kMaxPiles> passBase_{};
  int piles_ = 0;
  // The foundations' base rank, below which the piles build no further.
  int firstBase_ = kAce;
  // How many cards of one suit and rank the packs hold.
  int copies_ = 1;
  // Whether every foundation builds up from the ace or down from the king.
  bool plainEnds_ = true;
  bool everyMove_ = false;
  // Whether the proof of pinned cards holds for the rules.
  bool pinnable_ = false;
  // Whether nothing is ever built on an ace on a pile and each ace has an up
  // foundation of its own (see the top of the file).
  bool acesGoUpAtOnce_ = false;
  // The foundations that build up, as bits.
  std::uint16_t upFoundations_ = 0;
  mutable PinnedCards pinned_{1};
};

std::optional<std::pair<CrossRules, CrossState>> CrossRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != kPlainFamily || p[param::kSelectByClick] != 0 || p[param::kShowWaste] != 0) return std::nullopt;
  if (p[param::kFoundationTakeBack] != 0 || p[param::kReorderFoundations] != 0 || p[param::kHasDiscardPile] != 0) return std::nullopt;
  if (p[param::kMaxCardsMoved] != 1 || p[param::kAutoFillTableau] != 0) return std::nullopt;
  if (state.pilesInUse(PileList::Reserves) != 0 || !state.piles.discard().empty() || !state.piles.waste().empty())
    return std::nullopt;
  CrossRules rules;
  CrossState s;
  rules.piles_ = state.pilesInUse(PileList::Tableau);
  if (rules.piles_ < 1 || rules.piles_ > kMaxPiles) return std::nullopt;
  rules.firstBase_ = p[param::kFoundationBaseRankFirst];
  if (rules.firstBase_ < kAce || rules.firstBase_ > kKing) return std::nullopt;
  for (int t = 0; t < rules.piles_; ++t) {
    const int number = t + 1;
    if (p.perPile(param::kTableauBuildTypeFirst, number) != build_type::kSameSuit) return std::nullopt;
    if (p.perPile(param::kTableauDirectionFirst, number) > 0) return std::nullopt;
    if (p.perPile(param::kTableauBaseRankFirst, number) != base_code::kAnyCard) return std::nullopt;
    if (p.perPile(param::kTableauRowDealFirst, number) != kDealsOntoPile) return std::nullopt;
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
  const int foundations = state.pilesInUse(PileList::Foundations);
  if (foundations < 1 || foundations > kMaxFoundationCount) return std::nullopt;
  for (int f = 0; f < foundations; ++f) {
    CrossFoundationRule rule;
    rule.base = p.perPile(param::kFoundationBaseRankFirst, f + 1);
    rule.upward = p.perPile(param::kFoundationDirectionFirst, f + 1) > 0;
    if (p.perPile(param::kFoundationBuildTypeFirst, f + 1) != build_type::kSameSuit) return std::nullopt;
    if (rule.base < kAce || rule.base > kKing) return std::nullopt;
    rules.foundationRules_.push_back(rule);
    if (rule.upward) rules.upFoundations_ |= static_cast<std::uint16_t>(1U << f);
    if (!(rule.upward ? rule.base == kAce : rule.base == kKing)) rules.plainEnds_ = false;
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Foundations, f));
    if (cards.size() > kFoundationCards) return std::nullopt;
    CrossFoundation& foundation = s.foundations[static_cast<std::size_t>(f)];
    foundation.count = static_cast<std::uint8_t>(cards.size());
    if (!cards.empty()) foundation.top = static_cast<std::uint8_t>(cards.back());
  }
  rules.copies_ = std::max(1, p[param::kCardsInPlay] / kCardsPerPack);
  rules.pinned_ = PinnedCards(rules.copies_);
  const bool aceStaysBare = rules.firstBase_ == kAce &&
                           std::none_of(rules.passBase_.begin(), rules.passBase_.begin() + rules.piles_, [](bool pass) { return pass; });
  rules.pinnable_ = rules.plainEnds_ && aceStaysBare;
  rules.acesGoUpAtOnce_ = aceStaysBare && std::popcount(rules.upFoundations_) >= 4 * rules.copies_;
  const std::vector<CardNumber> stock = cardsOf(state.piles.stock());
  for (std::size_t t = 0; t < static_cast<std::size_t>(rules.piles_); ++t) s.pileKeys[t] = pileKey(s, t);
  rules.stock_.assign(stock.rbegin(), stock.rend());
  s.stockLeft = static_cast<std::uint8_t>(rules.stock_.size());
  s.cardsLeft += static_cast<int>(rules.stock_.size());
  return std::pair{std::move(rules), s};
}

Takers CrossRules::takers(const State& s) const {
  Takers home{};
  for (std::size_t f = 0; f < foundationRules_.size(); ++f) {
    const CrossFoundation& foundation = s.foundations[f];
    const CrossFoundationRule& rule = foundationRules_[f];
    const auto bit = static_cast<std::uint16_t>(1U << f);
    if (foundation.count >= kFoundationCards) continue;
    if (foundation.count == 0) {
      for (int suit = 0; suit < 4; ++suit) home[static_cast<std::size_t>(suit * kKing + rule.base - 1)] |= bit;
      continue;
    }
    const int below = rankOf(foundation.top);
    int rank = 0;
    if (rule.upward)
      rank = below == kKing ? (rule.base != kAce ? kAce : 0) : below + 1;
    else
      rank = below == kAce ? (rule.base != kKing ? kKing : 0) : below - 1;
    if (rank != 0) home[static_cast<std::size_t>(suitOf(foundation.top) * kKing + rank - 1)] |= bit;
  }
  return home;
}

Takers CrossRules::pileTakers(const State& s) const {
  Takers onto{};
  for (int u = 0; u < piles_; ++u) {
    const CardNumber base = topOf(s, u);
    if (base == kNoCard) continue;
    const int below = rankOf(base);
    if (below == firstBase_ && !passBase_[static_cast<std::size_t>(u)]) continue;
    const int rank = below == kAce ? kKing : below - 1;
    onto[static_cast<std::size_t>(suitOf(base) * kKing + rank - 1)] |= static_cast<std::uint16_t>(1U << u);
  }
  return onto;
}

bool CrossRules::twin(const State& s, int f) const {
  if (everyMove_) return false;
  const auto at = static_cast<std::size_t>(f);
  const CrossFoundation& foundation = s.foundations[at];
  for (std::size_t g = 0; g < at; ++g) {
    const CrossFoundation& other = s.foundations[g];
    if (foundationRules_[g].base != foundationRules_[at].base || foundationRules_[g].upward != foundationRules_[at].upward)
      continue;
    if (other.count != foundation.count) continue;
    if (other.count == 0 || faceOf(other.top) == faceOf(foundation.top)) return true;
  }
  return false;
}

bool CrossRules::opens(const State& s, int pile, const Takers& home, const Takers& onto) const {
  const auto at = static_cast<std::size_t>(pile);
  if (s.height[at] <= 1) return s.height[at] == 1;
  const CardNumber below = s.piles[at][s.height[at] - 2U];
  if (home[faceOf(below)] != 0) return true;
  return (onto[faceOf(below)] & ~(1U << pile)) != 0;
}

int CrossRules::score(const State& s) const {
  constexpr int kHomeWorth = 50;
  constexpr int kSoon = 6;
  constexpr int kSpaceWorth = 10;
  // How many cards of its suit must go home before each card can, by face.
  std::array<int, kCardsPerPack> need;
  need.fill(kKing);
  for (std::size_t f = 0; f < foundationRules_.size(); ++f) {
    const CrossFoundation& foundation = s.foundations[f];
    const CrossFoundationRule& rule = foundationRules_[f];
    if (foundation.count == 0) {
      for (int rank = kAce; rank <= kKing; ++rank) {
        const int wanted = std::max(0, rule.upward ? rank - rule.base : rule.base - rank);
        for (int suit = 0; suit < 4; ++suit) {
          int& face = need[static_cast<std::size_t>(suit * kKing + rank - 1)];
          face = std::min(face, wanted);
        }
      }
      continue;
    }
    if (foundation.count >= kFoundationCards) continue;
    const int first = suitOf(foundation.top) * kKing - 1;
    const int top = rankOf(foundation.top);
    if (rule.upward)
      for (int rank = top + 1; rank <= kKing; ++rank) {
        int& face = need[static_cast<std::size_t>(first + rank)];
        face = std::min(face, rank - top - 1);
      }
    else
      for (int rank = kAce; rank < top; ++rank) {
        int& face = need[static_cast<std::size_t>(first + rank)];
        face = std::min(face, top - rank - 1);
      }
  }
  // Only the cards wanted within kSoon cards count, by how deep they lie.
  std::array<int, kCardsPerPack> weight;
  for (std::size_t face = 0; face < need.size(); ++face) weight[face] = std::max(0, kSoon - need[face]);
  int value = kHomeWorth * (static_cast<int>(foundationRules_.size()) * kFoundationCards - s.cardsLeft);
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) {
    if (s.height[t] == 0) value += s.stockLeft == 0 ? kSpaceWorth : 1;
    for (int at = 0; at + 1 < s.height[t]; ++at) {
      const int depth = s.height[t] - 1 - at;
      value -= weight[faceOf(s.piles[t][static_cast<std::size_t>(at)])] * depth;
    }
  }
  return value;
}

bool CrossRules::hopeless(const State& s) const {
  if (!pinnable_) return false;
  std::array<std::span<const std::uint8_t>, kMaxPiles> piles;
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) piles[t] = std::span(s.piles[t].data(), s.height[t]);
  std::array<PinnedFoundation, kMaxFoundationCount> foundations;
  for (std::size_t f = 0; f < foundationRules_.size(); ++f)
    foundations[f] = PinnedFoundation{foundationRules_[f].upward, s.foundations[f].count, s.foundations[f].top};
  return pinned_.lost(std::span(piles.data(), static_cast<std::size_t>(piles_)),
                      std::span(foundations.data(), foundationRules_.size()),
                      std::span(stock_.data() + (stock_.size() - s.stockLeft), s.stockLeft));
}

int CrossRules::homeOf(const State& s, CardNumber card) const {
  const int rank = rankOf(card);
  int home = 0;
  for (std::size_t f = 0; f < foundationRules_.size(); ++f) {
    const CrossFoundation& foundation = s.foundations[f];
    if (foundation.count == 0 || suitOf(foundation.top) != suitOf(card)) continue;
    // Up from the ace it holds the ranks to its count; down from the king, from its top.
    if (foundationRules_[f].upward ? foundation.count >= rank : rankOf(foundation.top) <= rank) ++home;
  }
  return home;
}

std::optional<int> CrossRules::safeHome(const State& s, CardNumber card, const Takers& home) const {
  const std::uint16_t takers = home[faceOf(card)];
  if (!plainEnds_ || takers == 0) return std::nullopt;
  const int rank = rankOf(card);
  // Nothing is ever built on the card: no copy of the rank below is left
  // out, or it is an ace, nothing goes onto aces, and there are up
  // foundations enough for every ace.
  const bool bare = rank == kAce ? acesGoUpAtOnce_ : homeOf(s, card - 1) >= copies_;
  if (!bare) return std::nullopt;
  if (rank == kKing || (rank != kAce && homeOf(s, card + 1) >= copies_)) return std::countr_zero(takers);
  const auto upward = static_cast<std::uint16_t>(takers & upFoundations_);
  if (upward == 0) return std::nullopt;
  return std::countr_zero(upward);
}

void CrossRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  const Takers home = takers(s);
  if (!everyMove_)
    for (int t = 0; t < piles_; ++t) {
      const CardNumber card = topOf(s, t);
      if (card == kNoCard) continue;
      if (const std::optional<int> f = safeHome(s, card, home)) {
        out.push_back(Step{Step::Kind::Home, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(*f)});
        return;
      }
    }
  for (int t = 0; t < piles_; ++t) {
    const CardNumber card = topOf(s, t);
    if (card == kNoCard) continue;
    for (std::uint16_t bits = home[faceOf(card)]; bits != 0; bits &= static_cast<std::uint16_t>(bits - 1U)) {
      const int f = std::countr_zero(bits);
      if (!twin(s, f))
        out.push_back(Step{Step::Kind::Home, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(f)});
    }
  }
  // Then the moves that open something, the deal, and the others last.
  const Takers onto = pileTakers(s);
  std::array<bool, kMaxPiles> opening{};
  for (int t = 0; t < piles_; ++t) opening[static_cast<std::size_t>(t)] = opens(s, t, home, onto);
  const auto addMoves = [&](bool open) {
    for (int t = 0; t < piles_; ++t) {
      const auto from = static_cast<std::size_t>(t);
      if (s.height[from] == 0 || opening[from] != open) continue;
      const CardNumber card = topOf(s, t);
      const auto others = static_cast<std::uint16_t>(onto[faceOf(card)] & ~(1U << t));
      for (std::uint16_t bits = others; bits != 0; bits &= static_cast<std::uint16_t>(bits - 1U))
        out.push_back(Step{Step::Kind::Pile, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(std::countr_zero(bits))});
      // Onto spaces. Once the stock is used up, the spaces are alike, and a
      // card alone on its pile only changes places.
      if (!everyMove_ && s.stockLeft == 0 && s.height[from] == 1) continue;
      for (int u = 0; u < piles_; ++u) {
        if (u == t || s.height[static_cast<std::size_t>(u)] != 0) continue;
        out.push_back(Step{Step::Kind::Pile, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(u)});
        if (!everyMove_ && s.stockLeft == 0) break;
      }
    }
  };
  addMoves(true);
  if (s.stockLeft > 0) out.push_back(Step{Step::Kind::Deal, 0, 0});
  addMoves(false);
}

void CrossRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  switch (step.kind) {
    case Step::Kind::Deal: {
      for (std::size_t t = 0; t < static_cast<std::size_t>(piles_) && s.stockLeft > 0; ++t) {
        const CardNumber card = stock_[stock_.size() - s.stockLeft];
        --s.stockLeft;
        s.piles[t][s.height[t]++] = static_cast<std::uint8_t>(card);
        s.pileKeys[t] = pileKey(s, t);
      }
      moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
      return;
    }
    case Step::Kind::Home: {
      const CardNumber card = s.piles[step.from][--s.height[step.from]];
      s.pileKeys[step.from] = pileKey(s, step.from);
      CrossFoundation& foundation = s.foundations[step.to];
      foundation.top = static_cast<std::uint8_t>(card);
      ++foundation.count;
      --s.cardsLeft;
      moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, step.to}});
      return;
    }
    case Step::Kind::Pile: {
      const std::uint8_t card = s.piles[step.from][--s.height[step.from]];
      s.piles[step.to][s.height[step.to]++] = card;
      s.pileKeys[step.from] = pileKey(s, step.from);
      s.pileKeys[step.to] = pileKey(s, step.to);
      moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, step.to}});
      return;
    }
  }
}

std::uint64_t CrossRules::pileKey(const State& s, std::size_t pile) {
  KeyHasher one;
  std::uint64_t packed = s.height[pile];
  for (std::size_t at = 0; at < s.height[pile]; ++at) {
    packed = packed << 8 | faceOf(s.piles[pile][at]);
    if (at % 7 == 6) {
      one.add(packed);
      packed = 0;
    }
  }
  one.add(packed);
  return one.key().high;
}

PositionKey128 CrossRules::key(const State& s) const {
  KeyHasher hasher;
  hasher.add(s.stockLeft);
  std::array<std::uint64_t, kMaxPiles> piles = s.pileKeys;
  if (s.stockLeft == 0) std::sort(piles.begin(), piles.begin() + piles_);
  for (std::size_t t = 0; t < static_cast<std::size_t>(piles_); ++t) hasher.add(piles[t]);
  const std::size_t foundations = foundationRules_.size();
  if (plainEnds_ && copies_ <= kMostTopsAlike) {
    // A foundation up from the ace or down from the king is told by its top
    // alone: each kind as how many foundations have each face on top, two
    // bits a face, the empty ones being the rest. No sorting needed.
    std::array<std::uint64_t, 4> tops{};
    for (std::size_t f = 0; f < foundations; ++f) {
      const CrossFoundation& foundation = s.foundations[f];
      if (foundation.count == 0) continue;
      const std::uint64_t face = faceOf(foundation.top);
      tops[(foundationRules_[f].upward ? 0 : 2) + face / 32] += std::uint64_t{1} << (2 * (face % 32));
    }
    for (const std::uint64_t word : tops) hasher.add(word);
    return hasher.key();
  }
  std::array<std::uint64_t, kMaxFoundationCount> codes{};
  for (std::size_t f = 0; f < foundations; ++f) {
    const CrossFoundation& foundation = s.foundations[f];
    codes[f] = static_cast<std::uint64_t>(foundationRules_[f].base) << 24 |
               static_cast<std::uint64_t>(foundationRules_[f].upward ? 1 : 0) << 20 |
               static_cast<std::uint64_t>(foundation.count) << 8 | (foundation.count == 0 ? 0xFFU : faceOf(foundation.top));
  }
  std::sort(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(foundations));
  for (std::size_t f = 0; f < foundations; ++f) hasher.add(codes[f]);
  return hasher.key();
}

}  // namespace

std::optional<SolveResult> crossroadsSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  auto table = CrossRules::of(start);
  if (!table) return std::nullopt;
  // First beams of the best positions, ever wider, on part of the budget,
  // for a win; then every move depth first on what is left, where a loss is
  // proved.
  const std::int64_t beamNodes = std::min(budget.nodes / 4 * kBeamQuarters, kMostBeamNodes);
  return beamsThenEveryMove(table->first, table->second, start, budget, beamNodes,
                            {kFirstBeamWidth, kBeamWidening, kMostBeamWidth}, stop);
}

std::optional<std::vector<SolverMove>> crossroadsMoves(const SolverStart& start) {
  return compactFirstMoves<CrossRules>(start);
}

}  // namespace quilloro::solver
