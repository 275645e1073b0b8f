#include "res/qt/chart_caption_text.h"

#include "engine/algorithm_names.h"
#include "engine/number_text.h"
#include "res/qt/string_text.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// The run state holds the form's single-precision values widened exactly.
QString FormText(double value) {
  return QString::fromStdString(FormatNumber(static_cast<float>(value)));
}

}  // namespace

QString ChartCaptionText(const RunState& state, std::uint32_t seed, const Algorithm& algorithm) {
  QString caption = LoadText(res::kIdsChartCaption)
                        .arg(FormText(state.TargetCurve), QString::number(state.PopulationSize),
                             QString::number(state.MaxGenerations), FormText(state.CrossoverRate),
                             FormText(state.MutationRate), QString::number(seed));
  if (IsClassicAlgorithm(algorithm)) return caption;
  return caption + LoadText(res::kIdsChartCaptionAlgorithm)
                       .arg(QString::fromStdString(SelectionName(algorithm)),
                            FromUtf8(CrossoverName(algorithm.crossover)),
                            FromUtf8(MutationName(algorithm.mutation)),
                            QString::number(algorithm.elitism),
                            FromUtf8(EncodingName(algorithm.encoding)));
}

}  // namespace curvesmith
