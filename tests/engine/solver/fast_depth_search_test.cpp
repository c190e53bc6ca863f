// The depth-first search taken up again where it stopped: in pieces it sees
// what one search on the whole budget sees, and answers the same.
#include <gtest/gtest.h>

#include <optional>

#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::fast_depth_search_test {
namespace {

constexpr int kYukon = 9;

class ResumedDepthSearch : public SolverSessionTest {
 protected:
  static Budget ofNodes(std::int64_t nodes) { return Budget{.nodes = nodes, .milliseconds = 600'000}; }
};

TEST_F(ResumedDepthSearch, InPiecesAnswersAsOneSearchOnTheWholeBudget) {
  cli::SolverSession game = session(kYukon);
  // Deal 1010 is lost in some 4,300 positions; deal 1003 is won in a few
  // hundred.
  for (const char* deal : {"1010", "1003"}) {
    game.deal(deal);
    const SolverStart start = SolverStart::of(game.game());
    const std::optional<FastRules> rules = FastRules::of(start);
    ASSERT_TRUE(rules.has_value());
    const SolveResult whole = depthSolve(*rules, start, ofNodes(100'000), nullptr);
    ASSERT_NE(whole.verdict, Verdict::Unknown) << deal;
    ASSERT_GT(whole.nodes, 40) << deal;

    ResumableDepthSolve pieces(*rules, start, Budget{}.memoryBytes);
    const std::int64_t firstPiece = whole.nodes / 4;
    const SolveResult first = pieces.solve(ofNodes(firstPiece), nullptr);
    EXPECT_EQ(first.verdict, Verdict::Unknown) << deal;
    EXPECT_EQ(first.nodes, firstPiece) << deal;
    // The line that brought the most cards home so far, as a search cut
    // short there answers it.
    EXPECT_EQ(first.moves, depthSolve(*rules, start, ofNodes(firstPiece), nullptr).moves) << deal;
    const SolveResult second = pieces.solve(ofNodes(whole.nodes / 2), nullptr);
    EXPECT_EQ(second.verdict, Verdict::Unknown) << deal;
    EXPECT_EQ(second.nodes, whole.nodes / 2) << deal;
    const SolveResult last = pieces.solve(ofNodes(100'000), nullptr);
    EXPECT_EQ(last.verdict, whole.verdict) << deal;
    EXPECT_EQ(last.nodes, whole.nodes) << deal;
    EXPECT_EQ(last.moves, whole.moves) << deal;
    // A search that has ended answers the same again.
    const SolveResult again = pieces.solve(ofNodes(200'000), nullptr);
    EXPECT_EQ(again.verdict, whole.verdict) << deal;
    EXPECT_EQ(again.nodes, whole.nodes) << deal;
  }
}

}  // namespace
}  // namespace quilloro::solver::fast_depth_search_test
