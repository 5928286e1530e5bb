#pragma once
// The demo season's random numbers: splitmix64, so that a seed gives the same season everywhere.

#include <cstdint>
#include <utility>

#include "engine/splitmix64.h"

namespace tavrin::demo {

class DemoRandom {
 public:
  explicit DemoRandom(uint64_t seed) : state_(seed) {}

  uint64_t Next() { return SplitMix64(state_); }

  // A whole number in 0..bound-1 (bound > 0); the modulo bias is far below anything a season shows.
  int Below(int bound) { return static_cast<int>(Next() % static_cast<uint64_t>(bound)); }

  // A whole number in low..high.
  int Between(int low, int high) { return low + Below(high - low + 1); }

  // Fisher-Yates over any random-access range.
  template <typename Range>
  void Shuffle(Range& range) {
    for (auto i = range.size(); i > 1; --i) {
      auto j = static_cast<decltype(i)>(Below(static_cast<int>(i)));
      std::swap(range[i - 1], range[j]);
    }
  }

 private:
  uint64_t state_;
};

}  // namespace tavrin::demo
