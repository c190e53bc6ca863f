// A "lost" from the solver is a proof: on small games a plain exhaustive
// search, which knows none of the solver's shortcuts (safe plays, stock
// macros, interchangeable piles, move ordering), must agree with every verdict.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <unordered_set>
#include <string>

#include "engine/solver/fast_search.hpp"
#include "engine/solver/solver.hpp"
#include "engine/solver/solver_position.hpp"
#include "tests/engine/game_fixture.hpp"

namespace quilloro::solver::solver_lost_check_test {
namespace {

using testing::TestTable;

#ifdef QUILLORO_SMALL_SAMPLES
constexpr int kGamesPerRuleSet = 6;
// The sanitized build looks for faults in memory, not in verdicts: a game
// whose plain search would see more positions than this is not re-checked
// there (one lost endgame with cards coming back from the foundations sees
// 7,000, which take 20 s under the sanitizers). The normal build checks all.
constexpr std::size_t kMostPlainPositions = 2'000;
#else
constexpr int kGamesPerRuleSet = 80;
constexpr std::size_t kMostPlainPositions = std::numeric_limits<std::size_t>::max();
#endif
// Few enough for the plain search to see every position at once.
constexpr std::size_t kMostCardsLeft = 13;

// Whether any sequence of moves wins: every card of every pile tried on every
// pile, every turn, the stock; each position reached, in full (nothing is
// taken as equal to anything else), is searched once.
class ExhaustiveSearch {
 public:
  explicit ExhaustiveSearch(Game& game) : game_(game) {}

  // Nothing when the search would see more than kMostPlainPositions.
  std::optional<bool> winnable() {
    if (game_.wonCheck()) return true;
    std::vector<std::string> waiting{encoded()};
    seen_.insert(waiting.front());
    GameState position = game_.state;
    while (!waiting.empty()) {
      const std::string bytes = std::move(waiting.back());
      waiting.pop_back();
      const auto span = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      const int redeals = decodePosition(span, position);
      for (const SolverMove& move : everyMove(position)) {
        game_.state.piles = position.piles;
        game_.state.cards = position.cards;
        game_.setRedealCount(redeals);
        game_.setWon(false);
        if (!applyMove(game_, move)) continue;
        if (game_.wonCheck()) return true;
        std::string next = encoded();
        if (seen_.insert(next).second) waiting.push_back(std::move(next));
        if (seen_.size() > kMostPlainPositions) return std::nullopt;
      }
    }
    return false;
  }

  std::size_t positions() const { return seen_.size(); }

 private:
  // With passes without end the count of redeals changes nothing: it is left out.
  std::string encoded() const {
    std::vector<std::uint8_t> bytes;
    const bool endless = game_.state.parameters[param::kStockPasses] == -1;
    encodePosition(game_.state, endless ? 1 : game_.redealCount(), bytes);
    return {bytes.begin(), bytes.end()};
  }

  std::vector<SolverMove> everyMove(const GameState& state) const {
    std::vector<PileRef> targets;
    for (const PileList list : {PileList::Foundations, PileList::Tableau, PileList::Reserves})
      for (int index = 0; index < state.pilesInUse(list); ++index) targets.push_back({list, index});
    std::vector<CardNumber> cards;
    for (const PileRef pile : targets) {
      // A foundation never gives any card but its top one: trying the cards
      // under it only costs time (most in the sanitized build).
      if (pile.list == PileList::Foundations) {
        const auto slots = state.piles.pile(pile).slots();
        const auto top = std::find_if(slots.rbegin(), slots.rend(), [](std::uint8_t card) { return card != kNoCard; });
        if (top != slots.rend()) cards.push_back(*top);
        continue;
      }
      for (const std::uint8_t card : state.piles.pile(pile).slots())
        if (card != kNoCard && !state.isFaceDown(card)) cards.push_back(card);
    }
    if (const CardNumber top = state.piles.waste().topCard(); top != kNoCard) cards.push_back(top);
    std::vector<SolverMove> moves;
    for (const CardNumber card : cards)
      for (const PileRef target : targets) moves.push_back({SolverMove::Kind::Drop, card, target});
    for (int index = 0; index < state.pilesInUse(PileList::Tableau); ++index)
      moves.push_back({SolverMove::Kind::Turn, kNoCard, {PileList::Tableau, index}});
    moves.push_back({SolverMove::Kind::Stock, kNoCard, kStockPile});
    return moves;
  }

