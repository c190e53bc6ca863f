// The rules of the games played from the stock onto foundations: how they are
// read from the game's parameters, the steps the engine allows, and the cuts.
#include "engine/solver/stock_waste_rules.hpp"

#include <algorithm>
#include <bit>

#include "engine/build_types.hpp"
#include "engine/move_rules.hpp"
#include "engine/solver/start_checks.hpp"

namespace quilloro::solver::stock_waste {

namespace {

// Four bits a rank, sixteen ranks a word.
constexpr int kRanksAWord = 16;

}  // namespace

std::optional<std::pair<StockWasteRules, StockState>> StockWasteRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  const int family = p[param::kGameFamily];
  if (family != kFamilyPlain && family != kFamilyRankHints) return std::nullopt;
  if (p[param::kSelectByClick] != 0 || p[param::kShowWaste] != 1 || p[param::kRedealReshuffles] != 0) return std::nullopt;
  if (p[param::kFoundationTakeBack] != 0 || p[param::kReorderFoundations] != 0) return std::nullopt;
  if (p[param::kWasteNeverTarget] != kWasteNeverTarget || p[param::kHasDiscardPile] != 0) return std::nullopt;
  if (state.pilesInUse(PileList::Reserves) != 0 || !state.piles.discard().empty()) return std::nullopt;
  StockWasteRules rules;
  StockState s;
  rules.piles_ = state.pilesInUse(PileList::Tableau);
  if (rules.piles_ > kMaxPiles) return std::nullopt;
  for (int t = 0; t < rules.piles_; ++t) {
    const int type = p[param::kTableauBuildTypeFirst + t];
    if (type != build_type::kNotFromTableau && type != build_type::kNothing) return std::nullopt;
    if (type != p[param::kTableauBuildTypeFirst]) return std::nullopt;
    if (p[param::kTableauRowDealFirst + t] != 0) return std::nullopt;
  }
  rules.pilesTakeFromWaste_ = rules.piles_ > 0 && p[param::kTableauBuildTypeFirst] == build_type::kNotFromTableau;
  const int foundations = state.pilesInUse(PileList::Foundations);
  if (foundations > kMaxFoundationCount) return std::nullopt;
  for (int f = 0; f < foundations; ++f) {
    FoundationRule rule;
    rule.baseCode = p.perPile(param::kFoundationBaseRankFirst, f + 1);
    rule.upward = p.perPile(param::kFoundationDirectionFirst, f + 1) > 0;
    rule.buildType = p.perPile(param::kFoundationBuildTypeFirst, f + 1);
    switch (rule.buildType) {
      case build_type::kSameSuit:
      case build_type::kAnySuit:
      case build_type::kSuitOfBottomCard:
        if (rule.baseCode != base_code::kAnyCard && (rule.baseCode < kAce || rule.baseCode > kKing)) return std::nullopt;
        break;
      case build_type::kQueensOnEmpty:
      case build_type::kStepOfTwo:
      case build_type::kStepOfThree:
      case build_type::kStepOfFour:
        break;
      default:
        return std::nullopt;
    }
    rule.group = f;
    // Foundations that climb in step with the one before are never alike.
    if (rule.buildType != build_type::kSuitOfBottomCard) {
      for (int g = 0; g < f; ++g) {
        const FoundationRule& other = rules.foundationRules_[static_cast<std::size_t>(g)];
        if (other.baseCode == rule.baseCode && other.upward == rule.upward && other.buildType == rule.buildType) {
          rule.group = other.group;
          break;
        }
      }
    }
    rules.foundationRules_.push_back(rule);
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Foundations, f));
    if (static_cast<int>(cards.size()) > kFoundationCards) return std::nullopt;
    Foundation& foundation = s.foundations[static_cast<std::size_t>(f)];
    foundation.count = static_cast<std::uint8_t>(cards.size());
    for (const CardNumber card : cards) foundation.ranks |= static_cast<std::uint16_t>(1U << rankOf(card));
    if (!cards.empty()) {
      foundation.top = static_cast<std::uint8_t>(cards.back());
      foundation.bottom = static_cast<std::uint8_t>(cards.front());
    }
  }
  rules.passes_ = p[param::kStockPasses];
  if (rules.passes_ != kUnlimitedStockPasses && rules.passes_ < 1) return std::nullopt;
  rules.onePack_ = p[param::kCardsInPlay] <= kCardsPerPack;
  rules.cardsPerClick_ = std::max<int>(1, p[param::kCardsPerClick]);
  const auto allFoundations = [&](auto test) { return std::all_of(rules.foundationRules_.begin(), rules.foundationRules_.end(), test); };
  rules.climbing_ = rules.onePack_ && !rules.pilesTakeFromWaste_ && foundations > 0 &&
                    rules.foundationRules_[0].baseCode >= kAce &&
                    allFoundations([](const FoundationRule& rule) { return rule.buildType == build_type::kSuitOfBottomCard; });
  rules.wasteOnlyInSuit_ = rules.onePack_ && rules.piles_ == 0 && rules.cardsPerClick_ == 1 && foundations > 0 &&
                           allFoundations([](const FoundationRule& rule) {
                             return rule.buildType == build_type::kSameSuit || rule.buildType == build_type::kQueensOnEmpty;
                           });
  rules.ranksOnce_ = p[param::kCardsInPlay] == kCardsPerPack && foundations == 4 &&
                     allFoundations([](const FoundationRule& rule) {
                       if (rule.buildType == build_type::kAnySuit) return rule.upward && rule.baseCode == kAce;
                       return rule.buildType >= build_type::kStepOfTwo && rule.buildType <= build_type::kStepOfFour;
                     });
  rules.climbsByOne_ = allFoundations([](const FoundationRule& rule) { return rule.buildType == build_type::kAnySuit; });
  rules.packs_ = std::max(1, p[param::kCardsInPlay] / kCardsPerPack);
  const auto countWay = [&](bool upward, int base) {
    return std::count_if(rules.foundationRules_.begin(), rules.foundationRules_.end(), [&](const FoundationRule& rule) {
      return rule.buildType == build_type::kSameSuit && rule.upward == upward && rule.baseCode == base;
    });
  };
  rules.suitsAlone_ = rules.piles_ == 0 && rules.cardsPerClick_ == 1 && rules.passes_ != kUnlimitedStockPasses &&
                      countWay(true, kAce) == 4 * rules.packs_ && countWay(false, kKing) == 4 * rules.packs_ &&
                      foundations == 8 * rules.packs_;
  // The deck: the waste from its bottom, then the stock in the order it turns.
  rules.deck_ = cardsOf(state.piles.waste());
  s.turned = static_cast<std::uint8_t>(rules.deck_.size());
  const std::vector<CardNumber> stock = cardsOf(state.piles.stock());
  rules.deck_.insert(rules.deck_.end(), stock.rbegin(), stock.rend());
  if (rules.deck_.size() > kDeckWords * 64) return std::nullopt;
  s.cardsLeft = static_cast<int>(rules.deck_.size());
  for (const CardNumber card : rules.deck_) rules.suitRanks_[static_cast<std::size_t>(cardSuit(card))].push_back(rankOf(card));
  rules.findTwins();
  if (rules.passes_ != kUnlimitedStockPasses) {
    if (start.redealCount < 0 || start.redealCount > rules.passes_) return std::nullopt;
    s.redeals = static_cast<std::uint8_t>(start.redealCount);
  }
  for (int t = 0; t < rules.piles_; ++t) {
    const std::vector<CardNumber> cards = cardsOf(state.piles.pile(PileList::Tableau, t));
    // Face-down cards lie only under the face-up ones.
    int faceDown = 0;
    while (faceDown < static_cast<int>(cards.size()) && state.isFaceDown(cards[static_cast<std::size_t>(faceDown)])) ++faceDown;
    for (std::size_t at = static_cast<std::size_t>(faceDown); at < cards.size(); ++at)
      if (state.isFaceDown(cards[at])) return std::nullopt;
    // A face-down card on top waits for a turn the search does not make.
    if (faceDown > 0 && faceDown == static_cast<int>(cards.size())) return std::nullopt;
    if (rules.pilesTakeFromWaste_ ? cards.size() + rules.deck_.size() > kPileCapacity : cards.size() > kPileCapacity)
      return std::nullopt;
    const auto pile = static_cast<std::size_t>(t);
    s.height[pile] = static_cast<std::uint8_t>(cards.size());
    s.faceDown[pile] = static_cast<std::uint8_t>(faceDown);
    std::copy(cards.begin(), cards.end(), s.piles[pile].begin());
    s.cardsLeft += static_cast<int>(cards.size());
  }
  return std::pair{std::move(rules), s};
}

