// Depth-first search for the games whose tableau is a row of single cards that
// only go home (Sultan's divan), each gap filled at once by the engine from
// the top of the waste, or of the stock when the waste is empty. The stock and
// the waste keep their cards in one fixed order (a redeal turns the waste over
// whole), so both are told by which cards of that order are gone and how far
// the stock has been turned. The cards of the row, and the twin cards of two
// packs, count alike wherever they lie in the key.
#include "engine/solver/divan_search.hpp"

#include <algorithm>
#include <array>

#include "engine/build_types.hpp"
#include "engine/solver/compact_search.hpp"
#include "engine/solver/start_checks.hpp"
#include "engine/solver/stock_order.hpp"

namespace quilloro::solver {

namespace {

constexpr int kPlainFamily = 0;
constexpr int kFillFromWaste = 2;
constexpr int kWasteNeverTarget = 4;
constexpr int kMaxRow = 10;
constexpr int kMaxFoundationCount = 16;
constexpr int kDeckWords = 2;
constexpr int kFoundationCards = 13;
constexpr int kDiscrepancyRounds = 6;

struct DivanState {
  std::array<std::uint64_t, kDeckWords> gone{};
  std::uint8_t turned = 0;
  std::uint8_t redeals = 0;
  std::array<std::uint8_t, kMaxRow> row{};
  std::array<std::uint8_t, kMaxFoundationCount> count{};
  std::array<std::uint8_t, kMaxFoundationCount> top{};
  int cardsLeft = 0;
};

struct DivanStep {
  enum class Kind : std::uint8_t { Stock, RowToFoundation, WasteToFoundation };
  Kind kind = Kind::Stock;
  std::uint8_t from = 0;  // the row's pile, or the waste card's place in the deck
  std::uint8_t to = 0;
};

class DivanRules {
 public:
  using State = DivanState;
  using Step = DivanStep;

  static std::optional<std::pair<DivanRules, DivanState>> of(const SolverStart& start);

  bool won(const State& s) const { return s.cardsLeft == 0; }
  bool hopeless(const State&) const { return false; }
  int left(const State& s) const { return s.cardsLeft; }
  int discrepancyRounds() const { return kDiscrepancyRounds; }
  void steps(const State& s, std::vector<Step>& out) const;
  void play(State& s, const Step& step, std::vector<SolverMove>& moves) const;
  PositionKey128 key(const State& s) const;
  // Offer every move, alike foundations apart.
  void offerEveryMove() { everyMove_ = true; }

 private:
  int wasteTop(const State& s) const { return wasteTopOf(s); }
  int stockTop(const State& s) const {
    for (int at = s.turned; at < static_cast<int>(deck_.size()); ++at)
      if (!isGone(s, at)) return at;
    return -1;
  }
  bool accepts(const State& s, int f, CardNumber card) const;
  // Whether an earlier foundation takes just what this one takes.
  bool twin(const State& s, int f) const;
  // The click on the stock as the engine makes it; false when it changes nothing.
  bool click(State& s) const;
  // The engine's filling of the gaps in the row, after every card played.
  void fill(State& s) const;
  void home(State& s, int f, CardNumber card, std::vector<SolverMove>& moves) const;

