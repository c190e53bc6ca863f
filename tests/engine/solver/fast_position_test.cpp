// The search's compact position: one decoded over another that shares only
// part of its cards is the same, key and all, as one laid out afresh.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/solver/fast_position.hpp"
#include "engine/solver/safe_plays.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::fast_position_test {
namespace {

class FastPositionTest : public SolverSessionTest {};

bool sameKey(PositionKey128 a, PositionKey128 b) { return a.high == b.high && a.low == b.low; }

TEST_F(FastPositionTest, DecodingOverAnotherPositionGivesTheKeyAndCardsOfThePositionPlayed) {
  // Gargantua (face-down cards turned, cards home and a waste) and Busy
  // Aces (a long stock): a line of moves and clicks, each position kept with
  // the key its moves left; then every position decoded over several others.
  struct Seen {
    std::vector<std::uint8_t> bytes;
    PositionKey128 key;
    int home;
    int left;
  };
  for (const int game : {31, 39}) {
    cli::SolverSession table = session(game);
    table.deal("1008");
    const SolverStart start = SolverStart::of(table.game());
    const std::optional<FastRules> rules = FastRules::of(start);
    ASSERT_TRUE(rules.has_value());
    FastPosition position(*rules, start.state, start.redealCount);
    SafePlays safe(position);
    std::vector<Seen> seen;
    std::vector<FastStep> moves;
    std::vector<FastStep> steps;
    for (int turn = 0; turn < 80; ++turn) {
      seen.push_back({{}, position.key(), position.cardsHome(), position.cardsLeft()});
      position.encode(seen.back().bytes);
      position.moves(moves, false);
      // Every third turn clicks the stock; the other turns play a move picked
      // by the turn's number, so the line is the same on every run.
      if (turn % 3 == 0 || moves.empty()) {
        if (!position.click(steps)) break;
      } else {
        safe.play(moves[static_cast<std::size_t>(turn * 7) % moves.size()], steps);
      }
    }
    ASSERT_GE(seen.size(), 40U) << "game " << game;
    ASSERT_GT(seen.back().home, 0) << "game " << game;
    for (std::size_t to = 0; to < seen.size(); ++to) {
      for (const std::size_t from : {std::size_t{0}, to / 2, seen.size() - 1, (to + 5) % seen.size()}) {
        position.decode(seen[from].bytes);
        position.decode(seen[to].bytes);
        std::vector<std::uint8_t> bytes;
        position.encode(bytes);
        EXPECT_EQ(bytes, seen[to].bytes) << "game " << game << " from " << from << " to " << to;
        EXPECT_TRUE(sameKey(position.key(), seen[to].key)) << "game " << game << " from " << from << " to " << to;
        EXPECT_EQ(position.cardsHome(), seen[to].home) << "game " << game << " to " << to;
        EXPECT_EQ(position.cardsLeft(), seen[to].left) << "game " << game << " to " << to;
      }
    }
  }
}

TEST_F(FastPositionTest, MovesAndTheirUndoingKeepTheKeyOfThePositionLaidOutAfresh) {
  // Klondike (cards taken back from home), Yukon (long runs carried) and
  // Agnes Bernauer (reserves): each position of a line of moves has the key,
  // the cards home and the cards left of the same position laid out afresh,
  // and undoing the whole line gives back the first key.
  for (const int game : {0, 9, 28}) {
    cli::SolverSession table = session(game);
    table.deal("1008");
    const SolverStart start = SolverStart::of(table.game());
    const std::optional<FastRules> rules = FastRules::of(start);
    ASSERT_TRUE(rules.has_value());
    FastPosition position(*rules, start.state, start.redealCount);
    FastPosition fresh(*rules, start.state, start.redealCount);
    SafePlays safe(position);
    const PositionKey128 first = position.key();
    std::vector<FastStep> moves;
    std::vector<FastStep> steps;
    std::vector<std::uint8_t> bytes;
    int runs = 0;
    for (int turn = 0; turn < 60; ++turn) {
      position.moves(moves, false);
      if (moves.empty()) break;
      const FastStep& move = moves[static_cast<std::size_t>(turn * 7) % moves.size()];
      if (move.count > 1) ++runs;
      safe.play(move, steps);
      // encode appends.
      bytes.clear();
      position.encode(bytes);
      fresh.decode(bytes);
      EXPECT_TRUE(sameKey(position.key(), fresh.key())) << "game " << game << " turn " << turn;
      EXPECT_EQ(position.cardsHome(), fresh.cardsHome()) << "game " << game << " turn " << turn;
      EXPECT_EQ(position.cardsLeft(), fresh.cardsLeft()) << "game " << game << " turn " << turn;
    }
    EXPECT_GT(steps.size(), 20U) << "game " << game;
    if (game == 9) {
      EXPECT_GT(runs, 0);
    }
    for (; !steps.empty(); steps.pop_back()) position.undo(steps.back());
    EXPECT_TRUE(sameKey(position.key(), first)) << "game " << game;
  }
}

}  // namespace
}  // namespace quilloro::solver::fast_position_test
