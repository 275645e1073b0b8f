#include "chart/qt/replay_gif.h"

#include <QImage>
#include <algorithm>
#include <memory>

#include "chart/chart_painter.h"
#include "chart/qt/gif_writer.h"
#include "chart/qt/qpainter_surface.h"

namespace curvesmith::chart {

namespace {

// Gives out delays in hundredths of a second so that every picture starts at
// its exact time rounded to the nearest hundredth. Times are kept exact in
// milliseconds times the speed; a hundredth is 10 * speed of those units.
class DelayRounding {
 public:
  explicit DelayRounding(int speed) : unit_(10LL * speed) {}

  int Next(std::chrono::milliseconds pause) {
    elapsed_ += pause.count();
    const long long due = (2 * elapsed_ + unit_) / (2 * unit_);
    const auto delay = static_cast<int>(due - shown_);
    shown_ = due;
    return delay;
  }

 private:
  long long unit_;
  long long elapsed_ = 0;
  long long shown_ = 0;
};

}  // namespace

std::vector<int> GifDelays(std::span<const std::chrono::milliseconds> pauses, int speed) {
  DelayRounding rounding(speed);
  std::vector<int> delays;
  delays.reserve(pauses.size());
  for (const std::chrono::milliseconds pause : pauses) delays.push_back(rounding.Next(pause));
  return delays;
}

std::optional<std::string> EncodeReplayGif(const RunState& state, QSize size, int speed,
                                           const GifProgress& progress) {
  const auto replay = std::make_unique<RunState>(state);
  replay->ReplayPending = 1;
  const int generations = std::clamp(state.Generation, 0, kByGenerationEntries - 1);
  const int total = 2 * generations + 1;

  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  GifWriter writer(size);
  DelayRounding rounding(speed);
  QPainterSurface surface(&image);
  ChartPainter painter(surface, *replay);
  // Each picture is written once its pause is known: the pause that follows
  // it, or the final hold.
  for (int done = 0; done < total; ++done) {
    if (progress && !progress(done, total)) return std::nullopt;
    const std::chrono::milliseconds pause = painter.Step().value_or(kFinalPictureHold);
    if (!writer.Add(image, rounding.Next(pause))) return std::nullopt;
  }
  if (progress && !progress(total, total)) return std::nullopt;
  return writer.Finish();
}

}  // namespace curvesmith::chart
