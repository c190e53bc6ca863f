// The searches of Crossroads, Terrace and Four Seasons against the engine: on
// random play they offer exactly the moves the engine accepts; on small
// endgames of their rules every verdict agrees with a plain exhaustive search
// over the engine's own moves; whole deals get the same answer on every run,
// wins replaying.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/solver/crossroads_search.hpp"
#include "engine/solver/four_seasons_search.hpp"
#include "engine/solver/pinned_cards.hpp"
#include "engine/solver/start_checks.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/terrace_search.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/engine_moves.hpp"
#include "tests/engine/solver/solver_session_test.hpp"

namespace quilloro::solver::one_card_build_search_test {
namespace {

using engine_moves::restore;
using engine_moves::topCardMoves;

using testing::TestTable;

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kRandomPlayDeals = 1;
constexpr int kRandomPlaySteps = 50;
constexpr int kEndgames = 3;
constexpr int kPinnedEndgames = 300;
constexpr std::int64_t kQuickWinNodes = 3'000;
constexpr std::int64_t kWholeDealNodes = 1'000;
constexpr std::array kWholeDeals{"1001"};
constexpr std::array kQuickWins{"1016"};
#else
constexpr int kRandomPlayDeals = 3;
constexpr int kRandomPlaySteps = 300;
constexpr int kEndgames = 40;
constexpr int kPinnedEndgames = 3000;
constexpr std::int64_t kQuickWinNodes = 3'000;
constexpr std::int64_t kWholeDealNodes = 10'000;
constexpr std::array kWholeDeals{"1001", "1003"};
constexpr std::array kQuickWins{"1016", "1024", "1033", "1034", "1035", "1036"};
#endif

constexpr int kTerrace = 32;
constexpr int kCrossroads = 56;
constexpr int kFourSeasons = 36;
constexpr std::array kKinds{kTerrace, kCrossroads, kFourSeasons};
// Few enough cards out for the plain search to see every position.
constexpr int kEndgameCardsOut = 12;
constexpr int kEndgamePiles = 2;

std::optional<std::vector<SolverMove>> searchMoves(int kind, const SolverStart& start) {
  if (kind == kFourSeasons) return fourSeasonsMoves(start);
  return kind == kTerrace ? terraceMoves(start) : crossroadsMoves(start);
}

std::optional<SolveResult> searchSolve(int kind, const SolverStart& start, std::int64_t nodes) {
  const Budget budget{.nodes = nodes, .milliseconds = 600'000};
  if (kind == kFourSeasons) return fourSeasonsSolve(start, budget, nullptr);
  return kind == kTerrace ? terraceSolve(start, budget, nullptr) : crossroadsSolve(start, budget, nullptr);
}

std::string tableKey(const Game& game) {
  std::string key;
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int index = 0; index < pileListSize(list); ++index) {
      for (const std::uint8_t card : game.state.piles.pile(list, index).slots()) key += std::to_string(card) + ",";
      key += "|";
    }
  return key;
}

// Whether any sequence of the engine's moves wins; each table is searched
// once, nothing taken as equal to anything else.
bool winnable(Game& game, std::unordered_set<std::string>& seen) {
  if (game.wonCheck()) return true;
  if (!seen.insert(tableKey(game)).second) return false;
  const GameState before = game.state;
  const int redeals = game.redealCount();
  for (const SolverMove& move : topCardMoves(game)) {
    applyMove(game, move);
    const bool won = winnable(game, seen);
    restore(game, before, redeals);
    if (won) return true;
  }
  return false;
}

std::string token(CardNumber card, bool faceUp) {
  std::string text = std::to_string(card);
  return std::string(3 - text.size(), '0') + text + (faceUp ? '1' : '0');
}

// The foundations of a whole game, each from its bottom card: Terrace's
// eight from the base rank up in alternate colours (four of them red at the
// bottom), Crossroads' eight up in suit from the aces and eight down from
// the kings, each pair of one suit and pack meeting at a random rank; Four
// Seasons' four in suit from the base rank up, turning from king to ace, the
// suits in a random order.
std::vector<std::vector<CardNumber>> wholeFoundations(int kind, int base, std::mt19937& random) {
  std::vector<std::vector<CardNumber>> foundations;
  if (kind == kFourSeasons) {
    std::array suits{0, 1, 2, 3};
    std::shuffle(suits.begin(), suits.end(), random);
    for (const int suit : suits) {
      foundations.emplace_back();
      for (int height = 0; height < 13; ++height) foundations.back().push_back(suit * 13 + (base - 1 + height) % 13 + 1);
    }
    return foundations;
  }
  if (kind == kCrossroads) {
    foundations.resize(16);
    for (int chain = 0; chain < 8; ++chain) {
      const int first = (chain / 4) * kCardsPerPack + (chain % 4) * 13;
      const int meet = std::uniform_int_distribution<int>(0, 13)(random);
      for (int rank = kAce; rank <= meet; ++rank) foundations[static_cast<std::size_t>(chain)].push_back(first + rank);
      for (int rank = kKing; rank > meet; --rank) foundations[static_cast<std::size_t>(8 + chain)].push_back(first + rank);
    }
    return foundations;
  }
  foundations.resize(8);
  for (int height = 0; height < 13; ++height) {
    const int rank = (base - 1 + height) % 13 + 1;
    std::vector<CardNumber> red;
    std::vector<CardNumber> black;
    for (int pack = 0; pack < 2; ++pack)
      for (int suit = 0; suit < 4; ++suit) (suit < 2 ? red : black).push_back(pack * kCardsPerPack + suit * 13 + rank);
    std::shuffle(red.begin(), red.end(), random);
    std::shuffle(black.begin(), black.end(), random);
    for (std::size_t f = 0; f < 8; ++f) {
      const bool wantsRed = (f < 4) == (height % 2 == 0);
      std::vector<CardNumber>& from = wantsRed ? red : black;
      foundations[f].push_back(from.back());
      from.pop_back();
    }
  }
  return foundations;
}

// Lays out an endgame: the foundations as given, the cards out shuffled onto
// the piles, the stock and (Terrace) the reserve, no pile empty while the
// stock holds cards.
void layEndgame(int kind, TestTable& table, const std::vector<std::vector<CardNumber>>& foundations, std::vector<CardNumber>& out,
                std::mt19937& random) {
  for (std::size_t f = 0; f < foundations.size(); ++f) {
    std::string tokens;
    for (const CardNumber card : foundations[f]) tokens += token(card, true);
    table.lay("Dest" + std::to_string(f + 1), tokens);
  }
  std::shuffle(out.begin(), out.end(), random);
  std::array<std::string, kEndgamePiles> piles;
  std::string stock;
  std::string reserve;
  for (std::size_t at = 0; at < out.size(); ++at) {
    // Every pile gets a card first.
    const int where = at < kEndgamePiles ? static_cast<int>(at) : std::uniform_int_distribution<int>(0, kEndgamePiles + 1)(random);
    if (where < kEndgamePiles) {
      piles[static_cast<std::size_t>(where)] += token(out[at], true);
    } else if (where == kEndgamePiles || kind != kTerrace) {
      stock += token(out[at], false);
    } else {
      reserve += token(out[at], true);
    }
  }
  table.lay("Mazzo", stock);
  if (kind == kTerrace) table.lay("Appogg1", reserve);
  for (int n = 0; n < kEndgamePiles; ++n) table.lay("Fila" + std::to_string(n + 1), piles[static_cast<std::size_t>(n)]);
}

// An endgame of the kind's rules on two piles: every foundation cut back
// at random, the cards taken off dealt to the stock, the piles and (Terrace)
// the reserve, so that no pile is empty while the stock holds cards.
void dealEndgame(int kind, TestTable& table, std::mt19937& random) {
  const int base = std::uniform_int_distribution<int>(kAce, kKing)(random);
  if (kind != kCrossroads)
    for (int f = 0; f < 16; ++f) table.game.state.parameters[param::kFoundationBaseRankFirst + f] = static_cast<ParameterValue>(base);
  std::vector<std::vector<CardNumber>> foundations;
  std::vector<CardNumber> out;
  do {
    foundations = wholeFoundations(kind, base, random);
    out.clear();
    for (std::vector<CardNumber>& cards : foundations) {
      // Most foundations keep every card; a few give some.
      constexpr std::array kTaken{0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
      const int keep = static_cast<int>(cards.size()) - kTaken[std::uniform_int_distribution<std::size_t>(0, kTaken.size() - 1)(random)];
      for (std::size_t at = static_cast<std::size_t>(std::max(keep, 0)); at < cards.size(); ++at) out.push_back(cards[at]);
      cards.resize(static_cast<std::size_t>(std::max(keep, 0)));
    }
  } while (out.size() > kEndgameCardsOut || out.size() < kEndgamePiles);
  layEndgame(kind, table, foundations, out, random);
}

// A Crossroads endgame where the four foundations of one suit or two give
// back a few cards each, the rest of the pack home.
void dealOpenSuits(TestTable& table, std::mt19937& random) {
  std::vector<std::vector<CardNumber>> foundations;
  std::vector<CardNumber> out;
  do {
    foundations = wholeFoundations(kCrossroads, kAce, random);
    out.clear();
    const int first = std::uniform_int_distribution<int>(0, 3)(random);
    const int second = std::bernoulli_distribution(0.5)(random) ? first : std::uniform_int_distribution<int>(0, 3)(random);
    for (std::size_t f = 0; f < foundations.size(); ++f) {
      if (static_cast<int>(f % 4) != first && static_cast<int>(f % 4) != second) continue;
      std::vector<CardNumber>& cards = foundations[f];
      for (int taken = std::uniform_int_distribution<int>(0, 4)(random); taken > 0 && !cards.empty(); --taken) {
        out.push_back(cards.back());
        cards.pop_back();
      }
    }
  } while (out.size() > kEndgameCardsOut || out.size() < kEndgamePiles);
  layEndgame(kCrossroads, table, foundations, out, random);
}

// Whether the proof of pinned cards calls the Crossroads table lost.
bool pinnedLost(const Game& game) {
  const GameState& state = game.state;
  std::vector<std::vector<CardNumber>> cards;
  for (int pile = 0; pile < state.pilesInUse(PileList::Tableau); ++pile)
    cards.push_back(cardsOf(state.piles.pile(PileList::Tableau, pile)));
  std::vector<std::vector<std::uint8_t>> piles;
  for (const std::vector<CardNumber>& pile : cards) piles.emplace_back(pile.begin(), pile.end());
  std::vector<std::span<const std::uint8_t>> views(piles.begin(), piles.end());
  std::vector<PinnedFoundation> foundations;
  for (int f = 0; f < state.pilesInUse(PileList::Foundations); ++f) {
    const std::vector<CardNumber> home = cardsOf(state.piles.pile(PileList::Foundations, f));
    foundations.push_back({f < 8, static_cast<int>(home.size()), home.empty() ? kNoCard : home.back()});
  }
  // The stock deals from its top.
  std::vector<CardNumber> stock = cardsOf(state.piles.stock());
  std::reverse(stock.begin(), stock.end());
  return PinnedCards(2).lost(views, foundations, stock);
}

// Gives the table the rules of the dealt game, on the few piles of an endgame.
void useEndgameRules(TestTable& table, cli::SolverSession& play) {
  table.game.state.parameters = play.game().state.parameters;
  table.set({{param::kTableauCount, kEndgamePiles}});
}

// Solves a laid-out endgame with the search and with the plain exhaustive
// search over the engine's moves, and checks that the two agree and that a
// win replays; answers whether the search won.
bool searchAgreesWithPlainSearch(int kind, TestTable& table, const std::string& what) {
  const SolverStart start = SolverStart::of(table.game);
  const std::optional<SolveResult> result = searchSolve(kind, start, 200'000);
  if (!result.has_value() || result->verdict == Verdict::Unknown) {
    ADD_FAILURE() << what << ": the search gave no verdict";
    return false;
  }
  const bool won = result->verdict == Verdict::Won;
  std::unordered_set<std::string> seen;
  EXPECT_EQ(won, winnable(table.game, seen)) << what;
  if (won) {
    EXPECT_TRUE(replayWins(start, result->moves)) << what;
  }
  return won;
}

// Deals endgames of the kind with deal, each laid out on the dealt game's
// rules, and checks every verdict against the plain search; the sample must
// hold both verdicts, or it checks little.
template <class Deal>
void everyEndgameAgreesWithPlainSearch(int kind, cli::SolverSession& play, Deal deal) {
  int won = 0;
  int lost = 0;
  for (int game = 0; game < kEndgames; ++game) {
    TestTable table;
    useEndgameRules(table, play);
    deal(table);
    const std::string what = "kind " + std::to_string(kind) + " game " + std::to_string(game);
    (searchAgreesWithPlainSearch(kind, table, what) ? won : lost) += 1;
  }
#ifndef QUILLORO_SMALL_SAMPLES
  EXPECT_GT(won, 0) << kind;
  EXPECT_GT(lost, 0) << kind;
#endif
}

class OneCardBuildSearch : public SolverSessionTest {};

TEST_F(OneCardBuildSearch, OffersExactlyTheMovesTheEngineAcceptsOnRandomPlay) {
  std::mt19937 random(56);
  for (const int kind : kKinds) {
    cli::SolverSession play = session(kind);
    for (int deal = 1; deal <= kRandomPlayDeals; ++deal) {
      play.deal(std::to_string(deal));
      Game& table = play.game();
      for (int step = 0; step < kRandomPlaySteps; ++step) {
        const std::vector<SolverMove> engine = topCardMoves(table);
        const std::optional<std::vector<SolverMove>> search = searchMoves(kind, SolverStart::of(table));
        ASSERT_TRUE(search.has_value()) << kind << " deal " << deal << " step " << step;
        ASSERT_EQ(asSet(*search), asSet(engine)) << kind << " deal " << deal << " step " << step;
        if (engine.empty()) break;
        // Plays to the foundations more often than not, to reach later stages.
        std::vector<SolverMove> home;
        for (const SolverMove& move : engine)
          if (move.target.list == PileList::Foundations) home.push_back(move);
        const std::vector<SolverMove>& from = !home.empty() && std::bernoulli_distribution(0.7)(random) ? home : engine;
        ASSERT_TRUE(applyMove(table, from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)]));
      }
    }
  }
}

TEST_F(OneCardBuildSearch, EveryVerdictOnEndgamesAgreesWithAPlainExhaustiveSearch) {
  std::mt19937 random(2032);
  for (const int kind : kKinds) {
    cli::SolverSession play = session(kind);
    play.deal("1");
    everyEndgameAgreesWithPlainSearch(kind, play, [&](TestTable& table) { dealEndgame(kind, table, random); });
  }
}

// Cards that nothing is built on go home at once in the search, onto an up
// foundation even while the rank above is out: on endgames where one suit or
// two give back cards from every foundation, the search's verdict is still the
// plain search's.
TEST_F(OneCardBuildSearch, CardsNothingBuildsOnGoHomeAtOnceWithoutLosingAWin) {
  std::mt19937 random(1056);
  cli::SolverSession play = session(kCrossroads);
  play.deal("1");
  everyEndgameAgreesWithPlainSearch(kCrossroads, play, [&](TestTable& table) { dealOpenSuits(table, random); });
}

// A card that the rank below may still be built on stays out: here the five
// of the first suit must take the second pack's four, which frees the five
// and the second suit's cards under it; played home at once, it would leave
// the four nowhere to go, and the table lost.
TEST_F(OneCardBuildSearch, CardsTheRankBelowMayStillGoOnWaitForIt) {
  cli::SolverSession play = session(kCrossroads);
  play.deal("1");
  TestTable table;
  useEndgameRules(table, play);
  const auto run = [](int pack, int suit, int from, int to) {
    std::string tokens;
    const int step = from <= to ? 1 : -1;
    for (int rank = from; rank != to + step; rank += step) tokens += token(pack * kCardsPerPack + suit * 13 + rank, true);
    return tokens;
  };
  // The first suit: up to the four and down to the six in the first pack,
  // up to the two and down to the six in the second.
  table.lay("Dest1", run(0, 0, kAce, 4));
  table.lay("Dest2", run(1, 0, kAce, 2));
  table.lay("Dest9", run(0, 0, kKing, 6));
  table.lay("Dest10", run(1, 0, kKing, 6));
  // The second suit: up to the four and the six, down to the eights.
  table.lay("Dest3", run(0, 1, kAce, 4));
  table.lay("Dest4", run(1, 1, kAce, 6));
  table.lay("Dest11", run(0, 1, kKing, 8));
  table.lay("Dest12", run(1, 1, kKing, 8));
  for (int pack = 0; pack < 2; ++pack)
    for (int suit = 2; suit < 4; ++suit) table.lay("Dest" + std::to_string(5 + pack + 2 * (suit - 2)), run(pack, suit, kAce, kKing));
  // Sevens and five of the second suit, then the first suit's second five and four.
  table.lay("Fila1", run(0, 1, 7, 7) + run(1, 1, 7, 7) + run(0, 1, 5, 5) + run(1, 0, 5, 4));
  // The first suit's second three, the second suit's six, the first suit's five.
  table.lay("Fila2", run(1, 0, 3, 3) + run(0, 1, 6, 6) + run(0, 0, 5, 5));
  const SolverStart start = SolverStart::of(table.game);
  const std::optional<SolveResult> result = searchSolve(kCrossroads, start, 200'000);
  ASSERT_TRUE(result.has_value());
  std::unordered_set<std::string> seen;
  ASSERT_TRUE(winnable(table.game, seen));
  EXPECT_EQ(result->verdict, Verdict::Won);
  EXPECT_TRUE(replayWins(start, result->moves));
}

// The proof of pinned cards against the plain search on Crossroads endgames:
// every table it calls lost has no win, and it calls some lost.
TEST_F(OneCardBuildSearch, PinnedCardsAreFoundOnlyOnEndgamesWithoutAWin) {
  std::mt19937 random(5656);
  cli::SolverSession play = session(kCrossroads);
  play.deal("1");
  int pinned = 0;
  for (int game = 0; game < kPinnedEndgames; ++game) {
    TestTable table;
    useEndgameRules(table, play);
    dealEndgame(kCrossroads, table, random);
    if (!pinnedLost(table.game)) continue;
    ++pinned;
    std::unordered_set<std::string> seen;
    EXPECT_FALSE(winnable(table.game, seen)) << "game " << game;
  }
  EXPECT_GT(pinned, 0);
}

// An empty pile that the stock deals nothing more onto may stay empty and
// take any card that comes bare, so the proof calls nothing lost beside one,
// though it does where the same pile lies alone: the first suit's two on its
// ace, every foundation empty, neither card can ever go home without a space.
TEST(PinnedCards, AnEmptyPileTheStockNoLongerReachesLeavesNothingProved) {
  const std::vector<std::uint8_t> twoOnAce{1, 2};
  const std::vector<std::uint8_t> empty;
  std::vector<PinnedFoundation> foundations;
  for (int f = 0; f < 16; ++f) foundations.push_back({f < 8, 0, kNoCard});
  const std::vector<std::span<const std::uint8_t>> alone{twoOnAce};
  EXPECT_TRUE(PinnedCards(2).lost(alone, foundations, {}));
  const std::vector<std::span<const std::uint8_t>> beside{twoOnAce, empty};
  EXPECT_FALSE(PinnedCards(2).lost(beside, foundations, {}));
  // One card left in the stock lands on the first pile only.
  const std::vector<CardNumber> stock{30};
  EXPECT_FALSE(PinnedCards(2).lost(beside, foundations, stock));
  EXPECT_TRUE(PinnedCards(2).lost(alone, foundations, stock));
}

// Every table on the way of a won deal can still be won: the proof never
// calls one of them lost.
TEST_F(OneCardBuildSearch, PinnedCardsNeverTurnUpOnTheWayOfAWin) {
  cli::SolverSession play = session(kCrossroads);
  for (const char* number : kQuickWins) {
    play.deal(number);
    const SolverStart start = SolverStart::of(play.game());
    const std::optional<SolveResult> result = searchSolve(kCrossroads, start, kQuickWinNodes);
    ASSERT_TRUE(result.has_value()) << number;
    ASSERT_EQ(result->verdict, Verdict::Won) << number;
    Game& game = play.game();
    for (std::size_t step = 0; step < result->moves.size(); ++step) {
      ASSERT_FALSE(pinnedLost(game)) << number << " step " << step;
      ASSERT_TRUE(applyMove(game, result->moves[step])) << number << " step " << step;
    }
  }
}

TEST_F(OneCardBuildSearch, WholeDealsGetTheSameAnswerOnEveryRunAndWinsReplay) {
  for (const int kind : kKinds) {
    cli::SolverSession play = session(kind);
    for (const char* number : kWholeDeals) {
      play.deal(number);
      const SolverStart start = SolverStart::of(play.game());
      const std::optional<SolveResult> first = searchSolve(kind, start, kWholeDealNodes);
      const std::optional<SolveResult> second = searchSolve(kind, start, kWholeDealNodes);
      ASSERT_TRUE(first.has_value() && second.has_value()) << kind << " " << number;
      EXPECT_EQ(first->verdict, second->verdict) << kind << " " << number;
      EXPECT_EQ(first->moves, second->moves) << kind << " " << number;
      if (first->verdict == Verdict::Won) {
        EXPECT_TRUE(replayWins(start, first->moves)) << kind << " " << number;
      }
      // The window's search takes the same way.
      EXPECT_EQ(solve(start, Budget{.nodes = kWholeDealNodes, .milliseconds = 600'000}).verdict, first->verdict);
    }
  }
}

}  // namespace
}  // namespace quilloro::solver::one_card_build_search_test
