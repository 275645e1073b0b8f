#include <QApplication>

#include "app/curvesmith_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  curvesmith::CCurvesmithApp curvesmith;
  if (!curvesmith.InitInstance(QApplication::arguments())) return 1;
  return QApplication::exec();
}
