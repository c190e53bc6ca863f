// The shuffle and the deal: card orders, reproducibility and every deal step
// that a definition can ask for.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/game_number.hpp"
#include "engine/shuffle.hpp"
#include "game_fixture.hpp"

namespace quilloro {
namespace {

using testing::TestTable;

TEST(Shuffle, GameNumberOneStartsWithTheKnownCards) {
  const std::vector<CardNumber> deck = shuffleDeck("1", 52);
  const std::vector<CardNumber> start(deck.begin(), deck.begin() + 13);
  EXPECT_EQ(start, (std::vector<CardNumber>{40, 4, 43, 39, 15, 6, 16, 45, 18, 35, 34, 7, 49}));
}

TEST(Shuffle, NumbersAreNormalisedToThirteenDigits) {
  EXPECT_EQ(shuffleDeck("1", 52), shuffleDeck("0000000000001", 52));
  EXPECT_EQ(shuffleDeck("98765432101234", 104), shuffleDeck("8765432101234", 104));
  EXPECT_EQ(shuffleDeck("", 52), shuffleDeck("0", 52));
  EXPECT_EQ(normaliseGameNumber("42"), "0000000000042");
  EXPECT_EQ(normaliseGameNumber("12345678901234"), "2345678901234");
  // Characters that are not digits count as 0 and never break the shuffle.
  EXPECT_EQ(shuffleDeck("12x4", 52), shuffleDeck("1204", 52));
}

TEST(Shuffle, EveryCardOnceAndTheSameDeckAgainForManyNumbers) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const std::string number = round < 10 ? std::to_string(round) : chooseGameNumber(random);
    ASSERT_EQ(number.size() < 13 ? normaliseGameNumber(number).size() : number.size(), 13U);
    for (const int cards : {52, 104}) {
      std::vector<CardNumber> deck = shuffleDeck(number, cards);
      EXPECT_EQ(deck, shuffleDeck(number, cards)) << number;
      std::sort(deck.begin(), deck.end());
      std::vector<CardNumber> every(static_cast<std::size_t>(cards));
      std::iota(every.begin(), every.end(), 1);
      ASSERT_EQ(deck, every) << "game number " << number << ", " << cards << " cards";
    }
  }
}

TEST(Shuffle, SmallDecksHoldDistinctCardsAndOtherCountsAreRefused) {
  const std::vector<CardNumber> deck = shuffleDeck("4711", 30);
  ASSERT_EQ(deck.size(), 30U);
  EXPECT_EQ(std::set<CardNumber>(deck.begin(), deck.end()).size(), 30U);
  EXPECT_EQ(std::count(deck.begin(), deck.end(), kNoCard), 0);
  EXPECT_TRUE(shuffleDeck("1", 0).empty());
  EXPECT_TRUE(shuffleDeck("1", -3).empty());
  EXPECT_THROW(shuffleDeck("1", 53), UnsupportedCardCount);
  EXPECT_THROW(shuffleDeck("1", 78), UnsupportedCardCount);
}

// A game number whose shuffled 52-card deck has the given top card.
std::string numberWithTopCard(CardNumber top) {
  for (int n = 0;; ++n)
    if (shuffleDeck(std::to_string(n), 52).front() == top) return std::to_string(n);
}

std::multiset<CardNumber> cardsOnTable(const GameState& state) {
  std::multiset<CardNumber> cards;
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i)
      for (const std::uint8_t card : state.piles.pile(list, i).slots()) cards.insert(card);
  return cards;
}

class Deal : public ::testing::Test {
 protected:
  void SetUp() override { table.settings.set(field::GameNumber, "1"); }
  std::optional<std::string> deal() { return table.game.newGame({.deal = true, .newNumber = false}); }
  TestTable table;
};

