#ifndef CURVESMITH_CHART_MARKER_BOX_H_
#define CURVESMITH_CHART_MARKER_BOX_H_

#include <cstdint>

namespace curvesmith::chart {

// Half-width of a marker in position units; ten times it is the half-height
// in fitness units. Both come to 10 logical units.
inline constexpr double MarkerRadius = 0.2;
// Logical units per unit of fitness; ten times it per unit of position.
inline constexpr double MarkerScale = 5.0;

// The box of the marker of (position x, fitness f), in the order the ellipse
// takes it. `top` is the numerically larger y (the lower edge on screen).
struct MarkerBoxEdges {
  std::int32_t left;
  std::int32_t top;  // the larger y, the lower edge on screen
  std::int32_t right;
  std::int32_t bottom;  // the smaller y, the upper edge on screen
  friend bool operator==(const MarkerBoxEdges&, const MarkerBoxEdges&) = default;
};

// The circle of radius 10 logical units around the chart point of (x, f),
// computed from x and f directly (not through ChartX / ChartY) and truncated
// toward zero: MarkerBox(0, 0) is (490, 910, 510, 890).
MarkerBoxEdges MarkerBox(double x, double f);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_MARKER_BOX_H_
