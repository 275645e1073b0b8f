#ifndef CURVESMITH_APP_ATOMIC_FILE_H_
#define CURVESMITH_APP_ATOMIC_FILE_H_

#include <QByteArray>
#include <QString>
#include <optional>

namespace curvesmith {

// Writes `bytes` to `path` through a temporary file beside it that is renamed
// over the target only once it is complete: a failure (no space, no
// permission, a folder in the way) leaves no partial file and an existing
// file as it was. Returns the system's reason when it fails.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_ATOMIC_FILE_H_
