// Undo and redo: whole-table steps moved between the two histories.
#include "engine/game.hpp"

namespace quilloro {

void Game::pushUndoStep() {
  undo_.push(state, selectionGame(), redealCount_);
  settings_.set(field::LastActionUndo, "0");
}

void Game::clearRedo() {
  redo_.clear();
  settings_.set(field::LastActionRedo, "0");
}

struct Game::HistoryDirection {
  const SettingsField& ownFlag;    // set by this command
  const SettingsField& otherFlag;  // cleared by this command's push
  const char* sound;
  const SettingsField& soundSwitch;
};

bool Game::undo(bool silent) {
  static const HistoryDirection kUndo{field::LastActionUndo, field::LastActionRedo, "Undo", field::SoundsUndo};
  return step(undo_, redo_, kUndo, silent);
}

bool Game::redo(bool silent) {
  static const HistoryDirection kRedo{field::LastActionRedo, field::LastActionUndo, "Redo", field::SoundsRedo};
  return step(redo_, undo_, kRedo, silent);
}

bool Game::step(UndoHistory& from, UndoHistory& to, const HistoryDirection& direction, bool silent) {
  if (from.empty()) {
    if (!silent) observer_.beep();
    return false;
  }
  if (!silent) {
    const bool refused = !underWay_ || settingIs(field::UndoEnabled, "2") ||
                         (settingIs(field::UndoEnabled, "1") && settingIs(direction.ownFlag, "1"));
    if (refused) {
      observer_.beep();
      return false;
    }
    settings_.set(direction.ownFlag, "1");
    observer_.playSound(direction.sound, soundSwitch(direction.soundSwitch));
  }
  to.push(state, selectionGame(), redealCount_);
  settings_.set(direction.otherFlag, "0");

  const bool stockWasEmpty = state.piles.stock().empty();
  const std::optional<int> recordedRedeals = from.lastRedealCount();
  from.popInto(state);
  const bool stockIsEmpty = state.piles.stock().empty();
  // A step across a redeal takes the redeal back, or makes it again. A step
  // taken in this run knows its count (also for the reshuffle, which leaves
  // the stock as it is); a step read from a game file goes by the stock.
  const bool undoing = &from == &undo_;
  if (recordedRedeals) {
    redealCount_ = *recordedRedeals;
  } else {
    if (undoing && !stockWasEmpty && stockIsEmpty) --redealCount_;
    if (!undoing && stockWasEmpty && !stockIsEmpty) ++redealCount_;
  }

  if (!silent) {
    observer_.redraw(Redraw::Table, {PileList::Stock, kStockIndex});
    if (selectionGame()) observer_.redraw(Redraw::SelectionMarks, {PileList::Foundations, 0});
    recomputeScore();
    observer_.cardCounterRefresh();
  }
  return true;
}

}  // namespace quilloro
