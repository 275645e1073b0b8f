#ifndef CURVESMITH_CHART_QT_ELLIPSE_SHAPES_H_
#define CURVESMITH_CHART_QT_ELLIPSE_SHAPES_H_

#include <QImage>
#include <QRgb>
#include <QSize>
#include <map>
#include <tuple>

namespace curvesmith::chart {

// Ellipses with a solid outline, rasterised once per box size, outline width
// and colours and then stamped: a replay draws thousands of markers of one
// size in a few colours.
//
// A shape is the interior filled with the fill colour, then the ring
// `outline_width` pixels wide centred on the ellipse filled with the outline
// colour, both without antialiasing, on a transparent canvas. Without
// antialiasing a pixel belongs to an area when its centre does, so:
// - the stamp at a whole-pixel corner is exactly the ellipse filled there;
// - a wider ring of the same ellipse covers every pixel of a narrower one,
//   and a white shape over a marker of the same box leaves nothing of it;
// - every pixel of the stamp is either fully opaque or fully transparent.
class EllipseShapes {
 public:
  // The stamp of an ellipse in a box of `box` pixels; its top-left pixel is
  // the box's top-left corner moved up and left by Margin(outline_width).
  const QImage& Of(QSize box, int outline_width, QRgb fill, QRgb outline);

  static int Margin(int outline_width) { return outline_width + 1; }

 private:
  std::map<std::tuple<int, int, int, QRgb, QRgb>, QImage> shapes_;
};

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_ELLIPSE_SHAPES_H_
