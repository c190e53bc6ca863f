// The demo recorder and the odds writer of quilloro-cli.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tools/cli_odds_command.hpp"
#include "tools/cli_record_demo_command.hpp"
#include "tools/cli_solve_command.hpp"
#include "tools/cli_solver_session.hpp"
#include "tools/game_source.hpp"
#include "tools/odds_record.hpp"

namespace quilloro::cli::solver_tools_test {
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
  for (const char* word : {"--game", "1", "--deals", "1", "--budget-nodes", "2000", "--budget-ms", "600000"})
    args.push_back(word);
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

TEST(OddsWriter, RecordsTheMeasurementSetsTheThreeLinesAndKeepsTheRest) {
  const std::string source =
      "# a game\n321 chance_of_winning: 2            # medium\n322 odds_wins: 0                    # not measured yet\n"
      "323 odds_deals: 0\n13 redeals: -1\n";
  const OddsMeasurement m{.firstDeal = 1001, .deals = 1000, .nodes = 5000, .milliseconds = 10000, .won = 812, .lost = 88, .times = {}};
  const std::string updated = withMeasuredOdds(source, m);
  // Undecided deals are no losses: 812 of the 900 decided deals, "high".
  EXPECT_NE(updated.find("321 chance_of_winning: 0 "), std::string::npos) << updated;
  EXPECT_NE(updated.find("322 odds_wins: 812 "), std::string::npos) << updated;
  EXPECT_NE(updated.find("323 odds_deals: 900 "), std::string::npos) << updated;
  EXPECT_TRUE(updated.starts_with("# a game\n" + formatOddsRecord(m) + "\n321 ")) << updated;
  EXPECT_NE(updated.find("\n13 redeals: -1\n"), std::string::npos);
  // Measured again: the record is replaced, not added.
  const OddsMeasurement again{.firstDeal = 1, .deals = 10, .nodes = 50, .milliseconds = 10, .won = 0, .lost = 0, .times = {}};
  const std::string twice = withMeasuredOdds(updated, again);
  EXPECT_EQ(twice.find("# measured:"), twice.rfind("# measured:"));
  EXPECT_NE(twice.find(formatOddsRecord(again)), std::string::npos);
  // No deal decided: nothing to show, and the chance of winning keeps its estimate.
  EXPECT_NE(twice.find("321 chance_of_winning: 0 "), std::string::npos) << twice;
  EXPECT_NE(twice.find("323 odds_deals: 0 "), std::string::npos) << twice;
  // Fewer than half the deals decided: the decided ones are mostly the easy
  // wins, so the estimate stays and no odds are shown.
  const OddsMeasurement few{.firstDeal = 1001, .deals = 200, .nodes = 60000, .milliseconds = 10000, .won = 23, .lost = 0,
                            .times = {}};
  EXPECT_FALSE(measurementTellsTheChance(few));
  const std::string estimated = withMeasuredOdds(source, few);
  EXPECT_NE(estimated.find("321 chance_of_winning: 2            # medium\n"), std::string::npos) << estimated;
  EXPECT_NE(estimated.find("322 odds_wins: 0 "), std::string::npos) << estimated;
  EXPECT_NE(estimated.find("323 odds_deals: 0 "), std::string::npos) << estimated;
  EXPECT_NE(estimated.find(formatOddsRecord(few)), std::string::npos);
  EXPECT_TRUE(measurementTellsTheChance({.firstDeal = 1, .deals = 200, .nodes = 1, .milliseconds = 1, .won = 60,
                                         .lost = 40, .times = {}}));
  EXPECT_THROW(withMeasuredOdds("# nothing\n", m), std::runtime_error);
}

TEST(OddsRecord, IntervalAndRecordLine) {
  // Wilson intervals as published tables give them.
  const Interval half = wilsonInterval(5, 10);
  EXPECT_NEAR(half.low, 0.2366, 1e-4);
  EXPECT_NEAR(half.high, 0.7634, 1e-4);
  const Interval none = wilsonInterval(0, 20);
  EXPECT_EQ(none.low, 0.0);
  EXPECT_NEAR(none.high, 0.1611, 1e-4);
  EXPECT_NEAR(wilsonInterval(20, 20).low, 1 - 0.1611, 1e-4);
  EXPECT_EQ(wilsonInterval(0, 0).high, 1.0);

  const OddsMeasurement m{.firstDeal = 1001, .deals = 200, .nodes = 100000, .milliseconds = 10000, .won = 150, .lost = 10, .times = {}};
  const std::string line = formatOddsRecord(m);
  EXPECT_EQ(line, "# measured: deals 1001-1200 nodes 100000 ms 10000 won 150 lost 10 undecided 40 interval 88.9-96.6");
  EXPECT_EQ(parseOddsRecord(line), m);
  // Figures that do not add up, or an interval that does not follow from them.
  for (const char* bad : {"# measured: deals 1001-1200 nodes 100000 ms 10000 won 150 lost 10 undecided 41 interval 88.9-96.6",
                          "# measured: deals 1001-1200 nodes 100000 ms 10000 won 150 lost 10 undecided 40 interval 80.0-96.6",
                          "# measured: deals 1200-1001 nodes 1 ms 1 won 0 lost 0 undecided 0 interval 0.0-100.0",
                          "# measured: deals", "321 chance_of_winning: 0"})
    EXPECT_FALSE(parseOddsRecord(bad)) << bad;
  // Timed deals: the median and the slowest follow the interval, and a record
  // made before deals were timed still reads.
  OddsMeasurement timed = m;
  timed.times = dealTimesOf({0.5, 10.002, 0.125, 0.25});
  ASSERT_TRUE(timed.times);
  EXPECT_DOUBLE_EQ(timed.times->medianSeconds, 0.375);
  EXPECT_DOUBLE_EQ(timed.times->slowestSeconds, 10.002);
  EXPECT_EQ(dealTimesOf({3.0, 1.0, 2.0})->medianSeconds, 2.0);
  EXPECT_FALSE(dealTimesOf({}));
  const std::string timedLine = formatOddsRecord(timed);
  EXPECT_EQ(timedLine, line + " median_s 0.375 max_s 10.002");
  EXPECT_EQ(parseOddsRecord(timedLine), timed);
  for (const std::string& bad : {line + " median_s 0.375", line + " max_s 1.000 median_s 0.375",
                                 line + " median_s 0.38 max_s 10.002", line + " median_s 0.375 max_s 10.002 extra"})
    EXPECT_FALSE(parseOddsRecord(bad)) << bad;
  EXPECT_EQ(chanceOfWinningIndex(899, 1000), 1);
  EXPECT_EQ(chanceOfWinningIndex(900, 1000), 0);
  EXPECT_EQ(chanceOfWinningIndex(1, 1000), 4);
}

// Every shipped kind has been measured, and the catalogue shows exactly what
// its record says: the wins of the decided deals and the chance that follows,
// where the record decided enough deals to tell.
TEST(OddsRecord, EveryShippedKindShowsWhatItsMeasurementSays) {
  const std::filesystem::path folder = std::filesystem::path(QUILLORO_SOURCE_DIR) / "data" / "games";
  int kinds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".game") continue;
    ++kinds;
    std::ifstream in(entry.path());
    std::string text;
    std::optional<OddsMeasurement> record;
    for (std::string line; std::getline(in, line);) {
      text += line + '\n';
      if (line.starts_with("# measured:")) {
        ASSERT_FALSE(record) << entry.path() << ": two records";
        record = parseOddsRecord(line);
        ASSERT_TRUE(record) << entry.path() << ": a record that does not add up: " << line;
      }
    }
    ASSERT_TRUE(record) << entry.path() << " has no measured odds";
    const GameSource game = parseGameSource(text, entry.path());
    // A measurement that decided fewer than half its deals shows no odds.
    const bool tells = measurementTellsTheChance(*record);
    EXPECT_EQ(game.values[param::kOddsWins], tells ? record->won : 0) << entry.path();
    EXPECT_EQ(game.values[param::kOddsDeals], tells ? record->decided() : 0) << entry.path();
    if (tells) {
      EXPECT_EQ(game.values[param::kChanceOfWinning], chanceOfWinningIndex(record->won, record->decided()))
          << entry.path();
    }
  }
  EXPECT_GT(kinds, 0);
}

}  // namespace
}  // namespace quilloro::cli::solver_tools_test
