#ifndef CURVESMITH_ENGINE_CRT_RANDOM_H_
#define CURVESMITH_ENGINE_CRT_RANDOM_H_

#include <cstdint>

namespace curvesmith {

// The classic Windows C runtime generator behind srand()/rand(), as an explicit
// object so that a run is fully determined by its seed on every platform.
class CrtRandom {
 public:
  // Largest value Rand() returns.
  static constexpr int kRandMax = 0x7FFF;

  // srand(seed): the state is the seed itself.
  explicit CrtRandom(std::uint32_t seed = 1) : state_(seed) {}

  // Most values Fill() gives at once.
  static constexpr int kMaxFill = 16;

  // rand(): 0 to kRandMax.
  int Rand() {
    state_ = state_ * kMultiplier + kIncrement;
    return static_cast<int>((state_ >> 16) & kRandMax);
  }

  // The next `count` values of Rand(), as that many calls give them, into
  // out[0] to out[count - 1]. Each state is reached from the current one in
  // one jump (k steps multiply by a^k and add c (a^(k-1) + ... + 1)), so the
  // values do not wait for each other as consecutive calls do.
  // REQUIRES: 0 <= count <= kMaxFill.
  void Fill(int* out, int count) {
    for (int k = 0; k < count; ++k) {
      const std::uint32_t state = state_ * kJumps.multiplier[k] + kJumps.increment[k];
      out[k] = static_cast<int>((state >> 16) & kRandMax);
    }
    if (count > 0) state_ = state_ * kJumps.multiplier[count - 1] + kJumps.increment[count - 1];
  }

 private:
  static constexpr std::uint32_t kMultiplier = 214013u;
  static constexpr std::uint32_t kIncrement = 2531011u;

  // Entry k: the jump of k + 1 steps.
  struct Jumps {
    std::uint32_t multiplier[kMaxFill];
    std::uint32_t increment[kMaxFill];
  };
  static constexpr Jumps kJumps = [] {
    Jumps jumps{};
    std::uint32_t multiplier = kMultiplier;
    std::uint32_t increment = kIncrement;
    for (int k = 0; k < kMaxFill; ++k) {
      jumps.multiplier[k] = multiplier;
      jumps.increment[k] = increment;
      multiplier *= kMultiplier;
      increment = increment * kMultiplier + kIncrement;
    }
    return jumps;
  }();

  std::uint32_t state_;
};

// The seed a run started now gets: the calendar time in whole seconds,
// truncated to 32 bits as srand(time(NULL)) does.
std::uint32_t SeedFromClock();

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_CRT_RANDOM_H_
