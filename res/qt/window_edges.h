#ifndef CURVESMITH_RES_QT_WINDOW_EDGES_H_
#define CURVESMITH_RES_QT_WINDOW_EDGES_H_

#include <QRect>
#include <QRgb>
#include <cstdint>
#include <vector>

class QPainter;

namespace curvesmith {

// One one-pixel ring of a window's edge: the colour of its top and left
// sides, and of its bottom and right sides.
struct EdgeRing {
  QRgb top_left;
  QRgb bottom_right;
};

// The rings of the edges a template's style flags name, outermost first: a
// modal frame (raised, two rings), a static edge (sunken, one ring), a client
// edge (sunken, two rings). `styles` is a control's res::ControlStyle flags
// or, with `dialog` set, a dialog's res::DialogStyle flags.
std::vector<EdgeRing> EdgeRingsOf(std::uint32_t styles, bool dialog);

// Draws `rings` inside `rect`, outermost on its border, each `scale` device
// pixels wide.
void DrawEdgeRings(QPainter& painter, QRect rect, const std::vector<EdgeRing>& rings, int scale);

}  // namespace curvesmith

#endif  // CURVESMITH_RES_QT_WINDOW_EDGES_H_
