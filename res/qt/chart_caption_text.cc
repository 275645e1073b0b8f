#include "res/qt/chart_caption_text.h"

#include "engine/number_text.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace curvesmith {
namespace {

// The run state holds the form's single-precision values widened exactly.
QString FormText(double value) {
  return QString::fromStdString(FormatNumber(static_cast<float>(value)));
}

}  // namespace

QString ChartCaptionText(const RunState& state, std::uint32_t seed) {
  const std::string_view format = res::LoadString(res::kIdsChartCaption);
  return QString::fromUtf8(format.data(), static_cast<qsizetype>(format.size()))
      .arg(FormText(state.TargetCurve), QString::number(state.PopulationSize),
           QString::number(state.MaxGenerations), FormText(state.CrossoverRate),
           FormText(state.MutationRate), QString::number(seed));
}

}  // namespace curvesmith
