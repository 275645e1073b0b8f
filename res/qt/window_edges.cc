#include "res/qt/window_edges.h"

#include <QColor>
#include <QPainter>
#include <span>

#include "res/dialog_template.h"

namespace curvesmith {
namespace {

// The classic three-dimensional look's colours.
constexpr QRgb kHighlight = 0xFFFFFFFF;
constexpr QRgb kLight = 0xFFD4D0C8;
constexpr QRgb kShadow = 0xFF808080;
constexpr QRgb kDarkShadow = 0xFF404040;

constexpr EdgeRing kModalFrame[] = {{kLight, kDarkShadow}, {kHighlight, kShadow}};
constexpr EdgeRing kStaticEdge[] = {{kShadow, kHighlight}};
constexpr EdgeRing kClientEdge[] = {{kShadow, kHighlight}, {kDarkShadow, kLight}};

// Each edge, named by a control's or a dialog's flag, outermost first.
struct EdgeStyle {
  std::uint32_t control_flag;
  std::uint32_t dialog_flag;
  std::span<const EdgeRing> rings;
};
constexpr EdgeStyle kEdgeStyles[] = {
    {res::kStyleModalFrame, res::kDialogModalFrame, kModalFrame},
    {res::kStyleStaticEdge, res::kDialogStaticEdge, kStaticEdge},
    {res::kStyleClientEdge, res::kDialogClientEdge, kClientEdge},
};

}  // namespace

std::vector<EdgeRing> EdgeRingsOf(std::uint32_t styles, bool dialog) {
  std::vector<EdgeRing> rings;
  for (const EdgeStyle& edge : kEdgeStyles) {
    if ((styles & (dialog ? edge.dialog_flag : edge.control_flag)) == 0) continue;
    for (const EdgeRing& ring : edge.rings) rings.push_back(ring);
  }
  return rings;
}

void DrawEdgeRings(QPainter& painter, QRect rect, const std::vector<EdgeRing>& rings, int scale) {
  for (const EdgeRing& edge : rings) {
    for (int pixel = 0; pixel < scale; ++pixel) {
      painter.setPen(QColor::fromRgb(edge.top_left));
      painter.drawLine(rect.topLeft(), rect.topRight());
      painter.drawLine(rect.topLeft(), rect.bottomLeft());
      painter.setPen(QColor::fromRgb(edge.bottom_right));
      painter.drawLine(rect.bottomLeft(), rect.bottomRight());
      painter.drawLine(rect.topRight(), rect.bottomRight());
      rect.adjust(1, 1, -1, -1);
    }
  }
}

}  // namespace curvesmith
