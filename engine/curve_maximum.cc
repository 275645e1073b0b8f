#include "engine/curve_maximum.h"

#include "engine/genome_fitness.h"
#include "engine/individual.h"

namespace curvesmith {

std::optional<CurveMaximum> TrueMaximum(double curve) {
  const double* fitness = GenomeFitnessTable(curve);
  if (fitness == nullptr) return std::nullopt;
  int best = 0;
  for (int v = 1; v < kGenomeValues; ++v) {
    if (fitness[v] > fitness[best]) best = v;
  }
  return CurveMaximum{best, best * GeneScale, fitness[best]};
}

}  // namespace curvesmith
