// The discard-pile games' search against the engine: on random play it offers
// exactly the moves the engine accepts, its losses on small tables agree with
// a plain exhaustive search, and its wins replay the same on every run.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <unordered_set>

#include "engine/solver/discard_search.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::discard_search_test {
namespace {

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDealsPerKind = 2;
constexpr int kSmallTables = 4;
#else
constexpr int kDealsPerKind = 6;
constexpr int kSmallTables = 60;
#endif

// Golf (no wrap between king and ace), Black Hole (no stock) and Putt Putt.
constexpr int kGolf = 5;
constexpr int kBlackHole = 23;
constexpr int kPuttPutt = 37;

void restore(Game& game, const GameState& before) {
  game.state.piles = before.piles;
  game.state.cards = before.cards;
  game.setWon(false);
}

// Every move the engine accepts: any tableau top card onto the discard pile,
// and the stock click when it changes the table.
std::vector<SolverMove> engineMoves(Game& game) {
  std::vector<SolverMove> moves;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile) {
    const CardNumber top = game.state.piles.pile(PileList::Tableau, pile).topCard();
    if (top != kNoCard) moves.push_back({SolverMove::Kind::Drop, top, kDiscardPile});
  }
  moves.push_back({SolverMove::Kind::Stock, kNoCard, kStockPile});
  std::vector<SolverMove> accepted;
  const GameState before = game.state;
  for (const SolverMove& move : moves) {
    const bool ok = applyMove(game, move) && !(game.state.piles == before.piles);
    restore(game, before);
    if (ok) accepted.push_back(move);
  }
  return accepted;
}

// Whether any sequence of the engine's moves wins; each table is searched once.
bool winnable(Game& game, std::unordered_set<std::string>& seen) {
  if (game.wonCheck()) return true;
  std::string key;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    key += std::to_string(game.state.piles.pile(PileList::Tableau, pile).cardCount()) + ",";
  key += std::to_string(game.state.piles.stock().cardCount()) + "," + std::to_string(game.state.piles.discard().topCard());
  if (!seen.insert(key).second) return false;
  const GameState before = game.state;
  for (const SolverMove& move : engineMoves(game)) {
    applyMove(game, move);
    const bool won = winnable(game, seen);
    restore(game, before);
    if (won) return true;
  }
  return false;
}

int cardsInPlay(const Game& game) {
  int cards = game.state.piles.stock().cardCount();
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    cards += game.state.piles.pile(PileList::Tableau, pile).cardCount();
  return cards;
}

// An endgame of a real deal: its winning line played until few cards are
// left, then at times one other move, which often spoils the win.
bool playToEndgame(Game& game, std::mt19937& random) {
  const SolveResult whole = solve(SolverStart::of(game), Budget{.nodes = 50'000, .milliseconds = 600'000});
  if (whole.verdict != Verdict::Won) return false;
  for (const SolverMove& move : whole.moves) {
    if (cardsInPlay(game) <= 12) break;
    if (!applyMove(game, move)) return false;
  }
  const std::vector<SolverMove> moves = engineMoves(game);
  if (!moves.empty() && std::bernoulli_distribution(0.6)(random))
    applyMove(game, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)]);
  return true;
}

class DiscardSearchKinds : public SolverSessionTest {
 protected:
};

TEST_F(DiscardSearchKinds, OffersExactlyTheMovesTheEngineAcceptsOnRandomPlay) {
  std::mt19937 random(23);
  for (const int kind : {kGolf, kBlackHole, kPuttPutt}) {
    cli::SolverSession play = session(kind);
    for (int deal = 1; deal <= kDealsPerKind; ++deal) {
      play.deal(std::to_string(deal));
      Game& table = play.game();
      for (int step = 0;; ++step) {
        const std::vector<SolverMove> engine = engineMoves(table);
        const std::optional<std::vector<SolverMove>> search = discardMoves(SolverStart::of(table));
        ASSERT_TRUE(search.has_value()) << kind << " deal " << deal << " step " << step;
        ASSERT_EQ(asSet(*search), asSet(engine)) << kind << " deal " << deal << " step " << step;
        if (engine.empty()) break;
        const auto pick = std::uniform_int_distribution<std::size_t>(0, engine.size() - 1)(random);
        ASSERT_TRUE(applyMove(table, engine[pick]));
      }
    }
  }
}

TEST_F(DiscardSearchKinds, EveryVerdictOnEndgamesAgreesWithAPlainExhaustiveSearch) {
  std::mt19937 random(2026);
  for (const int kind : {kGolf, kBlackHole, kPuttPutt}) {
    cli::SolverSession play = session(kind);
    int won = 0;
    int lost = 0;
    for (int deal = 1; deal <= kSmallTables; ++deal) {
      play.deal(std::to_string(5000 + deal));
      Game& table = play.game();
      if (!playToEndgame(table, random)) continue;
      const SolverStart start = SolverStart::of(table);
      const std::optional<SolveResult> result = discardSolve(start, Budget{.nodes = 100'000, .milliseconds = 600'000}, nullptr);
      ASSERT_TRUE(result.has_value()) << kind << " deal " << deal;
      ASSERT_NE(result->verdict, Verdict::Unknown) << kind << " deal " << deal;
      std::unordered_set<std::string> seen;
      EXPECT_EQ(result->verdict == Verdict::Won, winnable(table, seen)) << kind << " deal " << deal;
      if (result->verdict == Verdict::Won) {
        EXPECT_TRUE(replayWins(start, result->moves)) << kind << " deal " << deal;
      }
      (result->verdict == Verdict::Won ? won : lost) += 1;
    }
    // The full sample must hold both verdicts, or it checks nothing.
    EXPECT_GT(won, 0) << kind;
    if (kSmallTables >= 20) {
      EXPECT_GT(lost, 0) << kind;
    }
  }
}

TEST_F(DiscardSearchKinds, WholeDealsAreDecidedTheSameWayOnEveryRunAndWinsReplay) {
  for (const int kind : {kGolf, kBlackHole, kPuttPutt}) {
    cli::SolverSession play = session(kind);
    int won = 0;
    for (int deal = 1; deal <= kDealsPerKind; ++deal) {
      play.deal(std::to_string(1000 + deal));
      const SolverStart start = SolverStart::of(play.game());
      const SolveResult first = solve(start, Budget{.nodes = 200'000, .milliseconds = 600'000});
      const SolveResult again = solve(start, Budget{.nodes = 200'000, .milliseconds = 6'000'000});
      EXPECT_EQ(first.verdict, again.verdict) << kind << " deal " << deal;
      EXPECT_EQ(first.moves, again.moves) << kind << " deal " << deal;
      EXPECT_EQ(first.nodes, again.nodes) << kind << " deal " << deal;
      if (first.verdict == Verdict::Won) ++won;
      if (first.verdict == Verdict::Won) {
        EXPECT_TRUE(replayWins(start, first.moves)) << kind << " deal " << deal;
      }
      // With no positions to spend, nothing is decided.
      const SolveResult none = solve(start, Budget{.nodes = 0, .milliseconds = 600'000});
      EXPECT_EQ(none.verdict, Verdict::Unknown) << kind << " deal " << deal;
    }
    EXPECT_GT(won, 0) << kind;
  }
}

}  // namespace
}  // namespace quilloro::solver::discard_search_test
