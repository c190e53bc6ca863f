// The player's favourite games in section "Favourite Games" of the preferences file.
#pragma once

#include <string>
#include <vector>

#include "app/core/atomic_file.hpp"
#include "app/core/ini_file.hpp"

namespace quilloro {

// "Game000", "Game001", ...
std::string favouriteKey(int index);

// The values of Game000, Game001, ... up to the first missing or empty key,
// trailing spaces removed; a name given twice is listed once.
std::vector<std::string> readFavourites(const IniFile& preferences);

// Replaces the section with the names as Game000, Game001, ... in their order.
FileError writeFavourites(IniFile& preferences, const std::vector<std::string>& names);

}  // namespace quilloro
