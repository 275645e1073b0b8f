#include "chart/qt/ellipse_shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace curvesmith::chart {

const QImage& EllipseShapes::Of(QSize box, int outline_width, QRgb fill, QRgb outline) {
  const auto key = std::make_tuple(box.width(), box.height(), outline_width, fill, outline);
  const auto found = shapes_.find(key);
  if (found != shapes_.end()) return found->second;

  const int margin = Margin(outline_width);
  QImage shape(box + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
  shape.fill(Qt::transparent);
  const QRectF ellipse(margin, margin, box.width(), box.height());
  const double half = outline_width / 2.0;
  {
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath interior;
    interior.addEllipse(ellipse);
    painter.fillPath(interior, QColor(fill));

    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(ellipse.adjusted(-half, -half, half, half));
    ring.addEllipse(ellipse.adjusted(half, half, -half, -half));
    painter.fillPath(ring, QColor(outline));
  }
  return shapes_.emplace(key, std::move(shape)).first->second;
}

}  // namespace curvesmith::chart
