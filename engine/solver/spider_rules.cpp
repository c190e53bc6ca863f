// Reading a Spider family game's rules for its search, and refusing every
// game kind whose rules it does not follow exactly.
#include "engine/solver/spider_rules.hpp"

#include <algorithm>

#include "engine/build_types.hpp"
#include "engine/move_rules.hpp"
#include "engine/solver/scratch_table.hpp"
#include "engine/solver/start_checks.hpp"

namespace quilloro::solver {

namespace {

// Values of the multi-card move rule (parameter 2).
constexpr int kRunsFollowBuildRule = 1;
constexpr int kRunsInSuit = 10;
constexpr int kNoRunLimit = -1;
constexpr int kOrdinaryBuildingFamily = 0;
// Values of the row-deal flags: a card in every row; the same, but only
// while no tableau pile is empty.
constexpr int kRowCard = 1;
constexpr int kRowCardWithoutGaps = 2;

// Face-down cards lie only at the bottom of tableau piles, under the face-up ones.
bool faceDownOnlyBelow(const GameState& state, int tableau) {
  for (int index = 0; index < tableau; ++index) {
    bool faceUpSeen = false;
    for (const std::uint8_t card : state.piles.pile(PileList::Tableau, index).slots()) {
      if (state.isFaceDown(card) && faceUpSeen) return false;
      faceUpSeen = faceUpSeen || !state.isFaceDown(card);
    }
  }
  return true;
}

}  // namespace

std::optional<SpiderRules> SpiderRules::of(const SolverStart& start) {
  const GameState& state = start.state;
  const GameParameters& p = state.parameters;
  if (p[param::kGameFamily] != kOrdinaryBuildingFamily || p[param::kSelectByClick] != 0) return std::nullopt;
  const int cards = p[param::kCardsInPlay];
  if (cards != kCardsPerPack && cards != 2 * kCardsPerPack) return std::nullopt;
  if (p[param::kAutoFillTableau] != 0 || p[param::kMaxCardsMoved] != kNoRunLimit) return std::nullopt;
  if (p[param::kShowWaste] != 0 || p[param::kDiscardArrangement] != 0 || p[param::kFoundationTakeBack] != 0)
    return std::nullopt;
  if (!state.piles.waste().empty() || !state.piles.discard().empty()) return std::nullopt;
  if (state.pilesInUse(PileList::Reserves) != 0) return std::nullopt;

  SpiderRules rules;
  rules.packs_ = cards / kCardsPerPack;
  rules.tableau_ = state.pilesInUse(PileList::Tableau);
  if (rules.tableau_ < 2 || rules.tableau_ > kMostPiles) return std::nullopt;

  // Every foundation takes only a complete run, which the engine moves there
  // by itself; there is one for every suit of every pack.
  if (state.pilesInUse(PileList::Foundations) != rules.sequenceCount()) return std::nullopt;
  const int sequenceCode = p[param::kFoundationBaseRankFirst];
  if (sequenceCode != base_code::kSuitSequencesOnly && sequenceCode != base_code::kSequencesOnly) return std::nullopt;
  for (int i = 0; i < rules.sequenceCount(); ++i) {
    if (p[param::kFoundationBaseRankFirst + i] != sequenceCode ||
        p[param::kFoundationBuildTypeFirst + i] != build_type::kNothing)
      return std::nullopt;
    const Pile& home = state.piles.pile(PileList::Foundations, i);
    if (home.cardCount() != 0 && home.cardCount() != 13) return std::nullopt;
  }

  const int build = p[param::kTableauBuildTypeFirst];
  if (build != build_type::kSameSuit && build != build_type::kAnySuit) return std::nullopt;
  rules.buildInSuit_ = build == build_type::kSameSuit;
  // Runs of any suits leave the tableau only where the piles build regardless
  // of suit; the colour rule of other builds is not followed here.
  if (sequenceCode == base_code::kSequencesOnly && build != build_type::kAnySuit) return std::nullopt;
  rules.anySuitSequences_ = sequenceCode == base_code::kSequencesOnly;
  const int emptyCode = p[param::kTableauBaseRankFirst];
  if (emptyCode < -1 || emptyCode > kKing) return std::nullopt;
  rules.emptyRank_ = emptyCode;
  const int firstFlag = p[param::kTableauRowDealFirst];
  const int lastFlag = p[param::kTableauRowDealFirst + rules.tableau_ - 1];
  for (int n = 0; n < rules.tableau_; ++n) {
    if (p[param::kTableauBuildTypeFirst + n] != build || p[param::kTableauDirectionFirst + n] > 0 ||
        p[param::kTableauPassBaseFirst + n] > 0 || p[param::kTableauBaseRankFirst + n] != emptyCode)
      return std::nullopt;
    const int flag = p[param::kTableauRowDealFirst + n];
    rules.rowPiles_[static_cast<std::size_t>(n)] = flag == kRowCard || flag == kRowCardWithoutGaps;
    rules.rowPileCount_ += rules.rowPiles_[static_cast<std::size_t>(n)] ? 1 : 0;
  }
  // A press on the stock deals a row as the first and last piles' flags say.
  rules.dealsRows_ = firstFlag == kRowCard || lastFlag == kRowCard || firstFlag == kRowCardWithoutGaps ||
                     lastFlag == kRowCardWithoutGaps;
  rules.dealNeedsNoGap_ = firstFlag != kRowCard && lastFlag != kRowCard;
  if (!state.piles.stock().empty() && (!rules.dealsRows_ || rules.rowPileCount_ == 0)) return std::nullopt;

  const int rule = p[param::kMultiCardMoveRule];
  rules.runRule_ = rule == kRunsFollowBuildRule ? RunRule::BuildRule
                   : rule == kRunsInSuit        ? RunRule::InSuit
                                                : RunRule::AnyFaceUp;

  if (!allPlaced(start, PileList::Foundations, rules.sequenceCount()) ||
      !allPlaced(start, PileList::Tableau, rules.tableau_))
    return std::nullopt;
  for (const PileList list : {PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int index = 0; index < pileListSize(list); ++index) {
      const Pile& pile = state.piles.pile(list, index);
      // Cards on piles out of play would be lost to the search.
      if ((index >= state.pilesInUse(list) && !pile.empty()) || !noHoles(pile)) return std::nullopt;
    }
  if (!noHoles(state.piles.stock()) || !faceDownOnlyBelow(state, rules.tableau_)) return std::nullopt;
  return rules;
}

}  // namespace quilloro::solver
