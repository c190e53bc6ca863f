// Writing and reading game files, field by field at fixed positions.
#include "engine/saved_game_file.hpp"

#include <bitset>
#include <charconv>
#include <functional>

#include "app/core/shared_routines.hpp"
#include "engine/game_number.hpp"

namespace quilloro {

namespace {

constexpr std::string_view kUndoMarkers[4] = {"[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]",
                                              "[UNDO - Reserves]"};
constexpr std::size_t kFirstPileLine = 12;  // 0-based: line 13
constexpr std::size_t kHeader1Length = 95;

std::string text(std::string_view value, int width) { return fnPadRight(value, width); }

// Characters from..to (1-based, inclusive) of a line; shorter lines give what they have.
std::string_view columns(std::string_view line, std::size_t from, std::size_t to) {
  if (line.size() < from) return {};
  return line.substr(from - 1, to - from + 1);
}

std::string_view trimmed(std::string_view value) {
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  return value;
}

std::optional<int> integerIn(std::string_view value) {
  value = trimmed(value);
  if (!value.empty() && value.front() == '+') value.remove_prefix(1);
  int number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || error != std::errc() || end != value.data() + value.size()) return std::nullopt;
  return number;
}

class Reader {
 public:
  Reader(std::string_view content, std::string_view fileName) : fileName_(fileName) {
    std::size_t start = 0;
    while (start < content.size()) {
      std::size_t end = content.find('\n', start);
      if (end == std::string_view::npos) end = content.size();
      std::string_view line = content.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_.push_back(line);
      start = end + 1;
    }
  }

  SavedGameReading read() {
    SavedGameFile game;
    if (lines_.empty()) return fail(0, "the file is empty, it is not a saved game");
    if (!readHeader1(game) || !readHeader2(game) || !readPiles(game) || !readUndo(game)) return {std::nullopt, error_};
    return {std::move(game), {}};
  }

 private:
  SavedGameReading fail(std::size_t lineIndex, const std::string& what) {
    error_ = "Cannot open the game file " + std::string(fileName_) + ": line " + std::to_string(lineIndex + 1) + ": " +
             what + ".";
    return {std::nullopt, error_};
  }
  bool failed(std::size_t lineIndex, const std::string& what) {
    fail(lineIndex, what);
    return false;
  }

  bool number(std::size_t lineIndex, std::size_t from, std::size_t to, const char* what, int& value) {
    const std::string_view field = columns(lines_[lineIndex], from, to);
    const std::optional<int> parsed = integerIn(field);
    if (!parsed)
      return failed(lineIndex, std::string(what) + " (characters " + std::to_string(from) + " to " +
                                   std::to_string(to) + ") is \"" + std::string(field) + "\", not a number");
    value = *parsed;
    return true;
  }

  bool readHeader1(SavedGameFile& game) {
    const std::string_view line = lines_[0];
    if (!line.starts_with("[S-") || line.size() < 8 || line[7] != ']')
      return failed(0, "it does not begin with a game file header such as \"[S-0302]\"; this is not a saved game");
    game.version = std::string(line.substr(3, 4));
    if (game.version < kOldestReadableVersion)
      return failed(0, "it was saved in the format of version " + game.version +
                           ", which this version of the program cannot open");
    if (line.size() < kHeader1Length)
      return failed(0, "the header has " + std::to_string(line.size()) + " characters instead of " +
                           std::to_string(kHeader1Length));
    game.backgroundBitmap = std::string(trimmed(columns(line, 13, 42)));
    game.backgroundDefault = std::string(trimmed(columns(line, 58, 61)));
    game.cardSize = std::string(trimmed(columns(line, 62, 62)));
    game.cardSet = std::string(trimmed(columns(line, 63, 71)));
    game.scoringKind = std::string(columns(line, 82, 83));
    return number(0, 9, 12, "the game index", game.gameIndex) &&
           number(0, 76, 81, "the elapsed time", game.elapsedSeconds) &&
           number(0, 84, 89, "the score", game.score) && number(0, 90, 95, "the redeal count", game.redealCount) &&
           (game.gameIndex >= 0 || failed(0, "the game index is negative"));
  }

  bool readHeader2(SavedGameFile& game) {
    if (lines_.size() < 2) return failed(0, "the file ends after its first line");
    const std::string_view line = lines_[1];
    game.player = std::string(trimmed(columns(line, 1, 30)));
    game.gameNumber = std::string(trimmed(columns(line, 51, 63)));
    // A game number left blank is game 0.
    if (game.gameNumber.empty()) game.gameNumber = normaliseGameNumber("");
    if (game.gameNumber.find_first_not_of("0123456789") != std::string::npos)
      return failed(1, "the game number (characters 51 to 63) is \"" + game.gameNumber + "\", not a number");
    for (std::size_t f = 0; f < game.foundationBaseRanks.size(); ++f) {
      const std::size_t from = 67 + 2 * f;
      game.foundationBaseRanks[f] = integerIn(columns(line, from, from + 1));
    }
    return true;
  }

