#include "app/sample_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace curvesmith {

QString SamplePath(const char* file_name) {
  const QString name = QString::fromUtf8(file_name);
  const QString installed = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(CURVESMITH_INSTALLED_SAMPLES "/") + name);
  if (QFileInfo::exists(installed)) return QDir::cleanPath(installed);
  return QDir(QStringLiteral(CURVESMITH_SOURCE_SAMPLES)).filePath(name);
}

}  // namespace curvesmith
