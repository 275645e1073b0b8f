#include "chart/replay_animation.h"

#include <algorithm>

#include "chart/chart_colours.h"
#include "chart/curve_trace.h"
#include "chart/frame_and_grid.h"
#include "chart/marker_box.h"
#include "chart/replay_erasures.h"
#include "engine/run_extent.h"

namespace curvesmith::chart {

ReplayAnimation::ReplayAnimation(Surface& surface, RunState& state, const ChartResources& resources,
                                 const FittedCurve* fitted)
    : surface_(surface),
      state_(state),
      resources_(resources),
      fitted_(fitted),
      axis_(ChartAxis(state, fitted)) {}

std::optional<std::chrono::milliseconds> ReplayAnimation::Step() {
  if (!phase_) {
    generation_ = 0;
    return ShowGenerationOrFinalFrame();
  }
  switch (*phase_) {
    case ReplayPhase::kMarkersShown:
      EraseMarkersAndRepair();
      phase_ = ReplayPhase::kChartRepaired;
      return kReadoutsPause;
    case ReplayPhase::kChartRepaired:
      EraseReadouts();
      ++generation_;
      return ShowGenerationOrFinalFrame();
    case ReplayPhase::kEnded:
      break;
  }
  return std::nullopt;
}

std::optional<std::chrono::milliseconds> ReplayAnimation::JumpTo(int generation,
                                                                 const ReplayErasures* erasures) {
  const int target = std::clamp(generation, 0, RunExtentOf(state_).last_generation);
  if (erasures == nullptr || !HasEveryResource()) {
    auto pause = Step();
    while (pause && !(generation_ == target && phase_ == ReplayPhase::kMarkersShown)) {
      pause = Step();
    }
    return pause;
  }
  if (target > 0) EraseEarlierFrames(target, *erasures);
  generation_ = target;
  return ShowGenerationOrFinalFrame();
}

std::optional<std::chrono::milliseconds> ReplayAnimation::ShowGenerationOrFinalFrame() {
  if (generation_ < RunExtentOf(state_).last_generation) {
    ShowGeneration();
    phase_ = ReplayPhase::kMarkersShown;
    return kMarkersPause;
  }
  DrawFinalFrame();
  phase_ = ReplayPhase::kEnded;
  return std::nullopt;
}

// The net effect of frames 0 to generation - 1 (see ReplayErasures): every
// erasure once, the repaired chart over them, then the last readouts erased.
void ReplayAnimation::EraseEarlierFrames(int generation, const ReplayErasures& erasures) {
  resources_.Select(ChartResource::WhiteBrush);
  resources_.Select(ChartResource::WhitePen);
  for (const MarkerBoxEdges& box : erasures.BoxesErasedBefore(generation)) {
    surface_.Ellipse(box.left, box.top, box.right, box.bottom);
  }
  surface_.SetTextColor(kChartWhite);
  for (const ReplayErasures::Readout& readout : erasures.ReadoutsErasedBefore(generation)) {
    DrawReadout(surface_, readout.slot, readout.text);
  }
  DrawFrameAndGrid(surface_, resources_);
  DrawCurveTrace(surface_, resources_, state_.TargetCurve, fitted_);
  FormatReadouts(generation - 1);
  DrawReadouts(surface_, readouts_);
  FreeReadouts();
}

bool ReplayAnimation::HasEveryResource() const {
  for (int resource = 0; resource < kChartResourceCount; ++resource) {
    if (!resources_.Has(static_cast<ChartResource>(resource))) return false;
  }
  return true;
}

void ReplayAnimation::ShowGeneration() {
  surface_.SetTextColor(kFrameReadoutLightRed);
  FormatReadouts(generation_);
  DrawReadouts(surface_, readouts_);
  resources_.Select(ChartResource::RedBrush);
  resources_.Select(ChartResource::FramePen);
  DrawPopulationMarkers(generation_);
  resources_.Select(ChartResource::GreenPen);
  DrawBestMarker(generation_);
}

void ReplayAnimation::EraseMarkersAndRepair() {
  resources_.Select(ChartResource::WhiteBrush);
  resources_.Select(ChartResource::WhitePen);
  DrawPopulationMarkers(generation_);
  DrawBestMarker(generation_);
  DrawFrameAndGrid(surface_, resources_);
  DrawCurveTrace(surface_, resources_, state_.TargetCurve, fitted_);
}

void ReplayAnimation::EraseReadouts() {
  surface_.SetTextColor(kChartWhite);
  DrawReadouts(surface_, readouts_);
  FreeReadouts();
}

void ReplayAnimation::DrawFinalFrame() {
  const int last = RunExtentOf(state_).last_generation;
  resources_.Select(ChartResource::RedBrush);
  resources_.Select(ChartResource::FramePen);
  DrawPopulationMarkers(last);
  resources_.Select(ChartResource::GreenPen);
  DrawBestMarker(last);
  FormatReadouts(last);
  surface_.SetTextColor(kFinalReadoutLightMagenta);
  DrawReadouts(surface_, readouts_);
  state_.ReplayPending = 0;
  FreeReadouts();
}

void ReplayAnimation::FormatReadouts(int generation) {
  readouts_ = chart::FormatReadouts(state_, generation);
}

void ReplayAnimation::FreeReadouts() {
  readouts_ = {};
}

void ReplayAnimation::DrawPopulationMarkers(int generation) {
  const int population = RunExtentOf(state_).places;
  for (int j = 0; j < population; ++j) {
    const MarkerBoxEdges box = MarkerBox(state_.PositionHistory[generation][j],
                                         axis_.FrameFitness(state_.FitnessHistory[generation][j]));
    surface_.Ellipse(box.left, box.top, box.right, box.bottom);
  }
}

void ReplayAnimation::DrawBestMarker(int generation) {
  const MarkerBoxEdges box =
      MarkerBox(state_.BestPositionByGeneration[generation],
                axis_.FrameFitness(state_.BestFitnessByGeneration[generation]));
  surface_.Ellipse(box.left, box.top, box.right, box.bottom);
}

}  // namespace curvesmith::chart
