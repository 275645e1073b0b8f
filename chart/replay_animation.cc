#include "chart/replay_animation.h"

#include <algorithm>
#include <cstdio>

#include "chart/curve_trace.h"
#include "chart/frame_and_grid.h"
#include "chart/marker_box.h"

namespace curvesmith::chart {
namespace {

constexpr ColorRef kFrameReadoutColor = 0x8080FF;
constexpr ColorRef kErasingColor = 0xFFFFFF;
constexpr ColorRef kFinalReadoutColor = 0xFF80FF;

struct Point {
  int x;
  int y;
};

// Top-left corners of the readouts, inside the captions' gaps.
constexpr Point kGenerationReadout{1120, 50};
constexpr Point kPositionReadout{1020, 150};
constexpr Point kFitnessReadout{1200, 150};

// printf-style formatting of one readout, as long as the value needs.
template <typename Value>
std::string Format(const char* format, Value value) {
  const int length = std::snprintf(nullptr, 0, format, value);
  std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
  std::snprintf(text.data(), text.size() + 1, format, value);
  return text;
}

}  // namespace

int ReplayAnimation::LastGeneration() const {
  return std::clamp(state_.Generation, 0, kByGenerationEntries - 1);
}

int ReplayAnimation::PopulationSize() const {
  return std::clamp(state_.PopulationSize, 0, kHistoryPlaces);
}

std::optional<std::chrono::milliseconds> ReplayAnimation::Step() {
  switch (phase_) {
    case Phase::kNotStarted:
      if (state_.ReplayPending != 1) {
        phase_ = Phase::kEnded;
        return std::nullopt;
      }
      generation_ = 0;
      break;
    case Phase::kMarkersShown:
      EraseMarkersAndRepair();
      phase_ = Phase::kChartRepaired;
      return kReadoutsPause;
    case Phase::kChartRepaired:
      EraseReadouts();
      ++generation_;
      break;
    case Phase::kEnded:
      return std::nullopt;
  }
  if (generation_ < LastGeneration()) {
    ShowGeneration();
    phase_ = Phase::kMarkersShown;
    return kMarkersPause;
  }
  DrawFinalFrame();
  phase_ = Phase::kEnded;
  return std::nullopt;
}

void ReplayAnimation::ShowGeneration() {
  surface_.SetTextColor(kFrameReadoutColor);
  FormatReadouts(generation_);
  DrawReadouts();
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
  DrawCurveTrace(surface_, resources_, state_.TargetCurve);
}

void ReplayAnimation::EraseReadouts() {
  surface_.SetTextColor(kErasingColor);
  DrawReadouts();
  FreeReadouts();
}

void ReplayAnimation::DrawFinalFrame() {
  const int last = LastGeneration();
  resources_.Select(ChartResource::RedBrush);
  resources_.Select(ChartResource::FramePen);
  DrawPopulationMarkers(last);
  resources_.Select(ChartResource::GreenPen);
  DrawBestMarker(last);
  FormatReadouts(last);
  surface_.SetTextColor(kFinalReadoutColor);
  DrawReadouts();
  state_.ReplayPending = 0;
  FreeReadouts();
}

void ReplayAnimation::FormatReadouts(int generation) {
  generation_text_ = Format("%d", generation);
  position_text_ = Format("%f", state_.BestPositionByGeneration[generation]);
  fitness_text_ = Format("%f", state_.BestFitnessByGeneration[generation]);
}

void ReplayAnimation::FreeReadouts() {
  generation_text_.clear();
  position_text_.clear();
  fitness_text_.clear();
}

void ReplayAnimation::DrawReadouts() {
  surface_.TextOut(kGenerationReadout.x, kGenerationReadout.y, generation_text_);
  surface_.TextOut(kPositionReadout.x, kPositionReadout.y, position_text_);
  surface_.TextOut(kFitnessReadout.x, kFitnessReadout.y, fitness_text_);
}

void ReplayAnimation::DrawPopulationMarkers(int generation) {
  const int population = PopulationSize();
  for (int j = 0; j < population; ++j) {
    const MarkerBoxEdges box =
        MarkerBox(state_.PositionHistory[generation][j], state_.FitnessHistory[generation][j]);
    surface_.Ellipse(box.left, box.top, box.right, box.bottom);
  }
}

void ReplayAnimation::DrawBestMarker(int generation) {
  const MarkerBoxEdges box = MarkerBox(state_.BestPositionByGeneration[generation],
                                       state_.BestFitnessByGeneration[generation]);
  surface_.Ellipse(box.left, box.top, box.right, box.bottom);
}

}  // namespace curvesmith::chart
