#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "chart/marker_box.h"
#include "res/resource_ids.h"
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
  void HoveringADiscFindsItAtTheScreensDensity();
};

void HighDensityChartTest::ChartIsDrawnAtTheScreensDensity() {
  ViewFixture fixture;
  QCOMPARE(fixture.view->devicePixelRatio(), 2);
  QCOMPARE(fixture.Chart().size(), fixture.view->ChartArea()->size() * 2);

  // The curve covers about twice the device pixels it does at one to one.
  QVERIFY(CountPixels(fixture.Chart(), kCurveBlue) > 2000);
}

// The pointer's position is in pixels, the chart's image in device pixels:
// the disc is found where it is seen.
void HighDensityChartTest::HoveringADiscFindsItAtTheScreensDensity() {
  ViewFixture fixture;
  fixture.Type(res::kIdcTargetCurve, "0");
  fixture.Type(res::kIdcPopulationSize, "1");
  fixture.Type(res::kIdcGenerations, "0");
  fixture.Run();
  ChartAreaWidget* chart = fixture.view->ChartArea();
  const chart::MarkerBoxEdges box =
      chart::MarkerBox(fixture.state->PositionHistory[0][0], fixture.state->FitnessHistory[0][0]);
  const double pixels_per_unit = 130.0 / 220.0;
  const QPoint on_disc(static_cast<int>((box.left + box.right) / 2.0 * pixels_per_unit),
                       static_cast<int>((box.top + box.bottom) / 2.0 * pixels_per_unit));
  // The disc is drawn there in the image, at twice the pixel's coordinates.
  QCOMPARE(fixture.Chart().pixel(on_disc * 2), kMarkerRed);
  QHelpEvent hover(QEvent::ToolTip, on_disc, chart->mapToGlobal(on_disc));
  QApplication::sendEvent(chart, &hover);
  QVERIFY(QToolTip::isVisible());
  QVERIFY(QToolTip::text().contains(QString::fromUtf8("同じ遺伝子型の個体: 1 / 1")));
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::HighDensityChartTest)
#include "high_density_chart_test.moc"
