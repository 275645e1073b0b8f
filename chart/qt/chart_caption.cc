#include "chart/qt/chart_caption.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace curvesmith::chart {
namespace {

// The face and its pixel size at scale 1; the text starts this far in.
const QStringList kCaptionFamilies = {"IPAPGothic", "IPAGothic", "Liberation Sans"};
constexpr int kCaptionPixelSize = 16;
constexpr int kCaptionIndent = 10;

}  // namespace

QImage CaptionStrip(const QString& caption, int width, int scale) {
  QImage strip(width, kCaptionHeight * scale, QImage::Format_RGB32);
  strip.fill(Qt::white);
  QFont font;
  font.setFamilies(kCaptionFamilies);
  font.setStyleHint(QFont::SansSerif);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setPixelSize(kCaptionPixelSize * scale);
  QPainter painter(&strip);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font, &strip);
  const int baseline = (strip.height() - metrics.height()) / 2 + metrics.ascent();
  painter.drawText(kCaptionIndent * scale, baseline, caption);
  return strip;
}

QImage WithCaption(const QImage& chart, const QImage& strip) {
  QImage captioned(chart.width(), chart.height() + strip.height(), QImage::Format_RGB32);
  QPainter painter(&captioned);
  painter.drawImage(0, 0, chart);
  painter.drawImage(0, chart.height(), strip);
  return captioned;
}

}  // namespace curvesmith::chart
