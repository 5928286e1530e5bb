#pragma once
// The play-off simulation's random numbers: xoshiro256** seeded through splitmix64, written out
// so that a seed gives the same odds on every machine and library (the standard distributions
// do not promise that), and fast enough for millions of games.

#include <cstdint>

#include "engine/splitmix64.h"

namespace tavrin {

class PlayoffRandom {
 public:
  explicit PlayoffRandom(uint64_t seed) {
    for (auto& word : state_) word = SplitMix64(seed);
  }

  uint64_t Next() {
    const uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
  }

  // Uniform in the open interval (0, 1): never 0 or 1, so its normal quantile is finite.
  double Open01() { return (static_cast<double>(Next() >> 11) + 0.5) * 0x1.0p-53; }

  // A whole number in 0..bound-1 (bound > 0); the modulo bias is far below anything odds show.
  int Below(int bound) { return static_cast<int>(Next() % static_cast<uint64_t>(bound)); }

 private:
  static uint64_t RotateLeft(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  uint64_t state_[4];
};

}  // namespace tavrin
