#ifndef CURVESMITH_CHART_SURFACE_H_
#define CURVESMITH_CHART_SURFACE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace curvesmith::chart {

// A colour laid out 0x00BBGGRR, as the chart's tables give it.
using ColorRef = std::uint32_t;

// Mapping mode in which the window and viewport extents scale each axis
// independently (the only one the chart uses).
inline constexpr int kMapModeAnisotropic = 8;

// Background modes of text output.
inline constexpr int kBkModeTransparent = 1;
inline constexpr int kBkModeOpaque = 2;

enum class PenStyle { kSolid, kDot };

// The character set of a font request for Japanese text (SHIFTJIS_CHARSET).
inline constexpr int kShiftJisCharset = 128;

// The fourteen arguments of a font request, in the order the platform's
// font creation takes them. Heights and widths are logical units; a positive
// height is the cell height (ascent plus descent).
struct FontRequest {
  int height = 0;
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = 0;
  int italic = 0;
  int underline = 0;
  int strike_out = 0;
  int char_set = 0;
  int out_precision = 0;
  int clip_precision = 0;
  int quality = 0;
  int pitch_and_family = 0;
  std::string face_name;
};

// A font, pen or brush created on a surface. Valid on that surface only,
// until it is deleted there.
struct ObjectHandle {
  int id = 0;
  friend bool operator==(ObjectHandle, ObjectHandle) = default;
};

// The drawing operations the chart needs, in the terms of a classic device
// context. Coordinates are logical units, mapped to the device by the mapping
// mode and extents; a fresh surface maps one logical unit to one pixel, draws
// text in the platform's UI font, black on an opaque white background, and has
// its current position at (0, 0).
//
// Creation may fail and then returns no object. Objects carry a name (as the
// chart's resource table calls them) so that listings can show which object an
// operation uses; surfaces that draw ignore it. Deleting an object that is
// still selected is allowed: the surface keeps drawing with it until another
// object of the same kind is selected.
//
// Implementations: RecordingSurface (chart/recording_surface.h) keeps the
// operations for tests and listings; QPainterSurface (chart/qt/) draws.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual void SetMapMode(int mode) = 0;
  virtual void SetWindowExt(int width, int height) = 0;
  virtual void SetViewportExt(int width, int height) = 0;

  virtual std::optional<ObjectHandle> CreateFont(std::string_view name,
                                                 const FontRequest& request) = 0;
  // A pen of `width` logical units. A dotted pen wider than one unit draws a
  // solid line, as the classic platform does.
  virtual std::optional<ObjectHandle> CreatePen(std::string_view name, PenStyle style, int width,
                                                ColorRef color) = 0;
  virtual std::optional<ObjectHandle> CreateSolidBrush(std::string_view name, ColorRef color) = 0;
  // Makes a font, pen or brush current for its kind.
  virtual void SelectObject(ObjectHandle object) = 0;
  virtual void DeleteObject(ObjectHandle object) = 0;

  virtual void SetTextColor(ColorRef color) = 0;
  virtual void SetBkMode(int mode) = 0;
  // `text` is UTF-8; (x, y) is the top-left corner of its first cell.
  virtual void TextOut(int x, int y, std::string_view text) = 0;

  virtual void MoveTo(int x, int y) = 0;
  // A line from the current position to (x, y) with the current pen; (x, y)
  // becomes the current position.
  virtual void LineTo(int x, int y) = 0;
  // An ellipse inside the box, outlined with the current pen and filled with
  // the current brush. The corners may come in either order.
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;

  // Makes everything drawn so far visible on the device (for example, ends a
  // batch of buffered output). The chart calls it before every pause and at
  // the end of a paint. Not a drawing operation: listings leave it out.
  virtual void Flush() {}
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_SURFACE_H_
