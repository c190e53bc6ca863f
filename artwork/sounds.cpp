// Sound synthesis: noise bursts through band-pass filters for card noises, bell-like tones for chimes.
#include "artwork/sounds.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <stdexcept>

#include "artwork/shading.hpp"
#include "artwork/wav_writer.hpp"

namespace quilloro::artwork {
namespace {

constexpr double kRate = kSoundRate;
constexpr float kPeak = 0.4f;  // every sound is scaled to this peak: clear but never loud

using Track = std::vector<float>;

Track silence(double seconds) { return Track(static_cast<std::size_t>(seconds * kRate), 0.0f); }

class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// A band-pass biquad (constant peak gain).
class BandPass {
 public:
  BandPass(double centre, double q) {
    const double w = kTwoPi * centre / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
  }
  double operator()(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void addAt(Track& track, const Track& part, double atSeconds, double gain = 1.0) {
  const auto start = static_cast<std::size_t>(atSeconds * kRate);
  if (track.size() < start + part.size()) track.resize(start + part.size(), 0.0f);
  for (std::size_t i = 0; i < part.size(); ++i) track[start + i] += static_cast<float>(part[i] * gain);
}

// The snap of a card: a short noise burst shaped by a fast attack and decay.
Track flick(double seconds, double centre, double q, double decay, std::uint32_t seed) {
  Track out = silence(seconds);
  Noise noise(seed);
  BandPass filter(centre, q);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t / decay);
    out[i] = static_cast<float>(filter(noise.next()) * envelope);
  }
  return out;
}

// A noise swish whose colour glides from one band to another.
Track swish(double seconds, double from, double to, std::uint32_t seed) {
  Track out = silence(seconds);
  Noise noise(seed);
  double y1 = 0, y2 = 0, x1 = 0, x2 = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate, p = t / seconds;
    const double centre = from * std::pow(to / from, p);
    const double w = kTwoPi * centre / kRate, alpha = std::sin(w) / 3.0, a0 = 1 + alpha;
    const double x = noise.next();
    const double y = (alpha * x - alpha * x2 + 2 * std::cos(w) * y1 - (1 - alpha) * y2) / a0;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    out[i] = static_cast<float>(y * std::sin(std::numbers::pi * p));
  }
  return out;
}

// A bell-like tone: a few inharmonic partials, each fading at its own pace.
Track bell(double frequency, double seconds, double brightness = 0.5) {
  Track out = silence(seconds);
  const double partials[][3] = {{1.0, 1.0, 1.0}, {2.0, 0.45 * brightness, 0.6}, {3.01, 0.25 * brightness, 0.4}, {4.2, 0.12 * brightness, 0.25}};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    double s = 0;
    for (const auto& p : partials) s += p[1] * std::sin(kTwoPi * frequency * p[0] * t) * std::exp(-t / (seconds * 0.28 * p[2]));
    out[i] = static_cast<float>(s * std::min(1.0, t / 0.004));
  }
  return out;
}

// A soft marimba-like note: a sine with a quick decay and a hint of its octave.
Track mallet(double frequency, double seconds) {
  Track out = silence(seconds);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    const double s = std::sin(kTwoPi * frequency * t) + 0.3 * std::sin(kTwoPi * 4 * frequency * t) * std::exp(-t / 0.02);
    out[i] = static_cast<float>(s * std::min(1.0, t / 0.002) * std::exp(-t / (seconds * 0.3)));
  }
  return out;
}

// A short tone gliding between two pitches.
Track glide(double from, double to, double seconds) {
  Track out = silence(seconds);
  double phase = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double p = i / static_cast<double>(out.size());
    phase += kTwoPi * (from + (to - from) * p) / kRate;
    const double envelope = std::sin(std::numbers::pi * p) * (1 - 0.5 * p);
    out[i] = static_cast<float>((std::sin(phase) + 0.2 * std::sin(2 * phase)) * envelope);
  }
  return out;
}

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }
// Semitones from A4 of some notes used below.
constexpr int kG4 = -2, kC5 = 3, kE5 = 7, kG5 = 10, kC6 = 15, kE6 = 19, kG6 = 22, kA5 = 12, kD6 = 17;

