#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/curvesmith_doc.h"
#include "app/parameter_file_format.h"

namespace curvesmith {
namespace {

ParameterSet SampleValues() {
  ParameterSet values;
  values.Generations = 100.0f;
  values.CrossoverRate = 0.7f;
  values.AuxParameter = 3.25f;
  values.PopulationSize = 50.0f;
  values.MutationRate = 0.1f;
  values.TargetCurve = 2.0f;
  return values;
}

bool SameValues(const ParameterSet& a, const ParameterSet& b) {
  return a.Generations == b.Generations && a.CrossoverRate == b.CrossoverRate &&
         a.AuxParameter == b.AuxParameter && a.PopulationSize == b.PopulationSize &&
         a.MutationRate == b.MutationRate && a.TargetCurve == b.TargetCurve;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Holds the size a process may write to a file at `bytes` while it lives, so
// that a save fails half-way as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_signal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_signal_);
  }

 private:
  rlimit saved_{};
  void (*previous_signal_)(int) = nullptr;
};

}  // namespace

class ParameterFileTest : public QObject {
  Q_OBJECT

 private slots:
  void init();

  void SavedValuesOpenAgainExactly();
  void SavedFileIsReadableText();
  void TheDocumentedExampleOpens();
  void AcceptsWhatAnEditorLeaves();
  void EmptyFileFromEarlierVersionsKeepsTheValues();
  void RefusedFileChangesNothing_data();
  void RefusedFileChangesNothing();
  void MissingFileIsRefusedNamingIt();
  void SaveIntoMissingFolderFailsAndSaysSo();
  void FailedSaveLeavesTheEarlierFileIntact();
  void NewDocumentKeepsValuesAndForgetsTheFile();

 private:
  QString PathOf(const QString& name) const { return directory_->filePath(name); }

  std::unique_ptr<QTemporaryDir> directory_;
};

void ParameterFileTest::init() {
  directory_ = std::make_unique<QTemporaryDir>();
  QVERIFY(directory_->isValid());
}

void ParameterFileTest::SavedValuesOpenAgainExactly() {
  CCurvesmithDoc saved;
  saved.Parameters() = SampleValues();
  saved.Parameters().MutationRate = 1.0f / 3.0f;
  QVERIFY(!saved.OnSaveDocument(PathOf("run.txt")));
  QCOMPARE(saved.PathName(), PathOf("run.txt"));

  CCurvesmithDoc opened;
  QVERIFY(!opened.OnOpenDocument(PathOf("run.txt")));
  QVERIFY(SameValues(opened.Parameters(), saved.Parameters()));
  QCOMPARE(opened.PathName(), PathOf("run.txt"));
}

void ParameterFileTest::SavedFileIsReadableText() {
  CCurvesmithDoc document;
  document.Parameters() = SampleValues();
  QVERIFY(!document.OnSaveDocument(PathOf("run.txt")));
  QCOMPARE(ReadFile(PathOf("run.txt")), QByteArray("Curvesmith parameters 1\n"
                                                   "generations = 100\n"
                                                   "crossover_rate = 0.7\n"
                                                   "aux_parameter = 3.25\n"
                                                   "population_size = 50\n"
                                                   "mutation_rate = 0.1\n"
                                                   "target_curve = 2\n"));
}

void ParameterFileTest::TheDocumentedExampleOpens() {
  WriteFile(PathOf("example.txt"),
            "Curvesmith parameters 1\n"
            "generations = 100\n"
            "crossover_rate = 0.7\n"
            "aux_parameter = 0\n"
            "population_size = 50\n"
            "mutation_rate = 0.1\n"
            "target_curve = 1\n");
  CCurvesmithDoc document;
  QVERIFY(!document.OnOpenDocument(PathOf("example.txt")));
  QCOMPARE(document.Parameters().Generations, 100.0f);
  QCOMPARE(document.Parameters().CrossoverRate, 0.7f);
  QCOMPARE(document.Parameters().PopulationSize, 50.0f);
  QCOMPARE(document.Parameters().MutationRate, 0.1f);
  QCOMPARE(document.Parameters().TargetCurve, 1.0f);
}

void ParameterFileTest::AcceptsWhatAnEditorLeaves() {
  WriteFile(PathOf("edited.txt"),
            "\xEF\xBB\xBF"
            "Curvesmith parameters 1\r\n"
            "# tried by hand\r\n"
            "\r\n"
            "target_curve=2\r\n"
            "  population_size =  50 \r\n"
            "mutation_rate = 0.1\r\n"
            "generations = 100\r\n"
            "aux_parameter = 3.25\r\n"
            "crossover_rate = 0.7");
  CCurvesmithDoc document;
  QVERIFY(!document.OnOpenDocument(PathOf("edited.txt")));
  QVERIFY(SameValues(document.Parameters(), SampleValues()));
}

