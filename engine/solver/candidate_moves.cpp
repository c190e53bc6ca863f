// Generating the solver's candidate moves and scoring positions.
#include "engine/solver/candidate_moves.hpp"

#include <algorithm>
#include <array>

#include "engine/build_types.hpp"

namespace quilloro::solver {

namespace {

constexpr int kBuriedWeight = 4;
constexpr int kStockCardWeight = 10;

constexpr int kFamilyPokerGrid = 9;
// The multi-card move rule that lets only runs of one suit move together.
constexpr int kRunsInSuit = 10;
// The tableau row deal that waits until no pile is empty.
constexpr int kRowOnlyOntoFilledPiles = 2;

struct Source {
  PileRef pile;
  CardNumber card;
};

// The cards that may be lifted: top cards, and deeper cards where the pile
// lets a run go with them. Going down a pile stops at the first card that
// may not be taken: every card below it carries the same fault and more.
void liftableCards(const Game& game, const MoveRules& rules, PileRef pile, std::vector<Source>& out) {
  const Pile& cards = game.state.piles.pile(pile);
  for (int slot = cards.cardCount() - 1; slot >= 0; --slot) {
    const CardNumber card = cards.at(slot);
    if (card == kNoCard) {
      if (slot == cards.cardCount() - 1) continue;
      break;
    }
    if (!rules.mayTake(pile, card)) {
      if (pile.list == PileList::Reserves) continue;  // fanned reserves: any card may be free
      break;
    }
    out.push_back({pile, card});
    if (pile.list != PileList::Tableau && pile.list != PileList::Reserves) break;
  }
}

std::vector<PileRef> inUse(const Game& game, PileList list) {
  std::vector<PileRef> piles;
  const int count = std::clamp(game.state.pilesInUse(list), 0, pileListSize(list));
  for (int index = 0; index < count; ++index)
    if (game.isPlaced({list, index})) piles.push_back({list, index});
  return piles;
}

void selectionMoves(const Game& game, std::vector<SolverMove>& moves) {
  const GameState& state = game.state;
  auto add = [&moves](CardNumber card) {
    if (card != kNoCard) moves.push_back({SolverMove::Kind::Select, card, {}});
  };
  for (const PileRef pile : inUse(game, PileList::Tableau))
    for (const std::uint8_t card : state.piles.pile(pile).slots()) add(card);
  for (const PileRef pile : inUse(game, PileList::Reserves)) add(state.piles.pile(pile).topCard());
  add(state.piles.waste().topCard());
  add(state.piles.stock().topCard());
}

}  // namespace

std::vector<SolverMove> candidateMoves(const Game& game, const MoveOptions& options) {
  const GameState& state = game.state;
  const MoveRules rules = game.rules();
  std::vector<SolverMove> moves;
  // Pairing games take a press as a selection first; only click-to-select
  // games have no other way of moving a card.
  const bool byClick = state.parameters[param::kSelectByClick] != 0;
  if (game.selectionGame()) selectionMoves(game, moves);

  const std::vector<PileRef> foundations = inUse(game, PileList::Foundations);
  const std::vector<PileRef> tableau = inUse(game, PileList::Tableau);
  const std::vector<PileRef> reserves = inUse(game, PileList::Reserves);

  std::vector<Source> sources;
  std::vector<Source> takeBacks;
  if (!byClick) {
    for (const PileRef pile : tableau) liftableCards(game, rules, pile, sources);
    liftableCards(game, rules, kWastePile, sources);
    for (const PileRef pile : reserves) liftableCards(game, rules, pile, sources);
    if (!game.selectionGame())
      for (const PileRef pile : foundations) liftableCards(game, rules, pile, takeBacks);
  }

  // The run travels with the card: computed once per source, not per target.
  std::vector<std::vector<CardNumber>> runs;
  auto runOf = [&rules](const Source& source) {
    std::vector<CardNumber> run = rules.runFromCard(source.card);
    if (run.empty()) run = {source.card};
    return run;
  };
  auto tryDrop = [&](const Source& source, const std::vector<CardNumber>& run, PileRef target) {
    if (target == source.pile) return;
    bool allowed = false;
    switch (target.list) {
      case PileList::Stock:
        allowed = run.size() == 1 && (target.index == kWasteIndex
                                          ? rules.mayDropOnWaste(source.card)
                                          : rules.mayDropOnDiscard(source.card) == DiscardVerdict::Accepted);
        break;
      case PileList::Foundations:
        allowed = rules.mayDropOnFoundation(target.index, run.front(), static_cast<int>(run.size()));
        break;
      case PileList::Tableau: allowed = rules.mayDropOnTableau(target.index, run); break;
      case PileList::Reserves:
        allowed = rules.mayDropOnReserve(target.index, run.front(), static_cast<int>(run.size()));
        break;
    }
    if (allowed) moves.push_back({SolverMove::Kind::Drop, source.card, target});
  };
  for (const Source& source : sources) runs.push_back(runOf(source));

  const int family = state.parameters[param::kGameFamily];
  const bool discardFamily = family == 2 || family == 12 || family == 15;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const Source& source = sources[i];
    if (options.wasteByMacro && source.pile == kWastePile) continue;
    const bool top = state.piles.pile(source.pile).topCard() == source.card;
    if (!top) continue;
    for (const PileRef target : foundations) tryDrop(source, runs[i], target);
    if (discardFamily && source.pile.list == PileList::Tableau)
      tryDrop(source, runs[i], {PileList::Stock, kDiscardIndex});
  }
  for (const PileRef pile : tableau) {
    const CardNumber top = state.piles.pile(pile).topCard();
    if (state.isFaceDown(top)) moves.push_back({SolverMove::Kind::Turn, top, pile});
  }
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const Source& source = sources[i];
    if (options.wasteByMacro && source.pile == kWastePile) continue;
    for (const PileRef target : tableau) tryDrop(source, runs[i], target);
    if (source.pile.list != PileList::Reserves)
      for (const PileRef target : reserves) tryDrop(source, runs[i], target);
    if (source.pile.list != PileList::Stock && state.parameters[param::kWasteNeverTarget] != 4 &&
        state.parameters[param::kWasteTakesNeighbours] == 2)
      tryDrop(source, runs[i], kWastePile);
  }
  if (!state.piles.stock().empty() || state.piles.waste().cardCount() >= 2 ||
      state.parameters[param::kRedealReshuffles] == 1 || byClick || options.wasteByMacro)
    moves.push_back({SolverMove::Kind::Stock, kNoCard, kStockPile});
  for (const Source& source : takeBacks) {
    const std::vector<CardNumber> run = runOf(source);
    for (const PileRef target : tableau) tryDrop(source, run, target);
    for (const PileRef target : reserves) tryDrop(source, run, target);
  }
  return moves;
}

