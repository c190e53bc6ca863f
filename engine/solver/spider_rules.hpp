// The rules of a game of the Spider family read once from its parameters:
// complete king-to-ace runs leave the tableau on their own, the stock deals
// a card onto given tableau piles, and there are no free cells and no waste.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/solver/solver.hpp"

namespace quilloro::solver {

class SpiderRules {
  static constexpr std::array<std::uint8_t, 256> kRanks = [] {
    std::array<std::uint8_t, 256> ranks{};
    for (int card = 1; card <= 2 * kCardsPerPack; ++card)
      ranks[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>((card - 1) % 13 + 1);
    return ranks;
  }();

 public:
  static constexpr int kMostPiles = 16;

  // The rules of the start's game kind when the Spider search can play it
  // exactly as the engine does; nothing for any other kind.
  static std::optional<SpiderRules> of(const SolverStart& start);

  int tableauCount() const { return tableau_; }
  int packs() const { return packs_; }
  int sequenceCount() const { return 4 * packs_; }

  // The rank of a card of either pack, read from a table: the search asks it
  // far too often for a call into the card library.
  static int rank(std::uint8_t card) { return kRanks[card]; }
  static int suit(std::uint8_t card) { return static_cast<int>(cardSuit(card)); }
  // The same card of the other pack plays exactly alike.
  static int face(std::uint8_t card) { return (card - 1) % kCardsPerPack; }

  // The moving card may be put on the base card.
  bool builds(std::uint8_t base, std::uint8_t moving) const {
    if (rank(base) != rank(moving) + 1) return false;
    return !buildInSuit_ || suit(base) == suit(moving);
  }
  // The moving card may lie on the base card inside a run lifted together.
  bool joinsRun(std::uint8_t base, std::uint8_t moving) const {
    switch (runRule_) {
      case RunRule::AnyFaceUp: return true;
      case RunRule::BuildRule: return builds(base, moving);
      case RunRule::InSuit: return rank(base) == rank(moving) + 1 && suit(base) == suit(moving);
    }
    return false;
  }
  // The moving card lies on the base card as it must inside a run that
  // completes and leaves the tableau.
  bool completes(std::uint8_t base, std::uint8_t moving) const {
    return rank(base) == rank(moving) + 1 && (anySuitSequences_ || suit(base) == suit(moving));
  }
  bool buildsInSuit() const { return buildInSuit_; }
  // Runs of any suits go home, not only runs of one suit.
  bool anySuitSequences() const { return anySuitSequences_; }
  // An empty tableau pile takes the card.
  bool fillsEmpty(std::uint8_t card) const { return emptyRank_ < 0 || rank(card) == emptyRank_; }
  bool anyCardFillsEmpty() const { return emptyRank_ < 0; }

  bool dealsRows() const { return dealsRows_; }
  // A deal is refused while a tableau pile is empty.
  bool dealNeedsNoGap() const { return dealNeedsNoGap_; }
  // The stock deals a card onto this tableau pile in every row.
  bool getsRowCard(int pile) const { return rowPiles_[static_cast<std::size_t>(pile)]; }
  int rowPileCount() const { return rowPileCount_; }

 private:
  enum class RunRule : std::uint8_t { AnyFaceUp, BuildRule, InSuit };

  int tableau_ = 0;
  int packs_ = 1;
  bool buildInSuit_ = true;
  RunRule runRule_ = RunRule::InSuit;
  bool anySuitSequences_ = false;
  // The rank an empty pile takes; -1 for any card.
  int emptyRank_ = -1;
  bool dealsRows_ = false;
  bool dealNeedsNoGap_ = false;
  std::array<bool, kMostPiles> rowPiles_{};
  int rowPileCount_ = 0;
};

}  // namespace quilloro::solver
