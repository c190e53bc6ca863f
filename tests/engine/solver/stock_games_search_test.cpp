// The searches of the games played from the stock (Sir Tommy, Calculation,
// Quadrille, Osmosis, Ebb and Flow, Sultan, Aces Up) against the engine: on random
// play they offer exactly the moves the engine accepts, their verdicts on
// endgames agree with a plain exhaustive search over the engine's own moves,
// and whole deals get the same answer on every run, wins replaying.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <unordered_set>

#include "engine/solver/aces_up_search.hpp"
#include "engine/solver/divan_search.hpp"
#include "engine/solver/grid_pairs_search.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/stock_waste_search.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/engine_moves.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::stock_games_search_test {
namespace {

using engine_moves::restore;
using engine_moves::topCardMoves;

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDealsPerKind = 1;
constexpr int kEndgames = 3;
constexpr int kGridDeals = 1;
constexpr std::int64_t kWholeDealNodes = 5'000;
constexpr int kEndgameCards = 6;
#else
constexpr int kDealsPerKind = 3;
constexpr int kEndgames = 12;
constexpr int kGridDeals = 12;
constexpr std::int64_t kWholeDealNodes = 20'000;
constexpr int kEndgameCards = 9;
#endif

constexpr int kMonteCarlo = 7;
constexpr int kSirTommy = 33;
constexpr int kOsmosis = 38;
constexpr int kQuadrille = 45;
constexpr int kCalculation = 47;
constexpr int kSultan = 53;
constexpr int kAcesUp = 54;
constexpr int kEbbAndFlow = 55;
constexpr std::array kKinds{kSirTommy, kOsmosis, kQuadrille, kCalculation, kSultan, kAcesUp, kEbbAndFlow};

std::optional<std::vector<SolverMove>> searchMoves(int kind, const SolverStart& start) {
  if (kind == kSultan) return divanMoves(start);
  return kind == kAcesUp ? acesUpMoves(start) : stockWasteMoves(start);
}

std::optional<SolveResult> searchSolve(int kind, const SolverStart& start, std::int64_t nodes) {
  const Budget budget{.nodes = nodes, .milliseconds = 600'000};
  if (kind == kSultan) return divanSolve(start, budget, nullptr);
  return kind == kAcesUp ? acesUpSolve(start, budget, nullptr) : stockWasteSolve(start, budget, nullptr);
}

// Turns the face-down cards left on top, as the searches take for granted.
void turnTops(Game& game) {
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile) {
    const CardNumber top = game.state.piles.pile(PileList::Tableau, pile).topCard();
    if (top != kNoCard && game.state.isFaceDown(top)) game.turnTopCard(pile);
  }
}

std::string tableKey(const Game& game) {
  // Without a limit on the passes, their count tells nothing.
  const bool passesCount = game.state.parameters[param::kStockPasses] != -1;
  std::string key = std::to_string(passesCount ? game.redealCount() : 0) + "|";
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau})
    for (int index = 0; index < pileListSize(list); ++index) {
      for (const std::uint8_t card : game.state.piles.pile(list, index).slots()) key += std::to_string(card) + ",";
      key += "|";
    }
  return key;
}

// Whether any sequence of the engine's moves wins; each table is searched once.
bool winnable(Game& game, std::unordered_set<std::string>& seen) {
  if (game.wonCheck()) return true;
  if (!seen.insert(tableKey(game)).second) return false;
  const GameState before = game.state;
  const int redeals = game.redealCount();
  for (const SolverMove& move : topCardMoves(game)) {
    applyMove(game, move);
    turnTops(game);
    const bool won = winnable(game, seen);
    restore(game, before, redeals);
    if (won) return true;
  }
  return false;
}

int cardsInPlay(const Game& game) {
  int cards = game.state.piles.stock().cardCount() + game.state.piles.waste().cardCount();
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    cards += game.state.piles.pile(PileList::Tableau, pile).cardCount();
  return cards;
}

class StockGamesSearch : public SolverSessionTest {
 protected:
};

TEST_F(StockGamesSearch, OffersExactlyTheMovesTheEngineAcceptsOnRandomPlay) {
  std::mt19937 random(33);
  for (const int kind : kKinds) {
    cli::SolverSession play = session(kind);
    for (int deal = 1; deal <= kDealsPerKind; ++deal) {
      play.deal(std::to_string(deal));
      Game& table = play.game();
      for (int step = 0; step < 400; ++step) {
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
        turnTops(table);
      }
    }
  }
}

