// The play commands: shuffle, deal and play.
//
// play reads one command per line and answers each on one line:
//   drop CARD PILE   the take check of the card's pile and the drop check of
//                    PILE ("Dest"/"Fila"/"Appogg" + n, or "Mazzo_Vis" for the
//                    waste, "Waste" for the discard pile), then the move and
//                    the automatic filling: ok or refused
//   move CARD TARGET execute move as it stands: ok or refused
//   stock            a click on the stock (press and release), which a
//                    selection game handles first as the table does: ok, ok:
//                    gaps closed, ok: thrown, or refused
//   turn PILE        turn the face-down top card of a tableau pile: ok or refused
//   sweep            the finishing sweep with its automatic filling: ok or refused
//   undo, redo       ok or refused
//   score            the score
//   won              yes or no: the won-game check
//   show             the table as dealt by "deal", then a line "."
//   select CARD      a click of a selection or pairing game on the card's pile:
//                    ok, ok: thrown, ok: gaps closed, or refused
//   save FILE        writes the game file: ok, or error: and the reason
//   open FILE        opens a game file: ok, or error: and the reason (the game
//                    in progress then stays as it was)
//   restart          back to the deal: ok
//   end              books the game under the current player: won or lost
//                    (refused when no game is under way)
// Autoplay never runs by itself here; "sweep" runs it. Blank lines and lines
// starting with "#" are skipped. A command that cannot be read is answered
// "error: " and the reason, and changes nothing.
#include "tools/cli_play_commands.hpp"

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/settings_record.hpp"
#include "app/core/settings_store.hpp"
#include "engine/game.hpp"
#include "engine/game_number.hpp"
#include "engine/game_session.hpp"
#include "engine/games_dat.hpp"
#include "engine/recording_observer.hpp"
#include "engine/shuffle.hpp"
#include "tools/cli_catalogue_commands.hpp"

namespace quilloro::cli {

namespace {

std::string gameNumberArgument(const Arguments& args) {
  const std::optional<std::string> number = args.text("number");
  if (!number) throw UsageError("--number is required");
  return normaliseGameNumber(*number);
}

// Labels of the 53 piles in table order.
std::string pileLabel(PileRef pile) {
  if (pile.list == PileList::Stock && pile.index == kDiscardIndex) return "Waste";
  return pileName(pile);
}

void printTable(const GameState& state, std::ostream& out) {
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves}) {
    for (int index = 0; index < pileListSize(list); ++index) {
      const PileRef pile{list, index};
      out << pileLabel(pile) << ": " << state.stateTokens(state.piles.pile(pile)) << '\n';
    }
  }
}

// A game of the file dealt for the arguments, with autoplay kept for "sweep".
class CliSession {
 public:
  explicit CliSession(const Arguments& args)
      : dat_(GamesDat::load(gamesDatPath(args))),
        settings_(startupSettings(programDirectory(args))),
        session_(&dat_, settings_, observer_, geometry_, time_, programDirectory(args)) {
    const int index = args.integer("game");
    requireGame(dat_, index);
    settings_.setInteger(field::Game, index);
    settings_.set(field::GameNumber, gameNumberArgument(args));
    settings_.set(field::ScoringKind, "01");
    settings_.set(field::UndoEnabled, "0");
    // Nobody is there to see a congratulation.
    settings_.set(field::ConfirmEnterHiScores, "N");
    game().setAutoplay(false);
    if (const auto error = session_.newGame({.deal = true, .newNumber = false})) throw std::runtime_error(*error);
    game().setAutoplay(true);
    observer_.clear();
  }

  Game& game() { return session_.game(); }
  GameSession& session() { return session_; }
  RecordingObserver& observer() { return observer_; }

 private:
  GamesDat dat_;
  SettingsRecord settings_;
  RecordingObserver observer_;
  LibraryAnchorGeometry geometry_;
  SystemTimeSource time_;
  GameSession session_;
};

class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

CardNumber cardArgument(const std::string& text) {
  int card = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), card);
  if (error != std::errc() || end != text.data() + text.size() || !isCardNumber(card))
    throw CommandError("\"" + text + "\" is not a card number from 1 to 104");
  return card;
}

