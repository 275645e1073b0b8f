#include "chart/qt/polyline_stamps.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace curvesmith::chart {

const PolylineStamps::Stamp* PolylineStamps::Of(const QPolygon& points, const QPen& pen) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
    return entry.pen == pen && entry.points == points;
  });
  if (found == entries_.end()) {
    if (entries_.size() < kMostEntries) entries_.push_back({points, pen, {}});
    return nullptr;
  }
  if (found->stamp.image.isNull()) {
    // Round caps and joins reach half the pen's width beyond the points.
    const int reach = static_cast<int>(std::ceil(pen.widthF())) + 1;
    const QRect bounds = points.boundingRect();
    const QRect reached(
        QPoint(std::max(0, bounds.left() - reach), std::max(0, bounds.top() - reach)),
        bounds.bottomRight() + QPoint(reach, reach));
    QImage canvas(reached.right() + 1, reached.bottom() + 1, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
      QPainter painter(&canvas);
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawPolyline(points);
    }
    found->stamp = {canvas.copy(reached), reached.topLeft()};
  }
  return &found->stamp;
}

}  // namespace curvesmith::chart