TEST_F(StockGamesSearch, EveryVerdictOnEndgamesAgreesWithAPlainExhaustiveSearch) {
  std::mt19937 random(2026);
  int lostInAll = 0;
  // Ebb and Flow's search seldom comes near the end of its two packs on a
  // small budget: it has no endgames to give.
  for (const int kind : {kSirTommy, kOsmosis, kQuadrille, kCalculation, kSultan, kAcesUp}) {
    cli::SolverSession play = session(kind);
    int won = 0;
    int lost = 0;
    for (int deal = 1; deal <= kEndgames; ++deal) {
      play.deal(std::to_string(7000 + deal));
      Game& table = play.game();
      // The way to the best position the search finds, until few cards are
      // left, then at times one other move, which often spoils a win.
      const SolveResult whole = solve(SolverStart::of(table), Budget{.nodes = kWholeDealNodes, .milliseconds = 600'000});
      for (const SolverMove& move : whole.moves) {
        if (cardsInPlay(table) <= kEndgameCards) break;
        ASSERT_TRUE(applyMove(table, move)) << kind << " deal " << deal;
      }
      if (cardsInPlay(table) > kEndgameCards) continue;
      const std::vector<SolverMove> moves = topCardMoves(table);
      if (!moves.empty() && std::bernoulli_distribution(0.5)(random))
        applyMove(table, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)]);
      turnTops(table);
      const SolverStart start = SolverStart::of(table);
      const std::optional<SolveResult> result = searchSolve(kind, start, 200'000);
      ASSERT_TRUE(result.has_value()) << kind << " deal " << deal;
      ASSERT_NE(result->verdict, Verdict::Unknown) << kind << " deal " << deal;
      std::unordered_set<std::string> seen;
      EXPECT_EQ(result->verdict == Verdict::Won, winnable(table, seen)) << kind << " deal " << deal;
      (result->verdict == Verdict::Won ? won : lost) += 1;
    }
    EXPECT_GT(won + lost, 0) << kind;
    lostInAll += lost;
  }
  // The sample must hold losses too, or it checks nothing of them.
  if (kEndgames >= 10) {
    EXPECT_GT(lostInAll, 0);
  }
}

// How the cards left out of an Ebb and Flow endgame lie: a few ranks per
// suit and pack, or now and then a longer run, often where the other pack's
// up foundation stands just as high (both then wait for the same rank).
enum class EndgameShape { FewEach, LongerRuns };

// An Ebb and Flow table with every card home but a few: per suit and pack,
// the ranks between a random height of an up foundation and the bottom of a
// down one, the first of them on the waste and the rest in the stock.
void setEbbAndFlowEndgame(Game& game, std::mt19937& random, EndgameShape shape = EndgameShape::FewEach) {
  constexpr int kSuits = 4;
  constexpr int kUpFoundations = 8;
  const bool longer = shape == EndgameShape::LongerRuns;
  for (;;) {
    std::vector<CardNumber> left;
    std::vector<std::vector<CardNumber>> foundations(16);
    for (int suit = 0; suit < kSuits; ++suit)
      for (int pack = 0, firstUp = 0; pack < 2; ++pack) {
        int up = std::uniform_int_distribution<int>(0, kKing)(random);
        if (longer && pack == 1 && std::bernoulli_distribution(0.4)(random)) up = firstUp;
        firstUp = up;
        const int most = longer ? (std::bernoulli_distribution(0.5)(random) ? 0 : 6) : 3;
        const int gap = std::min(kKing - up, std::uniform_int_distribution<int>(0, most)(random));
        auto card = [&](int rank) { return static_cast<CardNumber>(pack * kCardsPerPack + suit * 13 + rank); };
        for (int rank = kAce; rank <= up; ++rank) foundations[static_cast<std::size_t>(2 * suit + pack)].push_back(card(rank));
        for (int rank = kKing; rank > up + gap; --rank)
          foundations[static_cast<std::size_t>(kUpFoundations + 2 * suit + pack)].push_back(card(rank));
        for (int rank = up + 1; rank <= up + gap; ++rank) left.push_back(card(rank));
      }
    if (left.size() > 12 || left.size() < 6) continue;
    std::shuffle(left.begin(), left.end(), random);
    PileLists& piles = game.state.piles;
    piles.stock().clear();
    piles.waste().clear();
    for (int f = 0; f < 16; ++f) {
      Pile& pile = piles.pile(PileList::Foundations, f);
      pile.clear();
      for (const CardNumber card : foundations[static_cast<std::size_t>(f)]) {
        pile.append(card);
        game.state.cards.setFaceState(card, "1");
      }
    }
    const auto onWaste = std::uniform_int_distribution<std::size_t>(0, left.size())(random);
    for (std::size_t at = 0; at < left.size(); ++at) {
      game.state.cards.setFaceState(left[at], at < onWaste ? "1" : "0");
      (at < onWaste ? piles.waste() : piles.stock()).append(left[at]);
    }
    // Mostly the last pass, where a buried card stays buried.
    game.setRedealCount(std::bernoulli_distribution(0.7)(random) ? 2 : 1);
    return;
  }
}

struct EndgameTally {
  int won = 0;
  int lost = 0;
};

// Lays an Ebb and Flow endgame over the dealt table, and checks the search's
// verdict on it against the plain exhaustive search.
void checkEbbAndFlowEndgame(Game& table, std::mt19937& random, EndgameShape shape, EndgameTally& tally) {
  setEbbAndFlowEndgame(table, random, shape);
  const std::optional<SolveResult> result = searchSolve(kEbbAndFlow, SolverStart::of(table), 200'000);
  ASSERT_TRUE(result.has_value());
  ASSERT_NE(result->verdict, Verdict::Unknown);
  std::unordered_set<std::string> seen;
  EXPECT_EQ(result->verdict == Verdict::Won, winnable(table, seen));
  (result->verdict == Verdict::Won ? tally.won : tally.lost) += 1;
}

TEST_F(StockGamesSearch, EbbAndFlowEndgameVerdictsAgreeWithAPlainExhaustiveSearch) {
  std::mt19937 random(55);
  cli::SolverSession play = session(kEbbAndFlow);
  EndgameTally tally;
  // At least a few endgames, and on until both verdicts have come up.
  for (int deal = 1; deal <= 40 && (deal <= 2 * kEndgames || tally.won == 0 || tally.lost == 0); ++deal) {
    SCOPED_TRACE(deal);
    play.deal(std::to_string(5500 + deal));
    checkEbbAndFlowEndgame(play.game(), random, EndgameShape::FewEach, tally);
  }
  EXPECT_GT(tally.won, 0);
  EXPECT_GT(tally.lost, 0);
}

// Cards that go home at once, uncovering the rest, where the foundations of
// their suit could also wait for them otherwise: longer runs left out make
// those choices (and the aces and kings on empty foundations) come up often.
TEST_F(StockGamesSearch, EbbAndFlowEndgamesWithLongerRunsOutAgreeWithAPlainExhaustiveSearch) {
  std::mt19937 random(5555);
  cli::SolverSession play = session(kEbbAndFlow);
  EndgameTally tally;
  for (int deal = 1; deal <= 4 * kEndgames; ++deal) {
    SCOPED_TRACE(deal);
    play.deal(std::to_string(5600 + deal));
    checkEbbAndFlowEndgame(play.game(), random, EndgameShape::LongerRuns, tally);
  }
  EXPECT_GT(tally.won, 0);
  EXPECT_GT(tally.lost, 0);
}

TEST_F(StockGamesSearch, WholeDealsAreDecidedTheSameWayOnEveryRunAndWinsReplay) {
  for (const int kind : kKinds) {
    cli::SolverSession play = session(kind);
    for (int deal = 1; deal <= kDealsPerKind; ++deal) {
      play.deal(std::to_string(1000 + deal));
      const SolverStart start = SolverStart::of(play.game());
      const SolveResult first = solve(start, Budget{.nodes = kWholeDealNodes, .milliseconds = 600'000});
      const SolveResult again = solve(start, Budget{.nodes = kWholeDealNodes, .milliseconds = 6'000'000});
      EXPECT_EQ(first.verdict, again.verdict) << kind << " deal " << deal;
      EXPECT_EQ(first.moves, again.moves) << kind << " deal " << deal;
      EXPECT_EQ(first.nodes, again.nodes) << kind << " deal " << deal;
      if (first.verdict == Verdict::Won) {
        EXPECT_TRUE(replayWins(start, first.moves)) << kind << " deal " << deal;
      }
      const SolveResult none = solve(start, Budget{.nodes = 0, .milliseconds = 600'000});
      EXPECT_EQ(none.verdict, Verdict::Unknown) << kind << " deal " << deal;
    }
  }
}

// A Sir Tommy deal on which a depth-first search of a million positions found
// nothing: the beams win it within ten thousand, the same way each run.
TEST_F(StockGamesSearch, SirTommyDealDepthFirstLeftOpenIsWonByTheBeamsRepeatably) {
  cli::SolverSession play = session(kSirTommy);
  play.deal("1042");
  const SolverStart start = SolverStart::of(play.game());
  const std::optional<SolveResult> first = searchSolve(kSirTommy, start, 100'000);
  const std::optional<SolveResult> again = searchSolve(kSirTommy, start, 100'000);
  ASSERT_TRUE(first.has_value() && again.has_value());
  EXPECT_EQ(first->verdict, Verdict::Won);
  EXPECT_EQ(first->moves, again->moves);
  EXPECT_TRUE(replayWins(start, first->moves));
}

// Monte Carlo's moves as the engine takes them: two clicks on cards of the
// grid that it throws as a pair, or the click on the stock closing the gaps.
struct GridMoves {
  std::set<std::pair<CardNumber, CardNumber>> pairs;
  bool closesGaps = false;
};

GridMoves engineGridMoves(Game& game) {
  GridMoves moves;
  const GameState before = game.state;
  std::vector<CardNumber> cards;
  for (int pile = 0; pile < game.state.pilesInUse(PileList::Tableau); ++pile)
    if (const CardNumber card = game.state.piles.pile(PileList::Tableau, pile).topCard(); card != kNoCard) cards.push_back(card);
  for (std::size_t a = 0; a < cards.size(); ++a)
    for (std::size_t b = a + 1; b < cards.size(); ++b) {
      const bool thrown = applyMove(game, {SolverMove::Kind::Select, cards[a], kStockPile}) &&
                          applyMove(game, {SolverMove::Kind::Select, cards[b], kStockPile}) &&
                          game.state.piles.discard().cardCount() == before.piles.discard().cardCount() + 2;
      restore(game, before, 1);
      if (thrown) moves.pairs.insert({cards[a], cards[b]});
    }
  moves.closesGaps = applyMove(game, {SolverMove::Kind::Stock, kNoCard, kStockPile}) && !(game.state.piles == before.piles);
  restore(game, before, 1);
  return moves;
}

// Whether any sequence of the engine's moves clears the grid and the stock.
bool gridWinnable(Game& game, std::unordered_set<std::string>& seen) {
  if (game.wonCheck()) return true;
  if (!seen.insert(tableKey(game)).second) return false;
  const GameState before = game.state;
  const GridMoves moves = engineGridMoves(game);
  for (const auto& [first, second] : moves.pairs) {
    applyMove(game, {SolverMove::Kind::Select, first, kStockPile});
    applyMove(game, {SolverMove::Kind::Select, second, kStockPile});
    const bool won = gridWinnable(game, seen);
    restore(game, before, 1);
    if (won) return true;
  }
  if (!moves.closesGaps) return false;
  applyMove(game, {SolverMove::Kind::Stock, kNoCard, kStockPile});
  const bool won = gridWinnable(game, seen);
  restore(game, before, 1);
  return won;
}

TEST_F(StockGamesSearch, MonteCarloOffersThePairsTheEngineThrowsAndDecidesWholeDealsAsItsOwnMovesDo) {
  std::mt19937 random(7);
  cli::SolverSession play = session(kMonteCarlo);
  int won = 0;
  int lost = 0;
  for (int deal = 1; deal <= kGridDeals; ++deal) {
    play.deal(std::to_string(1000 + deal));
    Game& table = play.game();
    const SolverStart start = SolverStart::of(table);
    const std::optional<SolveResult> result = gridPairsSolve(start, Budget{.nodes = 200'000, .milliseconds = 600'000}, nullptr);
    ASSERT_TRUE(result.has_value()) << deal;
    ASSERT_NE(result->verdict, Verdict::Unknown) << deal;
    std::unordered_set<std::string> seen;
    EXPECT_EQ(result->verdict == Verdict::Won, gridWinnable(table, seen)) << deal;
    (result->verdict == Verdict::Won ? won : lost) += 1;
    // Random play, every position's moves compared.
    for (int step = 0; step < 60; ++step) {
      const GridMoves engine = engineGridMoves(table);
      const std::optional<GridPairsMoves> search = gridPairsMoves(SolverStart::of(table));
      ASSERT_TRUE(search.has_value()) << deal << " step " << step;
      EXPECT_EQ(std::set(search->pairs.begin(), search->pairs.end()), engine.pairs) << deal << " step " << step;
      EXPECT_EQ(search->closesGaps, engine.closesGaps) << deal << " step " << step;
      if (engine.pairs.empty() && !engine.closesGaps) break;
      const auto pick = std::uniform_int_distribution<std::size_t>(0, engine.pairs.size())(random);
      if (pick == engine.pairs.size() && engine.closesGaps) {
        applyMove(table, {SolverMove::Kind::Stock, kNoCard, kStockPile});
      } else if (!engine.pairs.empty()) {
        const auto& [first, second] = *std::next(engine.pairs.begin(), static_cast<std::ptrdiff_t>(pick % engine.pairs.size()));
        applyMove(table, {SolverMove::Kind::Select, first, kStockPile});
        applyMove(table, {SolverMove::Kind::Select, second, kStockPile});
      } else {
        applyMove(table, {SolverMove::Kind::Stock, kNoCard, kStockPile});
      }
    }
  }
  EXPECT_GT(won, 0);
  if (kGridDeals >= 10) {
    EXPECT_GT(lost, 0);
  }
}

}  // namespace
}  // namespace quilloro::solver::stock_games_search_test
