// A Spider family position in the compact form its search plays many times a
// second: tableau piles with their face-down cards, the stock still to deal
// and the count of complete runs gone home; every change can be undone.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/solver/position_table.hpp"
#include "engine/solver/spider_rules.hpp"

namespace quilloro::solver {

// One choice of the player: a run onto another pile, or a deal from the stock.
struct SpiderMove {
  enum class Kind : std::uint8_t { Run, Deal };
  Kind kind = Kind::Run;
  std::uint8_t from = 0;
  std::uint8_t to = 0;
  // The slot in the source pile of the run's lowest card.
  std::uint8_t slot = 0;
  int priority = 0;
};

// Which moves a position lists: every legal one; only those that promise
// progress (see the search); or those and besides every lift of a run off a
// card of another suit, which a player makes to bare the card below.
enum class SpiderMoveSet : std::uint8_t { Every, Promising, PromisingAndLifts };

class SpiderPosition {
 public:
  SpiderPosition(const SpiderRules& rules, const GameState& state);

  const SpiderRules& rules() const { return rules_; }
  int size(int pile) const { return size_[static_cast<std::size_t>(pile)]; }
  int faceDown(int pile) const { return faceDown_[static_cast<std::size_t>(pile)]; }
  std::uint8_t at(int pile, int slot) const {
    return cards_[static_cast<std::size_t>(pile)][static_cast<std::size_t>(slot)];
  }
  std::uint8_t top(int pile) const { return size(pile) == 0 ? 0 : at(pile, size(pile) - 1); }
  int stockLeft() const { return stockLeft_; }
  // The cards still in the stock.
  std::span<const std::uint8_t> stockCards() const {
    return std::span<const std::uint8_t>(stock_).first(static_cast<std::size_t>(stockLeft_));
  }
  int runsHome() const { return runsHome_; }
  // Won as the engine judges it: the stock and every tableau pile empty.
  bool won() const {
    if (stockLeft_ != 0) return false;
    for (int pile = 0; pile < rules_.tableauCount(); ++pile)
      if (size(pile) != 0) return false;
    return true;
  }
  int facedownTotal() const;
  // Face-up cards lying on the card they follow on the way home.
  int links() const;
  // Face-up cards lying on a card they may be built on, but not as they go home.
  int naturalLinks() const;
  int emptyPiles() const;
  // No play can ever win from here: see the definition.
  bool deadlocked() const;

  // The position in bytes, and back; decoding forgets what undo needs.
  void encode(std::vector<std::uint8_t>& out) const;
  void decode(std::span<const std::uint8_t> bytes);

  // The lowest slot of the run that may be lifted from the top of the pile;
  // the pile's size when it is empty.
  int movableFrom(int pile) const;
  // Every move of the position. With all, every legal move; without, only
  // the moves that promise progress (see the search).
  void moves(std::vector<SpiderMove>& out, bool all) const {
    moves(out, all ? SpiderMoveSet::Every : SpiderMoveSet::Promising);
  }
  void moves(std::vector<SpiderMove>& out, SpiderMoveSet set) const;
  bool mayDeal() const;

  // Plays the move and what follows it by itself (complete runs home, and
  // here also the turning of face-down top cards), writing the engine's moves
  // into steps. Undo with undoTo(mark), mark taken from undoMark() before.
  void play(const SpiderMove& move, std::vector<SolverMove>& steps);
  // Turns every face-down top card, writing the turns into steps.
  void turnTops(std::vector<SolverMove>& steps);
  std::size_t undoMark() const { return log_.size(); }
  void undoTo(std::size_t mark);

  // The position's key: interchangeable piles (those the stock deals no more
  // cards to) in any order, and the same card of either pack, give one key.
  PositionKey128 key() const;

 private:
  struct Change {
    enum class Kind : std::uint8_t { Run, Turn, Home, Deal };
    Kind kind;
    std::uint8_t from;
    std::uint8_t to;
    std::uint8_t count;
  };
  void moveCards(int from, int to, int count);
  // Sends a complete run on top of the pile home, when there is one.
  void sendHome(int pile);
  // Brings the pile's hash and link counts up to date after its cards from
  // slot changedFrom on (or its face-down count, with 0) changed.
  void rehash(int pile, int changedFrom);
  // The length of the run, ending with the card at slot, whose cards lie as
  // a completed run needs them.
  int chainBelow(int pile, int slot) const;
  bool receivesDeals(int pile) const;

  static constexpr std::size_t kMostCards = 2 * kCardsPerPack + 8;
  const SpiderRules& rules_;
  std::array<std::array<std::uint8_t, kMostCards>, SpiderRules::kMostPiles> cards_{};
  std::array<int, SpiderRules::kMostPiles> size_{};
  std::array<int, SpiderRules::kMostPiles> faceDown_{};
  std::array<std::uint64_t, SpiderRules::kMostPiles> hashHigh_{};
  std::array<std::uint64_t, SpiderRules::kMostPiles> hashLow_{};
  // Each pile's face-up cards on the card they follow home, and on a card
  // they merely build on.
  std::array<int, SpiderRules::kMostPiles> links_{};
  std::array<int, SpiderRules::kMostPiles> naturalLinks_{};
  // The hashes and link counts of each pile's lowest cards, for every count
  // of them up to hashedUpTo_: a move rereads only the cards it changed.
  struct Running {
    std::uint64_t high;
    std::uint64_t low;
    std::int32_t links;
    std::int32_t natural;
  };
  std::array<std::array<Running, kMostCards + 1>, SpiderRules::kMostPiles> running_{};
  std::array<int, SpiderRules::kMostPiles> hashedUpTo_{};
  // The stock, its top card last; the first stockLeft_ cards are still there.
  std::vector<std::uint8_t> stock_;
  int stockLeft_ = 0;
  int runsHome_ = 0;
  // The runs gone home, 13 cards each, ace first, in order.
  std::vector<std::uint8_t> home_;
  std::vector<Change> log_;
};

}  // namespace quilloro::solver
