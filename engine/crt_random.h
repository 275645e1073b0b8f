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

  // rand(): 0 to kRandMax.
  int Rand() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & kRandMax);
  }

 private:
  std::uint32_t state_;
};

// The seed a run started now gets: the calendar time in whole seconds,
// truncated to 32 bits as srand(time(NULL)) does.
std::uint32_t SeedFromClock();

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_CRT_RANDOM_H_
