#include "engine/undo_history.hpp"

#include <bitset>

namespace quilloro {

namespace {

// The 53 piles of a step in recording order.
PileRef pileOfStep(int pileNumber) {
  if (pileNumber < kStockListSize) return {PileList::Stock, pileNumber};
  pileNumber -= kStockListSize;
  if (pileNumber < kMaxFoundations) return {PileList::Foundations, pileNumber};
  pileNumber -= kMaxFoundations;
  if (pileNumber < kMaxTableau) return {PileList::Tableau, pileNumber};
  return {PileList::Reserves, pileNumber - kMaxTableau};
}

int firstPileOfList(PileList list) {
  switch (list) {
    case PileList::Stock: return 0;
    case PileList::Foundations: return kStockListSize;
    case PileList::Tableau: return kStockListSize + kMaxFoundations;
    case PileList::Reserves: return kStockListSize + kMaxFoundations + kMaxTableau;
  }
  return 0;
}

constexpr std::array kRecordedLists{PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves};

}  // namespace

void UndoHistory::clear() {
  bytes_.clear();
  stepStarts_.clear();
  redealCounts_.clear();
}

void UndoHistory::appendCount(std::size_t count) {
  bytes_.push_back(static_cast<std::uint8_t>(count & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>((count >> 8) & 0xFF));
}

std::size_t UndoHistory::countAt(std::size_t at) const {
  return static_cast<std::size_t>(bytes_[at]) | (static_cast<std::size_t>(bytes_[at + 1]) << 8);
}

void UndoHistory::appendPile(const GameState& state, const Pile& pile) {
  appendCount(static_cast<std::size_t>(pile.cardCount()));
  for (const std::uint8_t card : pile.slots()) {
    const bool faceDown = card != kNoCard && state.isFaceDown(card);
    bytes_.push_back(faceDown ? static_cast<std::uint8_t>(card | kFaceDownBit) : card);
  }
}

void UndoHistory::push(const GameState& state, bool emptyFoundation1, std::optional<int> redealCount) {
  stepStarts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
  redealCounts_.push_back(redealCount ? *redealCount : kNoRedealCount);
  for (int p = 0; p < kPilesPerStep; ++p) {
    const PileRef ref = pileOfStep(p);
    if (emptyFoundation1 && ref == PileRef{PileList::Foundations, 0})
      appendCount(0);
    else
      appendPile(state, state.piles.pile(ref));
  }
}

void UndoHistory::restoreStep(std::size_t step, GameState& state) const {
  std::size_t at = stepStarts_[step];
  for (int p = 0; p < kPilesPerStep; ++p) {
    Pile& pile = state.piles.pile(pileOfStep(p));
    pile.clear();
    const std::size_t count = countAt(at);
    at += 2;
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t stored = bytes_[at++];
      const CardNumber card = stored & ~kFaceDownBit;
      pile.append(card);
      if (card != kNoCard) state.cards.setFaceState(card, (stored & kFaceDownBit) != 0 ? "0" : "1");
    }
  }
}

bool UndoHistory::popInto(GameState& state) {
  if (empty()) return false;
  restoreStep(stepStarts_.size() - 1, state);
  dropLast();
  return true;
}

bool UndoHistory::restoreFirstInto(GameState& state) const {
  if (empty()) return false;
  restoreStep(0, state);
  return true;
}

std::optional<int> UndoHistory::lastRedealCount() const {
  if (empty() || redealCounts_.back() == kNoRedealCount) return std::nullopt;
  return redealCounts_.back();
}

void UndoHistory::dropLast() {
  if (empty()) return;
  bytes_.resize(stepStarts_.back());
  stepStarts_.pop_back();
  redealCounts_.pop_back();
}

std::size_t UndoHistory::pileOffset(int step, int pileNumber) const {
  std::size_t at = stepStarts_[static_cast<std::size_t>(step)];
  for (int p = 0; p < pileNumber; ++p) at += 2 + countAt(at);
  return at;
}

std::vector<std::string> UndoHistory::lines(PileList list) const {
  std::vector<std::string> result;
  const int first = firstPileOfList(list);
  const int count = pileListSize(list);
  result.reserve(static_cast<std::size_t>(stepCount() * count));
  for (int step = 0; step < stepCount(); ++step) {
    std::size_t at = pileOffset(step, first);
    for (int p = 0; p < count; ++p) {
      const std::size_t slots = countAt(at);
      at += 2;
      std::string line;
      line.reserve(slots * 4);
      for (std::size_t i = 0; i < slots; ++i) {
        const std::uint8_t stored = bytes_[at++];
        const CardNumber card = stored & ~kFaceDownBit;
        if (card == kNoCard) {
          line += "0000";
        } else {
          line += cardToken(card);
          line += (stored & kFaceDownBit) != 0 ? '0' : '1';
        }
      }
      result.push_back(std::move(line));
    }
  }
  return result;
}

std::optional<UndoHistory> UndoHistory::fromLines(const std::array<std::vector<std::string>, 4>& lists,
                                                  bool selectionInFoundation1) {
  const std::size_t steps = lists[0].size() / kStockListSize;
  for (std::size_t l = 0; l < kRecordedLists.size(); ++l) {
    const auto perStep = static_cast<std::size_t>(pileListSize(kRecordedLists[l]));
    if (lists[l].size() != steps * perStep) return std::nullopt;
  }
  UndoHistory history;
  for (std::size_t step = 0; step < steps; ++step) {
    history.stepStarts_.push_back(static_cast<std::uint32_t>(history.bytes_.size()));
    history.redealCounts_.push_back(kNoRedealCount);
    std::bitset<kMaxCard + 1> seen;
    for (std::size_t l = 0; l < kRecordedLists.size(); ++l) {
      const auto perStep = static_cast<std::size_t>(pileListSize(kRecordedLists[l]));
      for (std::size_t p = 0; p < perStep; ++p) {
        const std::string& line = lists[l][step * perStep + p];
        const bool selection = selectionInFoundation1 && kRecordedLists[l] == PileList::Foundations && p == 0;
        const std::size_t slots = selection ? 0 : line.size() / 4;
        if (slots > kMaxPileSlots) return std::nullopt;
        history.appendCount(slots);
        for (std::size_t i = 0; i < slots; ++i) {
          const std::string_view token = std::string_view(line).substr(i * 4, 4);
          int card = 0;
          for (int k = 0; k < 3; ++k) {
            const char c = token[static_cast<std::size_t>(k)];
            if (c < '0' || c > '9') return std::nullopt;
            card = card * 10 + (c - '0');
          }
          if (card > kMaxCard) return std::nullopt;
          if (card == kNoCard) {
            history.bytes_.push_back(0);
            continue;
          }
          if (seen.test(static_cast<std::size_t>(card))) return std::nullopt;
          seen.set(static_cast<std::size_t>(card));
          const bool faceDown = token[3] == kFaceDown;
          history.bytes_.push_back(static_cast<std::uint8_t>(faceDown ? card | kFaceDownBit : card));
        }
      }
    }
  }
  return history;
}

std::size_t UndoHistory::storedBytes() const {
  return bytes_.size() + stepStarts_.size() * sizeof(std::uint32_t);
}

}  // namespace quilloro
