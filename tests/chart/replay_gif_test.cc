#include "chart/qt/replay_gif.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <memory>

#include "chart/chart_painter.h"
#include "chart/qt/qpainter_surface.h"
#include "engine/evolution.h"
#include "tests/chart/gui_environment.h"

namespace curvesmith::chart {
namespace {

const QSize kSize(520, 300);

std::unique_ptr<RunState> SmallRun(float generations) {
  auto state = std::make_unique<RunState>();
  RunEvolution(*state,
               ParameterSet{.Generations = generations,
                            .CrossoverRate = 0.7f,
                            .PopulationSize = 6.0f,
                            .MutationRate = 0.1f,
                            .TargetCurve = 1.0f},
               77u);
  return state;
}

// A GIF read back with giflib: its frames' delays, and the picture all its
// frames leave on screen.
struct ReadBack {
  std::vector<int> delays;
  QImage last_picture;
  bool loops = false;
};

ReadBack Read(const std::string& bytes) {
  struct Source {
    const std::string* bytes;
    std::size_t at = 0;
  } source{&bytes};
  const auto read = [](GifFileType* gif, GifByteType* into, int length) {
    auto* from = static_cast<Source*>(gif->UserData);
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(length), from->bytes->size() - from->at);
    std::memcpy(into, from->bytes->data() + from->at, n);
    from->at += n;
    return static_cast<int>(n);
  };
  int error = 0;
  GifFileType* gif = DGifOpen(&source, read, &error);
  ReadBack result;
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK) return result;
  QImage picture(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
  for (int i = 0; i < gif->ImageCount; ++i) {
    GraphicsControlBlock control{};
    DGifSavedExtensionToGCB(gif, i, &control);
    result.delays.push_back(control.DelayTime);
    const SavedImage& frame = gif->SavedImages[i];
    const ColorMapObject* map =
        frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    for (int y = 0; y < frame.ImageDesc.Height; ++y) {
      for (int x = 0; x < frame.ImageDesc.Width; ++x) {
        const int index = frame.RasterBits[y * frame.ImageDesc.Width + x];
        if (index == control.TransparentColor) continue;
        const GifColorType c = map->Colors[index];
        picture.setPixel(frame.ImageDesc.Left + x, frame.ImageDesc.Top + y,
                         qRgb(c.Red, c.Green, c.Blue));
      }
    }
  }
  // giflib files the blocks before the first image with that image.
  const SavedImage& first = gif->SavedImages[0];
  for (int i = 0; i < first.ExtensionBlockCount; ++i) {
    const ExtensionBlock& block = first.ExtensionBlocks[i];
    if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
        std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
      result.loops = true;
    }
  }
  result.last_picture = picture;
  DGifCloseFile(gif, &error);
  return result;
}

int CountPixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

TEST(ReplayGifTest, OnePicturePerPauseWithThePausesDividedBySpeed) {
  struct Case {
    float generations;
    int speed;
    std::vector<int> delays;
  };
  // Each start time is the exact one rounded to a hundredth: at 20 times the
  // pace 600 ms and 500 ms come to 3 and 2.5 hundredths.
  const Case cases[] = {
      {3.0f, 1, {60, 50, 60, 50, 60, 50, 300}},
      {3.0f, 20, {3, 3, 3, 2, 3, 3, 15}},
      {1.0f, 5, {12, 10, 60}},
      {0.0f, 2, {150}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.generations << " generations at x" << c.speed);
    const auto state = SmallRun(c.generations);
    const auto gif = EncodeReplayGif(*state, kSize, c.speed, nullptr);
    ASSERT_TRUE(gif.has_value());
    const ReadBack read = Read(*gif);
    EXPECT_EQ(read.delays, c.delays);
    EXPECT_TRUE(read.loops);
  }
}

TEST(ReplayGifTest, FramesAddUpToTheReplaysFinalPicture) {
  const auto state = SmallRun(4.0f);
  const auto gif = EncodeReplayGif(*state, kSize, 1, nullptr);
  ASSERT_TRUE(gif.has_value());

  QImage final_picture(kSize, QImage::Format_RGB32);
  final_picture.fill(Qt::white);
  auto replay = std::make_unique<RunState>(*state);
  replay->ReplayPending = 1;
  {
    QPainterSurface surface(&final_picture);
    ChartPainter painter(surface, *replay);
    PaintToEnd(painter, [](std::chrono::milliseconds) {});
  }
  const QImage shown = Read(*gif).last_picture;
  // Each of the chart's colours is kept exactly: markers, curve, best marker,
  // final readouts and grid.
  for (const QRgb colour : {0xFFFF0000u, 0xFF0000FFu, 0xFF00FF00u, 0xFFFF80FFu, 0xFF000080u}) {
    EXPECT_EQ(CountPixels(shown, colour), CountPixels(final_picture, colour)) << std::hex << colour;
  }
  // The state itself is left as it was.
  EXPECT_EQ(state->ReplayPending, 0);
}

TEST(ReplayGifTest, StoppingLeavesNoGif) {
  const auto state = SmallRun(3.0f);
  int calls = 0;
  const auto gif = EncodeReplayGif(*state, kSize, 1, [&](int done, int total) {
    EXPECT_EQ(total, 7);
    ++calls;
    return done < 2;
  });
  EXPECT_FALSE(gif.has_value());
  EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace curvesmith::chart
