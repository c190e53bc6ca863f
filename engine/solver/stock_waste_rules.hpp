// The rules of the games whose cards come from the stock onto foundations, as
// the compact depth-first search plays them: the position, its steps and key,
// and the cuts that prove a position hopeless.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/solver/compact_search.hpp"
#include "engine/solver/rank_home_bound.hpp"
#include "engine/solver/stock_order.hpp"
#include "engine/solver/suit_alone_bound.hpp"

namespace quilloro::solver::stock_waste {

constexpr int kFamilyPlain = 0;
constexpr int kFamilyRankHints = 10;
constexpr int kWasteNeverTarget = 4;
constexpr int kMaxPiles = 4;
constexpr int kMaxFoundationCount = 16;
constexpr int kPileCapacity = 56;
constexpr int kDeckWords = 2;
constexpr int kFoundationCards = 13;
// How far ahead a card's rank is needed at most: beyond any foundation.
constexpr int kNeverNeeded = 64;
constexpr int kDiscrepancyRounds = 3;
// Where cards are placed on piles, wins often leave the placing order more
// often than that: a few more rounds find most before the full search.
constexpr int kPlacingDiscrepancyRounds = 6;

// A card's rank, as cardRank gives it, without the call into the card library.
constexpr int rankOf(CardNumber card) { return (card - 1) % kFoundationCards + 1; }

struct Foundation {
  std::uint8_t count = 0;
  std::uint8_t top = kNoCard;
  std::uint8_t bottom = kNoCard;
  std::uint16_t ranks = 0;  // bit r: the foundation holds a card of rank r
};

struct FoundationRule {
  int baseCode = 0;
  bool upward = true;
  int buildType = 0;
  // Foundations of one group take the same cards once they hold the same.
  int group = 0;
};

struct StockState {
  std::array<std::uint64_t, kDeckWords> gone{};
  std::uint8_t turned = 0;
  std::uint8_t redeals = 0;
  std::array<std::uint8_t, kMaxPiles> height{};
  std::array<std::uint8_t, kMaxPiles> faceDown{};
  std::array<std::array<std::uint8_t, kPileCapacity>, kMaxPiles> piles{};
  std::array<Foundation, kMaxFoundationCount> foundations{};
  int cardsLeft = 0;
};

struct StockStep {
  enum class Kind : std::uint8_t { Stock, WasteToFoundation, WasteToPile, PileToFoundation };
  Kind kind = Kind::Stock;
  std::uint8_t from = 0;
  std::uint8_t to = 0;
};


class StockWasteRules {
 public:
  using State = StockState;
  using Step = StockStep;

  static std::optional<std::pair<StockWasteRules, StockState>> of(const SolverStart& start);

  bool won(const State& s) const { return s.cardsLeft == 0; }
  bool hopeless(const State& s) const {
    if (climbing_) return tableauDeadlocked(s);
    if (everyMove_) return false;
    return ranksOnce_ ? ranksStuck(s) : suitsAlone_ && aSuitStuck(s);
  }
  int left(const State& s) const { return s.cardsLeft; }
  // For the beams: cards home count most, a card buried under one its
  // foundations need later costs (less on the waste, which gives to the piles).
  int score(const State& s) const;
  // Piles that take the waste's cards onto foundations that climb one rank
  // at a time whatever the suit (Sir Tommy): a card placed stays for many
  // turns, and the depth-first search never comes back to the early
  // placings that spoil a deal; beams of ever more lines find the wins.
  bool beamsFirst() const { return pilesTakeFromWaste_ && ranksOnce_ && climbsByOne_; }
  // Placing cards on the piles in the order they unwind is mostly right.
  int discrepancyRounds() const {
    if (pilesTakeFromWaste_) return kPlacingDiscrepancyRounds;
    return piles_ == 0 && !wasteOnlyInSuit_ ? kDiscrepancyRounds : 0;
  }
  void steps(const State& s, std::vector<Step>& out) const;
  void play(State& s, const Step& step, std::vector<SolverMove>& moves) const;
  PositionKey128 key(const State& s) const;
  // Offer every move, alike piles and foundations and safe plays apart.
  void offerEveryMove() { everyMove_ = true; }

