#ifndef CURVESMITH_APP_DISC_TOOLTIP_H_
#define CURVESMITH_APP_DISC_TOOLTIP_H_

#include <QPointF>
#include <QString>
#include <vector>

#include "engine/run_state.h"

namespace curvesmith {

// The places of `generation` (places 0 to PopulationSize - 1 of its history
// row) whose discs hold `logical`, a point in the chart's logical units, in
// place order. A disc is the ellipse in its MarkerBox, widened by `slack`
// logical units all round.
std::vector<int> PlacesUnder(const RunState& state, int generation, QPointF logical, double slack);

// The disc tool-tip on `places` of `generation`: for each genome among
// them, fittest first, its ten genes as the genome holds them (gene 0 first),
// its position x, its fitness, how many individuals of the generation carry
// it and its rank among the generation's distinct genomes. At most three
// genomes are described; the rest are counted. Empty when `places` is.
QString DiscTooltipText(const RunState& state, int generation, const std::vector<int>& places);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_DISC_TOOLTIP_H_
