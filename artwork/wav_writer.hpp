// RIFF wave files: 16-bit PCM, mono, as the program's sound events play them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quilloro {

inline constexpr int kSoundRate = 22050;

// Samples in -1 to 1 (clipped beyond), written as 16-bit mono PCM.
std::string encodeWav(const std::vector<float>& samples, int rate = kSoundRate);
void writeWav(const std::filesystem::path& file, const std::vector<float>& samples, int rate = kSoundRate);

struct WavFormat {
  int channels = 0;
  int rate = 0;
  int bitsPerSample = 0;
  std::size_t frames = 0;
};
// The format of a PCM wave file; throws std::runtime_error for anything else.
WavFormat readWavFormat(const std::string& bytes);

}  // namespace quilloro
