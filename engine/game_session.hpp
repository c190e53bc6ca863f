// A game from its deal to its booking: the game itself with its clock, the end
// of the game with the result files, saving, opening, restarting and the
// demo. The application owns one and hands it to whoever needs it; so do the
// command line and the tests.
#pragma once

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "app/core/settings_record.hpp"
#include "engine/game.hpp"
#include "app/core/atomic_file.hpp"
#include "engine/game_clock.hpp"
#include "engine/saved_game_file.hpp"

namespace quilloro {

// What opening a game file came to.
struct OpenOutcome {
  enum class Status { Opened, Cancelled, Failed };
  Status status = Status::Failed;
  // For Failed: what is wrong, naming the file (and the line, for a file that
  // is not a game file). The game in progress is then untouched.
  std::string error;
  bool opened() const { return status == Status::Opened; }
};

class GameSession {
 public:
  GameSession(const GamesDat* games, SettingsRecord& settings, EngineObserver& observer, TableGeometry& geometry,
              const TimeSource& time, std::filesystem::path programDirectory);

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  const GameClock& clock() const { return clock_; }
  const std::filesystem::path& programDirectory() const { return programDirectory_; }

  // New game with the clock started at its end.
  std::optional<std::string> newGame(const NewGameOptions& options);

  // Whether the game in progress may be replaced: asks the player while a
  // game is under way and not won (unless ConfirmQuitGame is "N"). An empty
  // message stands for the language's "Quit this game?".
  bool confirmAbandon(std::string_view message = {});
  // Books the game under way (won, or lost when abandoned) in the result log,
  // the statistics and the hi-score table, then celebrates a win. Does
  // nothing when no game is under way. Answers whether the game was booked
  // as won, or nothing when there was no game to book.
  std::optional<bool> endGame();
  // After a move of the player: ends the game when the move won it.
  void endIfWon();
  // A press of a selection or pairing game; ends the game when it is won.
  SelectOutcome pressInSelectionGame(PileRef pile, CardNumber card);

  // The seconds the clock shows now, and its display "h:nn:ss".
  int elapsedSeconds() const { return clock_.elapsedSeconds(time_.now()); }
  std::string timeDisplay() const { return clock_.display(time_.now()); }
  // The player stepped away: the clock holds its time until play goes on.
  void pauseClock() { clock_.pause(time_.now()); }
  void resumeClock() { clock_.goOn(time_.now()); }

  // --- game files ---
  // The game in progress, its table and its undo history, as a game file.
  SavedGameFile snapshot() const;
  // Writes the game file (through a temporary file); the error in plain words.
  FileError save(const std::filesystem::path& file) const;
  // Reads and checks the file first; then asks to abandon the game in
  // progress, ends it and puts the file's game on the table with its clock
  // running. A demo keeps the current player.
  OpenOutcome open(const std::filesystem::path& file, bool demo = false);
  // Back to the table right after the deal; the game in progress counts as
  // lost. Answers false when the player said no or an animation runs.
  bool restart();

  // --- the demo ---
  // "G" + the game index in four digits + ".GAM" in the demo folder, which is
  // "Demos" under the program folder unless another one is set.
  std::filesystem::path demoFile() const;
  // The shipped demos may lie apart from the player's data.
  void setDemoFolder(std::filesystem::path folder) { demoFolder_ = std::move(folder); }
  // Opens the demo of the current game kind and steps back silently to its
  // deal. Answers the number of positions (the deal is position 1, the
  // finished table the last), or the reason it could not start.
  struct DemoStart {
    int lastPosition = 0;
    std::string error;
  };
  DemoStart startDemo();
  void stopDemo();
  bool demoMode() const { return demoMode_; }
  int demoLastPosition() const { return demoLastPosition_; }
  // Steps from one position to another: one step as an ordinary undo or redo,
  // more silently with one redraw at the end. Positions are held to the demo.
  int goToDemoPosition(int from, int to);

  // Set by the window while the win animation runs: nothing may replace the
  // game meanwhile.
  void setAnimationRunning(bool running) { animationRunning_ = running; }
  bool animationRunning() const { return animationRunning_; }
  void seedRandom(std::uint32_t seed) {
    random_.seed(seed);
    game_.seedRandom(seed);
  }

 private:
  int gameIndex() const;
  std::string gameName(int index) const;
  void book(bool won, const LocalDateTime& end, int elapsed);
  void putOnTable(const SavedGameFile& file, bool demo);

  const GamesDat* games_;
  SettingsRecord& settings_;
  EngineObserver& observer_;
  TableGeometry& geometry_;
  const TimeSource& time_;
  std::filesystem::path programDirectory_;
  std::filesystem::path demoFolder_;
  Game game_;
  GameClock clock_;
  std::mt19937 random_;
  bool animationRunning_ = false;
  bool demoMode_ = false;
  int demoLastPosition_ = 0;
};

}  // namespace quilloro
