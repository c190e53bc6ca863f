// The rules of a plain building game read once from its parameters, in the
// compact form the fast search asks them many times a second: which runs may
// be lifted, where a card may be put, how long a run may travel.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "engine/build_types.hpp"
#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// A card of the fast search: its number (1..104) as the engine counts it.
using FastCard = std::uint8_t;

class FastRules {
 public:
  // The rules of the start's game kind when the fast search can play it
  // exactly as the engine does: a stock (if any) that turns cards onto the
  // waste or deals one card onto every tableau pile (or every reserve),
  // foundations that take their suit from one base rank up (turning from
  // king to ace), tableau piles that all build by one plain rule, free cells
  // that take a single card or reserves that only give. Nothing for any
  // other game kind (the general search plays those).
  //
  // Ranks are counted from the foundations' base: the base card has rank 1
  // (as an ace where the foundations start from the aces) and the card below
  // it rank 13.
  static std::optional<FastRules> of(const SolverStart& start);

  int tableauCount() const { return tableau_; }
  int reserveCount() const { return reserves_; }
  int foundationCount() const { return foundations_; }
  int packs() const { return packs_; }
  bool hasStock() const { return stock_; }
  // A click on the stock deals a card face up onto every tableau pile (or
  // every reserve) in turn, from the first, as far as the stock goes; there
  // is no waste.
  bool dealsRows() const { return dealsRows_; }
  bool dealsToReserves() const { return dealsToReserves_; }
  // Free cells take a card; other reserves only give their top cards.
  bool reservesTakeCards() const { return reservesTake_; }
  int cardsPerClick() const { return cardsPerClick_; }
  // Where the engine fills an empty tableau pile by itself after every move
  // (see space_fill): from the first reserve. (The fill from the waste is
  // left to the general search.)
  enum class SpaceFiller : std::uint8_t { None, Reserve };
  SpaceFiller spaceFiller() const { return filler_; }
  // Redeals of the waste allowed; -1 for no end.
  int passes() const { return passes_; }
  // A card may be taken back from a foundation holding this many cards.
  bool mayTakeBack(int foundationCards) const {
    return takeBack_ == 1 ? foundationCards > 0 : takeBack_ == 2 && foundationCards > 1;
  }
  bool takesBack() const { return takeBack_ != 0; }
  // A first look for a win (see taking_back_later): no card comes back.
  void leaveTakeBacksOut() { takeBack_ = 0; }

  // A first look for a win (see forward_first): the moves that only shift
  // cards about are left out.
  void keepToProgress() { progressOnly_ = true; }
  bool progressOnly() const { return progressOnly_; }

  // The rank counted from the foundations' base (see above).
  int rank(FastCard card) const { return rank_[card]; }
  int suit(FastCard card) const { return suit_[card]; }
  bool red(FastCard card) const { return red_[card] != 0; }
  // The same card of another pack plays exactly alike: one face for both.
  int face(FastCard card) const { return (card - 1) % 52; }

  // The moving card may lie on the base card by the tableau's build rule.
  bool builds(FastCard base, FastCard moving) const {
    if (nothingBuilds_) return false;
    if (bothWays_) return rank_[moving] + 1 == rank_[base] || rank_[moving] == rank_[base] + 1;
    return followsDown(base, moving) && suitFits(base, moving);
  }
  // The card below the base rank may lie on a card of the base rank, which
  // turns the piles' sequences round from the base to the top rank.
  bool buildsPastBase() const { return passBase_; }
  // Cards build one rank up or down, in any suit.
  bool buildsBothWays() const { return bothWays_; }
  // A tableau pile of so many cards may take one more.
  bool pileHasRoom(int cards) const { return pileLimit_ == 0 || cards < pileLimit_; }
  // The moving card may lie on the base card inside a run that travels together.
  bool joinsRun(FastCard base, FastCard moving) const {
    switch (runRule_) {
      case RunRule::AnyFaceUp: return true;
      case RunRule::BuildRule: return builds(base, moving);
      case RunRule::SameSuit: return followsDown(base, moving) && suit_[base] == suit_[moving];
    }
    return false;
  }
  // Any face-up cards may travel together, in or out of sequence.
  bool runsAnyFaceUp() const { return runRule_ == RunRule::AnyFaceUp; }
  // A card of the moving suit may lie on one of the base suit (ranks aside).
  bool suitsBuild(int baseSuit, int movingSuit) const;
  // An empty tableau pile takes the card.
  bool fillsEmpty(FastCard card) const { return !nothingBuilds_ && (emptyTakesAny_ || rank_[card] == emptyRank_); }
  // A run of this many cards may be lifted (toEmpty: and put on an empty
  // tableau pile), with so many empty tableau piles and free cells.
  // (Asked at every move listed: kept here, where it is inlined.)
  bool runMayMove(int cards, bool toEmpty, int emptyTableau, int emptyReserves) const {
    if (runLimit_ == kNoRunLimit) return true;
    if (runLimit_ >= 0) return cards <= runLimit_;
    if (runLimit_ != kFreeCellsRunLimit) return cards <= std::max(emptyTableau, 1);
    // Every free cell holds one card of the run; the target itself is no free pile.
    if (emptyTableau == 0) return cards <= emptyReserves + 1;
    if (toEmpty) return cards <= emptyReserves + emptyTableau;
    return cards <= emptyReserves + emptyTableau + 1;
  }

 private:
  // Values of the run-length parameter (11).
  static constexpr int kNoRunLimit = -1;
  static constexpr int kFreeCellsRunLimit = -5;
  enum class RunRule : std::uint8_t { AnyFaceUp, BuildRule, SameSuit };
  bool suitFits(FastCard base, FastCard moving) const {
    switch (build_) {
      case build_type::kSameSuit: return suit_[base] == suit_[moving];
      case build_type::kSameColour: return red_[base] == red_[moving];
      case build_type::kAlternateColour: return red_[base] != red_[moving];
      case build_type::kOtherSuit: return suit_[base] != suit_[moving];
      default: return true;
    }
  }
  // The moving card is one rank below the base card.
  bool followsDown(FastCard base, FastCard moving) const {
    if (rank_[base] == 1) return passBase_ && rank_[moving] == 13;
    return rank_[moving] + 1 == rank_[base];
  }

  int tableau_ = 0;
  int reserves_ = 0;
  int foundations_ = 0;
  int packs_ = 1;
  int build_ = 0;
  // No card may be put on a tableau pile, empty or not.
  bool nothingBuilds_ = false;
  bool bothWays_ = false;
  // The most cards a tableau pile may hold by building; 0 for no limit.
  int pileLimit_ = 0;
  bool stock_ = false;
  bool dealsRows_ = false;
  bool dealsToReserves_ = false;
  bool reservesTake_ = true;
  bool passBase_ = false;
  int cardsPerClick_ = 1;
  SpaceFiller filler_ = SpaceFiller::None;
  bool progressOnly_ = false;
  int passes_ = -1;
  int takeBack_ = 0;
  RunRule runRule_ = RunRule::BuildRule;
  int runLimit_ = -1;
  bool emptyTakesAny_ = true;
  int emptyRank_ = 0;
  std::array<std::uint8_t, 105> rank_{};
  std::array<std::uint8_t, 105> suit_{};
  std::array<std::uint8_t, 105> red_{};
};

}  // namespace quilloro::solver
