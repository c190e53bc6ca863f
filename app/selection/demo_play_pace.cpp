// The demo bar's Play pace, taken from the card-speed preference.
#include "app/selection/demo_play_pace.hpp"

#include <algorithm>

#include "app/core/settings_record.hpp"

namespace quilloro {

namespace {
// The speed the preference has when it is missing or unreadable, and the
// largest delay the two-digit field can hold.
constexpr long long kNormalStepDelay = 10;
constexpr long long kLongestStepDelay = 99;
}  // namespace

int demoPlayPause(const SettingsRecord& settings) {
  const long long delay =
      std::clamp<long long>(settings.getInteger(field::SpeedMoveCard).value_or(kNormalStepDelay), 0, kLongestStepDelay);
  return std::max(kLeastDemoPause, static_cast<int>(delay) * kDemoPausePerStepDelay);
}

}  // namespace quilloro
