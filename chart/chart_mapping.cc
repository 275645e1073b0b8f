#include "chart/chart_mapping.h"

namespace curvesmith::chart {

int ChartX(double x) {
  return static_cast<int>(kFrameLeft + kUnitsPerPosition * x);
}

int ChartY(double f) {
  return static_cast<int>(kFrameBottom - kUnitsPerFitness * f);
}

}  // namespace curvesmith::chart
