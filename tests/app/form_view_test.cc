#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/form_fields.h"
#include "app/main_frame.h"
#include "res/language.h"
#include "res/parameter_form_template.h"
#include "res/qt/chart_area_size.h"
#include "res/qt/dialog_units.h"
#include "res/qt/string_text.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {
namespace {

constexpr int kFieldIds[] = {res::kIdcGenerations,    res::kIdcCrossoverRate, res::kIdcAuxParameter,
                             res::kIdcPopulationSize, res::kIdcMutationRate,  res::kIdcTargetCurve};

bool IsMarked(const QLineEdit* field) {
  return field->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base);
}

}  // namespace

class FormViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Start-up and layout.
  void StartsWithZeroInEveryFieldAndCurveZeroTraced();
  void ChartTracesTheCurveOfTheLastRunNotOfTheField();
  void ControlsSitWhereTheTemplatePutsThem_data();
  void ControlsSitWhereTheTemplatePutsThem();
  void TabOrderFollowsTheTemplate();

  // Data exchange with the document.
  void TypingMirrorsEachFieldIntoTheDocument_data();
  void TypingMirrorsEachFieldIntoTheDocument();
  void NewDocumentShowsTheValuesTypedBefore();
  void OpenShowsTheFilesValues();
  void PaintShowsEachValueInItsShortestForm();

  // A text that is not a number.
  void TextThatIsNotANumberKeepsThatMemberAndTheLaterOnes();
  void FixingTheFieldTakesTheValuesAndClearsTheMark();

  // Run.
  void RunWithAllZerosRunsAndRaisesReplayPending();
  void RunRefusesValuesOutsideTheDataModel_data();
  void RunRefusesValuesOutsideTheDataModel();
  void RunRefusesWhileAFieldHoldsNoNumber_data();
  void RunRefusesWhileAFieldHoldsNoNumber();

 private:
  TemporarySettings settings_;
};

void FormViewTest::StartsWithZeroInEveryFieldAndCurveZeroTraced() {
  ViewFixture fixture;
  for (const int id : kFieldIds) QCOMPARE(fixture.view->Field(id)->text(), QString("0"));
  QVERIFY(!fixture.Chart().isNull());
  QVERIFY(CountPixels(fixture.Chart(), kCurveBlue) > 1000);
  QCOMPARE(CountPixels(fixture.Chart(), kMarkerRed), 0);
  QVERIFY(fixture.clock.pauses.empty());
  QCOMPARE(fixture.view->StatusText(), QString());
}

void FormViewTest::ChartTracesTheCurveOfTheLastRunNotOfTheField() {
  ViewFixture fixture;
  const QImage curve_zero = fixture.Chart();
  fixture.Type(res::kIdcTargetCurve, "2");
  fixture.view->Invalidate();
  ProcessPostedEvents();
  QCOMPARE(fixture.Chart(), curve_zero);

  // Nothing to replay with all counts 0: the final frame at once.
  fixture.Type(res::kIdcTargetCurve, "1");
  fixture.Run();
  QCOMPARE(fixture.state->ReplayPending, 0);
  fixture.view->Invalidate();
  ProcessPostedEvents();
  const QImage curve_one = fixture.Chart();
  QVERIFY(curve_one != curve_zero);
  fixture.Type(res::kIdcTargetCurve, "2");
  fixture.view->Invalidate();
  ProcessPostedEvents();
  QCOMPARE(fixture.Chart(), curve_one);
}

// The form keeps its designed size whatever font stands in for its own
// (1182 x 684 pixels at 96 DPI, inside its three-pixel edge), and every label
// fits its control in the font chosen.
void FormViewTest::ControlsSitWhereTheTemplatePutsThem_data() {
  QTest::addColumn<int>("language");
  QTest::addColumn<QString>("run_text");
  QTest::newRow("japanese") << static_cast<int>(res::Language::kJapanese) << "実行";
  QTest::newRow("english") << static_cast<int>(res::Language::kEnglish) << "Run";
}

