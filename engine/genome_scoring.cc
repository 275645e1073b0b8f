#include "engine/genome_scoring.h"

#include "engine/genome_fitness.h"
#include "engine/gray_code.h"

namespace curvesmith {

GenomeScoring::GenomeScoring(double target_curve, EncodingKind encoding, const CurveTable* curve) {
  const double* by_position = curve != nullptr ? curve->data() : GenomeFitnessTable(target_curve);
  if (encoding == EncodingKind::kBinary) {
    fitness_ = by_position;
    return;
  }
  for (int code = 0; code < kGenomeValues; ++code) {
    const int n = GrayDecode(code);
    position_by_code_[code] = n * GeneScale;
    if (by_position != nullptr) fitness_by_code_[code] = by_position[n];
  }
  positions_ = position_by_code_.data();
  if (by_position != nullptr) fitness_ = fitness_by_code_.data();
}

}  // namespace curvesmith
