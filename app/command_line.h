#ifndef CURVESMITH_APP_COMMAND_LINE_H_
#define CURVESMITH_APP_COMMAND_LINE_H_

#include <QString>
#include <QStringList>
#include <optional>

#include "res/language.h"

namespace curvesmith {

// What the command line asks for. --help and --version (and a malformed
// line) are answered in text and end the program before any window opens;
// otherwise the program starts with a new document or with the named file,
// in the language --language names, if any.
struct CommandLineInfo {
  // Set when the program ends at once: its exit status, and the text for
  // standard output (`ok`) or standard error.
  std::optional<int> exit_status;
  bool ok = true;
  QString text;
  // The document to open; empty for a new document.
  QString file_name;
  // The interface's language for this start (--language), in place of the
  // one kept in the settings.
  std::optional<res::Language> language;
};

// `arguments` as main() receives them, the program's name first.
CommandLineInfo ParseCommandLine(const QStringList& arguments);

// main()'s arguments as QStrings that keep the bytes of file names which are
// not UTF-8 (DecodeFileName()).
QStringList ArgumentsOf(int argc, const char* const argv[]);

// For main(), before any window system is touched: answers --help, --version
// and a malformed command line on standard output or standard error and
// returns the exit status; nullopt when the program should start.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_COMMAND_LINE_H_
