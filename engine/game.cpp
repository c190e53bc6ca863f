// The game object's shared parts: settings, score, the won-game check and the
// helpers every move uses.
#include "engine/game.hpp"

namespace quilloro {

Game::Game(const GamesDat* games, SettingsRecord& settings, EngineObserver& observer, TableGeometry& geometry)
    : games_(games), settings_(settings), observer_(observer), geometry_(geometry), random_(std::random_device{}()) {}

std::string Game::gameNumber() const { return settings_.get(field::GameNumber); }

bool Game::settingIs(const SettingsField& field, std::string_view value) const { return settings_.get(field) == value; }

int Game::cardsInPlay() const { return state.parameters[param::kCardsInPlay]; }

bool holdsSelection(const GameParameters& parameters) {
  const int family = parameters[param::kGameFamily];
  return family == 3 || family == 4 || parameters[param::kSelectByClick] != 0;
}

bool Game::selectionGame() const { return holdsSelection(state.parameters); }

bool Game::autoplayAvailable() const { return state.parameters[param::kAutoplayAvailable] != 0; }

bool Game::redealAllowed() const {
  const int passes = state.parameters[param::kStockPasses];
  return passes == -1 || redealCount_ < passes;
}

// --- score ---

int Game::score() const { return static_cast<int>(settings_.getInteger(field::Score).value_or(0)); }

void Game::setScore(int score) {
  settings_.setInteger(field::Score, score);
  observer_.scoreChanged(score);
}

void Game::recomputeScore() {
  // The poker grid keeps its own points, counted by its hand evaluation.
  if (gameFamily() == 9) {
    pokerScore(kNoCard);
    return;
  }
  if (gameFamily() == 10) observer_.redraw(Redraw::RankHints, {PileList::Foundations, 0});
  if (!settingIs(field::ScoringKind, "01")) return;
  int played = 0;
  auto countCards = [&played](const Pile& pile) {
    for (const std::uint8_t card : pile.slots())
      if (card != kNoCard) ++played;
  };
  for (int i = 0; i < kMaxFoundations; ++i) countCards(state.piles.pile(PileList::Foundations, i));
  countCards(state.piles.discard());
  setScore(5 * played - cardsInPlay());
}

// --- the won-game check ---

bool Game::wonCheck() const {
  const int tableau = state.pilesInUse(PileList::Tableau);
  if (gameFamily() == 9) {
    for (int i = 0; i < tableau; ++i)
      if (state.piles.pile(PileList::Tableau, i).topCard() == kNoCard) return false;
    return true;
  }
  if (!state.piles.stock().empty() || !state.piles.waste().empty()) return false;
  for (int i = 0; i < tableau; ++i) {
    const Pile& pile = state.piles.pile(PileList::Tableau, i);
    if (gameFamily() == 4) {
      for (const std::uint8_t card : pile.slots())
        if (card != kNoCard) return false;
    } else if (!pile.empty()) {
      return false;
    }
  }
  for (int i = 0; i < state.pilesInUse(PileList::Reserves); ++i)
    if (!state.piles.pile(PileList::Reserves, i).empty()) return false;
  return true;
}

// --- helpers of every move ---

std::optional<Game::CardPlace> Game::locate(CardNumber card) const {
  if (!isCardNumber(card)) return std::nullopt;
  auto slotIn = [card](const Pile& pile) -> int {
    for (int slot = 0; slot < pile.cardCount(); ++slot)
      if (pile.at(slot) == card) return slot;
    return -1;
  };
  // The same order in which a card is taken out of play.
  std::vector<PileRef> order;
  order.push_back({PileList::Stock, kWasteIndex});
  for (int i = 0; i < state.pilesInUse(PileList::Tableau); ++i) order.push_back({PileList::Tableau, i});
  for (int i = 0; i < kMaxFoundations; ++i) order.push_back({PileList::Foundations, i});
  order.push_back({PileList::Stock, kStockIndex});
  order.push_back({PileList::Stock, kDiscardIndex});
  for (int i = 0; i < kMaxReserves; ++i) order.push_back({PileList::Reserves, i});
  for (const PileRef ref : order) {
    const int slot = slotIn(state.piles.pile(ref));
    if (slot >= 0) return CardPlace{ref, slot};
  }
  return std::nullopt;
}

void Game::flight(CardNumber card, CardPlace from, PileRef to, CardFlight::Kind kind) {
  CardFlight f;
  f.kind = kind;
  f.card = card;
  f.faceDown = state.isFaceDown(card);
  f.from = from.pile;
  f.fromSlot = from.slot;
  f.to = to;
  const Pile& target = state.piles.pile(to);
  int slot = target.cardCount() - 1;
  for (int i = 0; i < target.cardCount(); ++i)
    if (target.at(i) == card) slot = i;
  f.toSlot = std::max(slot, 0);
  f.start = geometry_.cardPosition(from.pile, from.slot);
  f.target = geometry_.cardPosition(to, f.toSlot);
  observer_.cardFlight(f);
}

}  // namespace quilloro
