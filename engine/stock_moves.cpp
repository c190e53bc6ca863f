// Moves from the stock: turning cards, redealing the waste, reshuffling the
// tableau, dealing rows, filling empty piles and closing gaps.
#include <utility>

#include "engine/game.hpp"
#include "engine/shuffle.hpp"

namespace quilloro {

bool Game::stockClick(bool toDiscard) {
  const GameParameters& p = state.parameters;
  bool changed = false;
  bool wasteRedealt = false;
  if (p[param::kRedealReshuffles] == 1 && redealAllowed()) {
    if (stockPressed_) {
      pushUndoStep();
      ++redealCount_;
      reshuffleTableau();
      changed = true;
    } else {
      stockPressed_ = true;
      observer_.redraw(Redraw::StockPressed, kStockPile);
    }
  } else if (!toDiscard && state.piles.stock().empty() && state.piles.waste().cardCount() >= 2 && redealAllowed()) {
    if (stockPressed_) {
      redealWaste();
      wasteRedealt = true;
      changed = true;
    } else {
      stockPressed_ = true;
      observer_.redraw(Redraw::StockPressed, kStockPile);
    }
  }
  if (!state.piles.stock().empty()) {
    if (!wasteRedealt) pushUndoStep();
    turnStockCards(toDiscard);
    changed = true;
  }
  if (changed) afterMove(true);
  return changed;
}

bool Game::turnStockCards(bool toDiscard) {
  const PileRef target = toDiscard ? kDiscardPile : kWastePile;
  // A definition without a count turns one card per click.
  const int count = std::max<int>(1, state.parameters[param::kCardsPerClick]);
  bool turned = false;
  for (int i = 0; i < count && !state.piles.stock().empty(); ++i) {
    Pile& stock = state.piles.stock();
    const CardNumber card = stock.topCard();
    const CardPlace from{kStockPile, stock.cardCount() - 1};
    stock.dropTop(1);
    state.putCard(target.list, target.index, card, "1");
    flight(card, from, target, CardFlight::Kind::Move);
    observer_.cardCounterMoved(card, PileKind::Stock, pileKindOf(target));
    observer_.playSound("Stock", soundSwitch(field::SoundsStock));
    turned = true;
  }
  return turned;
}

void Game::redealWaste() {
  // The step keeps the count from before the redeal, which its undo restores.
  pushUndoStep();
  ++redealCount_;
  state.piles.stock().clear();
  if (!settingIs(field::CardsAnimate, "N")) observer_.playSound("Redeal", soundSwitch(field::SoundsRedeal));
  Pile& waste = state.piles.waste();
  const CardNumber wasteTop = waste.topCard();
  const std::string_view face = state.parameters[param::kStockFaceDown] != 0 ? "0" : "1";
  for (int slot = waste.cardCount() - 1; slot >= 0; --slot) {
    const CardNumber card = waste.at(slot);
    state.putCard(PileList::Stock, kStockIndex, card, face);
    flight(card, {kWastePile, slot}, kStockPile, CardFlight::Kind::ToStock);
  }
  waste.clear();
  observer_.pause(100);
  if (gameFamily() == 4 && wasteTop != kNoCard)
    state.piles.pile(PileList::Foundations, 0).search(wasteTop, SearchMode::Remove);
  observer_.cardCounterRefresh();
}

void Game::reshuffleTableau() {
  const int piles = state.pilesInUse(PileList::Tableau);
  const bool rowByRow = state.parameters[param::kTableauWalkOrder] == 0;
  std::vector<CardNumber> gathered;
  auto gather = [&](int pile, int slot) {
    const CardNumber card = state.piles.pile(PileList::Tableau, pile).at(slot);
    if (card == kNoCard) return;
    gathered.push_back(card);
    flight(card, {{PileList::Tableau, pile}, slot}, kStockPile, CardFlight::Kind::ToStock);
    observer_.playSound("Shuffle", soundSwitch(field::SoundsShuffle));
  };
  if (rowByRow) {
    for (int row = state.longestTableauPile() - 1; row >= 0; --row)
      for (int pile = 0; pile < piles; ++pile)
        if (row < state.piles.pile(PileList::Tableau, pile).cardCount()) gather(pile, row);
  } else {
    for (int pile = 0; pile < piles; ++pile)
      for (int slot = 0; slot < state.piles.pile(PileList::Tableau, pile).cardCount(); ++slot) gather(pile, slot);
  }
  for (int pile = 0; pile < piles; ++pile) state.piles.pile(PileList::Tableau, pile).clear();
  if (gathered.empty()) return;

  const std::vector<CardNumber> mixed = mixWithoutChance(std::move(gathered));

  for (std::size_t j = 0; j < mixed.size(); ++j)
    state.putCard(PileList::Tableau, static_cast<int>(j % static_cast<std::size_t>(piles)), mixed[j], "1");

  auto landed = [&](int pile, int slot) {
    const CardNumber card = state.piles.pile(PileList::Tableau, pile).at(slot);
    flight(card, {kStockPile, 0}, {PileList::Tableau, pile}, CardFlight::Kind::Move);
    observer_.playSound("Shuffle", soundSwitch(field::SoundsShuffle));
    observer_.cardCounterMoved(card, PileKind::Stock, PileKind::Tableau);
  };
  const int rows = state.longestTableauPile();
  if (rowByRow) {
    for (int row = 0; row < rows; ++row)
      for (int pile = 0; pile < piles; ++pile)
        if (row < state.piles.pile(PileList::Tableau, pile).cardCount()) landed(pile, row);
  } else {
    for (int pile = 0; pile < piles; ++pile)
      for (int slot = 0; slot < state.piles.pile(PileList::Tableau, pile).cardCount(); ++slot) landed(pile, slot);
  }
}

void Game::dealFromStock(PileRef target) {
  Pile& stock = state.piles.stock();
  const CardNumber card = stock.topCard();
  const CardPlace from{kStockPile, stock.cardCount() - 1};
  stock.dropTop(1);
  state.putCard(target.list, target.index, card, "1");
  lastMovedCard_ = card;
  flight(card, from, target, CardFlight::Kind::Move);
  observer_.cardCounterMoved(card, PileKind::Stock, pileKindOf(target));
  observer_.playSound("Shuffle", soundSwitch(field::SoundsShuffle));
}

bool Game::dealRow(PileList list) {
  if (state.piles.stock().empty()) return false;
  const bool tableau = list == PileList::Tableau;
  const int count = state.pilesInUse(list);
  const int firstFlag = tableau ? param::kTableauRowDealFirst : param::kReserveRowDealFirst;
  pushUndoStep();
  severalCardsMoving_ = true;
  for (int n = 0; n < count && !state.piles.stock().empty(); ++n) {
    const int flag = state.parameters[firstFlag + n];
    if (flag != 1 && flag != 2) continue;
    dealFromStock({list, n});
    if (tableau) removeCompletedSequences(n);
  }
  severalCardsMoving_ = false;
  afterMove(true);
  return true;
}

bool Game::fillEmptyFromStock() {
  const int piles = state.pilesInUse(PileList::Tableau);
  bool pushed = false;
  for (int n = 0; n < piles && !state.piles.stock().empty(); ++n) {
    if (!state.piles.pile(PileList::Tableau, n).empty()) continue;
    if (!pushed) pushUndoStep();
    pushed = true;
    dealFromStock({PileList::Tableau, n});
  }
  if (pushed) afterMove(true);
  return pushed;
}

bool Game::closeGapsAndRefill() {
  const int piles = state.pilesInUse(PileList::Tableau);
  auto tableau = [this](int n) -> Pile& { return state.piles.pile(PileList::Tableau, n); };
  bool anyEmpty = false;
  bool gapBeforeCards = false;
  for (int n = 0; n < piles; ++n) {
    if (tableau(n).empty()) {
      anyEmpty = true;
    } else if (anyEmpty) {
      gapBeforeCards = true;
    }
  }
  if (!anyEmpty || (state.piles.stock().empty() && !gapBeforeCards)) return false;

  pushUndoStep();
  observer_.redraw(Redraw::Table, kStockPile);
  state.piles.pile(PileList::Foundations, 0).clear();
  severalCardsMoving_ = true;
  for (int n = 0; n < piles; ++n) {
    if (!tableau(n).empty()) continue;
    int next = n + 1;
    while (next < piles && tableau(next).empty()) ++next;
    if (next >= piles) break;
    Pile moved = tableau(next);
    tableau(next).clear();
    for (const std::uint8_t card : moved.slots()) tableau(n).append(card);
    if (!moved.empty()) {
      flight(moved.bottomCard(), {{PileList::Tableau, next}, 0}, {PileList::Tableau, n}, CardFlight::Kind::Move);
      observer_.playSound("Shuffle", soundSwitch(field::SoundsShuffle));
    }
  }
  for (int n = 0; n < piles && !state.piles.stock().empty(); ++n) {
    if (!tableau(n).empty()) continue;
    dealFromStock({PileList::Tableau, n});
  }
  severalCardsMoving_ = false;
  observer_.cardCounterRefresh();
  afterMove(true);
  return true;
}

StockPress Game::pressStock() {
  const GameParameters& p = state.parameters;
  const CardNumber top = state.piles.stock().topCard();
  auto executed = [this](bool changed) {
    if (stockPressed_) return StockPress::Pressed;
    return changed ? StockPress::Moved : StockPress::Nothing;
  };
  if (p[param::kShowWaste] == 1) return executed(executeMove(top, move_command::kMazzoVis));

  const int tableauCount = state.pilesInUse(PileList::Tableau);
  const int reserveCount = state.pilesInUse(PileList::Reserves);
  const int firstTableauFlag = p[param::kTableauRowDealFirst];
  const int lastTableauFlag = tableauCount > 0 ? p[param::kTableauRowDealFirst + tableauCount - 1] : 0;
  if (firstTableauFlag == 1 || lastTableauFlag == 1)
    return executed(executeMove(top, move_command::kAddTableaus));
  if (firstTableauFlag == 2 || lastTableauFlag == 2) {
    for (int n = 0; n < tableauCount; ++n) {
      if (state.piles.pile(PileList::Tableau, n).empty()) {
        observer_.message("Before deal, fill any gaps in the tableau");
        return StockPress::Refused;
      }
    }
    return executed(executeMove(top, move_command::kAddTableaus));
  }
  const int firstReserveFlag = p[param::kReserveRowDealFirst];
  const int lastReserveFlag = reserveCount > 0 ? p[param::kReserveRowDealFirst + reserveCount - 1] : 0;
  if (firstReserveFlag == 1 || lastReserveFlag == 1)
    return executed(executeMove(top, move_command::kAddReserves));
  if (p[param::kDiscardArrangement] != 0) return executed(executeMove(top, move_command::kMazzoWaste));
  return StockPress::Nothing;
}

bool Game::releaseStock() {
  if (!stockPressed_) return false;
  observer_.redraw(Redraw::StockPressed, kStockPile);
  const bool changed = executeMove(kNoCard, move_command::kMazzoVis);
  stockPressed_ = false;
  return changed;
}

void Game::cancelStockPress() {
  if (!stockPressed_) return;
  stockPressed_ = false;
  observer_.redraw(Redraw::StockPressed, kStockPile);
}

}  // namespace quilloro