  Game& game_;
  std::unordered_set<std::string> seen_;
};

std::string token(int card, bool faceUp) {
  std::string text = std::to_string(card);
  return std::string(3 - text.size(), '0') + text + (faceUp ? '1' : '0');
}

// An endgame: every suit of every pack home from the base rank up to a
// random rank (at least lowestHome cards), the few cards left dealt at random
// to the stock (where there is one) and the tableau piles, face up but for
// the bottom card of some piles (and with hiddenShare, of as many cards above
// them). With intoReserve, some of them go to the first reserve.
void dealEndgame(TestTable& table, std::mt19937& random, bool withStock = true, int base = kAce,
                 std::size_t mostCardsLeft = kMostCardsLeft, int lowestHome = 8, int packs = 1,
                 bool hidden = true, bool intoReserve = false, double hiddenShare = 0.0) {
  std::vector<int> left;
  std::vector<std::string> foundations(static_cast<std::size_t>(4 * packs));
  // The k-th card of a foundation, from 0, turning from king to ace.
  auto rankAt = [base](int k) { return (base - 1 + k) % 13 + 1; };
  do {
    left.clear();
    for (int f = 0; f < 4 * packs; ++f) {
      const int first = (f / 4) * kCardsPerPack + (f % 4) * 13;
      const int home = std::uniform_int_distribution<int>(lowestHome, 13)(random);
      foundations[static_cast<std::size_t>(f)].clear();
      for (int k = 0; k < home; ++k) foundations[static_cast<std::size_t>(f)] += token(first + rankAt(k), true);
      for (int k = home; k < 13; ++k) left.push_back(first + rankAt(k));
    }
  } while (left.size() > mostCardsLeft);
  for (int f = 0; f < 4 * packs; ++f) table.lay("Dest" + std::to_string(f + 1), foundations[static_cast<std::size_t>(f)]);
  std::shuffle(left.begin(), left.end(), random);
  const int piles = table.game.state.pilesInUse(PileList::Tableau);
  std::vector<std::string> tableau(static_cast<std::size_t>(piles));
  // Piles holding face-down cards only, which may take another one.
  std::vector<bool> hiddenSoFar(static_cast<std::size_t>(piles), true);
  std::string stock;
  std::string reserve;
  for (const int card : left) {
    if (intoReserve && std::bernoulli_distribution(0.3)(random)) {
      reserve += token(card, true);
      continue;
    }
    const int where = std::uniform_int_distribution<int>(0, withStock ? piles : piles - 1)(random);
    if (where == piles) {
      stock += token(card, false);
    } else {
      std::string& pile = tableau[static_cast<std::size_t>(where)];
      const bool faceDown = pile.empty() ? hidden && std::bernoulli_distribution(0.3)(random)
                                         : hiddenSoFar[static_cast<std::size_t>(where)] && hiddenShare > 0.0 &&
                                               std::bernoulli_distribution(hiddenShare)(random);
      hiddenSoFar[static_cast<std::size_t>(where)] = faceDown;
      pile += token(card, !faceDown);
    }
  }
  table.lay("Mazzo", stock);
  if (intoReserve) table.lay("Appogg1", reserve);
  for (int n = 0; n < piles; ++n) table.lay("Fila" + std::to_string(n + 1), tableau[static_cast<std::size_t>(n)]);
}

struct RuleSet {
  const char* name;
  std::initializer_list<std::pair<int, int>> parameters;
  // No stock: the fast search of the plain building games decides these.
  bool withStock = true;
  // The rank every foundation starts from.
  int base = kAce;
  // Parameters given for every tableau pile and every reserve.
  std::initializer_list<std::pair<int, int>> eachTableau = {};
  std::initializer_list<std::pair<int, int>> eachReserve = {};
  // Fewer cards where the plain search would see too many positions.
  std::size_t mostCardsLeft = kMostCardsLeft;
  // So many cards of every suit are home at least.
  int lowestHome = 8;
  int packs = 1;
  // The bottom cards of some piles lie face down.
  bool hidden = true;
  // Some of the cards left lie on the first reserve.
  bool intoReserve = false;
  // How often a card dealt onto face-down cards lies face down too.
  double hiddenShare = 0.0;
};
// The rule sets of wide spaces and rows dealt from the stock.
constexpr std::size_t kFewCardsLeft = 10;

TEST(SolverLostCheck, EveryVerdictOnSmallGamesAgreesWithAPlainExhaustiveSearch) {
  const RuleSet ruleSets[] = {
      // Endless stock one card a click, cards may come back from the foundations.
      {"klondike", {{param::kTableauCount, 3}}},
      // Three cards a click and two passes: the split of stock and waste counts.
      {"by threes", {{param::kTableauCount, 3}, {param::kCardsPerClick, 3}, {param::kStockPasses, 2},
                     {param::kFoundationTakeBack, 0}}},
      // Three cards a click and no end of redeals: the splits one round of
      // clicks comes back to count as one.
      {"threes endless", {{param::kTableauCount, 3}, {param::kCardsPerClick, 3}, {param::kFoundationTakeBack, 0}}},
      // One pass, a reserve, tableau building in suit, empty piles taking nothing.
      {"reserves", {{param::kTableauCount, 3}, {param::kStockPasses, 1}, {param::kReserveCount, 1},
                    {param::kFoundationTakeBack, 0}}},
      // A free cell, building in suit, runs as long as the cells and empty
      // piles allow.
      {"free cells", {{param::kTableauCount, 3}, {param::kReserveCount, 1}, {param::kFoundationTakeBack, 0},
                      {param::kMaxCardsMoved, -5}},
       false},
      // Kings on empty piles, any face-up cards move together, in suit.
      {"any run", {{param::kTableauCount, 2}, {param::kFoundationTakeBack, 0}, {param::kMultiCardMoveRule, 0}},
       false},
      // Empty piles take nothing and cards move one at a time: kings never
      // leave their piles but for home.
      {"kings stay", {{param::kTableauCount, 3}, {param::kFoundationTakeBack, 0}, {param::kMaxCardsMoved, 1}}, false},
      // The stock deals a card onto every pile; any card fills a space.
      {"rows", {{param::kTableauCount, 3}, {param::kShowWaste, 0}, {param::kStockPasses, 1}, {param::kFoundationTakeBack, 0}},
       true, kAce, {{param::kTableauRowDealFirst, 1}, {param::kTableauBaseRankFirst, -1}}, {}, kFewCardsLeft},
      // Any suit but the card's own, one pass, kings fill a space.
      {"other suit", {{param::kTableauCount, 3}, {param::kStockPasses, 1}, {param::kFoundationTakeBack, 0}},
       true, kAce, {{param::kTableauBuildTypeFirst, 21}}, {}, kFewCardsLeft},
      // One rank up or down onto piles of fewer than three cards; no space is filled.
      {"neighbours", {{param::kTableauCount, 4}, {param::kFoundationTakeBack, 0}, {param::kMaxCardsMoved, 1}},
       false, kAce, {{param::kTableauBuildTypeFirst, 26}, {param::kTableauBaseRankFirst, 0}}, {}, kFewCardsLeft},
      // Foundations from the fives, piles building past the base, one card
      // at a time.
      {"past the base", {{param::kTableauCount, 3}, {param::kStockPasses, 2}, {param::kMaxCardsMoved, 1},
                         {param::kFoundationTakeBack, 0}},
       true, 5, {{param::kTableauBuildTypeFirst, 2}, {param::kTableauPassBaseFirst, 1}, {param::kTableauBaseRankFirst, 4}},
       {}, kFewCardsLeft},
      // Foundations from the nines; the stock deals onto two reserves that
      // take nothing; a space takes an eight.
      {"reserve rows", {{param::kTableauCount, 3}, {param::kShowWaste, 0}, {param::kStockPasses, 1},
                        {param::kReserveCount, 2}, {param::kFoundationTakeBack, 0}},
       true, 9, {{param::kTableauPassBaseFirst, 1}, {param::kTableauBaseRankFirst, 8}},
       {{param::kReserveTypeFirst, 4}, {param::kReserveRowDealFirst, 1}}, kFewCardsLeft},
      // No stock, one card at a time, any card on any card a rank higher and
      // on an empty pile, no waste, hidden cards under some piles: searched
      // best first.
      {"one by one",
       {{param::kTableauCount, 3}, {param::kFoundationTakeBack, 0}, {param::kMaxCardsMoved, 1}, {param::kShowWaste, 0}},
       false, kAce, {{param::kTableauBuildTypeFirst, 2}, {param::kTableauBaseRankFirst, -1}}},
      // Klondike with the low cards in play: aces, twos and threes go
      // home unasked though cards come back from the foundations.
      {.name = "klondike low",
       .parameters = {{param::kTableauCount, 3}},
       .mostCardsLeft = kFewCardsLeft,
       .lowestHome = 0},
      // Several face-down cards a pile, which some deals bury for good.
      {.name = "klondike buried",
       .parameters = {{param::kTableauCount, 3}},
       .mostCardsLeft = kFewCardsLeft,
       .hiddenShare = 0.6},
      {.name = "yukon buried",
       .parameters = {{param::kTableauCount, 2}, {param::kMultiCardMoveRule, 0}},
       .withStock = false,
       .mostCardsLeft = kFewCardsLeft,
       .hiddenShare = 0.6},
      // Two packs, one pass, one card at a time, in suit, any card fills a
      // space: both copies of a card may go home or wait.
      {.name = "two packs",
       .parameters = {{param::kTableauCount, 2}, {param::kCardsInPlay, 104}, {param::kFoundationCount, 8},
                      {param::kStockPasses, 1}, {param::kMaxCardsMoved, 1}, {param::kFoundationTakeBack, 0}},
       .eachTableau = {{param::kTableauBuildTypeFirst, 0}, {param::kTableauBaseRankFirst, -1}},
       .mostCardsLeft = kFewCardsLeft,
       .packs = 2},
      // Two packs, rows dealt from the stock, runs in suit, kings fill a space.
      {.name = "two packs rows",
       .parameters = {{param::kTableauCount, 2}, {param::kCardsInPlay, 104}, {param::kFoundationCount, 8},
                      {param::kShowWaste, 0}, {param::kStockPasses, 1}, {param::kFoundationTakeBack, 0}},
       .eachTableau = {{param::kTableauRowDealFirst, 1}, {param::kTableauBuildTypeFirst, 0}},
       .mostCardsLeft = kFewCardsLeft,
       .packs = 2},
      // Two packs, two passes, runs in alternate colours, kings fill a space.
      {.name = "two packs two passes",
       .parameters = {{param::kTableauCount, 3}, {param::kCardsInPlay, 104}, {param::kFoundationCount, 8},
                      {param::kStockPasses, 2}, {param::kFoundationTakeBack, 0}},
       .eachTableau = {{param::kTableauBaseRankFirst, 13}},
       .mostCardsLeft = kFewCardsLeft,
       .packs = 2},
      // Every card face up, no stock, building in suit, kings filling a
      // space, cards coming back from the foundations: best first without
      // them, then depth first with them.
      {.name = "open take back",
       .parameters = {{param::kTableauCount, 3}},
       .withStock = false,
       .eachTableau = {{param::kTableauBuildTypeFirst, 0}, {param::kTableauBaseRankFirst, kKing}},
       .mostCardsLeft = kFewCardsLeft,
       .hidden = false},
      // Canfield's reserve, which fills every space at once, with three
      // cards a click without end, cards back from the foundations, and
      // foundations from the sixes; two piles, or nearly every game wins.
      // (With piles building round past the base as well, every card could
      // come back into play: too many positions for the plain search.)
      {.name = "reserve fills",
       .parameters = {{param::kTableauCount, 2}, {param::kCardsPerClick, 3}, {param::kReserveCount, 1},
                      {param::kAutoFillTableau, 1}},
       .base = 6,
       .eachTableau = {{param::kTableauBuildTypeFirst, 3}, {param::kTableauBaseRankFirst, -1}},
       .eachReserve = {{param::kReserveTypeFirst, 4}},
       .mostCardsLeft = kFewCardsLeft,
       .intoReserve = true},
      // The same reserve with one card a click, two passes, nothing back from
      // the foundations, piles building round past the base.
      {.name = "reserve fills, two passes",
       .parameters = {{param::kTableauCount, 2}, {param::kStockPasses, 2}, {param::kReserveCount, 1},
                      {param::kAutoFillTableau, 1}, {param::kFoundationTakeBack, 0}},
       .base = 6,
       .eachTableau = {{param::kTableauBuildTypeFirst, 3}, {param::kTableauPassBaseFirst, 1},
                       {param::kTableauBaseRankFirst, -1}},
       .eachReserve = {{param::kReserveTypeFirst, 4}},
       .mostCardsLeft = kFewCardsLeft,
       .intoReserve = true},
      // Klondike by Threes: three cards a click without end, cards back
      // from the foundations.
      {.name = "threes take back",
       .parameters = {{param::kTableauCount, 3}, {param::kCardsPerClick, 3}},
       .mostCardsLeft = kFewCardsLeft},
      // The reserve rows over piles with several face-down cards, which some
      // deals bury for good.
      {.name = "reserve rows buried",
       .parameters = {{param::kTableauCount, 3}, {param::kShowWaste, 0}, {param::kStockPasses, 1},
                      {param::kReserveCount, 2}, {param::kFoundationTakeBack, 0}},
       .base = 9,
       .eachTableau = {{param::kTableauPassBaseFirst, 1}, {param::kTableauBaseRankFirst, 8}},
       .eachReserve = {{param::kReserveTypeFirst, 4}, {param::kReserveRowDealFirst, 1}},
       .mostCardsLeft = kFewCardsLeft,
       .hiddenShare = 0.6},
      // The same with cards stacked on the first reserve, under the rows
      // the stock deals: a reserve card leaves only once bare.
      {.name = "reserve rows stacked",
       .parameters = {{param::kTableauCount, 3}, {param::kShowWaste, 0}, {param::kStockPasses, 1},
                      {param::kReserveCount, 2}, {param::kFoundationTakeBack, 0}},
       .base = 9,
       .eachTableau = {{param::kTableauPassBaseFirst, 1}, {param::kTableauBaseRankFirst, 8}},
       .eachReserve = {{param::kReserveTypeFirst, 4}, {param::kReserveRowDealFirst, 1}},
       .mostCardsLeft = kFewCardsLeft,
       .intoReserve = true,
       .hiddenShare = 0.4},
  };
  std::mt19937 random(2026);
  for (const RuleSet& rules : ruleSets) {
    int won = 0;
    int lost = 0;
    for (int deal = 0; deal < kGamesPerRuleSet; ++deal) {
      TestTable table;
      table.set(rules.parameters);
      const std::string name = rules.name;
      for (int n = 0; n < kMaxTableau; ++n) {
        if (name == "reserves" || name == "any run" || name == "free cells")
          table.game.state.parameters[param::kTableauBuildTypeFirst + n] = 0;
        if (name == "reserves" || name == "kings stay") table.game.state.parameters[param::kTableauBaseRankFirst + n] = 0;
        for (const auto& [first, value] : rules.eachTableau)
          table.game.state.parameters[first + n] = static_cast<ParameterValue>(value);
      }
      for (int r = 0; r < kMaxReserves; ++r)
        for (const auto& [first, value] : rules.eachReserve)
          table.game.state.parameters[first + r] = static_cast<ParameterValue>(value);
      for (int f = 0; f < kMaxFoundations; ++f)
        table.game.state.parameters[param::kFoundationBaseRankFirst + f] = static_cast<ParameterValue>(rules.base);
      dealEndgame(table, random, rules.withStock, rules.base, rules.mostCardsLeft, rules.lowestHome, rules.packs,
                  rules.hidden, rules.intoReserve, rules.hiddenShare);
      const SolverStart start = SolverStart::of(table.game);
      // The rule sets given per pile are all the fast search's own.
      if (!rules.withStock || rules.eachTableau.size() > 0) {
        ASSERT_TRUE(fastMoves(start).has_value()) << rules.name;
      }
      const SolveResult result = solve(start, Budget{.nodes = 100'000, .milliseconds = 600'000});
      std::string layout;
      for (const std::string pile : {"Mazzo", "Mazzo_Vis", "Dest1", "Dest2", "Dest3", "Dest4", "Fila1", "Fila2",
                                     "Fila3", "Fila4", "Appogg1", "Appogg2"})
        layout += " " + pile + "=" + table.tokens(pile);
      ASSERT_NE(result.verdict, Verdict::Unknown) << rules.name << " game " << deal << ";" << layout;
      ExhaustiveSearch check(table.game);
      const std::optional<bool> winnable = check.winnable();
      if (winnable) {
        EXPECT_EQ(result.verdict == Verdict::Won, *winnable)
            << rules.name << " game " << deal << ": the solver says " << verdictName(result.verdict)
            << ", the exhaustive search saw " << check.positions() << " positions;" << layout;
      }
      if (result.verdict == Verdict::Won) {
        EXPECT_TRUE(replayWins(start, result.moves)) << rules.name << " " << deal;
      }
      (result.verdict == Verdict::Won ? won : lost) += 1;
    }
    // The sample must hold both verdicts, or it checks nothing.
    EXPECT_GE(won, kGamesPerRuleSet / 20) << rules.name;
    EXPECT_GE(lost, kGamesPerRuleSet / 20) << rules.name;
    ::testing::Test::RecordProperty(std::string(rules.name) + "_lost", lost);
  }
}

TEST(SolverRepeatable, TheNodeBudgetDecidesAndTheTimeOnlyCutsShort) {
  // The same deal with the same positions twice, once with far more time: the
  // same verdict and the same moves; and with no time at all, cut short.
  TestTable table;
  table.set({{param::kTableauCount, 4}, {param::kStockPasses, 2}, {param::kCardsPerClick, 3}});
  std::mt19937 random(7);
  for (int deal = 0; deal < 6; ++deal) {
    dealEndgame(table, random);
    if (table.game.wonCheck()) continue;
    const SolverStart start = SolverStart::of(table.game);
    const SolveResult first = solve(start, Budget{.nodes = 400, .milliseconds = 600'000});
    const SolveResult second = solve(start, Budget{.nodes = 400, .milliseconds = 6'000'000});
    EXPECT_EQ(first.verdict, second.verdict) << deal;
    EXPECT_EQ(first.moves, second.moves) << deal;
    EXPECT_EQ(first.nodes, second.nodes) << deal;
    EXPECT_FALSE(first.outOfTime);
    const SolveResult noTime = solve(start, Budget{.nodes = 400, .milliseconds = 0});
    EXPECT_EQ(noTime.verdict, Verdict::Unknown) << deal;
    EXPECT_TRUE(noTime.outOfTime) << deal;
  }
}

}  // namespace
}  // namespace quilloro::solver::solver_lost_check_test
