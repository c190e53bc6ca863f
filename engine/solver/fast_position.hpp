// The fast search's position: every pile as a small array of card bytes, the
// face-down cards counted at each tableau pile's bottom, and a 128-bit key
// kept up to date with every move, the same for positions that differ only
// in the order of interchangeable piles or in which pack a card comes from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/solver/fast_rules.hpp"
#include "engine/solver/position_table.hpp"
#include "engine/solver/solver_move.hpp"

namespace quilloro::solver {

// One change of the table: cards carried from one pile to another (the
// bottom one of them is card), the top card of a tableau pile turned, count
// cards turned from the stock onto the waste, the waste (count cards)
// turned over into the stock again, count cards dealt from the stock
// onto the first count tableau piles, or a space filled by the engine itself
// (a move of one card that is no move of the player's).
struct FastStep {
  enum class Kind : std::uint8_t { Move, Turn, Click, Redeal, Deal, Fill };
  Kind kind = Kind::Move;
  std::uint8_t from = 0;
  std::uint8_t to = 0;
  std::uint8_t count = 0;
  FastCard card = 0;
  // How promising the move looks; higher is tried first.
  std::int16_t priority = 0;
  // A move of the waste card: the clicks on the stock that come first.
  std::uint16_t clicks = 0;
};

class FastPosition {
 public:
  static constexpr int kMaxPiles = kMaxTableau + kMaxReserves + kMaxFoundations + 2;
  static constexpr int kPileCapacity = 128;

  FastPosition(const FastRules& rules, const GameState& state, int redealCount);

  const FastRules& rules() const { return rules_; }
  // Piles are numbered tableau first, then free cells, then foundations.
  int tableauPile(int index) const { return index; }
  int reservePile(int index) const { return rules_.tableauCount() + index; }
  int foundationPile(int index) const { return rules_.tableauCount() + rules_.reserveCount() + index; }
  int stockPile() const { return rules_.tableauCount() + rules_.reserveCount() + rules_.foundationCount(); }
  int wastePile() const { return stockPile() + 1; }
  PileRef pileRef(int pile) const;

  int size(int pile) const { return size_[static_cast<std::size_t>(pile)]; }
  int faceDown(int pile) const { return down_[static_cast<std::size_t>(pile)]; }
  FastCard card(int pile, int slot) const { return cards_[static_cast<std::size_t>(pile)][static_cast<std::size_t>(slot)]; }
  FastCard top(int pile) const { return size(pile) == 0 ? FastCard{0} : card(pile, size(pile) - 1); }
  // Cards still on the tableau and the free cells: none left is a win.
  int cardsLeft() const { return left_; }
  int cardsHome() const { return home_; }
  // How many of the cards of this suit and rank are home.
  int homeCount(int suit, int rank) const {
    return homeCounts_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
  }
  PositionKey128 key() const;
  int redeals() const { return redeals_; }
  bool redealAllowed() const { return rules_.passes() < 0 || redeals_ < rules_.passes(); }

  // The moves the rules allow. With symmetry, only one of interchangeable
  // targets (the first empty tableau pile, the first free cell, the first
  // foundation that takes the card) and no whole pile onto an empty one.
  void moves(std::vector<FastStep>& out, bool symmetry) const { listMoves(out, symmetry, -1, -1); }
  // Of the moves moves(out, true) lists, those that put cards onto tableau
  // pile onto and those that take cards off pile off (-1 for none), in the
  // same order; every move where onto is no tableau pile holding cards. A
  // search that wants only the moves onto one card need not list the rest.
  void movesOntoOrOff(std::vector<FastStep>& out, int onto, int off) const;
  // The moves of the waste card after every number of clicks on the stock
  // up to a full round (the position is left as it was); only those onto
  // tableau pile onto where one is given.
  void stockMoves(std::vector<FastStep>& out, int onto = -1);
  // The moves of the waste's top card as it lies, appended to out.
  void wasteTopMoves(std::vector<FastStep>& out) const { wasteMoves(out, 0, true, -1); }
  // The card may be put on tableau pile t, which holds cards.
  bool takesOn(int t, FastCard card) const {
    return size(t) > faceDown(t) && rules_.pileHasRoom(size(t)) && rules_.builds(top(t), card);
  }
  // Tableau piles differ only in their cards: none is dealt to by the stock
  // in its own turn (rows dealt onto the reserves pass them by).
  bool tableauInterchangeable() const {
    return !rules_.dealsRows() || rules_.dealsToReserves() || size(stockPile()) == 0;
  }
  // The foundation that takes the card, if any. Only a card whose rank
  // below is home more often than its own has a place: that is told here,
  // as most cards asked about have none.
  int foundationFor(FastCard card) const {
    const int rank = rules_.rank(card);
    if (rank != kAce && homeCount(rules_.suit(card), rank - 1) <= homeCount(rules_.suit(card), rank)) return -1;
    return foundationTaking(card);
  }
  // One click on the stock as the engine makes it, its steps appended to
  // record; false when the click changes nothing.
  bool click(std::vector<FastStep>& record);

