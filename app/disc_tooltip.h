#ifndef CURVESMITH_APP_DISC_TOOLTIP_H_
#define CURVESMITH_APP_DISC_TOOLTIP_H_

#include <QPointF>
#include <QString>
#include <vector>

#include "engine/algorithm.h"
#include "engine/run_state.h"

namespace curvesmith {

namespace chart {
struct FittedCurve;
}

// The places of `generation` (places 0 to PopulationSize - 1 of its history
// row) whose discs hold `logical`, a point in the chart's logical units, in
// place order. A disc is the ellipse in its MarkerBox on the chart's fitness
// axis (the `fitted` curve's, if the chart draws one), widened by `slack`
// logical units all round.
std::vector<int> PlacesUnder(const RunState& state, int generation, QPointF logical, double slack,
                             const chart::FittedCurve* fitted = nullptr);

// The disc tool-tip on `places` of `generation`: for each genome among
// them, fittest first, its ten genes as the genome holds them (gene 0 first;
// under Gray `encoding` the code of the decoded position), its position x
// and its fitness as the run scored them, how many individuals of the
// generation carry it and its rank among the generation's distinct genomes.
// At most three genomes are described; the rest are counted. Empty when
// `places` is.
QString DiscTooltipText(const RunState& state, int generation, const std::vector<int>& places,
                        EncodingKind encoding = EncodingKind::kBinary);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_DISC_TOOLTIP_H_
