// The sound events' wave files, synthesised: card flicks from filtered noise, chimes from decaying partials.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace quilloro::artwork {

// File names as the table of sound events gives them, each with ".wav".
std::vector<std::string> soundFileNames();
// Samples at 22050 Hz in -1 to 1 for one of those files.
std::vector<float> renderSound(const std::string& fileName);

}  // namespace quilloro::artwork
