// The game file: a saved game (or a demo) with its table, score, clock and the
// whole undo history, as lines of text.
//
//   line 1      header: format version, game index, appearance, elapsed
//               seconds, scoring kind, score, redeal count (95 characters)
//   line 2      player, game number, base ranks of the 16 foundations
//   lines 3-12  empty
//   lines 13-65 the 53 piles as state tokens: stock, waste, discard pile,
//               foundations 1-16, tableau piles 1-26, reserves 1-8
//   then        "[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]" and
//               "[UNDO - Reserves]", each followed by its history lines
//
// Files of format versions before 0301 are not read: their pile counts do
// not match today's 16 foundations and 26 tableau piles, so no conversion
// could restore them faithfully.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/card.hpp"
#include "engine/undo_history.hpp"

namespace quilloro {

inline constexpr std::string_view kSavedGameVersion = "0302";
// The oldest format version that is read.
inline constexpr std::string_view kOldestReadableVersion = "0301";

struct SavedGameFile {
  std::string version{kSavedGameVersion};
  int gameIndex = 0;
  // Appearance at the time of saving: written for information, never read.
  std::string backgroundBitmap;
  long long backgroundColour = 0;
  std::string backgroundDefault;
  std::string cardSize;
  std::string cardSet;
  int backCard = 0;

  int elapsedSeconds = 0;
  std::string scoringKind = "01";
  int score = 0;
  int redealCount = 1;
  std::string player;
  std::string gameNumber;
  // Game parameters 27 to 42; nothing where the file holds no number.
  std::array<std::optional<int>, 16> foundationBaseRanks{};

  // The 53 piles in table order, as state tokens.
  std::array<std::string, kPilesPerStep> piles;
  // The undo history: stock list, foundations, tableau and reserve lines.
  std::array<std::vector<std::string>, 4> undoLines;
  // Where each history line stood in the file read (1-based), for messages.
  std::array<std::vector<int>, 4> undoLineNumbers;
};

// The file's text, lines ended by CR LF.
std::string formatSavedGame(const SavedGameFile& game);

struct SavedGameReading {
  std::optional<SavedGameFile> game;
  // When game is empty: what is wrong, naming the file and the line.
  std::string error;
};

// Reads and checks a whole file; lines may end in CR LF or LF. Every pile and
// history line is checked (card numbers 0 to 104, at most kMaxPileSlots slots,
// no card twice on the table or in one history step, foundation 1 apart) and
// kept in its normal form: whole tokens only, face state "0" for face down
// and "1" for anything else. A blank game number is game 0.
SavedGameReading parseSavedGame(std::string_view content, std::string_view fileName);

// What the parse cannot know before the game kind is: no card beyond the
// game's pack of packCards cards, and foundation 1 holding either the
// player's selection (selectionGame: cards that lie on the table as well) or
// cards of its own. Answers the fault naming the file and line, or an empty
// text when the file's game can be put on the table as it is.
std::string checkSavedGameCards(const SavedGameFile& game, int packCards, bool selectionGame,
                                std::string_view fileName);

}  // namespace quilloro
