#ifndef CURVESMITH_ENGINE_DRAW_REMAINDER_H_
#define CURVESMITH_ENGINE_DRAW_REMAINDER_H_

#include <cstdint>

#include "engine/crt_random.h"

namespace curvesmith {

// rand() % n for a divisor known only while the run goes, by one
// multiplication: a tournament takes up to ten such remainders per choice,
// and a division would be the slowest step of it.
// With m = floor(2^32 / n) + 1, (r * m) >> 32 is floor(r / n) for every draw
// r: r * m / 2^32 exceeds r / n by less than 2^-17, and r / n lies at least
// 1 / n >= 2^-15 below the next whole number.
class DrawRemainder {
 public:
  // REQUIRES: 1 <= n <= CrtRandom::kRandMax + 1.
  explicit DrawRemainder(int n)
      : n_(static_cast<std::uint32_t>(n)), multiplier_((std::uint64_t{1} << 32) / n_ + 1) {}

  // REQUIRES: 0 <= r <= CrtRandom::kRandMax.
  int Of(int r) const {
    const auto quotient =
        static_cast<std::uint32_t>((static_cast<std::uint64_t>(r) * multiplier_) >> 32);
    return static_cast<int>(static_cast<std::uint32_t>(r) - quotient * n_);
  }

 private:
  std::uint32_t n_;
  std::uint64_t multiplier_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_DRAW_REMAINDER_H_
