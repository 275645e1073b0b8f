#ifndef CURVESMITH_CHART_QT_QPAINTER_SURFACE_H_
#define CURVESMITH_CHART_QT_QPAINTER_SURFACE_H_

#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <map>
#include <memory>
#include <optional>

#include "chart/qt/ellipse_shapes.h"
#include "chart/qt/polyline_stamps.h"
#include "chart/surface.h"

namespace curvesmith::chart {

// A Surface that draws with QPainter on any paint device: a QImage (the chart
// widget's backing image, a rendered PNG), a QPrinter, a QPixmap.
//
// It behaves as the classic device context the chart was drawn on:
// - the anisotropic mapping scales each axis by viewport / window extent;
//   device positions are rounded to whole pixels, and `scale` device pixels
//   stand for one pixel of the chart: a whole number for sharp images at a
//   multiple of the size, any number above 0 for a chart drawn to fit a
//   window (every width is then rounded to whole device pixels);
// - pens of width 1 draw one pixel wide; wider pens draw solid, whatever
//   style they were created with, and scale with the mapping;
// - the default font is the platform's UI font at its normal pixel size
//   (not scaled by the mapping), black on an opaque white background;
// - created fonts take their cell height and average width in logical units;
//   a request in the Japanese character set is matched by a fixed-pitch
//   Japanese face, as the classic font mapper puts the character set before
//   the face name; other requests by their face ("Times New Roman": a serif
//   one), with a Japanese face for glyphs it lacks;
// - lines, ellipses and created fonts are drawn without antialiasing, so
//   drawing the same ellipse or text again in white removes it exactly.
//
// The surface's state (selected objects, current position, colours, modes,
// mapping) lives in this object, not in a QPainter: a QPainter is opened on
// the device when drawing starts and closed by Flush() (and the destructor),
// so the device can be shown or read between the steps of a replay while the
// surface keeps its state. Consecutive LineTo calls are gathered into one
// polyline (a dense curve trace is 20,481 of them) and drawn at the next
// other operation or Flush(); with the round joins of wide pens it covers
// what the single lines would.
//
// REQUIRES: `device` outlives the surface; a QGuiApplication exists (fonts).
class QPainterSurface : public Surface {
 public:
  explicit QPainterSurface(QPaintDevice* device, double scale = 1.0);
  ~QPainterSurface() override;

  QPainterSurface(const QPainterSurface&) = delete;
  QPainterSurface& operator=(const QPainterSurface&) = delete;

  void SetMapMode(int mode) override;
  void SetWindowExt(int width, int height) override;
  void SetViewportExt(int width, int height) override;

  std::optional<ObjectHandle> CreateFont(std::string_view name,
                                         const FontRequest& request) override;
  std::optional<ObjectHandle> CreatePen(std::string_view name, PenStyle style, int width,
                                        ColorRef color) override;
  std::optional<ObjectHandle> CreateSolidBrush(std::string_view name, ColorRef color) override;
  void SelectObject(ObjectHandle object) override;
  void DeleteObject(ObjectHandle object) override;

  void SetTextColor(ColorRef color) override;
  void SetBkMode(int mode) override;
  void TextOut(int x, int y, std::string_view text) override;

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;

  void Flush() override;

  // The device pixel of a logical point under the current mapping.
  QPoint ToDevice(int x, int y) const;

 private:
  struct Object;

  std::optional<ObjectHandle> AddObject(Object object);
  QPainter& Painter();
  void DrawPendingLines();
  // Device pixels per logical unit on each axis.
  double ScaleX() const;
  double ScaleY() const;
  QPen DevicePen() const;
  // The selected font at the current mapping; worked out once for each font
  // and mapping, as matching a face to a request is slow.
  const QFont& DeviceFont();
  QFont MatchDeviceFont() const;

  // Device pixels of a one-pixel line.
  int LinePixels() const;

  QPaintDevice* device_;
  double scale_;
  std::unique_ptr<QPainter> painter_;

  int map_mode_ = 0;
  QSize window_ext_{1, 1};
  QSize viewport_ext_{1, 1};

  std::map<int, std::shared_ptr<const Object>> objects_;
  int next_id_ = 1;
  std::shared_ptr<const Object> pen_;
  std::shared_ptr<const Object> brush_;
  std::shared_ptr<const Object> font_;

  struct MatchedFont {
    std::shared_ptr<const Object> font;
    double scale_x = 0;
    double scale_y = 0;
    QFont device_font;
  };
  std::optional<MatchedFont> matched_font_;

  QColor text_color_{Qt::black};
  QColor background_color_{Qt::white};
  int bk_mode_ = kBkModeOpaque;
  QPoint position_{0, 0};
  QPolygon pending_lines_;
  EllipseShapes ellipse_shapes_;
  PolylineStamps polyline_stamps_;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_QPAINTER_SURFACE_H_
