#include "chart/fitness_axis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace curvesmith::chart {
namespace {

constexpr double kRoundMantissas[] = {1.0, 2.0, 2.5, 5.0};

bool Covers(double lowest, double highest, double step) {
  return std::floor(lowest / step) * step + kFitnessIntervals * step >= highest;
}

// printf's %g without the exponent's sign and leading zeros: "2.5e6".
std::string Compact(double value, int digits) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*g", digits, value);
  std::string label = text;
  const std::size_t e = label.find('e');
  if (e == std::string::npos) return label;
  std::string exponent = label.substr(e + 1);
  const bool negative = exponent[0] == '-';
  exponent.erase(0, exponent.find_first_not_of("+-0"));
  return label.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

}  // namespace

FitnessAxis CurveAxis(const TargetCurve& curve) {
  return {curve.chart_lowest, (curve.chart_highest - curve.chart_lowest) / kFitnessIntervals};
}

FitnessAxis FittedAxis(double lowest, double highest) {
  if (lowest == highest) {
    const double margin = std::max(std::abs(lowest) / 10, 1.0);
    lowest -= margin;
    highest += margin;
  }
  const double least_step = (highest - lowest) / kFitnessIntervals;
  double power = std::pow(10.0, std::floor(std::log10(least_step)) - 1);
  for (int decade = 0; decade < 3; ++decade, power *= 10) {
    for (const double mantissa : kRoundMantissas) {
      const double step = mantissa * power;
      if (step >= least_step && Covers(lowest, highest, step)) {
        return {std::floor(lowest / step) * step + 0.0, step};
      }
    }
  }
  return {lowest, least_step};
}

std::vector<std::string> TickLabels(const FitnessAxis& axis) {
  const double first = std::round(axis.lowest / axis.step);
  const double largest = std::max(std::abs(axis.lowest), std::abs(axis.Highest()));
  const int digits = std::clamp(
      static_cast<int>(std::floor(std::log10(largest)) - std::floor(std::log10(axis.step))) + 2, 1,
      15);
  std::vector<std::string> labels;
  for (int i = 0; i <= kFitnessIntervals; ++i) {
    labels.push_back(Compact((first + i) * axis.step + 0.0, digits));
  }
  return labels;
}

}  // namespace curvesmith::chart
