// Reading a plain building game's rules for the fast search, and refusing
// every game kind whose rules it does not follow exactly.
#include "engine/solver/fast_rules.hpp"

#include <algorithm>

#include "engine/build_types.hpp"
#include "engine/solver/scratch_table.hpp"
#include "engine/solver/start_checks.hpp"

namespace quilloro::solver {

namespace {

// Values of the multi-card move rule (parameter 2).
constexpr int kRunsFollowBuildRule = 1;
constexpr int kRunsInSuit = 10;
// A free cell that takes one card onto an empty cell.
constexpr int kSingleCardReserve = 0;
// A reserve that nothing may be put on.
constexpr int kClosedReserve = 4;
constexpr int kOrdinaryBuildingFamily = 0;
// A building game whose deal sends the aces of the first reserve home; it
// plays like an ordinary one from then on.
constexpr int kAcesHomeAtDealFamily = 11;
// The automatic filling of spaces from the first reserve (parameter 18).
constexpr int kFillFromReserve = 1;
// The waste that takes a neighbouring card of its suit (parameter 237).
constexpr int kWasteTakesNeighbours = 2;
// Row-deal flag of a pile (parameters 195-219, 228-235): dealt to on every
// click. (Rows dealt only while no pile is empty are not played: a card sent
// home unasked could empty a pile and stop the deal.)
constexpr int kRowDealAlways = 1;
// Piles of the building rule one rank up or down hold this many cards at most.
constexpr int kNeighboursPileLimit = 3;

// The flag every tableau pile shares for dealing rows from the stock; 0 for
// none, -1 where the piles differ (which the fast search does not play).
int sharedRowDealFlag(const GameParameters& p, int tableau) {
  const int flag = p[param::kTableauRowDealFirst];
  for (int n = 1; n < tableau; ++n)
    if (p[param::kTableauRowDealFirst + n] != flag) return -1;
  return flag;
}


// The rank counted from the base rank of the foundations, which is 1.
int rankFromBase(int rank, int base) { return (rank - base + kKing) % kKing + 1; }

// Every foundation holds its suit from the base rank up, as far as it goes.
bool foundationsInOrder(const GameState& state, int foundations, int base) {
  for (int index = 0; index < foundations; ++index) {
    const Pile& pile = state.piles.pile(PileList::Foundations, index);
    for (int slot = 0; slot < pile.cardCount(); ++slot) {
      const CardNumber card = pile.at(slot);
      if (!isCardNumber(card) || rankFromBase(cardRank(card), base) != slot + 1 ||
          cardSuit(card) != cardSuit(pile.at(0)))
        return false;
    }
  }
  return true;
}

// The flag every reserve shares for dealing rows from the stock; -1 where
// they differ.
int sharedReserveDealFlag(const GameParameters& p, int reserves) {
  if (reserves == 0) return 0;
  const int flag = p[param::kReserveRowDealFirst];
  for (int r = 1; r < reserves; ++r)
    if (p[param::kReserveRowDealFirst + r] != flag) return -1;
  return flag;
}

// Face-down cards lie only at the bottom of tableau piles, under the face-up ones.
bool faceDownOnlyBelow(const GameState& state, int tableau, int reserves) {
  for (int index = 0; index < tableau; ++index) {
    const Pile& pile = state.piles.pile(PileList::Tableau, index);
    bool faceUpSeen = false;
    for (const std::uint8_t card : pile.slots()) {
      if (state.isFaceDown(card) && faceUpSeen) return false;
      faceUpSeen = faceUpSeen || !state.isFaceDown(card);
    }
  }
  for (int index = 0; index < reserves; ++index)
    for (const std::uint8_t card : state.piles.pile(PileList::Reserves, index).slots())
      if (state.isFaceDown(card)) return false;
  return true;
}

}  // namespace

std::optional<FastRules> FastRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  const int family = p[param::kGameFamily];
  if ((family != kOrdinaryBuildingFamily && family != kAcesHomeAtDealFamily) || p[param::kSelectByClick] != 0)
    return std::nullopt;
  const int cards = p[param::kCardsInPlay];
  if (cards != kCardsPerPack && cards != 2 * kCardsPerPack) return std::nullopt;
  if (p[param::kRedealReshuffles] == 1) return std::nullopt;
  const int fill = p[param::kAutoFillTableau];
  if (fill != 0 && fill != kFillFromReserve) return std::nullopt;
  if (!state.piles.discard().empty()) return std::nullopt;
  FastRules rules;
  // A stock turns its cards onto the waste, whose top card alone is played;
  // nothing is ever put on the waste. Any other stock deals rows or fills
  // piles, which the fast search does not play.
  rules.stock_ = p[param::kShowWaste] == 1 && p[param::kWasteTakesNeighbours] != kWasteTakesNeighbours;
  // Or it deals a row: one card onto every tableau pile.
  // Or it deals a row: one card onto every tableau pile, or where the
  // tableau takes none, onto every reserve.
  const int rowDeal = sharedRowDealFlag(p, state.pilesInUse(PileList::Tableau));
  const int reserveDeal = sharedReserveDealFlag(p, state.pilesInUse(PileList::Reserves));
  if (rowDeal < 0 || reserveDeal < 0) return std::nullopt;
  if (!rules.stock_ && rowDeal == kRowDealAlways) {
    rules.dealsRows_ = true;
  } else if (!rules.stock_ && rowDeal == 0 && reserveDeal == kRowDealAlways) {
    rules.dealsRows_ = true;
    rules.dealsToReserves_ = true;
  } else if (rowDeal != 0 || reserveDeal != 0) {
    // Rows the fast search does not deal as the engine does.
    return std::nullopt;
  }
  if (rules.dealsRows_) {
    if (!state.piles.waste().empty()) return std::nullopt;
    rules.stock_ = true;
  }
  if (!rules.stock_ && (!state.piles.stock().empty() || !state.piles.waste().empty())) return std::nullopt;
  rules.cardsPerClick_ = std::max<int>(1, p[param::kCardsPerClick]);
  rules.filler_ = fill == kFillFromReserve ? SpaceFiller::Reserve : SpaceFiller::None;
  rules.passes_ = p[param::kStockPasses] < 0 ? -1 : p[param::kStockPasses];

