#ifndef CURVESMITH_CHART_QT_PNG_BYTES_H_
#define CURVESMITH_CHART_QT_PNG_BYTES_H_

#include <QByteArray>
#include <QImage>

namespace curvesmith::chart {

// `image` encoded as a PNG file, whole in memory, so that writing the file is
// one step whose every failure is seen; empty when it cannot be encoded.
QByteArray PngBytes(const QImage& image);

}  // namespace curvesmith::chart

#endif  // CURVESMITH_CHART_QT_PNG_BYTES_H_
