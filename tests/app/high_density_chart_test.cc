#include <QTest>

#include "tests/app/view_fixture.h"

namespace curvesmith {

// On a screen of two device pixels per pixel the chart is drawn at the
// screen's density, not drawn small and stretched.
class HighDensityChartTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

 private slots:
  void ChartIsDrawnAtTheScreensDensity();
};

void HighDensityChartTest::ChartIsDrawnAtTheScreensDensity() {
  ViewFixture fixture;
  QCOMPARE(fixture.view->devicePixelRatio(), 2);
  QCOMPARE(fixture.Chart().size(), fixture.view->ChartArea()->size() * 2);

  // The curve covers about twice the device pixels it does at one to one.
  QVERIFY(CountPixels(fixture.Chart(), kCurveBlue) > 2000);
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::HighDensityChartTest)
#include "high_density_chart_test.moc"
