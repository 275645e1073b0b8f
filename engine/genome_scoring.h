#ifndef CURVESMITH_ENGINE_GENOME_SCORING_H_
#define CURVESMITH_ENGINE_GENOME_SCORING_H_

#include <array>

#include "engine/algorithm.h"
#include "engine/curve_table.h"
#include "engine/individual.h"

namespace curvesmith {

// What a run gives each genome value: its position, through the encoding, and
// the fitness there on the run's curve (a table of the run's own when there
// is one, otherwise the curve TargetCurve selects).
class GenomeScoring {
 public:
  // `curve` may be nullptr; when set it must outlive the scoring.
  GenomeScoring(double target_curve, EncodingKind encoding, const CurveTable* curve);
  GenomeScoring(const GenomeScoring&) = delete;
  GenomeScoring& operator=(const GenomeScoring&) = delete;

  // Fitness by genome value, or nullptr when no curve is selected (fitness
  // is then left as it is).
  const double* fitness() const { return fitness_; }
  // Position by genome value, or nullptr for binary genes, whose position is
  // value * GeneScale.
  const double* positions() const { return positions_; }

  double PositionOf(int value) const {
    return positions_ != nullptr ? positions_[value] : value * GeneScale;
  }

 private:
  const double* fitness_ = nullptr;
  const double* positions_ = nullptr;
  // Gray genes: the curve and the positions reordered by genome value.
  std::array<double, kGenomeValues> fitness_by_code_;
  std::array<double, kGenomeValues> position_by_code_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_GENOME_SCORING_H_
