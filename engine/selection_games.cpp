// Selection and pairing games: the player picks cards one by one; a complete
// selection (a pair, a rank sum) goes to the discard pile.
#include <algorithm>
#include <numeric>

#include "engine/game.hpp"

namespace quilloro {

namespace {

constexpr int kFamilyFifteens = 1;      // ranks ace to nine summing to 15, or four tens or court cards of a rank
constexpr int kFamilySumFourteen = 3;   // two cards summing to 14, top cards only
constexpr int kFamilyPyramid = 4;       // one or two uncovered cards summing to 13
constexpr int kFamilyPairsOnly = 7;     // at most two cards summing to the target
constexpr int kFamilyGrid = 8;          // equal ranks next to each other in the grid; gaps close
constexpr int kFamilyEqualRanks = 14;
constexpr int kFamilyEqualRanksToo = 16;

bool isTenOrCourt(CardNumber card) { return cardRank(card) >= 10; }

}  // namespace

std::vector<CardNumber> Game::selection() const {
  std::vector<CardNumber> cards;
  for (const std::uint8_t card : state.piles.pile(PileList::Foundations, 0).slots())
    if (card != kNoCard) cards.push_back(card);
  return cards;
}

bool Game::adjacentInGrid(int p, int q) {
  if (p == q || p < 0 || q < 0) return false;
  return std::abs(p / 5 - q / 5) <= 1 && std::abs(p % 5 - q % 5) <= 1;
}

bool Game::toggleInSelection(CardNumber card) {
  Pile& selected = state.piles.pile(PileList::Foundations, 0);
  if (selected.search(card, SearchMode::Remove)) return false;
  selected.append(card);
  return true;
}

SelectOutcome Game::refuseSelection(CardNumber card) {
  observer_.beep();
  state.piles.pile(PileList::Foundations, 0).search(card, SearchMode::Remove);
  return SelectOutcome::Refused;
}

bool Game::freeInPyramid(PileRef pile, CardNumber card) const {
  const Pile& cards = state.piles.pile(pile);
  int position = -1;
  for (int slot = 0; slot < cards.cardCount(); ++slot)
    if (cards.at(slot) == card) position = slot;
  if (position < 0) return false;
  // Only the next pile can cover a card, at its own position and the one after;
  // a slot the next pile does not reach covers nothing.
  const int piles = state.pilesInUse(PileList::Tableau);
  if (pile.index + 1 >= piles) return true;
  const Pile& next = state.piles.pile(PileList::Tableau, pile.index + 1);
  auto holeAt = [&next](int slot) { return slot >= next.cardCount() || next.at(slot) == kNoCard; };
  if (holeAt(position) && holeAt(position + 1)) return true;
  // Every card is free once all the piles after it hold only holes.
  for (int n = pile.index + 1; n < piles; ++n) {
    const auto& slots = state.piles.pile(PileList::Tableau, n).slots();
    if (std::any_of(slots.begin(), slots.end(), [](std::uint8_t c) { return c != kNoCard; })) return false;
  }
  return true;
}

SelectOutcome Game::pressInSelectionGame(PileRef pile, CardNumber card) {
  if (state.parameters[param::kSelectByClick] != 0) return selectByClick(pile, card);
  const int family = gameFamily();
  if (family != kFamilySumFourteen && family != kFamilyPyramid) return SelectOutcome::Ignored;
  if (card == kNoCard || !isCardNumber(card)) return SelectOutcome::Ignored;
  const Pile& cards = state.piles.pile(pile);
  if (pile.list == PileList::Tableau) {
    if (family == kFamilySumFourteen && cards.topCard() != card) return SelectOutcome::Ignored;
    if (family == kFamilyPyramid && !freeInPyramid(pile, card)) return SelectOutcome::Ignored;
    return selectSumOfTwo(card);
  }
  if (family != kFamilyPyramid || cards.topCard() != card) return SelectOutcome::Ignored;
  if (pile == kWastePile) return selectSumOfTwo(card);
  // The stock's top card only joins a selection already begun.
  if (pile == kStockPile && !selection().empty()) return selectSumOfTwo(card);
  return SelectOutcome::Ignored;
}

SelectOutcome Game::selectSumOfTwo(CardNumber card) {
  toggleInSelection(card);
  const std::vector<CardNumber> selected = selection();
  if (selected.size() > 2) return refuseSelection(card);
  observer_.toggleSelectionMark(card);
  const int sum = std::accumulate(selected.begin(), selected.end(), 0,
                                  [](int total, CardNumber c) { return total + cardRank(c); });
  const int target = gameFamily() == kFamilySumFourteen ? 14 : 13;
  if (sum == target && executeMove(kNoCard, move_command::kSelectedDest)) return SelectOutcome::Thrown;
  return SelectOutcome::Marked;
}

SelectOutcome Game::selectByClick(PileRef pile, CardNumber card) {
  const int family = gameFamily();
  const bool tableauCard = pile.list == PileList::Tableau && isCardNumber(card);
  if (!tableauCard) {
    const bool stockOrWaste = pile == kStockPile || pile == kWastePile;
    if (family == kFamilyGrid && stockOrWaste && executeMove(kNoCard, move_command::kStockToPileMonteCarlo))
      return SelectOutcome::GapsClosed;
    return SelectOutcome::Ignored;
  }

  toggleInSelection(card);
  const std::vector<CardNumber> selected = selection();
  bool complete = false;
  if (family == kFamilyGrid) {
    if (selected.size() > 2) return refuseSelection(card);
    if (selected.size() == 2) {
      int firstPile = -1;
      for (int n = 0; n < state.pilesInUse(PileList::Tableau); ++n)
        if (state.piles.pile(PileList::Tableau, n).bottomCard() == selected[0]) firstPile = n;
      if (cardRank(selected[0]) != cardRank(selected[1]) || !adjacentInGrid(firstPile, pile.index))
        return refuseSelection(card);
      complete = true;
    }
  } else if (family == kFamilyEqualRanks || family == kFamilyEqualRanksToo) {
    if (selected.size() > 2) return refuseSelection(card);
    if (selected.size() == 2) {
      if (cardRank(selected[0]) != cardRank(selected[1])) return refuseSelection(card);
      complete = true;
    }
  } else if (family == kFamilyFifteens) {
    int sum = 0;
    for (const CardNumber c : selected)
      if (!isTenOrCourt(c)) sum += cardRank(c);
    const int rank = cardRank(card);
    // A ten or court card only goes with cards of its own rank; ace to nine
    // only with one another.
    const bool mixes = std::any_of(selected.begin(), selected.end(), [rank](CardNumber c) {
      return rank < 10 ? isTenOrCourt(c) : cardRank(c) != rank;
    });
    if (mixes) return refuseSelection(card);
    const bool fourOfARank = selected.size() == 4 && isTenOrCourt(selected[0]);
    complete = sum == 15 || fourOfARank;
  } else {
    if (family == kFamilyPairsOnly && selected.size() > 2) return refuseSelection(card);
    const int sum = std::accumulate(selected.begin(), selected.end(), 0,
                                    [](int total, CardNumber c) { return total + cardRank(c); });
    complete = sum == state.parameters[param::kSelectByClick];
  }
  if (!complete) {
    observer_.toggleSelectionMark(card);
    return SelectOutcome::Marked;
  }
  observer_.toggleSelectionMark(card);
  return completeSelection();
}

SelectOutcome Game::completeSelection() {
  if (!executeMove(kNoCard, move_command::kSelectedDest)) return SelectOutcome::Marked;
  // The refill follows the throw on its own: one undo takes back both.
  if (gameFamily() != kFamilyGrid && executeMove(kNoCard, move_command::kSelectedFila)) dropLastUndoStep();
  return SelectOutcome::Thrown;
}

}  // namespace quilloro