TEST_F(Deal, KlondikeLayoutFromTheGameFile) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  TestTable klondike(&dat);
  klondike.settings.set(field::Game, "000");
  klondike.settings.set(field::GameNumber, "0000000000001");
  ASSERT_FALSE(klondike.game.newGame({.deal = true, .newNumber = false}));
  const GameState& state = klondike.game.state;
  EXPECT_EQ(state.piles.stock().cardCount(), 24);
  for (int n = 0; n < 7; ++n) {
    const Pile& pile = state.piles.pile(PileList::Tableau, n);
    ASSERT_EQ(pile.cardCount(), n + 1);
    for (int slot = 0; slot <= n; ++slot) EXPECT_EQ(state.isFaceDown(pile.at(slot)), slot < n);
  }
  const std::multiset<CardNumber> cards = cardsOnTable(state);
  EXPECT_EQ(cards.size(), 52U);
  EXPECT_EQ(std::set<CardNumber>(cards.begin(), cards.end()).size(), 52U);
  // The deck is dealt from slot 0: the first tableau pile gets the first card
  // after the stock's 24.
  EXPECT_EQ(state.piles.pile(PileList::Tableau, 0).at(0), shuffleDeck("1", 52)[24]);
  EXPECT_EQ(klondike.game.score(), -52);
  EXPECT_TRUE(klondike.game.underWay());

  const PileLists first = state.piles;
  ASSERT_FALSE(klondike.game.newGame({.deal = true, .newNumber = false}));
  EXPECT_EQ(state.piles, first);
}

TEST_F(Deal, FoundationStartCodeFromTheDeckTopNeverGivesCardZero) {
  table.settings.set(field::GameNumber, numberWithTopCard(52));
  for (int i = 0; i < 4; ++i) table.game.state.parameters[param::kFoundationDealCardFirst + i] = 91;
  table.set({{param::kDealStock, 10}});
  ASSERT_FALSE(deal());
  for (int i = 0; i < 4; ++i) {
    const Pile& foundation = table.game.state.piles.pile(PileList::Foundations, i);
    ASSERT_EQ(foundation.cardCount(), 1);
    EXPECT_EQ(foundation.topCard(), 13 * (i + 1));
    EXPECT_EQ(table.game.state.parameters[param::kFoundationBaseRankFirst + i], 13);
  }
  // Four cards on the foundations: 4 x 5 - 52.
  EXPECT_EQ(table.game.score(), -32);
  EXPECT_EQ(std::count(table.game.state.piles.stock().slots().begin(), table.game.state.piles.stock().slots().end(),
                       52),
            0);
}

TEST_F(Deal, AlternatingFaceUpCountAndStartCards) {
  table.set({{param::kDealTableauFirst, 5}, {param::kDealTableauFaceUpFirst, -1}, {param::kDiscardDealCard, 127},
             {param::kDealDiscard, 2}, {param::kDealReserveFirst, 3}, {param::kReserveCount, 1}});
  table.game.state.parameters[param::kFoundationDealCardFirst] = 101;  // the ace of hearts
  ASSERT_FALSE(deal());
  const GameState& state = table.game.state;
  const Pile& pile = state.piles.pile(PileList::Tableau, 0);
  ASSERT_EQ(pile.cardCount(), 5);
  for (int slot = 0; slot < 5; ++slot) EXPECT_EQ(state.isFaceDown(pile.at(slot)), slot % 2 == 1) << slot;
  EXPECT_EQ(state.piles.pile(PileList::Foundations, 0).topCard(), 1);
  // Start card 127 is card 27, the ace of clubs; two more cards follow it.
  ASSERT_EQ(state.piles.discard().cardCount(), 3);
  EXPECT_EQ(state.piles.discard().bottomCard(), 27);
  EXPECT_EQ(state.piles.pile(PileList::Reserves, 0).cardCount(), 3);
  // Foundation card, discard start card and two discards: 4 x 5 - 52.
  EXPECT_EQ(table.game.score(), -32);
  EXPECT_EQ(cardsOnTable(state).count(1), 1U);
  EXPECT_EQ(cardsOnTable(state).count(27), 1U);
}

