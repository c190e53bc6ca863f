// New game and the deal: the shuffled deck laid into the piles the game asks for.
#include <algorithm>

#include "engine/game.hpp"
#include "engine/game_number.hpp"
#include "engine/shuffle.hpp"

namespace quilloro {

namespace {

std::string describePile(PileRef pile) {
  const std::string name = pileName(pile);
  return name.empty() ? std::string("the discard pile") : name;
}

}  // namespace

std::optional<std::string> Game::newGame(const NewGameOptions& options) {
  stockPressed_ = false;
  if (options.deal) {
    state.piles.clear();
    undo_.clear();
  }
  clearRedo();
  underWay_ = false;
  won_ = false;
  settings_.set(field::LastActionUndo, "0");
  settings_.set(field::LastActionRedo, "0");

  if (options.deal) {
    if (games_ != nullptr) {
      const int index = static_cast<int>(settings_.getInteger(field::Game).value_or(0));
      try {
        games_->loadParameters(index, state.parameters);
      } catch (const GamesDatError& error) {
        return std::string(error.what());
      }
    }
    geometry_.prepareTable();
    redealCount_ = 1;
    setScore(0);
    if (options.newNumber) settings_.set(field::GameNumber, chooseGameNumber(random_));
    if (auto error = deal()) {
      state.piles.clear();
      observer_.redraw(Redraw::Table, {PileList::Stock, kStockIndex});
      return error;
    }
  }

  underWay_ = true;
  won_ = false;
  observer_.cardCounterRefresh();
  observer_.redraw(Redraw::Table, {PileList::Stock, kStockIndex});
  observer_.scoreChanged(score());

  if (autoplayOn_ && autoplayAvailable()) {
    observer_.pause(800);
    finishingSweep();
    do {
      autoFill();
    } while (finishingSweep());
  }
  return std::nullopt;
}

std::optional<std::string> Game::dealCards(std::vector<CardNumber>& deck, int count, PileRef pile) {
  for (int i = 0; i < count; ++i) {
    // The deck is kept top last (see deal).
    if (deck.empty() || deck.back() == kNoCard) {
      return "game " + settings_.get(field::Game) + " cannot be dealt: " + describePile(pile) +
             " asks for more cards than the deck holds";
    }
    const CardNumber card = deck.back();
    deck.pop_back();
    state.putCard(pile.list, pile.index, card, "0");
  }
  return std::nullopt;
}

void resolveTableauBaseBelowFoundation(GameParameters& p) {
  const int foundationBase = p[param::kFoundationBaseRankFirst];
  if (foundationBase < kAce || foundationBase > kKing) return;
  for (int n = 1; n <= kMaxTableau; ++n) {
    ParameterValue& base = p[param::kTableauBaseRankFirst + n - 1];
    if (base == base_code::kFromDeckTop) base = static_cast<ParameterValue>(rankBelow(foundationBase));
  }
}

std::optional<std::string> Game::deal() {
  GameParameters& p = state.parameters;
  const int cardCount = cardsInPlay();
  std::vector<CardNumber> shuffled;
  try {
    shuffled = shuffleDeck(gameNumber(), cardCount);
  } catch (const UnsupportedCardCount& error) {
    observer_.message(error.what());
    return "game " + settings_.get(field::Game) + " cannot be dealt: " + std::to_string(cardCount) +
           " cards in play (the deal supports up to 52 cards, or 104)";
  }
  // Top card last, so that dealing pops from the back.
  std::vector<CardNumber> deck(shuffled.rbegin(), shuffled.rend());
  auto removeFromDeck = [&deck](CardNumber card) {
    const auto found = std::find(deck.rbegin(), deck.rend(), card);
    if (found != deck.rend()) deck.erase(std::next(found).base());
  };
  const bool perCardScore = settingIs(field::ScoringKind, "01") && gameFamily() != 9;
  auto scoreCards = [&](int count) {
    if (perCardScore) setScore(score() + 5 * count);
  };
  auto alreadyOnTable = [this](CardNumber card) { return locate(card).has_value(); };

  if (perCardScore) setScore(-cardCount);

  // Foundation start cards.
  const int foundations = state.pilesInUse(PileList::Foundations);
  for (int n = 1; n <= foundations; ++n) {
    const int code = p.perPile(param::kFoundationDealCardFirst, n);
    CardNumber card = kNoCard;
    if (code == 0) continue;
    if (code == base_code::kFromDeckTop) {
      if (cardCount <= 0) continue;
      card = (deck.empty() ? kNoCard : deck.back()) + 13 * n;
      while (card > cardCount) card -= cardCount;
    } else if (code == base_code::kSameRankAsFoundations) {
      p[param::kFoundationBaseRankFirst + n - 1] = p[param::kFoundationBaseRankFirst];
      continue;
    } else if (code == base_code::kAceOfNthSuit) {
      card = 13 * (n - 1) + 1;
    } else if (code >= 100) {
      card = code - 100;
    } else {
      card = code + 13 * (n - 1);
    }
    const PileRef pile{PileList::Foundations, n - 1};
    if (!isCardNumber(card) || alreadyOnTable(card)) {
      return "game " + settings_.get(field::Game) + " cannot be dealt: " + describePile(pile) +
             " starts with card " + std::to_string(card) + ", which is not a free card of the deck";
    }
    state.putCard(pile.list, pile.index, card, "1");
    p[param::kFoundationBaseRankFirst + n - 1] = static_cast<ParameterValue>(cardRank(card));
    scoreCards(1);
    removeFromDeck(card);
  }

  // The discard pile's start card.
  if (const int value = p[param::kDiscardDealCard]; value != 0) {
    const CardNumber card = value > 100 ? value - 100 : value;
    if (!isCardNumber(card) || alreadyOnTable(card)) {
      return "game " + settings_.get(field::Game) + " cannot be dealt: the discard pile starts with card " +
             std::to_string(card) + ", which is not a free card of the deck";
    }
    state.putCard(PileList::Stock, kDiscardIndex, card, "1");
    scoreCards(1);
    removeFromDeck(card);
  }

  auto dealTo = [&](PileRef pile, int count) { return dealCards(deck, count, pile); };
  auto allFaceUp = [this](PileRef pile) {
    const Pile& cards = state.piles.pile(pile);
    state.setTopFaceStates(cards, cards.cardCount(), "1");
  };

  const PileRef stock{PileList::Stock, kStockIndex};
  if (auto error = dealTo(stock, p[param::kDealStock])) return error;
  if (p[param::kStockFaceDown] == 0) allFaceUp(stock);

  const PileRef waste{PileList::Stock, kWasteIndex};
  if (p[param::kDealWaste] > 0) {
    if (auto error = dealTo(waste, p[param::kDealWaste])) return error;
    allFaceUp(waste);
  }

  for (int n = 1; n <= kMaxTableau; ++n) {
    const int count = p.perPile(param::kDealTableauFirst, n);
    if (count <= 0) continue;
    const PileRef pile{PileList::Tableau, n - 1};
    if (auto error = dealTo(pile, count)) return error;
    state.setTopFaceStates(state.piles.pile(pile), p.perPile(param::kDealTableauFaceUpFirst, n), "1");
  }

  const PileRef discard{PileList::Stock, kDiscardIndex};
  if (const int count = p[param::kDealDiscard]; count > 0) {
    const int before = state.piles.discard().cardCount();
    if (auto error = dealTo(discard, count)) return error;
    state.setTopFaceStates(state.piles.discard(), state.piles.discard().cardCount() - before, "1");
    scoreCards(count);
  }

  for (int n = 1; n <= kMaxReserves; ++n) {
    const int count = p.perPile(param::kDealReserveFirst, n);
    if (count <= 0) continue;
    const PileRef pile{PileList::Reserves, n - 1};
    if (auto error = dealTo(pile, count)) return error;
    allFaceUp(pile);
  }

  const PileRef foundation1{PileList::Foundations, 0};
  if (p[param::kBaseFromFoundationCard] == 1) {
    if (auto error = dealTo(foundation1, 1)) return error;
    const CardNumber card = state.piles.pile(foundation1).topCard();
    state.cards.setFaceState(card, "1");
    scoreCards(1);
    for (int i = 0; i < kMaxFoundations; ++i)
      p[param::kFoundationBaseRankFirst + i] = static_cast<ParameterValue>(cardRank(card));
  }

  resolveTableauBaseBelowFoundation(p);

  if (p[param::kDealCardToFoundation1] == 1) {
    if (auto error = dealTo(foundation1, 1)) return error;
    state.cards.setFaceState(state.piles.pile(foundation1).topCard(), "1");
    scoreCards(1);
  }

  if (gameFamily() == 11) dealAcesToFoundations();
  if (p.perPile(param::kFoundationDealCardFirst, 1) == base_code::kAceOfNthSuit) dealFoundationSweep();
  return std::nullopt;
}

void Game::dealAcesToFoundations() {
  Pile& reserve = state.piles.pile(PileList::Reserves, 0);
  int nextFoundation = 0;
  bool foundAce = false;
  for (int slot = 0; slot < reserve.cardCount() && nextFoundation < kMaxFoundations;) {
    const CardNumber card = reserve.at(slot);
    if (card == kNoCard || cardRank(card) != kAce) {
      ++slot;
      continue;
    }
    foundAce = true;
    reserve.search(card, SearchMode::Remove);
    Pile& foundation = state.piles.pile(PileList::Foundations, nextFoundation++);
    foundation.clear();
    foundation.append(card);
    slot = 0;
  }
  if (foundAce) return;
  const Pile& waste = state.piles.waste();
  for (int slot = 0; slot < waste.cardCount(); ++slot) {
    const CardNumber card = waste.at(slot);
    if (card == kNoCard || cardRank(card) != kAce) continue;
    state.piles.waste().search(card, SearchMode::Remove);
    Pile& foundation = state.piles.pile(PileList::Foundations, 0);
    foundation.clear();
    foundation.append(card);
    state.cards.setFaceState(card, "1");
    return;
  }
}

bool Game::offerToFoundations(CardNumber card) {
  if (card == kNoCard) return false;
  const MoveRules rules = this->rules();
  for (int i = 0; i < state.pilesInUse(PileList::Foundations); ++i) {
    if (!rules.mayDropOnFoundation(i, card)) continue;
    state.takeCardOutOfPlay(card);
    state.putCard(PileList::Foundations, i, card, "1");
    if (settingIs(field::ScoringKind, "01") && gameFamily() != 9) setScore(score() + 5);
    return true;
  }
  return false;
}

void Game::dealFoundationSweep() {
  const int longest = state.longestTableauPile();
  const int piles = state.pilesInUse(PileList::Tableau);
  auto offerAt = [this](int pile, int position) {
    const Pile& cards = state.piles.pile(PileList::Tableau, pile);
    return position < cards.cardCount() && offerToFoundations(cards.at(position));
  };
  if (state.parameters[param::kTableauWalkOrder] == 0) {
    for (int position = 0; position <= longest; ++position)
      for (int pile = 0; pile < piles; ++pile)
        while (offerAt(pile, position)) {
        }
  } else {
    for (int pile = 0; pile < piles; ++pile)
      for (int position = 0; position <= longest; ++position)
        while (offerAt(pile, position)) {
        }
  }
}

}  // namespace quilloro
