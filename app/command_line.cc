#include "app/command_line.h"

#include <QFileInfo>
#include <cstdio>

#include "app/file_name.h"
#include "app/resource_text.h"
#include "res/resource_ids.h"
#include "res/version_info.h"

namespace curvesmith {
namespace {

// Exit status of a command line the program does not understand.
constexpr int kUsageError = 2;

QString Usage(const QString& program) {
  return QStringLiteral(
             "Usage: %1 [FILE]\n"
             "Starts Curvesmith with a new document, or with FILE opened.\n"
             "\n"
             "  -h, --help     show this help and exit\n"
             "  -v, --version  show the version and exit\n")
      .arg(program);
}

CommandLineInfo Answer(int status, bool ok, const QString& text) {
  CommandLineInfo info;
  info.exit_status = status;
  info.ok = ok;
  info.text = text;
  return info;
}

}  // namespace

CommandLineInfo ParseCommandLine(const QStringList& arguments) {
  const QString program =
      arguments.isEmpty() ? LoadText(res::kIdsAppTitle) : QFileInfo(arguments.first()).fileName();
  CommandLineInfo info;
  bool options_done = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (!options_done && argument == "--") {
      options_done = true;
    } else if (!options_done && (argument == "-h" || argument == "--help")) {
      return Answer(0, true, Usage(program));
    } else if (!options_done && (argument == "-v" || argument == "--version")) {
      return Answer(0, true,
                    QStringLiteral("%1 %2\n").arg(LoadText(res::kIdsAppTitle),
                                                  QString::fromStdString(res::VersionText())));
    } else if (!options_done && argument.startsWith('-') && argument.size() > 1) {
      return Answer(
          kUsageError, false,
          QStringLiteral("%1: unknown option '%2'\n").arg(program, argument) + Usage(program));
    } else if (!info.file_name.isEmpty()) {
      return Answer(
          kUsageError, false,
          QStringLiteral("%1: only one file can be opened\n").arg(program) + Usage(program));
    } else {
      info.file_name = argument;
    }
  }
  return info;
}

QStringList ArgumentsOf(int argc, const char* const argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(DecodeFileName(argv[i]));
  return arguments;
}

std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
  const CommandLineInfo info = ParseCommandLine(ArgumentsOf(argc, argv));
  if (!info.exit_status) return std::nullopt;
  std::fputs(info.text.toLocal8Bit().constData(), info.ok ? stdout : stderr);
  return info.exit_status;
}

}  // namespace curvesmith
