#ifndef CURVESMITH_CHART_CURVE_TRACE_H_
#define CURVESMITH_CHART_CURVE_TRACE_H_

#include "chart/chart_resources.h"
#include "chart/surface.h"

namespace curvesmith::chart {

// Positions sampled by the trace: i / 1024 for i = 0 .. 20480, that is 0 to
// 20.0 in steps of a twentieth of a genome step.
inline constexpr int kTraceSamplesPerUnit = 1024;
inline constexpr int kTraceLastSample = 20480;

// The position of sample i: i / 1024.
double TraceSamplePosition(int i);

struct FittedCurve;

// Selects BluePen, then, when `target_curve` selects one of TargetCurves(),
// draws that curve as one polyline: a move to its point at x = 0 and one line to the
// point of every sample, the first of zero length (20,481 lines). Any other
// selector draws nothing more. Afterwards the current position is the last
// point, (1500, ChartY(f(20))), when a trace was drawn.
//
// A `fitted` curve is drawn instead, on its axis, in the same way except
// that a sample that is not a number breaks the line (the next one starts
// with a move) and values beyond the axis are drawn on the frame's edge.
void DrawCurveTrace(Surface& surface, const ChartResources& resources, double target_curve,
                    const FittedCurve* fitted = nullptr);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_CURVE_TRACE_H_
