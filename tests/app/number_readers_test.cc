// The parameter form, the parameter file and curvesmith-cli read a number the
// same way: what one accepts the others accept, as the same float.

#include <QTest>
#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "app/parameter_file_format.h"
#include "cli/arguments.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

// What a reader makes of a text: the float's bits, or nothing when refused.
using Reading = std::optional<std::uint32_t>;
Q_DECLARE_METATYPE(Reading)

namespace curvesmith {
namespace {

Reading Bits(float value) {
  return std::bit_cast<std::uint32_t>(value);
}

// A value no row of the table reads, left in the field when a text is refused.
constexpr float kUntouched = 0.125f;

Reading ReadByForm(const std::string& text) {
  ViewFixture fixture;
  fixture.Type(res::kIdcCrossoverRate, "0.125");
  fixture.Type(res::kIdcCrossoverRate, QString::fromStdString(text));
  const float value = fixture.view->Values().CrossoverRate;
  return value == kUntouched ? std::nullopt : Bits(value);
}

Reading ReadByFile(const std::string& text) {
  const ParameterFileContent content = ParseParameterFile(
      std::string(kParameterFileHeader) +
      "\ngenerations = 1\naux_parameter = 0\npopulation_size = 1\nmutation_rate = 0\n"
      "target_curve = 0\ncrossover_rate = " +
      text + "\n");
  if (content.kind != ParameterFileContent::Kind::kValues) return std::nullopt;
  return Bits(content.values.CrossoverRate);
}

Reading ReadByCommandLine(const std::string& text) {
  cli::Arguments arguments({text});
  cli::RunOptions options;
  try {
    cli::TakeRunOption("--crossover", arguments, options);
  } catch (const cli::UsageError&) {
    return std::nullopt;
  }
  return Bits(options.parameters.CrossoverRate);
}

}  // namespace

class NumberReadersTest : public QObject {
  Q_OBJECT

 private slots:
  void FormFileAndCommandLineReadAlike_data();
  void FormFileAndCommandLineReadAlike();
};

void NumberReadersTest::FormFileAndCommandLineReadAlike_data() {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  QTest::addColumn<QString>("text");
  QTest::addColumn<Reading>("expected");
  QTest::newRow("decimal") << "0.5" << Bits(0.5f);
  QTest::newRow("below the float range") << "1e-50" << Bits(0.0f);
  QTest::newRow("above the float range") << "1e39" << Bits(kInf);
  QTest::newRow("plus sign") << "+0.5" << Bits(0.5f);
  QTest::newRow("leading blank") << " 0.5" << Bits(0.5f);
  QTest::newRow("blanks and tab around") << "\t 0.5  " << Bits(0.5f);
  QTest::newRow("negative zero") << "-0" << Bits(-0.0f);
  QTest::newRow("exponent") << "25e-2" << Bits(0.25f);
  QTest::newRow("not a number") << "nan" << Bits(std::numeric_limits<float>::quiet_NaN());
  QTest::newRow("empty") << "" << Reading();
  QTest::newRow("letters") << "half" << Reading();
  QTest::newRow("decimal comma") << "0,5" << Reading();
  QTest::newRow("two signs") << "+-0.5" << Reading();
  QTest::newRow("hexadecimal") << "0x1p-1" << Reading();
  QTest::newRow("beyond the double range") << "1e999" << Reading();
  QTest::newRow("two numbers") << "0.5 0.5" << Reading();
}

void NumberReadersTest::FormFileAndCommandLineReadAlike() {
  TemporarySettings settings;
  QFETCH(QString, text);
  QFETCH(Reading, expected);
  const std::string typed = text.toStdString();
  QCOMPARE(ReadByForm(typed), expected);
  QCOMPARE(ReadByFile(typed), expected);
  QCOMPARE(ReadByCommandLine(typed), expected);
}

}  // namespace curvesmith

QTEST_MAIN(curvesmith::NumberReadersTest)
#include "number_readers_test.moc"