bool StockWasteRules::accepts(const State& s, int f, CardNumber card) const {
  const Foundation& foundation = s.foundations[static_cast<std::size_t>(f)];
  const FoundationRule& rule = foundationRules_[static_cast<std::size_t>(f)];
  if (rule.buildType == build_type::kQueensOnEmpty) return rankOf(card) == kQueen && foundation.count == 0;
  if (foundation.count >= kFoundationCards) return false;
  const int m = rankOf(card);
  const bool empty = foundation.count == 0;
  const int b = empty ? 0 : rankOf(foundation.top);
  switch (rule.buildType) {
    case build_type::kSuitOfBottomCard:
      if (empty) {
        if (rule.baseCode != base_code::kAnyCard && m != rule.baseCode) return false;
      } else if (cardSuit(card) != cardSuit(foundation.bottom)) {
        return false;
      }
      return f == 0 || (s.foundations[static_cast<std::size_t>(f - 1)].ranks & (1U << m)) != 0;
    case build_type::kStepOfTwo:
    case build_type::kStepOfThree:
    case build_type::kStepOfFour: {
      const int step = rule.buildType - build_type::kStepOfTwo + 2;
      return m == b + step || m == (b + step) % 13;
    }
    default:
      break;
  }
  if (empty) return m == rule.baseCode || rule.baseCode == base_code::kAnyCard;
  if (rule.buildType == build_type::kSameSuit && cardSuit(card) != cardSuit(foundation.top)) return false;
  if (rule.upward) return b == kKing ? m == kAce && rule.baseCode != kAce : m == b + 1;
  return b == kAce ? m == kKing && rule.baseCode != kKing : m == b - 1;
}

