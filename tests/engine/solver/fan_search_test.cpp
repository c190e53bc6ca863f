// The search of La Belle Lucie's fans against the engine: on random play it
// offers exactly the drops the engine accepts, its verdicts on endgames (with
// and without a redeal left) agree with a plain exhaustive search over the
// engine's own moves, and whole deals get the same answer on every run, wins
// replaying.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <unordered_set>

#include "engine/solver/fan_search.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/solver/engine_moves.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::fan_search_test {
namespace {

using engine_moves::restore;

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDeals = 1;
constexpr int kEndgames = 6;
constexpr int kEndgameCards = 8;
#else
constexpr int kDeals = 3;
constexpr int kEndgames = 30;
constexpr int kEndgameCards = 11;
#endif

constexpr int kLaBelleLucie = 58;
constexpr SolverMove kStockClick{SolverMove::Kind::Stock, kNoCard, kStockPile};

// Every top card's drop onto a foundation or another fan that the engine
// accepts; of the empty foundations an ace may go to, only the first, as they
// are alike.
std::vector<SolverMove> engineDrops(Game& game) {
  std::vector<SolverMove> accepted;
  const GameState before = game.state;
  const int redeals = game.redealCount();
  const int fans = game.state.pilesInUse(PileList::Tableau);
  for (int from = 0; from < fans; ++from) {
    const CardNumber card = game.state.piles.pile(PileList::Tableau, from).topCard();
    if (card == kNoCard) continue;
    std::vector<SolverMove> moves;
    for (int f = 0; f < game.state.pilesInUse(PileList::Foundations); ++f)
      moves.push_back({SolverMove::Kind::Drop, card, PileRef{PileList::Foundations, f}});
    for (int t = 0; t < fans; ++t)
      if (t != from) moves.push_back({SolverMove::Kind::Drop, card, PileRef{PileList::Tableau, t}});
    bool home = false;
    for (const SolverMove& move : moves) {
      if (home && move.target.list == PileList::Foundations) continue;
      const bool ok = applyMove(game, move) && !(game.state.piles == before.piles);
      restore(game, before, redeals);
      if (ok) accepted.push_back(move);
      home = home || (ok && move.target.list == PileList::Foundations);
    }
  }
  return accepted;
}

bool redeals(Game& game) {
  const GameState before = game.state;
  const int count = game.redealCount();
  const bool ok = applyMove(game, kStockClick) && !(game.state.piles == before.piles);
  restore(game, before, count);
  return ok;
}

std::string tableKey(const Game& game) {
  std::string key = std::to_string(game.redealCount()) + "|";
  for (int index = 0; index < game.state.pilesInUse(PileList::Tableau); ++index) {
    for (const std::uint8_t card : game.state.piles.pile(PileList::Tableau, index).slots()) key += std::to_string(card) + ",";
    key += "|";
  }
  return key;
}

// Whether any sequence of the engine's moves wins; each table is searched once.
bool winnable(Game& game, std::unordered_set<std::string>& seen) {
  if (game.wonCheck()) return true;
  if (!seen.insert(tableKey(game)).second) return false;
  const GameState before = game.state;
  const int count = game.redealCount();
  std::vector<SolverMove> moves = engineDrops(game);
  if (redeals(game)) moves.push_back(kStockClick);
  for (const SolverMove& move : moves) {
    applyMove(game, move);
    const bool won = winnable(game, seen);
    restore(game, before, count);
    if (won) return true;
  }
  return false;
}

class FanSearch : public SolverSessionTest {};

TEST_F(FanSearch, OffersExactlyTheDropsTheEngineAcceptsOnRandomPlay) {
  std::mt19937 random(58);
  cli::SolverSession play = session(kLaBelleLucie);
  for (int deal = 1; deal <= kDeals; ++deal) {
    play.deal(std::to_string(deal));
    Game& table = play.game();
    for (int step = 0; step < 200; ++step) {
      const std::vector<SolverMove> engine = engineDrops(table);
      const std::optional<std::vector<SolverMove>> search = fanMoves(SolverStart::of(table));
      ASSERT_TRUE(search.has_value()) << deal << " step " << step;
      ASSERT_EQ(asSet(*search), asSet(engine)) << deal << " step " << step;
      // Now and then the redeal, to see fans of every height.
      if (engine.empty() || std::bernoulli_distribution(0.05)(random)) {
        if (!redeals(table)) break;
        ASSERT_TRUE(applyMove(table, kStockClick));
        continue;
      }
      ASSERT_TRUE(applyMove(table, engine[std::uniform_int_distribution<std::size_t>(0, engine.size() - 1)(random)]));
    }
  }
}

// The deal with the lower cards of every suit home: as many of each suit as
// chance gives, until only `out` cards are left on the fans in their order.
void sendLowCardsHome(Game& game, int out, std::mt19937& random) {
  std::array<int, 4> home{};
  for (int sent = 0; sent < kCardsPerPack - out;) {
    const auto suit = std::uniform_int_distribution<std::size_t>(0, 3)(random);
    if (home[suit] == kKing) continue;
    ++home[suit];
    ++sent;
  }
  const auto isHome = [&](CardNumber card) { return cardRank(card) <= home[static_cast<std::size_t>(cardSuit(card))]; };
  const int fans = game.state.pilesInUse(PileList::Tableau);
  std::vector<std::vector<CardNumber>> kept(static_cast<std::size_t>(fans));
  for (int t = 0; t < fans; ++t) {
    for (const std::uint8_t card : game.state.piles.pile(PileList::Tableau, t).slots())
      if (card != kNoCard && !isHome(card)) kept[static_cast<std::size_t>(t)].push_back(card);
    game.state.piles.pile(PileList::Tableau, t).clear();
  }
  for (int t = 0; t < fans; ++t)
    for (const CardNumber card : kept[static_cast<std::size_t>(t)]) game.state.putCard(PileList::Tableau, t, card, "1");
  // Each suit home on the foundation of its number, from the ace up.
  for (int rank = kAce; rank <= kKing; ++rank)
    for (CardNumber card = 1; card <= kCardsPerPack; ++card)
      if (cardRank(card) == rank && isHome(card)) game.state.putCard(PileList::Foundations, static_cast<int>(cardSuit(card)), card, "1");
}

TEST_F(FanSearch, EveryVerdictOnEndgamesAgreesWithAPlainExhaustiveSearch) {
  std::mt19937 random(1858);
  cli::SolverSession play = session(kLaBelleLucie);
  int won = 0;
  int lost = 0;
  for (int deal = 1; deal <= kEndgames; ++deal) {
    play.deal(std::to_string(5800 + deal));
    Game& table = play.game();
    // At times after a redeal, then with the redeals used up but at times one.
    if (std::bernoulli_distribution(0.3)(random)) {
      ASSERT_TRUE(applyMove(table, kStockClick));
    }
    sendLowCardsHome(table, kEndgameCards, random);
    const int passes = table.state.parameters[param::kStockPasses];
    table.setRedealCount(std::bernoulli_distribution(0.3)(random) ? passes - 1 : passes);
    const SolverStart start = SolverStart::of(table);
    const std::optional<SolveResult> result = fanSolve(start, Budget{.nodes = 500'000, .milliseconds = 600'000}, nullptr);
    ASSERT_TRUE(result.has_value()) << deal;
    ASSERT_NE(result->verdict, Verdict::Unknown) << deal;
    std::unordered_set<std::string> seen;
    EXPECT_EQ(result->verdict == Verdict::Won, winnable(table, seen)) << deal;
    (result->verdict == Verdict::Won ? won : lost) += 1;
  }
  // The sample must hold both answers, or it checks nothing of one.
  if (kEndgames >= 10) {
    EXPECT_GT(won, 0);
    EXPECT_GT(lost, 0);
  }
}

TEST_F(FanSearch, WholeDealsAreDecidedTheSameWayOnEveryRunAndWinsReplay) {
  cli::SolverSession play = session(kLaBelleLucie);
  for (int deal = 1; deal <= kDeals; ++deal) {
    play.deal(std::to_string(1000 + deal));
    const SolverStart start = SolverStart::of(play.game());
    const SolveResult first = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
    const SolveResult again = solve(start, Budget{.nodes = 100'000, .milliseconds = 6'000'000});
    EXPECT_EQ(first.verdict, again.verdict) << deal;
    EXPECT_EQ(first.moves, again.moves) << deal;
    EXPECT_EQ(first.nodes, again.nodes) << deal;
    EXPECT_EQ(first.verdict, Verdict::Won) << deal;
    EXPECT_TRUE(replayWins(start, first.moves)) << deal;
  }
}

}  // namespace
}  // namespace quilloro::solver::fan_search_test
