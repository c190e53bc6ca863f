// The Spider family's search against the engine: the same moves on random
// play of every shipped kind it plays, solutions that replay and repeat, and
// "lost" verdicts on small games that a plain exhaustive search confirms.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <span>
#include <tuple>
#include <unordered_set>

#include "engine/games_dat.hpp"
#include "engine/solver/solver_position.hpp"
#include "engine/solver/spider_position.hpp"
#include "engine/solver/spider_rules.hpp"
#include "engine/solver/spider_search.hpp"
#include "engine/solver/spider_stranded.hpp"
#include "tests/engine/game_fixture.hpp"
#include "tests/engine/solver/engine_moves.hpp"
#include "tests/engine/solver/solver_session_test.hpp"
#include "tools/cli_solver_session.hpp"

namespace quilloro::solver::spider_search_test {
namespace {

using engine_moves::restore;

using testing::TestTable;

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kDealsPerKind = 1;
constexpr int kStepsPerDeal = 20;
constexpr int kGamesPerRuleSet = 12;
#else
constexpr int kDealsPerKind = 3;
constexpr int kStepsPerDeal = 150;
constexpr int kGamesPerRuleSet = 60;
#endif
constexpr std::int64_t kNodesPerSolve = 3'000;

const char* const kSpiderKinds[] = {"Spider", "Spider One Suit", "Spiderette", "Scorpion", "Simple Simon"};

// What the engine accepts, each tried on a copy: every face-up tableau card
// onto every other tableau pile (onto its own pile a drop changes nothing),
// and the stock.
std::vector<SolverMove> engineMoves(Game& game) {
  std::vector<SolverMove> candidates;
  const int piles = game.state.pilesInUse(PileList::Tableau);
  for (int from = 0; from < piles; ++from)
    for (const std::uint8_t card : game.state.piles.pile(PileList::Tableau, from).slots())
      for (int to = 0; to < piles; ++to)
        if (to != from && !game.state.isFaceDown(card))
          candidates.push_back({SolverMove::Kind::Drop, card, {PileList::Tableau, to}});
  candidates.push_back({SolverMove::Kind::Stock, kNoCard, kStockPile});
  std::vector<SolverMove> accepted;
  const GameState before = game.state;
  const int redeals = game.redealCount();
  for (const SolverMove& move : candidates) {
    const bool ok = applyMove(game, move);
    restore(game, before, redeals);
    if (ok) accepted.push_back(move);
  }
  return accepted;
}

class SpiderSearchKinds : public SolverSessionTest {
 protected:
  static int indexOf(const GamesDat& dat, const std::string& name) {
    for (int game = 0; game < dat.gameCount(); ++game)
      if (dat.catalogue()[static_cast<std::size_t>(game)].name() == name) return game;
    return -1;
  }
};

TEST_F(SpiderSearchKinds, OffersExactlyTheMovesTheEngineAcceptsOnRandomPlay) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  std::mt19937 random(14);
  for (const char* name : kSpiderKinds) {
    const int game = indexOf(dat, name);
    ASSERT_GE(game, 0) << name;
    cli::SolverSession session(arguments(game), game);
    for (int deal = 1; deal <= kDealsPerKind; ++deal) {
      session.deal(std::to_string(deal));
      Game& table = session.game();
      for (int step = 0; step < kStepsPerDeal; ++step) {
        // Face-down tops are turned first, as the search does.
        for (int t = 0; t < table.state.pilesInUse(PileList::Tableau); ++t)
          if (table.state.isFaceDown(table.state.piles.pile(PileList::Tableau, t).topCard())) table.turnTopCard(t);
        const std::vector<SolverMove> engine = engineMoves(table);
        const std::optional<std::vector<SolverMove>> spider = spiderMoves(SolverStart::of(table));
        ASSERT_TRUE(spider.has_value()) << name << " deal " << deal << " step " << step;
        ASSERT_EQ(asSet(*spider), asSet(engine)) << name << " deal " << deal << " step " << step;
        if (engine.empty() || table.wonCheck()) break;
        const auto pick = std::uniform_int_distribution<std::size_t>(0, engine.size() - 1)(random);
        ASSERT_TRUE(applyMove(table, engine[pick]));
      }
    }
  }
}

TEST_F(SpiderSearchKinds, TheLiftsAddToThePromisingMovesEveryLiftOfARunOffACardOfAnotherSuit) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  std::mt19937 random(21);
  const auto asTuples = [](const std::vector<SpiderMove>& moves) {
    std::set<std::tuple<int, int, int, int>> tuples;
    for (const SpiderMove& move : moves) tuples.insert({static_cast<int>(move.kind), move.from, move.to, move.slot});
    return tuples;
  };
  int lifts = 0;
  for (const char* name : kSpiderKinds) {
    const int game = indexOf(dat, name);
    ASSERT_GE(game, 0) << name;
    cli::SolverSession session(arguments(game), game);
    for (int deal = 1; deal <= kDealsPerKind; ++deal) {
      session.deal(std::to_string(deal));
      const SolverStart start = SolverStart::of(session.game());
      const std::optional<SpiderRules> rules = SpiderRules::of(start);
      ASSERT_TRUE(rules.has_value()) << name;
      SpiderPosition position(*rules, start.state);
      std::vector<SolverMove> steps;
      position.turnTops(steps);
      for (int step = 0; step < kStepsPerDeal; ++step) {
        std::vector<SpiderMove> promising, widened, every;
        position.moves(promising, SpiderMoveSet::Promising);
        position.moves(widened, SpiderMoveSet::PromisingAndLifts);
        position.moves(every, SpiderMoveSet::Every);
        const auto narrow = asTuples(promising), wide = asTuples(widened), all = asTuples(every);
        ASSERT_TRUE(std::includes(wide.begin(), wide.end(), narrow.begin(), narrow.end())) << name << " step " << step;
        ASSERT_TRUE(std::includes(all.begin(), all.end(), wide.begin(), wide.end())) << name << " step " << step;
        for (const SpiderMove& move : every) {
          if (move.kind != SpiderMove::Kind::Run || move.slot == 0 || move.slot == position.faceDown(move.from)) continue;
          const std::uint8_t under = position.at(move.from, move.slot - 1);
          const std::uint8_t card = position.at(move.from, move.slot);
          // Off a card it does not follow home: of another suit where runs go home in suit.
          if (rules->completes(under, card) || position.size(move.to) == 0) continue;
          ++lifts;
          EXPECT_TRUE(wide.contains({static_cast<int>(move.kind), move.from, move.to, move.slot}))
              << name << " step " << step;
        }
        if (every.empty() || position.won()) break;
        const auto pick = std::uniform_int_distribution<std::size_t>(0, every.size() - 1)(random);
        position.play(every[pick], steps);
      }
    }
  }
  EXPECT_GT(lifts, 0);
}