  std::vector<CardNumber> deck_;
  std::vector<int> base_;
  std::vector<int> suit_;
  int rowSize_ = 0;
  int cardsPerClick_ = 1;
  int passes_ = 1;
  bool everyMove_ = false;
};

std::optional<std::pair<DivanRules, DivanState>> DivanRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != kPlainFamily || p[param::kSelectByClick] != 0 || p[param::kShowWaste] != 1) return std::nullopt;
  if (p[param::kRedealReshuffles] != 0 || p[param::kFoundationTakeBack] != 0 || p[param::kReorderFoundations] != 0) return std::nullopt;
  if (p[param::kWasteNeverTarget] != kWasteNeverTarget || p[param::kHasDiscardPile] != 0) return std::nullopt;
  if (p[param::kAutoFillTableau] != kFillFromWaste) return std::nullopt;
  if (state.pilesInUse(PileList::Reserves) != 0 || !state.piles.discard().empty()) return std::nullopt;
  DivanRules rules;
  DivanState s;
  rules.rowSize_ = state.pilesInUse(PileList::Tableau);
  if (rules.rowSize_ < 1 || rules.rowSize_ > kMaxRow) return std::nullopt;
  for (int t = 0; t < rules.rowSize_; ++t) {
    if (p[param::kTableauBuildTypeFirst + t] != build_type::kNothing || p[param::kTableauRowDealFirst + t] != 0) return std::nullopt;
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Tableau, t));
    if (cards.size() > 1 || (cards.size() == 1 && state.isFaceDown(cards[0]))) return std::nullopt;
    s.row[static_cast<std::size_t>(t)] = cards.empty() ? kNoCard : static_cast<std::uint8_t>(cards[0]);
    s.cardsLeft += static_cast<int>(cards.size());
  }
  const int foundations = state.pilesInUse(PileList::Foundations);
  if (foundations < 1 || foundations > kMaxFoundationCount) return std::nullopt;
  for (int f = 0; f < foundations; ++f) {
    // Foundations that build up in suit from the card dealt on them.
    if (p.perPile(param::kFoundationBuildTypeFirst, f + 1) != build_type::kSameSuit) return std::nullopt;
    if (p.perPile(param::kFoundationDirectionFirst, f + 1) <= 0) return std::nullopt;
    const int base = p.perPile(param::kFoundationBaseRankFirst, f + 1);
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Foundations, f));
    if (cards.empty() || cards.size() > kFoundationCards || base < kAce || base > kKing || cardRank(cards.front()) != base)
      return std::nullopt;
    rules.base_.push_back(base);
    rules.suit_.push_back(static_cast<int>(cardSuit(cards.front())));
    s.count[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(cards.size());
    s.top[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(cards.back());
  }
  rules.passes_ = p[param::kStockPasses];
  if (rules.passes_ != kUnlimitedStockPasses && rules.passes_ < 1) return std::nullopt;
  rules.cardsPerClick_ = std::max<int>(1, p[param::kCardsPerClick]);
  // The deck: the waste from its bottom, then the stock in the order it turns.
  rules.deck_ = cardsOf(state.piles.waste());
  s.turned = static_cast<std::uint8_t>(rules.deck_.size());
  const std::vector<CardNumber> stock = cardsOf(state.piles.stock());
  rules.deck_.insert(rules.deck_.end(), stock.rbegin(), stock.rend());
  if (rules.deck_.size() > kDeckWords * 64) return std::nullopt;
  s.cardsLeft += static_cast<int>(rules.deck_.size());
  if (rules.passes_ != kUnlimitedStockPasses) {
    if (start.redealCount < 0 || start.redealCount > rules.passes_) return std::nullopt;
    s.redeals = static_cast<std::uint8_t>(start.redealCount);
  }
  // A gap left while cards wait in the waste or the stock is not a position
  // the engine leaves.
  if (std::count(s.row.begin(), s.row.begin() + rules.rowSize_, kNoCard) > 0 && !rules.deck_.empty()) return std::nullopt;
  return std::pair{std::move(rules), s};
}

bool DivanRules::accepts(const State& s, int f, CardNumber card) const {
  const auto at = static_cast<std::size_t>(f);
  if (s.count[at] >= kFoundationCards || static_cast<int>(cardSuit(card)) != suit_[at]) return false;
  const int rank = cardRank(card);
  const int below = cardRank(s.top[at]);
  if (below == kKing) return rank == kAce && base_[at] != kAce;
  return rank == below + 1;
}

bool DivanRules::twin(const State& s, int f) const {
  if (everyMove_) return false;
  const auto at = static_cast<std::size_t>(f);
  for (std::size_t g = 0; g < at; ++g)
    if (base_[g] == base_[at] && suit_[g] == suit_[at] && s.count[g] == s.count[at] &&
        cardRank(s.top[g]) == cardRank(s.top[at]))
      return true;
  return false;
}

bool DivanRules::click(State& s) const {
  return clickStockOrder(s, static_cast<int>(deck_.size()), cardsPerClick_, passes_);
}

