#ifndef CURVESMITH_CHART_QT_REPLAY_GIF_H_
#define CURVESMITH_CHART_QT_REPLAY_GIF_H_

#include <QImage>
#include <QSize>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "engine/run_state.h"

namespace curvesmith::chart {

struct FittedCurve;

// The speeds a replay can be exported at: its pauses are divided by these.
inline constexpr int kReplayGifSpeeds[] = {1, 2, 5, 20};

// How long the last picture, which the replay leaves standing, is held before
// the animation starts again.
inline constexpr std::chrono::milliseconds kFinalPictureHold{3000};

// Reports progress (pictures done, pictures in all); returns false to stop.
using GifProgress = std::function<bool(int done, int total)>;

// The replay of the state's run as an animated GIF of pictures of `size`
// pixels: the picture at every pause of the replay (2 x Generation of them),
// each shown for its pause divided by `speed`, then the final picture, held
// for kFinalPictureHold divided by `speed`; looping. Every picture is the
// chart exactly as the replay draws it. Nothing when `progress` stopped it
// or the encoder failed. Pictures are encoded on a thread of their own while
// the next ones are painted.
//
// With a `caption_strip` (see CaptionStrip) every picture has it under the
// chart. The replay runs on a copy of the state: `state` is only read. A
// `fitted` curve is drawn as ChartPainter draws it.
std::optional<std::string> EncodeReplayGif(const RunState& state, QSize size, int speed,
                                           const GifProgress& progress,
                                           const QImage& caption_strip = QImage(),
                                           const FittedCurve* fitted = nullptr);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_REPLAY_GIF_H_
