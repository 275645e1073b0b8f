#ifndef CURVESMITH_ENGINE_OBJECTIVE_H_
#define CURVESMITH_ENGINE_OBJECTIVE_H_

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace curvesmith {

// One of the built-in target curves. Each is continuous, with one formula for
// x <= 10 and another for x > 10, and strictly positive on 0 <= x <= 20;
// evaluated in double precision in the order the formulas are written, so
// every platform gets the same bits.
struct TargetCurve {
  // The target-curve value that selects it.
  double number;
  double (*fitness)(double x);
  // The fitness range the chart's axis shows for it.
  double chart_lowest;
  double chart_highest;
};

// Every built-in curve, in the order of their numbers: everything that loops
// over the curves, checks a curve number or lists the numbers reads this.
// Each curve's maximum over the 1024 genomes is CurveMaximum's.
std::span<const TargetCurve> TargetCurves();

// The curve that `curve` selects, compared exactly (-0.0 compares equal to
// 0.0); nullptr for any other value, NaN included.
const TargetCurve* FindTargetCurve(double curve);

// The curves' numbers as text, in order: "0", "1", "2".
std::vector<std::string> TargetCurveNumbers();

// Fitness of position x on the curve chosen by `curve`; no value when it
// selects no curve. Pure.
std::optional<double> ObjectiveFunction(double curve, double x);

// Whether `curve` selects one of the curves, compared exactly as
// ObjectiveFunction compares it: 0.0, -0.0, 1.0 and 2.0 do; 0.5, 3.0, -1.0,
// infinities and NaN do not.
bool SelectsCurve(double curve);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_OBJECTIVE_H_
