// Cards brought into the tableau only in pairs with the move after them: the
// deals that need a card taken back, or a stock card laid down, are still won.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/solver/fast_depth_search.hpp"
#include "engine/solver/fast_rules.hpp"
#include "engine/solver/solver.hpp"
#include "tests/engine/game_fixture.hpp"

namespace quilloro::solver::paired_moves_test {
namespace {

using testing::TestTable;

std::string run(int first, int last) {
  std::string tokens;
  for (int card = first; card <= last; ++card) tokens += (card < 10 ? "00" : "0") + std::to_string(card) + "1";
  return tokens;
}

// Three piles, cards coming back from the foundations, no stock. Hearts are
// home to the nine, diamonds and clubs whole, spades to the five; the six of
// spades lies under the seven, which only a red eight could take. The eight
// of diamonds is out of reach, so the nine of hearts must come back onto the
// ten of spades with nothing to carry, only to free the eight of hearts
// under it for the nine of spades.
TestTable eightUnderNine() {
  TestTable table;
  table.set({{param::kTableauCount, 3}});
  table.lay("Dest1", run(1, 9));
  table.lay("Dest2", run(14, 26));
  table.lay("Dest3", run(27, 39));
  table.lay("Dest4", run(40, 44));
  table.lay("Fila1", "0131051101110491");      // king of hearts, queen of spades, jack of hearts, ten of spades
  table.lay("Fila2", "05210121050101010481");  // king of spades ... ten of hearts, nine of spades
  table.lay("Fila3", "047004510461");          // eight (face down), six and seven of spades
  table.lay("Mazzo", "");
  return table;
}

TEST(PairedMoves, ACardTakenBackOnlyToFreeTheOneUnderItWins) {
  TestTable table = eightUnderNine();
  const SolverStart start = SolverStart::of(table.game);
  const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(start, result.moves));
}

TEST(PairedMoves, WithoutTheTakeBackTheSameDealIsLost) {
  TestTable table = eightUnderNine();
  table.set({{param::kFoundationTakeBack, 0}});
  EXPECT_EQ(solve(SolverStart::of(table.game), Budget{.nodes = 100'000, .milliseconds = 600'000}).verdict,
            Verdict::Lost);
}

// Three piles, one stock card a click without end. The seven of spades lies
// on the face-down six; only the eight of hearts can take it (the eight of
// diamonds is home), and the eight, the black nines and the red tens all lie
// in the stock. So a ten goes onto the jack of spades, a nine onto the ten
// and the eight onto the nine, each waiting for the next, before the seven
// can move.
TestTable chainFromTheStock() {
  TestTable table;
  table.set({{param::kTableauCount, 3}});
  table.lay("Dest1", run(1, 7));
  table.lay("Dest2", run(14, 22));
  table.lay("Dest3", run(27, 34));
  table.lay("Dest4", run(40, 44));
  table.lay("Fila1", "039101210501");      // king of clubs, queen of hearts, jack of spades
  table.lay("Fila2", "0261051102410491");  // king of diamonds, queen of spades, jack of diamonds, ten of spades
  table.lay("Fila3", "04500461");          // six (face down) and seven of spades
  table.lay("Mazzo", "00800090010001100130023002500350036003700380047004800520");
  return table;
}

TEST(PairedMoves, StockCardsLaidOneOnAnotherBeforeATableauCardStillWin) {
  for (const int takeBack : {1, 0}) {
    TestTable table = chainFromTheStock();
    table.set({{param::kFoundationTakeBack, takeBack}});
    const SolverStart start = SolverStart::of(table.game);
    const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
    ASSERT_EQ(result.verdict, Verdict::Won) << "take back " << takeBack;
    EXPECT_TRUE(replayWins(start, result.moves)) << "take back " << takeBack;
  }
  // With the eight of hearts buried under the six and nothing back from the
  // foundations, nothing can ever take the seven.
  TestTable table = chainFromTheStock();
  table.set({{param::kFoundationTakeBack, 0}});
  table.lay("Fila3", "008004500461");
  table.lay("Mazzo", "0090010001100130023002500350036003700380047004800520");
  EXPECT_EQ(solve(SolverStart::of(table.game), Budget{.nodes = 100'000, .milliseconds = 600'000}).verdict,
            Verdict::Lost);
}

// Three piles, cards coming back from the foundations: diamonds whole, hearts
// and spades to the queen, clubs to the eight; the queen of clubs in the
// stock. The ten of clubs on the king of hearts needs a red jack: the king of
// diamonds comes back onto the empty pile, the queen of clubs onto it, and
// the jack of hearts onto the queen only once the queen of hearts has come
// back onto the king of spades. Neither card brought in waits for a move of
// its own right after it.
TestTable queenOfClubsFromTheStock() {
  TestTable table;
  table.set({{param::kTableauCount, 3}});
  table.lay("Mazzo", "0380");
  table.lay("Dest1", run(1, 12));
  table.lay("Dest2", run(14, 26));
  table.lay("Dest3", run(27, 34));
  table.lay("Dest4", run(40, 51));
  table.lay("Fila1", "");
  table.lay("Fila2", "03510391037101310361");  // nine, king, jack of clubs, king of hearts, ten of clubs
  table.lay("Fila3", "0521");                  // king of spades
  return table;
}

TEST(PairedMoves, ACardOntoAStockCardMayNeedAnotherTakenBackFirst) {
  TestTable table = queenOfClubsFromTheStock();
  const SolverStart start = SolverStart::of(table.game);
  const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(start, result.moves));
}

