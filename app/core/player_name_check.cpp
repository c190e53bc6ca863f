// Which player names the preferences and the result files can store.
#include "app/core/player_name_check.hpp"

#include <algorithm>

namespace quilloro {

std::string storablePlayerNameFault(std::string_view name) {
  if (name.empty()) return "A player name needs at least 1 character.";
  if (name.size() > kStorablePlayerNameMaxLength) return "A player name has at most 30 characters.";
  const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; };
  if (std::any_of(name.begin(), name.end(), control))
    return "A player name cannot hold a line break, a tab or another control character.";
  if (name.find('=') != std::string_view::npos) return "A player name cannot hold \"=\".";
  if (name.front() == '[' || name.front() == ';' || name.front() == '#')
    return "A player name cannot start with \"[\", \";\" or \"#\".";
  if (name.front() == ' ' || name.back() == ' ') return "A player name cannot start or end with a space.";
  return {};
}

}  // namespace quilloro
