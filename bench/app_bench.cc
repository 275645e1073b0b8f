// The desktop program's speed: start-up to the first painted chart (goal:
// under 300 ms) and one step of a replay as it reaches the screen.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <chrono>
#include <memory>

#include "app/chart_area_widget.h"
#include "app/convergence_panel.h"
#include "app/convergence_plot.h"
#include "app/curvesmith_doc.h"
#include "app/curvesmith_view.h"
#include "app/main_frame.h"
#include "app/replay_player.h"
#include "bench/largest_run.h"
#include "engine/evolution.h"
#include "engine/run_state.h"
#include "res/resource_ids.h"

namespace curvesmith {
namespace {

// The offscreen platform, so the benchmark needs no display.
void EnsureApplication() {
  static int argc = 1;
  static char name[] = "app_bench";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
  }
}

RunState& BenchRunState() {
  static const auto state = std::make_unique<RunState>();
  return *state;
}

// What start-up does once the application object exists: the window with a
// new document, shown, until the chart has been painted.
void StartUpToFirstPaintedChart() {
  CCurvesmithDoc document;
  CMainFrame frame(document, BenchRunState());
  frame.OnFileNew();
  frame.show();
  while (frame.View()->ChartArea()->Image().isNull()) QCoreApplication::processEvents();
  frame.View()->ChartArea()->repaint();
  benchmark::DoNotOptimize(frame.View()->ChartArea()->Image().constBits());
}

// The first start-up of the process also creates the application and loads
// the fonts.
void BM_ColdStartUpToFirstPaintedChart(benchmark::State& state) {
  for (auto _ : state) {
    EnsureApplication();
    StartUpToFirstPaintedChart();
  }
}
BENCHMARK(BM_ColdStartUpToFirstPaintedChart)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPaintedChart(benchmark::State& state) {
  EnsureApplication();
  for (auto _ : state) StartUpToFirstPaintedChart();
}
BENCHMARK(BM_StartUpToFirstPaintedChart)->Unit(benchmark::kMillisecond);

// A clock whose pause ends when the benchmark says so.
class SteppedClock : public ReplayClock {
 public:
  Time Now() const override { return std::chrono::steady_clock::now(); }
  void StartPause(std::chrono::milliseconds, std::function<void()> elapsed) override {
    pending_ = std::move(elapsed);
  }
  void Cancel() override { pending_ = nullptr; }
  bool Step() {
    auto pending = std::exchange(pending_, nullptr);
    if (pending) pending();
    return pending != nullptr;
  }

 private:
  std::function<void()> pending_;
};

// One step of a replay of 100 individuals, drawn and shown: the steps
// alternate between drawing markers and erasing them with the chart's repair
// (frame, grid and the whole curve trace).
void BM_ReplayStepOnScreen(benchmark::State& state) {
  EnsureApplication();
  CCurvesmithDoc document;
  CCurvesmithView view(document, BenchRunState());
  auto clock_owner = std::make_unique<SteppedClock>();
  SteppedClock* clock = clock_owner.get();
  view.ChartArea()->SetReplayClock(std::move(clock_owner));
  view.SetSeedSource([] { return 1u; });
  view.OnInitialUpdate();
  view.show();
  view.Field(res::kIdcTargetCurve)->setText("2");
  view.Field(res::kIdcPopulationSize)->setText("100");
  view.Field(res::kIdcGenerations)->setText("999");
  view.Field(res::kIdcCrossoverRate)->setText("0.7");
  view.Field(res::kIdcMutationRate)->setText("0.1");
  for (auto _ : state) {
    if (!view.ChartArea()->IsReplaying()) {
      state.PauseTiming();
      view.OnRun();
      QCoreApplication::processEvents();
      state.ResumeTiming();
    }
    clock->Step();
    view.ChartArea()->repaint();
  }
}
BENCHMARK(BM_ReplayStepOnScreen)->Unit(benchmark::kMillisecond);

// A whole replay of the largest run at x20 on the real clock, shown as it
// goes: its nominal length is 999 generations of 30 ms + 25 ms, 54.945 s;
// "over_nominal_percent" is how much longer it took.
void BM_LargestRunReplayAtTwentyTimes(benchmark::State& state) {
  EnsureApplication();
  CCurvesmithDoc document;
  CCurvesmithView view(document, BenchRunState());
  view.SetSeedSource([] { return 1u; });
  view.OnInitialUpdate();
  view.show();
  const ParameterSet largest = LargestRunParameters();
  view.Field(res::kIdcTargetCurve)->setText("0");
  view.Field(res::kIdcPopulationSize)->setText(QString::number(largest.PopulationSize));
  view.Field(res::kIdcGenerations)->setText(QString::number(largest.Generations));
  view.Field(res::kIdcCrossoverRate)->setText(QString::number(largest.CrossoverRate));
  view.Field(res::kIdcMutationRate)->setText(QString::number(largest.MutationRate));
  view.Player().SetSpeed(ReplaySpeed::kTwentyTimes);
  const double nominal_seconds = largest.Generations * (0.600 + 0.500) / 20;
  double seconds = 0;
  for (auto _ : state) {
    view.OnRun();
    const auto start = std::chrono::steady_clock::now();
    QCoreApplication::processEvents();
    while (view.ChartArea()->IsReplaying()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["replay_seconds"] = seconds;
  state.counters["over_nominal_percent"] = 100.0 * (seconds / nominal_seconds - 1.0);
}
BENCHMARK(BM_LargestRunReplayAtTwentyTimes)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The convergence panel following one replay step of the largest run: the
// cursor moved and the panel shown again (goal: under 2 ms).
void BM_ConvergencePanelStep(benchmark::State& state) {
  EnsureApplication();
  RunState& run = BenchRunState();
  RunEvolution(run, LargestRunParameters(), 1u);
  QMainWindow window;
  QAction toggle;
  ConvergencePanel panel(&window, &toggle);
  window.addDockWidget(Qt::RightDockWidgetArea, &panel);
  window.resize(1000, 700);
  window.show();
  QCoreApplication::processEvents();
  panel.ShowRun(run);
  panel.Plot()->repaint();
  int generation = 0;
  for (auto _ : state) {
    panel.ShowGeneration(generation);
    panel.Plot()->repaint();
    generation = (generation + 1) % (kMaxGenerations + 1);
  }
}
BENCHMARK(BM_ConvergencePanelStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace curvesmith
