#include "engine/genome_fitness.h"

#include <array>
#include <vector>

#include "engine/individual.h"
#include "engine/objective.h"

namespace curvesmith {
namespace {

using Table = std::array<double, kGenomeValues>;

Table MakeTable(const TargetCurve& curve) {
  Table table{};
  for (int v = 0; v < kGenomeValues; ++v) table[v] = curve.fitness(v * GeneScale);
  return table;
}

}  // namespace

const double* GenomeFitnessTable(double curve) {
  static const std::vector<Table> tables = [] {
    std::vector<Table> made;
    for (const TargetCurve& target : TargetCurves()) made.push_back(MakeTable(target));
    return made;
  }();
  const TargetCurve* target = FindTargetCurve(curve);
  if (target == nullptr) return nullptr;
  return tables[static_cast<std::size_t>(target - TargetCurves().data())].data();
}

}  // namespace curvesmith
