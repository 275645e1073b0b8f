#ifndef CURVESMITH_FILES_WRITABLE_DESTINATION_H_
#define CURVESMITH_FILES_WRITABLE_DESTINATION_H_

#include <string>

namespace curvesmith::files {

// Whether ReplaceFile() could write `path`, asked before the bytes exist: an
// export that takes long to make is refused at once rather than after the
// work. The folder the file would land in (that of a symbolic link's target)
// must be there and writable, and anything at the path must be a regular
// file.
//
// Returns 0, the errno that tells why not, or kNotRegularFile. A 0 promises
// nothing about the write itself (a disk can still fill up).
int CheckWritableDestination(const std::string& path);

}  // namespace curvesmith::files

#endif  // CURVESMITH_FILES_WRITABLE_DESTINATION_H_
