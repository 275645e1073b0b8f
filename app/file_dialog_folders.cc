#include "app/file_dialog_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace curvesmith {
namespace {

QString KeyOf(const QString& kind) {
  return QStringLiteral("FileDialogFolders/") + kind;
}

}  // namespace

QString InLastFolder(const QString& kind, const QString& name) {
  const QString folder = QSettings().value(KeyOf(kind)).toString();
  if (folder.isEmpty() || QFileInfo(name).isAbsolute()) return name;
  return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

void RememberFolder(const QString& kind, const QString& chosen) {
  if (chosen.isEmpty()) return;
  QSettings().setValue(KeyOf(kind), QFileInfo(chosen).absolutePath());
}

}  // namespace curvesmith
