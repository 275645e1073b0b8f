#include "chart/qt/qpainter_surface.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <cmath>

#include "chart/chart_colours.h"

namespace curvesmith::chart {
namespace {

// Faces that stand in for a requested one: a serif match for "Times New
// Roman", then Japanese faces for the glyphs it lacks.
const QStringList kFallbackFamilies = {"Liberation Serif", "IPAPGothic", "IPAGothic"};

// Faces for a request in the Japanese character set. The classic font mapper
// weighs the character set above the face name, so such a request gets a
// Japanese face whatever face it names: fixed-pitch ones here, in which
// every figure, blank and bracket takes the average width. The chart's
// captions were spaced for that: at the requested width each readout ends
// inside its brackets, which no proportional face's figures do.
const QStringList kJapaneseFamilies = {"IPAGothic", "Liberation Mono"};

// A dotted one-pixel pen: dots and gaps of three pixels.
const QList<qreal> kDotPattern = {3.0, 3.0};

// Reference size at which a font's proportions are measured.
constexpr int kMeasuringPixelSize = 100;

QColor ToQColor(ColorRef color) {
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

// The average character width as classic fonts declare it (and as a
// requested width is matched against): the advances of the lowercase letters
// and the space, weighted by how often they occur in English text, per
// thousand. Newer faces declare an average over all their glyphs instead,
// which is far wider for the same letters.
double ClassicAverageWidth(const QFontMetricsF& metrics) {
  static constexpr int kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                             56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
  constexpr int kSpaceWeight = 166;
  double sum = metrics.horizontalAdvance(QChar(' ')) * kSpaceWeight;
  for (int i = 0; i < 26; ++i) {
    sum += metrics.horizontalAdvance(QChar('a' + i)) * kLetterWeights[i];
  }
  return sum / 1000.0;
}

int DevicePixels(double logical, double scale) {
  return static_cast<int>(std::lround(logical * scale));
}

}  // namespace

struct QPainterSurface::Object {
  enum class Kind { kFont, kPen, kBrush };
  Kind kind = Kind::kPen;
  FontRequest font;
  PenStyle style = PenStyle::kSolid;
  int width = 0;
  QColor color;
};

QPainterSurface::QPainterSurface(QPaintDevice* device, double scale)
    : device_(device), scale_(scale) {}

QPainterSurface::~QPainterSurface() {
  Flush();
}

QPainter& QPainterSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(device_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  return *painter_;
}

void QPainterSurface::Flush() {
  DrawPendingLines();
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

double QPainterSurface::ScaleX() const {
  const double mapping = map_mode_ == kMapModeAnisotropic
                             ? static_cast<double>(viewport_ext_.width()) / window_ext_.width()
                             : 1.0;
  return mapping * scale_;
}

double QPainterSurface::ScaleY() const {
  const double mapping = map_mode_ == kMapModeAnisotropic
                             ? static_cast<double>(viewport_ext_.height()) / window_ext_.height()
                             : 1.0;
  return mapping * scale_;
}

QPoint QPainterSurface::ToDevice(int x, int y) const {
  return QPoint(DevicePixels(x, ScaleX()), DevicePixels(y, ScaleY()));
}

void QPainterSurface::SetMapMode(int mode) {
  DrawPendingLines();
  map_mode_ = mode;
}

void QPainterSurface::SetWindowExt(int width, int height) {
  DrawPendingLines();
  if (width != 0 && height != 0) window_ext_ = QSize(width, height);
}

void QPainterSurface::SetViewportExt(int width, int height) {
  DrawPendingLines();
  if (width != 0 && height != 0) viewport_ext_ = QSize(width, height);
}

std::optional<ObjectHandle> QPainterSurface::AddObject(Object object) {
  const int id = next_id_++;
  objects_.emplace(id, std::make_shared<const Object>(std::move(object)));
  return ObjectHandle{id};
}

std::optional<ObjectHandle> QPainterSurface::CreateFont(std::string_view,
                                                        const FontRequest& request) {
  Object font;
  font.kind = Object::Kind::kFont;
  font.font = request;
  return AddObject(std::move(font));
}

std::optional<ObjectHandle> QPainterSurface::CreatePen(std::string_view, PenStyle style, int width,
                                                       ColorRef color) {
  Object pen;
  pen.kind = Object::Kind::kPen;
  pen.style = style;
  pen.width = width;
  pen.color = ToQColor(color);
  return AddObject(std::move(pen));
}

std::optional<ObjectHandle> QPainterSurface::CreateSolidBrush(std::string_view, ColorRef color) {
  Object brush;
  brush.kind = Object::Kind::kBrush;
  brush.color = ToQColor(color);
  return AddObject(std::move(brush));
}

void QPainterSurface::SelectObject(ObjectHandle object) {
  DrawPendingLines();
  const auto found = objects_.find(object.id);
  if (found == objects_.end()) return;
  switch (found->second->kind) {
    case Object::Kind::kFont:
      font_ = found->second;
      break;
    case Object::Kind::kPen:
      pen_ = found->second;
      break;
    case Object::Kind::kBrush:
      brush_ = found->second;
      break;
  }
}

void QPainterSurface::DeleteObject(ObjectHandle object) {
  DrawPendingLines();
  objects_.erase(object.id);
}

void QPainterSurface::SetTextColor(ColorRef color) {
  DrawPendingLines();
  text_color_ = ToQColor(color);
}

void QPainterSurface::SetBkMode(int mode) {
  DrawPendingLines();
  bk_mode_ = mode;
}

int QPainterSurface::LinePixels() const {
  return std::max(1, static_cast<int>(std::lround(scale_)));
}

QPen QPainterSurface::DevicePen() const {
  if (!pen_) {
    QPen pen(Qt::black, LinePixels());
    pen.setCosmetic(true);
    return pen;
  }
  // One-unit pens stay one pixel wide under any mapping; wider pens scale
  // with it and always draw solid.
  if (pen_->width <= 1) {
    QPen pen(pen_->color, LinePixels());
    pen.setCosmetic(true);
    if (pen_->style == PenStyle::kDot) pen.setDashPattern(kDotPattern);
    return pen;
  }
  const int width =
      std::max(1, DevicePixels(std::max(1, DevicePixels(pen_->width, ScaleX() / scale_)), scale_));
  return QPen(pen_->color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QFont& QPainterSurface::DeviceFont() {
  if (!matched_font_ || matched_font_->font != font_ || matched_font_->scale_x != ScaleX() ||
      matched_font_->scale_y != ScaleY()) {
    matched_font_ = MatchedFont{font_, ScaleX(), ScaleY(), MatchDeviceFont()};
  }
  return matched_font_->device_font;
}

QFont QPainterSurface::MatchDeviceFont() const {
  if (!font_) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, DevicePixels(QFontInfo(font).pixelSize(), scale_)));
    return font;
  }
  const FontRequest& request = font_->font;
  QFont font;
  if (request.char_set == kShiftJisCharset) {
    font.setFamilies(kJapaneseFamilies);
    font.setStyleHint(QFont::TypeWriter);
  } else {
    font.setFamilies(QStringList{QString::fromStdString(request.face_name)} + kFallbackFamilies);
    font.setStyleHint(QFont::Serif);
  }
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  if (request.weight > 0) font.setWeight(QFont::Weight(std::clamp(request.weight, 1, 1000)));
  font.setItalic(request.italic != 0);
  font.setUnderline(request.underline != 0);
  font.setStrikeOut(request.strike_out != 0);

  // A positive height asks for the cell (ascent plus descent), a negative one
  // for the character height without internal leading.
  font.setPixelSize(kMeasuringPixelSize);
  const QFontMetricsF reference(font);
  const double height = std::abs(request.height) * ScaleY();
  if (request.height > 0) {
    font.setPixelSize(std::max(
        1, static_cast<int>(std::lround(height * kMeasuringPixelSize / reference.height()))));
  } else if (request.height < 0) {
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height))));
  }
  // A requested average character width narrows or widens the face.
  if (request.width > 0) {
    const double natural = ClassicAverageWidth(QFontMetricsF(font));
    if (natural > 0) {
      font.setStretch(std::clamp(
          static_cast<int>(std::lround(100.0 * request.width * ScaleX() / natural)), 1, 4000));
    }
  }
  return font;
}

