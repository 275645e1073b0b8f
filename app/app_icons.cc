#include "app/app_icons.h"

#include <QString>

namespace curvesmith {
namespace {

// Adds `base`.png and its double-density twin `base`@2x.png; QIcon picks the
// one that suits the screen.
void AddBothDensities(QIcon* icon, const QString& base) {
  icon->addFile(base + ".png");
  icon->addFile(base + "@2x.png");
}

}  // namespace

QIcon ToolBarIcon(const char* name) {
  QIcon icon;
  AddBothDensities(&icon, QStringLiteral(":/curvesmith/toolbar/%1").arg(QLatin1String(name)));
  return icon;
}

QIcon ResourceIcon(int id) {
  QIcon icon;
  for (int size : {16, 32}) {
    AddBothDensities(&icon, QStringLiteral(":/curvesmith/icons/icon%1_%2").arg(id).arg(size));
  }
  return icon;
}

}  // namespace curvesmith
