// Playing and undoing moves on the compact Spider family position, its moves
// with their promise, and its key.
#include "engine/solver/spider_position.hpp"

#include <algorithm>
#include <bit>

namespace quilloro::solver {

namespace {

constexpr int kRunCards = 13;

std::uint64_t mix(std::uint64_t value) {
  value += 0x9E3779B97F4A7C15ULL;
  value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
  value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
  return value ^ (value >> 31);
}

// How much a move promises, for the order in which the search tries them.
constexpr int kCompletesRun = 1000;
constexpr int kUncovers = 300;
constexpr int kEmpties = 250;
constexpr int kPerChainCard = 40;
constexpr int kToEmptyPile = -100;
constexpr int kDeal = -10000;

}  // namespace

SpiderPosition::SpiderPosition(const SpiderRules& rules, const GameState& state) : rules_(rules) {
  for (int pile = 0; pile < rules.tableauCount(); ++pile) {
    const Pile& source = state.piles.pile(PileList::Tableau, pile);
    const auto p = static_cast<std::size_t>(pile);
    for (const std::uint8_t card : source.slots()) {
      cards_[p][static_cast<std::size_t>(size_[p]++)] = card;
      if (state.isFaceDown(card)) ++faceDown_[p];
    }
    rehash(pile, 0);
  }
  const Pile& stock = state.piles.stock();
  stock_.assign(stock.slots().begin(), stock.slots().end());
  stockLeft_ = static_cast<int>(stock_.size());
  for (int i = 0; i < rules.sequenceCount(); ++i)
    if (!state.piles.pile(PileList::Foundations, i).empty()) ++runsHome_;
}

int SpiderPosition::facedownTotal() const {
  int total = 0;
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) total += faceDown(pile);
  return total;
}

int SpiderPosition::links() const {
  int total = 0;
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) total += links_[static_cast<std::size_t>(pile)];
  return total;
}

int SpiderPosition::naturalLinks() const {
  int total = 0;
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) total += naturalLinks_[static_cast<std::size_t>(pile)];
  return total;
}

int SpiderPosition::emptyPiles() const {
  int total = 0;
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) total += size(pile) == 0 ? 1 : 0;
  return total;
}

bool SpiderPosition::deadlocked() const {
  // With one pack building in suit and gaps that refuse the card, the lowest
  // face-up card of a pile that still hides cards (its keeper) moves only
  // onto the one card it builds on, its successor, when that lies on top of
  // a pile: no card lies under it face up to carry it along, and it goes
  // home only as the king of its run (so a king keeper waits on nothing).
  // The pile's hidden cards turn only after its keeper moves. So a keeper
  // must wait for another pile's keeper to move first when its successor
  // lies face down there, or lies face up under a card that is no king and
  // is no card for a gap, and whose own successor lies face down there (that
  // card leaves only onto its successor). A keeper that must wait, through
  // such piles, for itself never moves: the tableau never clears.
  if (rules_.packs() != 1 || !rules_.buildsInSuit()) return false;
  const int piles = rules_.tableauCount();
  std::array<std::int8_t, kCardsPerPack + 2> pileOf{};
  std::array<std::int8_t, kCardsPerPack + 2> slotOf{};
  pileOf.fill(-1);
  for (int pile = 0; pile < piles; ++pile)
    for (int slot = 0; slot < size(pile); ++slot) {
      const std::uint8_t card = at(pile, slot);
      if (card > kCardsPerPack) return false;
      pileOf[card] = static_cast<std::int8_t>(pile);
      slotOf[card] = static_cast<std::int8_t>(slot);
    }
  // The card a card builds on, when the tableau holds it face down: its pile.
  auto hiddenSuccessorPile = [&](std::uint8_t card) -> int {
    if (SpiderRules::rank(card) == kKing) return -1;
    const int pile = pileOf[card + 1];
    return pile >= 0 && slotOf[card + 1] < faceDown(pile) ? pile : -1;
  };
  // The pile whose keeper must move before this pile's keeper can; -1 for none.
  std::array<int, SpiderRules::kMostPiles> waitsFor{};
  for (int pile = 0; pile < piles; ++pile) {
    waitsFor[static_cast<std::size_t>(pile)] = -1;
    const int hidden = faceDown(pile);
    if (hidden == 0 || hidden == size(pile)) continue;
    const std::uint8_t keeper = at(pile, hidden);
    if (rules_.fillsEmpty(keeper) || SpiderRules::rank(keeper) == kKing) continue;
    int waits = hiddenSuccessorPile(keeper);
    const int successorPile = pileOf[keeper + 1];
    if (waits < 0 && successorPile >= 0 && successorPile != pile && slotOf[keeper + 1] + 1 < size(successorPile)) {
      const std::uint8_t above = at(successorPile, slotOf[keeper + 1] + 1);
      if (!rules_.fillsEmpty(above) && SpiderRules::rank(above) != kKing) waits = hiddenSuccessorPile(above);
    }
    waitsFor[static_cast<std::size_t>(pile)] = waits;
  }
  // Every pile waits for one other at most: a walk of more steps than there
  // are piles has gone round a circle.
  for (int pile = 0; pile < piles; ++pile) {
    int at_ = pile;
    for (int step = 0; step <= piles && at_ >= 0; ++step) at_ = waitsFor[static_cast<std::size_t>(at_)];
    if (at_ >= 0) return true;
  }
  return false;
}

