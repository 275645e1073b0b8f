#ifndef CURVESMITH_ENGINE_CURVE_MAXIMUM_H_
#define CURVESMITH_ENGINE_CURVE_MAXIMUM_H_

#include <optional>

#include "engine/curve_table.h"

namespace curvesmith {

// The highest fitness any of the 1024 genomes has on the curve chosen by
// `curve`, exactly as ObjectiveFunction gives it, so that a run's best can be
// compared with it for equality. No value when `curve` selects no curve.
std::optional<double> CurveMaximum(double curve);

// The genome value (0 to 1023) where that maximum lies, the lowest one should
// several share it; its position is genome * GeneScale. No value when `curve`
// selects no curve.
std::optional<int> CurveMaximumGenome(double curve);

// The same on a curve of a run's own: its highest entry, and the lowest
// position number n (x = n * GeneScale) where it lies.
double CurveMaximum(const CurveTable& curve);
int CurveMaximumGenome(const CurveTable& curve);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_CURVE_MAXIMUM_H_
