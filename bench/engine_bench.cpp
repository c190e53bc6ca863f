// The engine's speed: deals, moves with their undo records, and undo and redo
// late in a long game. Run from the build folder:
//   quilloro/quilloro_bench   (QUILLORO_HOME names another folder with GAMES.DAT)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/core/settings_record.hpp"
#include "engine/engine_observer.hpp"
#include "engine/game.hpp"
#include "engine/games_dat.hpp"
#include "engine/shuffle.hpp"
#include "engine/table_geometry.hpp"

namespace {

using namespace quilloro;

const GamesDat& gamesDat() {
  static const GamesDat dat = [] {
    const char* home = std::getenv("QUILLORO_HOME");
    const std::filesystem::path folder = home != nullptr ? home : "quilloro";
    return GamesDat::load(folder / "GAMES.DAT");
  }();
  return dat;
}

// A game of the collection with no window: silent, autoplay off, undo with
// every level.
class HeadlessGame {
 public:
  explicit HeadlessGame(int gameIndex) : game(&gamesDat(), settings, observer, geometry) {
    settings.setInteger(field::Game, gameIndex);
    settings.set(field::GameNumber, "1");
    settings.set(field::ScoringKind, "01");
    settings.set(field::UndoEnabled, "0");
    game.setAutoplay(false);
  }

  void deal(const std::string& number) {
    settings.set(field::GameNumber, number);
    if (const auto error = game.newGame({.deal = true, .newNumber = false})) throw std::runtime_error(*error);
  }

  SettingsRecord settings;
  SilentObserver observer;
  LibraryAnchorGeometry geometry;
  Game game;
};

// Game numbers that differ from deal to deal, all of thirteen digits.
std::string gameNumber(long long serial) { return std::to_string(1000000000000LL + serial % 9000000000000LL); }

void BM_Shuffle(benchmark::State& state) {
  const int cards = static_cast<int>(state.range(0));
  long long serial = 0;
  for (auto _ : state) benchmark::DoNotOptimize(shuffleDeck(gameNumber(++serial), cards));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Shuffle)->Arg(52)->Arg(104);

// A whole new game: the shuffle, emptying the table and the deal.
void BM_NewGame(benchmark::State& state) {
  HeadlessGame table(static_cast<int>(state.range(0)));
  long long serial = 0;
  for (auto _ : state) table.deal(gameNumber(++serial));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NewGame)->ArgName("game")->Arg(0)->Arg(1)->Arg(2);  // Klondike, FreeCell, Spider

// One card moved between two tableau piles through execute move, its undo
// record included. The history is emptied every few thousand moves so that
// memory stays bounded; the emptying is part of the measured cost.
void BM_ExecuteMove(benchmark::State& state) {
  HeadlessGame table(0);
  table.deal("1");
  const PileRef from{PileList::Tableau, 6};
  const CardNumber card = table.game.state.piles.pile(from).topCard();
  bool there = false;
  int moves = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table.game.executeMove(card, there ? "Fila7" : "Fila1"));
    there = !there;
    if (++moves == 4096) {
      table.game.undoHistory().clear();
      moves = 0;
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExecuteMove);

// Undo then redo of the last step of a game that has `range` steps behind it:
// the cost must not grow with the history. Reports the bytes held per step.
void BM_UndoRedoLate(benchmark::State& state) {
  HeadlessGame table(0);
  table.deal("1");
  const CardNumber card = table.game.state.piles.pile({PileList::Tableau, 6}).topCard();
  for (int step = 0; step < state.range(0); ++step) table.game.executeMove(card, step % 2 == 0 ? "Fila1" : "Fila7");
  for (auto _ : state) {
    table.game.undo(true);
    table.game.redo(true);
  }
  const UndoHistory& history = table.game.undoHistory();
  state.counters["bytes_per_step"] =
      static_cast<double>(history.storedBytes()) / static_cast<double>(history.stepCount());
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_UndoRedoLate)->ArgName("steps")->Arg(10)->Arg(100)->Arg(1000);

}  // namespace

BENCHMARK_MAIN();