void ParameterFileTest::EmptyFileFromEarlierVersionsKeepsTheValues() {
  WriteFile(PathOf("old.cur"), QByteArray());
  CCurvesmithDoc document;
  document.Parameters() = SampleValues();
  QVERIFY(!document.OnOpenDocument(PathOf("old.cur")));
  QVERIFY(SameValues(document.Parameters(), SampleValues()));
  QCOMPARE(document.PathName(), PathOf("old.cur"));
}

void ParameterFileTest::RefusedFileChangesNothing_data() {
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("expected_reason");
  const QByteArray header = "Curvesmith parameters 1\n";
  const QByteArray complete = header +
                              "generations = 1\ncrossover_rate = 0.5\naux_parameter = 0\n"
                              "population_size = 10\nmutation_rate = 0.5\n";

  QTest::newRow("someone else's text")
      << QByteArray("hello\n") << "パラメータ ファイルではありません";
  QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
                          << "パラメータ ファイルではありません";
  QTest::newRow("too large") << header + QByteArray(8000, '#')
                             << "パラメータ ファイルではありません";
  QTest::newRow("later format version")
      << QByteArray("Curvesmith parameters 2\n") << "パラメータ ファイルではありません";
  QTest::newRow("value missing") << complete << "「目標曲線」の値がありません";
  QTest::newRow("not a number") << complete + "target_curve = two\n"
                                << "（7 行目）。\n「目標曲線」の値が数値ではありません";
  QTest::newRow("written twice") << complete + "target_curve = 1\ngenerations = 2\n"
                                 << "「最大世代数」が二度書かれています";
  QTest::newRow("unknown key") << complete + "target = 1\n"
                               << "「target」という項目はありません";
  QTest::newRow("no equals sign") << complete + "target_curve 1\n"
                                  << "「名前 = 値」の形の行";
  QTest::newRow("cut short") << header + "generations = 1\ncrossover_ra"
                             << "（3 行目）。\n「名前 = 値」の形の行ではありません";
}

void ParameterFileTest::RefusedFileChangesNothing() {
  QFETCH(QByteArray, content);
  QFETCH(QString, expected_reason);
  WriteFile(PathOf("other.txt"), content);
  CCurvesmithDoc document;
  document.Parameters() = SampleValues();
  QVERIFY(!document.OnSaveDocument(PathOf("mine.txt")));

  const auto message = document.OnOpenDocument(PathOf("other.txt"));
  QVERIFY(message.has_value());
  QVERIFY2(message->contains(expected_reason), qPrintable(*message));
  QVERIFY2(message->contains(PathOf("other.txt")), qPrintable(*message));
  QVERIFY(SameValues(document.Parameters(), SampleValues()));
  QCOMPARE(document.PathName(), PathOf("mine.txt"));
}

void ParameterFileTest::MissingFileIsRefusedNamingIt() {
  CCurvesmithDoc document;
  document.Parameters() = SampleValues();
  const auto message = document.OnOpenDocument(PathOf("nowhere.txt"));
  QVERIFY(message.has_value());
  QVERIFY(message->contains(PathOf("nowhere.txt")));
  QVERIFY(SameValues(document.Parameters(), SampleValues()));
}

void ParameterFileTest::SaveIntoMissingFolderFailsAndSaysSo() {
  CCurvesmithDoc document;
  const QString path = PathOf("no such folder/run.txt");
  const auto message = document.OnSaveDocument(path);
  QVERIFY(message.has_value());
  QVERIFY(message->contains("保存できませんでした"));
  QVERIFY(message->contains(path));
  QVERIFY(document.PathName().isEmpty());
}

void ParameterFileTest::FailedSaveLeavesTheEarlierFileIntact() {
  CCurvesmithDoc document;
  document.Parameters() = SampleValues();
  QVERIFY(!document.OnSaveDocument(PathOf("run.txt")));
  const QByteArray earlier = ReadFile(PathOf("run.txt"));

  document.Parameters().Generations = 999.0f;
  std::optional<QString> message;
  {
    const FileSizeLimit full_disk(16);
    message = document.OnSaveDocument(PathOf("run.txt"));
  }
  QVERIFY(message.has_value());
  QCOMPARE(ReadFile(PathOf("run.txt")), earlier);
  QCOMPARE(QDir(directory_->path()).entryList(QDir::Files), QStringList{"run.txt"});
}

void ParameterFileTest::NewDocumentKeepsValuesAndForgetsTheFile() {
  CCurvesmithDoc document;
  document.Parameters() = SampleValues();
  QVERIFY(!document.OnSaveDocument(PathOf("run.txt")));
  QVERIFY(document.OnNewDocument());
  QVERIFY(SameValues(document.Parameters(), SampleValues()));
  QVERIFY(document.PathName().isEmpty());
}

}  // namespace curvesmith

QTEST_APPLESS_MAIN(curvesmith::ParameterFileTest)
#include "parameter_file_test.moc"
