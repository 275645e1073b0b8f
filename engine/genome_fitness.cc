#include "engine/genome_fitness.h"

#include <array>

#include "engine/individual.h"
#include "engine/objective.h"

namespace curvesmith {
namespace {

using Table = std::array<double, kGenomeValues>;

Table MakeTable(double curve) {
  Table table{};
  for (int v = 0; v < kGenomeValues; ++v) table[v] = *ObjectiveFunction(curve, v * GeneScale);
  return table;
}

}  // namespace

const double* GenomeFitnessTable(double curve) {
  static const Table tables[] = {MakeTable(0.0), MakeTable(1.0), MakeTable(2.0)};
  if (curve == 0.0) return tables[0].data();
  if (curve == 1.0) return tables[1].data();
  if (curve == 2.0) return tables[2].data();
  return nullptr;
}

}  // namespace curvesmith
