#include "app/disc_tooltip.h"

#include <QStringList>
#include <algorithm>

#include "app/resource_text.h"
#include "chart/fitted_curve.h"
#include "chart/marker_box.h"
#include "engine/generation_census.h"
#include "engine/genome_counts.h"
#include "engine/gray_code.h"
#include "engine/number_text.h"
#include "engine/run_extent.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

constexpr int kMostGenomesDescribed = 3;

bool Inside(const chart::MarkerBoxEdges& box, QPointF point, double slack) {
  const double cx = (box.left + box.right) / 2.0;
  const double cy = (box.top + box.bottom) / 2.0;
  const double rx = std::abs(box.right - box.left) / 2.0 + slack;
  const double ry = std::abs(box.top - box.bottom) / 2.0 + slack;
  const double dx = (point.x() - cx) / rx;
  const double dy = (point.y() - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

QString Genes(int genome) {
  QStringList genes;
  for (int j = 0; j < kGeneCount; ++j) genes << QString::number((genome >> j) & 1);
  return genes.join(' ');
}

}  // namespace

std::vector<int> PlacesUnder(const RunState& state, int generation, QPointF logical, double slack,
                             const chart::FittedCurve* fitted) {
  const chart::FitnessAxis axis = chart::ChartAxis(state, fitted);
  std::vector<int> places;
  const auto [last, places_recorded] = RunExtentOf(state);
  const int row = std::clamp(generation, 0, last);
  for (int i = 0; i < places_recorded; ++i) {
    const auto box = chart::MarkerBox(state.PositionHistory[row][i],
                                      axis.FrameFitness(state.FitnessHistory[row][i]));
    if (Inside(box, logical, slack)) places.push_back(i);
  }
  return places;
}

QString DiscTooltipText(const RunState& state, int generation, const std::vector<int>& places,
                        EncodingKind encoding) {
  if (places.empty()) return {};
  const RunExtent extent = RunExtentOf(state);
  const int row = std::clamp(generation, 0, extent.last_generation);
  const GenerationCensus census(state, row);

  struct Genome {
    int value;
    int place;  // the first place under the pointer that carries it
  };
  std::vector<Genome> genomes;
  for (const int place : places) {
    const int value = GenomeValueAt(state.PositionHistory[row][place]);
    const bool known = std::any_of(genomes.begin(), genomes.end(),
                                   [&](const Genome& genome) { return genome.value == value; });
    if (!known) genomes.push_back({value, place});
  }
  std::stable_sort(genomes.begin(), genomes.end(), [&](const Genome& a, const Genome& b) {
    return state.FitnessHistory[row][a.place] > state.FitnessHistory[row][b.place];
  });

  QStringList blocks;
  blocks << LoadText(res::kIdsDiscTooltipHeading).arg(row).arg(places.size());
  const int described = std::min(static_cast<int>(genomes.size()), kMostGenomesDescribed);
  for (int k = 0; k < described; ++k) {
    const Genome& genome = genomes[static_cast<std::size_t>(k)];
    blocks << LoadText(res::kIdsDiscTooltipGenome)
                  .arg(Genes(encoding == EncodingKind::kGray ? GrayEncode(genome.value)
                                                             : genome.value))
                  .arg(QString::number(state.PositionHistory[row][genome.place], 'g', 17))
                  .arg(QString::fromStdString(FixedText(state.FitnessHistory[row][genome.place])))
                  .arg(census.CountOf(genome.value))
                  .arg(extent.places)
                  .arg(census.RankOf(genome.value))
                  .arg(census.DistinctGenomes());
  }
  if (static_cast<int>(genomes.size()) > described) {
    blocks << LoadText(res::kIdsDiscTooltipMore).arg(genomes.size() - described);
  }
  return blocks.join(QStringLiteral("\n\n"));
}

}  // namespace curvesmith