TEST_F(Deal, OneCardToFoundationOneSetsEveryBaseRankAndTableauBelowIt) {
  table.set({{param::kBaseFromFoundationCard, 1}, {param::kDealStock, 20}});
  table.game.state.parameters[param::kTableauBaseRankFirst + 2] = 91;
  ASSERT_FALSE(deal());
  const CardNumber card = table.game.state.piles.pile(PileList::Foundations, 0).topCard();
  ASSERT_NE(card, kNoCard);
  for (int i = 0; i < kMaxFoundations; ++i)
    EXPECT_EQ(table.game.state.parameters[param::kFoundationBaseRankFirst + i], cardRank(card));
  EXPECT_EQ(table.game.state.parameters[param::kTableauBaseRankFirst + 2], rankBelow(cardRank(card)));
  EXPECT_EQ(table.game.score(), -47);
}

TEST_F(Deal, AceStartSweepsPlayableCardsToTheFoundations) {
  // Four aces start the foundations; the eight tableau piles then give up every
  // card that continues a foundation.
  for (int i = 0; i < 4; ++i) table.game.state.parameters[param::kFoundationDealCardFirst + i] = 93;
  table.set({{param::kTableauCount, 8}});
  for (int i = 0; i < 8; ++i) {
    table.game.state.parameters[param::kDealTableauFirst + i] = 6;
    table.game.state.parameters[param::kDealTableauFaceUpFirst + i] = 6;
  }
  ASSERT_FALSE(deal());
  const GameState& state = table.game.state;
  int onFoundations = 0;
  for (int i = 0; i < 4; ++i) {
    const Pile& foundation = state.piles.pile(PileList::Foundations, i);
    for (int slot = 0; slot < foundation.cardCount(); ++slot) EXPECT_EQ(cardRank(foundation.at(slot)), slot + 1);
    onFoundations += foundation.cardCount();
  }
  EXPECT_EQ(cardsOnTable(state).size(), 52U);
  // One pass over the rows: at least the bottom row's playable cards went home.
  EXPECT_GT(onFoundations, 4);
  EXPECT_EQ(table.game.score(), 5 * onFoundations - 52);
}

TEST_F(Deal, TooManyCardsIsAClearErrorAndLeavesNoHalfTable) {
  table.settings.set(field::Game, "007");
  table.set({{param::kDealStock, 40}, {param::kDealTableauFirst + 2, 13}});
  const auto error = deal();
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("game 007"), std::string::npos) << *error;
  EXPECT_NE(error->find("Fila3"), std::string::npos) << *error;
  EXPECT_TRUE(cardsOnTable(table.game.state).empty());
  EXPECT_FALSE(table.game.underWay());
}

TEST_F(Deal, FewerCardsThanTheDeckIsFineAndUnsupportedCountsSayWhy) {
  table.set({{param::kDealStock, 10}});
  ASSERT_FALSE(deal());
  EXPECT_EQ(cardsOnTable(table.game.state).size(), 10U);
  EXPECT_TRUE(table.observer.messages.empty());

  table.set({{param::kCardsInPlay, 60}});
  EXPECT_TRUE(deal());
  EXPECT_EQ(table.observer.messages, std::vector<std::string>{"Error 01 - fnGameNumberCardsArray"});
  EXPECT_TRUE(cardsOnTable(table.game.state).empty());
}

TEST_F(Deal, NewRandomNumbersAreStoredWithThirteenDigits) {
  table.game.seedRandom(99);
  table.set({{param::kDealStock, 52}});
  ASSERT_FALSE(table.game.newGame({.deal = true, .newNumber = true}));
  const std::string number = table.game.gameNumber();
  ASSERT_EQ(number.size(), 13U);
  EXPECT_TRUE(std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }));
  EXPECT_EQ(table.game.state.piles.stock().slots(),
            [&] {
              const std::vector<CardNumber> deck = shuffleDeck(number, 52);
              return std::vector<std::uint8_t>(deck.begin(), deck.end());
            }());
}

}  // namespace
}  // namespace quilloro