Track normalised(Track track, float target = kPeak) {
  float peak = 0;
  for (float s : track) peak = std::max(peak, std::fabs(s));
  if (peak > 0)
    for (float& s : track) s *= target / peak;
  // Fade the last milliseconds so no sound ends with a click.
  const std::size_t fade = std::min<std::size_t>(track.size(), static_cast<std::size_t>(0.005 * kRate));
  for (std::size_t i = 0; i < fade; ++i) track[track.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
  return track;
}

Track arpeggio(const std::vector<int>& notes, double step, double ring) {
  Track out;
  for (std::size_t i = 0; i < notes.size(); ++i) addAt(out, bell(note(notes[i]), ring), i * step, 1.0);
  return out;
}

Track cardUp() { return flick(0.06, 3200, 1.2, 0.008, 1); }

Track cardDown() {
  Track out = flick(0.08, 900, 0.9, 0.012, 2);
  addAt(out, flick(0.05, 2500, 1.5, 0.005, 3), 0.0, 0.5);
  return out;
}

Track shuffle() {
  // A riffle: many small flicks, quickening and then slowing, with a swish under them.
  Track out = silence(0.9);
  addAt(out, swish(0.85, 1500, 3500, 4), 0.02, 0.25);
  double t = 0.03;
  for (int i = 0; t < 0.82; ++i) {
    addAt(out, flick(0.03, 2200 + 900 * std::sin(i * 1.7), 1.4, 0.004, 10 + static_cast<std::uint32_t>(i)), t, 0.8);
    t += 0.018 + 0.012 * std::fabs(std::sin(t * 3.4));
  }
  return out;
}

Track won() {
  Track out = arpeggio({kC5, kE5, kG5, kC6, kE6}, 0.11, 0.9);
  for (int n : {kC5, kE5, kG5, kC6}) addAt(out, bell(note(n), 1.2, 0.35), 0.62, 0.45);
  return out;
}

Track fanfare() {
  Track out;
  const int tune[] = {kG4, kC5, kE5, kG5, kE5, kG5};
  const double at[] = {0.0, 0.12, 0.24, 0.36, 0.52, 0.62};
  for (int i = 0; i < 6; ++i) addAt(out, mallet(note(tune[i]), i == 5 ? 0.6 : 0.25), at[i]);
  return out;
}

Track taDa() {
  Track out;
  for (int n : {kG4, kC5, kE5}) addAt(out, bell(note(n), 0.3, 0.6), 0.0, 0.6);
  for (int n : {kC5, kE5, kG5, kC6}) addAt(out, bell(note(n), 0.8, 0.6), 0.16, 0.5);
  return out;
}

}  // namespace

std::vector<std::string> soundFileNames() {
  return {"Splash.wav", "New.wav", "Shuffle.wav", "Restart.wav", "card_up.wav", "card_down.wav", "Face_up.wav",
          "Tableau.wav", "Foundation.wav", "Autoplay.wav", "Stock.wav", "Redeal.wav", "Pairing.wav", "Reorder.wav",
          "Undo.wav", "Redo.wav", "Won.wav", "Hi-Scor.wav", "Scores.wav", "About.wav"};
}

std::vector<float> renderSound(const std::string& name) {
  Track t;
  if (name == "Splash.wav") {
    t = arpeggio({kC5, kG5, kC6, kE6, kG6}, 0.09, 1.2);
  } else if (name == "New.wav") {
    t = arpeggio({kG5, kC6}, 0.1, 0.45);
  } else if (name == "Shuffle.wav") {
    t = shuffle();
  } else if (name == "Restart.wav") {
    t = swish(0.3, 3000, 900, 5);
    addAt(t, bell(note(kC6), 0.3), 0.24, 0.6);
  } else if (name == "card_up.wav") {
    t = cardUp();
  } else if (name == "card_down.wav") {
    t = cardDown();
  } else if (name == "Face_up.wav") {
    t = flick(0.05, 2600, 1.3, 0.006, 6);
    addAt(t, flick(0.05, 3600, 1.3, 0.005, 7), 0.03, 0.7);
  } else if (name == "Tableau.wav") {
    t = swish(0.06, 2500, 1500, 8);
    addAt(t, cardDown(), 0.04, 1.0);
  } else if (name == "Foundation.wav") {
    t = cardDown();
    addAt(t, bell(note(kE6), 0.3, 0.3), 0.02, 0.35);
  } else if (name == "Autoplay.wav") {
    t = flick(0.04, 2000, 1.2, 0.006, 9);
    addAt(t, bell(note(kA5), 0.14, 0.2), 0.0, 0.25);
  } else if (name == "Stock.wav") {
    t = swish(0.09, 1800, 3400, 11);
    addAt(t, flick(0.04, 3000, 1.4, 0.005, 12), 0.07, 0.8);
  } else if (name == "Redeal.wav") {
    t = swish(0.5, 1200, 2600, 13);
  } else if (name == "Pairing.wav") {
    t = arpeggio({kC6, kG6}, 0.07, 0.35);
  } else if (name == "Reorder.wav") {
    for (int i = 0; i < 3; ++i) addAt(t, flick(0.05, 2400 + 400 * i, 1.3, 0.006, 20 + static_cast<std::uint32_t>(i)), i * 0.07);
  } else if (name == "Undo.wav") {
    t = glide(880, 620, 0.14);
  } else if (name == "Redo.wav") {
    t = glide(620, 880, 0.14);
  } else if (name == "Won.wav") {
    t = won();
  } else if (name == "Hi-Scor.wav") {
    t = fanfare();
  } else if (name == "Scores.wav") {
    t = taDa();
  } else if (name == "About.wav") {
    const int tune[] = {kC5, kE5, kG5, kD6, kC6};
    for (int i = 0; i < 5; ++i) addAt(t, mallet(note(tune[i]), 0.4), i * 0.13, 1.0);
  } else {
    throw std::invalid_argument("no sound named " + name);
  }
  // Pure tones sound louder than noises of the same peak.
  const bool tone = name == "Undo.wav" || name == "Redo.wav";
  return normalised(std::move(t), tone ? kPeak * 0.55f : kPeak);
}

}  // namespace quilloro::artwork