// Every label fits its control in every language: the template's places are
// the same for all.
void FormViewTest::ControlsSitWhereTheTemplatePutsThem() {
  QFETCH(int, language);
  QFETCH(QString, run_text);
  res::SetInterfaceLanguage(static_cast<res::Language>(language));
  const auto back_to_japanese =
      qScopeGuard([] { res::SetInterfaceLanguage(res::Language::kJapanese); });
  ViewFixture fixture;
  const res::DialogTemplate& form = res::ParameterFormTemplate();
  const int dpi = fixture.view->logicalDpiY();
  const int edge = 3;
  const QSize designed = QSize(1182, 684) * dpi / kDesignDpi;
  QVERIFY2((fixture.view->size() - QSize(2 * edge, 2 * edge) - designed).isEmpty(),
           qPrintable(QString("%1x%2").arg(fixture.view->width()).arg(fixture.view->height())));
  for (const res::DialogControl& control : form.controls) {
    const QRect rect = DialogRectInPixels(control.rect, dpi).translated(edge, edge);
    const QString text = LoadText(control.text);
    const QWidget* widget = nullptr;
    for (const QWidget* child : fixture.view->findChildren<QWidget*>()) {
      if (child->geometry() == rect) widget = child;
    }
    QVERIFY2(widget != nullptr, qPrintable(QString::number(control.id) + text));
    if (control.id != res::kIdcStatic) QCOMPARE(widget->objectName(), QString::number(control.id));
    if (text.isEmpty()) continue;
    const QFontMetrics metrics(widget->font());
    QVERIFY2(metrics.horizontalAdvance(text) <= rect.width() && metrics.height() <= rect.height(),
             qPrintable(QString("%1: %2x%3 in %4x%5")
                            .arg(text)
                            .arg(metrics.horizontalAdvance(text))
                            .arg(metrics.height())
                            .arg(rect.width())
                            .arg(rect.height())));
  }
  // The chart painter sizes its picture for the same rectangle.
  QCOMPARE(fixture.view->ChartArea()->size(), ChartAreaPixelSize(dpi));
  QCOMPARE(fixture.view->RunButton()->text(), run_text);
}

void FormViewTest::TabOrderFollowsTheTemplate() {
  ViewFixture fixture;
  const int expected[] = {res::kIdcGenerations, res::kIdcCrossoverRate,  res::kIdcAuxParameter,
                          res::kIdcRun,         res::kIdcPopulationSize, res::kIdcMutationRate,
                          res::kIdcTargetCurve};
  QWidget* widget = fixture.view->Field(res::kIdcTargetCurve);
  for (const int id : expected) {
    do {
      widget = widget->nextInFocusChain();
    } while (widget->focusPolicy() == Qt::NoFocus || !fixture.view->isAncestorOf(widget));
    QCOMPARE(widget->objectName(), QString::number(id));
  }
}

void FormViewTest::TypingMirrorsEachFieldIntoTheDocument_data() {
  QTest::addColumn<int>("control_id");
  for (const int id : kFieldIds) QTest::newRow(FindField(id)->file_key) << id;
}

void FormViewTest::TypingMirrorsEachFieldIntoTheDocument() {
  QFETCH(int, control_id);
  ViewFixture fixture;
  const auto member = FindField(control_id)->member;
  fixture.view->Field(control_id)->setFocus();
  QTest::keyClicks(fixture.view->Field(control_id), "0.25");
  QCOMPARE(fixture.view->Values().*member, 0.25f);
  QCOMPARE(fixture.document.Parameters().*member, 0.25f);
  for (const int other : kFieldIds) {
    if (other != control_id)
      QCOMPARE(fixture.document.Parameters().*FindField(other)->member, 0.0f);
  }
}

