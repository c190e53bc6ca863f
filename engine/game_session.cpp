// The game session: the end of a game with its booking, game files, restart
// and the demo.
#include "engine/game_session.hpp"

#include <algorithm>

#include "app/core/atomic_file.hpp"
#include "app/core/shared_routines.hpp"
#include "engine/game_won_summary.hpp"
#include "stats/booking.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/player_name.hpp"
#include "stats/result_files.hpp"
#include "stats/result_log.hpp"

namespace quilloro {

namespace {

constexpr int kPokerFamily = 9;
constexpr int kPokerWinningPoints = 100;
constexpr std::array<PileList, 4> kSavedLists{PileList::Stock, PileList::Foundations, PileList::Tableau,
                                         PileList::Reserves};

PileRef pileOfLine(std::size_t line) {
  int index = static_cast<int>(line);
  for (const PileList list : kSavedLists) {
    if (index < pileListSize(list)) return {list, index};
    index -= pileListSize(list);
  }
  return {PileList::Reserves, kMaxReserves - 1};
}

}  // namespace

GameSession::GameSession(const GamesDat* games, SettingsRecord& settings, EngineObserver& observer,
                         TableGeometry& geometry, const TimeSource& time, std::filesystem::path programDirectory)
    : games_(games),
      settings_(settings),
      observer_(observer),
      geometry_(geometry),
      time_(time),
      programDirectory_(std::move(programDirectory)),
      game_(games, settings, observer, geometry),
      random_(std::random_device{}()) {}

int GameSession::gameIndex() const { return static_cast<int>(settings_.getInteger(field::Game).value_or(0)); }

std::string GameSession::gameName(int index) const {
  if (games_ == nullptr || index < 0 || index >= games_->gameCount()) return {};
  return games_->catalogue()[static_cast<std::size_t>(index)].name();
}

std::optional<std::string> GameSession::newGame(const NewGameOptions& options) {
  clock_.stop();
  auto error = game_.newGame(options);
  if (!error) clock_.start(time_.now());
  return error;
}

// --- the end of a game ---

bool GameSession::confirmAbandon(std::string_view message) {
  if (animationRunning_) return false;
  if (settings_.get(field::ConfirmQuitGame) == "N") return true;
  if (game_.underWay() && !game_.won()) return observer_.confirmAbandon(message);
  return true;
}

void GameSession::book(bool won, const LocalDateTime& end, int elapsed) {
  const stats::ResultFiles files = stats::ResultFiles::under(programDirectory_);
  const int index = gameIndex();
  const std::string player = settings_.get(field::UserDefault);
  const long long score = game_.score();
  auto report = [this](const FileError& error) {
    if (error) observer_.fileError(*error);
  };
  // Every file is booked or none: a name one of them cannot store stops all.
  if (const std::string fault = stats::playerNameFault(player); !fault.empty()) {
    report("The game was not booked for the player \"" + player + "\": " + fault);
    return;
  }

  stats::ResultLogEntry line;
  line.end = end;
  line.elapsedSeconds = elapsed;
  line.gameIndex = index;
  line.gameName = gameName(index);
  line.player = player;
  line.won = won;
  line.scoringKind = settings_.get(field::ScoringKind);
  line.score = settings_.get(field::Score);
  line.gameNumber = settings_.get(field::GameNumber);
  report(stats::appendResultLogLine(files.log, line));

  report(stats::bookResult(files, settings_, index, player, won, score).error);

  stats::HiScoreOffer offer;
  offer.gameIndex = index;
  offer.player = player;
  offer.scoringKind = settings_.get(field::ScoringKind);
  offer.end = end;
  offer.elapsedSeconds = elapsed;
  offer.score = score;
  offer.gameNumber = settings_.get(field::GameNumber);
  offer.won = won;
  const stats::HiScoreFile::OfferResult placed = stats::HiScoreFile(files.hiScores).offer(offer, end);
  report(placed.error);
  if (placed.position >= 0 && settings_.get(field::ConfirmEnterHiScores) != "N")
    observer_.newHiScore({placed.position + 1, score, elapsed, player, gameName(index)});
}

std::optional<bool> GameSession::endGame() {
  if (!game_.underWay()) return std::nullopt;
  bool won = game_.won();
  if (game_.state.parameters[param::kGameFamily] == kPokerFamily) won = game_.score() >= kPokerWinningPoints;

  const LocalDateTime end = time_.now();
  const int elapsed = clock_.elapsedSeconds(end);
  clock_.stop();
  book(won, end, elapsed);

  game_.setWon(false);
  game_.setUnderWay(false);
  game_.cancelStockPress();
  if (!won) return false;

  observer_.pause(200);
  observer_.playSound("Won", settings_.get(field::SoundsGameWon) == "Y");
  observer_.winAnimation(std::uniform_int_distribution<int>(1, 2)(random_));
  // The animation may have let the player start another game.
  if (game_.underWay()) return true;
  const stats::Totals totals =
      stats::readTotals(stats::ResultFiles::under(programDirectory_), settings_, gameIndex(),
                        settings_.get(field::UserDefault));
  observer_.gameWon(summariseTotals(gameName(gameIndex()), totals.record.won, totals.record.lost));
  return true;
}

void GameSession::endIfWon() {
  if (game_.underWay() && game_.won()) endGame();
}

SelectOutcome GameSession::pressInSelectionGame(PileRef pile, CardNumber card) {
  const SelectOutcome outcome = game_.pressInSelectionGame(pile, card);
  if (outcome == SelectOutcome::Thrown || outcome == SelectOutcome::GapsClosed) endIfWon();
  return outcome;
}

// --- game files ---

SavedGameFile GameSession::snapshot() const {
  SavedGameFile file;
  file.gameIndex = gameIndex();
  file.backgroundBitmap = settings_.get(field::BackgroundBitmap);
  file.backgroundColour = settings_.getInteger(field::BackgroundColour).value_or(0);
  file.backgroundDefault = settings_.get(field::BackgroundDefault);
  file.cardSize = settings_.get(field::CardSize);
  file.cardSet = settings_.get(field::Card);
  file.backCard = static_cast<int>(settings_.getInteger(field::BackCard).value_or(0));
  file.elapsedSeconds = clock_.running() || clock_.paused() ? clock_.elapsedSeconds(time_.now()) : 0;
  file.scoringKind = settings_.get(field::ScoringKind);
  file.score = game_.score();
  file.redealCount = game_.redealCount();
  file.player = settings_.get(field::UserDefault);
  file.gameNumber = settings_.get(field::GameNumber);
  for (std::size_t f = 0; f < file.foundationBaseRanks.size(); ++f)
    file.foundationBaseRanks[f] = game_.state.parameters[param::kFoundationBaseRankFirst + static_cast<int>(f)];
  for (std::size_t line = 0; line < file.piles.size(); ++line)
    file.piles[line] = game_.state.stateTokens(game_.state.piles.pile(pileOfLine(line)));
  for (std::size_t l = 0; l < kSavedLists.size(); ++l) file.undoLines[l] = game_.undoHistory().lines(kSavedLists[l]);
  return file;
}

FileError GameSession::save(const std::filesystem::path& file) const {
  if (const FileError error = writeFileAtomically(file, formatSavedGame(snapshot())))
    return "The game could not be saved to " + file.string() + ": " + *error;
  return std::nullopt;
}

OpenOutcome GameSession::open(const std::filesystem::path& file, bool demo) {
  if (animationRunning_) return {OpenOutcome::Status::Cancelled, {}};
  const ReadResult read = readWholeFile(file);
  if (read.error) return {OpenOutcome::Status::Failed, "Cannot open the game file " + file.string() + ": " + *read.error};
  if (!read.exists) return {OpenOutcome::Status::Failed, "Cannot find the game file " + file.string() + "."};
  SavedGameReading parsed = parseSavedGame(read.content, file.string());
  if (!parsed.game) return {OpenOutcome::Status::Failed, parsed.error};
  const SavedGameFile& saved = *parsed.game;
  if (games_ != nullptr && saved.gameIndex >= games_->gameCount())
    return {OpenOutcome::Status::Failed, "Cannot open the game file " + file.string() + ": line 1: game " +
                                             std::to_string(saved.gameIndex) + " is not in this collection."};
  // The parameters must load before anything of the game in progress changes.
  GameParameters parameters = game_.state.parameters;
  if (games_ != nullptr) {
    try {
      games_->loadParameters(saved.gameIndex, parameters);
    } catch (const GamesDatError& error) {
      return {OpenOutcome::Status::Failed, error.what()};
    }
  }
  if (const std::string fault =
          checkSavedGameCards(saved, parameters[param::kCardsInPlay], holdsSelection(parameters), file.string());
      !fault.empty())
    return {OpenOutcome::Status::Failed, fault};

  if (!confirmAbandon()) return {OpenOutcome::Status::Cancelled, {}};
  endGame();
  game_.state.parameters = parameters;
  putOnTable(saved, demo);
  return {OpenOutcome::Status::Opened, {}};
}

void GameSession::putOnTable(const SavedGameFile& saved, bool demo) {
  const bool otherKind = saved.gameIndex != gameIndex();
  settings_.set(field::ScoringKind, saved.scoringKind);
  settings_.setInteger(field::Score, saved.score);
  game_.setRedealCount(saved.redealCount);
  settings_.setInteger(field::Game, saved.gameIndex);
  // A demo is somebody else's game: the player stays who they are. A name
  // the result files could not store stays out, so the game is booked whole.
  if (!demo) {
    if (const std::string fault = stats::playerNameFault(saved.player); fault.empty()) {
      settings_.set(field::UserDefault, saved.player);
    } else {
      observer_.message("The game file's player \"" + saved.player + "\" is ignored: " + fault +
                        " The game goes on for " + settings_.get(field::UserDefault) + ".");
    }
  }
  settings_.set(field::GameNumber, saved.gameNumber);

  game_.state.piles.clear();
  for (std::size_t line = 0; line < saved.piles.size(); ++line) {
    const PileRef pile = pileOfLine(line);
    game_.state.restorePile(pile.list, pile.index, saved.piles[line]);
  }
  game_.undoHistory() = *UndoHistory::fromLines(saved.undoLines, game_.selectionGame());
  clock_.resume(time_.now(), saved.elapsedSeconds);

  geometry_.prepareTable();
  for (std::size_t f = 0; f < saved.foundationBaseRanks.size(); ++f)
    if (saved.foundationBaseRanks[f])
      game_.state.parameters[param::kFoundationBaseRankFirst + static_cast<int>(f)] =
          static_cast<ParameterValue>(*saved.foundationBaseRanks[f]);
  // The empty tableau piles take what they took when the game was dealt.
  resolveTableauBaseBelowFoundation(game_.state.parameters);
  if (otherKind) stats::resetRunCounters(settings_);
  game_.newGame({.deal = false, .newNumber = false});
  game_.recomputeScore();
}

bool GameSession::restart() {
  if (animationRunning_) return false;
  if (game_.underWay() && !game_.won() &&
      !observer_.confirm("Restart this game?\nGame number: " + settings_.get(field::GameNumber)))
    return false;
  endGame();
  if (game_.undoHistory().restoreFirstInto(game_.state)) game_.undoHistory().clear();
  clock_.stop();
  game_.setRedealCount(1);
  game_.recomputeScore();
  observer_.playSound("Restart", settings_.get(field::SoundsRestart) == "Y");
  game_.newGame({.deal = false, .newNumber = false});
  clock_.start(time_.now());
  return true;
}

// --- the demo ---

std::filesystem::path GameSession::demoFile() const {
  const std::filesystem::path folder = demoFolder_.empty() ? programDirectory_ / "Demos" : demoFolder_;
  return folder / ("G" + fnZeroPad(gameIndex(), 4) + ".GAM");
}

GameSession::DemoStart GameSession::startDemo() {
  if (demoMode_) return {demoLastPosition_, {}};
  if (!confirmAbandon()) return {0, {}};
  // The game given up for the demo is not booked; the demo is nobody's game.
  const bool wasUnderWay = game_.underWay();
  const bool wasWon = game_.won();
  game_.setUnderWay(false);
  game_.setWon(false);
  const OpenOutcome opened = open(demoFile(), true);
  if (!opened.opened()) {
    // Without a demo the game in progress goes on.
    game_.setUnderWay(wasUnderWay);
    game_.setWon(wasWon);
    return {0, opened.error};
  }
  demoMode_ = true;
  int steps = 0;
  while (game_.undo(true)) ++steps;
  // Position 1 is the deal; after the last step the finished table shows.
  demoLastPosition_ = steps + 1;
  // The score is that of the position shown, not of the finished demo.
  game_.recomputeScore();
  observer_.redraw(Redraw::Table, kStockPile);
  return {demoLastPosition_, {}};
}

void GameSession::stopDemo() {
  if (!demoMode_) return;
  demoMode_ = false;
  demoLastPosition_ = 0;
  clock_.stop();
  game_.setUnderWay(false);
  game_.setWon(false);
}

int GameSession::goToDemoPosition(int from, int to) {
  if (!demoMode_) return from;
  from = std::clamp(from, 1, demoLastPosition_);
  to = std::clamp(to, 1, demoLastPosition_);
  const int steps = std::abs(to - from);
  const bool silent = steps >= 2;
  int reached = from;
  for (int i = 0; i < steps; ++i) {
    const bool moved = to < from ? game_.undo(silent) : game_.redo(silent);
    if (!moved) break;
    reached += to < from ? -1 : 1;
  }
  if (silent) {
    game_.recomputeScore();
    observer_.redraw(Redraw::Table, kStockPile);
  }
  return reached;
}

}  // namespace quilloro
