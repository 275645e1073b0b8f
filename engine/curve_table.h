#ifndef CURVESMITH_ENGINE_CURVE_TABLE_H_
#define CURVESMITH_ENGINE_CURVE_TABLE_H_

#include <array>

#include "engine/individual.h"

namespace curvesmith {

// A target curve known at the genome positions only, such as one typed as a
// formula: entry n is the fitness at x = n * GeneScale, n = 0 to 1023. A run
// on it looks the values up, as it does for the built-in curves.
using CurveTable = std::array<double, kGenomeValues>;

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_CURVE_TABLE_H_
