#include "chart/qt/qpainter_surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <memory>

#include "chart/chart_mapping.h"
#include "chart/chart_painter.h"
#include "chart/chart_resources.h"
#include "chart/chart_texts.h"
#include "chart/curve_trace.h"
#include "chart/marker_box.h"
#include "chart/readouts.h"
#include "chart/replay_animation.h"
#include "res/language.h"
#include "res/qt/chart_area_size.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "tests/chart/chart_test_support.h"
#include "tests/chart/gui_environment.h"

namespace curvesmith::chart {
namespace {

using testing::FinishedRun;
using testing::FreshState;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;

QImage WhiteImage(QSize size = QSize(1213, 644)) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Device pixel of a logical point under the chart's mapping.
QPoint Device(int x, int y) {
  return QPoint(static_cast<int>(std::lround(x * 130.0 / 220.0)),
                static_cast<int>(std::lround(y * 130.0 / 220.0)));
}

QImage PaintedChart(RunState& state, int steps = -1) {
  QImage image = WhiteImage();
  {
    QPainterSurface surface(&image);
    ChartPainter painter(surface, state);
    for (int step = 0; step != steps && painter.Step(); ++step) {
    }
  }
  return image;
}

bool AnyPixelNear(const QImage& image, QPoint centre, QRgb colour, int reach = 1) {
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (image.pixel(centre + QPoint(dx, dy)) == colour) return true;
    }
  }
  return false;
}

// Pixels that differ between the images, outside `ignored`.
std::vector<QPoint> Differences(const QImage& a, const QImage& b, const QRect& ignored = QRect()) {
  std::vector<QPoint> differences;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (ignored.contains(x, y)) continue;
      if (a.pixel(x, y) != b.pixel(x, y)) differences.emplace_back(x, y);
    }
  }
  return differences;
}

// A surface prepared as the paint leaves it for the replay.
class PreparedSurface {
 public:
  explicit PreparedSurface(QImage* image, int scale = 1) : surface(image, scale) {
    surface.SetMapMode(kMapModeAnisotropic);
    surface.SetWindowExt(kWindowExtent, kWindowExtent);
    surface.SetViewportExt(kViewportExtent, kViewportExtent);
    resources.CreateFont();
    resources.Select(ChartResource::ChartFont);
    surface.SetBkMode(kBkModeTransparent);
    resources.CreateBrushesAndPens();
  }
  QPainterSurface surface;
  ChartResources resources{surface};
};

TEST(QPainterSurfaceTest, FrameBoxLiesWhereTheMappingPutsIt) {
  auto state = FreshState();
  const QImage image = PaintedChart(*state);
  const QPoint bottom_left = Device(kFrameLeft, kFrameBottom);
  const QPoint top_right = Device(kFrameRight, kFrameTop);
  EXPECT_EQ(bottom_left, QPoint(295, 532));
  EXPECT_EQ(top_right, QPoint(886, 59));
  const int caption_left = Device(Captions()[0].x, 0).x();
  const int caption_right = Device(Captions()[0].x + 200, 0).x();
  int black_bottom = 0;
  int black_top = 0;
  for (int x = bottom_left.x() + 1; x < top_right.x(); ++x) {
    black_bottom += image.pixel(x, bottom_left.y()) == kBlack ? 1 : 0;
    black_top += image.pixel(x, top_right.y()) == kBlack ? 1 : 0;
    // Just outside the box below and above: blank, but for the descent of
    // the generation caption, which may reach down to the box.
    EXPECT_EQ(image.pixel(x, bottom_left.y() + 2), kWhite) << x;
    if (x < caption_left || x > caption_right) {
      EXPECT_EQ(image.pixel(x, top_right.y() - 2), kWhite) << x;
    }
  }
  const int width = top_right.x() - bottom_left.x() - 1;
  // Vertical grid lines end on the edges and may colour a pixel there.
  EXPECT_GE(black_bottom, width - 9);
  EXPECT_GE(black_top, width - 9);
  for (int y = top_right.y() + 1; y < bottom_left.y(); ++y) {
    EXPECT_NE(image.pixel(bottom_left.x(), y), kWhite) << y;
    EXPECT_NE(image.pixel(top_right.x(), y), kWhite) << y;
  }
}