std::vector<std::string> wordsOf(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

void requireWords(const std::vector<std::string>& words, std::size_t count, const char* usage) {
  if (words.size() != count) throw CommandError(std::string("usage: ") + usage);
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

// The take check of the card's pile, as a drag starts, and the drop check of
// the target pile; then the move and what follows a release.
bool dropCard(Game& game, CardNumber card, const std::string& pileName) {
  const MoveRules rules = game.rules();
  const std::optional<PileRef> source = pileHolding(rules, card);
  if (!source && !game.state.piles.discard().search(card, SearchMode::Report))
    throw CommandError("card " + std::to_string(card) + " is not on the table");
  std::vector<CardNumber> run = rules.runFromCard(card);
  // A reserve of fanned stacks gives any of its cards alone.
  constexpr int kReservesFannedStacks = -11;
  if (run.empty() || (source && source->list == PileList::Reserves &&
                      game.state.parameters[param::kReserveFannedStacks] == kReservesFannedStacks))
    run = {card};
  bool allowed = false;
  std::string target = pileName;
  if (pileName == "Mazzo_Vis") {
    allowed = run.size() == 1 && rules.mayDropOnWaste(card);
    target = std::string(move_command::kStock02);
  } else if (pileName == move_command::kWaste) {
    allowed = run.size() == 1 && rules.mayDropOnDiscard(card) == DiscardVerdict::Accepted;
  } else if (pileFromName(pileName)) {
    allowed = rules.mayDropOnNamedPile(pileName, run);
  } else {
    throw CommandError("\"" + pileName + "\" is not a pile a card can be dropped on");
  }
  // A card on the discard pile is out of play: nothing may lift it.
  if (!source || !rules.mayTake(*source, card)) allowed = false;
  if (!allowed || !game.executeMove(card, target)) return false;
  game.autoFill();
  return true;
}

bool turnCard(Game& game, const std::string& pileName) {
  const std::optional<PileRef> pile = pileFromName(pileName);
  if (!pile || pile->list != PileList::Tableau) throw CommandError("\"" + pileName + "\" is not a tableau pile");
  return game.turnTopCard(pile->index);
}

// The pile that holds the card, or nothing.
std::optional<PileRef> pileOfCard(const GameState& state, CardNumber card) {
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves}) {
    for (int index = 0; index < pileListSize(list); ++index) {
      if (list == PileList::Foundations && index == 0) continue;  // the selection itself
      for (const std::uint8_t slot : state.piles.pile(list, index).slots())
        if (slot == card) return PileRef{list, index};
    }
  }
  return std::nullopt;
}

std::optional<std::string> selectReply(SelectOutcome outcome) {
  switch (outcome) {
    case SelectOutcome::Marked: return "ok";
    case SelectOutcome::Thrown: return "ok: thrown";
    case SelectOutcome::GapsClosed: return "ok: gaps closed";
    case SelectOutcome::Refused: return "refused";
    case SelectOutcome::Ignored: break;
  }
  return std::nullopt;
}

std::string selectCard(CliSession& session, CardNumber card) {
  const std::optional<PileRef> pile = pileOfCard(session.game().state, card);
  if (!pile) throw CommandError("card " + std::to_string(card) + " is not on the table");
  return selectReply(session.session().pressInSelectionGame(*pile, card))
      .value_or("refused: not a card this game lets you choose");
}

// A click on the stock as the table handles it: a selection game sees the
// click first (the grid closes its gaps, the pyramid adds the stock's top card
// to a selection begun); in games chosen by click nothing else happens, in the
// others the stock turns its cards. Nothing when the stock's own press ran,
// whose verdict the caller words.
std::optional<std::string> selectionStockClick(CliSession& session) {
  Game& game = session.game();
  if (!game.selectionGame()) return std::nullopt;
  const SelectOutcome outcome = session.session().pressInSelectionGame(kStockPile, game.state.piles.stock().topCard());
  if (auto reply = selectReply(outcome)) return reply;
  if (game.state.parameters[param::kSelectByClick] != 0) return "refused: not a card this game lets you choose";
  return std::nullopt;
}

bool pressAndReleaseStock(Game& game) {
  const StockPress press = game.pressStock();
  if (press == StockPress::Pressed) return game.releaseStock();
  return press == StockPress::Moved;
}

