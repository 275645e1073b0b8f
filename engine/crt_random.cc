#include "engine/crt_random.h"

#include <ctime>

namespace curvesmith {

std::uint32_t SeedFromClock() {
  return static_cast<std::uint32_t>(std::time(nullptr));
}

}  // namespace curvesmith
