#ifndef CURVESMITH_ENGINE_OBJECTIVE_H_
#define CURVESMITH_ENGINE_OBJECTIVE_H_

#include <optional>

namespace curvesmith {

// Fitness of position x on the curve chosen by `curve`: exactly 0.0, 1.0 or
// 2.0 select curves 0, 1 and 2 (-0.0 compares equal to 0.0); any other value,
// NaN included, selects no curve and gives no value. Each curve is continuous,
// with one formula for x <= 10 and another for x > 10, and strictly positive
// on 0 <= x <= 20. Pure; evaluated in double precision in the order the
// formulas are written, so every platform gets the same bits.
std::optional<double> ObjectiveFunction(double curve, double x);

// Whether `curve` selects one of the three curves, compared exactly as
// ObjectiveFunction compares it: 0.0, -0.0, 1.0 and 2.0 do; 0.5, 3.0, -1.0,
// infinities and NaN do not.
bool SelectsCurve(double curve);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_OBJECTIVE_H_