TEST_F(SpiderSearchKinds, KeysAndLinksKeptUpMoveByMoveEqualThoseReadAfresh) {
  // The position keeps each pile's hash and links up to date from the cards a
  // move changed; a position given the same cards at once must agree, after
  // moves, deals, runs home and undos alike.
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  std::mt19937 random(21);
  for (const char* name : kSpiderKinds) {
    const int game = indexOf(dat, name);
    ASSERT_GE(game, 0) << name;
    cli::SolverSession session(arguments(game), game);
    session.deal("3");
    const SolverStart start = SolverStart::of(session.game());
    const std::optional<SpiderRules> rules = SpiderRules::of(start);
    ASSERT_TRUE(rules.has_value()) << name;
    SpiderPosition played(*rules, start.state);
    std::vector<SolverMove> steps;
    std::vector<SpiderMove> moves;
    std::vector<std::pair<std::size_t, PositionKey128>> marks;
    for (int step = 0; step < kStepsPerDeal; ++step) {
      played.moves(moves, true);
      if (moves.empty()) break;
      if (!marks.empty() && std::uniform_int_distribution<int>(0, 3)(random) == 0) {
        played.undoTo(marks.back().first);
        const PositionKey128 before = marks.back().second;
        marks.pop_back();
        EXPECT_TRUE(played.key().high == before.high && played.key().low == before.low) << name << " step " << step;
      } else {
        marks.emplace_back(played.undoMark(), played.key());
        played.play(moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)], steps);
      }
      std::vector<std::uint8_t> bytes;
      played.encode(bytes);
      SpiderPosition fresh(*rules, start.state);
      fresh.decode(bytes);
      ASSERT_TRUE(played.key().high == fresh.key().high && played.key().low == fresh.key().low) << name << " step " << step;
      ASSERT_EQ(played.links(), fresh.links()) << name << " step " << step;
      ASSERT_EQ(played.naturalLinks(), fresh.naturalLinks()) << name << " step " << step;
    }
  }
}