bool StockWasteRules::click(State& s) const {
  return clickStockOrder(s, static_cast<int>(deck_.size()), cardsPerClick_, passes_);
}

bool StockWasteRules::tableauDeadlocked(const State& s) const {
  constexpr int kSuits = 4;
  constexpr int kMaxCards = kMaxPiles * kPileCapacity;
  // Each tableau card by rank and suit; the foundation each suit climbs on.
  std::array<std::array<int, kSuits>, kKing + 1> node{};
  for (auto& ranks : node) ranks.fill(-1);
  std::array<int, kSuits> suitFoundation{-1, -1, -1, -1};
  for (std::size_t f = 0; f < foundationRules_.size(); ++f)
    if (s.foundations[f].count > 0) suitFoundation[static_cast<std::size_t>(cardSuit(s.foundations[f].bottom))] = static_cast<int>(f);
  std::vector<CardNumber> cards;
  for (int t = 0; t < piles_; ++t)
    for (std::size_t at = 0; at < s.height[static_cast<std::size_t>(t)]; ++at) {
      const CardNumber card = s.piles[static_cast<std::size_t>(t)][at];
      node[static_cast<std::size_t>(rankOf(card))][static_cast<std::size_t>(cardSuit(card))] = static_cast<int>(cards.size());
      cards.push_back(card);
    }
  if (cards.size() > kMaxCards || cards.size() > 64) return false;
  // before[v]: the cards that must be gone before card v.
  std::vector<std::uint64_t> before(cards.size(), 0);
  int at = 0;
  for (int t = 0; t < piles_; ++t)
    for (std::size_t h = 0; h < s.height[static_cast<std::size_t>(t)]; ++h, ++at)
      if (h + 1 < s.height[static_cast<std::size_t>(t)]) before[static_cast<std::size_t>(at)] |= std::uint64_t{1} << (at + 1);
  const int base = foundationRules_[0].baseCode;
  for (std::size_t v = 0; v < cards.size(); ++v) {
    const int rank = rankOf(cards[v]);
    const auto suit = static_cast<std::size_t>(cardSuit(cards[v]));
    const int own = suitFoundation[suit];
    for (std::size_t other = 0; other < kSuits; ++other) {
      const int index = suitFoundation[other];
      // Every foundation below a card's own holds its rank before it comes.
      if (other == suit || index < 0 || (own >= 0 && index >= own)) continue;
      const int needed = node[static_cast<std::size_t>(rank)][other];
      if (needed >= 0) before[v] |= std::uint64_t{1} << needed;
    }
    // A suit not yet begun begins with its card of the base rank.
    if (own < 0 && rank != base) {
      const int needed = node[static_cast<std::size_t>(base)][suit];
      if (needed >= 0) before[v] |= std::uint64_t{1} << needed;
    }
  }
  // A circle: some card can never be the first of those left to go.
  std::uint64_t left = cards.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << cards.size()) - 1;
  for (bool removed = true; removed && left != 0;) {
    removed = false;
    for (std::size_t v = 0; v < cards.size(); ++v)
      if (((left >> v) & 1U) != 0 && (before[v] & left) == 0) {
        left &= ~(std::uint64_t{1} << v);
        removed = true;
      }
  }
  return left != 0;
}

