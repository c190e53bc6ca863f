// The fast search's own move rules against the engine's: on random positions
// of every shipped kind it plays, both must offer exactly the same moves.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <tuple>

#include "engine/games_dat.hpp"
#include "engine/solver/candidate_moves.hpp"
#include "engine/solver/fast_search.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::fast_search_test {
namespace {

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDealsPerKind = 1;
constexpr int kStepsPerDeal = 40;
#else
constexpr int kDealsPerKind = 4;
constexpr int kStepsPerDeal = 150;
#endif

// The drops the engine accepts in the game's position, each tried on a copy.
std::vector<SolverMove> engineDrops(Game& game) {
  std::vector<SolverMove> accepted;
  const GameState before = game.state;
  const int redeals = game.redealCount();
  for (const SolverMove& move : candidateMoves(game)) {
    if (move.kind != SolverMove::Kind::Drop) continue;
    const bool ok = applyMove(game, move);
    game.state.piles = before.piles;
    game.state.cards = before.cards;
    game.setRedealCount(redeals);
    game.setWon(false);
    if (ok) accepted.push_back(move);
  }
  return accepted;
}

class FastSearchKinds : public SolverSessionTest {
 protected:
};

TEST_F(FastSearchKinds, OffersExactlyTheMovesTheEngineAcceptsOnRandomPlay) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  ASSERT_GT(dat.gameCount(), 0);
  std::mt19937 random(21);
  std::vector<std::string> played;
  for (int game = 0; game < dat.gameCount(); ++game) {
    cli::SolverSession session(arguments(game), game);
    session.deal("1");
    if (!fastMoves(SolverStart::of(session.game()))) continue;
    played.push_back(dat.catalogue()[static_cast<std::size_t>(game)].name());
    for (int deal = 1; deal <= kDealsPerKind; ++deal) {
      session.deal(std::to_string(deal));
      Game& table = session.game();
      for (int step = 0; step < kStepsPerDeal; ++step) {
        // Face-down tops are turned first, as the search does.
        for (int t = 0; t < table.state.pilesInUse(PileList::Tableau); ++t)
          if (table.state.isFaceDown(table.state.piles.pile(PileList::Tableau, t).topCard())) table.turnTopCard(t);
        const std::vector<SolverMove> engine = engineDrops(table);
        const std::optional<std::vector<SolverMove>> fast = fastMoves(SolverStart::of(table));
        ASSERT_TRUE(fast.has_value()) << played.back() << " deal " << deal << " step " << step;
        ASSERT_EQ(asSet(*fast), asSet(engine)) << played.back() << " deal " << deal << " step " << step;
        // Now and then the stock, which deals rows in some kinds.
        const bool click = engine.empty() || std::bernoulli_distribution(0.1)(random);
        if (click && applyMove(table, SolverMove{SolverMove::Kind::Stock, kNoCard, kStockPile})) continue;
        if (engine.empty()) break;
        const auto pick = std::uniform_int_distribution<std::size_t>(0, engine.size() - 1)(random);
        ASSERT_TRUE(applyMove(table, engine[pick]));
      }
    }
  }
  // The check means something only where the fast search plays the main kinds.
  EXPECT_NE(std::find(played.begin(), played.end(), "FreeCell"), played.end());
  std::string names;
  for (const std::string& name : played) names += name + "; ";
  ::testing::Test::RecordProperty("kinds", names);
}