TEST(QPainterSurfaceTest, TraceRunsThroughItsMappedPoints) {
  auto state = FreshState();
  const QImage image = PaintedChart(*state);
  // Curve 0 starts at logical (500, 685) and peaks at (706, 385).
  EXPECT_TRUE(AnyPixelNear(image, Device(502, 685), kBlue));
  EXPECT_TRUE(AnyPixelNear(image, Device(ChartX(4.12109375), 385), kBlue));
  EXPECT_TRUE(AnyPixelNear(image, Device(1498, 795), kBlue));
  // Nothing blue far above the peak.
  EXPECT_FALSE(AnyPixelNear(image, Device(706, 300), kBlue, 5));
}

TEST(QPainterSurfaceTest, NoTraceForAnUnknownCurve) {
  auto state = FreshState();
  state->TargetCurve = 0.5;
  const QImage image = PaintedChart(*state);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ASSERT_NE(image.pixel(x, y), kBlue) << x << "," << y;
  }
}

TEST(QPainterSurfaceTest, WhiteOverMarkersLeavesNoTrace) {
  QImage image = WhiteImage(QSize(700, 600));
  PreparedSurface prepared(&image);
  auto& surface = prepared.surface;
  auto& resources = prepared.resources;
  // Markers at many sub-pixel offsets, as the replay draws and erases them.
  std::vector<MarkerBoxEdges> boxes;
  for (int i = 0; i < 40; ++i) boxes.push_back(MarkerBox(0.5 + i * 0.47, 3.0 + i * 3.7));
  resources.Select(ChartResource::RedBrush);
  resources.Select(ChartResource::FramePen);
  for (const auto& box : boxes) surface.Ellipse(box.left, box.top, box.right, box.bottom);
  resources.Select(ChartResource::GreenPen);
  for (const auto& box : boxes) surface.Ellipse(box.left, box.top, box.right, box.bottom);
  surface.Flush();
  EXPECT_FALSE(Differences(image, WhiteImage(image.size())).empty());
  resources.Select(ChartResource::WhiteBrush);
  resources.Select(ChartResource::WhitePen);
  for (const auto& box : boxes) surface.Ellipse(box.left, box.top, box.right, box.bottom);
  surface.Flush();
  EXPECT_TRUE(Differences(image, WhiteImage(image.size())).empty());
}

TEST(QPainterSurfaceTest, WhiteOverReadoutsLeavesNoTrace) {
  QImage image = WhiteImage(QSize(900, 200));
  PreparedSurface prepared(&image);
  auto& surface = prepared.surface;
  surface.SetTextColor(0x8080FF);
  surface.TextOut(100, 50, "102.934158");
  surface.TextOut(400, 150, "現在世代数:");
  surface.Flush();
  EXPECT_FALSE(Differences(image, WhiteImage(image.size())).empty());
  surface.SetTextColor(0xFFFFFF);
  surface.TextOut(100, 50, "102.934158");
  surface.TextOut(400, 150, "現在世代数:");
  surface.Flush();
  EXPECT_TRUE(Differences(image, WhiteImage(image.size())).empty());
}

