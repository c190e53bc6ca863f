// Carrying out and writing the solver's moves.
#include "engine/solver/solver_move.hpp"

#include <charconv>
#include <sstream>
#include <vector>

namespace quilloro::solver {

namespace {

std::string dropTargetName(PileRef target) {
  if (target.list == PileList::Stock) return target.index == kWasteIndex ? "Mazzo_Vis" : std::string(move_command::kWaste);
  return pileName(target);
}

std::optional<CardNumber> cardFromText(std::string_view text) {
  int card = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), card);
  if (error != std::errc() || end != text.data() + text.size() || !isCardNumber(card)) return std::nullopt;
  return static_cast<CardNumber>(card);
}

// The pile the card would be lifted from, as card location finds it.
std::optional<PileRef> pileHolding(const MoveRules& rules, CardNumber card) {
  const int location = rules.cardLocation(card);
  if (location == card_location::kStock) return kStockPile;
  if (location == card_location::kWaste) return kWastePile;
  if (location > 0) return PileRef{PileList::Tableau, location - 1};
  if (location <= -21) return PileRef{PileList::Reserves, -location - 21};
  if (location < 0) return PileRef{PileList::Foundations, -location - 1};
  return std::nullopt;
}

// A click on the stock as the table handles it: see the play command "stock".
bool clickStock(Game& game) {
  if (game.selectionGame()) {
    const SelectOutcome outcome = game.pressInSelectionGame(kStockPile, game.state.piles.stock().topCard());
    if (outcome != SelectOutcome::Ignored)
      return outcome == SelectOutcome::Marked || outcome == SelectOutcome::Thrown ||
             outcome == SelectOutcome::GapsClosed;
    if (game.state.parameters[param::kSelectByClick] != 0) return false;
  }
  const StockPress press = game.pressStock();
  if (press == StockPress::Pressed) return game.releaseStock();
  return press == StockPress::Moved;
}

bool dropCard(Game& game, CardNumber card, PileRef target) {
  const MoveRules rules = game.rules();
  // The take check of a drag first, as the play command makes it.
  const std::optional<PileRef> source = pileHolding(rules, card);
  if (!source || !rules.mayTake(*source, card)) return false;
  std::vector<CardNumber> run = rules.runFromCard(card);
  if (run.empty()) run = {card};
  if (target.list == PileList::Stock) {
    if (run.size() != 1) return false;
    if (target.index == kWasteIndex)
      return rules.mayDropOnWaste(card) && game.executeMove(card, move_command::kStock02) && (game.autoFill(), true);
    if (target.index == kDiscardIndex)
      return rules.mayDropOnDiscard(card) == DiscardVerdict::Accepted && game.executeMove(card, move_command::kWaste) &&
             (game.autoFill(), true);
    return false;
  }
  const std::string name = pileName(target);
  if (!rules.mayDropOnNamedPile(name, run) || !game.executeMove(card, name)) return false;
  game.autoFill();
  return true;
}

}  // namespace

std::string playCommand(const SolverMove& move) {
  switch (move.kind) {
    case SolverMove::Kind::Drop: return "drop " + std::to_string(move.card) + " " + dropTargetName(move.target);
    case SolverMove::Kind::Turn: return "turn " + pileName(move.target);
    case SolverMove::Kind::Stock: return "stock";
    case SolverMove::Kind::Select: return "select " + std::to_string(move.card);
  }
  return {};
}

std::optional<SolverMove> parsePlayCommand(std::string_view line) {
  std::istringstream stream{std::string(line)};
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  if (words.empty()) return std::nullopt;
  SolverMove move;
  if (words[0] == "stock" && words.size() == 1) return move;
  if (words[0] == "turn" && words.size() == 2) {
    const auto pile = pileFromName(words[1]);
    if (!pile || pile->list != PileList::Tableau) return std::nullopt;
    move.kind = SolverMove::Kind::Turn;
    move.target = *pile;
    return move;
  }
  if (words[0] == "select" && words.size() == 2) {
    const auto card = cardFromText(words[1]);
    if (!card) return std::nullopt;
    move.kind = SolverMove::Kind::Select;
    move.card = *card;
    return move;
  }
  if (words[0] == "drop" && words.size() == 3) {
    const auto card = cardFromText(words[1]);
    if (!card) return std::nullopt;
    move.kind = SolverMove::Kind::Drop;
    move.card = *card;
    if (words[2] == "Mazzo_Vis") {
      move.target = kWastePile;
    } else if (words[2] == move_command::kWaste) {
      move.target = {PileList::Stock, kDiscardIndex};
    } else {
      const auto pile = pileFromName(words[2]);
      if (!pile || pile->list == PileList::Stock) return std::nullopt;
      move.target = *pile;
    }
    return move;
  }
  return std::nullopt;
}

std::optional<PileRef> selectablePileOf(const GameState& state, CardNumber card) {
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves}) {
    for (int index = 0; index < pileListSize(list); ++index) {
      if (list == PileList::Foundations && index == 0) continue;
      for (const std::uint8_t slot : state.piles.pile(list, index).slots())
        if (slot == card) return PileRef{list, index};
    }
  }
  return std::nullopt;
}

bool applyMove(Game& game, const SolverMove& move) {
  switch (move.kind) {
    case SolverMove::Kind::Drop: return dropCard(game, move.card, move.target);
    case SolverMove::Kind::Turn: return game.turnTopCard(move.target.index);
    case SolverMove::Kind::Stock: return clickStock(game);
    case SolverMove::Kind::Select: {
      const auto pile = selectablePileOf(game.state, move.card);
      if (!pile) return false;
      const SelectOutcome outcome = game.pressInSelectionGame(*pile, move.card);
      return outcome == SelectOutcome::Marked || outcome == SelectOutcome::Thrown ||
             outcome == SelectOutcome::GapsClosed;
    }
  }
  return false;
}

}  // namespace quilloro::solver
