#include "chart/qt/png_bytes.h"

#include <QBuffer>

namespace curvesmith::chart {

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return bytes;
}

}  // namespace curvesmith::chart
