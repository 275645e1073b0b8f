#include "res/qt/chart_caption_text.h"

#include "engine/algorithm_names.h"
#include "engine/number_text.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace curvesmith {
namespace {

QString StringOf(int id) {
  const std::string_view text = res::LoadString(id);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The run state holds the form's single-precision values widened exactly.
QString FormText(double value) {
  return QString::fromStdString(FormatNumber(static_cast<float>(value)));
}

}  // namespace

QString ChartCaptionText(const RunState& state, std::uint32_t seed, const Algorithm& algorithm) {
  QString caption = StringOf(res::kIdsChartCaption)
                        .arg(FormText(state.TargetCurve), QString::number(state.PopulationSize),
                             QString::number(state.MaxGenerations), FormText(state.CrossoverRate),
                             FormText(state.MutationRate), QString::number(seed));
  if (IsClassicAlgorithm(algorithm)) return caption;
  const auto name = [](std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  };
  return caption +
         StringOf(res::kIdsChartCaptionAlgorithm)
             .arg(QString::fromStdString(SelectionName(algorithm)),
                  name(CrossoverName(algorithm.crossover)), name(MutationName(algorithm.mutation)),
                  QString::number(algorithm.elitism), name(EncodingName(algorithm.encoding)));
}

}  // namespace curvesmith
