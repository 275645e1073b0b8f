#ifndef CURVESMITH_CHART_CHART_MAPPING_H_
#define CURVESMITH_CHART_CHART_MAPPING_H_

namespace curvesmith::chart {

// Logical coordinates of the chart surface: anisotropic mapping with these
// extents on both axes, so one logical unit is 130/220 of a device pixel.
inline constexpr int kWindowExtent = 220;
inline constexpr int kViewportExtent = 130;

// The frame box: x 0 to 20 across, fitness 0 to 160 up.
inline constexpr int kFrameLeft = 500;
inline constexpr int kFrameRight = 1500;
inline constexpr int kFrameTop = 100;
inline constexpr int kFrameBottom = 900;

// Logical units per unit of position and of fitness.
inline constexpr double kUnitsPerPosition = 50.0;
inline constexpr double kUnitsPerFitness = 5.0;

// Chart mapping of a position and a fitness: 500 + 50 x and 900 - 5 f,
// computed in double precision and truncated toward zero.
int ChartX(double x);
int ChartY(double f);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_CHART_MAPPING_H_