bool StockWasteRules::ranksStuck(const State& s) const {
  RankHomeView& view = rankView_;
  view.needs.resize(foundationRules_.size());
  for (std::size_t f = 0; f < foundationRules_.size(); ++f) {
    const Foundation& foundation = s.foundations[f];
    std::vector<int>& needs = view.needs[f];
    needs.clear();
    // An empty foundation stepping by more than one is not a start the bound knows.
    if (foundation.count == 0 && foundationRules_[f].buildType != build_type::kAnySuit) return false;
    int rank = foundation.count == 0 ? foundationRules_[f].baseCode : nextRank(static_cast<int>(f), rankOf(foundation.top));
    if (rank < kAce || rank > kKing) return false;
    for (int count = foundation.count; count < kFoundationCards; ++count) {
      needs.push_back(rank);
      rank = nextRank(static_cast<int>(f), rank);
    }
  }
  view.piles.resize(static_cast<std::size_t>(piles_));
  for (std::size_t t = 0; t < view.piles.size(); ++t) {
    view.piles[t].clear();
    for (std::size_t at = 0; at < s.height[t]; ++at) view.piles[t].push_back(rankOf(s.piles[t][at]));
  }
  view.atHand.fill(0);
  for (std::size_t at = 0; at < deck_.size(); ++at)
    if (!isGone(s, static_cast<int>(at))) ++view.atHand[static_cast<std::size_t>(rankOf(deck_[at]))];
  return ranksCannotAllGoHome(view);
}

bool StockWasteRules::aSuitStuck(const State& s) const {
  constexpr int kSuits = 4;
  constexpr int kEmptyDown = 14;
  // Kept from one call to the next, so that their lists keep their room.
  std::array<SuitAlone, kSuits>& games = suitGames_;
  for (std::size_t suit = 0; suit < kSuits; ++suit) {
    SuitAlone& game = games[suit];
    game.ranks = &suitRanks_[suit];
    game.redealsLeft = passes_ - s.redeals;
    game.home = 0;
    game.turned = 0;
    game.up.clear();
    game.down.clear();
  }
  std::array<int, kSuits> seen{};
  for (std::size_t at = 0; at < deck_.size(); ++at) {
    const auto suit = static_cast<std::size_t>(cardSuit(deck_[at]));
    SuitAlone& game = games[suit];
    if (isGone(s, static_cast<int>(at))) game.home |= std::uint32_t{1} << seen[suit];
    ++seen[suit];
    if (static_cast<int>(at) < s.turned) game.turned = seen[suit];
  }
  for (std::size_t f = 0; f < foundationRules_.size(); ++f) {
    const Foundation& foundation = s.foundations[f];
    if (foundation.count == 0) continue;
    SuitAlone& game = games[static_cast<std::size_t>(cardSuit(foundation.bottom))];
    (foundationRules_[f].upward ? game.up : game.down).push_back(rankOf(foundation.top));
  }
  for (std::size_t suit = 0; suit < kSuits; ++suit) {
    SuitAlone& game = games[suit];
    // Every ace or king still out finds an empty foundation of its own.
    while (static_cast<int>(game.up.size()) < packs_) game.up.push_back(0);
    while (static_cast<int>(game.down.size()) < packs_) game.down.push_back(kEmptyDown);
    if (suitBound_.cannotComeHome(static_cast<int>(suit), game)) return true;
  }
  return false;
}