std::vector<SolverMove> wasteDrops(const Game& game) {
  const GameState& state = game.state;
  const MoveRules rules = game.rules();
  std::vector<SolverMove> moves;
  const CardNumber card = state.piles.waste().topCard();
  if (card == kNoCard || !rules.mayTake(kWastePile, card)) return moves;
  for (const PileList list : {PileList::Foundations, PileList::Tableau, PileList::Reserves}) {
    for (const PileRef target : inUse(game, list)) {
      const bool allowed = list == PileList::Foundations ? rules.mayDropOnFoundation(target.index, card)
                           : list == PileList::Tableau   ? rules.mayDropOnTableau(target.index, {card})
                                                         : rules.mayDropOnReserve(target.index, card);
      if (allowed) moves.push_back({SolverMove::Kind::Drop, card, target});
    }
  }
  return moves;
}

bool wasteByMacroSuits(const GameParameters& p) {
  return p[param::kShowWaste] == 1 && p[param::kRedealReshuffles] != 1 && p[param::kAutoFillTableau] != 2 &&
         p[param::kWasteTakesNeighbours] != 2 && p[param::kSelectByClick] == 0;
}

bool safePlaySuits(const GameParameters& p) {
  const int foundations = std::clamp<int>(p[param::kFoundationCount], 0, kMaxFoundations);
  const int tableau = std::clamp<int>(p[param::kTableauCount], 0, kMaxTableau);
  const int packs = std::max(1, p[param::kCardsInPlay] / kCardsPerPack);
  // One foundation per suit and pack, each taking its suit from the ace up.
  if (foundations == 0 || foundations != 4 * packs || p[param::kSelectByClick] != 0 || p[param::kGameFamily] != 0)
    return false;
  for (int i = 0; i < foundations; ++i)
    if (p[param::kFoundationBaseRankFirst + i] != 1 || p[param::kFoundationDirectionFirst + i] <= 0 ||
        p[param::kFoundationBuildTypeFirst + i] != 0)
      return false;
  // Only the tableau builds on cards, downward, by one of the plain rules.
  if (p[param::kWasteTakesNeighbours] == 2 || tableau == 0) return false;
  const int build = p[param::kTableauBuildTypeFirst];
  if (build != build_type::kSameSuit && build != build_type::kSameColour && build != build_type::kAnySuit && build != build_type::kAlternateColour)
    return false;
  for (int n = 0; n < tableau; ++n)
    if (p[param::kTableauDirectionFirst + n] > 0 || p[param::kTableauPassBaseFirst + n] > 0 ||
        p[param::kTableauBuildTypeFirst + n] != build)
      return false;
  return true;
}

