#include "app/command_line.h"

#include <QTest>

namespace curvesmith {

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void parse_data() {
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
  void parse() {
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
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::CommandLineTest)
#include "command_line_test.moc"