bool sweep(Game& game) {
  bool moved = false;
  while (game.finishingSweep()) {
    moved = true;
    game.autoFill();
  }
  return moved;
}

// Opening and restarting start the game anew, which would run autoplay; here
// only "sweep" does.
template <typename Action>
auto withoutAutoplay(Game& game, Action action) {
  game.setAutoplay(false);
  auto result = action();
  game.setAutoplay(true);
  return result;
}

// One command; answers its reply line (without the line end).
std::string answer(CliSession& session, const std::vector<std::string>& words, std::ostream& out) {
  Game& game = session.game();
  const std::string& command = words.front();
  auto verdict = [&session](bool done) {
    std::string reply = done ? "ok" : "refused";
    for (const std::string& message : session.observer().messages) reply += ": " + message;
    return reply;
  };
  if (command == "drop") {
    requireWords(words, 3, "drop CARD PILE");
    return verdict(dropCard(game, cardArgument(words[1]), words[2]));
  }
  if (command == "move") {
    requireWords(words, 3, "move CARD TARGET");
    return verdict(game.executeMove(cardArgument(words[1]), words[2]));
  }
  if (command == "select") {
    requireWords(words, 2, "select CARD");
    return selectCard(session, cardArgument(words[1]));
  }
  if (command == "save" || command == "open") {
    if (words.size() < 2) throw CommandError("usage: " + command + " FILE");
    // A file name may hold spaces: everything after the command.
    std::string file = words[1];
    for (std::size_t i = 2; i < words.size(); ++i) file += " " + words[i];
    if (command == "save") {
      const FileError error = session.session().save(file);
      return error ? "error: " + *error : "ok";
    }
    const OpenOutcome opened = withoutAutoplay(game, [&session, &file] { return session.session().open(file); });
    if (opened.opened()) return "ok";
    return opened.status == OpenOutcome::Status::Cancelled ? "refused" : "error: " + opened.error;
  }
  if (command == "restart" || command == "end") {
    requireWords(words, 1, command.c_str());
    if (command == "restart") return verdict(withoutAutoplay(game, [&session] { return session.session().restart(); }));
    const std::optional<bool> won = session.session().endGame();
    if (!won) return "refused: no game is under way";
    std::string reply = *won ? "won" : "lost";
    for (const std::string& error : session.observer().fileErrors) reply += ": " + error;
    return reply;
  }
  if (command == "turn") {
    requireWords(words, 2, "turn PILE");
    return verdict(turnCard(game, words[1]));
  }
  if (command == "stock" || command == "sweep" || command == "undo" || command == "redo" || command == "score" ||
      command == "won" || command == "show") {
    requireWords(words, 1, command.c_str());
    if (command == "stock") {
      if (auto reply = selectionStockClick(session)) return *reply;
      return verdict(pressAndReleaseStock(game));
    }
    if (command == "sweep") return verdict(sweep(game));
    if (command == "undo") return verdict(game.undo());
    if (command == "redo") return verdict(game.redo());
    if (command == "score") return std::to_string(game.score());
    if (command == "won") return game.wonCheck() ? "yes" : "no";
    printTable(game.state, out);
    return ".";
  }
  throw CommandError("unknown command \"" + command + "\"");
}

}  // namespace

int printShuffle(const Arguments& args, std::ostream& out) {
  const int cards = args.integer("cards");
  const std::vector<CardNumber> deck = shuffleDeck(gameNumberArgument(args), cards);
  for (std::size_t i = 0; i < deck.size(); ++i) out << (i == 0 ? "" : " ") << deck[i];
  out << '\n';
  return 0;
}

int printDeal(const Arguments& args, std::ostream& out) {
  CliSession session(args);
  printTable(session.game().state, out);
  return 0;
}

int playGame(const Arguments& args, std::istream& in, std::ostream& out) {
  CliSession session(args);
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> words = wordsOf(line);
    if (words.empty() || words.front().starts_with('#')) continue;
    session.observer().clear();
    try {
      out << answer(session, words, out) << '\n';
    } catch (const CommandError& error) {
      out << "error: " << error.what() << '\n';
    }
    out.flush();
  }
  return 0;
}

}  // namespace quilloro::cli