void DivanRules::fill(State& s) const {
  for (int t = 0; t < rowSize_; ++t) {
    std::uint8_t& gap = s.row[static_cast<std::size_t>(t)];
    if (gap != kNoCard) continue;
    int at = wasteTop(s);
    if (at < 0) at = stockTop(s);
    if (at < 0) return;
    setGone(s, at);
    gap = static_cast<std::uint8_t>(deck_[static_cast<std::size_t>(at)]);
  }
}

void DivanRules::home(State& s, int f, CardNumber card, std::vector<SolverMove>& moves) const {
  const auto at = static_cast<std::size_t>(f);
  ++s.count[at];
  s.top[at] = static_cast<std::uint8_t>(card);
  --s.cardsLeft;
  moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, f}});
}

void DivanRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  const int foundations = static_cast<int>(base_.size());
  for (int t = 0; t < rowSize_; ++t) {
    const CardNumber card = s.row[static_cast<std::size_t>(t)];
    if (card == kNoCard) continue;
    for (int f = 0; f < foundations; ++f)
      if (accepts(s, f, card) && !twin(s, f))
        out.push_back(Step{Step::Kind::RowToFoundation, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(f)});
  }
  if (const int top = wasteTop(s); top >= 0)
    for (int f = 0; f < foundations; ++f)
      if (accepts(s, f, deck_[static_cast<std::size_t>(top)]) && !twin(s, f))
        out.push_back(Step{Step::Kind::WasteToFoundation, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(f)});
  State clicked = s;
  if (click(clicked)) out.push_back(Step{Step::Kind::Stock, 0, 0});
}

void DivanRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  switch (step.kind) {
    case Step::Kind::Stock:
      click(s);
      moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
      return;
    case Step::Kind::RowToFoundation: {
      std::uint8_t& card = s.row[step.from];
      const CardNumber played = card;
      card = kNoCard;
      home(s, step.to, played, moves);
      break;
    }
    case Step::Kind::WasteToFoundation:
      setGone(s, step.from);
      home(s, step.to, deck_[step.from], moves);
      break;
  }
  fill(s);
}

PositionKey128 DivanRules::key(const State& s) const {
  // The two packs' cards of one suit and rank play alike.
  auto face = [](CardNumber card) -> std::uint64_t {
    return card == kNoCard ? 0U : static_cast<std::uint64_t>(cardSuit(card)) << 4 | static_cast<std::uint64_t>(cardRank(card));
  };
  KeyHasher hasher;
  for (const std::uint64_t word : s.gone) hasher.add(word);
  hasher.add(static_cast<std::uint64_t>(s.turned) | static_cast<std::uint64_t>(s.redeals) << 8);
  // The row holds the same whichever of its piles holds what.
  std::array<std::uint64_t, kMaxRow> row{};
  for (std::size_t t = 0; t < static_cast<std::size_t>(rowSize_); ++t) row[t] = face(s.row[t]);
  std::sort(row.begin(), row.begin() + rowSize_);
  std::uint64_t packed = 0;
  for (std::size_t t = 0; t < static_cast<std::size_t>(rowSize_); ++t) {
    packed = packed << 6 | row[t];
    if (t % 8 == 7) {
      hasher.add(packed);
      packed = 0;
    }
  }
  hasher.add(packed);
  // So do the foundations that take alike.
  std::array<std::uint64_t, kMaxFoundationCount> codes{};
  const std::size_t foundations = base_.size();
  for (std::size_t f = 0; f < foundations; ++f)
    codes[f] = static_cast<std::uint64_t>(base_[f]) << 16 | static_cast<std::uint64_t>(suit_[f]) << 12 |
               static_cast<std::uint64_t>(s.count[f]) << 4 | static_cast<std::uint64_t>(cardRank(s.top[f]));
  std::sort(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(foundations));
  for (std::size_t f = 0; f < foundations; ++f) hasher.add(codes[f]);
  return hasher.key();
}

}  // namespace

std::optional<SolveResult> divanSolve(const SolverStart& start, const Budget& budget, const std::atomic<bool>* stop) {
  return solveCompact<DivanRules>(start, budget, stop);
}

std::optional<std::vector<SolverMove>> divanMoves(const SolverStart& start) {
  return compactFirstMoves<DivanRules>(start);
}

}  // namespace quilloro::solver