void SpiderPosition::encode(std::vector<std::uint8_t>& out) const {
  out.push_back(static_cast<std::uint8_t>(stockLeft_));
  out.push_back(static_cast<std::uint8_t>(runsHome_));
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) {
    const auto p = static_cast<std::size_t>(pile);
    out.push_back(static_cast<std::uint8_t>(size_[p]));
    out.push_back(static_cast<std::uint8_t>(faceDown_[p]));
    out.insert(out.end(), cards_[p].begin(), cards_[p].begin() + size_[p]);
  }
}

void SpiderPosition::decode(std::span<const std::uint8_t> bytes) {
  std::size_t at_ = 0;
  stockLeft_ = bytes[at_++];
  runsHome_ = bytes[at_++];
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) {
    const auto p = static_cast<std::size_t>(pile);
    const int size = bytes[at_++];
    const int faceDown = bytes[at_++];
    const auto cards = bytes.begin() + static_cast<std::ptrdiff_t>(at_);
    at_ += static_cast<std::size_t>(size);
    // Positions decoded one after the other share most piles, which keep
    // their hashes.
    // The cards below the first that differs keep their running hashes.
    const int common = std::min(size, size_[p]);
    int changedFrom = faceDown == faceDown_[p]
                          ? static_cast<int>(std::mismatch(cards, cards + common, cards_[p].begin()).first - cards)
                          : 0;
    if (changedFrom == common && size == size_[p]) continue;
    size_[p] = size;
    faceDown_[p] = faceDown;
    std::copy(cards + changedFrom, cards + size, cards_[p].begin() + changedFrom);
    rehash(pile, changedFrom);
  }
  log_.clear();
  home_.clear();
}

int SpiderPosition::movableFrom(int pile) const {
  const int cards = size(pile);
  if (cards == 0 || faceDown(pile) == cards) return cards;
  int slot = cards - 1;
  while (slot - 1 >= faceDown(pile) && rules_.joinsRun(at(pile, slot - 1), at(pile, slot))) --slot;
  return slot;
}

int SpiderPosition::chainBelow(int pile, int slot) const {
  int length = 1;
  for (int at_ = slot; at_ - 1 >= faceDown(pile) && rules_.completes(at(pile, at_ - 1), at(pile, at_)); --at_) ++length;
  return length;
}

bool SpiderPosition::mayDeal() const {
  if (stockLeft_ == 0) return false;
  if (rules_.dealNeedsNoGap())
    for (int pile = 0; pile < rules_.tableauCount(); ++pile)
      if (size(pile) == 0) return false;
  return true;
}

