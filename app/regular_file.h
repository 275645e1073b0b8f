#ifndef CURVESMITH_APP_REGULAR_FILE_H_
#define CURVESMITH_APP_REGULAR_FILE_H_

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <optional>

namespace curvesmith {

// The program's files are read and written by name only when the name is a
// regular file (or not there yet, for writing): a FIFO would stop the program
// until another one writes to it, a device would be read from or replaced, a
// folder would read as nothing. Names go to the file system as the bytes
// EncodeFileName() gives. Both return the reason to show the user when they
// fail, nullopt when they succeed.

// Opens `name` for reading into `file` (which must not be open). Anything but
// a regular file is refused before it is opened, and opened without waiting,
// so that a name swapped for a FIFO in between cannot block.
std::optional<QString> OpenRegularFile(const QString& name, QFile& file);

// Replaces the content of `name` with `data` atomically: the data goes into a
// new file beside it, which takes the name only once it is complete and on
// disk, so a failure (a full disk) leaves an earlier file as it was. A name
// that exists and is not a regular file is refused, never replaced. A
// symbolic link is followed, and an earlier file's permissions are kept.
std::optional<QString> WriteFileAtomically(const QString& name, QByteArrayView data);

// Why WriteFileAtomically() could not write `name` whatever the data (a
// folder that is missing or cannot be written, something not a regular file
// at the name); nullopt when it may. Asked before work that takes long.
std::optional<QString> CheckWritable(const QString& name);

// The note that a failed write left an earlier file as it was: the
// string-table sentence when something is at `name`, empty when not.
QString KeptFileNote(const QString& name);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_REGULAR_FILE_H_
