#include "chart/chart_painter.h"

#include "chart/chart_colours.h"
#include "chart/chart_mapping.h"
#include "chart/chart_texts.h"
#include "chart/curve_trace.h"
#include "chart/fitted_curve.h"
#include "chart/frame_and_grid.h"
#include "chart/replay_animation.h"

namespace curvesmith::chart {
ChartPainter::ChartPainter(Surface& surface, RunState& state, const FittedCurve* fitted)
    : surface_(surface), state_(state), resources_(surface), fitted_(fitted) {}

ChartPainter::ChartPainter(Surface& surface, RunState& state, ChartPosition position,
                           const ReplayErasures* erasures, const FittedCurve* fitted)
    : surface_(surface),
      state_(state),
      resources_(surface),
      start_(position),
      erasures_(erasures),
      fitted_(fitted) {}

ChartPainter::~ChartPainter() = default;

std::optional<int> ChartPainter::ReplayGeneration() const {
  if (!replay_) return std::nullopt;
  return replay_->Generation();
}

std::optional<ReplayPhase> ChartPainter::Phase() const {
  if (!replay_) return std::nullopt;
  return replay_->Phase();
}

std::optional<std::chrono::milliseconds> ChartPainter::Step() {
  if (finished_) return std::nullopt;
  std::optional<std::chrono::milliseconds> pause;
  if (!started_) {
    started_ = true;
    DrawStaticChart();
    if (!start_) {
      start_ = state_.ReplayPending == 1 ? ChartPosition::Generation(0) : ChartPosition::Base();
    }
    if (start_->replay) {
      replay_ = std::make_unique<ReplayAnimation>(surface_, state_, resources_, fitted_);
      pause = replay_->JumpTo(start_->generation, erasures_);
      if (pause && start_->phase == ReplayPhase::kChartRepaired) pause = replay_->Step();
    }
  } else if (replay_) {
    pause = replay_->Step();
  }
  if (pause) {
    surface_.Flush();
    return pause;
  }
  EndPaint();
  return std::nullopt;
}

void ChartPainter::DrawStaticChart() {
  surface_.SetMapMode(kMapModeAnisotropic);
  surface_.SetWindowExt(kWindowExtent, kWindowExtent);
  surface_.SetViewportExt(kViewportExtent, kViewportExtent);

  if (fitted_ != nullptr) {
    for (const OwnedPlacedText& label : AxisLabelsFor(fitted_->axis)) {
      surface_.TextOut(label.x, label.y, label.text);
    }
  } else {
    for (const PlacedText& label : AxisLabels()) surface_.TextOut(label.x, label.y, label.text);
  }

  resources_.CreateFont();
  resources_.Select(ChartResource::ChartFont);
  surface_.SetTextColor(kChartBlack);
  surface_.SetBkMode(kBkModeTransparent);
  for (const PlacedText& caption : Captions()) {
    surface_.TextOut(caption.x, caption.y, caption.text);
  }

  resources_.CreateBrushesAndPens();
  DrawFrameAndGrid(surface_, resources_);
  DrawCurveTrace(surface_, resources_, state_.TargetCurve, fitted_);
}

void ChartPainter::EndPaint() {
  finished_ = true;
  resources_.Free();
  surface_.Flush();
}

}  // namespace curvesmith::chart
