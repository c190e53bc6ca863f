#include "table/small_screen_policy.hpp"

#include "table/card_size.hpp"

namespace quilloro {

SmallScreenChange applySmallScreenPolicy(SettingsRecord& settings, int screenWidth, bool needsWideScreen) {
  const std::string medium(1, kCardSizeMedium.letter);
  if (screenWidth < kWideScreenWidth && needsWideScreen) {
    if (settings.get(field::CardSize) == medium) return SmallScreenChange::None;
    settings.set(field::SetAsideCard, settings.get(field::Card));
    settings.set(field::SetAsideBackCard, settings.get(field::BackCard));
    settings.set(field::Card, kPredefinedCardSet);
    settings.set(field::BackCard, kPredefinedBack);
    settings.set(field::CardSize, medium);
    return SmallScreenChange::Predefined;
  }

  SmallScreenChange change = SmallScreenChange::None;
  if (!settings.get(field::SetAsideCard).empty()) {
    settings.set(field::Card, settings.get(field::SetAsideCard));
    settings.set(field::BackCard, settings.get(field::SetAsideBackCard));
    settings.set(field::SetAsideCard, "");
    settings.set(field::SetAsideBackCard, "");
    change = SmallScreenChange::Restored;
  }
  if (settings.get(field::CardSize) != std::string(1, kCardSizeMiniature.letter))
    settings.set(field::CardSize, std::string(1, kCardSizeNormal.letter));
  return change;
}

std::string smallScreenNotice(std::string_view gameName) {
  return "Your video card runs at 640x480 pixels.\r"
         "For best graphics display, screen resolution should be set to 800x600 pixels or higher. "
         "However, it's possible to play " +
         std::string(gameName) + " using a predefined card and deck set.";
}

}  // namespace quilloro
