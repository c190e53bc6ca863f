// Smooth pseudo-random noise for textures: felt, wood grain, marble veins, clouds.
#pragma once

#include <cstdint>

namespace quilloro::artwork {

// Gradient noise in about -1 to 1. With a period above 0 the noise repeats
// every period units in x and periodY in y (the same when not given), so that a tile joins its neighbours without a seam.
double gradientNoise(double x, double y, std::uint32_t seed, int period = 0, int periodY = -1);

// Octaves of gradient noise, each twice as fine and half as strong; the period
// (of the first octave) doubles with each octave so tiles stay seamless.
double fractalNoise(double x, double y, int octaves, std::uint32_t seed, int period = 0, int periodY = -1);

// A repeatable random number in [0, 1) for integer coordinates.
double hashUnit(int x, int y, std::uint32_t seed);

}  // namespace quilloro::artwork
