#ifndef CURVESMITH_ENGINE_CURVE_MAXIMUM_H_
#define CURVESMITH_ENGINE_CURVE_MAXIMUM_H_

#include <optional>

namespace curvesmith {

// The highest point a run can reach on a curve: the best of the 1024 genome
// values, scored with the engine's own objective (so bit for bit the fitness
// a run would record there).
struct CurveMaximum {
  int genome = 0;        // genome value, 0 to 1023
  double x = 0.0;        // genome * GeneScale
  double fitness = 0.0;  // the curve's value at x
};

// The maximum of the curve chosen by `curve` over the genome grid; the lowest
// genome value where several share it. Nothing when `curve` selects no curve.
std::optional<CurveMaximum> TrueMaximum(double curve);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_CURVE_MAXIMUM_H_
