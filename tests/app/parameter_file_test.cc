#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <thread>

#include "app/command_line.h"
#include "app/curvesmith_doc.h"
#include "app/file_name.h"
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

// While it lives, keeps opening `fifo` for writing and closing it again, so
// that a reader stuck in open() on it is let go and reads an empty file: a
// test of code that wrongly waits on a FIFO then fails instead of hanging.
class FifoWriter {
 public:
  explicit FifoWriter(const QByteArray& fifo)
      : thread_([this, fifo] {
          while (!stop_) {
            const int fd = open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          }
        }) {}
  ~FifoWriter() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

// The kind of file at `path`, following symbolic links; 0 when there is none.
mode_t KindOf(const QString& path) {
  struct stat status {};
  return stat(EncodeFileName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

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
  void OnlyRegularFilesAreOpenedOrReplaced_data();
  void OnlyRegularFilesAreOpenedOrReplaced();
  void CommandLineNamesReachTheFileSystemAsGiven();

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

  QTest::newRow("someone else's text") << QByteArray("hello\n") << "ﾊﾟﾗﾒｰﾀ ﾌｧｲﾙではありません";
  QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "ﾊﾟﾗﾒｰﾀ ﾌｧｲﾙではありません";
  QTest::newRow("too large") << header + QByteArray(8000, '#') << "ﾊﾟﾗﾒｰﾀ ﾌｧｲﾙではありません";
  QTest::newRow("later format version")
      << QByteArray("Curvesmith parameters 2\n") << "ﾊﾟﾗﾒｰﾀ ﾌｧｲﾙではありません";
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
  // There was no file to keep.
  QVERIFY(!message->contains("既にあるﾌｧｲﾙは変更していません"));
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
  QVERIFY(message->contains("既にあるﾌｧｲﾙは変更していません"));
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

// A FIFO, a device or a folder is refused with the usual message before it is
// opened (a FIFO would block until someone writes to it) and is never
// replaced by a save. Open from the command line, the File menu and the
// recent-file list all come here.
void ParameterFileTest::OnlyRegularFilesAreOpenedOrReplaced_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<bool>("save_too");
  QTest::newRow("fifo") << "fifo" << true;
  QTest::newRow("folder") << "folder" << true;
  // Saving onto a device would replace it for the whole machine if it failed.
  QTest::newRow("device") << "device" << false;
}

void ParameterFileTest::OnlyRegularFilesAreOpenedOrReplaced() {
  QFETCH(QString, kind);
  QFETCH(bool, save_too);
  QString path = PathOf(kind);
  if (kind == "fifo") QCOMPARE(mkfifo(EncodeFileName(path).constData(), 0600), 0);
  if (kind == "folder") QVERIFY(QDir().mkdir(path));
  if (kind == "device") path = "/dev/null";
  const mode_t before = KindOf(path);

  CCurvesmithDoc document;
  document.Parameters() = SampleValues();
  std::optional<QString> opened;
  {
    const FifoWriter unblock(EncodeFileName(path));
    opened = document.OnOpenDocument(path);
  }
  QVERIFY(opened.has_value());
  QVERIFY2(opened->contains("通常のﾌｧｲﾙではありません"), qPrintable(*opened));
  QVERIFY2(opened->contains(path), qPrintable(*opened));
  QVERIFY(document.PathName().isEmpty());

  if (save_too) {
    const auto saved = document.OnSaveDocument(path);
    QVERIFY(saved.has_value());
    QVERIFY2(saved->contains("通常のﾌｧｲﾙではありません"), qPrintable(*saved));
    QVERIFY(document.PathName().isEmpty());
  }
  QCOMPARE(KindOf(path), before);
}

void ParameterFileTest::CommandLineNamesReachTheFileSystemAsGiven() {
  const QByteArray name = EncodeFileName(directory_->path()) + "/bad\xffname\xc3.txt";
  {
    CCurvesmithDoc writer;
    writer.Parameters() = SampleValues();
    QVERIFY(!writer.OnSaveDocument(PathOf("good.txt")));
    QCOMPARE(rename(EncodeFileName(PathOf("good.txt")).constData(), name.constData()), 0);
  }
  const char* const argv[] = {"curvesmith", name.constData()};
  const QStringList arguments = ArgumentsOf(2, argv);
  QCOMPARE(EncodeFileName(arguments[1]), name);

  CCurvesmithDoc document;
  const auto opened = document.OnOpenDocument(arguments[1]);
  QVERIFY2(!opened, qPrintable(opened.value_or(QString())));
  QVERIFY(SameValues(document.Parameters(), SampleValues()));

  // Saving goes back to the same bytes, not to a look-alike name.
  document.Parameters().Generations = 7.0f;
  QVERIFY(!document.OnSaveDocument(document.PathName()));
  const std::filesystem::path folder(EncodeFileName(directory_->path()).toStdString());
  QCOMPARE(std::distance(std::filesystem::directory_iterator(folder),
                         std::filesystem::directory_iterator()),
           1);
  CCurvesmithDoc reader;
  QVERIFY(!reader.OnOpenDocument(arguments[1]));
  QCOMPARE(reader.Parameters().Generations, 7.0f);
  // QTemporaryDir cannot name it to remove it.
  QCOMPARE(unlink(name.constData()), 0);
}

}  // namespace curvesmith

QTEST_APPLESS_MAIN(curvesmith::ParameterFileTest)
#include "parameter_file_test.moc"
