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
// Values of the run-length parameter (11).
constexpr int kNoRunLimit = -1;
constexpr int kFreeCellsRunLimit = -5;
// A free cell that takes one card onto an empty cell.
constexpr int kSingleCardReserve = 0;
constexpr int kOrdinaryBuildingFamily = 0;
// The waste that takes a neighbouring card of its suit (parameter 237).
constexpr int kWasteTakesNeighbours = 2;

// Every foundation holds its suit from the ace up, as far as it goes.
bool foundationsInOrder(const GameState& state, int foundations) {
  for (int index = 0; index < foundations; ++index) {
    const Pile& pile = state.piles.pile(PileList::Foundations, index);
    for (int slot = 0; slot < pile.cardCount(); ++slot) {
      const CardNumber card = pile.at(slot);
      if (!isCardNumber(card) || cardRank(card) != slot + 1 || cardSuit(card) != cardSuit(pile.at(0))) return false;
    }
  }
  return true;
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
  if (p[param::kGameFamily] != kOrdinaryBuildingFamily || p[param::kSelectByClick] != 0) return std::nullopt;
  const int cards = p[param::kCardsInPlay];
  if (cards != kCardsPerPack && cards != 2 * kCardsPerPack) return std::nullopt;
  if (p[param::kRedealReshuffles] == 1 || p[param::kAutoFillTableau] != 0) return std::nullopt;
  if (!state.piles.discard().empty()) return std::nullopt;
  FastRules rules;
  // A stock turns its cards onto the waste, whose top card alone is played;
  // nothing is ever put on the waste. Any other stock deals rows or fills
  // piles, which the fast search does not play.
  rules.stock_ = p[param::kShowWaste] == 1 && p[param::kWasteTakesNeighbours] != kWasteTakesNeighbours;
  if (!rules.stock_ && (!state.piles.stock().empty() || !state.piles.waste().empty())) return std::nullopt;
  rules.cardsPerClick_ = std::max<int>(1, p[param::kCardsPerClick]);
  rules.passes_ = p[param::kStockPasses] < 0 ? -1 : p[param::kStockPasses];

  rules.packs_ = cards / kCardsPerPack;
  rules.foundations_ = state.pilesInUse(PileList::Foundations);
  rules.tableau_ = state.pilesInUse(PileList::Tableau);
  rules.reserves_ = state.pilesInUse(PileList::Reserves);
  if (rules.foundations_ != 4 * rules.packs_ || rules.tableau_ == 0) return std::nullopt;
  rules.takeBack_ = p[param::kFoundationTakeBack] == 1 || p[param::kFoundationTakeBack] == 2 ? p[param::kFoundationTakeBack] : 0;
  if (p[param::kReorderFoundations] != 0) return std::nullopt;
  for (int i = 0; i < rules.foundations_; ++i)
    if (p[param::kFoundationBaseRankFirst + i] != kAce || p[param::kFoundationDirectionFirst + i] <= 0 ||
        p[param::kFoundationBuildTypeFirst + i] != build_type::kSameSuit)
      return std::nullopt;

  rules.build_ = p[param::kTableauBuildTypeFirst];
  if (rules.build_ != build_type::kSameSuit && rules.build_ != build_type::kSameColour &&
      rules.build_ != build_type::kAnySuit && rules.build_ != build_type::kAlternateColour &&
      rules.build_ != build_type::kNothing)
    return std::nullopt;
  rules.nothingBuilds_ = rules.build_ == build_type::kNothing;
  const int emptyCode = p[param::kTableauBaseRankFirst];
  if (emptyCode < -1 || emptyCode > kKing) return std::nullopt;
  rules.emptyTakesAny_ = emptyCode == -1;
  rules.emptyRank_ = emptyCode;
  for (int n = 0; n < rules.tableau_; ++n)
    if (p[param::kTableauBuildTypeFirst + n] != rules.build_ || p[param::kTableauDirectionFirst + n] > 0 ||
        p[param::kTableauPassBaseFirst + n] > 0 || p[param::kTableauBaseRankFirst + n] != emptyCode)
      return std::nullopt;
  for (int r = 0; r < rules.reserves_; ++r)
    if (p[param::kReserveTypeFirst + r] != kSingleCardReserve) return std::nullopt;
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
  if (!foundationsInOrder(state, rules.foundations_) || !faceDownOnlyBelow(state, rules.tableau_, rules.reserves_))
    return std::nullopt;

  for (CardNumber card = 1; card <= kMaxCard; ++card) {
    rules.rank_[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(cardRank(card));
    rules.suit_[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(cardSuit(card));
    rules.red_[static_cast<std::size_t>(card)] = isRed(card) ? 1 : 0;
  }
  return rules;
}

bool FastRules::suitFits(FastCard base, FastCard moving) const {
  switch (build_) {
    case build_type::kSameSuit: return suit_[base] == suit_[moving];
    case build_type::kSameColour: return red_[base] == red_[moving];
    case build_type::kAlternateColour: return red_[base] != red_[moving];
    default: return true;
  }
}

bool FastRules::suitsBuild(int baseSuit, int movingSuit) const {
  // Hearts and diamonds, the first two suits, are the red ones.
  switch (build_) {
    case build_type::kSameSuit: return baseSuit == movingSuit;
    case build_type::kSameColour: return (baseSuit < 2) == (movingSuit < 2);
    case build_type::kAlternateColour: return (baseSuit < 2) != (movingSuit < 2);
    case build_type::kNothing: return false;
    default: return true;
  }
}

bool FastRules::runMayMove(int cards, bool toEmpty, int emptyTableau, int emptyReserves) const {
  if (runLimit_ == kNoRunLimit) return true;
  if (runLimit_ >= 0) return cards <= runLimit_;
  if (runLimit_ != kFreeCellsRunLimit) return cards <= std::max(emptyTableau, 1);
  // Every free cell holds one card of the run; the target itself is no free pile.
  if (emptyTableau == 0) return cards <= emptyReserves + 1;
  if (toEmpty) return cards <= emptyReserves + emptyTableau;
  return cards <= emptyReserves + emptyTableau + 1;
}

}  // namespace quilloro::solver
