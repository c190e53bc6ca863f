// Execute move: the one operation through which every change of the table passes.
#include <algorithm>
#include <charconv>

#include "engine/game.hpp"

namespace quilloro {

namespace {

constexpr int kReservesAreFannedStacks = -11;  // parameter 12: any reserve card may be taken

// The 1-based pile number written after a prefix; nothing unless it is a whole
// decimal number from 1 to the list's size.
std::optional<int> pileNumberAfter(std::string_view target, std::size_t prefixLength, int listSize) {
  if (target.size() <= prefixLength) return std::nullopt;
  const std::string_view digits = target.substr(prefixLength);
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (number < 1 || number > listSize) return std::nullopt;
  return number;
}

}  // namespace

bool Game::executeMove(CardNumber card, std::string_view target) {
  using namespace move_command;
  if (target.starts_with("Mazzo")) return stockClick(target == kMazzoWaste);
  if (target.starts_with("Dest")) {
    const bool automatic = target.starts_with(kDestAutoplay);
    const auto n = pileNumberAfter(target, automatic ? kDestAutoplay.size() : 4, kMaxFoundations);
    return n && moveToFoundation(card, *n - 1, automatic);
  }
  if (target.starts_with("Fila")) {
    const auto n = pileNumberAfter(target, 4, kMaxTableau);
    return n && moveToTableau(card, *n - 1);
  }
  if (target.starts_with("Appogg")) {
    const auto n = pileNumberAfter(target, 6, kMaxReserves);
    if (!n || !moveSingleCard(card, {PileList::Reserves, *n - 1}, CardFlight::Kind::Landing)) return false;
    observer_.playSound("Tableau", soundSwitch(field::SoundsTableau));
    afterMove(false);
    return true;
  }
  if (target == kWaste) {
    if (!moveSingleCard(card, {PileList::Stock, kDiscardIndex}, CardFlight::Kind::Landing)) return false;
    afterMove(true);
    return true;
  }
  if (target == kStock02) {
    if (!moveSingleCard(card, {PileList::Stock, kWasteIndex}, CardFlight::Kind::Landing)) return false;
    observer_.playSound("Tableau", soundSwitch(field::SoundsTableau));
    afterMove(true);
    return true;
  }
  if (target == kAddTableaus) return dealRow(PileList::Tableau);
  if (target == kAddReserves) return dealRow(PileList::Reserves);
  if (target == kSelectedDest) return throwSelection();
  if (target == kSelectedFila) return fillEmptyFromStock();
  if (target == kStockToPileMonteCarlo) return closeGapsAndRefill();
  return false;
}

bool Game::moveSingleCard(CardNumber card, PileRef target, CardFlight::Kind kind) {
  const auto from = locate(card);
  // A card that is not on the table (or no card at all) cannot move.
  if (!from) return false;
  pushUndoStep();
  const PileKind fromKind = pileKindOf(from->pile);
  state.piles.pile(from->pile).search(card, SearchMode::Remove);
  state.putCard(target.list, target.index, card, "1");
  lastMovedCard_ = card;
  flight(card, *from, target, kind);
  observer_.cardCounterMoved(card, fromKind, pileKindOf(target));
  return true;
}

void Game::afterMove(bool runWonCheck) {
  if (runWonCheck && !severalCardsMoving_) won_ = wonCheck();
  if (gameFamily() == 9)
    pokerScore(lastMovedCard_);
  else
    recomputeScore();
  clearRedo();
}

bool Game::moveToFoundation(CardNumber card, int foundation, bool automatic) {
  const PileRef target{PileList::Foundations, foundation};
  if (!moveSingleCard(card, target, automatic ? CardFlight::Kind::Move : CardFlight::Kind::Landing)) return false;
  if (automatic)
    observer_.playSound("Autoplay.wav", soundSwitch(field::SoundsAutoplay));
  else
    observer_.playSound("Foundation.wav", soundSwitch(field::SoundsFoundation));
  if (state.parameters[param::kReorderFoundations] == 1) reorderFoundation(foundation);
  afterMove(true);
  return true;
}

void Game::reorderFoundation(int foundation) {
  Pile& pile = state.piles.pile(PileList::Foundations, foundation);
  std::vector<CardNumber> cards(pile.slots().begin(), pile.slots().end());
  std::stable_sort(cards.begin(), cards.end());
  pile.clear();
  for (const CardNumber card : cards) pile.append(card);
  observer_.redraw(Redraw::Table, {PileList::Foundations, foundation});
  if (pile.cardCount() > 1) observer_.playSound("Reorder", true);
}

bool Game::moveToTableau(CardNumber card, int pile) {
  const PileRef target{PileList::Tableau, pile};
  std::vector<CardNumber> run = rules().runFromCard(card);
  // A reserve of fanned stacks gives any of its cards alone.
  const auto from = locate(card);
  if (from && from->pile.list == PileList::Reserves &&
      state.parameters[param::kReserveFannedStacks] == kReservesAreFannedStacks)
    run = {card};
  if (run.size() <= 1) {
    if (!moveSingleCard(card, target, CardFlight::Kind::Landing)) return false;
  } else {
    if (!from) return false;
    pushUndoStep();
    const PileKind fromKind = pileKindOf(from->pile);
    state.piles.pile(from->pile).dropTop(static_cast<int>(run.size()));
    for (std::size_t i = 0; i < run.size(); ++i) {
      state.putCard(target.list, target.index, run[i], "1");
      lastMovedCard_ = run[i];
      flight(run[i], {from->pile, from->slot + static_cast<int>(i)}, target, CardFlight::Kind::Landing);
      observer_.cardCounterMoved(run[i], fromKind, PileKind::Tableau);
    }
  }
  observer_.redraw(Redraw::PileDecoration, target);
  removeCompletedSequences(pile);
  observer_.playSound("Tableau", soundSwitch(field::SoundsTableau));
  afterMove(false);
  return true;
}

void Game::removeCompletedSequences(int pileIndex) {
  const Pile& pile = state.piles.pile(PileList::Tableau, pileIndex);
  if (pile.cardCount() <= 12) return;
  const GameParameters& p = state.parameters;
  auto isSequenceCode = [](int code) {
    return code == base_code::kSequencesOnly || code == base_code::kSuitSequencesOnly;
  };
  const int foundations = state.pilesInUse(PileList::Foundations);
  int target = -1;
  bool anySequenceFoundation = false;
  for (int i = 0; i < foundations; ++i) {
    if (!isSequenceCode(p[param::kFoundationBaseRankFirst + i])) continue;
    anySequenceFoundation = true;
    if (target < 0 && state.piles.pile(PileList::Foundations, i).empty()) target = i;
  }
  if (!anySequenceFoundation || target < 0) return;
  const int code = p[param::kFoundationBaseRankFirst + target];
  const int buildType = p[param::kTableauBuildTypeFirst + pileIndex];

  // From the top down: ace, 2, 3 ... king, face up, joined as the code asks.
  const int top = pile.cardCount() - 1;
  const CardNumber topCard = pile.at(top);
  for (int k = 0; k < 13; ++k) {
    const CardNumber card = pile.at(top - k);
    if (card == kNoCard || state.isFaceDown(card) || cardRank(card) != k + 1) return;
    if (code == base_code::kSuitSequencesOnly) {
      if (cardSuit(card) != cardSuit(topCard)) return;
    } else if (buildType == 3) {
      if (k > 0 && isRed(card) == isRed(pile.at(top - k + 1))) return;
    } else if (buildType == 0) {
      if (cardSuit(card) != cardSuit(topCard)) return;
    }
  }
  if (code == base_code::kSequencesOnly && !rules().colourBalanceAllows(topCard, code, false)) return;

  const bool placed = geometry_.isPlaced({PileList::Foundations, target});
  const std::string destination = placed ? "Dest" + std::to_string(target + 1) : std::string(move_command::kWaste);
  for (int k = 0; k < 13; ++k) {
    const CardNumber card = state.piles.pile(PileList::Tableau, pileIndex).topCard();
    // Each card's own undo step goes again: the removal undoes with the move that caused it.
    if (executeMove(card, destination)) dropLastUndoStep();
  }
}

bool Game::turnTopCard(int tableauPile) {
  if (tableauPile < 0 || tableauPile >= state.pilesInUse(PileList::Tableau)) return false;
  const CardNumber card = state.piles.pile(PileList::Tableau, tableauPile).topCard();
  if (!state.isFaceDown(card)) return false;
  pushUndoStep();
  state.cards.setFaceState(card, "1");
  observer_.redraw(Redraw::PileDecoration, {PileList::Tableau, tableauPile});
  observer_.playSound("Face_up", soundSwitch(field::SoundsFaceUp));
  observer_.cardCounterRefresh();
  // A turned card is a move of its own: what was undone before cannot come back.
  clearRedo();
  return true;
}

bool Game::throwSelection() {
  Pile& selection = state.piles.pile(PileList::Foundations, 0);
  if (selection.empty()) return false;
  observer_.playSound("Pairing", soundSwitch(field::SoundsPairing));
  pushUndoStep();
  observer_.pause(150);
  const bool sideBySide = state.parameters[param::kTableauFan] == 4;
  while (!selection.empty()) {
    const CardNumber card = selection.bottomCard();
    selection.search(card, SearchMode::Remove);
    if (card == kNoCard) continue;
    const auto from = locate(card);
    PileKind fromKind = PileKind::None;
    if (from) {
      fromKind = pileKindOf(from->pile);
      const SearchMode mode = sideBySide && from->pile.list == PileList::Tableau ? SearchMode::LeaveHole
                                                                                  : SearchMode::Remove;
      state.piles.pile(from->pile).search(card, mode);
    }
    state.putCard(PileList::Stock, kDiscardIndex, card, "1");
    if (from) flight(card, *from, {PileList::Stock, kDiscardIndex}, CardFlight::Kind::Move);
    observer_.cardCounterMoved(card, fromKind, PileKind::Discard);
  }
  afterMove(true);
  return true;
}

}  // namespace quilloro