// Three piles, cards coming back from the foundations: hearts and clubs home
// to the queen, diamonds to the nine, spades to the eight, the ten of
// diamonds alone in the stock. The ten of spades on the face-down nine needs
// a red jack, and only the jack of hearts can come: the queen of clubs comes
// back onto the king of diamonds, the queen of hearts onto the king of
// spades, and only then the jack of hearts onto the queen of clubs. Both
// queens wait for that one move, so one of them is followed by the other's
// take-back instead.
TestTable twoQueensForOneJack() {
  TestTable table;
  table.set({{param::kTableauCount, 3}});
  table.lay("Mazzo", "0230");
  table.lay("Dest1", run(1, 12));
  table.lay("Dest2", run(14, 22));
  table.lay("Dest3", run(27, 38));
  table.lay("Dest4", run(40, 47));
  table.lay("Fila1", "02400261");                  // jack (face down) and king of diamonds
  table.lay("Fila2", "04800491");                  // nine (face down) and ten of spades
  table.lay("Fila3", "013003900250050005100521");  // kings of hearts and clubs, queen of diamonds,
                                                   // jack and queen of spades face down, king of spades
  return table;
}

TEST(PairedMoves, TwoCardsTakenBackForTheSameMoveStillWin) {
  TestTable table = twoQueensForOneJack();
  const SolverStart start = SolverStart::of(table.game);
  const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
  ASSERT_EQ(result.verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(start, result.moves));
}

// Three piles, cards coming back from the foundations, no stock: hearts home
// to the eight, diamonds and clubs whole, spades to the six. The nine of
// hearts lies bare on the ten of spades and may go home, but the eight of
// spades on the face-down seven needs it there: the eight of diamonds is
// home and the eight of spades cannot follow the six. The depth search
// sends the nine home at once, since it could come straight back, and must
// bring it back for the eight.
TestTable nineSentHomeTooSoon() {
  TestTable table;
  table.set({{param::kTableauCount, 3}});
  table.lay("Dest1", run(1, 8));
  table.lay("Dest2", run(14, 26));
  table.lay("Dest3", run(27, 39));
  table.lay("Dest4", run(40, 45));
  table.lay("Fila1", "01310511011104910091");  // king of hearts ... ten of spades, nine of hearts
  table.lay("Fila2", "05210121050101010481");  // king of spades ... ten of hearts, nine of spades
  table.lay("Fila3", "04600471");              // seven (face down) and eight of spades
  table.lay("Mazzo", "");
  return table;
}

// Three piles, cards coming back from the foundations, the king of clubs
// and the queen and king of hearts in a stock turned one card a click
// without end: hearts home to the jack, diamonds to the eight, clubs to the
// queen, spades whole. The nine of diamonds lies under the king, which has
// no empty pile to go to: the queen of clubs comes back onto the king, the
// jack of clubs from under it onto the queen of diamonds, and the ten of
// diamonds onto the jack, which empties a pile. Sent home from the stock,
// the king of clubs would bar the queen's way back, with nowhere to go
// itself.
TestTable kingOfClubsOverTheQueen() {
  TestTable table;
  table.set({{param::kTableauCount, 3}});
  table.lay("Mazzo", "039001200130");
  table.lay("Dest1", run(1, 11));
  table.lay("Dest2", run(14, 21));
  table.lay("Dest3", run(27, 38));
  table.lay("Dest4", run(40, 52));
  table.lay("Fila1", "024102210261");  // jack, nine and king of diamonds
  table.lay("Fila2", "0231");          // ten of diamonds
  table.lay("Fila3", "0251");          // queen of diamonds
  return table;
}

// The depth search alone, which sends home what could come straight back
// and brings cards back only in pairs with the move that uses them: the
// deals above that need cards back are still won, and the wins replay.
TEST(PairedMoves, TheDepthSearchStillWinsWhatNeedsCardsBack) {
  const std::vector<std::pair<const char*, TestTable (*)()>> tables = {
      {"eight under nine", eightUnderNine},
      {"chain from the stock", chainFromTheStock},
      {"queen of clubs from the stock", queenOfClubsFromTheStock},
      {"two queens for one jack", twoQueensForOneJack},
      {"nine sent home too soon", nineSentHomeTooSoon},
      {"king of clubs over the queen", kingOfClubsOverTheQueen}};
  for (const auto& [name, make] : tables) {
    TestTable table = make();
    const SolverStart start = SolverStart::of(table.game);
    const std::optional<FastRules> rules = FastRules::of(start);
    ASSERT_TRUE(rules.has_value()) << name;
    const SolveResult result = depthSolve(*rules, start, Budget{.nodes = 100'000, .milliseconds = 600'000}, nullptr);
    ASSERT_EQ(result.verdict, Verdict::Won) << name;
    EXPECT_TRUE(replayWins(start, result.moves)) << name;
  }
}

}  // namespace
}  // namespace quilloro::solver::paired_moves_test
