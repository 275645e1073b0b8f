#ifndef CURVESMITH_APP_FILE_DIALOG_FOLDERS_H_
#define CURVESMITH_APP_FILE_DIALOG_FOLDERS_H_

#include <QString>

namespace curvesmith {

// The folder in which a file of each kind (parameter files, PNG pictures, …)
// was last chosen, kept in the settings, so that a file dialog opens where
// the user last was for that kind. `kind` is a short name of the caller's.

// Where a dialog for `kind` starts: `name` in that kind's last folder, or
// `name` alone when no folder is known (or `name` is already a path).
QString InLastFolder(const QString& kind, const QString& name = QString());

// Keeps the folder of `chosen`, the path a dialog for `kind` returned.
void RememberFolder(const QString& kind, const QString& chosen);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_FILE_DIALOG_FOLDERS_H_