bool homeCardsReturn(const GameParameters& p) {
  return p[param::kFoundationTakeBack] == 1 || p[param::kFoundationTakeBack] == 2;
}

std::optional<SolverMove> safeFoundationMove(const Game& game, CardNumber keepOut) {
  const GameState& state = game.state;
  const int foundations = std::clamp(state.pilesInUse(PileList::Foundations), 0, kMaxFoundations);
  // How many cards of each suit and rank lie on the foundations.
  std::array<std::array<int, 14>, 4> home{};
  for (int i = 0; i < foundations; ++i)
    for (const std::uint8_t card : state.piles.pile(PileList::Foundations, i).slots())
      if (card != kNoCard) ++home[static_cast<std::size_t>(cardSuit(card))][static_cast<std::size_t>(cardRank(card))];
  const int perRank = std::max(1, state.parameters[param::kCardsInPlay] / kCardsPerPack);
  const int build = state.parameters[param::kTableauBuildTypeFirst];
  auto allHome = [&](int suit, int rank) {
    return home[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)] >= perRank;
  };
  // A card may go home whenever it is free once every card a rank below it in its suit is home.
  auto homeable = [&](int suit, int rank) { return rank == kAce || allHome(suit, rank - 1); };
  // Hearts and diamonds, the first two suits, are the red ones.
  auto red = [](int suit) { return suit < 2; };
  auto builds = [build, red](int base, int moving) {
    switch (build) {
      case build_type::kSameSuit: return base == moving;
      case build_type::kSameColour: return red(base) == red(moving);
      case build_type::kAlternateColour: return red(base) != red(moving);
      default: return true;
    }
  };
  // A card is needed nowhere but at home when every card that could be built
  // on it is home already, or could go home whenever free and is itself
  // needed nowhere else: playing it home then never spoils a win.
  std::array<std::array<std::int8_t, 14>, 4> known{};
  auto dispensable = [&](auto& self, int suit, int rank) -> bool {
    std::int8_t& answer = known[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
    if (answer != 0) return answer > 0;
    bool result = true;
    for (int other = 0; other < 4 && result && rank > kAce; ++other)
      if (builds(suit, other) && !allHome(other, rank - 1))
        result = homeable(other, rank - 1) && self(self, other, rank - 1);
    answer = result ? 1 : -1;
    return result;
  };
  const MoveRules rules = game.rules();
  auto consider = [&](PileRef pile) -> std::optional<SolverMove> {
    const CardNumber card = state.piles.pile(pile).topCard();
    if (card == kNoCard || card == keepOut || state.isFaceDown(card)) return std::nullopt;
    if (!dispensable(dispensable, static_cast<int>(cardSuit(card)), cardRank(card))) return std::nullopt;
    if (!rules.mayTake(pile, card)) return std::nullopt;
    for (int i = 0; i < foundations; ++i)
      if (game.isPlaced({PileList::Foundations, i}) && rules.mayDropOnFoundation(i, card))
        return SolverMove{SolverMove::Kind::Drop, card, {PileList::Foundations, i}};
    return std::nullopt;
  };
  for (const PileRef pile : inUse(game, PileList::Tableau))
    if (auto move = consider(pile)) return move;
  for (const PileRef pile : inUse(game, PileList::Reserves))
    if (auto move = consider(pile)) return move;
  return consider(kWastePile);
}

