// The engine's side of the play aids: a paused clock that a saved game keeps,
// cards turned by themselves with their own undo steps, moves put in words in
// both languages, and a search on a thread of its own.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/auto_turn.hpp"
#include "engine/solver/move_description.hpp"
#include "engine/solver/solve_worker.hpp"
#include "session_fixture.hpp"

namespace quilloro {
namespace {

using testing::Session;

TEST(GameClockPause, HoldsItsTimeWhilePausedAndGoesOnFromThere) {
  GameClock clock;
  LocalDateTime now = localTimeAt(1796119200);
  clock.start(now);
  now.epochSeconds += 75;
  clock.pause(now);
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.paused());
  now.epochSeconds += 3600;  // an hour away from the table
  EXPECT_EQ(clock.elapsedSeconds(now), 75);
  EXPECT_EQ(clock.display(now), "0:01:15");
  clock.goOn(now);
  now.epochSeconds += 5;
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.elapsedSeconds(now), 80);
  // Pausing a stopped clock, or going on with a running one, changes nothing.
  clock.goOn(now);
  EXPECT_EQ(clock.elapsedSeconds(now), 80);
  clock.stop();
  clock.pause(now);
  EXPECT_FALSE(clock.paused());
  EXPECT_EQ(clock.elapsedSeconds(now), 0);
}

TEST(GameClockPause, ASavedGameKeepsThePausedTimeAndTheBookingCountsIt) {
  Session s;
  s.deal("1");
  s.time.epoch += 40;
  s.session.pauseClock();
  s.time.epoch += 1000;
  EXPECT_EQ(s.session.snapshot().elapsedSeconds, 40);
  EXPECT_EQ(s.session.timeDisplay(), "0:00:40");
  s.session.resumeClock();
  s.time.epoch += 2;
  EXPECT_EQ(s.session.snapshot().elapsedSeconds, 42);
  // A new deal while paused starts a clock of its own.
  s.session.pauseClock();
  s.deal("2");
  EXPECT_FALSE(s.session.clock().paused());
  EXPECT_TRUE(s.session.clock().running());
}

TEST(AutoTurn, TurnsEveryUncoveredCardAsAMoveOfItsOwn) {
  Session s;
  s.deal("1");
  Game& game = s.game();
  // Klondike's last pile: its top card taken away uncovers a face-down card.
  Pile& pile = game.state.piles.pile(PileList::Tableau, 6);
  ASSERT_GE(pile.cardCount(), 2);
  pile.dropTop(1);
  const CardNumber uncovered = pile.topCard();
  ASSERT_TRUE(game.state.isFaceDown(uncovered));
  const int steps = game.undoHistory().stepCount();
  EXPECT_EQ(turnUncoveredCards(game), 1);
  EXPECT_FALSE(game.state.isFaceDown(uncovered));
  EXPECT_EQ(game.undoHistory().stepCount(), steps + 1);
  EXPECT_EQ(turnUncoveredCards(game), 0);
  // Its own undo step turns it face down again.
  ASSERT_TRUE(game.undo());
  EXPECT_TRUE(game.state.isFaceDown(uncovered));
  // Nothing is turned once the game is over.
  game.setUnderWay(false);
  EXPECT_EQ(turnUncoveredCards(game), 0);
}

class MoveWords : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto folder = std::filesystem::path(testing::builtGamesDat()).parent_path() / "Strings";
    std::vector<std::string> problems;
    strings = StringTable::load(folder, &problems);
    ASSERT_TRUE(problems.empty()) << problems.front();
  }
  static CardNumber card(int rank, Suit suit) { return static_cast<CardNumber>(static_cast<int>(suit) * 13 + rank); }
  StringTable strings;
};

TEST_F(MoveWords, NameTheCardsAndTheTargetInEnglishAndItalian) {
  GameState state;
  const CardNumber sevenOfHearts = card(7, Suit::Hearts);
  const CardNumber eightOfSpades = card(8, Suit::Spades);
  state.piles.pile(PileList::Tableau, 2).append(eightOfSpades);
  solver::SolverMove move{solver::SolverMove::Kind::Drop, sevenOfHearts, {PileList::Tableau, 2}};
  EXPECT_EQ(solver::describeMove(strings, kEnglishBase, state, move), "Move the 7 of hearts onto the 8 of spades");
  EXPECT_EQ(solver::describeMove(strings, kItalianBase, state, move), "Sposta il 7 di cuori sull'8 di picche");

  move = {solver::SolverMove::Kind::Drop, card(1, Suit::Diamonds), {PileList::Foundations, 3}};
  EXPECT_EQ(solver::describeMove(strings, kEnglishBase, state, move),
            "Move the ace of diamonds onto an empty foundation");
  EXPECT_EQ(solver::describeMove(strings, kItalianBase, state, move), "Sposta l'asso di quadri su una base vuota");
  move = {solver::SolverMove::Kind::Drop, card(12, Suit::Clubs), {PileList::Reserves, 0}};
  EXPECT_EQ(solver::describeMove(strings, kItalianBase, state, move),
            "Sposta la donna di fiori in una cella vuota");

  move = {};
  state.piles.stock().append(card(2, Suit::Clubs));
  EXPECT_EQ(solver::describeMove(strings, kEnglishBase, state, move), "Turn a card from the stock");
  state.piles.stock().search(card(2, Suit::Clubs), SearchMode::Remove);
  state.piles.waste().append(card(2, Suit::Clubs));
  EXPECT_EQ(solver::describeMove(strings, kItalianBase, state, move), "Rimetti gli scarti nel mazzo");
  move = {solver::SolverMove::Kind::Turn, kNoCard, {PileList::Tableau, 2}};
  EXPECT_EQ(solver::describeMove(strings, kEnglishBase, state, move), "Turn over the top card of column 3");
}

TEST_F(MoveWords, EveryWordOfAMoveExistsInBothLanguages) {
  for (const int base : {kEnglishBase, kItalianBase})
    for (int offset = 7600; offset < 7700; ++offset)
      EXPECT_EQ(strings.contains(base + offset), strings.contains(kEnglishBase + offset)) << base + offset;
  for (int card = 1; card <= kCardsPerPack; ++card)
    for (const bool onto : {false, true})
      for (const int base : {kEnglishBase, kItalianBase})
        EXPECT_FALSE(solver::cardWords(strings, base, static_cast<CardNumber>(card), onto).empty()) << card;
}

TEST(SolveWorker, FindsTheSameMovesAsTheSearchInPlaceAndCanBeCancelled) {
  Session s;
  s.settings.setInteger(field::Game, 1);  // FreeCell
  s.deal("1");
  const solver::Budget budget{1'000'000, 20'000, std::size_t{1} << 30};
  const solver::SolveResult direct = solver::solve(solver::SolverStart::of(s.game()), budget);
  ASSERT_EQ(direct.verdict, solver::Verdict::Won);

  solver::SolveWorker worker;
  worker.start(s.game(), budget);
  // The game may change meanwhile: the search works on its own copy.
  s.clickStock(1);
  while (!worker.ready()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  const auto found = worker.result();
  ASSERT_TRUE(found);
  EXPECT_EQ(found->verdict, solver::Verdict::Won);
  EXPECT_EQ(found->moves, direct.moves);
  EXPECT_TRUE(solver::replayWins(*worker.startPosition(), found->moves));

  worker.start(s.game(), budget);
  worker.cancel();
  EXPECT_FALSE(worker.running());
  EXPECT_FALSE(worker.result());
}

}  // namespace
}  // namespace quilloro
