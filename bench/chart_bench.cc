// Speed of the chart on the QPainter surface: a paint must fit well inside a
// frame, and a replay step must not stretch the replay's pauses.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "bench/largest_run.h"
#include "chart/chart_painter.h"
#include "chart/chart_resources.h"
#include "chart/qt/qpainter_surface.h"
#include "chart/qt/replay_gif.h"
#include "chart/replay_animation.h"
#include "chart/replay_erasures.h"
#include "engine/evolution.h"
#include "engine/run_state.h"
#include "res/qt/chart_area_size.h"

namespace curvesmith::chart {
namespace {

// Fonts need a GUI application; started once, on the offscreen platform.
void EnsureGuiApplication() {
  static int argc = 1;
  static char name[] = "chart_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application;
  if (application) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  application = std::make_unique<QGuiApplication>(argc, argv);
}

QImage ChartImage() {
  EnsureGuiApplication();
  QImage image(ChartAreaPixelSize(kDesignDpi), QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// A finished run of the largest kind: 1000 individuals, 999 generations.
std::unique_ptr<RunState> LargestRun() {
  auto state = std::make_unique<RunState>();
  RunEvolution(*state, LargestRunParameters(), 12345u);
  state->ReplayPending = 1;
  return state;
}

void BM_BasePaint(benchmark::State& bench) {
  QImage image = ChartImage();
  auto state = std::make_unique<RunState>();
  for (auto _ : bench) {
    QPainterSurface surface(&image);
    ChartPainter painter(surface, *state);
    while (painter.Step()) {
    }
  }
}
BENCHMARK(BM_BasePaint)->Unit(benchmark::kMillisecond);

// One replay step of a generation with 1000 individuals: range(0) is the
// step (0: markers and readouts drawn, 1: markers erased and chart repaired).
void BM_ReplayStep(benchmark::State& bench) {
  QImage image = ChartImage();
  auto state = LargestRun();
  const int steps_before = static_cast<int>(bench.range(0));
  for (auto _ : bench) {
    bench.PauseTiming();
    state->ReplayPending = 1;
    auto surface = std::make_unique<QPainterSurface>(&image);
    auto painter = std::make_unique<ChartPainter>(*surface, *state);
    // The paint's first step ends at the markers' pause.
    if (steps_before == 1) painter->Step();
    bench.ResumeTiming();
    benchmark::DoNotOptimize(painter->Step());
    bench.PauseTiming();
    painter.reset();
    surface.reset();
    bench.ResumeTiming();
  }
}
BENCHMARK(BM_ReplayStep)->Arg(1)->Unit(benchmark::kMillisecond);

// The first step of a paint with a replay pending: the whole base chart plus
// the first generation's markers and readouts.
BENCHMARK(BM_ReplayStep)->Arg(0)->Unit(benchmark::kMillisecond);

// A jump of the player to generation range(0) of the largest run, drawing
// included: the base chart, every earlier erasure once, the repaired chart
// and the generation's markers, at range(1) hundredths of the chart's size
// (176: the chart filling a 1920 x 1080 screen under the replay tool bar).
// The erasures are listed once per run.
void BM_JumpInTheLargestRun(benchmark::State& bench) {
  const double scale = static_cast<double>(bench.range(1)) / 100.0;
  EnsureGuiApplication();
  QImage image(ChartAreaPixelSize(kDesignDpi) * scale, QImage::Format_RGB32);
  auto state = LargestRun();
  const ReplayErasures erasures(*state);
  const int generation = static_cast<int>(bench.range(0));
  for (auto _ : bench) {
    image.fill(Qt::white);
    QPainterSurface surface(&image, scale);
    ChartPainter painter(surface, *state, ChartPosition::Generation(generation), &erasures);
    benchmark::DoNotOptimize(painter.Step());
  }
}
BENCHMARK(BM_JumpInTheLargestRun)
    ->Args({998, 100})
    ->Args({999, 100})
    ->Args({998, 176})
    ->Args({999, 176})
    ->Unit(benchmark::kMillisecond);

// Listing the erasures of the largest run, once per run.
void BM_ErasuresOfTheLargestRun(benchmark::State& bench) {
  auto state = LargestRun();
  for (auto _ : bench) {
    const ReplayErasures erasures(*state);
    benchmark::DoNotOptimize(erasures.LastGeneration());
  }
}
BENCHMARK(BM_ErasuresOfTheLargestRun)->Unit(benchmark::kMillisecond);

// `curvesmith-cli render --frame final` of the largest run, without the run
// and the file: the erasures listed, then the jump to the final frame.
// Compare with BM_BasePaint, `--frame base`.
void BM_FinalRenderOfTheLargestRun(benchmark::State& bench) {
  QImage image = ChartImage();
  auto state = LargestRun();
  for (auto _ : bench) {
    image.fill(Qt::white);
    const ReplayErasures erasures(*state);
    QPainterSurface surface(&image);
    ChartPainter painter(surface, *state, ChartPosition::Final(), &erasures);
    while (painter.Step()) {
    }
  }
}
BENCHMARK(BM_FinalRenderOfTheLargestRun)->Unit(benchmark::kMillisecond);

// The whole replay of the largest run played step by step without waiting,
// as the final render was drawn before jumps.
void BM_PlayedReplayOfTheLargestRun(benchmark::State& bench) {
  QImage image = ChartImage();
  auto state = LargestRun();
  for (auto _ : bench) {
    state->ReplayPending = 1;
    QPainterSurface surface(&image);
    ChartPainter painter(surface, *state);
    while (painter.Step()) {
    }
  }
}
BENCHMARK(BM_PlayedReplayOfTheLargestRun)->Iterations(1)->Unit(benchmark::kSecond);

// The whole replay of the largest run as an animated GIF at 20 times its pace
// (goal: under 10 s and under 20 MB); the size is reported as a counter.
void BM_LargestReplayGif(benchmark::State& bench) {
  const QSize size = ChartImage().size();
  auto state = LargestRun();
  for (auto _ : bench) {
    const auto gif = EncodeReplayGif(*state, size, 20, nullptr);
    bench.counters["megabytes"] = gif ? static_cast<double>(gif->size()) / 1e6 : -1.0;
  }
}
BENCHMARK(BM_LargestReplayGif)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace curvesmith::chart