int positionScore(const Game& game) {
  const GameState& state = game.state;
  const int tableau = std::clamp(state.pilesInUse(PileList::Tableau), 0, kMaxTableau);
  // The poker grid is won once every one of its piles holds a card.
  if (state.parameters[param::kGameFamily] == kFamilyPokerGrid) {
    int filled = 0;
    for (int n = 0; n < tableau; ++n) filled += state.piles.pile(PileList::Tableau, n).topCard() != kNoCard ? 1 : 0;
    return 100 * filled;
  }
  const bool selection = game.selectionGame();
  int played = state.piles.discard().cardCount();
  const int foundations = std::clamp(state.pilesInUse(PileList::Foundations), 0, kMaxFoundations);
  for (int i = selection ? 1 : 0; i < foundations; ++i) played += state.piles.pile(PileList::Foundations, i).cardCount();

  int faceDown = 0;
  int breaks = 0;
  int emptyPiles = 0;
  // Where only runs of one suit move together, a change of suit splits a run
  // almost as badly as a card out of sequence.
  const int suitBreak = state.parameters[param::kMultiCardMoveRule] == kRunsInSuit ? 3 : 1;
  for (int n = 0; n < tableau; ++n) {
    const Pile& pile = state.piles.pile(PileList::Tableau, n);
    if (pile.empty()) ++emptyPiles;
    const bool upward = state.parameters[param::kTableauDirectionFirst + n] > 0;
    for (int slot = 0; slot < pile.cardCount(); ++slot) {
      const CardNumber card = pile.at(slot);
      if (card == kNoCard) continue;
      if (state.isFaceDown(card)) {
        ++faceDown;
        continue;
      }
      if (slot == 0) continue;
      const CardNumber below = pile.at(slot - 1);
      if (below == kNoCard || state.isFaceDown(below)) continue;
      const int step = cardRank(card) - cardRank(below);
      if (step != (upward ? 1 : -1)) {
        breaks += 2;
      } else if (cardSuit(card) != cardSuit(below)) {
        breaks += suitBreak;
      }
    }
  }
  // The lowest cards still in play are the next to go home: every card
  // above one of them must move first. Not so where only whole sequences go
  // home.
  const int base = state.parameters[param::kFoundationBaseRankFirst];
  const bool wholeSequences = base == base_code::kSequencesOnly || base == base_code::kSuitSequencesOnly;
  int lowest = 14;
  for (int n = 0; n < tableau; ++n)
    for (const std::uint8_t card : state.piles.pile(PileList::Tableau, n).slots())
      if (card != kNoCard) lowest = std::min(lowest, cardRank(card));
  int buried = 0;
  for (int n = 0; n < tableau && !wholeSequences; ++n) {
    const Pile& pile = state.piles.pile(PileList::Tableau, n);
    for (int slot = 0; slot < pile.cardCount(); ++slot) {
      if (pile.at(slot) != kNoCard && cardRank(pile.at(slot)) <= lowest + 1) {
        buried += pile.cardCount() - 1 - slot;
        break;
      }
    }
  }
  int freeReserves = 0;
  const int reserves = std::clamp(state.pilesInUse(PileList::Reserves), 0, kMaxReserves);
  for (int r = 0; r < reserves; ++r)
    if (state.piles.pile(PileList::Reserves, r).empty()) ++freeReserves;
  // A stock without a waste deals its cards onto the table, covering what is
  // there: each card still to come counts against, but less than a hidden
  // card, so that a deal is worth a little more than moves that change nothing.
  const bool dealsRows = state.parameters[param::kShowWaste] == 0 && state.parameters[param::kTableauRowDealFirst] != 0;
  const int toDeal = dealsRows ? state.piles.stock().cardCount() : 0;
  // A row that waits until every pile holds a card makes an empty pile a
  // hindrance rather than a help while cards are still to come.
  if (toDeal > 0 && state.parameters[param::kTableauRowDealFirst] == kRowOnlyOntoFilledPiles) emptyPiles = 0;
  return 100 * played - 30 * faceDown - 5 * breaks - kBuriedWeight * buried + 20 * emptyPiles + 10 * freeReserves -
         kStockCardWeight * toDeal;
}

}  // namespace quilloro::solver