std::optional<StockStep> StockWasteRules::safeHomeStep(const State& s) const {
  auto safe = [&](CardNumber card) -> std::optional<int> {
    const int rank = rankOf(card);
    int taking = 0;
    int first = -1;
    int out = 4;
    for (int f = 0; f < 4; ++f) {
      if ((s.foundations[static_cast<std::size_t>(f)].ranks & (1U << rank)) != 0) --out;
      if (!accepts(s, f, card)) continue;
      ++taking;
      if (first < 0) first = f;
    }
    if (first >= 0 && taking >= out) return first;
    return std::nullopt;
  };
  for (int t = 0; t < piles_; ++t) {
    const auto pile = static_cast<std::size_t>(t);
    if (s.height[pile] == 0) continue;
    if (const auto f = safe(s.piles[pile][s.height[pile] - 1U]))
      return Step{Step::Kind::PileToFoundation, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(*f)};
  }
  const int top = wasteTop(s);
  if (top >= 0)
    if (const auto f = safe(deck_[static_cast<std::size_t>(top)]))
      return Step{Step::Kind::WasteToFoundation, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(*f)};
  return std::nullopt;
}

std::optional<StockStep> StockWasteRules::safeInSuitStep(const State& s) const {
  const int top = wasteTop(s);
  if (top < 0) return std::nullopt;
  const CardNumber card = deck_[static_cast<std::size_t>(top)];
  for (int f = 0; f < static_cast<int>(foundationRules_.size()); ++f)
    if (foundationRules_[static_cast<std::size_t>(f)].buildType == build_type::kSameSuit && accepts(s, f, card))
      return Step{Step::Kind::WasteToFoundation, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(f)};
  return std::nullopt;
}

int StockWasteRules::nextRank(int f, int rank) const {
  const FoundationRule& rule = foundationRules_[static_cast<std::size_t>(f)];
  switch (rule.buildType) {
    case build_type::kStepOfTwo:
    case build_type::kStepOfThree:
    case build_type::kStepOfFour:
      return (rank + rule.buildType - build_type::kStepOfTwo + 2 - 1) % 13 + 1;
    default:
      return rule.upward ? rankAbove(rank) : rankBelow(rank);
  }
}

int StockWasteRules::need(const State& s, CardNumber card) const {
  const int m = rankOf(card);
  int best = kNeverNeeded;
  for (std::size_t f = 0; f < foundationRules_.size(); ++f) {
    const Foundation& foundation = s.foundations[f];
    if (foundation.count >= kFoundationCards) continue;
    int rank = foundation.count == 0 ? foundationRules_[f].baseCode : nextRank(static_cast<int>(f), rankOf(foundation.top));
    if (rank < kAce) continue;
    for (int distance = 0; distance + foundation.count < kFoundationCards && distance < best; ++distance) {
      if (rank == m) {
        best = distance;
        break;
      }
      rank = nextRank(static_cast<int>(f), rank);
    }
  }
  return best;
}

int StockWasteRules::coverCost(const State& s, CardNumber card, CardNumber covered) const {
  constexpr int kEmptyPileCost = 20;
  constexpr int kOutOfOrderCost = 100;
  if (covered == kNoCard) return kEmptyPileCost;
  const int below = need(s, covered);
  const int above = need(s, card);
  return below >= above ? below - above : kOutOfOrderCost + above - below;
}

