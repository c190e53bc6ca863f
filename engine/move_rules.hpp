// Which cards may be taken from a pile and where they may be put, read from the
// game parameters and the piles of the current game. Holds no state of its own.
#pragma once

#include <string_view>
#include <vector>

#include "engine/engine_observer.hpp"
#include "engine/game_state.hpp"
#include "engine/table_geometry.hpp"

namespace quilloro {

// Letter codes that a base code may hold instead of a rank.
namespace base_code {
inline constexpr int kAnyCard = -1;
inline constexpr int kAceBalanced = 81;         // Q
inline constexpr int kSequencesOnly = 82;       // R
inline constexpr int kSuitSequencesOnly = 83;   // S
inline constexpr int kKingDistinctSuits = 84;   // T
inline constexpr int kAceDistinctSuits = 85;    // U
inline constexpr int kFromDeckTop = 91;         // "[" (start codes) / rank below foundation 1 (tableau)
inline constexpr int kSameRankAsFoundations = 92;  // "\"
inline constexpr int kAceOfNthSuit = 93;        // "]" (start codes)
}  // namespace base_code

// One question to the placement test.
struct PlacementQuery {
  CardNumber baseCard = kNoCard;    // the target's top card; 0 or -1 for an empty pile
  CardNumber movingCard = kNoCard;
  int baseCode = 0;                 // rank an empty pile takes, or a letter code
  int foundation1BaseCode = 0;      // parameter 27; for foundations their own base code
  bool upward = false;
  int buildType = 0;
  bool wrap = false;                // building may wrap between king and ace
  bool passBase = false;            // building may pass through the foundations' base rank
  PileList targetList = PileList::Tableau;
  int pileIndex = 0;                // 0-based index of the target in its list
  bool stockCondition = false;
};

// Where a card lies, as card location answers it.
namespace card_location {
inline constexpr int kStock = -99;
inline constexpr int kWaste = -98;
inline constexpr int kNowhere = 0;
// -n foundation n, +n tableau pile n, -(20 + n) reserve n (n from 1).
}  // namespace card_location

// The verdict on a card offered to the discard pile in the discard families.
enum class DiscardVerdict { Accepted, Refused, RefusedWithBeep };

class MoveRules {
 public:
  MoveRules(const GameState& state, const TableGeometry& geometry, EngineObserver& observer)
      : state_(state), geometry_(geometry), observer_(observer) {}

  bool placementAllowed(const PlacementQuery& query) const;

  // Drop checks. Pile indices are 0-based; carried is the number of cards that
  // travel together (a run dragged from a tableau pile or reserve).
  bool mayDropOnFoundation(int foundation, CardNumber card, int carried = 1) const;
  // run: the carried cards, bottom first; run.front() is the card under the pointer.
  bool mayDropOnTableau(int pile, const std::vector<CardNumber>& run) const;
  bool mayDropOnReserve(int reserve, CardNumber card, int carried = 1) const;
  // Dispatches "Dest" + n, "Fila" + n and "Appogg" + n; any other name is refused.
  bool mayDropOnNamedPile(std::string_view name, const std::vector<CardNumber>& run) const;
  // A card dropped on the waste.
  bool mayDropOnWaste(CardNumber card) const;
  // A tableau top card played to the discard pile (families 2, 12 and 15).
  DiscardVerdict mayDropOnDiscard(CardNumber card) const;

  // The run from the given card up to the top of its tableau pile is in sequence.
  bool runInSequence(CardNumber first, int pile) const;
  // A run of cardCount cards may be moved at all (to an empty pile when toEmptyPile).
  bool runShortEnough(int cardCount, bool toEmptyPile) const;

  // Where the card lies: see card_location.
  int cardLocation(CardNumber card) const;
  // The card is the top card of a tableau pile or reserve in use.
  bool isTopCard(CardNumber card) const;
  // The card and every card above it in the tableau pile (searched first) or
  // reserve that holds it, bottom first; empty when the card is in neither.
  std::vector<CardNumber> runFromCard(CardNumber card) const;

  // Taking rules: whether a press on this card of the pile may lift it (with
  // the cards above it where the pile allows that). A face-down tableau top
  // card is never taken (the press turns it instead).
  bool mayTake(PileRef pile, CardNumber card) const;

  // The colour balance of a card offered to an empty pile with letter code
  // Q, R, T or U against the bottom cards of the foundations with the same
  // code; distinctSuits adds the rule that no suit may occur twice.
  bool colourBalanceAllows(CardNumber card, int letterCode, bool distinctSuits) const;

 private:
  bool generalRule(const PlacementQuery& query) const;
  bool emptyPileRule(const PlacementQuery& query) const;
  bool sameRankAsFoundations(CardNumber card) const;
  // Every card of the run (bottom first) may lie on the card below it, by the
  // multi-card move rule and the build rule of the given tableau pile.
  bool runFollowsRules(const std::vector<CardNumber>& run, int pile) const;

  const GameState& state_;
  const TableGeometry& geometry_;
  EngineObserver& observer_;
};

}  // namespace quilloro
