#ifndef CURVESMITH_RES_QT_CHART_CAPTION_TEXT_H_
#define CURVESMITH_RES_QT_CHART_CAPTION_TEXT_H_

#include <QString>
#include <cstdint>

#include "engine/algorithm.h"
#include "engine/run_state.h"

namespace curvesmith {

// The line an exported chart carries under it: the curve, population size,
// generations, crossover and mutation rates of the run in `state` and the
// `seed` it ran with, worded by the string table, each value as the form
// shows it; then, for any `algorithm` but the classic one, its operators by
// the names the command line takes.
QString ChartCaptionText(const RunState& state, std::uint32_t seed,
                         const Algorithm& algorithm = {});

}  // namespace curvesmith

#endif  // CURVESMITH_RES_QT_CHART_CAPTION_TEXT_H_
