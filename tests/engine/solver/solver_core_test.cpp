// The solver's verdicts, positions, move texts and the hint worker on tables set up by hand.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/solver/hint.hpp"
#include "engine/solver/search_clock.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/solver_position.hpp"
#include "tests/engine/game_fixture.hpp"

namespace quilloro::solver::solver_core_test {
namespace {

using testing::TestTable;

// Klondike-like rules with an empty stock and waste.
TestTable endgameTable() {
  TestTable table;
  table.set({{param::kFoundationTakeBack, 0}});
  return table;
}

TEST(SolverVerdict, ShortEndgameIsWonAndTheMovesWinOnTheGameItself) {
  TestTable table = endgameTable();
  table.lay("Fila1", "00200011");  // 2 of hearts face down, ace of hearts on top
  table.lay("Fila2", "04100401");  // 2 of spades face down, ace of spades on top
  const SolverStart start = SolverStart::of(table.game);
  const SolveResult result = solve(start, Budget{});
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(start, result.moves));
  for (const SolverMove& move : result.moves) ASSERT_TRUE(applyMove(table.game, move)) << playCommand(move);
  EXPECT_TRUE(table.game.wonCheck());
}

TEST(SolverVerdict, BlockedPositionIsLostAndTheGameStaysUntouched) {
  TestTable table = endgameTable();
  // The ace of hearts lies face up under the 2 of hearts: nothing can move it.
  table.lay("Fila1", "00110021");
  table.lay("Fila2", "0271");
  const GameState before = table.game.state;
  const SolveResult result = solve(SolverStart::of(table.game), Budget{});
  EXPECT_EQ(result.verdict, Verdict::Lost);
  EXPECT_EQ(table.game.state.piles, before.piles);
}

TEST(SolverVerdict, NodeBudgetAndStopFlagAnswerUnknown) {
  TestTable table = endgameTable();
  table.lay("Fila1", "00200011");
  table.lay("Fila2", "04100401");
  const SolverStart start = SolverStart::of(table.game);
  EXPECT_EQ(solve(start, Budget{.nodes = 0}).verdict, Verdict::Unknown);
  std::atomic<bool> stop{true};
  const SolveResult stopped = solve(start, Budget{}, &stop);
  EXPECT_EQ(stopped.verdict, Verdict::Unknown);
  EXPECT_TRUE(stopped.stopped);
}

TEST(SearchClock, CountsTheTimeTheSearchRanNotTheTimeItWaited) {
  // A deal measured while other work holds the processor must get its whole
  // time budget: waiting for the processor costs the search nothing.
  SearchClock clock(50, nullptr);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(clock.cutShort());
  volatile std::uint64_t spin = 0;
  while (!clock.cutShort()) spin = spin + 1;
  EXPECT_TRUE(clock.outOfTime());
  SolveResult result;
  clock.report(result);
  EXPECT_GE(result.seconds, 0.05);
  EXPECT_LT(result.seconds, 0.2);
}

TEST(SolverPosition, EncodingRoundTripsAndInterchangeablePilesShareAKey) {
  TestTable table;
  table.set({{param::kReserveCount, 4}, {param::kTableauCount, 8}});
  table.lay("Fila1", "01200131");
  table.lay("Appogg1", "0271");
  table.lay("Appogg3", "0401");
  std::vector<std::uint8_t> bytes;
  encodePosition(table.game.state, 3, bytes);
  GameState copy = table.game.state;
  copy.piles.clear();
  EXPECT_EQ(decodePosition(bytes, copy), 3);
  EXPECT_EQ(copy.piles, table.game.state.piles);
  EXPECT_TRUE(copy.isFaceDown(12));

  const PositionKey key(table.game.state.parameters, false);
  EXPECT_TRUE(key.reservesInterchangeable());
  TestTable swapped = table;
  swapped.lay("Appogg1", "0401");
  swapped.lay("Appogg3", "0271");
  std::vector<std::uint8_t> other;
  encodePosition(swapped.game.state, 3, other);
  EXPECT_EQ(key.hash(bytes), key.hash(other));

  // Rows dealt from the stock reach every pile in its place: order matters.
  table.set({{param::kTableauRowDealFirst, 1}});
  EXPECT_FALSE(PositionKey(table.game.state.parameters, false).tableauInterchangeable());
  // A different face state is a different position.
  swapped.lay("Fila1", "01210131");
  other.clear();
  encodePosition(swapped.game.state, 3, other);
  EXPECT_NE(key.hash(bytes), key.hash(other));
}

TEST(SolverMoveText, PlayCommandsRoundTripAndNonsenseIsRejected) {
  const std::vector<SolverMove> moves{
      {SolverMove::Kind::Drop, 27, {PileList::Foundations, 0}},
      {SolverMove::Kind::Drop, 5, {PileList::Tableau, 11}},
      {SolverMove::Kind::Drop, 9, {PileList::Reserves, 3}},
      {SolverMove::Kind::Drop, 9, kWastePile},
      {SolverMove::Kind::Drop, 9, {PileList::Stock, kDiscardIndex}},
      {SolverMove::Kind::Turn, kNoCard, {PileList::Tableau, 2}},
      {SolverMove::Kind::Stock, kNoCard, kStockPile},
      {SolverMove::Kind::Select, 104, kStockPile},
  };
  for (const SolverMove& move : moves) {
    const auto parsed = parsePlayCommand(playCommand(move));
    ASSERT_TRUE(parsed) << playCommand(move);
    EXPECT_EQ(playCommand(*parsed), playCommand(move));
  }
  EXPECT_EQ(playCommand(moves[0]), "drop 27 Dest1");
  EXPECT_EQ(playCommand(moves[5]), "turn Fila3");
  for (const char* line : {"", "drop 0 Dest1", "drop 105 Fila1", "drop 3 Mazzo", "turn Dest1", "select x", "stock 2"})
    EXPECT_FALSE(parsePlayCommand(line)) << line;
}

TEST(HintWorker, AnswersOnItsThreadAndCancelsAtOnce) {
  TestTable table = endgameTable();
  table.lay("Fila1", "00200011");
  table.lay("Fila2", "04100401");
  HintWorker worker;
  worker.start(table.game, Budget{});
  // A busy machine may take a while; the answer must come all the same.
  const auto asked = std::chrono::steady_clock::now();
  while (!worker.ready() && std::chrono::steady_clock::now() - asked < std::chrono::seconds(60))
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const auto hint = worker.result();
  ASSERT_TRUE(hint);
  EXPECT_TRUE(hint->leadsToWin);
  EXPECT_TRUE(applyMove(table.game, hint->move)) << playCommand(hint->move);

  // A search that would run for a minute ends as soon as it is cancelled. On
  // an idle machine that takes milliseconds; the bound leaves room for a
  // sanitized build on a loaded one and still tells a stop from a finish.
  TestTable busy;
  busy.set({{param::kDealStock, 52}});
  for (CardNumber card = 1; card <= 52; ++card) busy.game.state.putCard(PileList::Stock, kStockIndex, card, "0");
  worker.start(busy.game, Budget{.nodes = 1'000'000'000, .milliseconds = 60000});
  const auto began = std::chrono::steady_clock::now();
  worker.cancel();
  EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(10));
  EXPECT_FALSE(worker.running());
  EXPECT_FALSE(worker.result());
}

}  // namespace
}  // namespace quilloro::solver::solver_core_test