TEST(QPainterSurfaceTest, ErasedReplayFrameLeavesTheChartAsItWas) {
  auto base_state = FinishedRun(1, 12);
  base_state->ReplayPending = 0;
  const QImage base = PaintedChart(*base_state);

  // Markers all over the frame's inside, on grid lines and the curve, but
  // away from the labels.
  auto state = FinishedRun(1, 12);
  for (int j = 0; j < 12; ++j) {
    state->PositionHistory[0][j] = 1.0 + j * 1.5;
    state->FitnessHistory[0][j] = 20.0 + j * 10.0;
  }
  state->BestPositionByGeneration[0] = 4.0;
  state->BestFitnessByGeneration[0] = 60.0;
  // Two steps: the markers, then their erasure and the chart's repair.
  const QImage repaired = PaintedChart(*state, 2);
  // The readouts are still showing in their band at the top.
  const QRect readouts(Device(1000, 40), Device(1500, 200));
  EXPECT_TRUE(Differences(repaired, base, readouts).empty());
}

TEST(QPainterSurfaceTest, ErasedMarkerWhitensOnlyWhatItCovered) {
  auto base_state = FinishedRun(1, 1);
  base_state->ReplayPending = 0;
  const QImage base = PaintedChart(*base_state);
  auto state = FinishedRun(1, 1);
  // A marker below the x axis covers most of the label "2".
  state->PositionHistory[0][0] = 2.0;
  state->FitnessHistory[0][0] = -4.0;
  state->BestPositionByGeneration[0] = 10.0;
  state->BestFitnessByGeneration[0] = 80.0;
  const QImage repaired = PaintedChart(*state, 2);
  const QRect readouts(Device(1000, 40), Device(1500, 200));
  const auto differences = Differences(repaired, base, readouts);
  EXPECT_FALSE(differences.empty());
  const QRect marker = QRect(Device(590, 910), Device(610, 930)).adjusted(-2, -2, 2, 2);
  for (const QPoint& point : differences) {
    EXPECT_TRUE(marker.contains(point)) << point.x() << "," << point.y();
    EXPECT_EQ(repaired.pixel(point), kWhite);
  }
}

TEST(QPainterSurfaceTest, WidePensDrawSolidAndTheGridDotted) {
  QImage image = WhiteImage(QSize(700, 300));
  PreparedSurface prepared(&image);
  auto& surface = prepared.surface;
  prepared.resources.Select(ChartResource::BluePen);
  surface.MoveTo(100, 100);
  surface.LineTo(1000, 100);
  prepared.resources.Select(ChartResource::GridPen);
  surface.MoveTo(100, 300);
  surface.LineTo(1000, 300);
  surface.Flush();
  const int blue_row = Device(0, 100).y();
  const int grid_row = Device(0, 300).y();
  int gaps = 0;
  for (int x = Device(110, 0).x(); x < Device(990, 0).x(); ++x) {
    EXPECT_EQ(image.pixel(x, blue_row), kBlue) << x;
    gaps += image.pixel(x, grid_row) == kWhite ? 1 : 0;
  }
  EXPECT_GT(gaps, 100);
  // A pen three units wide is about two pixels wide.
  EXPECT_EQ(image.pixel(Device(500, 0).x(), blue_row - 2), kWhite);
  EXPECT_EQ(image.pixel(Device(500, 0).x(), blue_row + 2), kWhite);
}

// A wide polyline drawn again is stamped from its first drawing, as a replay
// draws the trace at every repair: drawn again on a blank picture, the trace
// is the trace drawn once, pixel for pixel, at every scale.
TEST(QPainterSurfaceTest, TraceDrawnAgainIsTheTraceDrawnOnce) {
  for (const int scale : {1, 2, 4}) {
    const QSize size = QSize(1213, 644) * scale;
    QImage once = WhiteImage(size);
    {
      PreparedSurface prepared(&once, scale);
      DrawCurveTrace(prepared.surface, prepared.resources, 1.0);
    }
    QImage again = WhiteImage(size);
    {
      PreparedSurface prepared(&again, scale);
      for (int time = 0; time < 3; ++time) {
        DrawCurveTrace(prepared.surface, prepared.resources, 1.0);
        prepared.surface.Flush();
        if (time < 2) again.fill(Qt::white);
      }
    }
    EXPECT_EQ(again, once) << "scale " << scale;
    EXPECT_NE(once, WhiteImage(size)) << "scale " << scale;
  }
}