TEST_F(SpiderSearchKinds, SolutionsReplayAndTheNodeBudgetAloneDecides) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  int won = 0;
  // Deals the search settles within the budget, won and lost; four-suit
  // Spider wins in the first of its rounds, on a quarter of the budget.
  const std::tuple<const char*, int, std::int64_t> deals[] = {{"Spider One Suit", 2, 24'000},
                                                             {"Simple Simon", 4, kNodesPerSolve},
                                                             {"Scorpion", 4, kNodesPerSolve},
                                                             {"Scorpion", 1, kNodesPerSolve},
                                                             {"Spider", 20, 40'000}};
  for (const auto& [name, deal, nodes] : deals) {
    const int game = indexOf(dat, name);
    cli::SolverSession session(arguments(game), game);
    session.deal(std::to_string(deal));
    const SolverStart start = SolverStart::of(session.game());
    const SolveResult first = solve(start, Budget{.nodes = nodes, .milliseconds = 600'000});
    const SolveResult again = solve(start, Budget{.nodes = nodes, .milliseconds = 6'000'000});
    EXPECT_NE(first.verdict, Verdict::Unknown) << name << " " << deal;
    EXPECT_EQ(first.verdict, again.verdict) << name << " " << deal;
    EXPECT_EQ(first.moves, again.moves) << name << " " << deal;
    EXPECT_EQ(first.nodes, again.nodes) << name << " " << deal;
    EXPECT_LE(first.nodes, nodes) << name << " " << deal;
    if (first.verdict == Verdict::Won) {
      ++won;
      EXPECT_TRUE(replayWins(start, first.moves)) << name << " " << deal;
    }
    // With no time the search ends at the first look at the clock.
    const SolveResult noTime = solve(start, Budget{.nodes = nodes, .milliseconds = 0});
    if (noTime.verdict != first.verdict) {
      EXPECT_EQ(noTime.verdict, Verdict::Unknown) << name << " " << deal;
    }
  }
  EXPECT_EQ(won, 4);
}

// Spiderette's deal 1136 is lost, and its promising moves run out after a few
// thousand positions. The passes that play only them again would spend some
// sixteen thousand more before the pass over every move proves the loss.
TEST_F(SpiderSearchKinds, ALostDealWhosePromisingMovesRunOutGoesStraightToTheProof) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  const int game = indexOf(dat, "Spiderette");
  cli::SolverSession session(arguments(game), game);
  session.deal("1136");
  const SolverStart start = SolverStart::of(session.game());
  const SolveResult result = solve(start, Budget{.nodes = 300'000, .milliseconds = 600'000});
  EXPECT_EQ(result.verdict, Verdict::Lost);
  EXPECT_LT(result.nodes, 15'000);
}

// The proof that some card never leaves its place must never hold on the way
// to a win: checked at every step of the wins the search finds on Spiderette
// deals, where all four suits are in play.
TEST_F(SpiderSearchKinds, NoPositionOnAWinningLineHasACardThatNeverLeaves) {
  const GamesDat dat = GamesDat::load(testing::builtGamesDat());
  const int game = indexOf(dat, "Spiderette");
  cli::SolverSession session(arguments(game), game);
  int steps = 0;
  for (const int deal : {1006, 1043, 1046}) {
    session.deal(std::to_string(deal));
    Game& table = session.game();
    const SolverStart start = SolverStart::of(table);
    // Deals the first pass wins within a few thousand positions.
    const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
    ASSERT_EQ(result.verdict, Verdict::Won) << deal;
    const std::optional<SpiderRules> rules = SpiderRules::of(start);
    ASSERT_TRUE(rules.has_value());
    for (const SolverMove& move : result.moves) {
      EXPECT_FALSE(someCardStranded(SpiderPosition(*rules, table.state))) << deal << " step " << steps;
      ASSERT_TRUE(applyMove(table, move)) << deal;
      ++steps;
    }
  }
  EXPECT_GT(steps, 300);
}

// Whether any sequence of the engine's moves wins: every face-up card onto
// every pile, every turn, the stock; each position, in full, searched once.
bool winnableByEveryMove(Game& game) {
  if (game.wonCheck()) return true;
  std::unordered_set<std::string> seen;
  auto encoded = [&game] {
    std::vector<std::uint8_t> bytes;
    encodePosition(game.state, game.redealCount(), bytes);
    return std::string(bytes.begin(), bytes.end());
  };
  std::vector<std::string> waiting{encoded()};
  seen.insert(waiting.front());
  GameState position = game.state;
  const int piles = game.state.pilesInUse(PileList::Tableau);
  while (!waiting.empty()) {
    const std::string bytes = std::move(waiting.back());
    waiting.pop_back();
    const int redeals = decodePosition(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), position);
    std::vector<SolverMove> moves{{SolverMove::Kind::Stock, kNoCard, kStockPile}};
    for (int pile = 0; pile < piles; ++pile) {
      moves.push_back({SolverMove::Kind::Turn, kNoCard, {PileList::Tableau, pile}});
      for (const std::uint8_t card : position.piles.pile(PileList::Tableau, pile).slots())
        for (int to = 0; to < piles; ++to) moves.push_back({SolverMove::Kind::Drop, card, {PileList::Tableau, to}});
    }
    for (const SolverMove& move : moves) {
      restore(game, position, redeals);
      if (!applyMove(game, move)) continue;
      if (game.wonCheck()) return true;
      if (std::string next = encoded(); seen.insert(next).second) waiting.push_back(std::move(next));
    }
  }
  return false;
}

std::string token(int card, bool faceUp) {
  std::string text = std::to_string(card);
  return std::string(3 - text.size(), '0') + text + (faceUp ? '1' : '0');
}

struct SpiderRuleSet {
  const char* name;
  int piles;
  int buildType;
  int emptyRank;
  int runRule;
  int rowFlag;
  int sequenceCode;
};

// Three suits home; the fourth dealt at random to the tableau, face down but
// for the top, and a short stock.
TEST(SpiderLostCheck, EveryVerdictOnSmallGamesAgreesWithAPlainExhaustiveSearch) {
  const SpiderRuleSet ruleSets[] = {
      // Kings alone fill a gap, any face-up cards move together, the stock
      // deals onto the first piles whatever the gaps.
      {"scorpion", 4, 0, 13, 0, 1, 83},
      // Any card fills a gap, runs of one suit move, the stock deals only
      // with no gap.
      {"spider", 4, 2, -1, 10, 2, 83},
      // Runs of any suits go home; the stock deals whatever the gaps.
      {"one suit", 4, 2, -1, 1, 1, 82},
  };
  std::mt19937 random(2027);
  for (const SpiderRuleSet& rules : ruleSets) {
    int won = 0;
    int lost = 0;
    for (int deal = 0; deal < kGamesPerRuleSet; ++deal) {
      TestTable table;
      table.set({{param::kTableauCount, rules.piles}, {param::kShowWaste, 0}, {param::kFoundationTakeBack, 0},
                 {param::kMultiCardMoveRule, rules.runRule}, {param::kAutoplayAvailable, 0}});
      for (int n = 0; n < kMaxTableau; ++n) {
        table.game.state.parameters[param::kTableauBuildTypeFirst + n] = static_cast<ParameterValue>(rules.buildType);
        table.game.state.parameters[param::kTableauBaseRankFirst + n] = static_cast<ParameterValue>(rules.emptyRank);
        table.game.state.parameters[param::kTableauRowDealFirst + n] =
            static_cast<ParameterValue>(n < 3 ? rules.rowFlag : 0);
      }
      for (int f = 0; f < kMaxFoundations; ++f) {
        table.game.state.parameters[param::kFoundationBaseRankFirst + f] = static_cast<ParameterValue>(rules.sequenceCode);
        table.game.state.parameters[param::kFoundationBuildTypeFirst + f] = 4;
      }
      const int suitLeft = std::uniform_int_distribution<int>(0, 3)(random);
      int foundation = 1;
      for (int suit = 0; suit < 4; ++suit) {
        if (suit == suitLeft) continue;
        std::string home;
        for (int rank = 1; rank <= 13; ++rank) home += token(suit * 13 + rank, true);
        table.lay("Dest" + std::to_string(foundation++), home);
      }
      std::vector<int> left;
      for (int rank = 1; rank <= 13; ++rank) left.push_back(suitLeft * 13 + rank);
      std::shuffle(left.begin(), left.end(), random);
      const int stockCards = std::uniform_int_distribution<int>(0, 4)(random);
      std::string stock;
      std::vector<std::vector<int>> tableau(static_cast<std::size_t>(rules.piles));
      for (std::size_t i = 0; i < left.size(); ++i) {
        if (static_cast<int>(i) < stockCards) {
          stock += token(left[i], false);
        } else {
          tableau[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, rules.piles - 1)(random))].push_back(left[i]);
        }
      }
      table.lay("Mazzo", stock);
      for (int n = 0; n < rules.piles; ++n) {
        const std::vector<int>& cards = tableau[static_cast<std::size_t>(n)];
        const int faceUp = std::uniform_int_distribution<int>(2, 4)(random);
        std::string tokens;
        for (std::size_t i = 0; i < cards.size(); ++i) tokens += token(cards[i], i + static_cast<std::size_t>(faceUp) >= cards.size());
        table.lay("Fila" + std::to_string(n + 1), tokens);
      }
      const SolverStart start = SolverStart::of(table.game);
      ASSERT_TRUE(spiderMoves(start).has_value()) << rules.name;
      const SolveResult result = solve(start, Budget{.nodes = 200'000, .milliseconds = 600'000});
      ASSERT_NE(result.verdict, Verdict::Unknown) << rules.name << " game " << deal;
      const bool winnable = winnableByEveryMove(table.game);
      std::string layout;
      for (const std::string pile : {"Mazzo", "Fila1", "Fila2", "Fila3", "Fila4"}) layout += " " + pile + "=" + table.tokens(pile);
      EXPECT_EQ(result.verdict == Verdict::Won, winnable)
          << rules.name << " game " << deal << ": the solver says " << verdictName(result.verdict) << ";" << layout;
      if (result.verdict == Verdict::Won) {
        EXPECT_TRUE(replayWins(start, result.moves)) << rules.name << " " << deal;
      }
      (result.verdict == Verdict::Won ? won : lost) += 1;
    }
    // The sample must hold both verdicts, or it checks nothing.
    EXPECT_GE(won, 1) << rules.name;
    EXPECT_GE(lost, 1) << rules.name;
    ::testing::Test::RecordProperty(std::string(rules.name) + "_lost", lost);
    ::testing::Test::RecordProperty(std::string(rules.name) + "_won", won);
  }
}

// Scorpion's rules on four piles: three suits home, hearts on the tableau.
TestTable scorpionTable(const std::vector<std::string>& piles) {
  TestTable table;
  table.set({{param::kTableauCount, 4}, {param::kShowWaste, 0}, {param::kFoundationTakeBack, 0},
             {param::kMultiCardMoveRule, 0}, {param::kAutoplayAvailable, 0}});
  for (int n = 0; n < kMaxTableau; ++n) {
    table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 0;
    table.game.state.parameters[param::kTableauBaseRankFirst + n] = 13;
  }
  for (int f = 0; f < kMaxFoundations; ++f) {
    table.game.state.parameters[param::kFoundationBaseRankFirst + f] = 83;
    table.game.state.parameters[param::kFoundationBuildTypeFirst + f] = 4;
  }
  for (int suit = 1; suit < 4; ++suit) {
    std::string home;
    for (int rank = 1; rank <= 13; ++rank) home += token(suit * 13 + rank, true);
    table.lay("Dest" + std::to_string(suit), home);
  }
  for (std::size_t n = 0; n < piles.size(); ++n) table.lay("Fila" + std::to_string(n + 1), piles[n]);
  return table;
}

std::string hearts(std::initializer_list<int> ranks, bool faceUp = true) {
  std::string tokens;
  for (const int rank : ranks) tokens += token(rank, faceUp);
  return tokens;
}

TEST(SpiderLostCheck, ACardThatWaitsForTheCardsItCoversLosesAtOnce) {
  struct Case {
    const char* what;
    std::vector<std::string> piles;
    bool lost;
  };
  const Case cases[] = {
      // The five of hearts goes nowhere but onto the six, face down beneath it.
      {"own pile", {hearts({6}, false) + hearts({5}), hearts({1, 2, 3, 4, 7}), hearts({8, 9, 10, 11, 12}), hearts({13})}, true},
      // The six lies face up elsewhere, but under the nine, which waits for
      // the ten face down under the five.
      {"two piles", {hearts({10}, false) + hearts({5}), hearts({6, 9}), hearts({1, 2, 3, 4, 7}), hearts({8, 11, 12, 13})}, true},
      // With a king face down under the five instead, the deal is won.
      {"king below", {hearts({13}, false) + hearts({5}), hearts({1, 2, 3, 4, 7}), hearts({8, 9, 10, 11, 12}), hearts({6})}, false},
      // A king on the six leaves with its run: nothing waits for ever.
      {"king above", {hearts({12}, false) + hearts({5}), hearts({6, 13}), hearts({1, 2, 3, 4, 7}), hearts({8, 9, 10, 11})}, false},
  };
  for (const Case& test : cases) {
    TestTable table = scorpionTable(test.piles);
    const SolverStart start = SolverStart::of(table.game);
    ASSERT_TRUE(spiderMoves(start).has_value()) << test.what;
    const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
    EXPECT_EQ(winnableByEveryMove(table.game), !test.lost) << test.what;
    EXPECT_EQ(result.verdict, test.lost ? Verdict::Lost : Verdict::Won) << test.what;
    if (test.lost) {
      EXPECT_EQ(result.nodes, 0) << test.what;
    }
  }
}

// Spiderette's rules on four piles: piles build regardless of suit, runs of
// one suit move, any card fills a gap; three suits home, hearts on the tableau.
TestTable spideretteTable(const std::vector<std::string>& piles) {
  TestTable table = scorpionTable(piles);
  table.game.state.parameters[param::kMultiCardMoveRule] = 10;
  for (int n = 0; n < kMaxTableau; ++n) {
    table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 2;
    table.game.state.parameters[param::kTableauBaseRankFirst + n] = -1;
  }
  return table;
}

TEST(SpiderLostCheck, ACardThatCanNeverLeaveItsPlaceLosesAtOnceWhereAnySuitBuilds) {
  struct Case {
    const char* what;
    std::vector<std::string> piles;
    bool lost;
  };
  const Case cases[] = {
      // The five may go onto the six, but every top card then waits on the
      // card it builds on, face down beneath it, and no pile ever clears.
      {"beneath",
       {hearts({13}, false) + hearts({12, 5}), hearts({11, 3}, false) + hearts({10}), hearts({9, 1}, false) + hearts({8}),
        hearts({7, 2, 4}, false) + hearts({6})},
       true},
      // The nine and eight go onto the ten and leave a gap, which frees all.
      {"gap",
       {hearts({13}, false) + hearts({12, 5}), hearts({11}, false) + hearts({10}), hearts({9, 8}),
        hearts({7, 2, 1, 4, 3}, false) + hearts({6})},
       false},
  };
  for (const Case& test : cases) {
    TestTable table = spideretteTable(test.piles);
    const SolverStart start = SolverStart::of(table.game);
    ASSERT_TRUE(spiderMoves(start).has_value()) << test.what;
    const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
    EXPECT_EQ(result.verdict, test.lost ? Verdict::Lost : Verdict::Won) << test.what;
    // A win replays through the engine; a loss the plain search confirms.
    if (test.lost) {
      EXPECT_EQ(result.nodes, 0) << test.what;
      EXPECT_FALSE(winnableByEveryMove(table.game)) << test.what;
    } else {
      EXPECT_TRUE(replayWins(start, result.moves)) << test.what;
    }
  }
}

TEST(SpiderRules, ReadsTheRankOfEveryCardOfBothPacksAsTheCardLibraryDoes) {
  for (int card = 1; card <= 2 * kCardsPerPack; ++card)
    EXPECT_EQ(SpiderRules::rank(static_cast<std::uint8_t>(card)), cardRank(card)) << card;
}

TEST(SpiderRuns, ACompleteRunGoesHomeOnlyWhenItsSuitsAreAsTheFoundationsAsk) {
  // King down to two of alternating suits on one pile, the ace of hearts on
  // another: the ace completes the run. Runs of any suits go home where the
  // foundations take them; where they take one suit only, nothing wins.
  for (const int sequenceCode : {82, 83}) {
    TestTable table;
    table.set({{param::kTableauCount, 2}, {param::kShowWaste, 0}, {param::kFoundationTakeBack, 0},
               {param::kMultiCardMoveRule, 1}, {param::kAutoplayAvailable, 0}});
    for (int n = 0; n < kMaxTableau; ++n) {
      table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 2;
      table.game.state.parameters[param::kTableauBaseRankFirst + n] = -1;
    }
    for (int f = 0; f < kMaxFoundations; ++f) {
      table.game.state.parameters[param::kFoundationBaseRankFirst + f] = static_cast<ParameterValue>(sequenceCode);
      table.game.state.parameters[param::kFoundationBuildTypeFirst + f] = 4;
    }
    std::string run;
    for (int rank = 13; rank >= 2; --rank) run += token((rank % 2 == 0 ? 26 : 39) + rank, true);
    table.lay("Fila1", run);
    table.lay("Fila2", token(1, true));
    int home = 1;
    for (int suit = 0; suit < 4; ++suit) {
      std::string cards;
      for (int rank = 1; rank <= 13; ++rank) {
        const int card = suit * 13 + rank;
        if (card != 1 && run.find(token(card, true)) == std::string::npos) cards += token(card, true);
      }
      // The cards that are neither in play nor a complete run stay out of the game.
      if (cards.size() == 13 * 4) table.lay("Dest" + std::to_string(home++), cards);
    }
    const SolverStart start = SolverStart::of(table.game);
    ASSERT_TRUE(spiderMoves(start).has_value()) << sequenceCode;
    const SolveResult result = solve(start, Budget{.nodes = 10'000, .milliseconds = 600'000});
    EXPECT_EQ(result.verdict, sequenceCode == 82 ? Verdict::Won : Verdict::Lost) << sequenceCode;
    if (result.verdict == Verdict::Won) {
      EXPECT_TRUE(replayWins(start, result.moves));
    }
  }
}

}  // namespace
}  // namespace quilloro::solver::spider_search_test
