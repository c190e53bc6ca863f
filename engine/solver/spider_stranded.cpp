// Building up the cards of a Spider family position that may ever leave
// their place, to find one that never can (see the header for why).
#include "engine/solver/spider_stranded.hpp"

#include <array>
#include <cstdint>

namespace quilloro::solver {

namespace {

constexpr int kMostSlots = 2 * kCardsPerPack + 8;
constexpr int kRunCards = 13;

struct Place {
  std::int8_t pile;
  std::int8_t slot;
};

class LeavingCards {
 public:
  explicit LeavingCards(const SpiderPosition& position) : position_(position), rules_(position.rules()) {}

  bool someStays() {
    const int piles = rules_.tableauCount();
    // A gap that takes any card lets every card leave, from the top down.
    if (rules_.anyCardFillsEmpty()) {
      for (int pile = 0; pile < piles; ++pile)
        if (position_.size(pile) == 0) return false;
      // So does a pile that is one run, all of it face up, which may go
      // whole onto the top of another pile: the check would find that
      // first, at the cost of reading the whole position.
      if (somePileMovesWhole()) return false;
    }
    for (int pile = 0; pile < piles; ++pile) {
      const auto p = static_cast<std::size_t>(pile);
      bare_[p] = position_.size(pile);
      if (bare_[p] == 0) ++gaps_;
      for (int slot = 0; slot < position_.size(pile); ++slot)
        placeOf_[position_.at(pile, slot)] = {static_cast<std::int8_t>(pile), static_cast<std::int8_t>(slot)};
      // The highest slot of the run each face-up card starts, read downward.
      for (int slot = position_.size(pile) - 1; slot >= 0; --slot) {
        leaves_[p][static_cast<std::size_t>(slot)] = false;
        runTop_[p][static_cast<std::size_t>(slot)] =
            static_cast<std::int8_t>(runsOn(pile, slot) ? runTop_[p][static_cast<std::size_t>(slot + 1)] : slot);
      }
    }
    for (const std::uint8_t card : position_.stockCards()) stockRanks_ |= 1U << SpiderRules::rank(card);
    // Each round adds what the last made possible; the set only grows.
    for (bool grown = true; grown;) {
      grown = false;
      for (int pile = 0; pile < piles; ++pile) {
        const auto p = static_cast<std::size_t>(pile);
        for (int slot = position_.size(pile) - 1; slot >= 0; --slot) {
          if (leaves_[p][static_cast<std::size_t>(slot)]) continue;
          // Below a card that waits on cards above its run, every card waits
          // too, but those of its run, which the card below may lift.
          if (blocked(pile, slot) && !runsOn(pile, slot - 1)) break;
          if (!mayLeave(pile, slot)) continue;
          leaves_[p][static_cast<std::size_t>(slot)] = true;
          grown = true;
          // The cards of its run above it leave with it, lifted together.
          for (int above = slot + 1; runsOn(pile, above - 1) && !leaves_[p][static_cast<std::size_t>(above)]; ++above)
            leaves_[p][static_cast<std::size_t>(above)] = true;
          while (bare_[p] > 0 && leaves_[p][static_cast<std::size_t>(bare_[p] - 1)]) --bare_[p];
          if (bare_[p] == 0) {
            // A gap that takes any card lets every other card leave as well.
            if (rules_.anyCardFillsEmpty()) return false;
            ++gaps_;
          }
        }
      }
    }
    for (int pile = 0; pile < piles; ++pile)
      if (bare_[static_cast<std::size_t>(pile)] > 0) return true;
    return false;
  }

 private:
  bool somePileMovesWhole() const {
    const int piles = rules_.tableauCount();
    for (int pile = 0; pile < piles; ++pile) {
      if (position_.faceDown(pile) != 0 || position_.movableFrom(pile) != 0) continue;
      const std::uint8_t bottom = position_.at(pile, 0);
      for (int other = 0; other < piles; ++other)
        if (other != pile && rules_.builds(position_.top(other), bottom)) return true;
    }
    return false;
  }

