// The predefined card set that games needing a wide screen get on narrow screens.
#pragma once

#include <string>
#include <string_view>

#include "app/core/settings_record.hpp"

namespace quilloro {

inline constexpr int kWideScreenWidth = 650;
inline constexpr std::string_view kPredefinedCardSet = "003";
inline constexpr std::string_view kPredefinedBack = "006";

enum class SmallScreenChange {
  None,
  Predefined,  // the player's card set and back were put aside for the predefined ones
  Restored,    // the put-aside card set and back are back
};

// Settles the card size letter in the settings record: "M" with the predefined
// set on a screen narrower than 650 pixels for a game that needs a wide one;
// otherwise the put-aside set comes back and any size but "P" becomes "B".
SmallScreenChange applySmallScreenPolicy(SettingsRecord& settings, int screenWidth, bool needsWideScreen);

// The notice shown once per run when the predefined set replaces the player's.
std::string smallScreenNotice(std::string_view gameName);

}  // namespace quilloro