void FormViewTest::NewDocumentShowsTheValuesTypedBefore() {
  CCurvesmithDoc document;
  auto state = std::make_unique<RunState>();
  CMainFrame frame(document, *state);
  frame.show();
  frame.OnFileNew();
  ProcessPostedEvents();
  CCurvesmithView* view = frame.View();
  view->Field(res::kIdcPopulationSize)->setText("40");
  view->Field(res::kIdcCrossoverRate)->setText("0.6");

  frame.OnFileNew();
  ProcessPostedEvents();
  QCOMPARE(view->Field(res::kIdcPopulationSize)->text(), QString("40"));
  QCOMPARE(view->Field(res::kIdcCrossoverRate)->text(), QString("0.6"));
  QCOMPARE(document.Parameters().PopulationSize, 40.0f);
  QCOMPARE(frame.windowTitle(), QString("Curvesmith"));
}

void FormViewTest::OpenShowsTheFilesValues() {
  QTemporaryDir directory;
  CCurvesmithDoc document;
  auto state = std::make_unique<RunState>();
  CMainFrame frame(document, *state);
  QStringList warnings;
  frame.SetWarningSink([&](const QString& message) { warnings << message; });
  frame.show();
  frame.OnFileNew();
  frame.View()->Field(res::kIdcGenerations)->setText("7");
  QVERIFY(frame.SaveDocumentAs(directory.filePath("seven.txt")));
  frame.View()->Field(res::kIdcGenerations)->setText("8");

  QVERIFY(frame.OpenDocumentFile(directory.filePath("seven.txt")));
  QCOMPARE(frame.View()->Field(res::kIdcGenerations)->text(), QString("7"));
  QCOMPARE(frame.View()->Values().Generations, 7.0f);

  QVERIFY(!frame.OpenDocumentFile(directory.filePath("missing.txt")));
  QCOMPARE(warnings.size(), 1);
  QCOMPARE(frame.View()->Field(res::kIdcGenerations)->text(), QString("7"));
  QCOMPARE(frame.windowTitle(), QString("Curvesmith"));

  // A stored curve that selects none opens as it is; Run refuses it.
  frame.View()->Field(res::kIdcTargetCurve)->setText("3");
  QVERIFY(frame.SaveDocumentAs(directory.filePath("three.txt")));
  frame.View()->Field(res::kIdcTargetCurve)->setText("1");
  QVERIFY(frame.OpenDocumentFile(directory.filePath("three.txt")));
  QCOMPARE(frame.View()->Field(res::kIdcTargetCurve)->text(), QString("3"));
  frame.View()->OnRun();
  QCOMPARE(warnings.size(), 2);
  QVERIFY(warnings.back().contains("「目標曲線」の値 3 は範囲外です。"));
  QCOMPARE(state->ReplayPending, 0);
}

void FormViewTest::PaintShowsEachValueInItsShortestForm() {
  ViewFixture fixture;
  fixture.Type(res::kIdcCrossoverRate, "0.70");
  fixture.Type(res::kIdcGenerations, "+3");
  QCOMPARE(fixture.view->Field(res::kIdcCrossoverRate)->text(), QString("0.70"));
  fixture.view->Invalidate();
  ProcessPostedEvents();
  QCOMPARE(fixture.view->Field(res::kIdcCrossoverRate)->text(), QString("0.7"));
  QCOMPARE(fixture.view->Field(res::kIdcGenerations)->text(), QString("3"));
}

// The exchange runs population size, mutation rate, generations, crossover
// rate, auxiliary value, target curve and stops at the first bad text.
void FormViewTest::TextThatIsNotANumberKeepsThatMemberAndTheLaterOnes() {
  ViewFixture fixture;
  QSignalSpy status(fixture.view.get(), &CCurvesmithView::StatusTextChanged);
  fixture.Type(res::kIdcGenerations, "abc");
  fixture.Type(res::kIdcPopulationSize, "10");
  fixture.Type(res::kIdcCrossoverRate, "0.5");

  QCOMPARE(fixture.view->Values().PopulationSize, 10.0f);
  QCOMPARE(fixture.view->Values().Generations, 0.0f);
  QCOMPARE(fixture.view->Values().CrossoverRate, 0.0f);
  QCOMPARE(fixture.document.Parameters().PopulationSize, 10.0f);
  QCOMPARE(fixture.document.Parameters().CrossoverRate, 0.0f);

  QCOMPARE(fixture.view->StatusText(), QString("「最大世代数」には数値を入力してください。"));
  QCOMPARE(status.size(), 1);
  QVERIFY(IsMarked(fixture.view->Field(res::kIdcGenerations)));
  QCOMPARE(fixture.view->Field(res::kIdcGenerations)->toolTip(), fixture.view->StatusText());
  QVERIFY(!IsMarked(fixture.view->Field(res::kIdcCrossoverRate)));
  QCOMPARE(fixture.view->Field(res::kIdcGenerations)->text(), QString("abc"));
}

