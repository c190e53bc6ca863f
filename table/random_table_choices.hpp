// The random background, card set and back that the preferences may ask for at every new game.
#pragma once

#include "app/core/settings_record.hpp"
#include "table/card_image_files.hpp"
#include "table/untidy_offsets.hpp"

namespace quilloro {

// The colours offered after the background pictures: blue, green, navy,
// olive and teal, as colour values with red in the lowest byte.
inline constexpr long long kRandomBackgroundColours[] = {0xff0000, 0x8000, 0x800000, 0x8080, 0x808000};

struct RandomChoiceOutcome {
  bool backgroundChosen = false;
  bool cardSetChanged = false;
  bool backChanged = false;
};

// The pictures a display can show well: all of them above 256 colours;
// otherwise those that sort before the first one after "b256.bmp" (all of
// them when none does).
std::vector<std::string> backgroundsForDisplay(const ImageCatalogue& catalogue, long long displayColours);

// Random_Background, Random_Card and Random_Deck as the settings hold them;
// the card set and the back change only for the normal card size. The
// choices are written to the settings; reloading the pictures and repainting
// is the caller's.
RandomChoiceOutcome applyRandomChoices(SettingsRecord& settings, const ImageCatalogue& catalogue,
                                       long long displayColours, const RandomSource& random);

}  // namespace quilloro
