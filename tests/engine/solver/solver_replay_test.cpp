// Every solution the solver reports must replay through quilloro-cli play to a
// won game, on deals of every game kind that the collection ships.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "engine/games_dat.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tools/cli_play_commands.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::solver_replay_test {
namespace {

// Deals are tried in order until a kind has given kWinsPerKind wins, or
// kDealsPerKind deals, or kDealsWithoutWin deals without any win. The
// sanitized build runs many times slower: there one win a kind, within a
// smaller budget, shows the same faults.
#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDealsPerKind = 2;
constexpr int kWinsPerKind = 1;
constexpr int kDealsWithoutWin = 2;
constexpr std::int64_t kNodesPerDeal = 150;
#else
constexpr int kDealsPerKind = 6;
constexpr int kWinsPerKind = 2;
constexpr int kDealsWithoutWin = 3;
constexpr std::int64_t kNodesPerDeal = 600;
#endif
// The kinds are shared out among this many tests, which ctest runs side by side.
constexpr int kShards = 8;

class SolverReplay : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    home_ = std::filesystem::temp_directory_path() / ("quilloro-solver-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home_);
  }
  void TearDown() override { std::filesystem::remove_all(home_); }

  cli::Arguments arguments(int game, int number) const {
    return cli::Arguments({"--game", std::to_string(game), "--number", std::to_string(number), "--dat",
                           testing::builtGamesDat().string(), "--home", home_.string()});
  }

  // The play replies to the moves followed by "won".
  std::vector<std::string> replay(int game, int number, const std::vector<SolverMove>& moves) const {
    std::string commands;
    for (const SolverMove& move : moves) commands += playCommand(move) + "\n";
    commands += "won\n";
    std::istringstream in(commands);
    std::ostringstream out;
    cli::playGame(arguments(game, number), in, out);
    std::vector<std::string> replies;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) replies.push_back(line);
    return replies;
  }

  std::filesystem::path home_;
};

TEST_P(SolverReplay, EverySolutionOfEveryShippedKindReplaysToAWin) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  ASSERT_GT(dat.gameCount(), 0);
  // Nodes rather than time: the same verdicts in every build, however slow.
  const Budget budget{.nodes = kNodesPerDeal, .milliseconds = 600000};
  for (int game = GetParam(); game < dat.gameCount(); game += kShards) {
    cli::SolverSession session(arguments(game, 1), game);
    int won = 0;
    int number = 1;
    for (; number <= kDealsPerKind && won < kWinsPerKind && (won > 0 || number <= kDealsWithoutWin); ++number) {
      session.deal(std::to_string(number));
      const GameState before = session.game().state;
      const SolveResult result = solve(SolverStart::of(session.game()), budget);
      EXPECT_EQ(session.game().state.piles, before.piles) << "the solver must work on a copy";
      if (result.verdict != Verdict::Won) continue;
      ++won;
      const std::vector<std::string> replies = replay(game, number, result.moves);
      ASSERT_EQ(replies.size(), result.moves.size() + 1);
      for (std::size_t i = 0; i < result.moves.size(); ++i)
        // A pairing game's click may also answer "ok: thrown" or "ok: gaps closed".
        ASSERT_TRUE(replies[i] == "ok" || replies[i].starts_with("ok: "))
            << replies[i] << ": game " << game << " deal " << number << " move " << i << ": "
            << playCommand(result.moves[i]);
      EXPECT_EQ(replies.back(), "yes") << "game " << game << " deal " << number;
    }
    ::testing::Test::RecordProperty("won_game_" + std::to_string(game), won);
    // FreeCell-type deals fall within the smallest budget.
    if (dat.catalogue()[static_cast<std::size_t>(game)].name().starts_with("FreeCell")) {
      EXPECT_EQ(won, kWinsPerKind);
      EXPECT_LE(number, kWinsPerKind + 2);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(KindsByShard, SolverReplay, ::testing::Range(0, kShards));

}  // namespace
}  // namespace quilloro::solver::solver_replay_test