TEST(QPainterSurfaceTest, DefaultTextHasAnOpaqueWhiteBackgroundUnlessTransparent) {
  QImage image(QSize(300, 100), QImage::Format_RGB32);
  image.fill(Qt::gray);
  const QRgb gray = image.pixel(0, 0);
  QPainterSurface surface(&image);
  surface.TextOut(10, 10, "X");
  surface.SetBkMode(kBkModeTransparent);
  surface.TextOut(110, 10, "X");
  surface.Flush();
  // The cell's top-left corner: white behind the opaque text, gray behind the
  // transparent one; the glyph itself black in both.
  EXPECT_EQ(image.pixel(10, 10), kWhite);
  EXPECT_EQ(image.pixel(110, 10), gray);
  bool dark = false;
  for (int y = 10; y < 40; ++y) {
    for (int x = 110; x < 130; ++x) dark = dark || qGray(image.pixel(x, y)) < 64;
  }
  EXPECT_TRUE(dark);
}

TEST(QPainterSurfaceTest, StateOutlivesAFlush) {
  QImage image = WhiteImage(QSize(200, 200));
  QPainterSurface surface(&image);
  const auto pen = surface.CreatePen("RedPen", PenStyle::kSolid, 1, 0x0000FF);
  ASSERT_TRUE(pen.has_value());
  surface.SelectObject(*pen);
  surface.MoveTo(10, 10);
  surface.LineTo(100, 10);
  surface.Flush();
  EXPECT_EQ(image.pixel(50, 10), kRed);
  // Deleted while selected: still drawn with, from the current position.
  surface.DeleteObject(*pen);
  surface.LineTo(100, 100);
  surface.Flush();
  EXPECT_EQ(image.pixel(100, 50), kRed);
}

// The first and last columns of `image` that hold anything but white.
std::pair<int, int> InkColumns(const QImage& image) {
  int first = image.width();
  int last = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == kWhite) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return {first, last};
}

// ChartFont's width of 15 units is what the bracket text's blanks were
// counted for: the widest figures a run shows (a position of two integer
// digits, a fitness of three) end inside their brackets at every scale.
TEST(QPainterSurfaceTest, BestPointFiguresEndInsideTheirBrackets) {
  auto state = FinishedRun(0, 0);
  state->BestPositionByGeneration[0] = 19.98046875;
  state->BestFitnessByGeneration[0] = 153.47180;
  const Readouts readouts = FormatReadouts(*state, 0);
  const PlacedText& brackets = Captions().back();
  const std::string_view text = brackets.text;
  const std::size_t comma = text.find(',');
  ASSERT_NE(comma, std::string_view::npos);
  for (const int scale : {1, 2, 4}) {
    SCOPED_TRACE(scale);
    // Each part alone on a white chart; drawing a prefix of the bracket text
    // again in white leaves only the characters after it.
    const auto ink = [&](const auto& draw) {
      QImage image = WhiteImage(QSize(1213, 644) * scale);
      {
        PreparedSurface prepared(&image, scale);
        draw(prepared.surface);
      }
      return InkColumns(image);
    };
    const auto bracket_from = [&](std::size_t kept) {
      return ink([&](Surface& surface) {
        surface.TextOut(brackets.x, brackets.y, text);
        surface.SetTextColor(0xFFFFFF);
        surface.TextOut(brackets.x, brackets.y, text.substr(0, kept));
      });
    };
    const auto position =
        ink([&](Surface& surface) { DrawReadout(surface, ReadoutSlot::kPosition, readouts[1]); });
    const auto fitness =
        ink([&](Surface& surface) { DrawReadout(surface, ReadoutSlot::kFitness, readouts[2]); });
    const int comma_left = bracket_from(comma).first;
    const int closing_left = bracket_from(text.size() - 1).first;
    ASSERT_LE(position.first, position.second);
    ASSERT_LE(fitness.first, fitness.second);
    EXPECT_LT(position.second, comma_left) << readouts[1];
    EXPECT_LT(fitness.second, closing_left) << readouts[2];
  }
}

