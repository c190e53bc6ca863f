// The table's keys: focus steps, taking and putting down, cancelling a pick.
#include "app/window/keyboard_play.hpp"

#include <QApplication>
#include <algorithm>

#include "app/window/table_play.hpp"

namespace quilloro {

KeyboardPlay::KeyboardPlay(GameSession& session, const TableLayout& layout, TablePlay& play)
    : session_(session), layout_(layout), play_(play) {}

bool KeyboardPlay::playable() const {
  const Game& game = session_.game();
  return game.underWay() && !session_.demoMode() && !focusablePiles(game.state, layout_).empty();
}

bool KeyboardPlay::key(int qtKey) {
  if (!playable()) {
    carrying_ = false;
    return false;
  }
  const GameState& state = session_.game().state;
  // The first key shows the frame where it stood (on the stock at a new deal).
  const bool firstKey = !shown_;
  shown_ = true;
  const std::vector<PileRef> piles = focusablePiles(state, layout_);
  if (std::find(piles.begin(), piles.end(), focus_.pile) == piles.end()) focus_ = topSpotOf(state, piles.front());
  focus_ = keepOnTable(state, layout_, focus_);
  switch (qtKey) {
    case Qt::Key_Left: if (!firstKey) step(FocusDirection::Left); return true;
    case Qt::Key_Right: if (!firstKey) step(FocusDirection::Right); return true;
    case Qt::Key_Up: if (!firstKey) step(FocusDirection::Up); return true;
    case Qt::Key_Down: if (!firstKey) step(FocusDirection::Down); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: act(); return true;
    case Qt::Key_Escape:
      if (!carrying_) return false;
      cancel();
      return true;
    default: return false;
  }
}

void KeyboardPlay::pointerUsed() {
  // The mouse takes over: cards the keys carry go back first.
  if (carrying_) cancel();
  shown_ = false;
}

void KeyboardPlay::reset() {
  if (carrying_) cancel();
  focus_ = {};
}

void KeyboardPlay::step(FocusDirection direction) {
  const GameState& state = session_.game().state;
  if (const auto next = stepFocus(state, layout_, focus_, direction, carrying_)) {
    focus_ = *next;
    if (carrying_) carryToFocus();
  } else {
    QApplication::beep();
  }
}

void KeyboardPlay::act() {
  const GameState& state = session_.game().state;
  if (carrying_) {
    carrying_ = false;
    play_.setKeyboardCarrying(false);
    play_.release();
    focus_ = keepOnTable(session_.game().state, layout_, topSpotOf(session_.game().state, focus_.pile));
    return;
  }
  const auto point = pressPointOf(state, layout_, focus_);
  if (!point) {
    QApplication::beep();
    return;
  }
  const PixelRect card = focusRect(state, layout_, focus_);
  play_.press(PointerButton::Left, point->x, point->y);
  if (play_.dragger().dragging()) {
    // Taken: the cards go where the focus goes until Space, Return or Esc.
    carrying_ = true;
    carriedFrom_ = focus_;
    pressedAt_ = *point;
    cardTopLeft_ = {card.left, card.top};
    play_.setKeyboardCarrying(true);
    return;
  }
  // A click was the whole move: the stock, a turned card, a selection.
  play_.release();
  focus_ = keepOnTable(session_.game().state, layout_, focus_);
}

void KeyboardPlay::carryToFocus() {
  const GameState& state = session_.game().state;
  const PixelRect target = focusRect(state, layout_, topSpotOf(state, focus_.pile));
  play_.carryTo(pressedAt_.x + target.left - cardTopLeft_.x, pressedAt_.y + target.top - cardTopLeft_.y);
}

void KeyboardPlay::cancel() {
  // Back over the place they came from: the release returns them.
  play_.carryTo(pressedAt_.x, pressedAt_.y);
  carrying_ = false;
  play_.setKeyboardCarrying(false);
  play_.release();
  focus_ = keepOnTable(session_.game().state, layout_, carriedFrom_);
}

std::vector<TableMark> KeyboardPlay::marks() const {
  if (!shown_ || !session_.game().underWay()) return {};
  const GameState& state = session_.game().state;
  const std::vector<PileRef> piles = focusablePiles(state, layout_);
  if (std::find(piles.begin(), piles.end(), focus_.pile) == piles.end()) return {};
  if (carrying_) return {{focusRect(state, layout_, topSpotOf(state, focus_.pile)), TableMarkKind::Carried}};
  return {{focusRect(state, layout_, keepOnTable(state, layout_, focus_)), TableMarkKind::Focus}};
}

}  // namespace quilloro
