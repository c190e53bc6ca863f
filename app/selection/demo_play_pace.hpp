// How long the demo bar's Play waits between two moves: the card-speed preference sets the pace.
#pragma once

namespace quilloro {

class SettingsRecord;

// Even with the fastest card speed, or with card flights turned off, each move
// stays on the table long enough to be seen.
inline constexpr int kLeastDemoPause = 150;
// Milliseconds of pause per millisecond of card-speed step delay: a flight
// takes about ten steps, and the player gets time to follow it.
inline constexpr int kDemoPausePerStepDelay = 30;

// The pause in milliseconds that the card speed of the settings asks for: the
// slowest speed (50) gives 1.5 s, the normal one (10) 0.3 s.
int demoPlayPause(const SettingsRecord& settings);

}  // namespace quilloro
