// Move legality: which cards may be taken from a pile and where they may be put.
#include "engine/move_rules.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "engine/build_types.hpp"

namespace quilloro {
namespace {

// Values of the multi-card move rule (parameter 2).
inline constexpr int kRunsFollowBuildRule = 1;
inline constexpr int kRunsInSuit = 10;

// Values of the run-length parameter (11).
inline constexpr int kNoRunLimit = -1;
inline constexpr int kFreeCellsRunLimit = -5;

// Reserve types.
inline constexpr int kReserveClosed = 4;
inline constexpr int kReserveKingsUpToThree = 8;
inline constexpr int kReserveCourtCardOnEmpty = 9;
inline constexpr int kReserveCardsUpToFive = 13;

// Taking back from foundations (parameter 15).
inline constexpr int kTakeBackAllowed = 1;
inline constexpr int kTakeBackUnlessOnlyCard = 2;

inline constexpr int kReservesFannedStacks = -11;  // parameter 12
inline constexpr int kWasteTakesNeighbours = 2;    // parameter 237
inline constexpr int kWasteNeverTarget = 4;        // parameter 238

// Game families that throw tableau cards on the discard pile.
inline constexpr int kFamilyDiscardNoWrap = 2;
inline constexpr int kFamilyDiscardWrap = 12;
inline constexpr int kFamilyDiscardWrapToo = 15;

inline constexpr int kFoundationCards = 13;
inline constexpr int kWholePackCards = 52;

// A hole keeps a card's place but is no card: the pile's cards are the others.
CardNumber topCardOf(const Pile& pile) {
  for (int slot = pile.cardCount() - 1; slot >= 0; --slot)
    if (pile.at(slot) != kNoCard) return pile.at(slot);
  return kNoCard;
}

CardNumber bottomCardOf(const Pile& pile) {
  for (std::uint8_t card : pile.slots())
    if (card != kNoCard) return card;
  return kNoCard;
}

int cardsIn(const Pile& pile) {
  return static_cast<int>(std::count_if(pile.slots().begin(), pile.slots().end(),
                                        [](std::uint8_t card) { return card != kNoCard; }));
}

bool isEmpty(const Pile& pile) { return topCardOf(pile) == kNoCard; }

// Missing cards and numbers that are no card have no rank and no suit.
int rankOf(CardNumber card) { return isCardNumber(card) ? cardRank(card) : 0; }

bool sameSuit(CardNumber a, CardNumber b) {
  return isCardNumber(a) && isCardNumber(b) && cardSuit(a) == cardSuit(b);
}

bool holdsRank(const Pile& pile, int rank) {
  return std::any_of(pile.slots().begin(), pile.slots().end(),
                     [rank](std::uint8_t card) { return card != kNoCard && rankOf(card) == rank; });
}

const Pile* pileOrNull(const PileLists& piles, PileList list, int index) {
  if (index < 0 || index >= pileListSize(list)) return nullptr;
  return &piles.pile(list, index);
}

bool isReserveLocation(int location) { return location <= -21 && location >= -(20 + kMaxReserves); }

// The fixed part of every question about tableau pile t; the cards are the caller's.
PlacementQuery tableauQuery(const GameParameters& parameters, int pile) {
  const int number = pile + 1;
  PlacementQuery query;
  query.baseCode = parameters.perPile(param::kTableauBaseRankFirst, number);
  query.foundation1BaseCode = parameters[param::kFoundationBaseRankFirst];
  query.upward = parameters.perPile(param::kTableauDirectionFirst, number) > 0;
  query.buildType = parameters.perPile(param::kTableauBuildTypeFirst, number);
  query.wrap = false;
  query.passBase = parameters.perPile(param::kTableauPassBaseFirst, number) > 0;
  query.targetList = PileList::Tableau;
  query.pileIndex = pile;
  return query;
}

}  // namespace

bool MoveRules::placementAllowed(const PlacementQuery& query) const {
  // Only a real card can be placed, and only on a real card or an empty pile.
  if (!isCardNumber(query.movingCard) || query.baseCard > kMaxCard) return false;
  const bool emptyPile = query.baseCard <= 0;
  // An empty pile has rank 0 throughout, whether the caller wrote it 0 or -1.
  const int b = emptyPile ? 0 : rankOf(query.baseCard);
  const int m = rankOf(query.movingCard);
  const Pile* target = pileOrNull(state_.piles, query.targetList, query.pileIndex);

  switch (query.buildType) {
    case build_type::kNothing:
      return false;
    case build_type::kSuitOfBottomCard: {
      // The foundations climb in step: foundation n takes a rank only once
      // foundation n - 1 shows it. On other piles the type means nothing special.
      if (query.targetList != PileList::Foundations) return generalRule(query);
      if (target == nullptr) return false;
      if (emptyPile) {
        if (query.baseCode != base_code::kAnyCard && m != query.baseCode) return false;
      } else if (!sameSuit(query.movingCard, bottomCardOf(*target))) {
        return false;
      }
      return query.pileIndex == 0 || holdsRank(state_.piles.pile(PileList::Foundations, query.pileIndex - 1), m);
    }
    case build_type::kGapsOnceStockIsEmpty:
      if (!query.stockCondition) return generalRule(query);
      return emptyPile && isEmpty(state_.piles.stock());
    case build_type::kSameSuitNoQueenOnKingOrJack:
      if (m == kQueen && (b == kKing || b == kJack)) return false;
      return generalRule(query);
    case build_type::kAnything:
      return true;
    case build_type::kStepOfTwo:
    case build_type::kStepOfThree:
    case build_type::kStepOfFour: {
      const int step = query.buildType - build_type::kStepOfTwo + 2;
      return m == b + step || m == (b + step) % 13;
    }
    case build_type::kNotFromTableau:
      return cardLocation(query.movingCard) <= 0;
    case build_type::kNotFromTableauUnlessEmpty:
      return cardLocation(query.movingCard) <= 0 || (target != nullptr && isEmpty(*target));
    case build_type::kNotFromTableauOrReserve: {
      const int location = cardLocation(query.movingCard);
      return location <= 0 && !isReserveLocation(location);
    }
    case build_type::kWholePackAnySuit:
      return m == b + 1 || (m == kAce && (emptyPile || b == kKing));
    case build_type::kOtherSuit:
      if (!emptyPile && sameSuit(query.baseCard, query.movingCard)) return false;
      return generalRule(query);
    case build_type::kWhileWasteEmpty:
      return isEmpty(state_.piles.waste()) && !emptyPile && sameSuit(query.baseCard, query.movingCard) && m == b + 1;
    case build_type::kSameSuitNoCourtSwap:
      if ((m == kKing && b == kQueen) || (m == kQueen && b == kKing)) return false;
      if (!emptyPile && !sameSuit(query.baseCard, query.movingCard)) return false;
      return generalRule(query);
    case build_type::kSameSuitStepOfTwo:
      if (emptyPile) return true;
      return sameSuit(query.baseCard, query.movingCard) && m == (query.upward ? b + 2 : b - 2);
    case build_type::kNeighboursOnShortPile:
      if (emptyPile || target == nullptr || cardsIn(*target) >= 3) return false;
      return m == b + 1 || m == b - 1;
    default:
      return generalRule(query);
  }
}

bool MoveRules::generalRule(const PlacementQuery& query) const {
  if (query.baseCard <= 0) return emptyPileRule(query);
  const int b = rankOf(query.baseCard);
  const int m = rankOf(query.movingCard);

  switch (query.buildType) {
    case build_type::kSameSuit:
    case build_type::kSameSuitNoQueenOnKingOrJack:
      if (!sameSuit(query.baseCard, query.movingCard)) return false;
      break;
    case build_type::kSameColour:
      if (isRed(query.baseCard) != isRed(query.movingCard)) return false;
      break;
    case build_type::kAlternateColour:
      if (isRed(query.baseCard) == isRed(query.movingCard)) return false;
      break;
    case build_type::kNeverOnACard:
      return false;
    default:
      break;
  }

  if (query.upward) {
    // Wrapping from king to ace would complete a circle on a pile that starts with the ace.
    if (query.wrap && b == kKing) return m == kAce && query.baseCode != kAce;
    return m == b + 1;
  }
  if (query.wrap) {
    if (b == kAce) return m == kKing && query.baseCode != kKing;
    return m == b - 1;
  }
  // Building down in the tableau stops at the foundations' base rank (with
  // letter codes that start at the ace, at the ace), unless the pile may pass it.
  const int f1 = query.foundation1BaseCode;
  const bool atBase = b == f1 || (b == kAce && (f1 == base_code::kAceBalanced || f1 == base_code::kSequencesOnly ||
                                                f1 == base_code::kSuitSequencesOnly));
  if (atBase && !query.passBase) return false;
  if (b == kAce) return m == kKing;
  return m == b - 1;
}

bool MoveRules::emptyPileRule(const PlacementQuery& query) const {
  const int m = rankOf(query.movingCard);
  switch (query.baseCode) {
    case base_code::kAceBalanced:
      return m == kAce && colourBalanceAllows(query.movingCard, query.baseCode, false);
    case base_code::kKingDistinctSuits:
      return m == kKing && colourBalanceAllows(query.movingCard, query.baseCode, true);
    case base_code::kAceDistinctSuits:
      return m == kAce && colourBalanceAllows(query.movingCard, query.baseCode, true);
    case base_code::kSequencesOnly:
    case base_code::kSuitSequencesOnly:
      return false;  // filled only by completed sequences
    case base_code::kSameRankAsFoundations:
      return sameRankAsFoundations(query.movingCard);
    default:
      return m == query.baseCode || query.baseCode == base_code::kAnyCard ||
             query.foundation1BaseCode == base_code::kAnyCard;
  }
}

// The foundations sharing a letter code are shared out evenly between the
// colours (and, for distinct suits, between the suits): the card is counted
// together with the bottom cards already laid on them.
bool MoveRules::colourBalanceAllows(CardNumber card, int letterCode, bool distinctSuits) const {
  std::vector<CardNumber> entries{card};
  int slots = 0;
  const int foundations = state_.pilesInUse(PileList::Foundations);
  for (int i = 0; i < foundations; ++i) {
    if (state_.parameters.perPile(param::kFoundationBaseRankFirst, i + 1) != letterCode) continue;
    ++slots;
    const CardNumber bottom = bottomCardOf(state_.piles.pile(PileList::Foundations, i));
    if (bottom != kNoCard) entries.push_back(bottom);
  }
  const int half = slots / 2;
  int red = 0;
  int black = 0;
  std::array<int, 4> suits{};
  for (CardNumber entry : entries) {
    if (!isCardNumber(entry)) {
      observer_.message("Error suit - 1");
      continue;
    }
    ++(isRed(entry) ? red : black);
    if (red > half || black > half) return false;
    if (distinctSuits && ++suits[static_cast<std::size_t>(cardSuit(entry))] > 1) return false;
  }
  return true;
}

bool MoveRules::sameRankAsFoundations(CardNumber card) const {
  const int foundations = state_.pilesInUse(PileList::Foundations);
  for (int i = 0; i < foundations; ++i) {
    const CardNumber bottom = bottomCardOf(state_.piles.pile(PileList::Foundations, i));
    if (bottom != kNoCard && rankOf(bottom) != rankOf(card)) return false;
  }
  return true;
}

bool MoveRules::mayDropOnFoundation(int foundation, CardNumber card, int carried) const {
  if (foundation < 0 || foundation >= state_.pilesInUse(PileList::Foundations)) return false;
  if (carried != 1 || !isCardNumber(card)) return false;
  const GameParameters& parameters = state_.parameters;
  const int number = foundation + 1;
  const Pile& pile = state_.piles.pile(PileList::Foundations, foundation);
  const int buildType = parameters.perPile(param::kFoundationBuildTypeFirst, number);

  if (buildType == build_type::kQueensOnEmpty) return rankOf(card) == kQueen && isEmpty(pile);
  if (buildType == build_type::kFollowsTableauTops) {
    // A card may go home once nothing of its suit in the tableau still waits
    // on it: some pile of its suit shows a higher card or an ace on top.
    if (rankOf(card) == kAce) return true;
    const int tableau = state_.pilesInUse(PileList::Tableau);
    for (int t = 0; t < tableau; ++t) {
      const CardNumber top = topCardOf(state_.piles.pile(PileList::Tableau, t));
      if (sameSuit(top, card) && (rankOf(top) > rankOf(card) || rankOf(top) == kAce)) return true;
    }
    return false;
  }

  const int capacity = buildType == build_type::kWholePackAnySuit ? kWholePackCards : kFoundationCards;
  if (cardsIn(pile) >= capacity) return false;
  PlacementQuery query;
  const CardNumber top = topCardOf(pile);
  query.baseCard = top == kNoCard ? -1 : top;
  query.movingCard = card;
  query.baseCode = parameters.perPile(param::kFoundationBaseRankFirst, number);
  query.foundation1BaseCode = query.baseCode;
  query.upward = parameters.perPile(param::kFoundationDirectionFirst, number) > 0;
  query.buildType = buildType;
  query.wrap = true;
  query.passBase = true;
  query.targetList = PileList::Foundations;
  query.pileIndex = foundation;
  query.stockCondition = true;
  return placementAllowed(query);
}

bool MoveRules::mayDropOnTableau(int pile, const std::vector<CardNumber>& run) const {
  if (pile < 0 || pile >= state_.pilesInUse(PileList::Tableau) || run.empty()) return false;
  const Pile& target = state_.piles.pile(PileList::Tableau, pile);
  const CardNumber top = topCardOf(target);
  if (state_.isFaceDown(top)) return false;

  PlacementQuery query = tableauQuery(state_.parameters, pile);
  query.baseCard = top == kNoCard ? -1 : top;
  query.movingCard = run.front();
  query.stockCondition = true;
  if (!placementAllowed(query)) return false;

  const int carried = static_cast<int>(run.size());
  if (carried > 1 && state_.parameters[param::kMultiCardMoveRule] != 0 && !runFollowsRules(run, pile)) return false;
  if (carried > 1 && state_.parameters[param::kMaxCardsMoved] == kFreeCellsRunLimit && top == kNoCard)
    return runShortEnough(carried, true);
  return true;
}

bool MoveRules::mayDropOnReserve(int reserve, CardNumber card, int carried) const {
  if (reserve < 0 || reserve >= state_.pilesInUse(PileList::Reserves) || !isCardNumber(card)) return false;
  const Pile& pile = state_.piles.pile(PileList::Reserves, reserve);
  const int held = cardsIn(pile);
  switch (state_.parameters[param::kReserveTypeFirst + reserve]) {
    case kReserveClosed:
      return false;
    case kReserveKingsUpToThree:
      return carried == 1 && rankOf(card) == kKing && held < 3;
    case kReserveCardsUpToFive:
      return carried == 1 && held < 5;
    case kReserveCourtCardOnEmpty:
      return carried == 1 && held == 0 && rankOf(card) >= kJack;
    default:
      return carried == 1 && held == 0;
  }
}

bool MoveRules::mayDropOnNamedPile(std::string_view name, const std::vector<CardNumber>& run) const {
  const std::optional<PileRef> pile = pileFromName(name);
  if (!pile || run.empty()) return false;
  const int carried = static_cast<int>(run.size());
  switch (pile->list) {
    case PileList::Foundations: return mayDropOnFoundation(pile->index, run.front(), carried);
    case PileList::Tableau: return mayDropOnTableau(pile->index, run);
    case PileList::Reserves: return mayDropOnReserve(pile->index, run.front(), carried);
    case PileList::Stock: return false;
  }
  return false;
}

bool MoveRules::mayDropOnWaste(CardNumber card) const {
  const GameParameters& parameters = state_.parameters;
  if (parameters[param::kWasteNeverTarget] == kWasteNeverTarget) return false;
  if (!geometry_.isPlaced(PileRef{PileList::Stock, kWasteIndex})) return false;
  if (parameters[param::kWasteTakesNeighbours] != kWasteTakesNeighbours) return false;
  const CardNumber top = topCardOf(state_.piles.waste());
  if (!sameSuit(top, card)) return false;
  const int m = rankOf(card);
  const int b = rankOf(top);
  return m == rankAbove(b) || m == rankBelow(b);
}

// The caller sounds the beep for RefusedWithBeep; this check only judges.
DiscardVerdict MoveRules::mayDropOnDiscard(CardNumber card) const {
  const int family = state_.parameters[param::kGameFamily];
  if (family != kFamilyDiscardNoWrap && family != kFamilyDiscardWrap && family != kFamilyDiscardWrapToo)
    return DiscardVerdict::Refused;
  if (!isCardNumber(card) || cardLocation(card) <= 0 || !isTopCard(card)) return DiscardVerdict::Refused;
  const CardNumber top = topCardOf(state_.piles.discard());
  if (top == kNoCard) return DiscardVerdict::Refused;
  const int m = rankOf(card);
  const int b = rankOf(top);
  if (std::abs(m - b) == 1) return DiscardVerdict::Accepted;
  if ((m == kAce && b == kKing) || (m == kKing && b == kAce))
    return family == kFamilyDiscardNoWrap ? DiscardVerdict::RefusedWithBeep : DiscardVerdict::Accepted;
  return DiscardVerdict::Refused;
}

bool MoveRules::runFollowsRules(const std::vector<CardNumber>& run, int pile) const {
  const int rule = state_.parameters[param::kMultiCardMoveRule];
  if (rule != kRunsFollowBuildRule && rule != kRunsInSuit) return true;
  if (pile < 0 || pile >= kMaxTableau) return false;
  PlacementQuery query = tableauQuery(state_.parameters, pile);
  if (rule == kRunsInSuit) query.buildType = build_type::kSameSuit;
  query.stockCondition = false;
  for (std::size_t i = 1; i < run.size(); ++i) {
    query.baseCard = run[i - 1];
    query.movingCard = run[i];
    if (!isCardNumber(query.baseCard) || !placementAllowed(query)) return false;
  }
  return true;
}

bool MoveRules::runInSequence(CardNumber first, int pile) const {
  const std::vector<CardNumber> run = runFromCard(first);
  return !run.empty() && runFollowsRules(run, pile);
}

bool MoveRules::runShortEnough(int cardCount, bool toEmptyPile) const {
  const int limit = state_.parameters[param::kMaxCardsMoved];
  if (limit == kNoRunLimit) return true;
  if (limit >= 0) return cardCount <= limit;
  int emptyTableau = 0;
  for (int t = 0; t < state_.pilesInUse(PileList::Tableau); ++t)
    if (isEmpty(state_.piles.pile(PileList::Tableau, t))) ++emptyTableau;
  if (limit != kFreeCellsRunLimit) return cardCount <= std::max(emptyTableau, 1);
  int emptyReserves = 0;
  for (int r = 0; r < state_.pilesInUse(PileList::Reserves); ++r)
    if (isEmpty(state_.piles.pile(PileList::Reserves, r))) ++emptyReserves;
  // Every free cell holds one card of the run; the target itself is no free pile.
  if (emptyTableau == 0) return cardCount <= emptyReserves + 1;
  if (toEmptyPile) return cardCount <= emptyReserves + emptyTableau;
  return cardCount <= emptyReserves + emptyTableau + 1;
}

int MoveRules::cardLocation(CardNumber card) const {
  if (!isCardNumber(card)) return card_location::kNowhere;
  const auto holds = [card](const Pile& pile) {
    return std::find(pile.slots().begin(), pile.slots().end(), card) != pile.slots().end();
  };
  if (holds(state_.piles.stock())) return card_location::kStock;
  if (holds(state_.piles.waste())) return card_location::kWaste;
  for (int i = 0; i < kMaxFoundations; ++i)
    if (holds(state_.piles.pile(PileList::Foundations, i))) return -(i + 1);
  for (int t = 0; t < kMaxTableau; ++t)
    if (holds(state_.piles.pile(PileList::Tableau, t))) return t + 1;
  for (int r = 0; r < kMaxReserves; ++r)
    if (holds(state_.piles.pile(PileList::Reserves, r))) return -(20 + r + 1);
  return card_location::kNowhere;
}

bool MoveRules::isTopCard(CardNumber card) const {
  if (!isCardNumber(card)) return false;
  for (int t = 0; t < state_.pilesInUse(PileList::Tableau); ++t)
    if (topCardOf(state_.piles.pile(PileList::Tableau, t)) == card) return true;
  for (int r = 0; r < state_.pilesInUse(PileList::Reserves); ++r)
    if (topCardOf(state_.piles.pile(PileList::Reserves, r)) == card) return true;
  return false;
}

std::vector<CardNumber> MoveRules::runFromCard(CardNumber card) const {
  if (!isCardNumber(card)) return {};
  const auto runIn = [card](const Pile& pile) {
    std::vector<CardNumber> run;
    const auto found = std::find(pile.slots().begin(), pile.slots().end(), card);
    for (auto it = found; it != pile.slots().end(); ++it)
      if (*it != kNoCard) run.push_back(*it);
    return run;
  };
  for (int t = 0; t < kMaxTableau; ++t) {
    std::vector<CardNumber> run = runIn(state_.piles.pile(PileList::Tableau, t));
    if (!run.empty()) return run;
  }
  for (int r = 0; r < kMaxReserves; ++r) {
    std::vector<CardNumber> run = runIn(state_.piles.pile(PileList::Reserves, r));
    if (!run.empty()) return run;
  }
  return {};
}

bool MoveRules::mayTake(PileRef pile, CardNumber card) const {
  if (!isCardNumber(card) || pile.index < 0 || pile.index >= pileListSize(pile.list)) return false;
  const Pile& source = state_.piles.pile(pile);
  const bool onTop = topCardOf(source) == card;
  switch (pile.list) {
    case PileList::Stock:
      return pile.index == kWasteIndex && onTop;
    case PileList::Foundations:
      switch (state_.parameters[param::kFoundationTakeBack]) {
        case kTakeBackAllowed: return onTop;
        case kTakeBackUnlessOnlyCard: return onTop && cardsIn(source) > 1;
        default: return false;
      }
    case PileList::Reserves:
      if (onTop) return true;
      return state_.parameters[param::kReserveFannedStacks] == kReservesFannedStacks &&
             cardLocation(card) == -(20 + pile.index + 1);
    case PileList::Tableau: {
      if (cardLocation(card) != pile.index + 1) return false;
      if (onTop) return !state_.isFaceDown(card) && runShortEnough(1, false);
      // A run is lifted only when every card of it shows its face.
      const std::vector<CardNumber> run = runFromCard(card);
      if (std::any_of(run.begin(), run.end(), [this](CardNumber c) { return state_.isFaceDown(c); })) return false;
      return runInSequence(card, pile.index) && runShortEnough(static_cast<int>(run.size()), false);
    }
  }
  return false;
}

}  // namespace quilloro
