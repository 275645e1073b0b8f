#include "app/command_line.h"

#include <QTest>

namespace curvesmith {

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void Parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_status");  // -1: the program starts
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text_start");
    QTest::addColumn<QString>("file_name");
    QTest::newRow("no argument") << QStringList{"curvesmith"} << -1 << true << ""
                                 << "";
    QTest::newRow("a file") << QStringList{"curvesmith", "run.cvs"} << -1 << true << ""
                            << "run.cvs";
    QTest::newRow("version") << QStringList{"/usr/bin/curvesmith", "--version"} << 0 << true
                             << "Curvesmith 1.0.0.1\n"
                             << "";
    QTest::newRow("short version")
        << QStringList{"curvesmith", "-v"} << 0 << true << "Curvesmith 1.0.0.1\n"
        << "";
    QTest::newRow("help") << QStringList{"/usr/bin/curvesmith", "--help"} << 0 << true
                          << "Usage: curvesmith [FILE]"
                          << "";
    QTest::newRow("help-all") << QStringList{"curvesmith", "--help-all"} << 0 << true << "Usage:"
                              << "";
    QTest::newRow("help after a file")
        << QStringList{"curvesmith", "a", "-h"} << 0 << true << "Usage:"
        << "";
    QTest::newRow("unknown option") << QStringList{"curvesmith", "--frobnicate"} << 2 << false
                                    << "curvesmith: unknown option '--frobnicate'"
                                    << "";
    QTest::newRow("two files") << QStringList{"curvesmith", "a", "b"} << 2 << false
                               << "curvesmith: only one file"
                               << "";
    QTest::newRow("file named like an option")
        << QStringList{"curvesmith", "--", "-odd"} << -1 << true << ""
        << "-odd";
    QTest::newRow("a lone dash is a file name")
        << QStringList{"curvesmith", "-"} << -1 << true << ""
        << "-";
  }
  void Parse() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exit_status);
    QFETCH(bool, ok);
    QFETCH(QString, text_start);
    QFETCH(QString, file_name);
    const CommandLineInfo info = ParseCommandLine(arguments);
    QCOMPARE(info.exit_status.value_or(-1), exit_status);
    QCOMPARE(info.ok, ok);
    if (text_start.isEmpty()) {
      QVERIFY(info.text.isEmpty());
    } else {
      QVERIFY2(info.text.startsWith(text_start), qPrintable(info.text));
    }
    QCOMPARE(info.file_name, file_name);
  }

  void Language_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("language");  // -1: none asked for; -2: refused
    QTest::newRow("none") << QStringList{"curvesmith", "a"} << -1;
    QTest::newRow("english") << QStringList{"curvesmith", "--language", "en", "a"}
                             << static_cast<int>(res::Language::kEnglish);
    QTest::newRow("japanese after the file") << QStringList{"curvesmith", "a", "--language=ja"}
                                             << static_cast<int>(res::Language::kJapanese);
    QTest::newRow("unknown") << QStringList{"curvesmith", "--language", "fr"} << -2;
    QTest::newRow("missing") << QStringList{"curvesmith", "--language"} << -2;
  }
  void Language() {
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    const CommandLineInfo info = ParseCommandLine(arguments);
    if (language == -2) {
      QCOMPARE(info.exit_status.value_or(-1), 2);
      QVERIFY2(info.text.startsWith("curvesmith: ") &&
                   info.text.section('\n', 0, 0).contains("language"),
               qPrintable(info.text));
      return;
    }
    QVERIFY(!info.exit_status);
    QCOMPARE(info.language ? static_cast<int>(*info.language) : -1, language);
  }
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::CommandLineTest)
#include "command_line_test.moc"
