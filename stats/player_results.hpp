// The players, and the operations that change every result of a player or game.
#pragma once

#include "app/core/atomic_file.hpp"
#include "app/core/ini_file.hpp"
#include "stats/result_files.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilloro::stats {

inline constexpr int kMaxPlayers = 20;

// Gives the player's results the new name: the STAT.DAT keys in every
// section, the player column of the result log and of the hi-score entries.
// A player called like the old name with more letters is left alone. Both
// names are trimmed; a name that cannot be a STAT.DAT key changes nothing. A
// STAT.DAT record already kept under the new name (left by a deleted player)
// gives way to the renamed one in the sections where both exist, so the
// player's results never hide behind it. Missing files are skipped. All
// three files are attempted; the errors are given together.
FileError renamePlayerInResultFiles(const ResultFiles& files, std::string_view oldName, std::string_view newName);

// Clears the statistics of one game kind or all (nullopt), for one player or
// all (nullopt): STAT.DAT records become zero records (all games and all
// players: every section goes), and the matching log lines are dropped. The
// hi-score tables are not touched. Missing files are skipped.
FileError clearStatistics(const ResultFiles& files, std::optional<int> gameIndex, std::optional<std::string> player);

// The non-empty User001 .. User020 values of section "Users", sorted without
// regard to letter case, each name once.
std::vector<std::string> playersList(const IniFile& preferences);

// Writes User001 .. User020 from names in their order, empty for the keys
// beyond the last name; names after the 20th are not written.
FileError writePlayersList(IniFile& preferences, const std::vector<std::string>& names);

}  // namespace quilloro::stats