void FormViewTest::FixingTheFieldTakesTheValuesAndClearsTheMark() {
  ViewFixture fixture;
  fixture.Type(res::kIdcCrossoverRate, "0.5");
  fixture.Type(res::kIdcGenerations, "");
  fixture.Type(res::kIdcTargetCurve, "2");
  QCOMPARE(fixture.view->Values().TargetCurve, 0.0f);

  fixture.Type(res::kIdcGenerations, "30");
  QCOMPARE(fixture.view->Values().Generations, 30.0f);
  QCOMPARE(fixture.view->Values().TargetCurve, 2.0f);
  QCOMPARE(fixture.document.Parameters().TargetCurve, 2.0f);
  QCOMPARE(fixture.view->StatusText(), QString());
  QVERIFY(!IsMarked(fixture.view->Field(res::kIdcGenerations)));
}

void FormViewTest::RunWithAllZerosRunsAndRaisesReplayPending() {
  ViewFixture fixture;
  fixture.view->OnRun();
  QCOMPARE(fixture.state->ReplayPending, 1);
  QCOMPARE(fixture.state->Generation, 0);
  QCOMPARE(fixture.state->PopulationSize, 0);

  ProcessPostedEvents();
  // Nothing to replay frame by frame: the final frame at once, no pause.
  QCOMPARE(fixture.state->ReplayPending, 0);
  QVERIFY(fixture.clock.pauses.empty());
  QVERIFY(CountPixels(fixture.Chart(), kFinalReadoutMagenta) > 0);
}

void FormViewTest::RunRefusesValuesOutsideTheDataModel_data() {
  QTest::addColumn<int>("control_id");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  QTest::newRow("population above 1000")
      << res::kIdcPopulationSize << "1001"
      << "「母集団サイズ」の値 1001 は範囲外です。1000 以下の有限の数値を入力してください。";
  QTest::newRow("population not finite")
      << res::kIdcPopulationSize << "nan"
      << "「母集団サイズ」の値 nan は範囲外です。1000 以下の有限の数値を入力してください。";
  QTest::newRow("generations above 999")
      << res::kIdcGenerations << "1000"
      << "「最大世代数」の値 1000 は範囲外です。999 以下の有限の数値を入力してください。";
  QTest::newRow("generations infinite")
      << res::kIdcGenerations << "1e39"
      << "「最大世代数」の値 inf は範囲外です。999 以下の有限の数値を入力してください。";
  QTest::newRow("crossover above 1")
      << res::kIdcCrossoverRate << "1.5"
      << "「交叉率」の値 1.5 は範囲外です。0 から 1 までの数値を入力してください。";
  QTest::newRow("mutation below 0")
      << res::kIdcMutationRate << "-0.1"
      << "「突然変異率」の値 -0.1 は範囲外です。0 から 1 までの数値を入力してください。";
  // A curve value that selects no curve would score nobody and carry the
  // previous run's fitness into this one.
  QTest::newRow("target curve 3")
      << res::kIdcTargetCurve << "3"
      << "「目標曲線」の値 3 は範囲外です。0, 1, 2 のいずれかを入力してください。";
  QTest::newRow("target curve 0.5")
      << res::kIdcTargetCurve << "0.5"
      << "「目標曲線」の値 0.5 は範囲外です。0, 1, 2 のいずれかを入力してください。";
  QTest::newRow("target curve -1")
      << res::kIdcTargetCurve << "-1"
      << "「目標曲線」の値 -1 は範囲外です。0, 1, 2 のいずれかを入力してください。";
  QTest::newRow("target curve infinite")
      << res::kIdcTargetCurve << "-inf"
      << "「目標曲線」の値 -inf は範囲外です。0, 1, 2 のいずれかを入力してください。";
}

