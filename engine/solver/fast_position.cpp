// Moves, keys and the engine's form of the fast search's position.
#include "engine/solver/fast_position.hpp"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "engine/solver/fast_move_priorities.hpp"

namespace quilloro::solver {

using namespace move_priority;

namespace {

std::uint64_t mixBits(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

constexpr std::uint64_t kLowSeed = 0x51ED270B27A1C3F5ULL;

// The share in a pile's hash of every card face, face up or down, at every
// slot of every class of pile, worked out once.
const std::vector<PositionKey128>& slotShares() {
  static const std::vector<PositionKey128> shares = [] {
    constexpr std::uint64_t kClasses = 5;
    std::vector<PositionKey128> table;
    table.reserve(kClasses * FastPosition::kPileCapacity * kCardsPerPack * 2);
    for (std::uint64_t kind = 0; kind < kClasses; ++kind)
      for (std::uint64_t slot = 0; slot < FastPosition::kPileCapacity; ++slot)
        for (std::uint64_t face = 0; face < kCardsPerPack; ++face)
          for (std::uint64_t down = 0; down < 2; ++down) {
            const std::uint64_t seed = ((kind * 256 + slot) * 64 + face) * 2 + down;
            table.push_back({mixBits(seed), mixBits(seed ^ kLowSeed)});
          }
    return table;
  }();
  return shares;
}

// The share in the key of a card's face at every place of the stock cycle,
// worked out once: the key of a position with an endless stock is asked for
// at every move tried.
const std::vector<PositionKey128>& cycleShares() {
  static const std::vector<PositionKey128> shares = [] {
    constexpr std::uint64_t kCycleSalt = 0xBB67AE8584CAA73BULL;
    std::vector<PositionKey128> table(2 * FastPosition::kPileCapacity * 64);
    for (std::size_t at = 0; at < table.size(); ++at)
      table[at] = {mixBits(kCycleSalt + at), mixBits((kCycleSalt + at) ^ kLowSeed)};
    return table;
  }();
  return shares;
}

}  // namespace

FastPosition::FastPosition(const FastRules& rules, const GameState& state, int redealCount)
    : rules_(rules), stockCycle_(rules.hasStock() && rules.passes() < 0 && rules.cardsPerClick() == 1) {
  piles_ = rules.tableauCount() + rules.reserveCount() + rules.foundationCount() + (rules.hasStock() ? 2 : 0);
  for (int p = 0; p < piles_; ++p) {
    const PileRef ref = pileRef(p);
    class_[static_cast<std::size_t>(p)] = ref.list == PileList::Tableau    ? PileClass::Tableau
                                          : ref.list == PileList::Reserves ? PileClass::Reserve
                                          : ref.list == PileList::Foundations
                                              ? PileClass::Foundation
                                              : (ref.index == kStockIndex ? PileClass::Stock : PileClass::Waste);
  }
  for (int p = 0; p < kMaxPiles; ++p) pileSalt_[static_cast<std::size_t>(p)] = saltOf(p);
  clear();
  setRedeals(redealCount);
  for (int p = 0; p < piles_; ++p) {
    const Pile& pile = state.piles.pile(pileRef(p));
    for (int slot = 0; slot < pile.cardCount(); ++slot) {
      if (pile.cardCount() > kPileCapacity) throw std::length_error("pile too long for the solver");
      const auto card = static_cast<FastCard>(pile.at(slot));
      // Only tableau cards are turned by the player; the stock's are never
      // seen but through the waste, whose cards all show.
      if (class_[static_cast<std::size_t>(p)] == PileClass::Tableau && state.isFaceDown(card))
        ++down_[static_cast<std::size_t>(p)];
      push(p, card);
    }
    rekey(p);
  }
}

void FastPosition::clear() {
  size_ = {};
  down_ = {};
  pileHash_ = {};
  homeCounts_ = {};
  left_ = 0;
  home_ = 0;
  redeals_ = 0;
  key_ = {};
  // Every pile's share counts in the key, the empty ones too.
  for (int p = 0; p < piles_; ++p) {
    const PositionKey128 share = shareOf(p, {});
    pileShare_[static_cast<std::size_t>(p)] = share;
    key_.high += share.high;
    key_.low += share.low;
  }
}

void FastPosition::setRedeals(int redeals) {
  // Where the waste is turned over for ever, the count changes nothing.
  if (rules_.passes() < 0) return;
  constexpr std::uint64_t kRedealSalt = 0x6A09E667F3BCC909ULL;
  auto share = [](int count) {
    const auto seed = kRedealSalt + static_cast<std::uint64_t>(count);
    return PositionKey128{mixBits(seed), mixBits(seed ^ kLowSeed)};
  };
  const PositionKey128 before = share(redeals_);
  const PositionKey128 after = share(redeals);
  key_.high += after.high - before.high;
  key_.low += after.low - before.low;
  redeals_ = redeals;
}

void FastPosition::encode(std::vector<std::uint8_t>& out) const {
  out.push_back(static_cast<std::uint8_t>(redeals_));
  for (int p = 0; p < piles_; ++p) {
    out.push_back(size_[static_cast<std::size_t>(p)]);
    out.push_back(down_[static_cast<std::size_t>(p)]);
    const auto& cards = cards_[static_cast<std::size_t>(p)];
    out.insert(out.end(), cards.begin(), cards.begin() + size_[static_cast<std::size_t>(p)]);
  }
}

void FastPosition::decode(std::span<const std::uint8_t> bytes) {
  // Each pile is laid anew only from its first card that differs: the
  // positions a search moves between share most of their cards (the stock
  // above all), and taking cards off keeps the key as exact as laying them.
  setRedeals(bytes[0]);
  std::size_t at = 1;
  for (int p = 0; p < piles_; ++p) {
    const auto index = static_cast<std::size_t>(p);
    const int count = bytes[at];
    const int down = bytes[at + 1];
    at += 2;
    const int height = size_[index];
    int same = 0;
    while (same < count && same < height && cards_[index][static_cast<std::size_t>(same)] == bytes[at + static_cast<std::size_t>(same)])
      ++same;
    // A slot's share of the key tells whether its card lies face down.
    if (down != down_[index]) same = std::min({same, down, static_cast<int>(down_[index])});
    if (same == count && same == height) {
      at += static_cast<std::size_t>(count);
      continue;
    }
    while (size_[index] > same) pop(p);
    down_[index] = static_cast<std::uint8_t>(down);
    for (int i = same; i < count; ++i) push(p, bytes[at + static_cast<std::size_t>(i)]);
    at += static_cast<std::size_t>(count);
    rekey(p);
  }
}

int FastPosition::score() const {
  int faceDownCards = 0;
  int breaks = 0;
  int emptyPiles = 0;
  int lowest = kKing + 1;
  for (int t = 0; t < rules_.tableauCount(); ++t) {
    const int height = size(t);
    if (height == 0) ++emptyPiles;
    faceDownCards += faceDown(t);
    for (int slot = 0; slot < height; ++slot) {
      lowest = std::min(lowest, rules_.rank(card(t, slot)));
      if (slot > faceDown(t) && !rules_.joinsRun(card(t, slot - 1), card(t, slot)))
        breaks += rules_.builds(card(t, slot - 1), card(t, slot)) ? 1 : 2;
    }
  }
  // The lowest cards still in play go home next: every card above one of
  // them must move first.
  int buried = 0;
  for (int t = 0; t < rules_.tableauCount(); ++t)
    for (int slot = 0; slot < size(t); ++slot)
      if (rules_.rank(card(t, slot)) <= lowest + 1) {
        buried += size(t) - 1 - slot;
        break;
      }
  int freeCells = 0;
  for (int r = 0; r < rules_.reserveCount(); ++r) freeCells += size(reservePile(r)) == 0 ? 1 : 0;
  // Free piles and cells weigh much: every run that moves needs them.
  return 100 * home_ - 30 * faceDownCards - 5 * breaks - 10 * buried + 40 * emptyPiles + 20 * freeCells;
}

PileRef FastPosition::pileRef(int pile) const {
  if (pile < rules_.tableauCount()) return {PileList::Tableau, pile};
  pile -= rules_.tableauCount();
  if (pile < rules_.reserveCount()) return {PileList::Reserves, pile};
  pile -= rules_.reserveCount();
  if (pile < rules_.foundationCount()) return {PileList::Foundations, pile};
  return pile == rules_.foundationCount() ? kStockPile : kWastePile;
}

inline PositionKey128 FastPosition::slotKey(int pile, int slot, FastCard card, bool down) const {
  const auto kind = static_cast<std::size_t>(class_[static_cast<std::size_t>(pile)]);
  const auto at = ((kind * kPileCapacity + static_cast<std::size_t>(slot)) * kCardsPerPack +
                   static_cast<std::size_t>(rules_.face(card))) * 2 + (down ? 1 : 0);
  return slotShares()[at];
}

std::uint64_t FastPosition::saltOf(int pile) const {
  // A pile's share depends on its class and cards, never on its place in the
  // list: interchangeable piles in any order give the same key.
  // Where the stock deals rows, each tableau pile gets its own cards from
  // it: the piles are told apart by their place.
  const PileClass pileClass = class_[static_cast<std::size_t>(pile)];
  auto kind = static_cast<std::uint64_t>(pileClass) << 56;
  if (rules_.dealsRows() && pileClass == (rules_.dealsToReserves() ? PileClass::Reserve : PileClass::Tableau))
    kind |= static_cast<std::uint64_t>(pile + 1) << 40;
  return kind;
}

PositionKey128 FastPosition::shareOf(int pile, PositionKey128 hash) const {
  const std::uint64_t salt = pileSalt_[static_cast<std::size_t>(pile)];
  return {mixBits(hash.high ^ salt), mixBits(hash.low ^ salt ^ kLowSeed)};
}

PositionKey128 FastPosition::key() const {
  if (!stockCycle_) return roundKey();
  // The cycle read from the waste's bottom card up, then the stock from its
  // top card down, started at its lowest card number.
  std::array<FastCard, 2 * kPileCapacity> cycle{};
  int length = 0;
  for (int slot = 0; slot < size(wastePile()); ++slot) cycle[static_cast<std::size_t>(length++)] = card(wastePile(), slot);
  for (int slot = size(stockPile()) - 1; slot >= 0; --slot)
    cycle[static_cast<std::size_t>(length++)] = card(stockPile(), slot);
  const auto lowest = static_cast<int>(std::min_element(cycle.begin(), cycle.begin() + length) - cycle.begin());
  PositionKey128 key = key_;
  const std::vector<PositionKey128>& shares = cycleShares();
  // The i-th card of the cycle from its lowest card on, wrapping round to
  // the cards before it without a division per card.
  int i = 0;
  auto add = [&](int at) {
    const int face = rules_.face(cycle[static_cast<std::size_t>(at)]);
    const PositionKey128& share = shares[static_cast<std::size_t>(i++ * 64 + face)];
    key.high += share.high;
    key.low += share.low;
  };
  for (int at = lowest; at < length; ++at) add(at);
  for (int at = 0; at < lowest; ++at) add(at);
  return key;
}

bool FastPosition::onTheRound() const {
  // With no end of redeals and several cards a click, the clicks from a
  // stock just redealt turn so many cards at a time until the stock is
  // empty, and the next click redeals: every split on that round reaches
  // every other by clicks alone.
  if (!rules_.hasStock() || rules_.passes() >= 0 || stockCycle_) return false;
  const int waste = size(wastePile());
  const int cards = waste + size(stockPile());
  return cards >= 2 && waste > 0 && (waste == cards || waste % rules_.cardsPerClick() == 0);
}

PositionKey128 FastPosition::roundKey() const {
  if (!onTheRound()) return key_;
  // Every split on the round counts as the one with the stock turned out:
  // all the cards on the waste, in their order round the cycle.
  PositionKey128 key = key_;
  key.high -= pileShare_[static_cast<std::size_t>(stockPile())].high + pileShare_[static_cast<std::size_t>(wastePile())].high;
  key.low -= pileShare_[static_cast<std::size_t>(stockPile())].low + pileShare_[static_cast<std::size_t>(wastePile())].low;
  PositionKey128 waste{};
  int slot = 0;
  auto add = [&](FastCard card) {
    const PositionKey128 share = slotKey(wastePile(), slot++, card, false);
    waste.high += share.high;
    waste.low += share.low;
  };
  for (int at = 0; at < size(wastePile()); ++at) add(card(wastePile(), at));
  for (int at = size(stockPile()) - 1; at >= 0; --at) add(card(stockPile(), at));
  const PositionKey128 stockShare = shareOf(stockPile(), {});
  const PositionKey128 wasteShare = shareOf(wastePile(), waste);
  key.high += stockShare.high + wasteShare.high;
  key.low += stockShare.low + wasteShare.low;
  return key;
}

void FastPosition::rekey(int pile) {
  if (outsideKey(pile)) return;
  const auto p = static_cast<std::size_t>(pile);
  const PositionKey128 after = shareOf(pile, pileHash_[p]);
  key_.high += after.high - pileShare_[p].high;
  key_.low += after.low - pileShare_[p].low;
  pileShare_[p] = after;
}

bool FastPosition::outsideKey(int pile) const {
  const PileClass kind = class_[static_cast<std::size_t>(pile)];
  return (stockCycle_ || stockUnkeyed_) && (kind == PileClass::Stock || kind == PileClass::Waste);
}

inline void FastPosition::push(int pile, FastCard card) {
  const auto p = static_cast<std::size_t>(pile);
  if (outsideKey(pile)) {
    // The stock and waste of an endless cycle count in the key only as the
    // cycle: a click costs no hashing.
    cards_[p][size_[p]++] = card;
    ++left_;
    return;
  }
  const int slot = size_[p];
  const PositionKey128 add = slotKey(pile, slot, card, slot < down_[p]);
  pileHash_[p].high += add.high;
  pileHash_[p].low += add.low;
  cards_[p][static_cast<std::size_t>(slot)] = card;
  ++size_[p];
  if (class_[p] == PileClass::Foundation) {
    addHome(card, 1);
  } else {
    ++left_;
  }
}

inline FastCard FastPosition::pop(int pile) {
  const auto p = static_cast<std::size_t>(pile);
  if (outsideKey(pile)) {
    --left_;
    return cards_[p][--size_[p]];
  }
  const int slot = size_[p] - 1;
  const FastCard card = cards_[p][static_cast<std::size_t>(slot)];
  const PositionKey128 remove = slotKey(pile, slot, card, slot < down_[p]);
  pileHash_[p].high -= remove.high;
  pileHash_[p].low -= remove.low;
  --size_[p];
  if (class_[p] == PileClass::Foundation) {
    addHome(card, -1);
  } else {
    --left_;
  }
  return card;
}

void FastPosition::addHome(FastCard card, int delta) {
  auto& count = homeCounts_[static_cast<std::size_t>(rules_.suit(card))][static_cast<std::size_t>(rules_.rank(card))];
  count = static_cast<std::uint8_t>(count + delta);
  home_ += delta;
}

void FastPosition::carry(int from, int to, int count) {
  const auto f = static_cast<std::size_t>(from);
  const auto t = static_cast<std::size_t>(to);
  const int start = size(from) - count;
  if (outsideKey(from) || outsideKey(to)) {
    for (int i = 0; i < count; ++i) push(to, card(from, start + i));
    for (int i = 0; i < count; ++i) pop(from);
  } else {
    // Between piles that count in the key (every move but the stock's):
    // the cards move and both hashes change in one pass.
    const bool fromHome = class_[f] == PileClass::Foundation;
    const bool toHome = class_[t] == PileClass::Foundation;
    const int end = size_[t];
    for (int i = 0; i < count; ++i) {
      const int fromSlot = start + i;
      const int toSlot = end + i;
      const FastCard moving = cards_[f][static_cast<std::size_t>(fromSlot)];
      const PositionKey128 removed = slotKey(from, fromSlot, moving, fromSlot < down_[f]);
      const PositionKey128 added = slotKey(to, toSlot, moving, toSlot < down_[t]);
      pileHash_[f].high -= removed.high;
      pileHash_[f].low -= removed.low;
      pileHash_[t].high += added.high;
      pileHash_[t].low += added.low;
      cards_[t][static_cast<std::size_t>(toSlot)] = moving;
      if (fromHome) addHome(moving, -1);
      if (toHome) addHome(moving, 1);
    }
    left_ += (fromHome ? count : 0) - (toHome ? count : 0);
    size_[t] = static_cast<std::uint8_t>(size_[t] + count);
    size_[f] = static_cast<std::uint8_t>(size_[f] - count);
  }
  rekey(from);
  rekey(to);
}

void FastPosition::turnOver(int from, int to, int count) {
  // Card by card, so the order of the cards is reversed.
  for (int i = 0; i < count; ++i) push(to, pop(from));
  rekey(from);
  rekey(to);
}

void FastPosition::flip(int pile, int faceDownChange) {
  // The top card shows its face or hides it: its slot's share of the key changes.
  const auto p = static_cast<std::size_t>(pile);
  const int slot = size_[p] - 1;
  const FastCard top = cards_[p][static_cast<std::size_t>(slot)];
  const bool wasDown = slot < down_[p];
  down_[p] = static_cast<std::uint8_t>(down_[p] + faceDownChange);
  if (!outsideKey(pile)) {
    const PositionKey128 before = slotKey(pile, slot, top, wasDown);
    const PositionKey128 after = slotKey(pile, slot, top, slot < down_[p]);
    pileHash_[p].high += after.high - before.high;
    pileHash_[p].low += after.low - before.low;
  }
  rekey(pile);
}

void FastPosition::apply(const FastStep& step) {
  switch (step.kind) {
    case FastStep::Kind::Click: turnOver(stockPile(), wastePile(), step.count); return;
    case FastStep::Kind::Redeal:
      turnOver(wastePile(), stockPile(), step.count);
      setRedeals(redeals_ + 1);
      return;
    case FastStep::Kind::Turn: flip(step.from, -1); return;
    case FastStep::Kind::Move:
    case FastStep::Kind::Fill: carry(step.from, step.to, step.count); return;
    case FastStep::Kind::Deal: dealRow(step.count); return;
  }
}

void FastPosition::undo(const FastStep& step) {
  switch (step.kind) {
    case FastStep::Kind::Click: turnOver(wastePile(), stockPile(), step.count); return;
    case FastStep::Kind::Redeal:
      turnOver(stockPile(), wastePile(), step.count);
      setRedeals(redeals_ - 1);
      return;
    case FastStep::Kind::Turn: flip(step.from, 1); return;
    case FastStep::Kind::Move:
    case FastStep::Kind::Fill: carry(step.to, step.from, step.count); return;
    case FastStep::Kind::Deal: gatherRow(step.count); return;
  }
}

int FastPosition::rowPile(int index) const {
  return rules_.dealsToReserves() ? reservePile(index) : tableauPile(index);
}

void FastPosition::dealRow(int count) {
  for (int n = 0; n < count; ++n) {
    push(rowPile(n), pop(stockPile()));
    rekey(rowPile(n));
  }
  rekey(stockPile());
}

void FastPosition::gatherRow(int count) {
  for (int n = count - 1; n >= 0; --n) {
    push(stockPile(), pop(rowPile(n)));
    rekey(rowPile(n));
  }
  rekey(stockPile());
}

int FastPosition::foundationTaking(FastCard card) const {
  const int rank = rules_.rank(card);
  for (int f = 0; f < rules_.foundationCount(); ++f) {
    const int pile = foundationPile(f);
    const FastCard onTop = top(pile);
    if (onTop == 0 ? rank == kAce : rules_.suit(onTop) == rules_.suit(card) && rules_.rank(onTop) + 1 == rank)
      return pile;
  }
  return -1;
}

void FastPosition::movesOntoOrOff(std::vector<FastStep>& out, int onto, int off) const {
  if (onto < 0 || onto >= rules_.tableauCount() || size(onto) == 0) {
    listMoves(out, true, -1, -1);
    return;
  }
  listMoves(out, true, onto, off);
}

void FastPosition::listMoves(std::vector<FastStep>& out, bool symmetry, int onto, int off) const {
  out.clear();
  // Every move, or only those onto the pile onto and off the pile off.
  const bool all = onto < 0;
  const int tableau = rules_.tableauCount();
  int emptyTableau = 0;
  int emptyReserves = 0;
  int firstEmptyReserve = -1;
  for (int t = 0; t < tableau; ++t)
    if (size(t) == 0) ++emptyTableau;
  for (int r = 0; r < rules_.reserveCount(); ++r)
    if (size(reservePile(r)) == 0) {
      ++emptyReserves;
      if (firstEmptyReserve < 0) firstEmptyReserve = reservePile(r);
    }
  // The tableau piles that take a card, by the rank of their top card: a
  // card is tried only on those whose top card is of a rank next to its own.
  static_assert(kMaxTableau <= 32, "a pile is one bit of a 32-bit mask");
  std::array<std::uint32_t, 16> takersByRank{};
  for (int t = 0; t < tableau; ++t)
    if (size(t) > faceDown(t) && rules_.pileHasRoom(size(t)))
      takersByRank[static_cast<std::size_t>(rules_.rank(top(t)))] |= std::uint32_t{1} << t;
  // Of those, the piles the card may go on are among these (builds decides).
  auto takers = [&](FastCard moving) {
    const auto rank = static_cast<std::size_t>(rules_.rank(moving));
    std::uint32_t piles = takersByRank[rank + 1];
    if (rules_.buildsBothWays()) piles |= takersByRank[rank - 1];
    if (rules_.buildsPastBase() && rank == kKing) piles |= takersByRank[kAce];
    return piles;
  };
  auto add = [&out](int from, int to, int count, FastCard card, int priority) {
    out.push_back({FastStep::Kind::Move, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
                   static_cast<std::uint8_t>(count), card, static_cast<std::int16_t>(priority)});
  };
  auto toFoundations = [&](int from, FastCard card, int priority) {
    if (symmetry) {
      if (const int f = foundationFor(card); f >= 0) add(from, f, 1, card, priority);
      return;
    }
    for (int f = 0; f < rules_.foundationCount(); ++f) {
      const int pile = foundationPile(f);
      const FastCard onTop = top(pile);
      const int rank = rules_.rank(card);
      if (onTop == 0 ? rank == kAce : rules_.suit(onTop) == rules_.suit(card) && rules_.rank(onTop) + 1 == rank)
        add(from, pile, 1, card, priority);
    }
  };
  // Empty tableau piles that differ in nothing: one stands for all.
  const bool oneEmptyPile = symmetry && tableauInterchangeable();
  auto emptyTargets = [&](int from, auto&& each) {
    for (int t = 0; t < tableau; ++t) {
      if (t == from || size(t) != 0) continue;
      each(t);
      if (oneEmptyPile) return;
    }
  };

  for (int s = 0; s < tableau; ++s) {
    const int height = size(s);
    if (height == 0 || height == faceDown(s)) continue;
    if (!rules_.runMayMove(1, false, emptyTableau, emptyReserves)) continue;
    const bool whole = all || s == off;
    const FastCard topCard = top(s);
    const int shown = height - faceDown(s);
    if (whole) toFoundations(s, topCard, kToFoundation + (height - 1 == faceDown(s) && height > 1 ? kShowsFaceDown : 0));
    for (int n = 1; n <= shown; ++n) {
      if (n > 1 && !rules_.joinsRun(card(s, height - n), card(s, height - n + 1))) break;
      if (!rules_.runMayMove(n, false, emptyTableau, emptyReserves)) continue;
      const FastCard bottom = card(s, height - n);
      const int left = height - n;
      if (rules_.progressOnly() && !runMoveProgresses(s, left)) continue;
      const int bonus = (left == 0 ? kEmptiesPile : 0) + (left > 0 && left == faceDown(s) ? kShowsFaceDown : 0);
      if (!whole) {
        if (onto != s && takesOn(onto, bottom)) add(s, onto, n, bottom, kOntoPile + bonus + n);
        continue;
      }
      for (std::uint32_t piles = takers(bottom) & ~(std::uint32_t{1} << s); piles != 0; piles &= piles - 1) {
        const int t = std::countr_zero(piles);
        if (rules_.builds(top(t), bottom)) add(s, t, n, bottom, kOntoPile + bonus + n);
      }
      if (!rules_.fillsEmpty(bottom) || (oneEmptyPile && left == 0)) continue;
      if (n > 1 && !rules_.runMayMove(n, true, emptyTableau, emptyReserves)) continue;
      emptyTargets(s, [&](int t) { add(s, t, n, bottom, kToEmpty + bonus - n); });
    }
    for (int r = 0; r < rules_.reserveCount() && rules_.reservesTakeCards() && whole; ++r) {
      const int pile = reservePile(r);
      if (size(pile) != 0) continue;
      if (symmetry && pile != firstEmptyReserve) continue;
      add(s, pile, 1, topCard, kToReserve + (height - 1 == faceDown(s) && height > 1 ? kShowsFaceDown : 0));
    }
  }
  for (int r = 0; r < rules_.reserveCount(); ++r) {
    const int pile = reservePile(r);
    if (size(pile) == 0) continue;
    const FastCard card = top(pile);
    if (!all && pile != off) {
      if (takesOn(onto, card)) add(pile, onto, 1, card, kReserveToPile);
      continue;
    }
    toFoundations(pile, card, kToFoundation);
    for (std::uint32_t piles = takers(card); piles != 0; piles &= piles - 1) {
      const int t = std::countr_zero(piles);
      if (rules_.builds(top(t), card)) add(pile, t, 1, card, kReserveToPile);
    }
    if (rules_.fillsEmpty(card)) emptyTargets(pile, [&](int t) { add(pile, t, 1, card, kReserveToEmpty); });
  }
  if (rules_.takesBack() && !rules_.progressOnly()) takeBackMoves(out, symmetry, onto, off);
  // The search plays the waste card through stockMoves, after any clicks.
  if (rules_.hasStock() && !symmetry) wasteMoves(out, 0, false, -1);
}

bool FastPosition::runMoveProgresses(int pile, int left) const {
  // The pile empties (and where a reserve fills spaces, brings its next
  // card into play), shows a hidden card, or frees a card for home.
  if (left == 0 || left == faceDown(pile)) return true;
  return foundationFor(card(pile, left - 1)) >= 0;
}

std::optional<SolverMove> FastPosition::solverMove(const FastStep& step) const {
  switch (step.kind) {
    case FastStep::Kind::Turn: return SolverMove{SolverMove::Kind::Turn, step.card, pileRef(step.from)};
    case FastStep::Kind::Click:
    case FastStep::Kind::Deal: return SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile};
    // The engine fills a space by itself after the move before.
    case FastStep::Kind::Redeal:
    case FastStep::Kind::Fill: return std::nullopt;
    case FastStep::Kind::Move: break;
  }
  return SolverMove{SolverMove::Kind::Drop, step.card, pileRef(step.to)};
}

void FastPosition::takeBackMoves(std::vector<FastStep>& out, bool symmetry, int onto, int off) const {
  const int tableau = rules_.tableauCount();
  for (int f = 0; f < rules_.foundationCount(); ++f) {
    const int pile = foundationPile(f);
    if (!rules_.mayTakeBack(size(pile))) continue;
    const FastCard card = top(pile);
    if (onto >= 0 && pile != off) {
      if (takesOn(onto, card)) out.push_back({FastStep::Kind::Move, static_cast<std::uint8_t>(pile),
                                              static_cast<std::uint8_t>(onto), 1, card, kTakeBack, 0});
      continue;
    }
    auto add = [&](int to) {
      out.push_back({FastStep::Kind::Move, static_cast<std::uint8_t>(pile), static_cast<std::uint8_t>(to), 1, card,
                     kTakeBack, 0});
    };
    bool emptyTried = false;
    for (int t = 0; t < tableau; ++t) {
      if (size(t) != 0) {
        if (takesOn(t, card)) add(t);
      } else if (rules_.fillsEmpty(card) && !(symmetry && emptyTried)) {
        add(t);
        emptyTried = tableauInterchangeable();
      }
    }
    for (int r = 0; r < rules_.reserveCount() && rules_.reservesTakeCards(); ++r) {
      if (size(reservePile(r)) != 0) continue;
      add(reservePile(r));
      if (symmetry) break;
    }
  }
}

}  // namespace quilloro::solver
