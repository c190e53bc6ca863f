// Generating the solver's candidate moves and scoring positions.
#include "engine/solver/candidate_moves.hpp"

#include <algorithm>
#include <array>

namespace quilloro::solver {

namespace {

constexpr int kBuriedWeight = 4;

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
  const bool byClick = state.parameters[param::kSelectByClick] != 0;
  if (byClick) selectionMoves(game, moves);

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
  if (foundations == 0 || p[param::kSelectByClick] != 0 || p[param::kGameFamily] != 0) return false;
  for (int i = 0; i < foundations; ++i)
    if (p[param::kFoundationBaseRankFirst + i] != 1 || p[param::kFoundationDirectionFirst + i] <= 0) return false;
  for (int n = 0; n < tableau; ++n)
    if (p[param::kTableauDirectionFirst + n] > 0 || p[param::kTableauPassBaseFirst + n] > 0) return false;
  return true;
}

std::optional<SolverMove> safeFoundationMove(const Game& game) {
  const GameState& state = game.state;
  const int foundations = std::clamp(state.pilesInUse(PileList::Foundations), 0, kMaxFoundations);
  // How many cards of each rank lie on the foundations.
  std::array<int, 14> played{};
  for (int i = 0; i < foundations; ++i)
    for (const std::uint8_t card : state.piles.pile(PileList::Foundations, i).slots())
      if (card != kNoCard) ++played[static_cast<std::size_t>(cardRank(card))];
  const int perRank = std::max(1, state.parameters[param::kCardsInPlay] / 13);
  const MoveRules rules = game.rules();
  auto consider = [&](PileRef pile) -> std::optional<SolverMove> {
    const CardNumber card = state.piles.pile(pile).topCard();
    if (card == kNoCard || state.isFaceDown(card)) return std::nullopt;
    const int rank = cardRank(card);
    // Nothing builds on the card any more once every card a rank below it is home.
    if (rank > 2 && played[static_cast<std::size_t>(rank - 1)] < perRank) return std::nullopt;
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
  const bool selection = game.selectionGame();
  int played = state.piles.discard().cardCount();
  const int foundations = std::clamp(state.pilesInUse(PileList::Foundations), 0, kMaxFoundations);
  for (int i = selection ? 1 : 0; i < foundations; ++i) played += state.piles.pile(PileList::Foundations, i).cardCount();

  int faceDown = 0;
  int breaks = 0;
  int emptyPiles = 0;
  const int tableau = std::clamp(state.pilesInUse(PileList::Tableau), 0, kMaxTableau);
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
        breaks += 1;
      }
    }
  }
  // The lowest cards still in play are the next to go home: every card
  // above one of them must move first.
  int lowest = 14;
  for (int n = 0; n < tableau; ++n)
    for (const std::uint8_t card : state.piles.pile(PileList::Tableau, n).slots())
      if (card != kNoCard) lowest = std::min(lowest, cardRank(card));
  int buried = 0;
  for (int n = 0; n < tableau; ++n) {
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
  return 100 * played - 30 * faceDown - 5 * breaks - kBuriedWeight * buried + 20 * emptyPiles + 10 * freeReserves;
}

}  // namespace quilloro::solver