void FormViewTest::RunRefusesValuesOutsideTheDataModel() {
  QFETCH(int, control_id);
  QFETCH(QString, text);
  QFETCH(QString, message);
  ViewFixture fixture;
  QSignalSpy refused(fixture.view.get(), &CCurvesmithView::RunRefused);
  fixture.Type(res::kIdcPopulationSize, "10");
  fixture.Type(control_id, text);
  const qint64 chart_before = fixture.Chart().cacheKey();

  fixture.Run();
  QCOMPARE(refused.size(), 1);
  QCOMPARE(refused.front().front().toString(), "実行できません。" + message);
  QCOMPARE(fixture.state->ReplayPending, 0);
  QCOMPARE(fixture.state->PopulationSize, 0);
  QCOMPARE(fixture.state->Population[0].fitness, 0.0);
  QCOMPARE(fixture.Chart().cacheKey(), chart_before);
  QVERIFY(IsMarked(fixture.view->Field(control_id)));
  QCOMPARE(fixture.view->Field(control_id)->toolTip(), "実行できません。" + message);
}

void FormViewTest::RunRefusesWhileAFieldHoldsNoNumber_data() {
  QTest::addColumn<int>("control_id");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("name");
  QTest::newRow("two numbers") << res::kIdcPopulationSize << "50 0"
                               << "母集団サイズ";
  QTest::newRow("emptied") << res::kIdcGenerations << ""
                           << "最大世代数";
  QTest::newRow("words") << res::kIdcTargetCurve << "one"
                         << "目標曲線";
  QTest::newRow("auxiliary value") << res::kIdcAuxParameter << "-"
                                   << "補助値";
}

// The values taken before the field lost its number would run unseen, and
// the paint after the run would write them over what was typed.
void FormViewTest::RunRefusesWhileAFieldHoldsNoNumber() {
  QFETCH(int, control_id);
  QFETCH(QString, text);
  QFETCH(QString, name);
  ViewFixture fixture;
  QSignalSpy refused(fixture.view.get(), &CCurvesmithView::RunRefused);
  const QString typed[] = {"5", "0.5", "7", "40", "0.1", "1"};
  for (int i = 0; i < 6; ++i) fixture.Type(kFieldIds[i], typed[i]);
  fixture.Run();
  const QImage chart_before = fixture.Chart();
  const int generation_before = fixture.state->Generation;
  const double best_before = fixture.state->BestSoFar.fitness;

  fixture.Type(control_id, text);
  // Fields after it in the exchange are edited too, and are not taken.
  fixture.Type(res::kIdcTargetCurve, control_id == res::kIdcTargetCurve ? text : "2");
  fixture.Type(res::kIdcMutationRate, "0.2");
  QStringList texts;
  for (const int id : kFieldIds) texts << fixture.view->Field(id)->text();
  fixture.Run();

  const QString message = QString("「%1」には数値を入力してください。").arg(name);
  QCOMPARE(refused.size(), 1);
  QCOMPARE(refused.front().front().toString(), message);
  QCOMPARE(fixture.state->Generation, generation_before);
  QCOMPARE(fixture.state->TargetCurve, 1.0);
  QCOMPARE(fixture.state->BestSoFar.fitness, best_before);
  QCOMPARE(fixture.Chart(), chart_before);
  for (int i = 0; i < 6; ++i) QCOMPARE(fixture.view->Field(kFieldIds[i])->text(), texts[i]);
  QVERIFY(IsMarked(fixture.view->Field(control_id)));
  QCOMPARE(fixture.view->Field(control_id)->toolTip(), message);
  QCOMPARE(fixture.view->StatusText(), message);
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::FormViewTest)
#include "form_view_test.moc"
