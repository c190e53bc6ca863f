// A test fixture for the solver's searches: every test gets a program folder
// of its own and starts games on the game definitions the build encoded; and
// the move sets the differential tests compare.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/solver/solver.hpp"
#include "engine/solver/solver_move.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver {

// A list of moves as a set, for comparing the moves a search offers with the
// moves the engine accepts regardless of their order.
using MoveSet = std::set<std::tuple<int, int, int, int>>;

inline MoveSet asSet(const std::vector<SolverMove>& moves) {
  MoveSet set;
  for (const SolverMove& move : moves)
    set.insert({static_cast<int>(move.kind), move.card, static_cast<int>(move.target.list), move.target.index});
  return set;
}

// Solves the start within so many positions and expects a win, found within
// them, that replays through the engine; returns the search's result.
inline SolveResult expectWonWithin(const SolverStart& start, std::int64_t nodes) {
  const SolveResult result = solve(start, Budget{.nodes = nodes, .milliseconds = 600'000});
  EXPECT_EQ(result.verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(start, result.moves));
  EXPECT_LE(result.nodes, nodes);
  return result;
}

// Solves the start again on the same positions with ten times the
// time: the clock only cuts a search short, so the moves and the positions
// are those of the first search.
inline void expectSameOnALongerClock(const SolverStart& start, const SolveResult& first, std::int64_t nodes) {
  const SolveResult again = solve(start, Budget{.nodes = nodes, .milliseconds = 6'000'000});
  EXPECT_EQ(first.moves, again.moves);
  EXPECT_EQ(first.nodes, again.nodes);
}

class SolverSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string suite = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    home_ = std::filesystem::temp_directory_path() / ("quilloro-" + suite + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home_);
  }
  void TearDown() override { std::filesystem::remove_all(home_); }

  // The command-line arguments that open game kind `game` in this test's folder.
  cli::Arguments arguments(int game) const {
    return cli::Arguments({"--game", std::to_string(game), "--number", "1", "--dat",
                           testing::builtGamesDat().string(), "--home", home_.string()});
  }
  cli::SolverSession session(int game) const { return cli::SolverSession(arguments(game), game); }

  std::filesystem::path home_;
};

}  // namespace quilloro::solver