  // Reads a line of state tokens into its normal form: only whole tokens, and
  // face state "0" (face down) or "1" (any other character). Refuses what no
  // table can hold: a token that is no card number, more slots than a pile
  // can have, a card twice (seen collects the cards of one table or step).
  bool tokens(std::size_t lineIndex, std::bitset<kMaxCard + 1>& seen, std::string& normal) {
    const std::string_view line = lines_[lineIndex];
    const std::size_t slots = line.size() / 4;
    if (slots > static_cast<std::size_t>(kMaxPileSlots))
      return failed(lineIndex, "the pile line holds " + std::to_string(slots) + " card tokens; a pile holds at most " +
                                   std::to_string(kMaxPileSlots));
    normal.clear();
    normal.reserve(slots * 4);
    for (std::size_t i = 0; i < slots * 4; i += 4) {
      const std::string_view digits = line.substr(i, 3);
      const std::string token(line.substr(i, 4));
      if (digits.find_first_not_of("0123456789") != std::string_view::npos)
        return failed(lineIndex, "\"" + token + "\" is not a card token");
      const int card = (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
      if (card > kMaxCard)
        return failed(lineIndex, "\"" + token + "\" names card " + std::to_string(card) + ", but there are only " +
                                     std::to_string(kMaxCard) + " cards");
      normal += digits;
      normal += card != kNoCard && line[i + 3] == kFaceDown ? kFaceDown : kFaceUp;
      if (card == kNoCard) {
        normal.back() = kFaceDown;
        continue;
      }
      if (seen.test(static_cast<std::size_t>(card)))
        return failed(lineIndex, "card " + std::to_string(card) + " appears twice");
      seen.set(static_cast<std::size_t>(card));
    }
    return true;
  }

  bool readPiles(SavedGameFile& game) {
    const std::size_t needed = kFirstPileLine + kPilesPerStep;
    if (lines_.size() < needed)
      return failed(lines_.size() - 1, "the file ends before its " + std::to_string(kPilesPerStep) + " pile lines");
    // Foundation 1 may hold a selection of cards that lie elsewhere on the
    // table; whether the game allows it is checked once the game is known.
    std::bitset<kMaxCard + 1> seen;
    std::bitset<kMaxCard + 1> selection;
    for (std::size_t p = 0; p < game.piles.size(); ++p) {
      const bool foundation1 = p == static_cast<std::size_t>(kStockListSize);
      if (!tokens(kFirstPileLine + p, foundation1 ? selection : seen, game.piles[p])) return false;
    }
    return true;
  }

  bool readUndo(SavedGameFile& game) {
    int list = -1;
    std::size_t listStart = 0;
    for (std::size_t i = kFirstPileLine + kPilesPerStep; i < lines_.size(); ++i) {
      const std::string_view line = lines_[i];
      bool marker = false;
      for (int m = 0; m < 4; ++m) {
        if (line.starts_with(kUndoMarkers[m])) {
          list = m;
          listStart = i;
          marker = true;
        }
      }
      if (marker || list < 0) continue;
      std::bitset<kMaxCard + 1> unused;
      std::string normal;
      if (!tokens(i, unused, normal)) return false;
      game.undoLines[static_cast<std::size_t>(list)].push_back(std::move(normal));
      game.undoLineNumbers[static_cast<std::size_t>(list)].push_back(static_cast<int>(i + 1));
    }
    if (!UndoHistory::fromLines(game.undoLines, true))
      return failed(list < 0 ? lines_.size() - 1 : listStart,
                    "the undo history does not hold whole steps of every pile, or a step holds a card twice");
    return true;
  }

  std::string_view fileName_;
  std::vector<std::string_view> lines_;
  std::string error_;
};

}  // namespace

std::string formatSavedGame(const SavedGameFile& game) {
  std::string header1 = "[S-" + text(game.version, 4) + "]";
  header1 += fnZeroPad(game.gameIndex, 4);
  header1 += text(game.backgroundBitmap, 30);
  header1 += fnZeroPad(game.backgroundColour, 15);
  header1 += text(game.backgroundDefault, 4);
  header1 += text(game.cardSize, 1);
  header1 += text(game.cardSet, 9);
  header1 += fnZeroPad(game.backCard, 4);
  header1 += fnZeroPad(game.elapsedSeconds, 6);
  header1 += text(game.scoringKind, 2);
  header1 += fnZeroPad(game.score, 6);
  header1 += fnZeroPad(game.redealCount, 6);

  std::string header2 = text(game.player, 50) + text(game.gameNumber, 15) + " ";
  for (const std::optional<int>& rank : game.foundationBaseRanks) header2 += rank ? fnZeroPad(*rank, 2) : "**";

  std::string out;
  auto line = [&out](std::string_view l) {
    out += l;
    out += "\r\n";
  };
  line(header1);
  line(header2);
  for (int i = 0; i < 10; ++i) line("");
  for (const std::string& pile : game.piles) line(pile);
  for (std::size_t l = 0; l < game.undoLines.size(); ++l) {
    line(kUndoMarkers[l]);
    for (const std::string& historyLine : game.undoLines[l]) line(historyLine);
  }
  return out;
}

SavedGameReading parseSavedGame(std::string_view content, std::string_view fileName) {
  return Reader(content, fileName).read();
}

std::string checkSavedGameCards(const SavedGameFile& game, int packCards, bool selectionGame,
                                std::string_view fileName) {
  if (packCards < 1 || packCards > kMaxCard) packCards = kMaxCard;
  auto fault = [fileName](int lineNumber, const std::string& what) {
    return "Cannot open the game file " + std::string(fileName) + ": line " + std::to_string(lineNumber) + ": " +
           what + ".";
  };
  // Calls visit(card) for every card of a normal-form line; stops at the
  // first fault it answers.
  auto eachCard = [](const std::string& line, const std::function<std::string(int)>& visit) {
    for (std::size_t i = 0; i + 4 <= line.size(); i += 4) {
      const int card = (line[i] - '0') * 100 + (line[i + 1] - '0') * 10 + (line[i + 2] - '0');
      if (card == kNoCard) continue;
      if (std::string error = visit(card); !error.empty()) return error;
    }
    return std::string();
  };
  auto beyondPack = [packCards](int card) {
    return card > packCards ? "card " + std::to_string(card) + " is not in this game's pack of " +
                                  std::to_string(packCards) + " cards"
                            : std::string();
  };

  // The table: the selection on foundation 1 must be cards of the table.
  constexpr std::size_t kFoundation1 = kStockListSize;
  constexpr int kFirstPileLineNumber = 13;
  std::bitset<kMaxCard + 1> onTable;
  for (std::size_t p = 0; p < game.piles.size(); ++p) {
    const int lineNumber = kFirstPileLineNumber + static_cast<int>(p);
    const std::string error = eachCard(game.piles[p], [&](int card) {
      if (std::string e = beyondPack(card); !e.empty()) return e;
      if (p != kFoundation1) onTable.set(static_cast<std::size_t>(card));
      return std::string();
    });
    if (!error.empty()) return fault(lineNumber, error);
  }
  const std::string selectionError = eachCard(game.piles[kFoundation1], [&](int card) {
    if (selectionGame && !onTable.test(static_cast<std::size_t>(card)))
      return "card " + std::to_string(card) + " is selected but lies on no pile of the table";
    if (!selectionGame && onTable.test(static_cast<std::size_t>(card)))
      return "card " + std::to_string(card) + " appears twice";
    return std::string();
  });
  if (!selectionError.empty()) return fault(kFirstPileLineNumber + static_cast<int>(kFoundation1), selectionError);

  // The history, step by step: foundation 1 is an ordinary pile except in a
  // selection game, whose steps record it empty.
  const std::size_t steps = game.undoLines[0].size() / kStockListSize;
  constexpr std::array<int, 4> kPerStep{kStockListSize, kMaxFoundations, kMaxTableau, kMaxReserves};
  for (std::size_t step = 0; step < steps; ++step) {
    std::bitset<kMaxCard + 1> seen;
    for (std::size_t l = 0; l < kPerStep.size(); ++l) {
      const auto perStep = static_cast<std::size_t>(kPerStep[l]);
      for (std::size_t p = 0; p < perStep; ++p) {
        const std::size_t at = step * perStep + p;
        if (at >= game.undoLines[l].size()) continue;
        if (selectionGame && l == 1 && p == 0) continue;
        const std::string error = eachCard(game.undoLines[l][at], [&](int card) {
          if (std::string e = beyondPack(card); !e.empty()) return e;
          if (seen.test(static_cast<std::size_t>(card))) return "card " + std::to_string(card) + " appears twice";
          seen.set(static_cast<std::size_t>(card));
          return std::string();
        });
        const int lineNumber = at < game.undoLineNumbers[l].size() ? game.undoLineNumbers[l][at] : 0;
        if (!error.empty()) return fault(lineNumber, error);
      }
    }
  }
  return {};
}

}  // namespace quilloro