// The captions keep their places in every language, so a translation must
// end before the figures it names: the generation's readout and the best
// point's opening bracket.
TEST(QPainterSurfaceTest, CaptionsEndBeforeTheirFiguresInEveryLanguage) {
  auto state = FinishedRun(0, 0);
  const Readouts readouts = FormatReadouts(*state, 0);
  const auto ink = [](const auto& draw) {
    QImage image = WhiteImage(QSize(1213, 644));
    {
      PreparedSurface prepared(&image);
      draw(prepared.surface);
    }
    return InkColumns(image);
  };
  const auto generation =
      ink([&](Surface& surface) { DrawReadout(surface, ReadoutSlot::kGeneration, readouts[0]); });
  for (const res::Language language : res::Languages()) {
    res::SetInterfaceLanguage(language);
    const std::span<const PlacedText> captions = Captions();
    const auto caption = [&](std::size_t index) {
      return ink([&](Surface& surface) {
        surface.TextOut(captions[index].x, captions[index].y, captions[index].text);
      });
    };
    EXPECT_EQ(captions[0].text, res::LoadString(res::kIdsChartGenerationCaption, language));
    EXPECT_EQ(captions[1].text, res::LoadString(res::kIdsChartBestPointCaption, language));
    EXPECT_LT(caption(0).second, generation.first) << captions[0].text;
    EXPECT_LT(caption(1).second, caption(2).first) << captions[1].text;
  }
  res::SetInterfaceLanguage(res::Language::kJapanese);
  EXPECT_EQ(Captions()[0].text, "現在世代数:");
}

// Whole multiples for exports, any scale for a chart fitted to a window: the
// frame box's corner lands on the nearest device pixel, and a one-pixel line
// is as thick as at the nearest whole scale, never thinned to nothing.
TEST(QPainterSurfaceTest, ScaleMultipliesTheDevicePixels) {
  const struct {
    double scale;
    QPoint corner;
    int line_pixels;
  } cases[] = {{2, QPoint(1773, 1064), 2},
               {1.5, QPoint(1330, 798), 2},
               {1.4, QPoint(1241, 745), 1},
               {0.5, QPoint(443, 266), 1}};
  for (const auto& c : cases) {
    QImage image = WhiteImage(QSize(2426, 1288));
    QPainterSurface surface(&image, c.scale);
    surface.SetMapMode(kMapModeAnisotropic);
    surface.SetWindowExt(kWindowExtent, kWindowExtent);
    surface.SetViewportExt(kViewportExtent, kViewportExtent);
    EXPECT_EQ(surface.ToDevice(1500, 900), c.corner) << c.scale;
    surface.SelectObject(*surface.CreatePen("FramePen", PenStyle::kSolid, 1, 0x000000));
    surface.MoveTo(1000, 100);
    surface.LineTo(1000, 900);
    surface.Flush();
    const int row = surface.ToDevice(0, 500).y();
    int thickness = 0;
    for (int x = 0; x < image.width(); ++x) thickness += image.pixel(x, row) == kBlack ? 1 : 0;
    EXPECT_EQ(thickness, c.line_pixels) << c.scale;
  }
}

TEST(ChartAreaSizeTest, IsTheFormsChartAreaInDialogUnits) {
  const QSize size = ChartAreaPixelSize(kDesignDpi);
  // 693 x 396 dialog units: wide enough for the chart, whose frame box ends
  // at device (886, 532) and lowest text near row 561, in the area's shape.
  EXPECT_GT(size.width(), 886);
  EXPECT_GT(size.height(), 560);
  EXPECT_NEAR(static_cast<double>(size.width()) / size.height(), 693.0 / 396.0, 0.35);
}

}  // namespace
}  // namespace curvesmith::chart
