#include "table/random_table_choices.hpp"

#include <algorithm>
#include <iterator>

#include "table/background_painter.hpp"

namespace quilloro {
namespace {

// A draw in [0, bound), held inside the bound whatever the source answers.
int draw(const RandomSource& random, int bound) {
  if (bound <= 0) return 0;
  const int value = random ? random(bound) : 0;
  return std::clamp(value, 0, bound - 1);
}

bool switchedOn(const SettingsRecord& settings, const SettingsField& f) { return settings.get(f) == "Y"; }

}  // namespace

std::vector<std::string> backgroundsForDisplay(const ImageCatalogue& catalogue, long long displayColours) {
  if (displayColours > kPaletteDisplayColours) return catalogue.backgrounds;
  const auto firstRich = std::find_if(catalogue.backgrounds.begin(), catalogue.backgrounds.end(),
                                      [](const std::string& name) { return name > "b256.bmp"; });
  return {catalogue.backgrounds.begin(), firstRich};
}

RandomChoiceOutcome applyRandomChoices(SettingsRecord& settings, const ImageCatalogue& catalogue,
                                       long long displayColours, const RandomSource& random) {
  RandomChoiceOutcome outcome;
  if (switchedOn(settings, field::RandomBackground)) {
    settings.set(field::BackgroundDefault, "N");
    settings.set(field::BackgroundBitmap, "0");
    settings.setInteger(field::BackgroundFixedColour, 0);
    const std::vector<std::string> pictures = backgroundsForDisplay(catalogue, displayColours);
    const int k = static_cast<int>(pictures.size());
    const int pick = draw(random, k + static_cast<int>(std::size(kRandomBackgroundColours)));
    if (pick < k) settings.set(field::BackgroundBitmap, pictures[static_cast<std::size_t>(pick)].substr(1, 3));
    else settings.setInteger(field::BackgroundFixedColour, kRandomBackgroundColours[pick - k]);
    outcome.backgroundChosen = true;
  }
  const bool normalSize = settings.get(field::CardSize) == "B";
  if (normalSize && switchedOn(settings, field::RandomCard) && catalogue.normalCardSets() > 0) {
    const int set = draw(random, catalogue.normalCardSets()) + 1;
    if (set != settings.getInteger(field::Card).value_or(0)) {
      settings.setInteger(field::Card, set);
      outcome.cardSetChanged = true;
    }
  }
  if (normalSize && switchedOn(settings, field::RandomDeck) && catalogue.normalBackFiles > 0) {
    const int back = draw(random, catalogue.normalBackFiles) + 1;
    if (back != settings.getInteger(field::BackCard).value_or(0)) {
      settings.setInteger(field::BackCard, back);
      outcome.backChanged = true;
    }
  }
  return outcome;
}

}  // namespace quilloro