  // The piles as bytes (count, face-down count, cards, for every pile), and
  // back: decode puts a position encoded by the same rules in place.
  void encode(std::vector<std::uint8_t>& out) const;
  void decode(std::span<const std::uint8_t> bytes);
  // Higher is closer to a win: cards home, cards shown, order on the
  // tableau, free piles and cells.
  int score() const;

  void apply(const FastStep& step);
  void undo(const FastStep& step);

  // The step as the engine's move; nothing for a redeal, which is part of
  // the click that follows it, nor for a fill, which follows a move.
  std::optional<SolverMove> solverMove(const FastStep& step) const;

 private:
  enum class PileClass : std::uint8_t { Tableau, Reserve, Foundation, Stock, Waste };
  // These three keep the key up to date. The top count cards of from onto
  // to, in their order:
  void carry(int from, int to, int count);
  // The top count cards of from onto to one by one:
  void turnOver(int from, int to, int count);
  // The top card of the pile turned (faceDownChange -1 shows it).
  void flip(int pile, int faceDownChange);
  // push and pop change the pile's hash but not the key: rekey does.
  // The split of stock and waste is one that clicks alone come round to
  // again; then the key counts the stock as turned out onto the waste.
  bool onTheRound() const;
  PositionKey128 roundKey() const;
  // The pile's cards are left out of the key (they count as the stock cycle).
  bool outsideKey(int pile) const;
  void push(int pile, FastCard card);
  FastCard pop(int pile);
  // The pile's share of the key for the given hash of its cards.
  PositionKey128 shareOf(int pile, PositionKey128 hash) const;
  // What sets the pile's share apart from another's with the same cards.
  std::uint64_t saltOf(int pile) const;
  // The foundation whose top card the card builds on, if any.
  int foundationTaking(FastCard card) const;
  // Replaces the pile's share in the key after its hash changed.
  void rekey(int pile);
  PositionKey128 slotKey(int pile, int slot, FastCard card, bool down) const;
  void addHome(FastCard card, int delta);
  void clear();
  void setRedeals(int redeals);
  // The moves listed, with onto and off as in movesOntoOrOff (-1 for all).
  void listMoves(std::vector<FastStep>& out, bool symmetry, int onto, int off) const;
  // The waste card's moves into out (for a macro of so many clicks); only
  // those onto tableau pile onto where one is given.
  void wasteMoves(std::vector<FastStep>& out, int clicks, bool symmetry, int onto) const;
  // The same for the card as if it lay on top of the waste.
  void cardMoves(FastCard card, std::vector<FastStep>& out, int clicks, bool symmetry, int onto) const;
  // stockMoves where the stock is turned one card a click for ever.
  void cycleMoves(std::vector<FastStep>& out, int onto) const;
  // A run lifted off the pile, which leaves so many cards there, empties the
  // pile, shows a hidden card or frees a card for home.
  bool runMoveProgresses(int pile, int left) const;
  // A card of a foundation taken back to the tableau or a free cell (with
  // onto and off as in listMoves).
  void takeBackMoves(std::vector<FastStep>& out, bool symmetry, int onto, int off) const;
  // The row the stock deals onto the tableau, if it may.
  void rowDeal(std::vector<FastStep>& out) const;
  // The n-th pile a row from the stock is dealt onto.
  int rowPile(int index) const;
  void dealRow(int count);
  void gatherRow(int count);

  const FastRules& rules_;
  std::array<std::array<FastCard, kPileCapacity>, kMaxPiles> cards_{};
  std::array<std::uint8_t, kMaxPiles> size_{};
  std::array<std::uint8_t, kMaxPiles> down_{};
  std::array<PileClass, kMaxPiles> class_{};
  // Each pile's saltOf, worked out once.
  std::array<std::uint64_t, kMaxPiles> pileSalt_{};
  std::array<PositionKey128, kMaxPiles> pileHash_{};
  // Each pile's share in the key as last counted.
  std::array<PositionKey128, kMaxPiles> pileShare_{};
  std::array<std::array<std::uint8_t, 14>, 4> homeCounts_{};
  int piles_ = 0;
  int left_ = 0;
  int home_ = 0;
  int redeals_ = 0;
  // One card a click and no end of redeals: every card of the stock and
  // waste comes round in turn, and only their order round the cycle counts,
  // not where the stock stands in it (the key leaves the two piles out and
  // adds the cycle's share).
  bool stockCycle_ = false;
  // While stockMoves turns the stock round and back, the stock and waste
  // count in the key as they stood before.
  bool stockUnkeyed_ = false;
  PositionKey128 key_;
  // Room for stockMoves' clicks and the splits it has seen, kept from call
  // to call.
  std::vector<FastStep> roundClicks_;
  std::vector<std::pair<int, int>> roundSplits_;
};

}  // namespace quilloro::solver
