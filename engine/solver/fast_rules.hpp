// The rules of a plain building game read once from its parameters, in the
// compact form the fast search asks them many times a second: which runs may
// be lifted, where a card may be put, how long a run may travel.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

// A card of the fast search: its number (1..104) as the engine counts it.
using FastCard = std::uint8_t;

class FastRules {
 public:
  // The rules of the start's game kind when the fast search can play it
  // exactly as the engine does: a stock (if any) that only turns cards onto
  // the waste, foundations that take their suit from the ace up, tableau
  // piles that all build down by one plain rule, free cells that take a
  // single card. Nothing for any other game kind (the general search plays
  // those).
  static std::optional<FastRules> of(const SolverStart& start);

  int tableauCount() const { return tableau_; }
  int reserveCount() const { return reserves_; }
  int foundationCount() const { return foundations_; }
  int packs() const { return packs_; }
  bool hasStock() const { return stock_; }
  int cardsPerClick() const { return cardsPerClick_; }
  // Redeals of the waste allowed; -1 for no end.
  int passes() const { return passes_; }
  // A card may be taken back from a foundation holding this many cards.
  bool mayTakeBack(int foundationCards) const {
    return takeBack_ == 1 ? foundationCards > 0 : takeBack_ == 2 && foundationCards > 1;
  }
  bool takesBack() const { return takeBack_ != 0; }

  int rank(FastCard card) const { return rank_[card]; }
  int suit(FastCard card) const { return suit_[card]; }
  bool red(FastCard card) const { return red_[card] != 0; }
  // The same card of another pack plays exactly alike: one face for both.
  int face(FastCard card) const { return (card - 1) % 52; }

  // The moving card may lie on the base card by the tableau's build rule.
  bool builds(FastCard base, FastCard moving) const {
    if (nothingBuilds_ || rank_[moving] + 1 != rank_[base] || rank_[base] == 1) return false;
    return suitFits(base, moving);
  }
  // The moving card may lie on the base card inside a run that travels together.
  bool joinsRun(FastCard base, FastCard moving) const {
    switch (runRule_) {
      case RunRule::AnyFaceUp: return true;
      case RunRule::BuildRule: return builds(base, moving);
      case RunRule::SameSuit: return rank_[moving] + 1 == rank_[base] && rank_[base] != 1 && suit_[base] == suit_[moving];
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
  bool runMayMove(int cards, bool toEmpty, int emptyTableau, int emptyReserves) const;

 private:
  enum class RunRule : std::uint8_t { AnyFaceUp, BuildRule, SameSuit };
  bool suitFits(FastCard base, FastCard moving) const;

  int tableau_ = 0;
  int reserves_ = 0;
  int foundations_ = 0;
  int packs_ = 1;
  int build_ = 0;
  // No card may be put on a tableau pile, empty or not.
  bool nothingBuilds_ = false;
  bool stock_ = false;
  int cardsPerClick_ = 1;
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
