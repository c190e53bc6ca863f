// Which player names the preferences and the result files can store.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quilloro {

inline constexpr std::size_t kStorablePlayerNameMaxLength = 30;

// Why a name cannot be stored as a player, in plain English, or an empty text
// when it can. A name is the key of a line in STAT.DAT and a column of the
// log: 1 to 30 characters, no control characters, no "=", not starting with
// "[", ";" or "#" (which an INI reader takes for a section or a comment), and
// no space at either end (which an INI reader trims away).
std::string storablePlayerNameFault(std::string_view name);

}  // namespace quilloro
