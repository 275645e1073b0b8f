#include "app/print_support.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace curvesmith {
namespace {

// A stand-in for the chart: white with a red square in its middle.
QImage ChartLikeImage() {
  QImage image(400, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.fillRect(QRect(150, 50, 100, 100), Qt::red);
  return image;
}

}  // namespace

class PrintSupportTest : public QObject {
  Q_OBJECT

 private slots:
  void ChartFitsOnThePage_data() {
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("page");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("wide image on tall page")
        << QSize(400, 200) << QRect(0, 0, 100, 300) << QRect(0, 125, 100, 50);
    QTest::newRow("tall image on wide page")
        << QSize(100, 200) << QRect(0, 0, 400, 100) << QRect(175, 0, 50, 100);
    QTest::newRow("small image is enlarged")
        << QSize(10, 10) << QRect(0, 0, 100, 100) << QRect(0, 0, 100, 100);
    QTest::newRow("page offset kept")
        << QSize(10, 10) << QRect(20, 30, 100, 50) << QRect(45, 30, 50, 50);
    QTest::newRow("no image") << QSize(0, 0) << QRect(0, 0, 100, 100) << QRect();
  }
  void ChartFitsOnThePage() {
    QFETCH(QSize, image);
    QFETCH(QRect, page);
    QFETCH(QRect, expected);
    QCOMPARE(FitOnPage(image, page), expected);
  }

  void PrintToPdfContainsTheChart() {
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(PrintImage(&printer, ChartLikeImage()));

    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QVERIFY(content.contains("/Subtype /Image"));
    QVERIFY(content.contains("/Width 400"));
    QVERIFY(content.contains("/Height 200"));
  }

  void PrintingToAnUnwritableFileFails() {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-directory/chart.pdf");
    QVERIFY(!PrintImage(&printer, ChartLikeImage()));
  }
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::PrintSupportTest)
#include "print_support_test.moc"