  rules.packs_ = cards / kCardsPerPack;
  rules.foundations_ = state.pilesInUse(PileList::Foundations);
  rules.tableau_ = state.pilesInUse(PileList::Tableau);
  rules.reserves_ = state.pilesInUse(PileList::Reserves);
  if (rules.foundations_ != 4 * rules.packs_ || rules.tableau_ == 0) return std::nullopt;
  rules.takeBack_ = p[param::kFoundationTakeBack] == 1 || p[param::kFoundationTakeBack] == 2 ? p[param::kFoundationTakeBack] : 0;
  if (p[param::kReorderFoundations] != 0) return std::nullopt;
  // One base rank for every foundation: the ace, or the rank of the card
  // dealt to the first foundation.
  const int base = p[param::kFoundationBaseRankFirst];
  if (base < kAce || base > kKing) return std::nullopt;
  for (int i = 0; i < rules.foundations_; ++i)
    if (p[param::kFoundationBaseRankFirst + i] != base || p[param::kFoundationDirectionFirst + i] <= 0 ||
        p[param::kFoundationBuildTypeFirst + i] != build_type::kSameSuit)
      return std::nullopt;

  rules.build_ = p[param::kTableauBuildTypeFirst];
  if (rules.build_ != build_type::kSameSuit && rules.build_ != build_type::kSameColour &&
      rules.build_ != build_type::kAnySuit && rules.build_ != build_type::kAlternateColour &&
      rules.build_ != build_type::kNothing && rules.build_ != build_type::kOtherSuit &&
      rules.build_ != build_type::kNeighboursOnShortPile)
    return std::nullopt;
  rules.nothingBuilds_ = rules.build_ == build_type::kNothing;
  // One rank up or down in any suit, onto a pile of fewer than three cards,
  // and never onto an empty pile.
  if (rules.build_ == build_type::kNeighboursOnShortPile) {
    rules.bothWays_ = true;
    rules.pileLimit_ = kNeighboursPileLimit;
    if (p[param::kMaxCardsMoved] != 1) return std::nullopt;
  }
  const int emptyCode = p[param::kTableauBaseRankFirst];
  if (emptyCode < -1 || emptyCode > kKing) return std::nullopt;
  rules.emptyTakesAny_ = emptyCode == -1 && !rules.bothWays_;
  rules.emptyRank_ = rules.bothWays_ || emptyCode < kAce ? 0 : rankFromBase(emptyCode, base);
  // Building one rank up or down counts the ranks as they are.
  if (rules.bothWays_ && base != kAce) return std::nullopt;
  rules.passBase_ = p[param::kTableauPassBaseFirst] > 0;
  for (int n = 0; n < rules.tableau_; ++n)
    if (p[param::kTableauBuildTypeFirst + n] != rules.build_ || p[param::kTableauDirectionFirst + n] > 0 ||
        (p[param::kTableauPassBaseFirst + n] > 0) != rules.passBase_ || p[param::kTableauBaseRankFirst + n] != emptyCode)
      return std::nullopt;
  const int reserveType = rules.reserves_ > 0 ? p[param::kReserveTypeFirst] : kSingleCardReserve;
  if (reserveType != kSingleCardReserve && reserveType != kClosedReserve) return std::nullopt;
  rules.reservesTake_ = reserveType == kSingleCardReserve;
  // The fill from the reserve takes the top card of a reserve that only gives.
  if (rules.filler_ == SpaceFiller::Reserve && (rules.reserves_ == 0 || rules.reservesTake_)) return std::nullopt;
  for (int r = 0; r < rules.reserves_; ++r)
    if (p[param::kReserveTypeFirst + r] != reserveType) return std::nullopt;
  // Fanned reserve stacks give any of their cards; plain ones only the top.
  if (p[param::kReserveFannedStacks] == -11) return std::nullopt;

