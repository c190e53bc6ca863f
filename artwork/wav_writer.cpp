// Wave file encoding: a RIFF header, a "fmt " chunk for PCM and one "data" chunk.
#include "artwork/wav_writer.hpp"
#include "artwork/little_endian.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace quilloro {

std::string encodeWav(const std::vector<float>& samples, int rate) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out;
  out.reserve(44 + dataSize);
  out += "RIFF";
  putLe(out, 36 + dataSize, 4);
  out += "WAVE";
  out += "fmt ";
  putLe(out, 16, 4);
  putLe(out, 1, 2);  // PCM
  putLe(out, 1, 2);  // mono
  putLe(out, static_cast<std::uint32_t>(rate), 4);
  putLe(out, static_cast<std::uint32_t>(rate * 2), 4);  // bytes per second
  putLe(out, 2, 2);                                     // bytes per frame
  putLe(out, 16, 2);
  out += "data";
  putLe(out, dataSize, 4);
  for (float s : samples) {
    const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    putLe(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)) & 0xFFFF, 2);
  }
  return out;
}

void writeWav(const std::filesystem::path& file, const std::vector<float>& samples, int rate) {
  const std::string bytes = encodeWav(samples, rate);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

WavFormat readWavFormat(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    throw std::runtime_error("not a RIFF wave file");
  if (getLe(bytes, 4, 4) + 8 != bytes.size()) throw std::runtime_error("RIFF size does not match the file");
  WavFormat format;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::uint32_t size = getLe(bytes, at + 4, 4);
    if (at + 8 + size > bytes.size()) throw std::runtime_error("wave chunk runs past the end");
    if (id == "fmt ") {
      if (size < 16 || getLe(bytes, at + 8, 2) != 1) throw std::runtime_error("wave file is not PCM");
      format.channels = static_cast<int>(getLe(bytes, at + 10, 2));
      format.rate = static_cast<int>(getLe(bytes, at + 12, 4));
      format.bitsPerSample = static_cast<int>(getLe(bytes, at + 22, 2));
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat || format.channels <= 0 || format.bitsPerSample <= 0) throw std::runtime_error("wave data before its format");
      format.frames = size / static_cast<std::size_t>(format.channels * format.bitsPerSample / 8);
      return format;
    }
    at += 8 + size + (size % 2);
  }
  throw std::runtime_error("wave file has no data chunk");
}

}  // namespace quilloro
