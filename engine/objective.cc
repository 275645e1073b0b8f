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

}  // namespace

std::optional<double> ObjectiveFunction(double curve, double x) {
  if (curve == 0.0) return Curve0(x, std::sin(1.3 * x));
  if (curve == 1.0) return Curve1(x, std::sin(1.3 * x));
  if (curve == 2.0) return Curve2(x, std::sin(1.3 * x));
  return std::nullopt;
}

bool SelectsCurve(double curve) {
  return curve == 0.0 || curve == 1.0 || curve == 2.0;
}

}  // namespace curvesmith
