#include "chart/qt/replay_gif.h"

#include <QImage>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "chart/qt/chart_picture.h"
#include "chart/qt/gif_writer.h"
#include "engine/run_extent.h"

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

// Hands pictures from the thread that paints the replay to the one that
// encodes them, so that painting and encoding overlap. A few pictures may
// wait; the painter waits when they are not taken.
class PictureQueue {
 public:
  struct Picture {
    QImage image;
    int delay_centiseconds;
  };

  // False once the encoder has stopped taking pictures.
  bool Push(Picture picture) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || pictures_.size() < kMostWaiting; });
    if (stopped_) return false;
    pictures_.push_back(std::move(picture));
    changed_.notify_all();
    return true;
  }

  // The next picture; nothing once the queue is closed and empty, or stopped.
  std::optional<Picture> Pop() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || closed_ || !pictures_.empty(); });
    if (stopped_ || pictures_.empty()) return std::nullopt;
    Picture picture = std::move(pictures_.front());
    pictures_.pop_front();
    changed_.notify_all();
    return picture;
  }

  // A picture's buffer the encoder is done with, to paint the next into.
  void Recycle(QImage image) {
    const std::lock_guard lock(mutex_);
    spare_.push_back(std::move(image));
  }
  QImage Spare() {
    const std::lock_guard lock(mutex_);
    if (spare_.empty()) return {};
    QImage image = std::move(spare_.back());
    spare_.pop_back();
    return image;
  }

  // No picture follows.
  void Close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
  }

  // Both sides give up: pictures still waiting are dropped.
  void Stop() {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
  }

 private:
  static constexpr std::size_t kMostWaiting = 4;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Picture> pictures_;
  std::vector<QImage> spare_;
  bool closed_ = false;
  bool stopped_ = false;
};

}  // namespace

std::optional<std::string> EncodeReplayGif(const RunState& state, QSize size, int speed,
                                           const GifProgress& progress, const QImage& caption_strip,
                                           const FittedCurve* fitted) {
  // The replay's FinalFrame clears ReplayPending: it runs on a copy.
  const auto replay = std::make_unique<RunState>(state);
  const int total = 2 * RunExtentOf(state).last_generation + 1;

  const QSize picture_size(size.width(), size.height() + caption_strip.height());
  GifWriter writer(picture_size);
  PictureQueue queue;
  bool encoded = true;
  std::thread encoder([&] {
    while (auto picture = queue.Pop()) {
      if (!writer.Add(std::move(picture->image), picture->delay_centiseconds)) {
        encoded = false;
        queue.Stop();
      }
      if (QImage spare = writer.TakeSpare(); !spare.isNull()) queue.Recycle(std::move(spare));
    }
  });

  DelayRounding rounding(speed);
  bool complete = true;
  {
    ChartPicture picture(WhiteCanvas(size), 1.0, *replay, ChartPosition::Generation(0), nullptr,
                         fitted);
    const QImage& image = picture.Image();
    // Each picture is handed over once its pause is known: the pause that
    // follows it, or the final hold.
    for (int done = 0; done < total && complete; ++done) {
      if (progress && !progress(done, total)) {
        complete = false;
        break;
      }
      const std::chrono::milliseconds pause = picture.Step().value_or(kFinalPictureHold);
      // Copied into a spare buffer: a fresh 2.5 MB image per picture costs
      // more in page faults than the copy itself.
      QImage copy = queue.Spare();
      if (copy.isNull()) {
        copy = QImage(picture_size, QImage::Format_RGB32);
        if (!caption_strip.isNull()) {
          std::memcpy(copy.scanLine(size.height()), caption_strip.constBits(),
                      static_cast<std::size_t>(caption_strip.sizeInBytes()));
        }
      }
      std::memcpy(copy.bits(), image.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
      complete = queue.Push({std::move(copy), rounding.Next(pause)});
    }
  }
  if (complete) {
    queue.Close();
  } else {
    queue.Stop();
  }
  encoder.join();
  if (!complete || !encoded) return std::nullopt;
  if (progress && !progress(total, total)) return std::nullopt;
  return writer.Finish();
}

}  // namespace curvesmith::chart
