#include "engine/number_text.h"

#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>

namespace curvesmith {

class NumberTextTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsShortestFormThatReadsBack_data();
  void ShowsShortestFormThatReadsBack();
  void ReadsWhatAPersonTypes_data();
  void ReadsWhatAPersonTypes();
  void RefusesTextsThatAreNotNumbers_data();
  void RefusesTextsThatAreNotNumbers();
  void IgnoresTheUsersLocale();
  void ReadsNonFiniteValues();
  void EveryShownFloatReadsBackExactly();
};

void NumberTextTest::ShowsShortestFormThatReadsBack_data() {
  QTest::addColumn<float>("value");
  QTest::addColumn<QString>("text");
  QTest::newRow("zero") << 0.0f << "0";
  QTest::newRow("count") << 50.0f << "50";
  QTest::newRow("rate") << 0.7f << "0.7";
  QTest::newRow("typed 2.9") << 2.9f << "2.9";
  QTest::newRow("negative") << -5.0f << "-5";
  QTest::newRow("tiny") << 1e-7f << "1e-07";
}

void NumberTextTest::ShowsShortestFormThatReadsBack() {
  QFETCH(float, value);
  QFETCH(QString, text);
  QCOMPARE(QString::fromStdString(FormatNumber(value)), text);
}

void NumberTextTest::ReadsWhatAPersonTypes_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<float>("value");
  QTest::newRow("integer") << "100" << 100.0f;
  QTest::newRow("decimal") << "0.7" << 0.7f;
  QTest::newRow("leading point") << ".5" << 0.5f;
  QTest::newRow("trailing point") << "3." << 3.0f;
  QTest::newRow("plus sign") << "+2" << 2.0f;
  QTest::newRow("minus sign") << "-5" << -5.0f;
  QTest::newRow("exponent") << "1e2" << 100.0f;
  QTest::newRow("blanks around") << "  12 \t" << 12.0f;
  QTest::newRow("above float range") << "1e39" << std::numeric_limits<float>::infinity();
  QTest::newRow("below float range") << "1e-60" << 0.0f;
}

void NumberTextTest::ReadsWhatAPersonTypes() {
  QFETCH(QString, text);
  QFETCH(float, value);
  const auto parsed = ParseNumber(text.toStdString());
  QVERIFY(parsed.has_value());
  QCOMPARE(*parsed, value);
}

void NumberTextTest::RefusesTextsThatAreNotNumbers_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("empty field") << "";
  QTest::newRow("blanks only") << "   ";
  QTest::newRow("letters") << "abc";
  QTest::newRow("number then letters") << "12abc";
  QTest::newRow("decimal comma") << "0,7";
  QTest::newRow("lone sign") << "-";
  QTest::newRow("two signs") << "+-3";
  QTest::newRow("two numbers") << "1 2";
  QTest::newRow("beyond double range") << "1e999";
}

void NumberTextTest::RefusesTextsThatAreNotNumbers() {
  QFETCH(QString, text);
  QVERIFY(!ParseNumber(text.toStdString()).has_value());
}

// A German desktop writes 0,7; the form still shows and reads 0.7, and the
// readouts and tool tips still show 19.980469.
void NumberTextTest::IgnoresTheUsersLocale() {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) QSKIP("German locale not installed");
  const std::string shown = FormatNumber(0.7f);
  const std::string fixed = FixedText(19.98046875);
  const auto read = ParseNumber("0.7");
  std::setlocale(LC_ALL, "C");
  QCOMPARE(QString::fromStdString(shown), QString("0.7"));
  QCOMPARE(QString::fromStdString(fixed), QString("19.980469"));
  QVERIFY(read.has_value());
  QCOMPARE(*read, 0.7f);
}

void NumberTextTest::ReadsNonFiniteValues() {
  QCOMPARE(*ParseNumber("inf"), std::numeric_limits<float>::infinity());
  QCOMPARE(*ParseNumber("-inf"), -std::numeric_limits<float>::infinity());
  QVERIFY(std::isnan(*ParseNumber("nan")));
  QCOMPARE(QString::fromStdString(FormatNumber(std::numeric_limits<float>::infinity())),
           QString("inf"));
}

// Saving a file and showing a field both go through the text form, so any
// float must survive it bit for bit.
void NumberTextTest::EveryShownFloatReadsBackExactly() {
  const float samples[] = {0.1f,          0.2f,  1.0f / 3.0f, 999.99994f,  1e-38f,
                           3.4028235e38f, -0.0f, 1e-45f,      0.30000001f, 16777217.0f};
  for (const float value : samples) {
    const auto read = ParseNumber(FormatNumber(value));
    QVERIFY(read.has_value());
    QCOMPARE(std::signbit(*read), std::signbit(value));
    QCOMPARE(*read, value);
  }
}

}  // namespace curvesmith

QTEST_APPLESS_MAIN(curvesmith::NumberTextTest)
#include "number_text_test.moc"
