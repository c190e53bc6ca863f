// Turns and safe plays home, shared by the fast searches.
#include "engine/solver/safe_plays.hpp"

#include "engine/solver/paired_moves.hpp"
#include "engine/solver/space_fill.hpp"

namespace quilloro::solver {

void SafePlays::play(const FastStep& step, std::vector<FastStep>& steps) {
  for (int i = 0; i < step.clicks; ++i) position_.click(steps);
  position_.apply(step);
  steps.push_back(step);
  fillSpaces(position_, steps);
  // A card just taken back from the foundations is there to stay a while.
  const bool takenBack = step.from >= position_.foundationPile(0) && step.from < position_.stockPile();
  // So is a card brought in to wait for the move onto it (paired_moves).
  cardWaits_ = waitsForCover(position_, step);
  forcedSteps(steps, takenBack ? step.card : FastCard{0});
  cardWaits_ = false;
}

void SafePlays::forcedSteps(std::vector<FastStep>& steps, FastCard keepOut) {
  const FastRules& rules = position_.rules();
  for (bool moved = true; moved;) {
    moved = false;
    for (int t = 0; t < rules.tableauCount(); ++t) {
      const int pile = position_.tableauPile(t);
      if (position_.size(pile) == 0 || position_.faceDown(pile) < position_.size(pile)) continue;
      const FastStep turn{FastStep::Kind::Turn, static_cast<std::uint8_t>(pile), 0, 0, position_.top(pile), 0, 0};
      position_.apply(turn);
      steps.push_back(turn);
      moved = true;
    }
    known_ = {};
    const int piles = rules.tableauCount() + rules.reserveCount();
    for (int pile = 0; pile < piles; ++pile) {
      const FastCard card = position_.top(pile);
      if (card == 0 || card == keepOut || position_.faceDown(pile) == position_.size(pile)) continue;
      const int home = position_.foundationFor(card);
      if (home < 0) continue;
      const bool freeToGo = dispensable(rules.suit(card), rules.rank(card));
      // Right after a card is brought in to wait, nothing goes home only
      // because it could come back (see sendHomeWhatCouldComeBack).
      const bool mayWaitHome = sendsHomeWhatComesBack_ && !cardWaits_ && pile < rules.tableauCount();
      if (!freeToGo && !kept_.applies() && !mayWaitHome) continue;
      // A card whose pile the engine would fill at once stays a choice: the
      // fill brings a card into play that no other line need bring.
      if (position_.size(pile) == 1 && emptyingFills(position_, pile)) continue;
      const FastStep step{FastStep::Kind::Move, static_cast<std::uint8_t>(pile), static_cast<std::uint8_t>(home), 1, card, 0, 0};
      position_.apply(step);
      // Where cards come back from the foundations, a card goes home unasked
      // only where it could come straight back: then the two positions lead
      // to the same places, and keeping one of them loses nothing. The
      // lowest cards are never wanted back (see lowEnough), nor those the
      // other suits follow closely (see kept_home).
      const bool staysHome = kept_.keeps(position_, card);
      const bool waitsHome = mayWaitHome && rules.mayTakeBack(position_.size(home)) && mayComeBack(card, pile);
      if (!staysHome && !waitsHome &&
          (!freeToGo || (rules.takesBack() && !lowEnough(card) && !mayComeBack(card, pile)))) {
        position_.undo(step);
        continue;
      }
      steps.push_back(step);
      known_ = {};
      moved = true;
    }
    if (!moved && stockCardHome(steps)) {
      known_ = {};
      moved = true;
    }
  }
}

bool SafePlays::stockCardHome(std::vector<FastStep>& steps) {
  // Every card of an endless stock turned one card a click can be reached
  // at any time, whatever else is played: a card of it that nothing needs
  // waits there for nothing, as it would on the tableau. Where cards come
  // back from the foundations, only the lowest go unasked: nothing in the
  // stock could take one coming straight back.
  const FastRules& rules = position_.rules();
  if (!rules.hasStock() || rules.dealsRows() || rules.passes() >= 0 || rules.cardsPerClick() != 1) return false;
  const int stock = position_.stockPile();
  const int waste = position_.wastePile();
  bool needlessFound = false;
  for (const int pile : {waste, stock})
    for (int slot = 0; slot < position_.size(pile); ++slot) {
      const FastCard card = position_.card(pile, slot);
      const int home = position_.foundationFor(card);
      if (home < 0) continue;
      // A card of the stock that could come back from the foundations to
      // wherever the stock could bring it goes home too, where the cards
      // under it never need to come back (see sendHomeWhatCouldComeBack).
      const bool mayWaitHome = sendsHomeWhatComesBack_ && !cardWaits_ && rules.mayTakeBack(position_.size(home) + 1) &&
                               needless_.applies() && underNeverComesBack(position_.top(home), needlessFound);
      if (!mayWaitHome) {
        if (!dispensable(rules.suit(card), rules.rank(card))) continue;
        if (rules.takesBack() && !lowEnough(card)) continue;
      }
      // Round the cycle until the card shows on the waste.
      const int cycle = position_.size(stock) + position_.size(waste) + 1;
      const std::size_t before = steps.size();
      for (int clicks = 0; position_.top(waste) != card && clicks < cycle; ++clicks) position_.click(steps);
      if (position_.top(waste) != card) {
        for (; steps.size() > before; steps.pop_back()) position_.undo(steps.back());
        return false;
      }
      const FastStep step{FastStep::Kind::Move, static_cast<std::uint8_t>(waste), static_cast<std::uint8_t>(home), 1, card, 0, 0};
      position_.apply(step);
      steps.push_back(step);
      return true;
    }
  return false;
}

bool SafePlays::underNeverComesBack(FastCard under, bool& found) {
  if (under == 0) return true;
  if (!found) needless_.find(position_);
  found = true;
  return needless_.needless(under);
}

bool SafePlays::lowEnough(FastCard card) const {
  // Nothing is built on an ace, so an ace on the tableau only waits for home
  // and is never worth taking back. A two takes only aces, which may as well
  // go home; a three only twos, and where every two that could lie on it is
  // home, such a two comes back only to carry an ace. None of these cards is
  // ever needed on the tableau, wherever it lies.
  const FastRules& rules = position_.rules();
  // Where something is built on an ace, or cards build upwards too, low
  // cards may carry others like any card.
  if (rules.buildsPastBase() || rules.buildsBothWays()) return false;
  const int rank = rules.rank(card);
  if (rank <= 2) return true;
  if (rank > 3) return false;
  for (int other = 0; other < 4; ++other)
    if (rules.suitsBuild(rules.suit(card), other) && position_.homeCount(other, 2) < rules.packs()) return false;
  return true;
}

bool SafePlays::mayComeBack(FastCard card, int pile) const {
  const FastRules& rules = position_.rules();
  if (pile >= rules.tableauCount()) return position_.size(pile) == 0;
  return position_.size(pile) == 0 ? rules.fillsEmpty(card) : position_.takesOn(pile, card);
}

bool SafePlays::dispensable(int suit, int rank) {
  std::int8_t& answer = known_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
  if (answer != 0) return answer > 0;
  const FastRules& rules = position_.rules();
  const int packs = rules.packs();
  auto allHome = [&](int s, int r) { return position_.homeCount(s, r) >= packs; };
  if (rules.buildsBothWays()) {
    // Cards a rank above may be built on it too: it is free to go only
    // when every card a rank below and above is home (a king, then, once
    // every queen is).
    bool result = true;
    for (int other = 0; other < 4; ++other)
      for (const int neighbour : {rank - 1, rank + 1})
        if (neighbour >= kAce && neighbour <= kKing && !allHome(other, neighbour)) result = false;
    answer = result ? 1 : -1;
    return result;
  }
  bool result = true;
  // Where the piles build past the base, a top-rank card may be built on a
  // card of the base rank.
  for (int other = 0; other < 4 && result && rank == kAce && rules.buildsPastBase(); ++other)
    if (rules.suitsBuild(suit, other) && !allHome(other, kKing)) result = false;
  for (int other = 0; other < 4 && result && rank > kAce; ++other) {
    if (!rules.suitsBuild(suit, other) || allHome(other, rank - 1)) continue;
    // The card a rank below may be built here: it must be free to go home
    // as soon as it shows, and be needed nowhere else either.
    const bool homeable = rank - 1 == kAce || allHome(other, rank - 2);
    result = homeable && dispensable(other, rank - 1);
  }
  answer = result ? 1 : -1;
  return result;
}

}  // namespace quilloro::solver