  bool mayLeave(int pile, int slot) const {
    const auto p = static_cast<std::size_t>(pile);
    const int hidden = position_.faceDown(pile);
    const std::uint8_t card = position_.at(pile, slot);
    // Lifted with the card below it.
    if (slot > hidden && rules_.joinsRun(position_.at(pile, slot - 1), card) &&
        leaves_[p][static_cast<std::size_t>(slot - 1)])
      return true;
    if (blocked(pile, slot)) return false;
    if (homeWhereItLies(pile, slot)) return true;
    // The card's own pile is no gap: the card is still there.
    if (gaps_ > 0 && rules_.fillsEmpty(card)) return true;
    const int rank = SpiderRules::rank(card);
    if (rank == kKing) return false;
    // The cards one rank higher, one of each suit of each pack: card
    // numbers run ace to king suit after suit.
    for (int higher = rank + 1; higher <= rules_.packs() * kCardsPerPack; higher += kRunCards) {
      const Place place = placeOf_[static_cast<std::size_t>(higher)];
      if (place.pile < 0 || (place.pile == pile && place.slot < slot)) continue;
      if (place.slot + 1 < bare_[static_cast<std::size_t>(place.pile)]) continue;
      if (rules_.builds(position_.at(place.pile, place.slot), card)) return true;
    }
    if ((stockRanks_ & (1U << (rank + 1))) != 0)
      for (const std::uint8_t dealt : position_.stockCards())
        if (rules_.builds(dealt, card)) return true;
    return false;
  }

  // Some card above it, not of its own run, has not left yet.
  bool blocked(int pile, int slot) const {
    const auto p = static_cast<std::size_t>(pile);
    const int runTop = slot < position_.faceDown(pile) ? slot : runTop_[p][static_cast<std::size_t>(slot)];
    return runTop + 1 < bare_[p];
  }
  // The card at the slot and the one above it make a run, both face up.
  bool runsOn(int pile, int slot) const {
    return slot >= position_.faceDown(pile) && slot + 1 < position_.size(pile) &&
           rules_.joinsRun(position_.at(pile, slot), position_.at(pile, slot + 1));
  }

  // The card may go home where it lies: a king, face down or not, or a card
  // on the rest of its run up to the king, face up from the start. With one
  // pack, every other card of its run must come from the stock, lie in place
  // on it already, or leave its own place to join it.
  bool homeWhereItLies(int pile, int slot) const {
    const int hidden = position_.faceDown(pile);
    const std::uint8_t card = position_.at(pile, slot);
    if (slot < hidden && SpiderRules::rank(card) != kKing) return false;
    int low = slot;
    for (; SpiderRules::rank(position_.at(pile, low)) != kKing; --low)
      if (low - 1 < hidden || !rules_.completes(position_.at(pile, low - 1), position_.at(pile, low))) return false;
    if (rules_.packs() != 1) return true;
    int high = slot;
    if (slot >= hidden)
      while (high + 1 < position_.size(pile) && rules_.completes(position_.at(pile, high), position_.at(pile, high + 1)))
        ++high;
    const int first = (card - 1) / kRunCards * kRunCards + 1;
    for (int mate = first; mate < first + kRunCards; ++mate) {
      const Place place = placeOf_[static_cast<std::size_t>(mate)];
      if (place.pile < 0) continue;
      if (place.pile == pile && place.slot >= low && place.slot <= high) continue;
      if (!leaves_[static_cast<std::size_t>(place.pile)][static_cast<std::size_t>(place.slot)]) return false;
    }
    return true;
  }

  const SpiderPosition& position_;
  const SpiderRules& rules_;
  // Filled for the slots in use only: clearing them all would cost more than the check.
  std::array<std::array<bool, kMostSlots>, SpiderRules::kMostPiles> leaves_;
  std::array<std::array<std::int8_t, kMostSlots>, SpiderRules::kMostPiles> runTop_;
  // The lowest slot of each pile from which every card above has left.
  std::array<int, SpiderRules::kMostPiles> bare_{};
  // The piles whose every card may leave.
  int gaps_ = 0;
  // Where each card lies in the tableau; nowhere for the stock's cards.
  std::array<Place, 2 * kCardsPerPack + 2> placeOf_ = [] {
    std::array<Place, 2 * kCardsPerPack + 2> places{};
    places.fill({-1, -1});
    return places;
  }();
  std::uint32_t stockRanks_ = 0;
};

}  // namespace

bool someCardStranded(const SpiderPosition& position) { return LeavingCards(position).someStays(); }

}  // namespace quilloro::solver
