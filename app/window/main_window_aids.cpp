// The play aids on the solver: the hint, the "can this deal still be won?"
// line, finishing a won position for the player, and the cards turned by
// themselves. Every search runs on a thread of its own; the window polls.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "app/core/play_aid_keys.hpp"
#include "app/window/keyboard_play.hpp"
#include "app/window/main_window.hpp"
#include "app/window/table_play.hpp"
#include "app/window/table_widget.hpp"
#include "engine/auto_turn.hpp"
#include "engine/solver/move_description.hpp"
#include "engine/solver/solve_worker.hpp"
#include "table/keyboard_focus.hpp"

namespace quilloro {
namespace {

constexpr int kNoWinText = 7612;
constexpr int kLookingForHint = 7613;
constexpr int kWinnableText = 7614;
constexpr int kNotWinnableText = 7615;
constexpr int kNotDecidedText = 7616;
constexpr int kUnsureText = 7622;
constexpr int kLookingForWin = 7623;
constexpr int kNothingToFinish = 7624;
constexpr int kFinishingText = 7625;

// The pause between two moves played for the player.
constexpr int kFinishStepMilliseconds = 120;

}  // namespace

void MainWindow::readPlayAidOptions() {
  const IniFile file = store_.preferences();
  const bool showVerdict = file.readString(prefkey::Section, prefkey::ShowWinnable, "N") == "Y";
  autoTurn_ = file.readString(prefkey::Section, prefkey::AutoTurn, "N") == "Y";
  if (showVerdict == showVerdict_) return;
  showVerdict_ = showVerdict;
  if (!showVerdict_) {
    verdictSearch_->cancel();
    if (verdict_) verdict_->clear();
  } else {
    positionChanged();
  }
}

bool MainWindow::searching() const {
  // A finished search counts until the window has taken its answer.
  auto busy = [](const solver::SolveWorker* worker) { return worker && (worker->running() || worker->ready()); };
  return busy(hintSearch_.get()) || busy(verdictSearch_.get()) || verdictPending_;
}

// --- what follows every change of the table ---

void MainWindow::positionChanged() {
  updateStatusCounts();
  if (finishing_ || !hintSearch_) return;
  knownWin_.clear();
  if (hintSearch_->running()) {
    hintSearch_->cancel();
    setStatusMessage({});
  }
  if (!hintMarks_.empty() || shownHint_) {
    hintMarks_.clear();
    shownHint_.reset();
    setStatusMessage({});
  }
  updateMarks();
  if (!showVerdict_) return;
  verdictSearch_->cancel();
  verdict_->clear();
  // Many redraws may follow one move: the search starts once they are over.
  if (!verdictPending_) {
    verdictPending_ = true;
    QTimer::singleShot(0, this, &MainWindow::startVerdictSearch);
  }
}

void MainWindow::startVerdictSearch() {
  verdictPending_ = false;
  if (!showVerdict_ || paused_ || finishing_ || !gameOnTable_ || !session_->game().underWay()) return;
  verdictSearch_->start(session_->game(), budgets_.verdict);
  searchPoll_->start();
}

void MainWindow::afterPlayerMove() {
  if (!autoTurn_ || !gameOnTable_) return;
  Game& game = session_->game();
  // A turned card may free others for autoplay, which may uncover more.
  while (turnUncoveredCards(game) > 0) {
    game.finishAfterRelease();
    session_->endIfWon();
  }
}

void MainWindow::updateMarks() {
  // Laid out again on every call, so that the frames follow a resize.
  hintMarks_ = hintFrames();
  std::vector<TableMark> marks = paused_ ? std::vector<TableMark>{} : hintMarks_;
  if (keyboard_ && !paused_)
    for (const TableMark& mark : keyboard_->marks()) marks.push_back(mark);
  table_->setMarks(std::move(marks));
}

// --- the searches ---

void MainWindow::pollSearches() {
  if (verdictSearch_->ready()) {
    if (const auto result = verdictSearch_->result()) {
      const int words = result->verdict == solver::Verdict::Won    ? kWinnableText
                        : result->verdict == solver::Verdict::Lost ? kNotWinnableText
                                                                   : kNotDecidedText;
      verdict_->setText(text(words));
      if (result->verdict == solver::Verdict::Won) knownWin_ = result->moves;
    }
  }
  if (hintSearch_->ready()) {
    if (const auto result = hintSearch_->result()) hintSearchEnded(*result);
  }
  if (!hintSearch_->running() && !verdictSearch_->running()) searchPoll_->stop();
}

void MainWindow::showHint() {
  if (!gameOnTable_ || paused_ || finishing_ || !session_->game().underWay() || session_->demoMode()) return;
  hintForFinish_ = false;
  hintMarks_.clear();
  shownHint_.reset();
  updateMarks();
  setStatusMessage(text(kLookingForHint));
  hintSearch_->start(session_->game(), budgets_.hint);
  searchPoll_->start();
}

void MainWindow::hintSearchEnded(const solver::SolveResult& result) {
  if (hintForFinish_) {
    hintForFinish_ = false;
    if (result.verdict == solver::Verdict::Won) {
      playWinningMoves(result.moves);
    } else {
      setStatusMessage(text(kNothingToFinish));
    }
    return;
  }
  if (result.verdict == solver::Verdict::Won) knownWin_ = result.moves;
  if (result.verdict == solver::Verdict::Lost || result.moves.empty()) {
    setStatusMessage(text(kNoWinText));
    return;
  }
  const solver::SolverMove& move = result.moves.front();
  const GameState& state = session_->game().state;
  QString words =
      QString::fromStdString(solver::describeMove(strings_, languageBase(), state, move));
  if (result.verdict != solver::Verdict::Won) words = text(kUnsureText).replace(QStringLiteral("%1"), words);
  setStatusMessage(words);
  shownHint_ = move;
  updateMarks();
}

// The hint's frames, from the table as it is laid out now: the card and the pile it goes to.
std::vector<TableMark> MainWindow::hintFrames() const {
  std::vector<TableMark> frames;
  if (!shownHint_ || !gameOnTable_) return frames;
  const solver::SolverMove& move = *shownHint_;
  const GameState& state = session_->game().state;
  auto frameSpot = [&](FocusSpot spot, TableMarkKind kind) {
    frames.push_back({focusRect(state, *layout_, spot), kind});
  };
  switch (move.kind) {
    case solver::SolverMove::Kind::Drop:
    case solver::SolverMove::Kind::Select:
      for (const PileRef pile : focusablePiles(state, *layout_)) {
        const Pile& cards = state.piles.pile(pile);
        for (int slot = 0; slot < cards.cardCount(); ++slot)
          if (cards.at(slot) == move.card) frameSpot({pile, slot}, TableMarkKind::HintFrom);
      }
      if (move.kind == solver::SolverMove::Kind::Drop && layout_->isPlaced(move.target))
        frameSpot(topSpotOf(state, move.target), TableMarkKind::HintTo);
      break;
    case solver::SolverMove::Kind::Turn: frameSpot(topSpotOf(state, move.target), TableMarkKind::HintFrom); break;
    case solver::SolverMove::Kind::Stock: frameSpot(topSpotOf(state, kStockPile), TableMarkKind::HintFrom); break;
  }
  return frames;
}

// --- finishing for the player ---

void MainWindow::finishForMe() {
  if (!gameOnTable_ || paused_ || finishing_ || !session_->game().underWay() || session_->demoMode()) return;
  if (!knownWin_.empty()) {
    const std::vector<solver::SolverMove> moves = knownWin_;
    playWinningMoves(moves);
    return;
  }
  hintForFinish_ = true;
  setStatusMessage(text(kLookingForWin));
  hintSearch_->start(session_->game(), budgets_.finish);
  searchPoll_->start();
}

// Each move as the player would make it: its flight, its sound, its undo step.
void MainWindow::playWinningMoves(const std::vector<solver::SolverMove>& moves) {
  verdictSearch_->cancel();
  hintMarks_.clear();
  shownHint_.reset();
  knownWin_.clear();
  finishing_ = true;
  stopFinishing_ = false;
  setStatusMessage(text(kFinishingText));
  updateMarks();
  play_->setInterrupt([this] { stopFinishing_ = true; });
  for (const solver::SolverMove& move : moves) {
    if (stopFinishing_ || closed_ || !session_->game().underWay()) break;
    Game& game = session_->game();
    if (!solver::applyMove(game, move)) break;
    redrawTable();
    if (game.won()) break;
    play_->wait(kFinishStepMilliseconds);
  }
  play_->setInterrupt({});
  finishing_ = false;
  setStatusMessage({});
  session_->endIfWon();
  redrawTable();
  positionChanged();
}

}  // namespace quilloro