TEST_F(FastSearchKinds, SolutionsReplayAndRepeatMoveForMove) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  cli::SolverSession session(arguments(1), 1);
  int won = 0;
  for (int deal = 1; deal <= 5; ++deal) {
    session.deal(std::to_string(deal));
    const SolverStart start = SolverStart::of(session.game());
    const SolveResult first = solve(start, Budget{.nodes = 20'000, .milliseconds = 600'000});
    const SolveResult again = solve(start, Budget{.nodes = 20'000, .milliseconds = 6'000'000});
    EXPECT_EQ(first.verdict, again.verdict) << deal;
    EXPECT_EQ(first.moves, again.moves) << deal;
    EXPECT_EQ(first.nodes, again.nodes) << deal;
    if (first.verdict != Verdict::Won) continue;
    ++won;
    EXPECT_TRUE(replayWins(start, first.moves)) << deal;
  }
  EXPECT_EQ(won, 5);
}

TEST_F(FastSearchKinds, KlondikeIsDecidedDepthFirstRepeatablyAndNeverLostForWantOfMemory) {
  cli::SolverSession session(arguments(0), 0);
  int won = 0;
  for (int deal = 1; deal <= 3; ++deal) {
    session.deal(std::to_string(deal));
    const SolverStart start = SolverStart::of(session.game());
    const SolveResult first = solve(start, Budget{.nodes = 5'000, .milliseconds = 600'000});
    const SolveResult again = solve(start, Budget{.nodes = 5'000, .milliseconds = 6'000'000});
    EXPECT_EQ(first.verdict, again.verdict) << deal;
    EXPECT_EQ(first.moves, again.moves) << deal;
    if (first.verdict != Verdict::Won) continue;
    ++won;
    EXPECT_TRUE(replayWins(start, first.moves)) << deal;
  }
  EXPECT_GE(won, 2);
  // A deal whose space fills far more than the table the memory allows:
  // the search gives up undecided rather than call the deal lost.
  session.deal("1005");
  const SolveResult cramped =
      solve(SolverStart::of(session.game()), Budget{.nodes = 1'000'000, .milliseconds = 600'000, .memoryBytes = 200'000});
  EXPECT_EQ(cramped.verdict, Verdict::Unknown);
  EXPECT_FALSE(cramped.moves.empty()) << "the line that brought most cards home";
}

TEST_F(FastSearchKinds, ReserveGamesAreDecidedRepeatablyAndTheirWinsReplayWithTheEngineFillingSpaces) {
  // Canfield (4) and Rainbow (25): the reserve fills every space at once,
  // and the winning lines leave those fills to the engine.
  for (const int game : {4, 25}) {
    cli::SolverSession session(arguments(game), game);
    int won = 0;
    for (int deal = 1; deal <= 3; ++deal) {
      session.deal(std::to_string(deal));
      const SolverStart start = SolverStart::of(session.game());
      ASSERT_TRUE(fastMoves(start).has_value()) << game;
      const SolveResult first = solve(start, Budget{.nodes = 5'000, .milliseconds = 600'000});
      const SolveResult again = solve(start, Budget{.nodes = 5'000, .milliseconds = 6'000'000});
      EXPECT_EQ(first.verdict, again.verdict) << game << " deal " << deal;
      EXPECT_EQ(first.moves, again.moves) << game << " deal " << deal;
      EXPECT_EQ(first.nodes, again.nodes) << game << " deal " << deal;
      // The cheap first look is charged a share of its positions: the two
      // searches together stay within the budget.
      EXPECT_LE(first.nodes, 5'000) << game << " deal " << deal;
      if (first.verdict != Verdict::Won) continue;
      ++won;
      EXPECT_TRUE(replayWins(start, first.moves)) << game << " deal " << deal;
    }
    EXPECT_GE(won, 1) << game;
  }
}

TEST_F(FastSearchKinds, DuchessIsWonBeamFirstRepeatablyAndItsWinsReplay) {
  // Duchess (26): a beam played one card of the stock at a time, on an
  // eighth of the budget, wins this deal in a few thousand positions.
  cli::SolverSession session(arguments(26), 26);
  for (const char* deal : {"1"}) {
    session.deal(deal);
    const SolverStart start = SolverStart::of(session.game());
    ASSERT_TRUE(fastMoves(start).has_value());
    const SolveResult first = solve(start, Budget{.nodes = 40'000, .milliseconds = 600'000});
    const SolveResult again = solve(start, Budget{.nodes = 40'000, .milliseconds = 6'000'000});
    ASSERT_EQ(first.verdict, Verdict::Won) << deal;
    EXPECT_EQ(first.moves, again.moves) << deal;
    EXPECT_EQ(first.nodes, again.nodes) << deal;
    EXPECT_LT(first.nodes, 5'000) << deal;
    EXPECT_TRUE(replayWins(start, first.moves)) << deal;
  }
}

}  // namespace
}  // namespace quilloro::solver::fast_search_test