void QPainterSurface::TextOut(int x, int y, std::string_view text) {
  DrawPendingLines();
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFont& font = DeviceFont();
  const QFontMetrics metrics(font, device_);
  const QPoint corner = ToDevice(x, y);
  QPainter& painter = Painter();
  if (bk_mode_ != kBkModeTransparent) {
    painter.fillRect(QRect(corner, QSize(metrics.horizontalAdvance(string), metrics.height())),
                     background_color_);
  }
  painter.setFont(font);
  painter.setPen(text_color_);
  painter.drawText(QPoint(corner.x(), corner.y() + metrics.ascent()), string);
}

void QPainterSurface::MoveTo(int x, int y) {
  DrawPendingLines();
  position_ = ToDevice(x, y);
}

void QPainterSurface::LineTo(int x, int y) {
  const QPoint end = ToDevice(x, y);
  if (pending_lines_.isEmpty()) pending_lines_.append(position_);
  // Lines of zero length on the device add no pixel to a polyline with round
  // joins; most samples of a dense trace are such lines.
  if (pending_lines_.last() != end) pending_lines_.append(end);
  position_ = end;
}

void QPainterSurface::DrawPendingLines() {
  // Only lines of zero length are pending when there is a single point: they
  // draw nothing.
  if (pending_lines_.size() > 1) {
    QPainter& painter = Painter();
    const QPen pen = DevicePen();
    // Wide pens go through the stroker, which a repeated polyline is spared.
    const PolylineStamps::Stamp* stamp =
        pen.isCosmetic() ? nullptr : polyline_stamps_.Of(pending_lines_, pen);
    if (stamp) {
      painter.drawImage(stamp->at, stamp->image);
    } else {
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawPolyline(pending_lines_);
    }
  }
  pending_lines_.clear();
}

void QPainterSurface::Ellipse(int left, int top, int right, int bottom) {
  DrawPendingLines();
  const QPoint a = ToDevice(std::min(left, right), std::min(top, bottom));
  const QPoint b = ToDevice(std::max(left, right), std::max(top, bottom));
  const QSize size(b.x() - a.x(), b.y() - a.y());
  const QPen pen = DevicePen();
  const QColor fill = brush_ ? brush_->color : QColor(Qt::white);
  QPainter& painter = Painter();

  if (pen.style() != Qt::SolidLine) {
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(a, size));
    painter.fillPath(ellipse, fill);
    painter.strokePath(ellipse, pen);
    return;
  }
  // A solid outline is filled as a ring rather than stroked, so that white
  // over a marker leaves nothing of it (see EllipseShapes).
  const QImage& shape = ellipse_shapes_.Of(size, pen.width(), fill.rgb(), pen.color().rgb());
  const int margin = EllipseShapes::Margin(pen.width());
  painter.drawImage(a - QPoint(margin, margin), shape);
}

}  // namespace curvesmith::chart
