#ifndef CURVESMITH_CHART_QT_POLYLINE_STAMPS_H_
#define CURVESMITH_CHART_QT_POLYLINE_STAMPS_H_

#include <QImage>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <vector>

namespace curvesmith::chart {

// Polylines drawn with a wide pen, rasterised once they come a second time
// and then stamped: a replay strokes the same curve trace at every repair,
// and stroking its round joins costs more than the rest of the picture.
//
// A stamp is the polyline drawn without antialiasing at its very place (on a
// transparent canvas reaching from the device's origin to the polyline's far
// corner, so that the rasteriser sees the same coordinates), cut down to the
// rectangle the pen can reach. Every pixel of it is fully opaque or fully
// transparent, so stamping it is exactly drawing the polyline.
class PolylineStamps {
 public:
  struct Stamp {
    QImage image;
    QPoint at;  // where its top-left pixel goes
  };

  // The stamp of `points` drawn with `pen` (solid, no antialiasing), or
  // nullptr the first time they are asked for, or once the cache is full:
  // the caller then draws the polyline itself.
  const Stamp* Of(const QPolygon& points, const QPen& pen);

 private:
  struct Entry {
    QPolygon points;
    QPen pen;
    Stamp stamp;  // null until the second request
  };
  static constexpr std::size_t kMostEntries = 16;

  std::vector<Entry> entries_;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_POLYLINE_STAMPS_H_