  const int rule = p[param::kMultiCardMoveRule];
  rules.runRule_ = rule == kRunsFollowBuildRule ? RunRule::BuildRule
                   : rule == kRunsInSuit        ? RunRule::SameSuit
                                                : RunRule::AnyFaceUp;
  rules.runLimit_ = p[param::kMaxCardsMoved];

  if (!allPlaced(start, PileList::Foundations, rules.foundations_) ||
      !allPlaced(start, PileList::Tableau, rules.tableau_) || !allPlaced(start, PileList::Reserves, rules.reserves_))
    return std::nullopt;
  for (const PileList list : {PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int index = 0; index < pileListSize(list); ++index) {
      const bool inUse = index < state.pilesInUse(list);
      const Pile& pile = state.piles.pile(list, index);
      // Cards on piles out of play would be lost to the search.
      if ((!inUse && !pile.empty()) || !noHoles(pile)) return std::nullopt;
    }
  if (!foundationsInOrder(state, rules.foundations_, base) || !faceDownOnlyBelow(state, rules.tableau_, rules.reserves_))
    return std::nullopt;

  for (CardNumber card = 1; card <= kMaxCard; ++card) {
    rules.rank_[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(rankFromBase(cardRank(card), base));
    rules.suit_[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(cardSuit(card));
    rules.red_[static_cast<std::size_t>(card)] = isRed(card) ? 1 : 0;
  }
  return rules;
}

bool FastRules::suitsBuild(int baseSuit, int movingSuit) const {
  // Hearts and diamonds, the first two suits, are the red ones.
  switch (build_) {
    case build_type::kSameSuit: return baseSuit == movingSuit;
    case build_type::kSameColour: return (baseSuit < 2) == (movingSuit < 2);
    case build_type::kAlternateColour: return (baseSuit < 2) != (movingSuit < 2);
    case build_type::kNothing: return false;
    case build_type::kOtherSuit: return baseSuit != movingSuit;
    default: return true;
  }
}

}  // namespace quilloro::solver
