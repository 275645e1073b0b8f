#include "chart/marker_box.h"

#include "chart/chart_mapping.h"

namespace curvesmith::chart {
namespace {

constexpr double kPositionFactor = 10.0;
constexpr double kOriginX = kFrameLeft;
constexpr double kOriginY = kFrameBottom;

}  // namespace

MarkerBoxEdges MarkerBox(double x, double f) {
  const double r = MarkerRadius;
  const double k = MarkerScale;
  return {
      .left = static_cast<std::int32_t>(((x - r) * k) * kPositionFactor + kOriginX),
      .top = static_cast<std::int32_t>(kOriginY - (f - r * kPositionFactor) * k),
      .right = static_cast<std::int32_t>(((r + x) * k) * kPositionFactor + kOriginX),
      .bottom = static_cast<std::int32_t>(kOriginY - (r * kPositionFactor + f) * k),
  };
}

}  // namespace curvesmith::chart
