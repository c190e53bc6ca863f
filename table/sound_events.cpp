// The sound table.
#include "table/sound_events.hpp"

#include <string>

namespace quilloro {

const std::array<SoundEvent, 20>& soundEvents() {
  static const std::array<SoundEvent, 20> events{{
      {"Splash", &field::SoundsSplash},
      {"New", &field::SoundsNewGame},
      {"Shuffle", &field::SoundsShuffle},
      {"Restart", &field::SoundsRestart},
      {"card_up.wav", &field::SoundsCardUp},
      {"card_down.wav", &field::SoundsCardDown},
      {"Face_up", &field::SoundsFaceUp},
      {"Tableau", &field::SoundsTableau},
      {"Foundation.wav", &field::SoundsFoundation},
      {"Autoplay.wav", &field::SoundsAutoplay},
      {"Stock", &field::SoundsStock},
      {"Redeal", &field::SoundsRedeal},
      {"Pairing", &field::SoundsPairing},
      {"Reorder", nullptr},
      {"Undo", &field::SoundsUndo},
      {"Redo", &field::SoundsRedo},
      {"Won", &field::SoundsGameWon},
      {"Hi-Scor", &field::SoundsHiScores},
      {"Scores.wav", &field::SoundsNewHiScores},
      {"About.wav", &field::SoundsAbout},
  }};
  return events;
}

bool soundAudible(const SettingsRecord& settings, bool switchOn) {
  return switchOn && settings.get(field::SoundsEnabled) == "Y";
}

std::filesystem::path soundFilePath(const std::filesystem::path& programDirectory, std::string_view fileName) {
  std::string name(fileName);
  if (std::filesystem::path(name).extension().empty()) name += ".wav";
  return programDirectory / "SOUNDS" / name;
}

}  // namespace quilloro
