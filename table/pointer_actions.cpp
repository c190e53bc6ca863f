// Press, move, release and double-click on the table.
#include "table/pointer_actions.hpp"

#include <string>

#include "table/fan_steps.hpp"

namespace quilloro {

namespace {

constexpr int kDefaultCursor = 11;
constexpr int kDragCursorOffset = 10;
constexpr int kReservesFannedStacks = -11;

// The discard families play a tableau card straight to the discard pile.
bool discardFamily(int family) { return family == 2 || family == 12 || family == 15; }

std::string numberedName(const char* prefix, int index) { return prefix + std::to_string(index + 1); }

}  // namespace

TableScene PointerActions::scene() const {
  const Game& g = c_.session.game();
  TableScene s(g.state, c_.layout, g.redealCount());
  s.demo = c_.session.demoMode();
  s.selection = g.selection();
  return s;
}

int PointerActions::preferredCursor() const {
  return static_cast<int>(c_.settings.getInteger(field::Cursor).value_or(kDefaultCursor));
}

void PointerActions::setCursor(int cursor) {
  if (cursor == cursorShown_) return;
  cursorShown_ = cursor;
  c_.listener.cursorChanged(cursor);
}

void PointerActions::redrawCard(PileRef pile, int slot) {
  c_.renderer.drawPileCard(scene(), pile, slot, c_.renderer.tableBuffer());
  const Point at = c_.layout.cardPosition(pile, slot);
  c_.renderer.refreshWindow(c_.window, {at.x, at.y, c_.dragger.cardWidth(), c_.dragger.cardHeight()});
}

// --- press ---

void PointerActions::press(PointerButton button, int x, int y) {
  if (skipNextPress_) {
    skipNextPress_ = false;
    return;
  }
  // A second button during a drag, or a press with no game, changes nothing.
  if (!game().underWay() || c_.dragger.dragging() || c_.stockButton.pressed()) return;
  // A demonstration is watched, not played.
  if (c_.session.demoMode()) {
    c_.listener.beep();
    return;
  }
  DragState& drag = c_.dragger.state();
  drag.moved = false;
  const PileHit hit = findPileAtPoint(game().state, c_.layout, x, y);
  drag.lastPress = {x, y};
  if (!hit.hit()) return;

  if (button == PointerButton::Right) {
    if (hit.pile.list == PileList::Tableau || hit.pile.list == PileList::Reserves) peek(hit);
    return;
  }
  if (button != PointerButton::Left) return;
  if (game().selectionGame()) {
    const SelectOutcome outcome = c_.session.pressInSelectionGame(hit.pile, hit.card);
    if (outcome == SelectOutcome::Refused) c_.listener.beep();
    if (outcome != SelectOutcome::Ignored || game().state.parameters[param::kSelectByClick] != 0) return;
    // Families 3 and 4 choose their tableau cards; nothing else happens there.
    if (hit.pile.list == PileList::Tableau) return;
  }
  pressLeft(hit);
}

void PointerActions::pressLeft(const PileHit& hit) {
  const MoveRules rules = game().rules();
  switch (hit.pile.list) {
    case PileList::Tableau:
      if (hit.card != kNoCard) pressTableau(hit);
      return;
    case PileList::Stock:
      if (hit.pile == kStockPile) pressStock();
      else if (hit.pile == kWastePile && hit.card != kNoCard && rules.mayTake(hit.pile, hit.card)) take(hit, false);
      return;
    case PileList::Foundations:
    case PileList::Reserves:
      if (hit.card != kNoCard && rules.mayTake(hit.pile, hit.card)) take(hit, false);
      return;
  }
}

void PointerActions::pressTableau(const PileHit& hit) {
  const MoveRules rules = game().rules();
  const Pile& pile = game().state.piles.pile(hit.pile);
  const bool onTop = pile.topCard() == hit.card;
  if (discardFamily(game().state.parameters[param::kGameFamily])) {
    if (!onTop) return;
    switch (rules.mayDropOnDiscard(hit.card)) {
      case DiscardVerdict::Accepted: playToDiscard(hit.card); return;
      case DiscardVerdict::RefusedWithBeep:
      case DiscardVerdict::Refused: c_.listener.beep(); return;
    }
    return;
  }
  if (onTop && game().state.isFaceDown(hit.card)) {
    // Turned, not taken; the next press may take it.
    if (game().turnTopCard(hit.pile.index)) redrawCard(hit.pile, pile.cardCount() - 1);
    return;
  }
  if (rules.mayTake(hit.pile, hit.card)) take(hit, !onTop);
}

void PointerActions::pressStock() {
  const Game& g = game();
  const StockPress outcome = game().pressStock();
  if (outcome == StockPress::Pressed) c_.stockButton.press(c_.layout);
  if (discardFamily(g.state.parameters[param::kGameFamily]) && g.state.parameters[param::kGameFamily] != 12)
    c_.session.endIfWon();
}

void PointerActions::peek(const PileHit& hit) {
  const GameState& state = game().state;
  const int reserveFan = state.parameters[param::kReserveFan];
  const bool shown = hit.card != kNoCard && !state.isFaceDown(hit.card) &&
                     (hit.pile.list == PileList::Tableau || reserveFan == 1 || reserveFan == 2);
  if (!shown) {
    c_.listener.beep();
    return;
  }
  c_.renderer.drawFaceUp(hit.card, hit.cardRect.left, hit.cardRect.top, false, c_.window);
  peek_ = {hit.cardRect.left, hit.cardRect.top, c_.dragger.cardWidth(), c_.dragger.cardHeight()};
}

void PointerActions::take(const PileHit& hit, bool run) {
  const GameState& state = game().state;
  const bool allFree = hit.pile.list == PileList::Reserves &&
                       state.parameters[param::kReserveFannedStacks] == kReservesFannedStacks;
  const bool showInPlace = allFree || c_.settings.get(field::PilesIrregular) == "Y";
  const Point pointer = c_.dragger.state().lastPress;
  c_.dragger.startDrag(scene(), hit.pile, hit.card, hit.cardRect, run && hit.pile.list == PileList::Tableau, pointer,
                       showInPlace);
}

void PointerActions::playToDiscard(CardNumber card) {
  const auto place = findPileAtPoint(game().state, c_.layout, c_.dragger.state().lastPress.x,
                                     c_.dragger.state().lastPress.y);
  take(place, false);
  if (!c_.dragger.dragging()) return;
  if (game().executeMove(card, move_command::kWaste)) {
    settleDragged();
    c_.session.endIfWon();
  } else {
    c_.flights.returnDragged(scene());
  }
}

// --- move and release ---

void PointerActions::move(int x, int y) {
  if (c_.dragger.dragging()) {
    setCursor(preferredCursor() + kDragCursorOffset);
    c_.dragger.followPointer(x, y);
    return;
  }
  if (c_.stockButton.pointerMoved(x, y)) game().cancelStockPress();
}

void PointerActions::release() {
  setCursor(preferredCursor());
  if (c_.stockButton.release()) {
    game().releaseStock();
  } else if (game().stockPressed()) {
    game().cancelStockPress();  // pressed without the button's picture: nothing to redeal on
  }
  if (c_.dragger.dragging()) {
    const bool moved = c_.dragger.state().moved && drop();
    if (moved) {
      settleDragged();
      c_.session.endIfWon();
    } else {
      c_.flights.returnDragged(scene());
    }
    c_.dragger.endDrag();
  }
  if (peeking()) {
    c_.renderer.refreshWindow(c_.window, peek_);
    peek_ = {};
  }
  // In a demonstration the release plays nothing: autoplay would end its redo history.
  if (c_.session.demoMode()) return;
  if (game().underWay() && !game().won()) game().finishAfterRelease();
  c_.session.endIfWon();
}

bool PointerActions::drop() {
  const DragState& drag = c_.dragger.state();
  const CardNumber card = drag.draggedCard;
  const std::vector<CardNumber> run = drag.run.empty() ? std::vector<CardNumber>{card} : drag.run;
  for (const PileRef pile : dropCandidates(game().state, c_.layout, c_.dragger.currentCardRect())) {
    if (pile == drag.source) continue;  // back where it came from is no move
    if (dropOn(pile, card, run)) return true;
  }
  return false;
}

bool PointerActions::dropOn(PileRef pile, CardNumber card, const std::vector<CardNumber>& run) {
  const MoveRules rules = game().rules();
  const int carried = static_cast<int>(run.size());
  switch (pile.list) {
    case PileList::Foundations:
      return rules.mayDropOnFoundation(pile.index, card, carried) &&
             game().executeMove(card, numberedName("Dest", pile.index));
    case PileList::Tableau:
      return rules.mayDropOnTableau(pile.index, run) && game().executeMove(card, numberedName("Fila", pile.index));
    case PileList::Reserves:
      return rules.mayDropOnReserve(pile.index, card, carried) &&
             game().executeMove(card, numberedName("Appogg", pile.index));
    case PileList::Stock:
      return pile == kWastePile && carried == 1 && rules.mayDropOnWaste(card) &&
             game().executeMove(card, move_command::kStock02);
  }
  return false;
}

void PointerActions::settleDragged() {
  if (!c_.dragger.dragging()) return;
  const CardNumber card = c_.dragger.state().draggedCard;
  for (const PileList list : {PileList::Foundations, PileList::Tableau, PileList::Reserves, PileList::Stock}) {
    for (int index = 0; index < pileListSize(list); ++index) {
      const Pile& pile = game().state.piles.pile(list, index);
      for (int slot = 0; slot < pile.cardCount(); ++slot) {
        if (pile.at(slot) != card) continue;
        c_.flights.landDraggedOn(scene(), {list, index}, slot);
        return;
      }
    }
  }
  c_.dragger.endDrag();  // gone from the table: nothing to land
}

// --- double-click ---

bool PointerActions::onStock(int x, int y) const {
  const Game& g = c_.session.game();
  if (!g.underWay()) return false;
  const PileHit hit = findPileAtPoint(g.state, c_.layout, x, y);
  return hit.hit() && hit.pile == kStockPile;
}

void PointerActions::doubleClick() {
  if (!game().underWay() || c_.session.demoMode()) return;
  const Point at = c_.dragger.state().lastPress;
  const PileHit hit = findPileAtPoint(game().state, c_.layout, at.x, at.y);
  if (!hit.hit() || hit.card == kNoCard || hit.pile == kStockPile) {
    skipNextPress_ = false;
    return;
  }
  const GameState& state = game().state;
  if (state.isFaceDown(hit.card)) return;
  const Pile& pile = state.piles.pile(hit.pile);
  const bool eligible = (hit.pile == kWastePile && pile.topCard() == hit.card) ||
                        (hit.pile.list == PileList::Tableau && pile.topCard() == hit.card) ||
                        hit.pile.list == PileList::Reserves;
  if (!eligible) return;
  skipNextPress_ = true;
  const MoveRules rules = game().rules();
  bool moved = false;
  for (int f = 0; f < state.pilesInUse(PileList::Foundations) && !moved; ++f) {
    const PileRef target{PileList::Foundations, f};
    moved = c_.layout.isPlaced(target) && rules.mayDropOnFoundation(f, hit.card) &&
            game().executeMove(hit.card, numberedName("Dest", f));
  }
  for (int r = 0; r < state.pilesInUse(PileList::Reserves) && !moved; ++r) {
    const PileRef target{PileList::Reserves, r};
    moved = target != hit.pile && c_.layout.isPlaced(target) && rules.mayDropOnReserve(r, hit.card) &&
            game().executeMove(hit.card, numberedName("Appogg", r));
  }
  if (moved) c_.session.endIfWon();
}

}  // namespace quilloro
