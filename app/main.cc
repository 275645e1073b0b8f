#include <QApplication>

#include "app/command_line.h"
#include "app/curvesmith_app.h"

int main(int argc, char* argv[]) {
  if (const auto status = curvesmith::AnswerWithoutWindow(argc, argv)) return *status;
  // QApplication takes its own options out of argv; the rest stays as bytes,
  // which QApplication::arguments() would not keep for every file name.
  QApplication application(argc, argv);
  curvesmith::CCurvesmithApp curvesmith;
  if (!curvesmith.InitInstance(curvesmith::ArgumentsOf(argc, argv))) return 1;
  return QApplication::exec();
}
