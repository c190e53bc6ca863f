// Reading and writing the favourite games.
#include "app/core/game_selection_favourites.hpp"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/core/settings_record.hpp"
#include "app/core/shared_routines.hpp"

namespace quilloro {

std::string favouriteKey(int index) { return "Game" + fnZeroPad(index, 3); }

std::vector<std::string> readFavourites(const IniFile& preferences) {
  std::vector<std::string> names;
  const std::vector<IniEntry> section = preferences.readSection(prefsection::FavouriteGames);
  auto valueOf = [&section](const std::string& key) -> std::optional<std::string> {
    for (const IniEntry& entry : section) {
      if (entry.key.size() != key.size()) continue;
      if (std::equal(key.begin(), key.end(), entry.key.begin(),
                     [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                                 std::tolower(static_cast<unsigned char>(b)); }))
        return entry.value;
    }
    return std::nullopt;
  };
  for (int index = 0; index < 1000; ++index) {
    const auto value = valueOf(favouriteKey(index));
    if (!value) break;
    std::string name = fnTrimRight(*value);
    if (name.empty()) break;
    // A name listed twice would show twice and be written back twice.
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
  }
  return names;
}

FileError writeFavourites(IniFile& preferences, const std::vector<std::string>& names) {
  if (FileError error = preferences.eraseSection(prefsection::FavouriteGames)) return error;
  if (names.empty()) return std::nullopt;
  std::vector<IniEntry> entries;
  for (std::size_t i = 0; i < names.size() && i < 1000; ++i)
    entries.push_back({favouriteKey(static_cast<int>(i)), names[i]});
  return preferences.writeStrings(prefsection::FavouriteGames, entries);
}

}  // namespace quilloro
