#ifndef CURVESMITH_CHART_QT_CHART_CAPTION_H_
#define CURVESMITH_CHART_QT_CHART_CAPTION_H_

#include <QImage>
#include <QString>

namespace curvesmith::chart {

// The height of the caption line under an exported chart, in pixels of the
// chart's design size.
inline constexpr int kCaptionHeight = 28;

// One line of `caption` on white, `width` device pixels wide and
// kCaptionHeight times `scale` high, in a fixed Japanese face without
// antialiasing, so that every program that draws it draws the same pixels.
// REQUIRES: a QGuiApplication exists (fonts).
QImage CaptionStrip(const QString& caption, int width, int scale);

// `chart` with `strip` under it. REQUIRES: both are as wide.
QImage WithCaption(const QImage& chart, const QImage& strip);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_CHART_CAPTION_H_