void StockWasteRules::steps(const State& s, std::vector<Step>& out) const {
  out.clear();
  if (ranksOnce_ && !everyMove_)
    if (const std::optional<Step> safe = safeHomeStep(s)) {
      out.push_back(*safe);
      return;
    }
  if (wasteOnlyInSuit_ && !everyMove_)
    if (const std::optional<Step> safe = safeInSuitStep(s)) {
      out.push_back(*safe);
      return;
    }
  if (suitsAlone_ && packs_ == 2 && !everyMove_)
    if (const std::optional<Step> safe = safeTwinHomeStep(s)) {
      out.push_back(*safe);
      return;
    }
  const int foundations = static_cast<int>(foundationRules_.size());
  // Whether an earlier foundation of the same group is just like this one.
  auto twin = [&](int f) {
    const int group = foundationRules_[static_cast<std::size_t>(f)].group;
    const std::uint64_t code = foundationCode(s.foundations[static_cast<std::size_t>(f)]);
    if (everyMove_) return false;
    for (int g = 0; g < f; ++g) {
      const Foundation& other = s.foundations[static_cast<std::size_t>(g)];
      if (foundationRules_[static_cast<std::size_t>(g)].group != group) continue;
      // Where suits do not matter, the number of cards tells the rest.
      if (ranksOnce_ ? other.count == s.foundations[static_cast<std::size_t>(f)].count : foundationCode(other) == code) return true;
    }
    return false;
  };
  for (int t = 0; t < piles_; ++t) {
    const auto pile = static_cast<std::size_t>(t);
    if (s.height[pile] == 0) continue;
    const CardNumber card = s.piles[pile][s.height[pile] - 1U];
    for (int f = 0; f < foundations; ++f) {
      if (!accepts(s, f, card) || twin(f)) continue;
      const Step step{Step::Kind::PileToFoundation, static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(f)};
      // A card of one pack going onto the one foundation of its suit that
      // climbs with the others: it can go nowhere else, the pile below only
      // gives, and the foundation only takes more once it holds the card.
      if (!everyMove_ && onePack_ && !pilesTakeFromWaste_ &&
          foundationRules_[static_cast<std::size_t>(f)].buildType == build_type::kSuitOfBottomCard &&
          s.foundations[static_cast<std::size_t>(f)].count > 0) {
        out.assign(1, step);
        return;
      }
      out.push_back(step);
    }
  }
  const int top = wasteTop(s);
  if (top >= 0) {
    const CardNumber card = deck_[static_cast<std::size_t>(top)];
    for (int f = 0; f < foundations; ++f)
      if (accepts(s, f, card) && !twin(f))
        out.push_back(Step{Step::Kind::WasteToFoundation, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(f)});
  }
  // The placements, the one that keeps the piles in the order they unwind first.
  std::vector<std::pair<int, Step>> placements;
  if (top >= 0 && pilesTakeFromWaste_) {
    const CardNumber card = deck_[static_cast<std::size_t>(top)];
    bool emptyTried = false;
    for (int t = 0; t < piles_; ++t) {
      const auto pile = static_cast<std::size_t>(t);
      const bool empty = s.height[pile] == 0;
      if (empty && emptyTried && !everyMove_) continue;
      emptyTried = emptyTried || empty;
      const CardNumber covered = empty ? kNoCard : s.piles[pile][s.height[pile] - 1U];
      placements.emplace_back(coverCost(s, card, covered),
                              Step{Step::Kind::WasteToPile, static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(t)});
    }
  }
  State clicked = s;
  if (click(clicked)) {
    int cost = 0;
    const int newTop = wasteTop(clicked);
    if (pilesTakeFromWaste_ && top >= 0 && newTop > top)
      cost = coverCost(s, deck_[static_cast<std::size_t>(newTop)], deck_[static_cast<std::size_t>(top)]);
    placements.emplace_back(cost, Step{Step::Kind::Stock, 0, 0});
  }
  std::stable_sort(placements.begin(), placements.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& placement : placements) out.push_back(placement.second);
}

void StockWasteRules::play(State& s, const Step& step, std::vector<SolverMove>& moves) const {
  auto toFoundation = [&](int f, CardNumber card) {
    Foundation& foundation = s.foundations[static_cast<std::size_t>(f)];
    if (foundation.count == 0) foundation.bottom = static_cast<std::uint8_t>(card);
    foundation.top = static_cast<std::uint8_t>(card);
    ++foundation.count;
    foundation.ranks |= static_cast<std::uint16_t>(1U << rankOf(card));
    --s.cardsLeft;
    moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, f}});
  };
  switch (step.kind) {
    case Step::Kind::Stock:
      click(s);
      moves.push_back(SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile});
      return;
    case Step::Kind::WasteToFoundation:
      setGone(s, step.from);
      toFoundation(step.to, deck_[step.from]);
      return;
    case Step::Kind::WasteToPile: {
      const CardNumber card = deck_[step.from];
      setGone(s, step.from);
      s.piles[step.to][s.height[step.to]++] = static_cast<std::uint8_t>(card);
      moves.push_back(SolverMove{SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, step.to}});
      return;
    }
    case Step::Kind::PileToFoundation: {
      const CardNumber card = s.piles[step.from][--s.height[step.from]];
      s.piles[step.from][s.height[step.from]] = kNoCard;
      toFoundation(step.to, card);
      if (s.height[step.from] > 0 && s.faceDown[step.from] == s.height[step.from]) {
        --s.faceDown[step.from];
        moves.push_back(SolverMove{SolverMove::Kind::Turn, kNoCard, PileRef{PileList::Tableau, step.from}});
      }
      return;
    }
  }
}

