#include "app/command_line.h"

#include <QCommandLineParser>
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

// The program's terminal texts are English, like curvesmith-cli's: they are
// written before the interface's language is known.
constexpr char kDescription[] = "Starts Curvesmith with a new document, or with FILE opened.";
constexpr char kLanguageHelp[] = "Shows the interface in LANGUAGE for this start: %1.";
constexpr char kFileHelp[] = "A parameter file to open.";

// The languages' codes as the command line takes them: "ja, en".
QString LanguageCodes() {
  QStringList codes;
  for (const res::Language language : res::Languages()) {
    const std::string_view code = res::LanguageCode(language);
    codes << QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
  }
  return codes.join(", ");
}

const QCommandLineOption& LanguageOption() {
  static const QCommandLineOption option("language", QString(kLanguageHelp).arg(LanguageCodes()),
                                         "LANGUAGE");
  return option;
}

// Qt's help with the program's own first line, which names the program as it
// was started.
QString Usage(const QCommandLineParser& parser, const QString& program) {
  QString help = parser.helpText();
  help.remove(0, help.indexOf('\n') + 1);
  return QStringLiteral("Usage: %1 [FILE]\n").arg(program) + help;
}

CommandLineInfo Answer(int status, bool ok, const QString& text) {
  CommandLineInfo info;
  info.exit_status = status;
  info.ok = ok;
  info.text = text;
  return info;
}

// The option as it was written: one dash for a one-letter name.
QString WrittenOption(const QString& name) {
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

}  // namespace

CommandLineInfo ParseCommandLine(const QStringList& arguments) {
  const QString program =
      arguments.isEmpty() ? LoadText(res::kIdsAppTitle) : QFileInfo(arguments.first()).fileName();
  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addOption(LanguageOption());
  parser.addPositionalArgument("FILE", kFileHelp, "[FILE]");
  const auto refuse = [&](const QString& problem) {
    return Answer(kUsageError, false,
                  QStringLiteral("%1: %2\n").arg(program, problem) + Usage(parser, program));
  };

  if (!parser.parse(arguments.isEmpty() ? QStringList{program} : arguments)) {
    if (!parser.unknownOptionNames().isEmpty()) {
      return refuse(QStringLiteral("unknown option '%1'")
                        .arg(WrittenOption(parser.unknownOptionNames().first())));
    }
    return refuse(parser.errorText());
  }
  // --help-all, which Qt adds, has nothing more to tell: the program takes
  // none of Qt's own options.
  if (parser.isSet(help) || parser.isSet("help-all"))
    return Answer(0, true, Usage(parser, program));
  if (parser.isSet(version)) {
    return Answer(0, true,
                  QStringLiteral("%1 %2\n").arg(LoadText(res::kIdsAppTitle),
                                                QString::fromStdString(res::VersionText())));
  }
  CommandLineInfo info;
  if (parser.isSet(LanguageOption())) {
    const QString code = parser.value(LanguageOption());
    info.language = res::LanguageOfCode(code.toStdString());
    if (!info.language) {
      return refuse(QStringLiteral("unknown language '%1' (one of %2)").arg(code, LanguageCodes()));
    }
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return refuse(QStringLiteral("only one file can be opened"));
  if (!files.isEmpty()) info.file_name = files.first();
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
