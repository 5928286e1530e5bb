#pragma once
// splitmix64, written out so that a seed gives the same numbers on every machine, compiler and
// library version (the standard distributions do not promise that). The demo season draws from
// it directly; the play-off simulation seeds its faster generator with it.

#include <cstdint>

namespace tavrin {

// Advances `state` and returns the next number of its sequence.
inline uint64_t SplitMix64(uint64_t& state) {
  state += 0x9E3779B97F4A7C15ULL;
  uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace tavrin
