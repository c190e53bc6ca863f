// The demo recorder and the odds writer of quilloro-cli.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tools/cli_odds_command.hpp"
#include "tools/cli_record_demo_command.hpp"
#include "tools/cli_solve_command.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::cli {
namespace {

class SolverTools : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = std::filesystem::temp_directory_path() / ("quilloro-solver-tools-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home_);
  }
  void TearDown() override { std::filesystem::remove_all(home_); }
  std::vector<std::string> base() const {
    return {"--dat", testing::builtGamesDat().string(), "--home", home_.string()};
  }
  std::filesystem::path home_;
};

TEST_F(SolverTools, RecordedDemoOpensAsADemoAndStepsFromDealToWin) {
  std::vector<std::string> args = base();
  for (const char* word : {"--game", "1", "--deals", "1", "--budget-ms", "5000"}) args.push_back(word);
  std::ostringstream out;
  ASSERT_EQ(recordDemos(Arguments(args), out), 0) << out.str();
  EXPECT_TRUE(out.str().starts_with("G0001.GAM: deal 1, won")) << out.str();
  ASSERT_TRUE(std::filesystem::exists(home_ / "Demos" / "G0001.GAM"));

  SolverSession session(Arguments(base()), 1);
  session.deal("1");
  const GameSession::DemoStart demo = session.session().startDemo();
  ASSERT_TRUE(demo.error.empty()) << demo.error;
  EXPECT_GT(demo.lastPosition, 50);
  EXPECT_EQ(session.session().goToDemoPosition(1, demo.lastPosition), demo.lastPosition);
  EXPECT_TRUE(session.game().wonCheck());
}

TEST_F(SolverTools, SolveCommandPrintsMovesThatPlayAccepts) {
  std::vector<std::string> args = base();
  for (const char* word : {"--game", "1", "--number", "2", "--moves"}) args.push_back(word);
  std::ostringstream out;
  ASSERT_EQ(solveDeal(Arguments(withSolveFlagValues(args)), out), 0);
  EXPECT_TRUE(out.str().starts_with("won ")) << out.str();
  std::istringstream moves(out.str().substr(out.str().find('\n') + 1));
  std::ostringstream hint;
  // Every move but the last, then the hint must finish the game.
  std::vector<std::string> lines;
  for (std::string line; std::getline(moves, line);) lines.push_back(line);
  ASSERT_FALSE(lines.empty());
  std::string played;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) played += lines[i] + "\n";
  std::istringstream in(played);
  std::vector<std::string> hintArgs = base();
  for (const char* word : {"--game", "1", "--number", "2"}) hintArgs.push_back(word);
  ASSERT_EQ(hintMove(Arguments(hintArgs), in, hint), 0);
  EXPECT_TRUE(hint.str().starts_with("drop ")) << hint.str();
}

TEST(OddsWriter, SetsTheThreeLinesAndKeepsTheRest) {
  const std::string source =
      "# a game\n321 chance_of_winning: 2            # medium\n322 odds_wins: 0                    # not measured yet\n"
      "323 odds_deals: 0\n13 redeals: -1\n";
  const std::string updated = withMeasuredOdds(source, 812, 1000);
  EXPECT_NE(updated.find("321 chance_of_winning: 1 "), std::string::npos) << updated;
  EXPECT_NE(updated.find("322 odds_wins: 812 "), std::string::npos) << updated;
  EXPECT_NE(updated.find("323 odds_deals: 1000 "), std::string::npos) << updated;
  EXPECT_TRUE(updated.starts_with("# a game\n"));
  EXPECT_NE(updated.find("\n13 redeals: -1\n"), std::string::npos);
  EXPECT_THROW(withMeasuredOdds("# nothing\n", 1, 2), std::runtime_error);
  EXPECT_NE(withMeasuredOdds(source, 0, 20).find("323 odds_deals: 0 "), std::string::npos);
  EXPECT_EQ(chanceOfWinningIndex(999, 1000), 0);
  EXPECT_EQ(chanceOfWinningIndex(1, 1000), 4);
  EXPECT_EQ(chanceOfWinningIndex(0, 0), 4);
}

}  // namespace
}  // namespace quilloro::cli
