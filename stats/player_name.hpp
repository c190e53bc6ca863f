// Which player names the result files can store, checked before anything is booked.
#pragma once

#include <string>
#include <string_view>

namespace quilloro::stats {

inline constexpr std::size_t kPlayerNameMaxLength = 30;  // as storablePlayerNameFault allows

// Why a name cannot be stored as a player, in plain English, or an empty text
// when it can. A name is the key of a line in STAT.DAT and a column of the
// log: 1 to 30 characters, no control characters, no "=", not starting with
// "[", ";" or "#" (which an INI reader takes for a section or a comment), and
// no space at either end (which an INI reader trims away).
std::string playerNameFault(std::string_view name);

inline bool isStorablePlayerName(std::string_view name) { return playerNameFault(name).empty(); }

}  // namespace quilloro::stats
