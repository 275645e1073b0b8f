#include "engine/objective.h"

#include <cmath>

namespace curvesmith {
namespace {

// Squared groups are squared before they are multiplied: 4 * (d * d), not
// 4 * d * d; the two differ in the last bit at some points.

double Curve0(double x, double s) {
  if (x <= 10.0) {
    const double d = x - 5.0;
    return 0.5 * (100.0 - 4.0 * (d * d) - 30.0 * s + 30.0) + 8.0 * std::sin(3.0 * (x - 10.0)) +
           20.0;
  }
  const double d = x - 15.0;
  return 0.5 * (25.0 - (d * d) - 30.0 * s + 30.0) + 20.0 * (std::sin(2.5 * (x - 10.0)) + 1.0);
}

double Curve1(double x, double s) {
  if (x <= 10.0) {
    const double d = x - 5.0;
    return 100.0 - 4.0 * (d * d) - 30.0 * s + 30.0;
  }
  const double d = x - 15.0;
  return 25.0 - (d * d) - 30.0 * s + 30.0;
}

double Curve2(double x, double s) {
  if (x <= 10.0) {
    const double d = x - 5.0;
    return 5.0 * std::sin(9.0 * (x - 10.0)) + 30.0 * s + 3.0 * (d * d) + 30.0;
  }
  const double d = x - 15.0;
  return 6.0 * std::sin(6.0 * (x - 10.0)) + 30.0 * s + 0.1 * (d * d) + 105.0 - 2.5;
}

// The chart's axis: fitness 0 to 160 for every built-in curve.
constexpr double kChartLowest = 0.0;
constexpr double kChartHighest = 160.0;

constexpr TargetCurve kTargetCurves[] = {
    {0.0, [](double x) { return Curve0(x, std::sin(1.3 * x)); }, kChartLowest, kChartHighest},
    {1.0, [](double x) { return Curve1(x, std::sin(1.3 * x)); }, kChartLowest, kChartHighest},
    {2.0, [](double x) { return Curve2(x, std::sin(1.3 * x)); }, kChartLowest, kChartHighest},
};

}  // namespace

std::span<const TargetCurve> TargetCurves() {
  return kTargetCurves;
}

const TargetCurve* FindTargetCurve(double curve) {
  for (const TargetCurve& target : kTargetCurves) {
    if (curve == target.number) return &target;
  }
  return nullptr;
}

std::vector<std::string> TargetCurveNumbers() {
  std::vector<std::string> numbers;
  for (const TargetCurve& target : kTargetCurves) {
    numbers.push_back(std::to_string(static_cast<int>(target.number)));
  }
  return numbers;
}

std::optional<double> ObjectiveFunction(double curve, double x) {
  const TargetCurve* target = FindTargetCurve(curve);
  if (target == nullptr) return std::nullopt;
  return target->fitness(x);
}

bool SelectsCurve(double curve) {
  return FindTargetCurve(curve) != nullptr;
}

}  // namespace curvesmith
