// The preferences the window's play tests start from: the moves show at once,
// nothing plays by itself or asks, and the table is shown at its own size.
#pragma once

#include "app/core/ini_file.hpp"

namespace quilloro {

inline void writeQuietPlayPreferences(IniFile& cfg) {
  cfg.writeString("Preference", "AutoPlay", "N");
  cfg.writeString("Preference", "Cards_Animate", "N");
  cfg.writeString("Preference", "Speed_Move_Card", "0");
  cfg.writeString("Preference", "Winning_Animation", "N");
  cfg.writeString("Preference", "Sounds_Enabled", "N");
  cfg.writeString("Preference", "ConfirmQuit", "N");
  // A won game may enter the hi-scores; "Compliments!" is tested with the statistics windows.
  cfg.writeString("Preference", "ConfirmEnterHiScores", "N");
  // The tests place the pointer in table pixels, one window pixel per table
  // pixel: the zoom has tests of its own.
  cfg.writeString("Preference", "FitToWindow", "N");
}

}  // namespace quilloro
