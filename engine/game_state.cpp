// The operations through which the engine reads and changes the piles.
#include "engine/game_state.hpp"

#include <algorithm>
#include <stdexcept>

namespace quilloro {
namespace {

template <std::size_t N>
auto& entryOf(std::array<Pile, N>& piles, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) throw std::out_of_range("pile index out of range");
  return piles[static_cast<std::size_t>(index)];
}

}  // namespace

Pile& PileLists::pile(PileList list, int index) {
  switch (list) {
    case PileList::Stock: return entryOf(stock_, index);
    case PileList::Foundations: return entryOf(foundations_, index);
    case PileList::Tableau: return entryOf(tableau_, index);
    case PileList::Reserves: return entryOf(reserves_, index);
  }
  throw std::out_of_range("unknown pile list");
}

const Pile& PileLists::pile(PileList list, int index) const {
  return const_cast<PileLists*>(this)->pile(list, index);
}

void PileLists::clear() {
  for (Pile& p : stock_) p.clear();
  for (Pile& p : foundations_) p.clear();
  for (Pile& p : tableau_) p.clear();
  for (Pile& p : reserves_) p.clear();
}

void GameState::putCard(PileList list, int index, CardNumber card, std::string_view faceState) {
  piles.pile(list, index).append(card);
  if (card != kNoCard && !faceState.empty()) cards.setFaceState(card, faceState);
}

bool GameState::putCardOnNamedPile(std::string_view name, CardNumber card, std::string_view faceState) {
  const std::optional<PileRef> ref = pileFromName(name);
  if (!ref || (ref->list == PileList::Stock && ref->index != kWasteIndex)) return false;
  putCard(ref->list, ref->index, card, faceState);
  return true;
}

bool GameState::restorePile(PileList list, int index, std::string_view tokens) {
  Pile& target = piles.pile(list, index);
  if (tokens.size() % 4 != 0) return false;
  std::string cardDigits;
  for (std::size_t i = 0; i < tokens.size(); i += 4) cardDigits.append(tokens.substr(i, 3));
  std::optional<Pile> parsed = Pile::fromPileString(cardDigits);
  if (!parsed) return false;
  target = std::move(*parsed);
  for (std::size_t i = 0; i < tokens.size(); i += 4) {
    const CardNumber card = target.at(static_cast<int>(i / 4));
    if (card != kNoCard) cards.setFaceState(card, tokens.substr(i + 3, 1));
  }
  return true;
}

std::string GameState::stateTokens(const Pile& pile) const {
  std::string text;
  text.reserve(static_cast<std::size_t>(pile.cardCount()) * 4);
  for (std::uint8_t card : pile.slots()) {
    text += cardToken(card);
    text += card == kNoCard ? kFaceDown : cards.faceState(card);
  }
  return text;
}

bool GameState::searchPile(PileList list, int index, CardNumber card, SearchMode mode) {
  return piles.pile(list, index).search(card, mode);
}

int GameState::pilesInUse(PileList list) const {
  const int size = pileListSize(list);
  int count = size;
  switch (list) {
    case PileList::Stock: return size;
    case PileList::Foundations: count = parameters[param::kFoundationCount]; break;
    case PileList::Tableau: count = parameters[param::kTableauCount]; break;
    case PileList::Reserves: count = parameters[param::kReserveCount]; break;
  }
  return std::clamp(count, 0, size);
}

PileKind GameState::findCardPileKind(CardNumber card, SearchMode mode) {
  if (piles.waste().search(card, mode)) return PileKind::Waste;
  for (int i = 0; i < pilesInUse(PileList::Tableau); ++i)
    if (piles.pile(PileList::Tableau, i).search(card, mode)) return PileKind::Tableau;
  for (int i = 0; i < kMaxFoundations; ++i)
    if (piles.pile(PileList::Foundations, i).search(card, mode)) return PileKind::Foundation;
  if (piles.stock().search(card, mode)) return PileKind::Stock;
  if (piles.discard().search(card, mode)) return PileKind::Discard;
  for (int i = 0; i < kMaxReserves; ++i)
    if (piles.pile(PileList::Reserves, i).search(card, mode)) return PileKind::Reserve;
  return PileKind::None;
}

void GameState::setTopFaceStates(const Pile& pile, int count, std::string_view faceState) {
  const int slots = pile.cardCount();
  if (count == -1) {
    for (int slot = 0; slot < slots; ++slot)
      cards.setFaceState(pile.at(slot), slot % 2 == 0 ? std::string_view("1") : std::string_view("0"));
    return;
  }
  for (int slot = std::max(0, slots - count); slot < slots; ++slot) cards.setFaceState(pile.at(slot), faceState);
}

int GameState::longestTableauPile() const {
  int longest = 0;
  for (int i = 0; i < pilesInUse(PileList::Tableau); ++i)
    longest = std::max(longest, piles.pile(PileList::Tableau, i).cardCount());
  return longest;
}

}  // namespace quilloro
