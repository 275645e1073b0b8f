#include "app/atomic_file.h"

#include <QSaveFile>

#include "app/resource_text.h"
#include "res/resource_ids.h"

namespace curvesmith {

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Unbuffered, so that a write cut short (a full disk) shows in write()'s
  // count: a buffered QSaveFile can commit the truncated file as a success.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                : LoadText(res::kIdsWriteCutShort);
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace curvesmith
