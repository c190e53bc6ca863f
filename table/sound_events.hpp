// The sounds of the game: each event's wave file and the switch that lets it
// be heard, under the master switch.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "app/core/settings_record.hpp"

namespace quilloro {

struct SoundEvent {
  std::string_view fileName;  // as the engine names it, with or without ".wav"
  // The event's own switch; none for a sound that only the master switch governs.
  const SettingsField* eventSwitch;
};

// Every sound event, in the order of the sound table.
const std::array<SoundEvent, 20>& soundEvents();

// Whether a requested sound is heard: its event switch is on and so is the
// master switch Sounds_Enabled.
bool soundAudible(const SettingsRecord& settings, bool switchOn);

// The wave file in the SOUNDS folder for a sound name: ".wav" is added when
// the name has no extension.
std::filesystem::path soundFilePath(const std::filesystem::path& programDirectory, std::string_view fileName);

}  // namespace quilloro