void SpiderPosition::moves(std::vector<SpiderMove>& out, SpiderMoveSet set) const {
  out.clear();
  const int piles = rules_.tableauCount();
  int firstEmpty = -1;
  // The piles by the rank of their top card, and the empty ones: a card is
  // offered only to the piles that may take it, in the order of the piles.
  std::array<std::uint32_t, kKing + 2> topRankPiles{};
  std::uint32_t emptyPiles = 0;
  for (int pile = piles - 1; pile >= 0; --pile) {
    if (size(pile) == 0) {
      firstEmpty = pile;
      emptyPiles |= 1U << pile;
    } else {
      topRankPiles[static_cast<std::size_t>(SpiderRules::rank(top(pile)))] |= 1U << pile;
    }
  }
  // While the stock waits for every gap to be filled, filling one is progress.
  const bool gapBlocksDeal = firstEmpty >= 0 && stockLeft_ > 0 && rules_.dealNeedsNoGap();
  for (int from = 0; from < piles; ++from) {
    const int cards = size(from);
    for (int slot = movableFrom(from); slot < cards; ++slot) {
      const std::uint8_t card = at(from, slot);
      const bool empties = slot == 0;
      const bool uncovers = slot > 0 && slot == faceDown(from);
      const std::uint8_t under = slot > 0 && !uncovers ? at(from, slot - 1) : 0;
      const int before = chainBelow(from, slot);
      // The cards above the moving one that stay joined to it on the way home.
      int chainUp = 1;
      while (slot + chainUp < cards && rules_.completes(at(from, slot + chainUp - 1), at(from, slot + chainUp))) ++chainUp;
      std::uint32_t targets = (topRankPiles[static_cast<std::size_t>(SpiderRules::rank(card) + 1)] | emptyPiles) &
                              ~(1U << from);
      for (; targets != 0; targets &= targets - 1) {
        const int to = std::countr_zero(targets);
        const bool toEmpty = size(to) == 0;
        int after = 1;
        if (toEmpty) {
          if (!rules_.fillsEmpty(card)) continue;
        } else {
          const std::uint8_t base = top(to);
          if (!rules_.builds(base, card)) continue;
          if (rules_.completes(base, card)) after = chainBelow(to, size(to) - 1) + 1;
        }
        const int gain = after - before;
        if (set != SpiderMoveSet::Every) {
          // Only moves that promise progress: a card turned, a pile emptied,
          // a longer run on the way home, a card freed from a base it does
          // not belong on; into one gap only, and never a whole pile into it.
          bool progress = uncovers || gain > 0 || (!toEmpty && empties);
          if (under != 0 && !rules_.completes(under, card))
            progress = progress || toEmpty || !rules_.builds(under, card) || set == SpiderMoveSet::PromisingAndLifts;
          if (toEmpty && (empties || to != firstEmpty)) progress = false;
          if (toEmpty && gapBlocksDeal && !empties && to == firstEmpty) progress = true;
          if (!progress) continue;
        }
        int priority = kPerChainCard * gain + (cards - slot);
        if (after - 1 + chainUp >= kRunCards) priority += kCompletesRun;
        if (uncovers) priority += kUncovers - 10 * faceDown(from);
        if (empties && !toEmpty) priority += kEmpties;
        if (toEmpty) priority += kToEmptyPile;
        out.push_back({SpiderMove::Kind::Run, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
                       static_cast<std::uint8_t>(slot), priority});
      }
    }
  }
  if (mayDeal()) out.push_back({SpiderMove::Kind::Deal, 0, 0, 0, kDeal});
}

void SpiderPosition::play(const SpiderMove& move, std::vector<SolverMove>& steps) {
  if (move.kind == SpiderMove::Kind::Deal) {
    steps.push_back({SolverMove::Kind::Stock, kNoCard, kStockPile});
    for (int pile = 0; pile < rules_.tableauCount() && stockLeft_ > 0; ++pile) {
      if (!rules_.getsRowCard(pile)) continue;
      const auto p = static_cast<std::size_t>(pile);
      cards_[p][static_cast<std::size_t>(size_[p]++)] = stock_[static_cast<std::size_t>(--stockLeft_)];
      log_.push_back({Change::Kind::Deal, 0, static_cast<std::uint8_t>(pile), 1});
      rehash(pile, size_[p] - 1);
      sendHome(pile);
    }
  } else {
    const std::uint8_t card = at(move.from, move.slot);
    steps.push_back({SolverMove::Kind::Drop, card, {PileList::Tableau, move.to}});
    const int count = size(move.from) - move.slot;
    moveCards(move.from, move.to, count);
    log_.push_back({Change::Kind::Run, move.from, move.to, static_cast<std::uint8_t>(count)});
    sendHome(move.to);
  }
  turnTops(steps);
}

void SpiderPosition::turnTops(std::vector<SolverMove>& steps) {
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) {
    const auto p = static_cast<std::size_t>(pile);
    if (size_[p] == 0 || faceDown_[p] < size_[p]) continue;
    --faceDown_[p];
    log_.push_back({Change::Kind::Turn, static_cast<std::uint8_t>(pile), 0, 0});
    steps.push_back({SolverMove::Kind::Turn, top(pile), {PileList::Tableau, pile}});
    rehash(pile, 0);
  }
}

void SpiderPosition::sendHome(int pile) {
  const int cards = size(pile);
  if (cards < kRunCards || cards - kRunCards < faceDown(pile)) return;
  for (int k = 0; k < kRunCards; ++k) {
    const std::uint8_t card = at(pile, cards - 1 - k);
    if (SpiderRules::rank(card) != k + 1) return;
    if (k > 0 && !rules_.completes(card, at(pile, cards - k))) return;
  }
  const auto p = static_cast<std::size_t>(pile);
  home_.insert(home_.end(), cards_[p].begin() + (cards - kRunCards), cards_[p].begin() + cards);
  size_[p] -= kRunCards;
  ++runsHome_;
  log_.push_back({Change::Kind::Home, static_cast<std::uint8_t>(pile), 0, kRunCards});
  rehash(pile, size_[p]);
}

