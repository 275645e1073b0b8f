#include <QApplication>

#include "app/command_line.h"
#include "app/curvesmith_app.h"

int main(int argc, char* argv[]) {
  if (const auto status = curvesmith::AnswerWithoutWindow(argc, argv)) return *status;
  QApplication application(argc, argv);
  curvesmith::CCurvesmithApp curvesmith;
  if (!curvesmith.InitInstance(QApplication::arguments())) return 1;
  return QApplication::exec();
}