 private:
  int wasteTop(const State& s) const { return wasteTopOf(s); }
  bool accepts(const State& s, int f, CardNumber card) const;
  // Foundations that climb in step with the one before: whether the cards
  // the tableau piles hold wait on one another in a circle, each needing
  // another gone first (the one above it, or the one of its rank that the
  // foundation before its own needs).
  bool tableauDeadlocked(const State& s) const;
  // Foundations that take every rank once whatever the suit: whether even a
  // looser game than the real one leaves a card out (see rank_home_bound).
  bool ranksStuck(const State& s) const;
  // Foundations in suit up from the aces and down from the kings: whether
  // some suit played alone can no longer come home (see suit_alone_bound).
  bool aSuitStuck(const State& s) const;
  // A top card that may go home at once with nothing lost: every foundation
  // takes each rank once whatever its suit, and enough of them take this rank
  // now for every card of it still out.
  std::optional<Step> safeHomeStep(const State& s) const;
  // The waste's top card onto a foundation building in suit, never a worse
  // move with one pack turned a card at a time: the card is the one that
  // foundation waits for, taking it off the waste keeps the order of the
  // others, and any foundation it could take later is left to it only by
  // the cards of its suit the first one could no longer take anyway. (A
  // queen going into the centre row is a choice, not such a move.)
  std::optional<Step> safeInSuitStep(const State& s) const;
  // The waste's top card onto a foundation in suit, never a worse move with
  // two packs where it is an ace or a king starting one, where its twin is
  // home and the foundation left without it could take no more, or where
  // both foundations of its suit and way wait for it (see stock_waste_twin_home).
  std::optional<Step> safeTwinHomeStep(const State& s) const;
  // A card's suit and rank as one number, the same for both packs.
  static int kindOf(CardNumber card) { return static_cast<int>(cardSuit(card)) * kFoundationCards + rankOf(card) - 1; }
  // Where the cards of each kind stand in the deck, for safeTwinHomeStep.
  void findTwins();
  // How many cards of a kind are still in the stock or on the waste.
  int cardsOutOfKind(const State& s, int kind) const;
  // Whether some foundation of the card's suit (or empty) building the way
  // given could still come to take it: a card of each rank between is out.
  bool otherWayReaches(const State& s, CardNumber card, bool upward) const;
  // The click on the stock as the engine makes it; false when it changes nothing.
  bool click(State& s) const;
  // The rank a foundation takes after one of this rank.
  int nextRank(int f, int rank) const;
  // How many cards a foundation still needs before a card of this rank, at least.
  int need(const State& s, CardNumber card) const;
  // How much burying one card under another spoils the order the piles unwind in.
  int coverCost(const State& s, CardNumber card, CardNumber covered) const;
  std::uint64_t foundationCode(const Foundation& f) const {
    const CardNumber top = f.top;
    const int rank = isCardNumber(top) ? cardRank(top) : 0;
    const int suit = isCardNumber(top) ? static_cast<int>(cardSuit(top)) : 0;
    const int bottomSuit = isCardNumber(f.bottom) ? static_cast<int>(cardSuit(f.bottom)) : 0;
    return static_cast<std::uint64_t>(f.count) | static_cast<std::uint64_t>(rank) << 8 |
           static_cast<std::uint64_t>(suit) << 12 | static_cast<std::uint64_t>(bottomSuit) << 16 |
           static_cast<std::uint64_t>(f.ranks) << 20;
  }

  std::vector<CardNumber> deck_;
  std::vector<FoundationRule> foundationRules_;
  int piles_ = 0;
  bool pilesTakeFromWaste_ = false;
  int cardsPerClick_ = 1;
  int passes_ = 1;
  bool onePack_ = true;
  bool everyMove_ = false;
  // One pack, give-only piles and foundations that climb in step.
  bool climbing_ = false;
  // One pack on four foundations that each take every rank once, in any suit.
  bool ranksOnce_ = false;
  bool climbsByOne_ = false;
  // One pack turned a card at a time onto foundations alone, each of which
  // builds in suit (or takes queens into a centre row).
  bool wasteOnlyInSuit_ = false;
  mutable RankHomeView rankView_;
  // Cards from the stock alone onto foundations in suit, as many up from the
  // ace and down from the king per suit as there are packs.
  bool suitsAlone_ = false;
  int packs_ = 1;
  std::array<std::vector<int>, 4> suitRanks_;
  // Per kind, the deck's places of its two cards (-1: none, home from the start).
  std::array<std::array<std::int16_t, 2>, 4 * kFoundationCards> twinPlaces_{};
  mutable SuitAloneBound suitBound_;
  mutable std::array<SuitAlone, 4> suitGames_;
};

}  // namespace quilloro::solver::stock_waste