void SpiderPosition::moveCards(int from, int to, int count) {
  const auto f = static_cast<std::size_t>(from);
  const auto t = static_cast<std::size_t>(to);
  std::copy_n(cards_[f].begin() + (size_[f] - count), count, cards_[t].begin() + size_[t]);
  size_[f] -= count;
  size_[t] += count;
  rehash(from, size_[f]);
  rehash(to, size_[t] - count);
}

void SpiderPosition::undoTo(std::size_t mark) {
  while (log_.size() > mark) {
    const Change change = log_.back();
    log_.pop_back();
    const auto p = static_cast<std::size_t>(change.from);
    switch (change.kind) {
      case Change::Kind::Run: moveCards(change.to, change.from, change.count); break;
      case Change::Kind::Turn:
        ++faceDown_[p];
        rehash(change.from, 0);
        break;
      case Change::Kind::Home:
        std::copy_n(home_.end() - kRunCards, kRunCards, cards_[p].begin() + size_[p]);
        home_.resize(home_.size() - kRunCards);
        size_[p] += kRunCards;
        --runsHome_;
        rehash(change.from, size_[p] - kRunCards);
        break;
      case Change::Kind::Deal:
        --size_[change.to];
        ++stockLeft_;
        rehash(change.to, size_[change.to]);
        break;
    }
  }
}

void SpiderPosition::rehash(int pile, int changedFrom) {
  const auto p = static_cast<std::size_t>(pile);
  // The running hashes and link counts below the first changed card still
  // hold; a pile's face-down count seeds them, so a turn starts afresh.
  int slot = std::min(hashedUpTo_[p], changedFrom);
  if (slot == 0) {
    running_[p][0] = {0x243F6A8885A308D3ULL ^ static_cast<std::uint64_t>(faceDown_[p]),
                      0x13198A2E03707344ULL + static_cast<std::uint64_t>(faceDown_[p]) * 0xA4093822299F31D0ULL, 0, 0};
  }
  for (; slot < size_[p]; ++slot) {
    Running next = running_[p][static_cast<std::size_t>(slot)];
    const std::uint8_t card = cards_[p][static_cast<std::size_t>(slot)];
    // A face-up card on the face-up card below it counts as a link.
    if (slot > faceDown_[p]) {
      const std::uint8_t base = cards_[p][static_cast<std::size_t>(slot - 1)];
      if (rules_.completes(base, card)) {
        ++next.links;
      } else if (rules_.builds(base, card)) {
        ++next.natural;
      }
    }
    const auto face = static_cast<std::uint64_t>(SpiderRules::face(card) + 1);
    next.high = (next.high ^ face) * 0x100000001B3ULL;
    next.low = (next.low + face) * 0xC2B2AE3D27D4EB4FULL;
    next.low ^= next.low >> 29;
    running_[p][static_cast<std::size_t>(slot + 1)] = next;
  }
  hashedUpTo_[p] = size_[p];
  const Running& whole = running_[p][static_cast<std::size_t>(size_[p])];
  links_[p] = whole.links;
  naturalLinks_[p] = whole.natural;
  hashHigh_[p] = mix(whole.high);
  hashLow_[p] = mix(whole.low ^ 0x5851F42D4C957F2DULL);
}

bool SpiderPosition::receivesDeals(int pile) const {
  if (stockLeft_ == 0 || !rules_.getsRowCard(pile)) return false;
  if (stockLeft_ >= rules_.rowPileCount()) return true;
  // The last, short row reaches only the first of the piles it deals to.
  int order = 0;
  for (int before = 0; before < pile; ++before) order += rules_.getsRowCard(before) ? 1 : 0;
  return order < stockLeft_;
}

PositionKey128 SpiderPosition::key() const {
  std::uint64_t high = mix(static_cast<std::uint64_t>(stockLeft_) * 131 + static_cast<std::uint64_t>(runsHome_));
  std::uint64_t low = mix(high ^ 0xD1B54A32D192ED03ULL);
  for (int pile = 0; pile < rules_.tableauCount(); ++pile) {
    const auto p = static_cast<std::size_t>(pile);
    // A pile the stock still deals to is told apart by its place.
    const std::uint64_t place = receivesDeals(pile) ? static_cast<std::uint64_t>(pile + 1) : 0;
    high += mix(hashHigh_[p] + place * 0x9E3779B97F4A7C15ULL);
    low += mix(hashLow_[p] ^ (place * 0xC6A4A7935BD1E995ULL));
  }
  return {high, low};
}

}  // namespace quilloro::solver
