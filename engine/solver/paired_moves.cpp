// Pairing the cards brought into the tableau with the moves onto them.
#include "engine/solver/paired_moves.hpp"

#include <algorithm>

#include "engine/solver/fast_move_priorities.hpp"
#include "engine/solver/run_transfers.hpp"

namespace quilloro::solver {

namespace {

bool takesBack(const FastPosition& position, const FastStep& step) {
  return step.kind == FastStep::Kind::Move && step.from >= position.foundationPile(0) &&
         step.from < position.stockPile();
}

// Every card of the stock and waste may be played at any time.
bool endlessStock(const FastRules& rules) {
  return rules.hasStock() && rules.passes() < 0 && rules.cardsPerClick() == 1;
}

}  // namespace

// With two packs the twin of a card taken back could go home in its place
// meanwhile, so there every move stays a choice of its own.
bool waitsForCover(const FastPosition& position, const FastStep& step) {
  if (position.rules().packs() != 1) return false;
  if (takesBack(position, step)) return true;
  return step.kind == FastStep::Kind::Move && step.from == position.wastePile() &&
         step.to < position.rules().tableauCount() && endlessStock(position.rules());
}

namespace {

// Whether some card could be played onto the card where it lies on the
// tableau: one that builds on it shows on a pile, lies in the stock or on the
// waste, or is the top card of a foundation. Most cards taken back could take
// none, and are dropped without listing the moves of the position.
// Whether a card of the stock or the waste could be played onto the card.
bool stockMayCover(const FastPosition& position, FastCard base) {
  const FastRules& rules = position.rules();
  if (!rules.hasStock()) return false;
  for (const int pile : {position.stockPile(), position.wastePile()})
    for (int slot = 0; slot < position.size(pile); ++slot)
      if (rules.builds(base, position.card(pile, slot))) return true;
  return false;
}

bool mayTakeACard(const FastPosition& position, FastCard base) {
  const FastRules& rules = position.rules();
  auto fits = [&](int pile, int from) {
    for (int slot = from; slot < position.size(pile); ++slot)
      if (rules.builds(base, position.card(pile, slot))) return true;
    return false;
  };
  for (int t = 0; t < rules.tableauCount(); ++t)
    if (fits(t, position.faceDown(t))) return true;
  for (int r = 0; r < rules.reserveCount(); ++r)
    if (fits(position.reservePile(r), 0)) return true;
  for (int f = 0; f < rules.foundationCount(); ++f) {
    const FastCard top = position.top(position.foundationPile(f));
    if (top != 0 && rules.builds(base, top)) return true;
  }
  return stockMayCover(position, base);
}

// The moves of a position onto the card, bare on top of tableau pile onto
// (or every move, where it lies elsewhere), and those off pile off; those
// of the stock's cards only where one of them could go onto the card: the
// moves of the stock turn it round a whole cycle. The searches keep only
// moves onto the card, or off that pile, from the list.
void movesOntoCard(FastPosition& position, FastCard base, int onto, int off, std::vector<FastStep>& out) {
  position.movesOntoOrOff(out, onto, off);
  const bool ontoTableau = onto < position.rules().tableauCount() && position.size(onto) != 0;
  if (stockMayCover(position, base)) position.stockMoves(out, ontoTableau ? onto : -1);
}

// Appends the take-backs of foundation top cards (but off pile skip) that
// bare a card building on base, bare on pile basePile: the move of that card
// onto base may wait for both (see paired_moves.hpp). None onto base itself:
// that is a move onto it, listed already.
void takeBacksBaringCover(const FastPosition& position, FastCard base, int basePile, int skip,
                          std::vector<FastStep>& out) {
  const FastRules& rules = position.rules();
  if (!rules.takesBack()) return;
  for (int f = 0; f < rules.foundationCount(); ++f) {
    const int pile = position.foundationPile(f);
    const int size = position.size(pile);
    if (pile == skip || size < 2 || !rules.mayTakeBack(size) || !rules.builds(base, position.card(pile, size - 2)))
      continue;
    const FastCard card = position.top(pile);
    auto add = [&](int to) {
      out.push_back({FastStep::Kind::Move, static_cast<std::uint8_t>(pile), static_cast<std::uint8_t>(to), 1, card,
                     move_priority::kTakeBack, 0});
    };
    bool emptyTried = false;
    for (int t = 0; t < rules.tableauCount(); ++t) {
      if (t == basePile) continue;
      if (position.size(t) != 0) {
        if (position.takesOn(t, card)) add(t);
      } else if (rules.fillsEmpty(card) && !emptyTried) {
        add(t);
        emptyTried = position.tableauInterchangeable();
      }
    }
    for (int r = 0; r < rules.reserveCount() && rules.reservesTakeCards(); ++r) {
      if (position.size(position.reservePile(r)) != 0) continue;
      add(position.reservePile(r));
      break;
    }
  }
}

void pairTransfer(FastPosition& position, const FastStep& step, std::vector<PairedStep>& choices) {
  // Kept from call to call: a search pairs moves at every position.
  thread_local std::vector<FastStep> played;
  thread_local std::vector<FastStep> onto;
  played.clear();
  playBare(position, step, played);
  // Most cards left bare could neither go anywhere nor take a card: then
  // the moves of the position need not be listed.
  const FastCard bare = position.top(step.from);
  const FastRules& rules = position.rules();
  auto pair = [&](const FastStep& next) {
    FastStep first = step;
    first.priority = std::min(step.priority, next.priority);
    choices.push_back({first, next, true});
  };
  onto.clear();
  takeBacksBaringCover(position, bare, step.from, -1, onto);
  for (const FastStep& next : onto) pair(next);
  if (position.foundationFor(bare) < 0 && !(rules.reserveCount() > 0 && rules.reservesTakeCards()) &&
      !mayTakeACard(position, bare)) {
    for (auto undo = played.rbegin(); undo != played.rend(); ++undo) position.undo(*undo);
    return;
  }
  movesOntoCard(position, bare, step.from, step.from, onto);
  for (const FastStep& next : onto)
    if (needsCardLeftBare(position, step, next)) pair(next);
  for (auto undo = played.rbegin(); undo != played.rend(); ++undo) position.undo(*undo);
}

}  // namespace

void playBare(FastPosition& position, const FastStep& step, std::vector<FastStep>& steps) {
  for (int i = 0; i < step.clicks; ++i) position.click(steps);
  position.apply(step);
  steps.push_back(step);
}

void coverMoves(FastPosition& position, const FastStep& step, std::vector<FastStep>& out) {
  out.clear();
  // Checked with the card in place: it may not take itself. A card taken
  // back may also have come off only to free the one under it on its
  // foundation.
  const bool fromHome = takesBack(position, step);
  const bool uncovers = fromHome && position.rules().mayTakeBack(position.size(step.from));
  if (uncovers || mayTakeACard(position, step.card)) {
    movesOntoCard(position, step.card, step.to, uncovers ? step.from : -1, out);
    std::erase_if(out, [&](const FastStep& next) {
      const bool fromUnder = uncovers && next.from == step.from;
      return next.kind != FastStep::Kind::Move || (next.to != step.to && !fromUnder);
    });
  }
  takeBacksBaringCover(position, step.card, step.to, fromHome ? step.from : -1, out);
}

void pairMoves(FastPosition& position, const std::vector<FastStep>& moves, std::vector<PairedStep>& choices) {
  choices.clear();
  // Kept from call to call: a search pairs moves at every position.
  thread_local std::vector<FastStep> onto;
  thread_local std::vector<FastStep> played;
  for (const FastStep& step : moves) {
    if (carriesRunBetweenCards(position, step)) {
      pairTransfer(position, step, choices);
      continue;
    }
    if (!waitsForCover(position, step)) {
      choices.push_back({step, {}, false});
      continue;
    }
    played.clear();
    playBare(position, step, played);
    coverMoves(position, step, onto);
    for (const FastStep& next : onto) {
      FastStep first = step;
      first.priority = std::min(step.priority, next.priority);
      choices.push_back({first, next, true});
    }
    for (auto undo = played.rbegin(); undo != played.rend(); ++undo) position.undo(*undo);
  }
}

}  // namespace quilloro::solver
