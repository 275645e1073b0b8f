#include "engine/curve_maximum.h"

#include <algorithm>

#include "engine/genome_fitness.h"
#include "engine/individual.h"

namespace curvesmith {

std::optional<double> CurveMaximum(double curve) {
  const double* fitness = GenomeFitnessTable(curve);
  if (fitness == nullptr) return std::nullopt;
  return *std::max_element(fitness, fitness + kGenomeValues);
}

std::optional<int> CurveMaximumGenome(double curve) {
  const double* fitness = GenomeFitnessTable(curve);
  if (fitness == nullptr) return std::nullopt;
  return static_cast<int>(std::max_element(fitness, fitness + kGenomeValues) - fitness);
}

double CurveMaximum(const CurveTable& curve) {
  return *std::max_element(curve.begin(), curve.end());
}

int CurveMaximumGenome(const CurveTable& curve) {
  return static_cast<int>(std::max_element(curve.begin(), curve.end()) - curve.begin());
}

}  // namespace curvesmith