PositionKey128 StockWasteRules::key(const State& s) const {
  KeyHasher hasher;
  // Where foundations take ranks whatever the suit, and the piles take any
  // card, a card plays just as any other of its rank: the ranks tell apart.
  if (ranksOnce_ && !everyMove_) {
    hasher.add(static_cast<std::uint64_t>(s.turned) | static_cast<std::uint64_t>(s.redeals) << 8);
    std::uint64_t word = 0;
    for (std::size_t at = 0; at < deck_.size(); ++at) {
      if (!isGone(s, static_cast<int>(at))) word |= static_cast<std::uint64_t>(rankOf(deck_[at])) << (4 * (at % kRanksAWord));
      if (at % kRanksAWord == kRanksAWord - 1) {
        hasher.add(word);
        word = 0;
      }
    }
    hasher.add(word);
    std::array<std::uint64_t, kMaxPiles> piles{};
    for (int t = 0; t < piles_; ++t) {
      const auto pile = static_cast<std::size_t>(t);
      KeyHasher one;
      one.add(static_cast<std::uint64_t>(s.faceDown[pile]) | static_cast<std::uint64_t>(s.height[pile]) << 8);
      std::uint64_t ranks = 0;
      for (std::size_t at = 0; at < s.height[pile]; ++at) {
        ranks |= static_cast<std::uint64_t>(rankOf(s.piles[pile][at])) << (4 * (at % kRanksAWord));
        if (at % kRanksAWord == kRanksAWord - 1) {
          one.add(ranks);
          ranks = 0;
        }
      }
      one.add(ranks);
      piles[pile] = one.key().high;
    }
    std::sort(piles.begin(), piles.begin() + piles_);
    for (int t = 0; t < piles_; ++t) hasher.add(piles[static_cast<std::size_t>(t)]);
    std::array<std::uint64_t, kMaxFoundationCount> counts{};
    for (std::size_t f = 0; f < foundationRules_.size(); ++f)
      counts[f] = static_cast<std::uint64_t>(s.foundations[f].count) << 6 | static_cast<std::uint64_t>(foundationRules_[f].group);
    std::sort(counts.begin(), counts.begin() + static_cast<std::ptrdiff_t>(foundationRules_.size()));
    for (std::size_t f = 0; f < foundationRules_.size(); ++f) hasher.add(counts[f]);
    return hasher.key();
  }
  for (const std::uint64_t word : s.gone) hasher.add(word);
  hasher.add(static_cast<std::uint64_t>(s.turned) | static_cast<std::uint64_t>(s.redeals) << 8);
  // Piles hold the same whichever of them holds what.
  std::array<std::uint64_t, kMaxPiles> piles{};
  for (int t = 0; t < piles_; ++t) {
    const auto pile = static_cast<std::size_t>(t);
    KeyHasher one;
    one.add(s.faceDown[pile]);
    for (std::size_t at = 0; at < s.height[pile]; ++at) one.add(s.piles[pile][at]);
    piles[pile] = one.key().high;
  }
  std::sort(piles.begin(), piles.begin() + piles_);
  for (int t = 0; t < piles_; ++t) hasher.add(piles[static_cast<std::size_t>(t)]);
  // So do the foundations of one group.
  std::array<std::uint64_t, kMaxFoundationCount> codes{};
  const std::size_t foundations = foundationRules_.size();
  for (std::size_t f = 0; f < foundations; ++f)
    codes[f] = foundationCode(s.foundations[f]) << 6 | static_cast<std::uint64_t>(foundationRules_[f].group);
  std::sort(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(foundations));
  for (std::size_t f = 0; f < foundations; ++f) hasher.add(codes[f]);
  return hasher.key();
}

}  // namespace quilloro::solver::stock_waste
